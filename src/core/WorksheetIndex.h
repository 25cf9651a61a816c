#pragma once

#include <QString>

#include <array>

namespace terralore {

class FieldReader;

// The worksheet index holds at most this many titles.
constexpr int kMaxWorksheets = 1000;
using WorksheetNameArray = std::array<QString, kMaxWorksheets + 1>;

// Reads the index: the count, then that many titles into names(1..count).
// Stops at the first failure and returns false; names read so far stay, and
// count becomes the number of titles actually read. A count that is not a
// number, negative, or above the limit leaves count and names untouched.
bool readWorksheetIndex(FieldReader &reader, int &count, WorksheetNameArray &names);

} // namespace terralore
