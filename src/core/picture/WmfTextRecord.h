#pragma once

#include "picture/WmfDocument.h"

#include <QByteArrayView>
#include <QPointF>
#include <QRectF>

#include <vector>

namespace terralore {

// A TextOut or ExtTextOut record read: where its text starts (logical
// units), the text's bytes in the font's character set, and for ExtTextOut
// its options, its box and the characters' advances when the record holds
// one for every character.
struct WmfTextRecord {
    QPointF at;
    QByteArrayView bytes;
    int options = 0;
    QRectF box;
    std::vector<double> dx;
};

WmfTextRecord readTextOut(const WmfParams &params);
WmfTextRecord readExtTextOut(const WmfParams &params);

} // namespace terralore
