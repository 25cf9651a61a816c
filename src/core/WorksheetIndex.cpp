#include "WorksheetIndex.h"

#include "FieldReader.h"
#include "LineWriter.h"
#include "TextCodec.h"

#include <QFileInfo>

namespace terralore {

bool readWorksheetIndex(FieldReader &reader, int &count, WorksheetNameArray &names)
{
    long long n = 0;
    if (!reader.readNumber(n) || n < 0 || n > kMaxWorksheets)
        return false;
    for (int i = 1; i <= n; ++i) {
        QString title;
        if (!reader.readField(title)) {
            count = i - 1;
            return false;
        }
        names[i] = title;
    }
    count = int(n);
    return true;
}

LineWriter worksheetIndexLines(int count, const WorksheetNameArray &names)
{
    LineWriter lines;
    lines.writeLine(QString(signPlace(count) + QLatin1Char(' ')));
    for (int i = 1; i <= count; ++i)
        lines.writeLine(names[i]);
    return lines;
}

namespace {

// Reads the whole index or fails: a change is made only to a file read in full.
bool readWholeIndex(const QString &indexPath, int &count, WorksheetNameArray &names)
{
    auto reader = FieldReader::open(indexPath);
    return reader && readWorksheetIndex(*reader, count, names);
}

} // namespace

bool readWorksheetIndexFile(const QString &indexPath, int &count, WorksheetNameArray &names)
{
    if (QFileInfo::exists(indexPath))
        return readWholeIndex(indexPath, count, names);
    count = 0;
    return true;
}

IndexChange addWorksheetTitle(const QString &indexPath, const QString &title, int &count, WorksheetNameArray &names)
{
    if (!readWorksheetIndexFile(indexPath, count, names))
        return IndexChange::Failed;
    for (int i = 1; i <= count; ++i) {
        if (names[i] == title)
            return IndexChange::AlreadyListed;
    }
    if (count >= kMaxWorksheets)
        return IndexChange::Full;
    names[count + 1] = title;
    if (!worksheetIndexLines(count + 1, names).commit(indexPath))
        return IndexChange::Failed;
    return IndexChange::Added;
}

IndexChange removeWorksheetTitle(const QString &indexPath, const QString &title, int &count, WorksheetNameArray &names)
{
    if (!readWholeIndex(indexPath, count, names))
        return IndexChange::Failed;
    int position = 0;
    for (int i = 1; i <= count; ++i) {
        if (names[i] == title)
            position = i;
    }
    if (position == 0)
        return IndexChange::NotListed;
    WorksheetNameArray shortened = names;
    for (int i = position; i < count; ++i)
        shortened[i] = shortened[i + 1];
    if (!worksheetIndexLines(count - 1, shortened).commit(indexPath))
        return IndexChange::Failed;
    names = std::move(shortened);
    count -= 1;
    return IndexChange::Removed;
}

} // namespace terralore
