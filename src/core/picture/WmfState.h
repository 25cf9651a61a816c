#pragma once

#include "picture/WmfObjects.h"
#include "picture/WmfTypes.h"

#include <QPointF>
#include <QRegion>
#include <QTransform>

#include <optional>

namespace terralore {

// The playback device context: everything SaveDC keeps and RestoreDC brings back.
struct WmfDcState {
    int mapMode = wmf::MmAnisotropic;
    QPointF windowOrg;
    QSizeF windowExt{1, 1};
    QPointF viewportOrg;
    QSizeF viewportExt{1, 1};

    WmfPen pen;
    WmfBrush brush;
    WmfFont font;

    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    int bkMode = wmf::Opaque;
    int polyFill = wmf::Alternate;
    int textAlign = 0;
    int charExtra = 0;
    int rop2 = wmf::R2CopyPen;
    int stretchMode = 0; // 0: never set
    QPointF position;    // current position, logical

    std::optional<QRegion> clip; // device pixels; none: the whole device
};

// Logical coordinates to the player's device units (the frame's units) for
// the state's mapping mode, window and viewport. unitsPerInch is the frame's.
QTransform logicalToFrameUnits(const WmfDcState &state, int unitsPerInch);

// SetWindowExt / SetViewportExt and their Scale variants: the extents only
// matter in the scalable modes, but are kept in any mode as GDI does not fail them.
QSizeF scaledExtent(QSizeF extent, const WmfParams &params);

} // namespace terralore
