// One drag step of the activities, from the mouse move entering the window
// system to the caption repainted at its new place, over a long scripted
// drag on the offscreen platform. Prints the median and 99th percentile of
// each run and the median of those over the runs.

#define QTEST_QPA_MOUSE_HANDLING
#include "Activity.h"
#include "BeginningLabelling.h"
#include "BeginningOrdering.h"
#include "BenchUtil.h"
#include "Stage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTest>

#include <cstdio>
#include <ctime>
#include <vector>

using namespace terralore;

namespace {

// The thread's own processor time: a step's work without the time the
// scheduler gave to other programs on a shared machine.
double threadMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// A scripted path over the form that moves at least a pixel every step.
QPoint pathPoint(int step)
{
    const int x = 60 + (step * 7) % 640;
    const int y = 40 + (step * 3) % 480;
    return QPoint(x, y);
}

// Drags one caption of a screen along the path, run after run, and prints
// each run's figures and the median over the runs.
void benchScreen(const char *what, Activity &screen, int captionIndex)
{
    screen.Show();
    QCoreApplication::processEvents();
    Label *caption = screen.captions[captionIndex];
    QWidget *client = screen.client();
    bench::PaintProbe probe(caption);
    constexpr int kRuns = 7;
    constexpr int kSteps = 2000;
    std::vector<double> medians, p99s, cpuMedians, cpuP99s;
    QElapsedTimer clock;
    clock.start();
    std::fprintf(stderr, "%s\n", what);
    for (int run = 0; run < kRuns; ++run) {
        QTest::mousePress(caption, Qt::LeftButton, Qt::NoModifier, caption->rect().center());
        std::vector<double> steps, cpu;
        steps.reserve(kSteps);
        cpu.reserve(kSteps);
        for (int s = 0; s < kSteps; ++s) {
            probe.painted = 0;
            const qint64 t0 = clock.nsecsElapsed();
            const double c0 = threadMs();
            QTest::mouseMove(client, pathPoint(s + run));
            bench::waitForPaint(probe);
            steps.push_back(double(clock.nsecsElapsed() - t0) / 1e6);
            cpu.push_back(threadMs() - c0);
        }
        QTest::mouseRelease(client, Qt::LeftButton, Qt::NoModifier, pathPoint(kSteps - 1 + run));
        medians.push_back(bench::percentile(steps, 0.5));
        p99s.push_back(bench::percentile(steps, 0.99));
        cpuMedians.push_back(bench::percentile(cpu, 0.5));
        cpuP99s.push_back(bench::percentile(cpu, 0.99));
        const auto slow = std::count_if(steps.begin(), steps.end(), [](double ms) { return ms > 2.0; });
        std::fprintf(stderr,
                     "  run %d: %d steps, wall median %.3f ms, 99th percentile %.3f ms, %d over 2 ms; "
                     "processor median %.3f ms, 99th percentile %.3f ms\n",
                     run + 1, kSteps, medians.back(), p99s.back(), int(slow), cpuMedians.back(), cpuP99s.back());
    }
    // The table's high column is the 99th percentile here, median over the runs.
    const QByteArray name = QByteArray(what).split(':').first();
    bench::reportRow(("drag step, " + name + " (wall; high = p99)").constData(), bench::percentile(medians, 0.5),
                     bench::percentile(p99s, 0.5), 2.0);
    bench::reportRow(("drag step, " + name + " (processor; high = p99)").constData(),
                     bench::percentile(cpuMedians, 0.5), bench::percentile(cpuP99s, 0.5), 2.0);
    screen.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TERRALORE_NO_AUDIO", "1");
    QApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(TERRALORE_RESOURCES));

    Stage &stage = Stage::instance();
    stage.resize(1024, 768);
    stage.show();
    if (!QTest::qWaitForWindowExposed(&stage))
        return 1;
    stage.session().soundOn = false;
    benchScreen("beginningord: the largest caption over the bare form and the bracket", beginningOrdering(), 4);
    benchScreen("beginninglab: a caption over the Earth diagram and under the pointer lines", beginningLabelling(), 2);
    return 0;
}
