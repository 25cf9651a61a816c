#pragma once

#include <QByteArray>
#include <QString>

namespace terralore {

// The program's files and authored texts are one byte per character in the
// Windows-1252 code page.
QString decodeWindows1252(QByteArrayView bytes);
QByteArray encodeWindows1252(QStringView text);

// A number joined to a text carries a sign place: " 3" for 3, "-3" for -3.
QString signPlace(long long number);

} // namespace terralore
