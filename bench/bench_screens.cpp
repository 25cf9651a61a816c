// Every screen's open-to-painted time: from the click on the screen beneath
// (a menu entry, a hub entry, the quiz's last "Check Score >>") to the stage
// painted with the new screen on top. Offscreen, in a private data folder.
#include "BenchUtil.h"
#include "ScreenTour.h"

int main(int argc, char *argv[])
{
    bench::OffscreenProgram program(argc, argv);
    if (!program.ready)
        return 1;
    terralore::Stage &stage = terralore::Stage::instance();

    const int warmUp = 3;
    const int runs = 31;
    int status = 0;
    for (const bench::TourStop &stop : bench::screenTour()) {
        std::vector<double> ms;
        const QString expected = QString::fromLatin1(stop.screen).section(QLatin1Char(' '), 0, 0);
        for (int run = 0; run < warmUp + runs; ++run) {
            stop.before();
            stage.repaint();
            QElapsedTimer timer;
            timer.start();
            stop.open();
            stage.repaint();
            const double elapsed = double(timer.nsecsElapsed()) / 1e6;
            terralore::Form *top = bench::topScreen();
            if (!top || top->FormName() != expected) {
                std::fprintf(stderr, "%s did not open\n", stop.screen);
                status = 1;
                break;
            }
            if (run >= warmUp)
                ms.push_back(elapsed);
            stop.after();
            bench::settle();
        }
        bench::report((QStringLiteral("open to painted: ") + QString::fromLatin1(stop.screen)).toLatin1().constData(),
                      ms, 16.7);
    }
    stage.unloadAll();
    return status;
}
