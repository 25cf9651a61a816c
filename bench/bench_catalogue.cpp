// The worksheet catalogue with a full index of 1000 titles: its load (the
// index read and the first page laid out), to its first painted frame, and
// the index rewrites of a deletion and of a save.

#include "BenchUtil.h"

#include "DataFolder.h"
#include "FieldReader.h"
#include "Fonts.h"
#include "LineWriter.h"
#include "Stage.h"
#include "WorksheetCatalogue.h"
#include "WorksheetIndex.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray fullIndex(int count)
{
    QByteArray bytes = " " + QByteArray::number(count) + " \r\n";
    for (int i = 1; i <= count; ++i)
        bytes += "Worksheet number " + QByteArray::number(i) + "\r\n";
    return bytes;
}

bool putIndex(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("TERRALORE_NO_AUDIO", "1");
    QApplication app(argc, argv);
    QTemporaryDir data;
    terralore::populateDataFolder(QStringLiteral(TERRALORE_RESOURCES), data.path());
    QDir::setCurrent(data.path());
    const QString index = data.filePath(QStringLiteral("multiple/track.txt"));
    if (!putIndex(index, fullIndex(1000))) {
        std::printf("could not write the index\n");
        return 1;
    }
    terralore::registerFonts();
    terralore::Stage::instance().resize(1024, 768);
    terralore::Stage::instance().show();

    std::vector<double> load, painted;
    for (int run = 0; run < 30; ++run) {
        terralore::Stage::instance().startFreshSession();
        QElapsedTimer timer;
        timer.start();
        WorksheetCatalogue &form = worksheetCatalogue();
        load.push_back(double(timer.nsecsElapsed()) / 1e6);
        bench::PaintProbe probe(&form);
        form.Show();
        bench::waitForPaint(probe);
        painted.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (terralore::Stage::instance().session().worksheets.count != 1000 ||
            !form.pageButtons[WorksheetCatalogue::NextPageEntry]->isVisible()) {
            std::printf("the catalogue did not list 1000 titles\n");
            return 1;
        }
        form.Unload();
        settle();
    }
    bench::report("catalogue load, 1000 titles", load, 16.7);
    bench::report("catalogue load to painted, 1000 titles", painted, 16.7);

    std::vector<double> removal, addition;
    for (int run = 0; run < 30; ++run) {
        putIndex(index, fullIndex(1000));
        int count = 0;
        terralore::WorksheetNameArray names;
        QElapsedTimer timer;
        timer.start();
        const auto removed =
            terralore::removeWorksheetTitle(index, QStringLiteral("Worksheet number 500"), count, names);
        removal.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        const auto added = terralore::addWorksheetTitle(index, QStringLiteral("A new worksheet"), count, names);
        addition.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (removed != terralore::IndexChange::Removed || added != terralore::IndexChange::Added) {
            std::printf("the index rewrites failed\n");
            return 1;
        }
    }
    bench::report("deletion rewrite of a 1000-title index", removal, 16.7);
    bench::report("save adding to a 999-title index", addition, 16.7);

    // Where a rewrite's time goes: the fresh read, the lines, and the atomic
    // replacement (a copy written, synced to disk and renamed over it).
    std::vector<double> read, lines, commit;
    putIndex(index, fullIndex(1000));
    for (int run = 0; run < 30; ++run) {
        QElapsedTimer timer;
        timer.start();
        int count = 0;
        terralore::WorksheetNameArray names;
        auto reader = terralore::FieldReader::open(index);
        if (!reader || !terralore::readWorksheetIndex(*reader, count, names))
            return 1;
        read.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        const terralore::LineWriter writer = terralore::worksheetIndexLines(count, names);
        lines.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        if (!writer.commit(index))
            return 1;
        commit.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    bench::report("  of which: reading 1000 titles afresh", read, 16.7);
    bench::report("  of which: building the 1001 lines", lines, 16.7);
    bench::report("  of which: atomic replace (write, sync, rename)", commit, 16.7);
    return 0;
}
