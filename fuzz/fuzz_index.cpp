// The worksheet index reader and the title rule on any bytes. Beyond not
// crashing: the count stays within 0 to 1000, and every title the rule
// accepts survives being written to an index and read back unchanged, so a
// saved worksheet can always be listed, opened and deleted.

#include "FieldReader.h"
#include "LineWriter.h"
#include "WorksheetIndex.h"
#include "WorksheetTitle.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

using namespace terralore;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Writes the titles as an index and reads them back.
void roundTrip(const WorksheetNameArray &titles, int count)
{
    const LineWriter lines = worksheetIndexLines(count, titles);
    FieldReader reader(lines.bytes());
    int readCount = -1;
    WorksheetNameArray read;
    check(readWorksheetIndex(reader, readCount, read));
    check(readCount == count);
    for (int i = 1; i <= count; ++i)
        check(read[i] == titles[i]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // As an index file.
    FieldReader reader(bytes);
    int count = 0;
    WorksheetNameArray names;
    readWorksheetIndex(reader, count, names);
    check(count >= 0 && count <= kMaxWorksheets);
    WorksheetNameArray savable;
    int kept = 0;
    for (int i = 1; i <= count; ++i) {
        const QString shown = shownWorksheetTitle(names[i]);
        check(!storedWorksheetTitle(shown).contains(QLatin1Char(',')));
        if (worksheetTitleProblem(shown).isEmpty())
            savable[++kept] = storedWorksheetTitle(shown);
    }
    roundTrip(savable, kept);

    // As a title typed into the wizard (at most 25 characters there; longer
    // here, the rule has no length of its own).
    const QString typed = QString::fromUtf8(bytes.left(200));
    if (worksheetTitleProblem(typed).isEmpty()) {
        WorksheetNameArray one;
        one[1] = storedWorksheetTitle(typed);
        roundTrip(one, 1);
        check(shownWorksheetTitle(one[1]) == QString(typed).replace(QLatin1Char('&'), QLatin1Char(',')));
    }
    return 0;
}
