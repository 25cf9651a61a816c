#include "QuizScreen.h"

#include "Palette.h"

#include "LabelButtons.h"
#include "Module1.h"
#include "QuizPrinting.h"
#include "QuizResults.h"
#include "ResultsScreen.h"
#include "TextCodec.h"
#include "WrongAnswers.h"

using namespace terralore;

TERRALORE_DEFINE_FORM(QuizScreen, quizScreen)

namespace {

using namespace terralore::palette;

const LabelButton kButtons[] = {
    {0, 2040, 7920, 3765, 495, "<< Previous Question", false},
    {1, 6000, 7920, 3765, 495, "Next Question >>", true},
    {2, 10560, 7920, 1245, 495, "Exit", true},
    {3, 7920, 1920, 3045, 495, "Print Worksheet", true},
};

constexpr float kAnswerTops[] = {5400, 6000, 6600, 7200};

LabelDesign heading(const char *name, float left, float top, float width, float height, double points,
                    const QColor &fore, int alignment, const char *face = "Times New Roman")
{
    return {.name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = QString(),
            .face = face,
            .points = points,
            .fore = fore,
            .backStyle = vbTransparent,
            .alignment = alignment};
}

} // namespace

QuizScreen::QuizScreen() : Form(QStringLiteral("multiple"))
{
    LabelDesign title = heading("Label1", 120, 120, 6240, 900, 36, kYellow, vbCenter, "Tahoma");
    title.caption = QStringLiteral("Multiple Choice");
    title.bold = true;
    Label1 = new Label(this, title);
    Label5 = new Label(this, heading("Label5", 120, 1200, 6465, 615, 24, QColor(0, 255, 0), vbCenter));
    Label6 = new Label(this, heading("Label6", 120, 1920, 6465, 615, 24, QColor(128, 128, 255), vbCenter));
    Picture1 = new PictureBox(this, QStringLiteral("Picture1"));
    Picture1->Move(6840, 240, 4800, 1560);
    // The no-answer marker comes first among the option buttons, so it is
    // the one that holds the keyboard focus when the screen opens.
    auto *none =
        new OptionButton(this, {.name = "Option1", .index = 5, .width = 495, .height = 375, .caption = QString()});
    Option1.add(5, none);
    Label4 = new Label(this, heading("Label4", 360, 3240, 5415, 615, 24, kYellow, vbLeftJustify));
    Label2 = new Label(this, heading("Label2", 960, 3960, 9840, 1455, 30, kYellow, vbCenter));
    for (int i = 1; i <= 4; ++i) {
        Option1.add(i, new OptionButton(this, {.name = "Option1",
                                               .index = i,
                                               .left = 2400,
                                               .top = kAnswerTops[i - 1],
                                               .width = 6975,
                                               .height = 525,
                                               .caption = QString(),
                                               .face = "Times New Roman",
                                               .points = 20.25,
                                               .fore = kYellow}));
    }
    Option1.forEach([this](int index, OptionButton *option) {
        connect(option, &OptionButton::Click, this, [this, index] { Option1_Click(index); });
    });
    makeLabelButtons(this, Label3, std::span(kButtons), &QuizScreen::Label3_Click, &QuizScreen::Label3_MouseMove);
}

void QuizScreen::Form_Load()
{
    Module1::SetUpScreen(*this);
    Module1::Score = 0;
    Module1::QuestionCount = 10;
    Module1::CurrentQuestion = 1;
    for (int i = 1; i <= 10; ++i)
        Module1::UserAnswer[std::size_t(i)] = 0;
    Option1[5]->Move(Picture1->Left() + 240, Picture1->Top() + 240);
    for (int i = 1; i <= 4; ++i)
        Option1[i]->setBackColor(kScreenBlue);
    Label6->setCaption(Module1::QuizTitle);
    showquest();
}

void QuizScreen::showquest()
{
    const auto q = std::size_t(Module1::CurrentQuestion);
    Option1[5]->setValue(true);
    Label3[0]->setVisible(true);
    Label3[1]->setCaption(QStringLiteral("Next Question >>"));
    Label4->setCaption(QStringLiteral("Question") + signPlace(Module1::CurrentQuestion));
    Label2->setCaption(Module1::QuestionText[q]);
    Option1[1]->setText(Module1::OptionA[q]);
    Option1[2]->setText(Module1::OptionB[q]);
    Option1[3]->setText(Module1::OptionC[q]);
    Option1[4]->setText(Module1::OptionD[q]);
    if (Module1::CurrentQuestion == 1)
        Label3[0]->setVisible(false);
    if (Module1::CurrentQuestion == 10)
        Label3[1]->setCaption(QStringLiteral("Check Score >>"));
    if (Option1[5]->Visible())
        Option1[5]->setFocus(Qt::OtherFocusReason);
}

void QuizScreen::Option1_Click(int)
{
    Module1::PlayIfSoundOn(QStringLiteral("wav\\typekey.wav"));
}

void QuizScreen::Label3_Click(int Index)
{
    switch (Index) {
    case 0:
        Module1::CurrentQuestion = Module1::CurrentQuestion - 1;
        showquest();
        break;
    case 1:
        recordAnswer();
        Module1::CurrentQuestion = Module1::CurrentQuestion + 1;
        if (Module1::CurrentQuestion < 11)
            showquest();
        else
            scoreQuiz();
        break;
    case 2:
        Unload();
        break;
    case 3:
        Printpage();
        break;
    default:
        break;
    }
    Module1::PlayIfSoundOn(QStringLiteral("wav\\click.wav"));
}

void QuizScreen::recordAnswer()
{
    // An answer digit outside 1 to 4 matches no answer button (least of all
    // the no-answer marker), so that question counts as wrong.
    const auto q = std::size_t(Module1::CurrentQuestion);
    const int k = answerOption(Module1::CorrectAnswer[q]);
    Module1::UserAnswer[q] = k != 0 && Option1[k]->Value() ? 1 : 0;
}

void QuizScreen::scoreQuiz()
{
    const QuizScoring scoring = terralore::scoreQuiz(Module1::UserAnswer);
    Module1::Score = Module1::Score + scoring.score;
    for (const WrongAnswer &wrong : scoring.wrong) {
        Label *entry = wrongAnswers().Label2[wrong.entry];
        entry->setCaption(wrongAnswerCaption(wrong.question, Module1::QuestionText[std::size_t(wrong.question)]));
        entry->setVisible(true);
    }
    Module1::CertificateHeading = Label5->Caption();
    wrongAnswers().Label6->setCaption(Label6->Caption());
    resultsScreen().Label6->setVisible(false);
    resultsScreen().Label5->setVisible(true);
    resultsScreen().Label3[0]->setVisible(true);
    resultsScreen().Show();
    Unload();
}

void QuizScreen::Printpage()
{
    printQuizWorksheet(*this);
}

void QuizScreen::Label3_MouseMove(int Index, int, int, float, float)
{
    setOpaque(Label3, Index);
}

void QuizScreen::Form_MouseMove(int, int, float, float)
{
    setAllTransparent(Label3);
}
