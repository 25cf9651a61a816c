#pragma once

#include <QColor>

#include <cmath>

namespace terralore {

// Positions and sizes are twips, single precision; 15 twips make a pixel at
// the standard 96 dots per inch.
constexpr float kTwipsPerPixel = 15.0f;

inline int toPixels(float twips)
{
    return int(std::lround(twips / kTwipsPerPixel));
}

inline QColor RGB(int r, int g, int b)
{
    return QColor(r, g, b);
}

// The toolkit's button and shift masks as the handlers receive them.
enum MouseButtonMask { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum ShiftMask { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

} // namespace terralore
