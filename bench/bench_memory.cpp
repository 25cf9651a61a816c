// Memory: resident size after visiting every screen once and after 200
// rounds of opening and closing every screen, and the growth over those
// rounds, both resident and of the heap in use (what a leak would raise;
// the resident size also keeps pages the allocator holds on to).
#include "BenchUtil.h"
#include "ScreenTour.h"

#include <QFile>

#include <malloc.h>
#include <unistd.h>

namespace {

double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

double heapMegabytes()
{
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

void tour()
{
    for (const bench::TourStop &stop : bench::screenTour()) {
        stop.before();
        stop.open();
        terralore::Stage::instance().repaint();
        stop.after();
        bench::settle();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    bench::OffscreenProgram program(argc, argv);
    if (!program.ready)
        return 1;

    const double atStart = residentMegabytes();
    tour();
    const double visited = residentMegabytes();
    // 200 rounds fill Qt's caches (glyphs, style pieces, fonts) to their
    // limits; the next 200 show whether anything else still grows.
    for (int round = 1; round <= 200; ++round)
        tour();
    const double warm = residentMegabytes();
    const double heapWarm = heapMegabytes();
    for (int round = 1; round <= 200; ++round)
        tour();
    const double after = residentMegabytes();
    const double heapAfter = heapMegabytes();
    bench::reportValue("resident at start (stage shown)", atStart, "MB", 80);
    bench::reportValue("resident after visiting every screen", visited, "MB", 80);
    bench::reportValue("resident growth, first 200 rounds of every screen", warm - visited, "MB", -1);
    bench::reportValue("resident after 400 rounds of every screen", after, "MB", 80);
    bench::reportValue("resident growth, rounds 200 to 400", after - warm, "MB", 2);
    bench::reportValue("heap in use growth, rounds 200 to 400", heapAfter - heapWarm, "MB", 2);
    terralore::Stage::instance().unloadAll();
    return 0;
}
