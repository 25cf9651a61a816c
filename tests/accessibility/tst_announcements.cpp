// What a screen reader is told, caught as Qt hands it to the desktop's
// accessibility bridge: the announcements (notifications that show) of the
// score, a page turned, a question, a caption carried by keys and a screen
// come up; only the top screen in the tree; no flood of caret moves from the
// wizard; reading aloud giving way to a screen reader. (What Orca itself
// speaks of them: e2e/e2e_orca.)
#include "ActivityTest.h"
#include "AuthoringTest.h"
#include "PagerTesting.h"
#include "QuizDriver.h"

#include <QAccessible>

using namespace terralore;
using namespace terralore::test;

namespace {

// The notifications shown, in order. A reader reads each one's text when
// it comes to its event, later: so are they read here.
QList<QAccessibleInterface *> g_announced;
int g_caretMoves = 0;

void spy(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::TextCaretMoved)
        ++g_caretMoves;
    if (event->type() != QAccessible::ObjectShow)
        return;
    QAccessibleInterface *shown = event->accessibleInterface();
    if (shown && shown->role() == QAccessible::Notification)
        g_announced << shown;
}

QString announced(qsizetype fromLast)
{
    const qsizetype at = g_announced.size() - 1 - fromLast;
    return at < 0 ? QStringLiteral("nothing") : g_announced[at]->text(QAccessible::Name);
}

QString lastAnnounced()
{
    return announced(0);
}

// Every object a reader reaches from the stage, walking its tree.
QList<QObject *> reachable(QAccessibleInterface *node)
{
    QList<QObject *> found{node->object()};
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface *child = node->child(i))
            found += reachable(child);
    return found;
}

void openGuide()
{
    mainMenu().Show();
    click(mainMenu().entryButtons[MainMenu::GuideEntry]);
}

// Carries the focused caption with the arrows until it lies on the box.
void carryOnto(Activity &a, int caption, int box)
{
    for (int step = 0; step < 6 && cornerOf(a.captions[caption]) != cornerOf(a.targetBoxes[box]); ++step)
        pressKey(Qt::Key_Right);
}

} // namespace

class AnnouncementsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Before the stage, so what the stage passes on to the desktop comes here.
        QAccessible::installUpdateHandler(spy);
        fixture();
        // The bridge comes up once the accessibility bus answers.
        QTRY_VERIFY2(QAccessible::isActive(), "run by with-accessibility-bus.sh");
        // Keys go to the focus of the active window only.
        Stage::instance().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Stage::instance()));
    }

    void init()
    {
        freshStart();
        QVERIFY(resetWorksheetFolder(fixture().data));
        g_announced.clear();
        g_caretMoves = 0;
    }

    void resultsSayPraiseAndScore()
    {
        const QuizOnDisk quiz(fixture().data.file(kRocksQuiz));
        QVERIFY(openRocksQuiz());
        takeQuiz(quiz, {2, 7});
        QCOMPARE(lastAnnounced(), QStringLiteral("Well Done! Good work. You have scored 8 out of 10. Click the button "
                                                 "above to check which questions you answered incorrectly."));
        click(resultsScreen().entryButtons[ResultsScreen::CertificateOrWrongAnswersEntry]);
        QCOMPARE(lastAnnounced(), quiz.title + QStringLiteral(". You answered the following questions incorrectly. ") +
                                      QStringLiteral("2. ") + quiz.text(2) + QStringLiteral(" 7. ") + quiz.text(7) +
                                      QStringLiteral(" Read the Key Facts and try again."));
    }

    void quizSaysTheQuestionNumber()
    {
        const QuizOnDisk quiz(fixture().data.file(kRocksQuiz));
        QVERIFY(openRocksQuiz());
        QCOMPARE(lastAnnounced(),
                 QStringLiteral("Multiple Choice. ") + quiz.title + QStringLiteral(". Question 1 of 10."));
        answerAndGoOn(1);
        QCOMPARE(lastAnnounced(), QStringLiteral("Question 2 of 10"));
        answerAndGoOn(1);
        QCOMPARE(lastAnnounced(), QStringLiteral("Question 3 of 10"));
        click(quizScreen().entryButtons[QuizScreen::PreviousEntry]);
        QCOMPARE(lastAnnounced(), QStringLiteral("Question 2 of 10"));
    }

    void pagesSayCounterAndHeading_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("said");
        // The headings as the pages show them at their top.
        QTest::newRow("opened") << ""
                                << "Page 1 of 5. Teachers' Guide: Welcome to Terralore.";
        QTest::newRow("next page") << "N"
                                   << "Page 2 of 5. Teachers' Guide: Key Facts and the Quiz.";
        QTest::newRow("back again") << "NNP"
                                    << "Page 2 of 5. Teachers' Guide: Key Facts and the Quiz.";
        QTest::newRow("last") << "NNNN"
                              << "Page 5 of 5. Teachers' Guide: Links to the Curriculum.";
    }

    void pagesSayCounterAndHeading()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, said);
        openGuide();
        clickEntries(guidePager(), clicks);
        QCOMPARE(lastAnnounced(), said);
    }

    void captionsCarriedByKeysAreSaid_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("firstBox"); // the first box in reading order
        QTest::addColumn<QString>("ownBox");
        QTest::newRow("ScienceOrdering") << "ScienceOrdering"
                                         << "These geologists study the minerals that the rocks are made of."
                                         << "box under Petrologists"
                                         << "box under Mineralogists";
        QTest::newRow("BeginningOrdering")
            << "BeginningOrdering"
            << "As the Earth cooled, water in the atmosphere rained down to form the oceans."
            << "box for the oldest event"
            << "box for the third event";
        QTest::newRow("ScienceLabelling") << "ScienceLabelling"
                                          << "Trilobite"
                                          << "box under the fossil skull"
                                          << "box under the flat, oval fossil creature";
        QTest::newRow("BeginningLabelling") << "BeginningLabelling"
                                            << "Solid inner core"
                                            << "box pointing to the thin brown outer layer"
                                            << "box pointing to the grey ball at the centre";
    }

    // Picked up, over a box, dropped in it; Escape takes it home; the boxes
    // are named for what they stand for, never for the caption they want.
    void captionsCarriedByKeysAreSaid()
    {
        QFETCH(QString, screen);
        QFETCH(QString, caption);
        QFETCH(QString, firstBox);
        QFETCH(QString, ownBox);
        Activity &a = openActivity(screen);
        settle();
        a.captions[0]->setFocus(Qt::TabFocusReason);
        pressKey(Qt::Key_Space);
        QCOMPARE(lastAnnounced(), caption + QStringLiteral(" picked up."));
        pressKey(Qt::Key_Right);
        QCOMPARE(lastAnnounced(), QStringLiteral("Over the ") + firstBox + QStringLiteral("."));
        // Read later, as a reader does, each still says its own.
        QCOMPARE(announced(1), caption + QStringLiteral(" picked up."));
        carryOnto(a, 0, 0);
        QCOMPARE(lastAnnounced(), QStringLiteral("Over the ") + ownBox + QStringLiteral("."));
        pressKey(Qt::Key_Space);
        QCOMPARE(lastAnnounced(), caption + QStringLiteral(" dropped in the ") + ownBox + QStringLiteral("."));
        pressKey(Qt::Key_Space);
        pressKey(Qt::Key_Escape);
        QCOMPARE(lastAnnounced(), caption + QStringLiteral(" is back in its place."));

        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(a.targetBoxes[0]);
        QCOMPARE(box->text(QAccessible::Name), ownBox.left(1).toUpper() + ownBox.mid(1));
        QAccessibleInterface *tile = QAccessible::queryAccessibleInterface(a.captions[0]);
        QCOMPARE(tile->role(), QAccessible::Button);
        QCOMPARE(tile->text(QAccessible::Name), caption);
        QVERIFY(tile->text(QAccessible::Description).contains(QLatin1String("picks it up")));
    }

    // The drop that fills the last box says Check Score is ready; Check
    // Score says the score.
    void activityScoreIsSaid()
    {
        Activity &a = openActivity(QStringLiteral("ScienceOrdering"));
        settle();
        for (int i = 0; i < 3; ++i) {
            a.captions[i]->setFocus(Qt::TabFocusReason);
            pressKey(Qt::Key_Space);
            carryOnto(a, i, i == 2 ? 2 : 1 - i); // the first two swapped
            pressKey(Qt::Key_Space);
        }
        QCOMPARE(lastAnnounced(), a.captions[2]->Caption() +
                                      QStringLiteral(" dropped in the box under Palaeontologists. Every caption is in "
                                                     "a box: Check Score is ready."));
        a.entryButtons[Activity::CheckScoreEntry]->setFocus(Qt::TabFocusReason);
        pressKey(Qt::Key_Return);
        QCOMPARE(lastAnnounced(), QStringLiteral("Well Done! Good work. You have scored 1 out of 3. Read the Key "
                                                 "Facts and try again."));
    }

    void screensSayTheirHeading()
    {
        mainMenu().Show();
        click(mainMenu().entryButtons[MainMenu::ScienceEntry]);
        QCOMPARE(lastAnnounced(), QStringLiteral("The Science of Rocks"));
        click(scienceHub().entryButtons[Hub::ExitEntry]);
        settle();
        click(mainMenu().entryButtons[MainMenu::WizardEntry]);
        QCOMPARE(lastAnnounced(), QStringLiteral("Multiple Choice Wizard"));
    }

    // The screens beneath the top one are not in the tree a reader walks.
    void onlyTheTopScreenIsExposed()
    {
        const QuizOnDisk quiz(fixture().data.file(kRocksQuiz));
        QVERIFY(openRocksQuiz());
        takeQuiz(quiz, {3});
        settle();
        QAccessibleInterface *stage = QAccessible::queryAccessibleInterface(&Stage::instance());
        const QList<QObject *> seen = reachable(stage);
        QVERIFY(seen.contains(resultsScreen().scoreLineText));
        QVERIFY(!seen.contains(mainMenuIfLoaded()));
        QVERIFY(!seen.contains(scienceHubIfLoaded()));
        QVERIFY(!seen.contains(scienceHub().entryButtons[Hub::KeyFactsEntry]));
        for (QObject *object : seen) {
            auto *widget = qobject_cast<QWidget *>(object);
            QVERIFY(!widget || widget == &Stage::instance() || resultsScreen().isAncestorOf(widget) ||
                    widget == &resultsScreen() || !widget->isVisible());
        }
        click(resultsScreen().entryButtons[ResultsScreen::ExitEntry]);
        settle();
        QVERIFY(reachable(stage).contains(scienceHub().entryButtons[Hub::KeyFactsEntry]));
    }

    // Its fifty-one boxes come up without a caret move each, which would
    // drown the focus on the title box in a reader's queue.
    void wizardOpensWithoutACaretFlood()
    {
        mainMenu().Show();
        g_caretMoves = 0;
        click(mainMenu().entryButtons[MainMenu::WizardEntry]);
        settle();
        QVERIFY2(g_caretMoves <= 2, qPrintable(QString::number(g_caretMoves)));
        QCOMPARE(QApplication::focusWidget(), worksheetWizard().titleBox);
        QCOMPARE(QAccessible::queryAccessibleInterface(worksheetWizard().titleBox)->text(QAccessible::Name),
                 QStringLiteral("Worksheet Title"));
    }

    // With a screen reader on, the toggle reads nothing itself: the reader
    // says the question. F9, asked for, still reads.
    void readAloudGivesWayToAScreenReader()
    {
        fakeServices().screenReader = true;
        QVERIFY(openRocksQuiz());
        click(quizScreen().readAloud);
        QVERIFY(quizScreen().readAloud->isChecked());
        answerAndGoOn(1);
        QVERIFY(fakeServices().spoken.isEmpty());
        QCOMPARE(lastAnnounced(), QStringLiteral("Question 2 of 10"));
        pressKey(Qt::Key_F9);
        QCOMPARE(fakeServices().spoken.size(), 1);
    }
};

QTEST_MAIN(AnnouncementsTest)
#include "tst_announcements.moc"
