#include "WorksheetWizard.h"

#include "Palette.h"

#include "Accessibility.h"
#include "LabelButtons.h"
#include "QuestionFormats.h"
#include "QuizFile.h"
#include "QuizResults.h"
#include "StandardScreen.h"

#include <QWidget>

using namespace terralore;

namespace {

using namespace terralore::palette;

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
    {WorksheetWizard::SaveEntry, 240, 7920, 3165, 495, "Save Worksheet"},
    {WorksheetWizard::ExitEntry, 10560, 7920, 1245, 495, "Exit"},
};

LabelDesign caption(int index, float left, float top, float width, float height, const QString &text, double points)
{
    return {.name = "fieldCaptions",
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

WorksheetWizard::WorksheetWizard() : Form(QStringLiteral("WorksheetWizard"))
{
    fieldCaptions.add(0, new Label(this, caption(0, 0, 0, 4320, 540, QStringLiteral("Multiple Choice Wizard"), 18)));
    fieldCaptions.add(1, new Label(this, caption(1, 5160, 120, 2400, 375, QStringLiteral("Worksheet Title"), 14.25)));
    titleBox = new TextBox(this, "titleBox", -1, 7560, 120, 4215, 375, "Times New Roman", 12);
    titleBox->setMaxLength(kTitleLength);
    nameAfterCaptions(titleBox, {fieldCaptions[1]});
    connect(titleBox, &TextBox::KeyPress, this, &WorksheetWizard::onTitleKeyPress);
    for (int q = 0; q < 10; ++q)
        createQuestion(q);
    makeLabelButtons(this, entryButtons, kButtons, &WorksheetWizard::onEntryClicked, HoverLight::On);
    setEscapeButton(entryButtons[ExitEntry]);
}

void WorksheetWizard::createQuestion(int q)
{
    const float x = columnX(q);
    const float y = rowY(q);
    fieldCaptions.add(2 + q,
                      new Label(this, caption(2 + q, x, 600 + y, 1800, 255,
                                              QStringLiteral("Question") + QStringLiteral(" %1").arg(q + 1), 9.75)));
    auto *question = new TextBox(this, "questionBoxes", q, x, 840 + y, 5655, 375, "Times New Roman", 12);
    question->setMaxLength(kQuestionLength);
    nameAfterCaptions(question, {fieldCaptions[2 + q]});
    questionBoxes.add(q, question);
    connect(question, &TextBox::KeyPress, this, [this, q](int key) { onQuestionKeyPress(q, key); });
    for (int j = 0; j < 4; ++j) {
        const int i = 4 * q + j;
        const OptionPlace place = optionPlace(j);
        fieldCaptions.add(12 + i, new Label(this, caption(12 + i, x + place.letter, place.top + y, 270, 330,
                                                          QString::fromLatin1(kLetters[j]), 12)));
        answerTicks.add(i, new CheckBox(this, {.name = "answerTicks",
                                               .index = i,
                                               .left = x + place.tick,
                                               .top = place.top + y,
                                               .width = 255,
                                               .height = 315,
                                               .caption = QString()}));
        auto *option =
            new TextBox(this, "optionBoxes", i, x + place.box, place.top + y, 2295, 330, "Times New Roman", 9.75);
        option->setMaxLength(kOptionLength);
        // The letter alone would not tell one question's "A." from another's.
        nameAfterCaptions(option, {fieldCaptions[2 + q], fieldCaptions[12 + i]});
        nameAfterCaptions(answerTicks[i], {fieldCaptions[2 + q], fieldCaptions[12 + i]});
        optionBoxes.add(i, option);
        connect(option, &TextBox::KeyPress, this, [this, i](int key) { onOptionKeyPress(i, key); });
    }
}

// The title, then each question's text and its four options; the tick
// boxes after all text boxes, then Save and Exit.
QList<QWidget *> WorksheetWizard::tabOrder() const
{
    QList<QWidget *> chain{titleBox};
    for (int q = 0; q < 10; ++q) {
        chain << questionBoxes[q];
        for (int j = 0; j < 4; ++j)
            chain << optionBoxes[4 * q + j];
    }
    for (int i = 0; i < 40; ++i)
        chain << answerTicks[i];
    return chain << entryButtons[SaveEntry] << entryButtons[ExitEntry];
}

void WorksheetWizard::onLoad()
{
    setUpStandardScreen(*this);
    answerTicks.forEach([](int, CheckBox *box) { box->setBackColor(kScreenBlue); });
}

void WorksheetWizard::onTitleKeyPress(int key)
{
    if (key == 13)
        questionBoxes[0]->setFocus();
}

void WorksheetWizard::onQuestionKeyPress(int question, int key)
{
    if (key == 13)
        optionBoxes[4 * question]->setFocus();
}

void WorksheetWizard::onOptionKeyPress(int option, int key)
{
    if (key != 13)
        return;
    if (option % 4 < 3)
        optionBoxes[option + 1]->setFocus();
    else if (option < 39)
        questionBoxes[(option + 1) / 4]->setFocus();
}

void WorksheetWizard::onEntryClicked(int entry)
{
    if (entry == ExitEntry)
        Unload();
    else
        validateAndSave();
    playClick();
}

void WorksheetWizard::onBackgroundMouseMove(int, int, float, float)
{
    setAllTransparent(entryButtons);
}

bool WorksheetWizard::edit(const Quiz &quiz, const QString &storedTitle)
{
    // Each answer digit must name one of its own question's four boxes;
    // anything else is refused before a box is touched.
    if (!answersNameOptions(quiz))
        return false;
    titleBox->setText(quiz.title);
    for (int q = 0; q < kQuizQuestions; ++q) {
        const QuizQuestion &question = quiz.questions[std::size_t(q)];
        questionBoxes[q]->setText(question.text);
        for (int j = 0; j < 4; ++j) {
            optionBoxes[4 * q + j]->setText(question.options[std::size_t(j)]);
            answerTicks[4 * q + j]->setValue(j == answerOption(question.answer) - 1 ? 1 : 0);
        }
    }
    m_editedTitle = storedTitle;
    Show();
    return true;
}
