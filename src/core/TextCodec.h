#pragma once

#include <QByteArray>
#include <QString>

namespace terralore {

// The program's files and authored texts are one byte per character in the
// Windows-1252 code page.
QString decodeWindows1252(QByteArrayView bytes);
QByteArray encodeWindows1252(QStringView text);

// The first character of text (one or two code units) that the code page
// cannot hold, or an empty string when it can hold them all.
QString firstUnencodableCharacter(QStringView text);

// Text fit for one line of a file: each line break (CR LF as one), tab or
// other control character becomes a blank, so no two words are ever joined.
QString singleLineText(QStringView text);

// A number joined to a text carries a sign place: " 3" for 3, "-3" for -3.
QString signPlace(long long number);

} // namespace terralore
