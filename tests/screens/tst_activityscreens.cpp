#include "ActivityTest.h"

#include "TextCodec.h"

#include <QDir>
#include <QRegularExpression>
#include <QScopeGuard>

using namespace terralore;
using namespace terralore::test;

// Per-screen behaviour: the stacking order and what it covers, missing
// pictures, the sounds at load and the stored bytes of the captions.
class ActivityScreensTest : public QObject {
    Q_OBJECT

private slots:
    void init() { freshStart(); }

    void stacking_data();
    void stacking();
    void coveredCaptionCannotBePickedUp_data();
    void coveredCaptionCannotBePickedUp();
    void missingPictureLeavesTheScreenUsable_data();
    void missingPictureLeavesTheScreenUsable();
    void openingSound_data();
    void openingSound();
    void typographicApostrophe();
};

void ActivityScreensTest::stacking_data()
{
    // Groups of controls from the bottom up; a group lies wholly above the
    // ones before it.
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("groups");
    QTest::newRow("scienceord") << "scienceord"
                                << QStringList{"Label1", "Label3",        "Label6",        "Label8",        "Label9",
                                               "Label4", "Label2\\(0\\)", "Label2\\(1\\)", "Label2\\(2\\)", "Label5"};
    QTest::newRow("beginningord") << "beginningord"
                                  << QStringList{"Label1",        "Label3",        "Label6",        "Label8",
                                                 "Label9",        "Line\\d",       "Label4",        "Label2\\(0\\)",
                                                 "Label2\\(1\\)", "Label2\\(2\\)", "Label2\\(3\\)", "Label2\\(4\\)"};
    QTest::newRow("sciencelab") << "sciencelab"
                                << QStringList{"Image1",        "Label[14]",    "Label3",        "Label6",
                                               "Label8",        "Label9",       "Label2\\(0\\)", "Label2\\(1\\)",
                                               "Label2\\(2\\)", "Label2\\(3\\)"};
    QTest::newRow("beginninglab") << "beginninglab"
                                  << QStringList{"Image1",        "Label1",        "Label[34]",     "Label6",
                                                 "Label7",        "Label2\\(0\\)", "Label2\\(1\\)", "Label2\\(2\\)",
                                                 "Label2\\(3\\)", "Line1"};
}

void ActivityScreensTest::stacking()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, groups);
    Activity &a = openActivity(screen);
    const QObjectList children = a.client()->children();
    int previousTop = -1;
    int matched = 0;
    for (const QString &group : groups) {
        const QRegularExpression re(QRegularExpression::anchoredPattern(group + "(\\(\\d+\\))?"));
        int low = INT_MAX, high = -1;
        for (int k = 0; k < children.size(); ++k) {
            if (re.match(children[k]->objectName()).hasMatch()) {
                low = std::min(low, k);
                high = std::max(high, k);
                ++matched;
            }
        }
        QVERIFY2(high >= 0, qPrintable(group + " not found"));
        QVERIFY2(low > previousTop, qPrintable(group + " lies below the group before it"));
        previousTop = high;
    }
    QCOMPARE(matched, int(children.size()));
}

void ActivityScreensTest::coveredCaptionCannotBePickedUp_data()
{
    // A caption left under a control that lies above it: pressing there
    // reaches that control, and only the uncovered part picks it up.
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("caption");
    QTest::addColumn<QPoint>("leaveAt");
    QTest::addColumn<QPoint>("covered");
    QTest::addColumn<QPoint>("uncovered");
    QTest::addColumn<QString>("cover");
    // Under "Petrologists" (48..245, 192..231 pixels).
    QTest::newRow("heading over a caption")
        << "scienceord" << 1 << QPoint(146, 211) << QPoint(146, 205) << QPoint(146, 240) << "Label5(1)";
    // Under the pointer line to the liquid outer core, at y 304.
    QTest::newRow("pointer line over a caption")
        << "beginninglab" << 3 << QPoint(276, 304) << QPoint(276, 304) << QPoint(276, 312) << "Line1(1)";
}

