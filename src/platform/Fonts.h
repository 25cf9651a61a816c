#pragma once

#include "FontFaces.h"

#include <QFont>
#include <QString>

namespace terralore {

// Registers the metric-compatible faces the screens are designed with:
// Wine's Tahoma, which fontconfig does not index, is added from its files.
void registerFonts();
// Reading the system's font configuration is the longest step before the
// first frame. It needs no application object, so it starts on a thread of
// its own first thing in main(), while Qt itself starts.
void startReadingFontConfiguration();
// Registers the faces on that thread once it has read the configuration, so
// that it overlaps the rest of the start; registerFonts() then waits for it.
// Needs the application object.
void startRegisteringFonts();

// A font given in points, rendered as at 96 dots per inch whatever the
// screen reports. "Times New Roman" and "Arial" map to their Liberation twins.
QFont makeFont(const QString &face, double points, bool bold = false);

} // namespace terralore
