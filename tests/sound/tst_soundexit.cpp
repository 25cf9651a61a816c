// A damaged effect beside a sound one: the program, playing both through its
// services and sound library, still ends at once. (Qt waits at exit for an
// effect still loading, and a file cut short or lying about its size never
// finishes.) Needs no sound server: it holds with no audio device as well.
#include "Services.h"
#include "TestData.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace terralore;
using namespace terralore::test;

namespace {

constexpr char kPlay[] = "--play-and-end";

// The program's part: the effects in the folder played, and the end of the run.
int playAndEnd(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (!QDir::setCurrent(QString::fromLocal8Bit(argv[2])))
        return 2;
    qunsetenv("TERRALORE_NO_AUDIO");
    const std::unique_ptr<Services> services = makeDesktopServices();
    services->playEffect(QStringLiteral("wav\\typekey.wav"));
    services->playEffect(QStringLiteral("wav\\click.wav"));
    QTimer::singleShot(1000, &app, &QCoreApplication::quit);
    return app.exec();
}

} // namespace

class SoundExitTest : public QObject {
    Q_OBJECT

private slots:
    void endsWithADamagedEffect_data()
    {
        QTest::addColumn<QString>("damaged");
        for (const char *name : {"half.wav", "data-size-lies.wav", "header-only.wav", "empty.wav", "not-riff.wav"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void endsWithADamagedEffect()
    {
        QFETCH(QString, damaged);
        QTemporaryDir folder;
        QVERIFY(folder.isValid() && QDir(folder.path()).mkpath(QStringLiteral("wav")));
        QVERIFY(QFile::copy(resourcesFolder() + QStringLiteral("/wav/typekey.wav"),
                            folder.filePath(QStringLiteral("wav/typekey.wav"))));
        QVERIFY(QFile::copy(fixturesFolder() + QStringLiteral("/damaged/wav/") + damaged,
                            folder.filePath(QStringLiteral("wav/click.wav"))));
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(QCoreApplication::applicationFilePath(), {QLatin1String(kPlay), folder.path()});
        // A second of playing and then the end: half a minute is a hang.
        const bool ended = program.waitForFinished(30000);
        if (!ended) {
            program.kill();
            program.waitForFinished();
        }
        QVERIFY2(ended, "the program did not end");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
};

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], kPlay) == 0)
        return playAndEnd(argc, argv);
    QApplication app(argc, argv);
    SoundExitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soundexit.moc"
