#pragma once

#include <QString>

#include <array>

namespace terralore {

class FieldReader;
class LineWriter;

// The worksheet index holds at most this many titles.
constexpr int kMaxWorksheets = 1000;
using WorksheetNameArray = std::array<QString, kMaxWorksheets + 1>;

// Reads the index: the count, then that many titles into names(1..count).
// Stops at the first failure and returns false; names read so far stay, and
// count becomes the number of titles actually read. A count that is not a
// number, negative, or above the limit leaves count and names untouched.
bool readWorksheetIndex(FieldReader &reader, int &count, WorksheetNameArray &names);

// The index's lines for names(1..count): the count with a blank on each
// side (" 3 "), then one title a line.
LineWriter worksheetIndexLines(int count, const WorksheetNameArray &names);

// Reads the index file afresh and whole into count and names; a missing
// index is an empty one. False when it is unreadable, damaged or shorter
// than its count.
bool readWorksheetIndexFile(const QString &indexPath, int &count, WorksheetNameArray &names);

// How a change to the index went.
enum class IndexChange {
    Added,         // the title was new and now ends the list
    AlreadyListed, // an equal title was there; the file is untouched
    Removed,       // the last equal title is gone, the rest keep their order
    NotListed,     // no equal title; the file is untouched
    Full,          // the index already holds kMaxWorksheets titles
    Failed,        // unreadable, damaged or shorter than its count, or the rewrite failed
};

// Adds a title unless an entry equals it exactly (case-sensitive). The file
// is read afresh into count and names first; count keeps the number read,
// and names(count + 1) takes the new title. A missing index counts as an
// empty one and is created. Failed and Full leave the file as it was.
IndexChange addWorksheetTitle(const QString &indexPath, const QString &title, int &count, WorksheetNameArray &names);

// Removes the last entry equal to title, read afresh like the above; count
// drops by one on success. A missing index is Failed: there is nothing to
// remove a title from.
IndexChange removeWorksheetTitle(const QString &indexPath, const QString &title, int &count, WorksheetNameArray &names);

} // namespace terralore
