#include "picture/WmfTextRecord.h"

#include "picture/WmfTypes.h"

namespace terralore {

using namespace wmf;

WmfTextRecord readTextOut(const WmfParams &p)
{
    const qsizetype length = p.u16(0);
    const qsizetype after = 1 + (length + 1) / 2;
    WmfTextRecord text;
    text.at = QPointF(p.s16(after + 1), p.s16(after));
    text.bytes = p.bytes(1, length);
    return text;
}

WmfTextRecord readExtTextOut(const WmfParams &p)
{
    WmfTextRecord text;
    text.at = QPointF(p.s16(1), p.s16(0));
    const qsizetype length = p.u16(2);
    text.options = p.u16(3);
    qsizetype word = 4;
    if (text.options & (EtoOpaque | EtoClipped)) {
        text.box = QRectF(QPointF(p.s16(4), p.s16(5)), QPointF(p.s16(6), p.s16(7))).normalized();
        word = 8;
    }
    text.bytes = p.bytes(word, length);
    word += (length + 1) / 2;
    const qsizetype step = (text.options & EtoPdy) ? 2 : 1;
    if (p.size() - word >= length * step) {
        text.dx.reserve(size_t(length));
        for (qsizetype i = 0; i < length; ++i)
            text.dx.push_back(p.s16(word + i * step));
    }
    return text;
}

} // namespace terralore
