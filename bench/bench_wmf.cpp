// Reading and drawing pictures: a full-screen metafile page (784 x 520 px)
// at scale 1 and 2, and a 640 x 500 JPEG. Prints the median of many runs.
//
//   bench_wmf [RUNS]     (targets: 2 ms, 6 ms and 16 ms)
#include "BenchTable.h"
#include "picture/Picture.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using terralore::Picture;

namespace {

struct Figures {
    double median;
    double best;
    double p90;
    double cpuMedian; // this thread's CPU time: steadier than wall time on a shared machine
};

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

Figures measure(int runs, const std::function<void()> &prepare, const std::function<void()> &work)
{
    std::vector<double> ms;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        work();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    return {ms[ms.size() / 2], ms.front(), ms[ms.size() * 9 / 10], cpu[cpu.size() / 2]};
}

void report(const char *what, const Figures &f, double target)
{
    std::fprintf(stderr, "%s: best %.2f ms, processor median %.2f ms\n", what, f.best, f.cpuMedian);
    bench::reportRow((QByteArray(what) + " (high = p90)").constData(), f.median, f.p90, target);
}

QByteArray photoJpeg()
{
    // Smooth gradients with some texture, so the JPEG has real content to decode.
    QImage image(640, 500, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y,
                           qRgb((x * 255 / 640 + (x * y) % 23) & 0xFF, (y * 255 / 500) ^ (x & 15), (x + y) & 0xFF));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "jpeg", 85);
    return bytes;
}

Figures readAndDraw(const QByteArray &bytes, QImage &canvas, int runs)
{
    return measure(
        runs, [&] { canvas.fill(Qt::white); },
        [&] {
            const Picture picture = Picture::fromData(bytes);
            QPainter painter(&canvas);
            picture.draw(painter, QRectF(canvas.rect()));
        });
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(3, QByteArray(argv[1]).toInt()) : 200;

    QFile file(QStringLiteral(TERRALORE_FIXTURES "/wmf/page.wmf"));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_wmf: cannot read %s\n", qPrintable(file.fileName()));
        return 1;
    }
    const QByteArray page = file.readAll();
    std::fprintf(stderr, "%d runs each\n", runs);

    QImage screen(784, 520, QImage::Format_ARGB32_Premultiplied);
    report("WMF page 784x520, read + draw, scale 1", readAndDraw(page, screen, runs), 2.0);
    QImage doubled(1568, 1040, QImage::Format_ARGB32_Premultiplied);
    report("WMF page 784x520, read + draw, scale 2", readAndDraw(page, doubled, runs), 6.0);

    const QByteArray jpeg = photoJpeg();
    QImage photo(640, 500, QImage::Format_ARGB32_Premultiplied);
    report("JPEG 640x500, load + draw", readAndDraw(jpeg, photo, runs), 16.0);
    return 0;
}
