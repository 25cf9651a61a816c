// Sound effects through the program's own services and sound library against
// a real PulseAudio started here, counting the loud frames its sink plays: an
// effect played N times must arrive N times whole, as loud as the same file
// played once by PulseAudio's own player. Skips where PulseAudio is not installed.
#include "PulseServer.h"
#include "Services.h"
#include "TestData.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace terralore;
using namespace terralore::test;

class SoundServerTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    PulseServer m_server;
    std::unique_ptr<Services> m_services;

    QString dataFile(const QString &relative) const { return m_dir.filePath(QStringLiteral("data/") + relative); }
    QString temporaryFolder() const { return m_dir.filePath(QStringLiteral("tmp")); }

    // A square wave in the sink's own format, which the server plays without
    // resampling: it ends sharp, with no ringing after it.
    static bool makeTone(const QString &path, double seconds)
    {
        return QProcess::execute(QStringLiteral("sox"),
                                 {QStringLiteral("-n"), QStringLiteral("-r"), QString::number(PulseServer::kRate),
                                  QStringLiteral("-c"), QStringLiteral("2"), QStringLiteral("-b"), QStringLiteral("16"),
                                  path, QStringLiteral("synth"), QString::number(seconds), QStringLiteral("square"),
                                  QStringLiteral("441"), QStringLiteral("vol"), QStringLiteral("0.5")}) == 0;
    }

private slots:
    void initTestCase()
    {
        if (!PulseServer::installed())
            QSKIP("PulseAudio is not installed");
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("sox")).isEmpty(),
                 "sox is not installed (scripts/install-deps.sh installs it)");
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("server")) &&
                QDir(m_dir.path()).mkpath(QStringLiteral("data/wav")) && QDir().mkpath(temporaryFolder()));
        const QString failure = m_server.start(m_dir.filePath(QStringLiteral("server")));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));

        // The program's data folder: some of its effects, and a tone shorter than any of them.
        for (const char *name : {"click.wav", "typekey.wav", "thud3.wav", "fanf2.wav"}) {
            const QString relative = QStringLiteral("wav/") + QLatin1String(name);
            QVERIFY(QFile::copy(QDir(resourcesFolder()).filePath(relative), dataFile(relative)));
        }
        QVERIFY(makeTone(dataFile(QStringLiteral("wav/tone.wav")), 0.03));
        QVERIFY(QDir::setCurrent(m_dir.filePath(QStringLiteral("data"))));
        // The machine is not silent here, and what the sound library writes stays in view.
        qunsetenv("TERRALORE_NO_AUDIO");
        qputenv("TMPDIR", QFile::encodeName(temporaryFolder()));
        m_services = makeDesktopServices();
    }

    void cleanupTestCase()
    {
        m_services.reset();
        m_server.stop();
    }

    // The counting itself: a tone arrives with every loud frame it holds.
    void captureIsWhole()
    {
        const QString tone = m_dir.filePath(QStringLiteral("long-tone.wav"));
        QVERIFY(makeTone(tone, 0.25));
        QProcess samples;
        samples.start(QStringLiteral("sox"), {tone, QStringLiteral("-t"), QStringLiteral("raw"), QStringLiteral("-")});
        QVERIFY(samples.waitForFinished());
        const int held = loudness(samples.readAllStandardOutput()).frames;
        QVERIFY(held > 10000);
        const qint64 from = m_server.capturedBytes();
        QVERIFY(m_server.playAlone(tone));
        QVERIFY(m_server.waitForSound(0.5));
        QCOMPARE(loudness(m_server.capturedSince(from)).frames, held);
    }

    void effectsArriveWhole_data()
    {
        QTest::addColumn<QString>("effect");
        QTest::addColumn<int>("plays");
        QTest::newRow("click, four times") << QStringLiteral("wav\\click.wav") << 4;
        QTest::newRow("key sound, four times") << QStringLiteral("wav\\typekey.wav") << 4;
        QTest::newRow("a 30 ms tone, four times") << QStringLiteral("wav\\tone.wav") << 4;
        QTest::newRow("drop, twice") << QStringLiteral("wav\\thud3.wav") << 2;
        QTest::newRow("celebration, twice") << QStringLiteral("wav\\fanf2.wav") << 2;
    }

    void effectsArriveWhole()
    {
        QFETCH(QString, effect);
        QFETCH(int, plays);
        // What one play is: the file through PulseAudio's own player.
        qint64 from = m_server.capturedBytes();
        QVERIFY(m_server.playAlone(dataFile(QString(effect).replace(QLatin1Char('\\'), QLatin1Char('/')))));
        QVERIFY(m_server.waitForSound(0.5));
        const Loudness alone = loudness(m_server.capturedSince(from));
        QVERIFY(alone.frames > 0);
        // Each play has long ended when the next one starts, so none cuts another off.
        const double seconds = double(alone.last - alone.first + 1) / PulseServer::kRate;
        const int gap = int((seconds + 0.5) * 1000);

        from = m_server.capturedBytes();
        for (int i = 0; i < plays; ++i) {
            m_services->playEffect(effect);
            QTest::qWait(gap);
        }
        QVERIFY(m_server.waitForSound(1.0));
        const int arrived = loudness(m_server.capturedSince(from)).frames;
        qInfo("%d loud frames alone, %d of %d plays", alone.frames, arrived, plays);
        QCOMPARE(arrived, plays * alone.frames);
    }

    // Whatever the sound library wrote for itself is gone once its effects are loaded.
    void leavesNothingBehind()
    {
        QTRY_COMPARE(QDir(temporaryFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
};

QTEST_MAIN(SoundServerTest)
#include "tst_soundserver.moc"
