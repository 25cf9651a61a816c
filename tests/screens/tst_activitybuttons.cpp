#include "ActivityTest.h"

#include "beginning.h"
#include "science.h"

using namespace terralore;
using namespace terralore::test;

// A spot of bare form on every activity screen but the Earth diagram's.
static const QPoint kBare(600, 30);

// The three buttons of the activity screens, their hover light, the sound
// switch and the hubs that open the screens.
class ActivityButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { freshStart(); }

    void checkScoreStaysWhenCaptionsLeave();
    void startAgain_data() { addEveryScreen(); }
    void startAgain();
    void exitUnloads_data() { addEveryScreen(); }
    void exitUnloads();
    void everyButtonResetsScore_data();
    void everyButtonResetsScore();
    void hoverLightsButtons();
    void soundOffIsSilent();
    void hubsOpenTheirActivities_data();
    void hubsOpenTheirActivities();
};

void ActivityButtonsTest::checkScoreStaysWhenCaptionsLeave()
{
    Activity &a = openActivity(QStringLiteral("scienceord"));
    for (int i = 2; i >= 0; --i)
        dropOnTarget(a, i, i);
    QVERIFY(a.Label3[2]->isVisible());
    drag(a.Label2[2], centreOfBox(a.Label4[2]));
    drag(a.Label2[1], QPoint(400, 30));
    QVERIFY(a.Label3[2]->isVisible());
    click(a.Label3[2]);
    QCOMPARE(Module1::Score, 1);
}

void ActivityButtonsTest::startAgain()
{
    QFETCH(QString, screen);
    QFETCH(int, n);
    Activity &a = openActivity(screen);
    QList<QPointF> homes;
    for (int i = 0; i < n; ++i)
        homes << cornerOf(a.Label2[i]);
    for (int i = n - 1; i >= 0; --i)
        dropOnTarget(a, i, (i + 1) % n);
    drag(a.Label2[0], QPoint(400, 20)); // and one loose
    QVERIFY(a.Label3[2]->isVisible());
    Module1::Score = 3;
    Sound::clearLog();
    click(a.Label3[1]);
    for (int i = 0; i < n; ++i)
        QCOMPARE(cornerOf(a.Label2[i]), homes[i]);
    QVERIFY(!a.Label3[2]->isVisible());
    QCOMPARE(Module1::Score, 0);
    QCOMPARE(playedPaths(), QStringList{kClick});
    QCOMPARE(topForm(), &a);
    // Back in the arranging state: only a full set of placements shows it.
    dropOnTarget(a, n - 1, n - 1);
    QVERIFY(!a.Label3[2]->isVisible());
}

void ActivityButtonsTest::exitUnloads()
{
    QFETCH(QString, screen);
    Form &beneath =
        openActivity(screen == "scienceord" ? QStringLiteral("beginninglab") : QStringLiteral("scienceord"));
    Activity &a = openActivity(screen);
    dropOnTarget(a, 0, 0);
    Module1::Score = 2;
    click(a.Label3[0]);
    settle();
    QVERIFY(!activityIfLoaded(screen));
    QCOMPARE(topForm(), &beneath);
    QCOMPARE(Module1::Score, 0);
    QCOMPARE(playedPaths().last(), kClick);
    // The next opening starts afresh from the design.
    Activity &again = openActivity(screen);
    QCOMPARE(cornerOf(again.Label2[0]), cornerOf(again.Label4[0]));
    QVERIFY(cornerOf(again.Label2[0]) != cornerOf(again.Label1[0]));
    QVERIFY(!again.Label3[2]->isVisible());
}

void ActivityButtonsTest::everyButtonResetsScore_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("score");
    QTest::newRow("Exit") << 0 << 0;
    QTest::newRow("Start Again") << 1 << 0;
    // Two of five in their boxes: 2, not 7 + 2.
    QTest::newRow("Check Score") << 2 << 2;
}

void ActivityButtonsTest::everyButtonResetsScore()
{
    QFETCH(int, button);
    QFETCH(int, score);
    Activity &a = openActivity(QStringLiteral("beginningord"));
    dropOnTarget(a, 4, 4);
    dropOnTarget(a, 3, 3);
    dropOnTarget(a, 2, 1);
    dropOnTarget(a, 1, 0);
    dropOnTarget(a, 0, 2);
    QVERIFY(a.Label3[2]->isVisible());
    Module1::Score = 7;
    click(a.Label3[button]);
    QCOMPARE(Module1::Score, score);
}

void ActivityButtonsTest::hoverLightsButtons()
{
    Activity &a = openActivity(QStringLiteral("beginningord"));
    a.Label3.forEach([](int, Label *b) { QCOMPARE(b->BackStyle(), int(vbOpaque)); });
    hover(a.client(), kBare);
    a.Label3.forEach([](int, Label *b) { QCOMPARE(b->BackStyle(), int(vbTransparent)); });
    hover(a.Label3[1]);
    QCOMPARE(a.Label3[1]->BackStyle(), int(vbOpaque));
    QCOMPARE(a.Label3[0]->BackStyle(), int(vbTransparent));
    // Over a caption nothing changes; over bare form all go out.
    hover(a.Label2[0]);
    QCOMPARE(a.Label3[1]->BackStyle(), int(vbOpaque));
    hover(a.client(), kBare);
    QCOMPARE(a.Label3[1]->BackStyle(), int(vbTransparent));
}

void ActivityButtonsTest::soundOffIsSilent()
{
    Module1::SoundOn = 0;
    Activity &a = openActivity(QStringLiteral("scienceord"));
    QTRY_VERIFY(!scienceord().Timer1->Enabled());
    for (int i = 2; i >= 0; --i)
        dropOnTarget(a, i, i);
    QTest::mouseClick(a.Label2[0], Qt::RightButton);
    click(a.Label3[1]);
    click(a.Label3[0]);
    settle();
    QVERIFY(playedPaths().isEmpty());
}

void ActivityButtonsTest::hubsOpenTheirActivities_data()
{
    QTest::addColumn<QString>("hub");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("title");
    QTest::newRow("science, labelling") << "science" << 1 << "sciencelab"
                                        << "The Science of Rocks";
    QTest::newRow("science, ordering") << "science" << 3 << "scienceord"
                                       << "The Science of Rocks";
    QTest::newRow("beginning, labelling") << "beginning" << 1 << "beginninglab"
                                          << "The Beginning: the Earth";
    QTest::newRow("beginning, ordering") << "beginning" << 3 << "beginningord"
                                         << "The Beginning: the Earth";
}

void ActivityButtonsTest::hubsOpenTheirActivities()
{
    QFETCH(QString, hub);
    QFETCH(int, entry);
    QFETCH(QString, screen);
    QFETCH(QString, title);
    Hub &h = hub == "science" ? static_cast<Hub &>(science()) : static_cast<Hub &>(beginning());
    h.Show();
    click(h.Label3[entry]);
    Activity *a = activityIfLoaded(screen);
    QVERIFY(a);
    QCOMPARE(topForm(), a);
    QCOMPARE(a->Label6->Caption(), title);
    QCOMPARE(playedPaths(), QStringList{kClick});
    // The ordering screens then add their opening sound.
    if (screen.endsWith("ord"))
        QTRY_COMPARE(playedPaths(), (QStringList{kClick, kEagle}));
    dropOnTarget(*a, 0, 0);
    click(a->Label3[0]);
    settle();
    QVERIFY(!activityIfLoaded(screen));
    QCOMPARE(topForm(), &h);
}

QTEST_MAIN(ActivityButtonsTest)
#include "tst_activitybuttons.moc"
