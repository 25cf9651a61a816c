// Cold start of the real program to its first painted title screen, and the
// main menu's load to its first painted frame.

#include "BenchUtil.h"

#include "DataFolder.h"
#include "Fonts.h"
#include "Stage.h"
#include "intro0.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    qputenv("TERRALORE_NO_AUDIO", "1");
    QApplication app(argc, argv);
    QTemporaryDir data;
    terralore::populateDataFolder(QStringLiteral(TERRALORE_RESOURCES), data.path());

    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/terralore");
    std::vector<double> cold;
    for (int run = 0; run < 15; ++run) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TERRALORE_DATA"), data.path());
        env.insert(QStringLiteral("TERRALORE_EXIT_AFTER_FIRST_FRAME"), QStringLiteral("1"));
        env.insert(QStringLiteral("TERRALORE_WINDOWED"), QStringLiteral("1"));
        process.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        process.start(program, {});
        if (!process.waitForStarted(5000) || !process.waitForFinished(10000)) {
            std::printf("the program did not report its first frame\n");
            return 1;
        }
        if (!process.readAllStandardOutput().contains("first-frame")) {
            std::printf("the program did not report its first frame\n");
            return 1;
        }
        cold.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    bench::report(
        ("cold start to first painted title screen (" + (platform.isEmpty() ? "xcb" : platform) + ")").constData(),
        cold, 150);
    if (qEnvironmentVariableIsSet("BENCH_COLD_START_ONLY"))
        return 0;

    QDir::setCurrent(data.path());
    terralore::registerFonts();
    terralore::Stage::instance().resize(1024, 768);
    terralore::Stage::instance().show();
    std::vector<double> menu;
    for (int run = 0; run < 30; ++run) {
        QElapsedTimer timer;
        timer.start();
        intro0Form &form = intro0();
        bench::PaintProbe probe(&form);
        form.Show();
        bench::waitForPaint(probe);
        menu.push_back(double(timer.nsecsElapsed()) / 1e6);
        form.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    bench::report("menu load to painted", menu, 16.7);
    return 0;
}
