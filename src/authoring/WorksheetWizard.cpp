#include "WorksheetWizard.h"

#include "Palette.h"

#include "LabelButtons.h"
#include "Module1.h"

#include <QWidget>

using namespace terralore;

TERRALORE_DEFINE_FORM(WorksheetWizard, worksheetWizard)

namespace {

using namespace terralore::palette;

// The box limits, in characters.
constexpr int kTitleLength = 25;
constexpr int kQuestionLength = 60;
constexpr int kOptionLength = 30;

// Questions 1 to 5 fill the left column, 6 to 10 the right; question q
// (0 to 9 here) lies in row q mod 5, 1440 twips apart.
float columnX(int q)
{
    return q < 5 ? 240 : 6120;
}

float rowY(int q)
{
    return 1440.0f * float(q % 5);
}

// Per option j (A to D): its row, the left of its box, tick and letter.
struct OptionPlace {
    float top, box, tick, letter;
};

OptionPlace optionPlace(int j)
{
    const float top = j < 2 ? 1230 : 1560;
    const bool left = j % 2 == 0;
    return {top, left ? 480.0f : 3360.0f, left ? 240.0f : 3090.0f, left ? -30.0f : 2820.0f};
}

const char *const kLetters[] = {"A.", "B.", "C.", "D."};

const LabelButton kButtons[] = {
    {1, 240, 7920, 3165, 495, "Save Worksheet"},
    {0, 10560, 7920, 1245, 495, "Exit"},
};

LabelDesign caption(int index, float left, float top, float width, float height, const QString &text, double points)
{
    return {.name = "Label1",
            .index = index,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = text,
            .points = points,
            .bold = true,
            .fore = kYellow,
            .backStyle = vbTransparent};
}

} // namespace

WorksheetWizard::WorksheetWizard() : Form(QStringLiteral("wizard"))
{
    Label1.add(0, new Label(this, caption(0, 0, 0, 4320, 540, QStringLiteral("Multiple Choice Wizard"), 18)));
    Label1.add(1, new Label(this, caption(1, 5160, 120, 2400, 375, QStringLiteral("Worksheet Title"), 14.25)));
    Text1 = new TextBox(this, "Text1", -1, 7560, 120, 4215, 375, "Times New Roman", 12);
    Text1->setMaxLength(kTitleLength);
    connect(Text1, &TextBox::KeyPress, this, &WorksheetWizard::Text1_KeyPress);
    for (int q = 0; q < 10; ++q)
        createQuestion(q);
    makeLabelButtons(this, Label3, kButtons, &WorksheetWizard::Label3_Click, &WorksheetWizard::Label3_MouseMove);
    setTabOrder();
}

void WorksheetWizard::createQuestion(int q)
{
    const float x = columnX(q);
    const float y = rowY(q);
    Label1.add(2 + q, new Label(this, caption(2 + q, x, 600 + y, 1800, 255,
                                              QStringLiteral("Question") + QStringLiteral(" %1").arg(q + 1), 9.75)));
    auto *question = new TextBox(this, "Text2", q, x, 840 + y, 5655, 375, "Times New Roman", 12);
    question->setMaxLength(kQuestionLength);
    Text2.add(q, question);
    connect(question, &TextBox::KeyPress, this, [this, q](int key) { Text2_KeyPress(q, key); });
    for (int j = 0; j < 4; ++j) {
        const int i = 4 * q + j;
        const OptionPlace place = optionPlace(j);
        Label1.add(12 + i, new Label(this, caption(12 + i, x + place.letter, place.top + y, 270, 330,
                                                   QString::fromLatin1(kLetters[j]), 12)));
        Check1.add(i, new CheckBox(this, {.name = "Check1",
                                          .index = i,
                                          .left = x + place.tick,
                                          .top = place.top + y,
                                          .width = 255,
                                          .height = 315,
                                          .caption = QString()}));
        auto *option = new TextBox(this, "Text3", i, x + place.box, place.top + y, 2295, 330, "Times New Roman", 9.75);
        option->setMaxLength(kOptionLength);
        Text3.add(i, option);
        connect(option, &TextBox::KeyPress, this, [this, i](int key) { Text3_KeyPress(i, key); });
    }
}

// The title, then each question's text and its four options; the tick
// boxes after all text boxes.
void WorksheetWizard::setTabOrder()
{
    QList<QWidget *> chain{Text1};
    for (int q = 0; q < 10; ++q) {
        chain << Text2[q];
        for (int j = 0; j < 4; ++j)
            chain << Text3[4 * q + j];
    }
    for (int i = 0; i < 40; ++i)
        chain << Check1[i];
    for (qsizetype k = 1; k < chain.size(); ++k)
        QWidget::setTabOrder(chain[k - 1], chain[k]);
}

void WorksheetWizard::Form_Load()
{
    Module1::SetUpScreen(*this);
    Check1.forEach([](int, CheckBox *box) { box->setBackColor(kScreenBlue); });
}

void WorksheetWizard::Text1_KeyPress(int KeyAscii)
{
    if (KeyAscii == 13)
        Text2[0]->setFocus();
}

void WorksheetWizard::Text2_KeyPress(int Index, int KeyAscii)
{
    if (KeyAscii == 13)
        Text3[4 * Index]->setFocus();
}

void WorksheetWizard::Text3_KeyPress(int Index, int KeyAscii)
{
    if (KeyAscii != 13)
        return;
    if (Index % 4 < 3)
        Text3[Index + 1]->setFocus();
    else if (Index < 39)
        Text2[(Index + 1) / 4]->setFocus();
}

void WorksheetWizard::Label3_Click(int Index)
{
    if (Index == 0)
        Unload();
    else
        genwork();
    Module1::PlayIfSoundOn(QStringLiteral("wav\\click.wav"));
}

void WorksheetWizard::Label3_MouseMove(int Index, int, int, float, float)
{
    setOpaque(Label3, Index);
}

void WorksheetWizard::Form_MouseMove(int, int, float, float)
{
    setAllTransparent(Label3);
}
