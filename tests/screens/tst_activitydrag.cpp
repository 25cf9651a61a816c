#include "ActivityTest.h"

#include "ResultsScreen.h"

using namespace terralore;
using namespace terralore::test;

// Dragging, dropping, snapping and scoring on the four activity screens, with
// real mouse input through the window system.
class ActivityDragTest : public QObject {
    Q_OBJECT

private slots:
    void init() { freshStart(); }

    void allCorrectScoresFull_data() { addEveryScreen(); }

    void allCorrectScoresFull()
    {
        QFETCH(QString, screen);
        QFETCH(int, n);
        Activity &a = openActivity(screen);
        QCOMPARE(session().progress.questionCount, n);
        // From the highest index down, so no caption is dragged across a
        // caption lying above it.
        for (int i = n - 1; i >= 0; --i) {
            QVERIFY2(!a.entryButtons[Activity::CheckScoreEntry]->isVisible(),
                     "Check Score shown before every caption is placed");
            dropOnTarget(a, i, i);
            QCOMPARE(cornerOf(a.captions[i]), cornerOf(a.targetBoxes[i]));
        }
        QCOMPARE(countOf(kThud), n);
        QVERIFY(a.entryButtons[Activity::CheckScoreEntry]->isVisible());
        click(a.entryButtons[Activity::CheckScoreEntry]);
        QCOMPARE(session().progress.score, n);
        // The results open over the activity, which stays as it was.
        QVERIFY(resultsScreenIfLoaded());
        QCOMPARE(topForm(), &resultsScreen());
        QCOMPARE(resultsScreen().scoreLineText->Caption(),
                 QStringLiteral("Excellent work. You have scored %1 out of %1.").arg(n));
        QVERIFY(resultsScreen().entryButtons[ResultsScreen::CertificateOrWrongAnswersEntry]->isVisible());
        QCOMPARE(resultsScreen().entryButtons[ResultsScreen::CertificateOrWrongAnswersEntry]->Caption(),
                 QStringLiteral("Print Certificate"));
        click(resultsScreen().entryButtons[ResultsScreen::ExitEntry]);
        settle();
        QCOMPARE(topForm(), &a);
        for (int i = 0; i < n; ++i)
            QCOMPARE(cornerOf(a.captions[i]), cornerOf(a.targetBoxes[i]));
    }

