#include "ResultsScreen.h"

#include "Palette.h"

#include "LabelButtons.h"
#include "QuizPrinting.h"
#include "QuizResults.h"
#include "SpokenText.h"
#include "StandardScreen.h"
#include "WrongAnswers.h"

#include "Accessibility.h"
#include "Fonts.h"
#include "Twips.h"

#include <QFontMetricsF>
#include <QTimer>

#include <chrono>
#include <random>

using namespace terralore;

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
    {ResultsScreen::CertificateOrWrongAnswersEntry, 240, 1800, 3765, 495, "", false},
    {ResultsScreen::ExitEntry, 10560, 7920, 1245, 495, "Exit"},
};

// The width of a text in the screen's own font, in twips: a certificate's
// heading is laid out as it measures on screen. That font is the standard one
// of every screen, Tahoma 8.25 point, unless the screen was given another.
float screenTextWidth(const Form &screen, const QString &text)
{
    const QFont font = screen.testAttribute(Qt::WA_SetFont) ? screen.font() : makeFont(QStringLiteral("Tahoma"), 8.25);
    return float(QFontMetricsF(font).horizontalAdvance(text)) * kTwipsPerPixel;
}

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

ResultsScreen::ResultsScreen() : Form(QStringLiteral("ResultsScreen"))
{
    LabelDesign wellDone = line("heading", 0, 120, 12000, 900, 36, true, "Well Done!");
    wellDone.face = "Tahoma";
    wellDone.bold = true;
    heading = new Label(this, wellDone);
    picture = new PictureBox(this, QStringLiteral("picture"));
    picture->moveTwips(5880, 1440, 4800, 3600);
    makeLabelButtons(this, entryButtons, std::span(kButtons), &ResultsScreen::onEntryClicked, HoverLight::On);
    setEscapeButton(entryButtons[ExitEntry]);
    scoreLineText = new Label(this, line("scoreLineText", 0, 5400, 12000, 855, 24, true));
    wrongAnswersHint = new Label(this, line("wrongAnswersHint", 1680, 6000, 8640, 1335, 24, false));
    tryAgainLine =
        new Label(this, line("tryAgainLine", 0, 6240, 12000, 855, 24, true, "Read the Key Facts and try again."));
    nameBox = new TextBox(this, "nameBox", -1, 3120, 6600, 5760, 615, "Times New Roman", 24);
    nameBox->setVisible(false);
    nameHint = new Label(this, line("nameHint", 3120, 7440, 5775, 855, 18, false,
                                    "Enter your name in the box above before printing your certificate"));
    nameAfterCaptions(nameBox, {nameHint});
    readAloud = new ReadAloudToggle(this, 120, 1800);
}

void ResultsScreen::onLoad()
{
    setUpStandardScreen(*this, picture);
}

void ResultsScreen::show(const Result &result)
{
    m_result = result;
    showResult();
    // The quiz's wrong answers wait, listed but hidden, for "Check Wrong Answers".
    if (result.source == Result::Source::Quiz)
        wrongAnswers().list(result);
    Show();
    readAloud->readIfOn();
    // Waits for the opener's handler to end: the quiz unloads itself and the
    // opener's click plays before the celebration.
    QTimer::singleShot(0, this, &ResultsScreen::celebrate);
}

void ResultsScreen::showForActivity()
{
    // The activities still hand their score over in the session; a
    // certificate after one carries the heading of the quiz scored last.
    const QuizProgress &progress = session().progress;
    show({.source = Result::Source::Activity,
          .score = progress.score,
          .outOf = progress.questionCount,
          .title = QString(),
          .certificateHeading = progress.certificateHeading,
          .wrong = {}});
}

void ResultsScreen::showResult()
{
    // A quiz below full marks offers its wrong answers; an activity asks the
    // pupil to read the key facts again instead.
    const bool full = m_result.fullMarks();
    const bool quiz = m_result.source == Result::Source::Quiz;
    scoreLineText->setCaption(scoreLine(m_result.score, m_result.outOf));
    tryAgainLine->setVisible(!full && !quiz);
    wrongAnswersHint->setCaption(
        full ? QString() : QStringLiteral("Click the button above to check which questions you answered incorrectly."));
    wrongAnswersHint->setVisible(quiz);
    Label *first = entryButtons[CertificateOrWrongAnswersEntry];
    first->setCaption(full ? QStringLiteral("Print Certificate") : QStringLiteral("Check Wrong Answers"));
    first->setVisible(full || quiz);
    nameBox->setVisible(full);
    nameHint->setVisible(full);
}

QString ResultsScreen::textToReadAloud() const
{
    QStringList sentences{heading->Caption(), scoreLineText->Caption()};
    for (const Label *hint : {wrongAnswersHint, tryAgainLine, nameHint})
        if (hint->Visible())
            sentences << hint->Caption();
    return joinSentences(sentences);
}

void ResultsScreen::celebrate()
{
    if (isUnloading())
        return;
    picture->LoadPicture(QStringLiteral("images\\talyllynsm.jpg"));
    if (nameBox->Visible())
        nameBox->setFocus(Qt::OtherFocusReason);
    entryButtons.forEach([](int, Label *b) { b->setBackStyle(vbOpaque); });
    const QString sound = celebrationSound(m_result.score, freshRandom01());
    if (!sound.isEmpty())
        playSound(sound);
}

void ResultsScreen::onEntryClicked(int entry)
{
    if (entry == CertificateOrWrongAnswersEntry) {
        if (m_result.fullMarks()) {
            const QuizProgress scored{.score = m_result.score,
                                      .questionCount = m_result.outOf,
                                      .certificateHeading = m_result.certificateHeading};
            printCertificate(services(), scored, nameBox->Text(), screenTextWidth(*this, m_result.certificateHeading));
            return;
        }
        wrongAnswers().Show();
    } else {
        if (wrongAnswersIfLoaded())
            wrongAnswersIfLoaded()->Unload();
        Unload();
    }
    playClick();
}

void ResultsScreen::onBackgroundMouseMove(int, int, float, float)
{
    setAllTransparent(entryButtons);
}