void ActivityScreensTest::coveredCaptionCannotBePickedUp()
{
    QFETCH(QString, screen);
    QFETCH(int, caption);
    QFETCH(QPoint, leaveAt);
    QFETCH(QPoint, covered);
    QFETCH(QPoint, uncovered);
    QFETCH(QString, cover);
    Activity &a = openActivity(screen);
    Label *c = a.Label2[caption];
    drag(c, leaveAt);
    QCOMPARE(countOf(kThud), 0);
    const QPointF left = cornerOf(c);
    QVERIFY(c->geometry().contains(covered));
    QWidget *client = a.client();
    QCOMPARE(client->childAt(covered)->objectName(), cover);
    QTest::mousePress(client, Qt::LeftButton, Qt::NoModifier, covered);
    QTest::mouseMove(client, covered + QPoint(30, -60));
    QTest::mouseMove(client, covered + QPoint(60, -120));
    QTest::mouseRelease(client, Qt::LeftButton, Qt::NoModifier, covered + QPoint(60, -120));
    QCOMPARE(cornerOf(c), left);
    QCOMPARE(countOf(kThud), 0);
    QCOMPARE(client->childAt(uncovered), c);
    QTest::mousePress(client, Qt::LeftButton, Qt::NoModifier, uncovered);
    QTest::mouseMove(client, uncovered + QPoint(30, -60));
    QTest::mouseMove(client, uncovered + QPoint(60, -120));
    QTest::mouseRelease(client, Qt::LeftButton, Qt::NoModifier, uncovered + QPoint(60, -120));
    QVERIFY(cornerOf(c) != left);
}

void ActivityScreensTest::missingPictureLeavesTheScreenUsable_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("missing");
    QTest::newRow("one fossil") << "sciencelab" << QStringList{"Images/bones.jpg"};
    QTest::newRow("every fossil") << "sciencelab"
                                  << QStringList{"Images/bones.jpg", "Images/ammonite.jpg", "Images/trilobite.jpg",
                                                 "Images/skull.jpg"};
    QTest::newRow("the Earth diagram") << "beginninglab" << QStringList{"Images/insideearth.jpg"};
}

void ActivityScreensTest::missingPictureLeavesTheScreenUsable()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, missing);
    // The data folder serves every test: put the pictures back afterwards.
    const auto restore = qScopeGuard([&] {
        for (const QString &file : missing)
            QFile::copy(QDir(resourcesFolder()).filePath(file), fixture().data.file(file));
    });
    for (const QString &file : missing)
        QVERIFY(fixture().data.remove(file));
    Activity &a = openActivity(screen);
    QVERIFY(a.isVisible());
    const QList<Image *> images = a.client()->findChildren<Image *>();
    QCOMPARE(std::count_if(images.begin(), images.end(), [](Image *i) { return i->picture().isNull(); }),
             qsizetype(missing.size()));
    for (int i = 3; i >= 0; --i)
        dropOnTarget(a, i, i);
    QVERIFY(a.Label3[2]->isVisible());
    click(a.Label3[2]);
    QCOMPARE(Module1::Score, 4);
}

void ActivityScreensTest::openingSound_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("soundOn");
    QTest::addColumn<bool>("eagle");
    QTest::newRow("scienceord") << "scienceord" << 1 << true;
    QTest::newRow("beginningord") << "beginningord" << 1 << true;
    QTest::newRow("scienceord, sound off") << "scienceord" << 0 << false;
    QTest::newRow("beginningord, sound off") << "beginningord" << 0 << false;
    QTest::newRow("sciencelab") << "sciencelab" << 1 << false;
    QTest::newRow("beginninglab") << "beginninglab" << 1 << false;
}

void ActivityScreensTest::openingSound()
{
    QFETCH(QString, screen);
    QFETCH(int, soundOn);
    QFETCH(bool, eagle);
    Module1::SoundOn = soundOn;
    for (int load = 1; load <= 2; ++load) {
        Sound::clearLog();
        // A mark on the sound log's own clock, just before the load.
        PlayEffect(QStringLiteral("mark"));
        openActivity(screen);
        QCOMPARE(playedPaths(), QStringList{"mark"});
        if (eagle) {
            QTRY_COMPARE(playedPaths(), (QStringList{"mark", kEagle}));
            const qint64 after = Sound::played()[1].msecs - Sound::played()[0].msecs;
            QVERIFY2(after >= 49, qPrintable(QString::number(after)));
        }
        // Nothing (more) follows.
        QTest::qWait(200);
        QCOMPARE(playedPaths(), (eagle ? QStringList{"mark", kEagle} : QStringList{"mark"}));
        if (auto *ordering = qobject_cast<OrderingActivity *>(&activityNamed(screen)))
            QVERIFY(!ordering->Timer1->Enabled());
        activityNamed(screen).Unload();
        settle();
    }
}

void ActivityScreensTest::typographicApostrophe()
{
    const QString caption = beginningord().Label2[3]->Caption();
    QCOMPARE(caption.count(QChar(0x2019)), 1);
    QVERIFY(!caption.contains(QLatin1Char('\'')));
    QCOMPARE(encodeWindows1252(caption),
             QByteArray("Heavy metals sunk to the Earth\x92s core while lighter rocks cooled into a crust on the "
                        "surface."));
}

QTEST_MAIN(ActivityScreensTest)
#include "tst_activityscreens.moc"
