#pragma once

#include "FontFaces.h"

#include <QFont>
#include <QString>

namespace terralore {

// Registers the metric-compatible faces the screens are designed with:
// Wine's Tahoma, which fontconfig does not index, is added from its files.
void registerFonts();
// Starts registering them on a thread of its own, so that reading the system's
// font configuration overlaps the rest of the start; registerFonts() then waits
// for it. Needs the application object.
void startRegisteringFonts();

// A font given in points, rendered as at 96 dots per inch whatever the
// screen reports. "Times New Roman" and "Arial" map to their Liberation twins.
QFont makeFont(const QString &face, double points, bool bold = false);

} // namespace terralore
