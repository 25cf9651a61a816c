#include "picture/WmfRecordCheck.h"

#include "picture/WmfTypes.h"

namespace terralore::wmfcheck {

namespace {

using namespace wmf;

// Fewest parameter words each known record needs; -1 marks records whose
// length is checked by their own function below.
qsizetype minimumWords(quint16 function)
{
    switch (function) {
    case SaveDC:
    case RealizePalette:
        return 0;
    case SetBkMode:
    case SetMapMode:
    case SetRop2:
    case SetRelAbs:
    case SetPolyFillMode:
    case SetStretchBltMode:
    case SetTextCharExtra:
    case RestoreDC:
    case InvertRegion:
    case PaintRegion:
    case SelectClipRegion:
    case SelectObject:
    case SetTextAlign:
    case ResizePalette:
    case SetLayout:
    case DeleteObject:
    case SelectPalette:
        return 1;
    case SetBkColor:
    case SetTextColor:
    case SetTextJustification:
    case SetWindowOrg:
    case SetWindowExt:
    case SetViewportOrg:
    case SetViewportExt:
    case OffsetWindowOrg:
    case OffsetViewportOrg:
    case LineTo:
    case MoveTo:
    case OffsetClipRgn:
    case FillRegion:
    case SetMapperFlags:
    case Escape:
    case CreatePatternBrush:
        return 2;
    case ScaleWindowExt:
    case ScaleViewportExt:
    case ExcludeClipRect:
    case IntersectClipRect:
    case Ellipse:
    case FloodFill:
    case Rectangle:
    case SetPixel:
    case FrameRegion:
    case CreateBrushIndirect:
        return 4;
    case CreatePenIndirect:
    case ExtFloodFill:
        return 5;
    case RoundRect:
    case PatBlt:
        return 6;
    case Arc:
    case Pie:
    case Chord:
        return 8;
    case CreateFontIndirect:
        return 9;
    default:
        return -1;
    }
}

qint64 pointList(const WmfParams &p)
{
    const qint64 count = p.u16(0);
    return 1 + 2 * count <= p.size() ? qMax<qint64>(count, 1) : -1;
}

qint64 polyPolygon(const WmfParams &p)
{
    const qint64 polygons = p.u16(0);
    if (1 + polygons > p.size())
        return -1;
    qint64 points = 0;
    for (qint64 i = 0; i < polygons; ++i)
        points += p.u16(1 + i);
    return 1 + polygons + 2 * points <= p.size() ? qMax<qint64>(points, 1) : -1;
}

qint64 textOut(const WmfParams &p)
{
    const qint64 length = p.u16(0);
    return 1 + (length + 1) / 2 + 2 <= p.size() ? qMax<qint64>(length, 1) : -1;
}

qint64 extTextOut(const WmfParams &p)
{
    if (p.size() < 4)
        return -1;
    const qint64 length = p.u16(2);
    const qint64 rect = (p.u16(3) & (EtoOpaque | EtoClipped)) ? 4 : 0;
    return 4 + rect + (length + 1) / 2 <= p.size() ? qMax<qint64>(length, 1) : -1;
}

qint64 region(const WmfParams &p)
{
    constexpr qsizetype kScansStart = 11;
    if (p.size() < kScansStart)
        return -1;
    const qint64 scans = p.u16(5);
    qsizetype at = kScansStart;
    qint64 pairs = 0;
    for (qint64 i = 0; i < scans; ++i) {
        const qsizetype count = p.u16(at);
        if (at + 4 + count > p.size())
            return -1;
        pairs += count / 2;
        at += 4 + count;
    }
    return qMax<qint64>(pairs, 1);
}

qint64 paletteEntries(const WmfParams &p)
{
    const qint64 count = p.u16(1);
    return 2 + 2 * count <= p.size() ? 1 : -1;
}

bool hasBitmap(quint16 function, const WmfParams &p)
{
    // These records say "no bitmap" by being exactly their fixed size.
    return p.size() != (function >> 8);
}

} // namespace

DibPlace dibPlace(quint16 function, const WmfParams &p)
{
    switch (function) {
    case DibCreatePatternBrush:
        return {2, p.u16(1)};
    case StretchDib:
        return {11, p.u16(2)};
    case SetDibToDev:
        return {9, p.u16(0)};
    case DibBitBlt:
        return hasBitmap(function, p) ? DibPlace{8, DibRgbColors} : DibPlace{};
    case DibStretchBlt:
        return hasBitmap(function, p) ? DibPlace{10, DibRgbColors} : DibPlace{};
    default:
        return {};
    }
}

qint64 recordCost(quint16 function, const WmfParams &p)
{
    switch (function) {
    case Polygon:
    case Polyline:
        return pointList(p);
    case PolyPolygon:
        return polyPolygon(p);
    case TextOut:
        return textOut(p);
    case ExtTextOut:
        return extTextOut(p);
    case CreateRegion:
        return region(p);
    case CreatePalette:
    case SetPalEntries:
    case AnimatePalette:
        return paletteEntries(p);
    case DibCreatePatternBrush:
    case StretchDib:
    case SetDibToDev:
    case DibBitBlt:
    case DibStretchBlt: {
        const DibPlace place = dibPlace(function, p);
        const qsizetype fixed = place.word >= 0 ? place.word : (function >> 8);
        return p.size() >= fixed ? 1 : -1;
    }
    default:
        break;
    }
    const qsizetype minimum = minimumWords(function);
    if (minimum < 0)
        return 0;
    return p.size() >= minimum ? 1 : -1;
}

} // namespace terralore::wmfcheck
