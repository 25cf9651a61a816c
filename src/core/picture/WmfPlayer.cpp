#include "picture/WmfPlayer.h"

#include "picture/WmfContext.h"

namespace terralore {

using namespace wmf;

void WmfPlayer::play(const WmfDocument &doc, QPainter &painter, const QRectF &target)
{
    if (!painter.isActive() || target.isEmpty() || doc.frame.isEmpty() || doc.unitsPerInch <= 0)
        return;
    WmfContext context(doc, painter, target);
    context.play();
}

bool WmfContext::dispatchDrawing(const WmfRecord &record, const WmfParams &p)
{
    // Rectangles come as bottom, right, top, left.
    const auto box = [&p](qsizetype at) {
        return QRectF(QPointF(p.s16(at + 3), p.s16(at + 2)), QPointF(p.s16(at + 1), p.s16(at)));
    };
    switch (record.function) {
    case LineTo:
        lineTo(QPointF(p.s16(1), p.s16(0)));
        break;
    case Polyline:
        polyline(p);
        break;
    case Polygon:
        polygon(p);
        break;
    case PolyPolygon:
        polyPolygon(p);
        break;
    case Rectangle:
    case Ellipse:
        boxFigure(record.function, box(0));
        break;
    case RoundRect:
        boxFigure(record.function, box(2), QSizeF(p.s16(1), p.s16(0)));
        break;
    case Arc:
    case Pie:
    case Chord:
        arc(record.function, p);
        break;
    case SetPixel:
        setPixel(p);
        break;
    case TextOut:
        textOut(p);
        break;
    case ExtTextOut:
        extTextOut(p);
        break;
    case StretchDib:
    case DibStretchBlt:
    case DibBitBlt:
    case SetDibToDev:
    case PatBlt:
        bitmapRecord(record, p);
        break;
    case FillRegion:
    case PaintRegion:
    case FrameRegion:
    case InvertRegion:
        regionRecord(record.function, p);
        break;
    default:
        return false;
    }
    return true;
}

} // namespace terralore
