#include "PagerTesting.h"

#include <memory>

using namespace terralore;
using namespace terralore::test;

// The acknowledgments page: the notes pager opened from the menu with the
// publisher's animated logo.
namespace {

// Records the logo frame loaded at every tick, from the moment the pager is
// shown (before its first tick can come); the recording ends with watch.
void recordLogoFrames(QObject &watch, QStringList &seen)
{
    QObject::connect(&Stage::instance(), &Stage::formShown, &watch, [&watch, &seen](Form *form) {
        if (form == teacherIfLoaded())
            QObject::connect(teacher().Timer1, &Timer::Tick, &watch,
                             [&seen] { seen << teacher().Picture1->PictureSource(); });
    });
}

} // namespace

class AcknowledgmentsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ScreenFixture> fx; // one stage and data copy for all the tests

private slots:
    void initTestCase() { fx = std::make_unique<ScreenFixture>(); }
    void init() { fx->reset(); }

    void acknowledgmentsFromTheMenu();
    void logoFramesAdvance_data();
    void logoFramesAdvance();
    void logoResumesAndDiesWithTheScreen();
};

void AcknowledgmentsTest::acknowledgmentsFromTheMenu()
{
    // What the pager holds at the moment it is shown.
    bool timerAtShow = false, logosAtShow = true;
    QObject watch;
    connect(&Stage::instance(), &Stage::formShown, &watch, [&](Form *form) {
        if (form != teacherIfLoaded())
            return;
        timerAtShow = teacher().Timer1->Enabled();
        logosAtShow = teacher().Picture1->Visible() || teacher().Picture2->Visible();
    });
    Pager &pager = openPager(QStringLiteral("acknowledgments"));
    QCOMPARE(topForm(), &teacher());
    QCOMPARE(pager.BackColor(), QColor(49, 130, 212));
    QVERIFY(!pager.Label1->Visible());
    QVERIFY(!pager.Label3[Next]->Visible() && !pager.Label3[Previous]->Visible());
    QVERIFY(pager.Label3[Print]->Visible() && pager.Label3[Exit]->Visible());
    verifyPage(pager, QStringLiteral("wmf\\acknowledgments.wmf"), QStringLiteral("wmf2\\acknowledgments.wmf"));
    QCOMPARE(teacher().Picture2->PictureSource(), QStringLiteral("logo\\quillmere2.bmp"));
    QVERIFY(!teacher().Picture2->picture().isNull());
    QCOMPARE(teacher().Picture1->BackColor(), QColor(49, 135, 214));
    QVERIFY(teacher().Timer1->Enabled());
    QCOMPARE(teacher().Timer1->Interval(), 25);
    // Both logos appear with the first tick, a moment after the page.
    QVERIFY(timerAtShow);
    QVERIFY(!logosAtShow);
    QTRY_VERIFY(teacher().Picture1->Visible() && teacher().Picture2->Visible());
    QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"});
}

void AcknowledgmentsTest::logoFramesAdvance_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QStringList>("frames");
    QTest::newRow("from the first start")
        << 0 << QStringList{"logo\\quillmere0001.gif", "logo\\quillmere0002.gif", "logo\\quillmere0003.gif"};
    QTest::newRow("into two digits") << 8
                                     << QStringList{"logo\\quillmere0009.gif", "logo\\quillmere0010.gif",
                                                    "logo\\quillmere0011.gif"};
    QTest::newRow("round past the last frame")
        << 18 << QStringList{"logo\\quillmere0019.gif", "logo\\quillmere0000.gif", "logo\\quillmere0001.gif"};
}

void AcknowledgmentsTest::logoFramesAdvance()
{
    QFETCH(int, start);
    QFETCH(QStringList, frames);
    Module1::LogoFrame = start;
    QStringList seen;
    QObject watch;
    recordLogoFrames(watch, seen);
    openPager(QStringLiteral("acknowledgments"));
    QTRY_VERIFY(seen.size() >= frames.size());
    QCOMPARE(seen.mid(0, frames.size()), frames);
    QCOMPARE(teacher().Picture1->picture().sizeTwips(), QSizeF(1800, 1800));
}

void AcknowledgmentsTest::logoResumesAndDiesWithTheScreen()
{
    openPager(QStringLiteral("acknowledgments"));
    QTRY_VERIFY(Module1::LogoFrame >= 3);
    click(teacher().Label3[Exit]);
    settle();
    QVERIFY(!teacherIfLoaded());
    QCOMPARE(topForm(), &intro0());
    const int stopped = Module1::LogoFrame;
    QTest::qWait(150);
    QCOMPARE(Module1::LogoFrame, stopped);

    // A second opening goes on from the frame where the first stopped.
    QStringList seen;
    QObject watch;
    recordLogoFrames(watch, seen);
    click(intro0().Label2[19]);
    QTRY_VERIFY(!seen.isEmpty());
    QCOMPARE(seen.first(), QStringLiteral("logo\\quillmere%1.gif").arg((stopped + 1) % 20, 4, 10, QLatin1Char('0')));
    click(teacher().Label3[Exit]);
    settle();

    // A page set opened afterwards has neither timer nor logos.
    teacherForm &pager = openPageSet(2, QStringLiteral("key beginning"));
    QVERIFY(!pager.Timer1->Enabled());
    QCOMPARE(pager.BackColor(), QColor(39, 63, 137));
    QTest::qWait(100);
    QVERIFY(!pager.Picture1->Visible() && !pager.Picture2->Visible());
}

QTEST_MAIN(AcknowledgmentsTest)
#include "tst_acknowledgments.moc"
