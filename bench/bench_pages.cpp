// A page turn in the two page readers: both copies of the new page loaded
// and the shown one painted, on the offscreen platform.

#include "BenchUtil.h"

#include "DataFolder.h"
#include "Fonts.h"
#include "GuidePager.h"
#include "NotesPager.h"
#include "Stage.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {

constexpr int kTurns = 200;
constexpr double kFrameMs = 16.7;

struct Timings {
    std::vector<double> turn, load, paint;
};

// Turns one page with the reader's own entry (as a click does), then paints
// the screen at once; the entry to use next is chosen by the caller.
void turnAndPaint(Pager &pager, int entry, Timings &t)
{
    bench::PaintProbe probe(&pager);
    QElapsedTimer timer;
    timer.start();
    emit pager.entryButtons[entry]->Click();
    const qint64 loaded = timer.nsecsElapsed();
    pager.repaint();
    const qint64 painted = timer.nsecsElapsed();
    if (probe.painted == 0)
        std::printf("warning: the page was not painted\n");
    t.turn.push_back(double(painted) / 1e6);
    t.load.push_back(double(loaded) / 1e6);
    t.paint.push_back(double(painted - loaded) / 1e6);
}

void report(const char *reader, const Timings &t)
{
    const QByteArray name(reader);
    bench::report(("page turn, loaded and painted: " + name).constData(), t.turn, kFrameMs);
    bench::report("  of which loading both copies", t.load, kFrameMs);
    bench::report("  of which painting the shown page", t.paint, kFrameMs);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TERRALORE_NO_AUDIO", "1");
    QApplication app(argc, argv);
    QTemporaryDir data;
    if (!terralore::populateDataFolder(QStringLiteral(TERRALORE_RESOURCES), data.path())) {
        std::printf("could not copy the data folders\n");
        return 1;
    }
    QDir::setCurrent(data.path());
    terralore::registerFonts();
    terralore::Stage::instance().resize(1024, 768);
    terralore::Stage::instance().show();

    // The key facts of a topic, two pages, turned forward and back.
    terralore::PagerState &pager = terralore::Stage::instance().session().pager;
    notesPager().showPageSet(QStringLiteral("key science"), 2);
    settle();
    Timings notes;
    for (int i = 0; i < kTurns; ++i)
        turnAndPaint(notesPager(), pager.pageNumber == 1 ? 2 : 3, notes);
    notesPager().Unload();
    settle();

    // The guide, through its five pages and back.
    guidePager().showFirstPage();
    settle();
    Timings guidePages;
    int step = 1;
    for (int i = 0; i < kTurns; ++i) {
        if (pager.pageNumber + step < 1 || pager.pageNumber + step > 5)
            step = -step;
        turnAndPaint(guidePager(), step > 0 ? 2 : 3, guidePages);
    }
    guidePager().Unload();
    settle();

    std::fprintf(stderr, "%d turns each, median and 95th percentile\n", kTurns);
    report("Key facts (teacher)", notes);
    report("Teachers' guide (guide)", guidePages);
    return 0;
}
