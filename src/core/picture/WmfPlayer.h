#pragma once

#include "picture/WmfDocument.h"

#include <QRectF>

class QPainter;

namespace terralore {

// Plays a metafile onto any painter (screen, image, printer): the document's
// frame fills target, given in the painter's coordinates. The painter's own
// transform and clip are honoured and its state is left as it was found.
class WmfPlayer {
public:
    static void play(const WmfDocument &doc, QPainter &painter, const QRectF &target);
};

} // namespace terralore