    void openingSoundOnEachOpening_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("ScienceOrdering") << "ScienceOrdering";
        QTest::newRow("BeginningOrdering") << "BeginningOrdering";
    }

    // The ordering screens greet with a sound once they are up: not inside
    // the hub's click that loads and shows them, and again on each opening.
    void openingSoundOnEachOpening()
    {
        QFETCH(QString, screen);
        const QString eagle = QStringLiteral("wav\\eagle6.wav");
        Activity &first = openActivity(screen);
        QCOMPARE(countOf(eagle), 0);
        QTRY_COMPARE(countOf(eagle), 1);
        click(first.entryButtons[Activity::ExitEntry]);
        settle();
        openActivity(screen);
        QCOMPARE(countOf(eagle), 1);
        QTRY_COMPARE(countOf(eagle), 2);
    }

    void swappedLayersScoreTwo()
    {
        Activity &a = openActivity(QStringLiteral("BeginningLabelling"));
        dropOnTarget(a, 3, 3);
        dropOnTarget(a, 2, 2);
        dropOnTarget(a, 1, 0); // "Mantle" in the inner core's box
        QVERIFY(!a.entryButtons[Activity::CheckScoreEntry]->isVisible());
        dropOnTarget(a, 0, 1); // "Solid inner core" in the mantle's box
        QCOMPARE(a.captions[0]->Caption(), QStringLiteral("Solid inner core"));
        QCOMPARE(a.captions[1]->Caption(), QStringLiteral("Mantle"));
        QCOMPARE(cornerOf(a.captions[1]), cornerOf(a.targetBoxes[0]));
        QVERIFY(a.entryButtons[Activity::CheckScoreEntry]->isVisible());
        click(a.entryButtons[Activity::CheckScoreEntry]);
        QCOMPARE(session().progress.score, 2);
        QCOMPARE(topForm(), &resultsScreen());
        QCOMPARE(resultsScreen().scoreLineText->Caption(), QStringLiteral("Good work. You have scored 2 out of 4."));
        QVERIFY(resultsScreen().tryAgainLine->isVisible());
        QVERIFY(!resultsScreen().entryButtons[ResultsScreen::CertificateOrWrongAnswersEntry]->isVisible());
    }

    void pressAndReleaseSnapsAgain_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("inTarget");
        QTest::newRow("left, home box") << "ScienceLabelling" << int(Qt::LeftButton) << false;
        QTest::newRow("left, target box") << "ScienceLabelling" << int(Qt::LeftButton) << true;
        QTest::newRow("right, home box") << "BeginningOrdering" << int(Qt::RightButton) << false;
        QTest::newRow("right, target box") << "BeginningOrdering" << int(Qt::RightButton) << true;
        QTest::newRow("middle, target box") << "ScienceOrdering" << int(Qt::MiddleButton) << true;
    }

    void pressAndReleaseSnapsAgain()
    {
        QFETCH(QString, screen);
        QFETCH(int, button);
        QFETCH(bool, inTarget);
        Activity &a = openActivity(screen);
        if (inTarget)
            dropOnTarget(a, 1, 1);
        const QPointF before = cornerOf(a.captions[1]);
        const int thuds = countOf(kThud);
        // Only the left button drags: the others, moved onto another box, leave
        // the caption where it lay.
        if (button == Qt::LeftButton)
            QTest::mouseClick(a.captions[1], Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        else
            drag(a.captions[1], centreOfBox(a.targetBoxes[0]), Qt::MouseButton(button));
        QCOMPARE(cornerOf(a.captions[1]), before);
        QCOMPARE(countOf(kThud), thuds + 1);
    }

    void releaseNearTheEdges_data()
    {
        // Caption 1 of scienceord belongs under "Petrologists", the box at
        // 720, 3600, 2955 by 1155 twips (48, 240 to 245, 317 in pixels); the
        // pointer is released a couple of pixels either side of its edges.
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPointF>("corner");
        const QPointF loose(-1, -1);
        const QPointF petrologists(720, 3600), mineralogists(4440, 3600);
        QTest::newRow("left of the left edge") << QPoint(46, 278) << loose;
        QTest::newRow("just past the right edge") << QPoint(247, 278) << petrologists;
        // From here box 0 takes it first: its acceptance begins at 2962.5.
        QTest::newRow("where box 0 comes first") << QPoint(341, 278) << mineralogists;
        QTest::newRow("above the top edge") << QPoint(146, 238) << loose;
        QTest::newRow("just below the bottom edge") << QPoint(146, 319) << petrologists;
        QTest::newRow("half a box below the bottom edge") << QPoint(146, 358) << loose;
    }

    void releaseNearTheEdges()
    {
        QFETCH(QPoint, pointer);
        QFETCH(QPointF, corner);
        Activity &a = openActivity(QStringLiteral("ScienceOrdering"));
        drag(a.captions[1], pointer);
        if (corner == QPointF(-1, -1)) {
            QCOMPARE(countOf(kThud), 0);
            // Left where released: its centre under the pointer.
            const QPoint centre = a.captions[1]->geometry().center();
            QVERIFY2((centre - pointer).manhattanLength() <= 2, qPrintable(QString::number(centre.x())));
        } else {
            QCOMPARE(cornerOf(a.captions[1]), corner);
            QCOMPARE(countOf(kThud), 1);
        }
    }
};

QTEST_MAIN(ActivityDragTest)
#include "tst_activitydrag.moc"
