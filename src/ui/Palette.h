#pragma once

#include <QColor>

namespace terralore::palette {

// The colours the screens share.
inline const QColor kYellow(255, 255, 0);     // captions and button texts
inline const QColor kBlack(0, 0, 0);          // button grounds
inline const QColor kBlue(0, 0, 255);         // headings
inline const QColor kScreenBlue(39, 63, 137); // every standard screen's ground

} // namespace terralore::palette
