// The index reader and the title rule on any bytes: the count stays within
// 0 to 1000, and every title the rule accepts comes back unchanged through
// an index written and read.

#include "FuzzSupport.h"

#include "FieldReader.h"
#include "LineWriter.h"
#include "WorksheetIndex.h"
#include "WorksheetTitle.h"

#include <QString>

using namespace terralore;

namespace {

// Writes the titles as an index and reads them back.
void roundTrip(const WorksheetNameArray &titles, int count)
{
    const LineWriter lines = worksheetIndexLines(count, titles);
    FieldReader reader(lines.bytes());
    int readCount = -1;
    WorksheetNameArray read;
    fuzzCheck(readWorksheetIndex(reader, readCount, read));
    fuzzCheck(readCount == count);
    for (int i = 1; i <= count; ++i)
        fuzzCheck(read[i] == titles[i]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);

    // As an index file.
    FieldReader reader(bytes);
    int count = 0;
    WorksheetNameArray names;
    readWorksheetIndex(reader, count, names);
    fuzzCheck(count >= 0 && count <= kMaxWorksheets);
    WorksheetNameArray savable;
    int kept = 0;
    for (int i = 1; i <= count; ++i) {
        const QString shown = shownWorksheetTitle(names[i]);
        fuzzCheck(!storedWorksheetTitle(shown).contains(QLatin1Char(',')));
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
        fuzzCheck(shownWorksheetTitle(one[1]) == QString(typed).replace(QLatin1Char('&'), QLatin1Char(',')));
    }
    return 0;
}
