#include "QuizScreen.h"

#include "Palette.h"

#include "LabelButtons.h"
#include "QuizPrinting.h"
#include "ResultsScreen.h"
#include "SpokenText.h"
#include "StandardScreen.h"
#include "TextCodec.h"

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

const QString kScreenTitle = QStringLiteral("Multiple Choice");

// The answer a button chooses: A to D carry the same numbers as the
// choices, the no-answer marker chooses none.
QuizRun::Choice choiceOf(int answer)
{
    return answer >= QuizScreen::AnswerA && answer <= QuizScreen::AnswerD ? QuizRun::Choice(answer)
                                                                          : QuizRun::Choice::None;
}

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
    title.caption = kScreenTitle;
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
    answerButtons.forEach([this, oneChosen](int answer, OptionButton *option) {
        oneChosen->addButton(option);
        connect(option, &OptionButton::Click, this, &QuizScreen::onAnswerClicked);
        // By pointer, by keyboard or by the screen: whatever is checked is the choice.
        connect(option, &QAbstractButton::toggled, this,
                [this, answer](bool checked) { onAnswerToggled(answer, checked); });
    });
    makeLabelButtons(this, entryButtons, std::span(kButtons), &QuizScreen::onEntryClicked, HoverLight::On);
    setEscapeButton(entryButtons[ExitEntry]);
    // Left of Previous Question.
    readAloud = new ReadAloudToggle(this, 120, 1800);
}

void QuizScreen::onLoad()
{
    setUpStandardScreen(*this, picture);
    answerButtons[NoAnswer]->moveTwips(picture->leftTwips() + 240, picture->topTwips() + 240);
    for (int i = AnswerA; i <= AnswerD; ++i)
        answerButtons[i]->setBackColor(kScreenBlue);
}

void QuizScreen::start(const QString &picturePath, const QString &heading)
{
    picture->LoadPicture(picturePath);
    m_run = QuizRun(session().quiz, heading);
    productHeading->setCaption(m_run.heading());
    quizTitle->setCaption(m_run.quiz().title);
    showCurrentQuestion();
    Show();
}

void QuizScreen::showCurrentQuestion()
{
    const QuizQuestion &question = m_run.question();
    answerButtons[NoAnswer]->setValue(true);
    entryButtons[PreviousEntry]->setVisible(true);
    entryButtons[NextEntry]->setCaption(QStringLiteral("Next Question >>"));
    questionNumber->setCaption(questionLine());
    questionText->setCaption(question.text);
    answerGroup->setAccessibleName(question.text);
    for (int i = AnswerA; i <= AnswerD; ++i)
        answerButtons[i]->setText(question.options[std::size_t(i - AnswerA)]);
    if (m_run.onFirst())
        entryButtons[PreviousEntry]->setVisible(false);
    if (m_run.onLast())
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

QString QuizScreen::questionLine() const
{
    return QStringLiteral("Question") + signPlace(m_run.current() + 1);
}

QString QuizScreen::questionOfTen() const
{
    return questionLine() + QStringLiteral(" of") + signPlace(m_run.questionCount());
}

QString QuizScreen::announcedOnOpening() const
{
    return joinSentences({kScreenTitle, m_run.quiz().title, questionOfTen()});
}

QString QuizScreen::textToReadAloud() const
{
    const QuizQuestion &question = m_run.question();
    QStringList sentences{questionLine(), question.text};
    for (std::size_t i = 0; i < question.options.size(); ++i) {
        const QString &option = question.options[i];
        if (!option.trimmed().isEmpty())
            sentences << QChar(u'A' + int(i)) + QStringLiteral(": ") + option;
    }
    return joinSentences(sentences);
}

void QuizScreen::onAnswerClicked()
{
    playSound(QStringLiteral("wav\\typekey.wav"));
}

void QuizScreen::onAnswerToggled(int answer, bool checked)
{
    if (checked)
        m_run.choose(choiceOf(answer));
}

void QuizScreen::onEntryClicked(int entry)
{
    switch (entry) {
    case PreviousEntry:
        m_run.previous();
        showCurrentQuestion();
        break;
    case NextEntry:
        m_run.next();
        if (!m_run.finished())
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

void QuizScreen::scoreQuiz()
{
    const Result result = m_run.result();
    // An activity's certificate after this quiz carries the same heading.
    session().progress.certificateHeading = result.certificateHeading;
    resultsScreen().show(result);
    Unload();
}

void QuizScreen::printWorksheet(WorksheetCopy copy)
{
    printQuizWorksheet(services(), m_run.heading(), m_run.quiz().title, m_run.quiz(), copy);
}

void QuizScreen::onBackgroundMouseMove(int, int, float, float)
{
    setAllTransparent(entryButtons);
}
