#include "ResultsScreen.h"

#include "Palette.h"

#include "LabelButtons.h"
#include "MessageBox.h"
#include "Module1.h"
#include "QuizPrinting.h"
#include "QuizResults.h"
#include "Sound.h"
#include "WrongAnswers.h"

#include <chrono>
#include <exception>
#include <random>

using namespace terralore;

TERRALORE_DEFINE_FORM(ResultsScreen, resultsScreen)

namespace {

using namespace terralore::palette;

LabelDesign line(const char *name, float left, float top, float width, float height, double points, bool visible,
                 const char *caption = "")
{
    return {.name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = QString::fromLatin1(caption),
            .face = "Times New Roman",
            .points = points,
            .fore = kYellow,
            .backStyle = vbTransparent,
            .alignment = vbCenter,
            .visible = visible};
}

const LabelButton kButtons[] = {
    {0, 240, 1800, 3765, 495, "", false},
    {1, 10560, 7920, 1245, 495, "Exit"},
};

// A uniform number in [0, 1) from a generator seeded afresh from the clock
// and the system's entropy, once per opening of the screen.
double freshRandom01()
{
    std::random_device entropy;
    const auto clock = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{entropy(), entropy(), unsigned(clock), unsigned(clock >> 32)};
    std::mt19937 generator(seed);
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}

} // namespace

ResultsScreen::ResultsScreen() : Form(QStringLiteral("Welldone"))
{
    LabelDesign heading = line("Label4", 0, 120, 12000, 900, 36, true, "Well Done!");
    heading.face = "Tahoma";
    heading.bold = true;
    Label4 = new Label(this, heading);
    Picture1 = new PictureBox(this, QStringLiteral("Picture1"));
    Picture1->Move(5880, 1440, 4800, 3600);
    makeLabelButtons(this, Label3, std::span(kButtons), &ResultsScreen::Label3_Click, &ResultsScreen::Label3_MouseMove);
    Label1 = new Label(this, line("Label1", 0, 5400, 12000, 855, 24, true));
    Label5 = new Label(this, line("Label5", 1680, 6000, 8640, 1335, 24, false));
    Label6 = new Label(this, line("Label6", 0, 6240, 12000, 855, 24, true, "Read the Key Facts and try again."));
    Text1 = new TextBox(this, "Text1", -1, 3120, 6600, 5760, 615, "Times New Roman", 24);
    Text1->setVisible(false);
    Label2 = new Label(this, line("Label2", 3120, 7440, 5775, 855, 18, false,
                                  "Enter your name in the box above before printing your certificate"));
    Timer1 = new Timer(this, "Timer1", 1);
    Timer2 = new Timer(this, "Timer2", 10);
    Timer3 = new Timer(this, "Timer3", 1);

    connect(Timer1, &Timer::Tick, this, &ResultsScreen::Timer1_Timer);
    connect(Timer2, &Timer::Tick, this, &ResultsScreen::Timer2_Timer);
    connect(Timer3, &Timer::Tick, this, &ResultsScreen::Timer3_Timer);
}

void ResultsScreen::Form_Load()
{
    Module1::SetUpScreen(*this);
    const PraiseRow row = praiseRow(Module1::Score, Module1::QuestionCount);
    Label1->setCaption(scoreLine(Module1::Score, Module1::QuestionCount));
    if (row == PraiseRow::FullMarks) {
        Label6->setVisible(false);
        Label3[0]->setVisible(true);
        Label3[0]->setCaption(QStringLiteral("Print Certificate"));
        Text1->setVisible(true);
        Label2->setVisible(true);
    } else {
        Label5->setCaption(QStringLiteral("Click the button above to check which questions you answered incorrectly."));
        Label3[0]->setCaption(QStringLiteral("Check Wrong Answers"));
    }
    Timer1->setEnabled(true);
}

void ResultsScreen::Timer1_Timer()
{
    Picture1->LoadPicture(QStringLiteral("images\\talyllynsm.jpg"));
    Timer1->setEnabled(false);
    Timer2->setEnabled(true);
}

void ResultsScreen::Timer2_Timer()
{
    if (Text1->Visible())
        Text1->setFocus(Qt::OtherFocusReason);
    Timer2->setEnabled(false);
    Label3.forEach([](int, Label *b) { b->setBackStyle(vbOpaque); });
    Timer3->setEnabled(true);
}

void ResultsScreen::Timer3_Timer()
{
    const double random01 = freshRandom01();
    if (Module1::SoundOn == 1) {
        const QString sound = celebrationSound(Module1::Score, random01);
        if (!sound.isEmpty())
            PlayEffect(sound);
    }
    Timer3->setEnabled(false);
}

void ResultsScreen::Label3_Click(int Index)
{
    if (Index == 0) {
        if (Module1::Score == Module1::QuestionCount) {
            try {
                printCertificate(*this);
            } catch (const std::exception &) {
                MsgBox(QStringLiteral("Printing has been cancelled."));
            }
            return;
        }
        wrongAnswers().Show();
    } else {
        if (wrongAnswersIfLoaded())
            wrongAnswersIfLoaded()->Unload();
        Unload();
    }
    Module1::PlayIfSoundOn(QStringLiteral("wav\\click.wav"));
}

void ResultsScreen::Label3_MouseMove(int Index, int, int, float, float)
{
    setOpaque(Label3, Index);
}

void ResultsScreen::Form_MouseMove(int, int, float, float)
{
    setAllTransparent(Label3);
}
