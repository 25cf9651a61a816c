#include "QuizScreen.h"

#include "Palette.h"

#include "LabelButtons.h"
#include "QuizPrinting.h"
#include "QuizResults.h"
#include "ResultsScreen.h"
#include "SpokenText.h"
#include "StandardScreen.h"
#include "TextCodec.h"
#include "WrongAnswers.h"

#include "Announcements.h"
#include "KeyboardNavigation.h"

#include <QButtonGroup>

using namespace terralore;

namespace {

using namespace terralore::palette;

const LabelButton kButtons[] = {
    {QuizScreen::PreviousEntry, 2040, 7920, 3765, 495, "<< Previous Question", false},
    {QuizScreen::NextEntry, 6000, 7920, 3765, 495, "Next Question >>", true},
    {QuizScreen::ExitEntry, 10560, 7920, 1245, 495, "Exit", true},
    {QuizScreen::PrintEntry, 7920, 1920, 3045, 495, "Print Worksheet", true},
    {QuizScreen::PrintAnswerKeyEntry, 7920, 2520, 3045, 495, "Print Answer Key", true},
};

// Where answers A to D lie on the form. They are placed in the answer group,
// which starts at answer A; its corner is on a whole pixel, so each answer
// lands on the same pixels as on the bare form.
constexpr float kAnswerLeft = 2400, kAnswerWidth = 6975, kAnswerHeight = 525;
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

QuizScreen::QuizScreen() : Form(QStringLiteral("QuizScreen"))
{
    LabelDesign title = heading("screenTitle", 120, 120, 6240, 900, 36, kYellow, vbCenter, "Tahoma");
    title.caption = QStringLiteral("Multiple Choice");
    title.bold = true;
    screenTitle = new Label(this, title);
    productHeading = new Label(this, heading("productHeading", 120, 1200, 6465, 615, 24, QColor(0, 255, 0), vbCenter));
    quizTitle = new Label(this, heading("quizTitle", 120, 1920, 6465, 615, 24, QColor(128, 128, 255), vbCenter));
    picture = new PictureBox(this, QStringLiteral("picture"));
    picture->moveTwips(6840, 240, 4800, 1560);
    // The no-answer marker comes first among the option buttons. It holds
    // the focus, out of sight, while the pointer plays.
    auto *none = new OptionButton(
        this, {.name = "answerButtons", .index = 5, .width = 495, .height = 375, .caption = QString()});
    // It has no caption; a screen reader landing on it says what it means.
    none->setAccessibleName(QStringLiteral("No answer chosen"));
    answerButtons.add(5, none);
    questionNumber = new Label(this, heading("questionNumber", 360, 3240, 5415, 615, 24, kYellow, vbLeftJustify));
    questionText = new Label(this, heading("questionText", 960, 3960, 9840, 1455, 30, kYellow, vbCenter));
    answerGroup = new OptionGroup(this, "answerGroup", kAnswerLeft, kAnswerTops[0], kAnswerWidth,
                                  kAnswerTops[3] + kAnswerHeight - kAnswerTops[0]);
    for (int i = 1; i <= 4; ++i) {
        answerButtons.add(i, new OptionButton(this,
                                              {.name = "answerButtons",
                                               .index = i,
                                               .left = 0,
                                               .top = kAnswerTops[i - 1] - kAnswerTops[0],
                                               .width = kAnswerWidth,
                                               .height = kAnswerHeight,
                                               .caption = QString(),
                                               .face = "Times New Roman",
                                               .points = 20.25,
                                               .fore = kYellow},
                                              answerGroup));
    }
    // The marker is not in the group's container, so one exclusive set over
    // all five keeps exactly one chosen.
    auto *oneChosen = new QButtonGroup(this);
    answerButtons.forEach([this, oneChosen](int, OptionButton *option) {
        oneChosen->addButton(option);
        connect(option, &OptionButton::Click, this, &QuizScreen::onAnswerClicked);
    });
    makeLabelButtons(this, entryButtons, std::span(kButtons), &QuizScreen::onEntryClicked, HoverLight::On);
    setEscapeButton(entryButtons[ExitEntry]);
    // Left of Previous Question.
    readAloud = new ReadAloudToggle(this, 120, 1800);
}

void QuizScreen::onLoad()
{
    setUpStandardScreen(*this, picture);
    QuizProgress &progress = session().progress;
    progress.score = 0;
    progress.questionCount = 10;
    progress.currentQuestion = 1;
    progress.rightAnswers.fill(false);
    answerButtons[NoAnswer]->moveTwips(picture->leftTwips() + 240, picture->topTwips() + 240);
    for (int i = AnswerA; i <= AnswerD; ++i)
        answerButtons[i]->setBackColor(kScreenBlue);
    quizTitle->setCaption(session().quiz.title);
    showCurrentQuestion();
}

void QuizScreen::start(const QString &picturePath, const QString &heading)
{
    picture->LoadPicture(picturePath);
    productHeading->setCaption(heading);
    Show();
}

void QuizScreen::showCurrentQuestion()
{
    const int number = session().progress.currentQuestion;
    const QuizQuestion &question = session().quiz.questions[std::size_t(number - 1)];
    answerButtons[NoAnswer]->setValue(true);
    entryButtons[PreviousEntry]->setVisible(true);
    entryButtons[NextEntry]->setCaption(QStringLiteral("Next Question >>"));
    questionNumber->setCaption(QStringLiteral("Question") + signPlace(number));
    questionText->setCaption(question.text);
    answerGroup->setAccessibleName(question.text);
    for (int i = AnswerA; i <= AnswerD; ++i)
        answerButtons[i]->setText(question.options[std::size_t(i - AnswerA)]);
    if (number == 1)
        entryButtons[PreviousEntry]->setVisible(false);
    if (number == 10)
        entryButtons[NextEntry]->setCaption(QStringLiteral("Check Score >>"));
    // The new question's number first; its text and options come with the focus.
    if (isVisible())
        announce(questionOfTen());
    if (answerButtons[NoAnswer]->Visible())
        firstFocus()->setFocus(Qt::OtherFocusReason);
    readAloud->readIfOn();
}

QList<QWidget *> QuizScreen::tabOrder() const
{
    // Choosing the marker takes Qt's tab focus to it; the keys pass it by.
    QList<QWidget *> order = Form::tabOrder();
    order.removeAll(answerButtons[NoAnswer]);
    return order;
}

QWidget *QuizScreen::firstFocus() const
{
    // By keyboard each question starts on its first option.
    return KeyboardNavigation::inUse() ? answerButtons[AnswerA] : answerButtons[NoAnswer];
}

QString QuizScreen::questionOfTen() const
{
    return questionNumber->Caption() + QStringLiteral(" of") + signPlace(session().progress.questionCount);
}

QString QuizScreen::announcedOnOpening() const
{
    return joinSentences({screenTitle->Caption(), quizTitle->Caption(), questionOfTen()});
}

QString QuizScreen::textToReadAloud() const
{
    QStringList sentences{questionNumber->Caption(), questionText->Caption()};
    for (int i = AnswerA; i <= AnswerD; ++i) {
        const QString option = answerButtons[i]->text();
        if (!option.trimmed().isEmpty())
            sentences << QChar(u'A' + (i - AnswerA)) + QStringLiteral(": ") + option;
    }
    return joinSentences(sentences);
}

void QuizScreen::onAnswerClicked()
{
    playSound(QStringLiteral("wav\\typekey.wav"));
}

void QuizScreen::onEntryClicked(int entry)
{
    int &current = session().progress.currentQuestion;
    switch (entry) {
    case PreviousEntry:
        current = current - 1;
        showCurrentQuestion();
        break;
    case NextEntry:
        recordAnswer();
        current = current + 1;
        if (current < 11)
            showCurrentQuestion();
        else
            scoreQuiz();
        break;
    case ExitEntry:
        Unload();
        break;
    case PrintEntry:
        printWorksheet(WorksheetCopy::Pupils);
        break;
    case PrintAnswerKeyEntry:
        printWorksheet(WorksheetCopy::AnswerKey);
        break;
    default:
        break;
    }
    playClick();
}

void QuizScreen::recordAnswer()
{
    // An answer digit outside 1 to 4 matches no answer button (least of all
    // the no-answer marker), so that question counts as wrong.
    QuizProgress &progress = session().progress;
    const auto q = std::size_t(progress.currentQuestion - 1);
    const int k = answerOption(session().quiz.questions[q].answer);
    progress.rightAnswers[q] = k != 0 && answerButtons[k]->Value();
}

void QuizScreen::scoreQuiz()
{
    QuizProgress &progress = session().progress;
    const QuizScoring scoring = terralore::scoreQuiz(progress.rightAnswers);
    progress.score = progress.score + scoring.score;
    QStringList wrong;
    for (const WrongAnswer &answer : scoring.wrong)
        wrong.append(
            wrongAnswerCaption(answer.question, session().quiz.questions[std::size_t(answer.question - 1)].text));
    wrongAnswers().list(quizTitle->Caption(), wrong);
    progress.certificateHeading = productHeading->Caption();
    resultsScreen().showForQuiz();
    Unload();
}

void QuizScreen::printWorksheet(WorksheetCopy copy)
{
    printQuizWorksheet(services(), productHeading->Caption(), quizTitle->Caption(), session().quiz, copy);
}

void QuizScreen::onBackgroundMouseMove(int, int, float, float)
{
    setAllTransparent(entryButtons);
}
