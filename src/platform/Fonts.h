#pragma once

#include "FontFaces.h"

#include <QFont>
#include <QString>

namespace terralore {

// Registers the metric-compatible faces the screens are designed with:
// Wine's Tahoma, which fontconfig does not index, is added from its files.
void registerFonts();

// A font given in points, rendered as at 96 dots per inch whatever the
// screen reports. "Times New Roman" and "Arial" map to their Liberation twins.
QFont makeFont(const QString &face, double points, bool bold = false);

} // namespace terralore
