// Cold start of the real program to its first painted title screen, and the
// main menu's load to its first painted frame.

#include "BenchUtil.h"

#include "DataFolder.h"
#include "Fonts.h"
#include "MainMenu.h"
#include "Stage.h"

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

    // The program and a bare full-screen Qt window in turn, so that both see
    // the same machine, caches and load.
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/terralore");
    const QString bare = QCoreApplication::applicationDirPath() + QStringLiteral("/bench-bare-window");
    std::vector<double> cold, yardstick, ratio;
    for (int run = 0; run < 15; ++run) {
        const double ours = bench::msecsToFirstFrame(program, data.path());
        const double theirs = bench::msecsToFirstFrame(bare, data.path());
        if (ours < 0 || theirs < 0) {
            std::printf("the program or the bare window did not report its first frame\n");
            return 1;
        }
        cold.push_back(ours);
        yardstick.push_back(theirs);
        ratio.push_back(ours / theirs);
    }
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray where = "(" + (platform.isEmpty() ? "xcb" : platform) + ")";
    bench::report(("cold start to first painted title screen " + where).constData(), cold, 150);
    bench::report(("cold start of a bare full-screen Qt window " + where).constData(), yardstick, 150);
    bench::reportRatio(("cold start, program / bare window, run by run " + where).constData(), ratio, 1.15);
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
        MainMenu &form = mainMenu();
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
