// Reading aloud, with what would be spoken recorded: the "Read aloud" toggle
// of the quiz, the results and the key-facts pages, kept on from screen to
// screen, greyed without speech; and F9 reading the top screen once. (The
// real speech service: speech/tst_speechengine.)
#include "PagerTesting.h"
#include "QuizDriver.h"

using namespace terralore;
using namespace terralore::test;

namespace {

QStringList &spoken()
{
    return fakeServices().spoken;
}

// The quiz or the rocks key facts, opened by clicks.
bool open(bool quiz)
{
    if (quiz)
        return openRocksQuiz();
    mainMenu().Show();
    click(mainMenu().entryButtons[MainMenu::ScienceEntry]);
    click(scienceHub().entryButtons[Hub::KeyFactsEntry]);
    return notesPagerIfLoaded();
}

ReadAloudToggle *toggle()
{
    return topForm()->findChild<ReadAloudToggle *>();
}

const QString kQuestion1 = QStringLiteral("Question 1. How is igneous rock made? A: Layers of mud are pressed. "
                                          "B: Heat and pressure change rock. C: Melted rock cools and sets. "
                                          "D: Shells are cemented together.");

} // namespace

class ReadAloudTest : public QObject {
    Q_OBJECT

private slots:
    void init() { freshStart(); }

    void readsWhatComesUp_data()
    {
        QTest::addColumn<bool>("quiz");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("then");
        QTest::newRow("quiz questions") << true << kQuestion1
                                        << "Question 2. Sandstone is made from grains of what? A: Sand. B: Mud. "
                                           "C: Shells. D: Lava.";
        QTest::newRow("key-facts pages") << false << "Examples: granite, basalt."
                                         << "Hardness: can a coin or an iron nail scratch it?";
    }

    // Turned on, the screen reads what it shows, then what it puts up next;
    // turned off, the speech stops and nothing more is read.
    void readsWhatComesUp()
    {
        QFETCH(bool, quiz);
        QFETCH(QString, first);
        QFETCH(QString, then);
        QVERIFY(open(quiz) && toggle()->isEnabled() && toggle()->focusPolicy() & Qt::TabFocus);
        QWidget *next = quiz ? quizScreen().entryButtons[QuizScreen::NextEntry] : notesPager().entryButtons[Next];
        QVERIFY(spoken().isEmpty());
        click(toggle());
        QCOMPARE(spoken().size(), 1);
        QVERIFY2(spoken()[0].contains(first), qPrintable(spoken()[0]));
        click(next);
        QCOMPARE(spoken().size(), 2);
        QVERIFY2(spoken()[1].contains(then), qPrintable(spoken()[1]));
        click(toggle());
        QCOMPARE(fakeServices().speechStops, 1);
        click(quiz ? next : notesPager().entryButtons[Previous]);
        QCOMPARE(spoken().size(), 2);
    }

    // Turned on in the quiz, it is on in the results, which read the praise and score.
    void resultsReadPraiseAndScore()
    {
        const QuizOnDisk quiz(fixture().data.file(kRocksQuiz));
        QVERIFY(openRocksQuiz());
        click(quizScreen().readAloud);
        takeQuiz(quiz, {2, 7});
        QVERIFY(resultsScreen().readAloud->isChecked());
        QCOMPARE(spoken().size(), 11);
        QCOMPARE(spoken().last(), QStringLiteral("Well Done! Good work. You have scored 8 out of 10. Click the button "
                                                 "above to check which questions you answered incorrectly."));
    }

    void silentWithoutSpeech()
    {
        session().readAloud = true;
        fakeServices().speechReady = false;
        QVERIFY(openRocksQuiz());
        QVERIFY(!quizScreen().readAloud->isEnabled());
        answerAndGoOn(1);
        pressKey(Qt::Key_F9);
        QVERIFY(spoken().isEmpty());
    }

    void f9ReadsTheTopScreenOnce_data()
    {
        QTest::addColumn<bool>("quiz");
        QTest::addColumn<QString>("text");
        QTest::newRow("the quiz's question") << true << kQuestion1;
        // A screen without text of its own reads its captions.
        QTest::newRow("the hub's captions, a row from the left")
            << false << "Multiple Choice. Labelling Activity. Ordering Activity. Exit.";
        QTest::newRow("the menu's greyed entries, unavailable")
            << false << "The Beginning: the Earth. Marble, unavailable. Forming Terralore, unavailable.";
    }

    void f9ReadsTheTopScreenOnce()
    {
        QFETCH(bool, quiz);
        QFETCH(QString, text);
        QVERIFY(openRocksQuiz());
        if (!quiz)
            click(quizScreen().entryButtons[QuizScreen::ExitEntry]);
        if (text.contains(QLatin1String("unavailable")))
            click(scienceHub().entryButtons[Hub::ExitEntry]);
        pressKey(Qt::Key_F9);
        QCOMPARE(spoken().size(), 1);
        QVERIFY2(spoken()[0].contains(text), qPrintable(spoken()[0]));
    }
};

QTEST_MAIN(ReadAloudTest)
#include "tst_readaloud.moc"
