#pragma once

#include <QString>

namespace terralore {

// The font family that stands in for a face the screens and printouts are
// designed with: "Times New Roman" and "Arial" become their metric twins
// Liberation Serif and Liberation Sans; other faces are used as named.
QString fontFamilyFor(const QString &face);

} // namespace terralore
