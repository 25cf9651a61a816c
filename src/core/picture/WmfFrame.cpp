#include "picture/WmfFrame.h"

#include "picture/WmfTypes.h"

#include <optional>

namespace terralore::wmfframe {

namespace {

using namespace wmf;

int metricUnitsPerInch(int mode)
{
    switch (mode) {
    case MmLoMetric:
        return 254;
    case MmHiMetric:
        return 2540;
    case MmLoEnglish:
        return 100;
    case MmHiEnglish:
        return 1000;
    case MmTwips:
        return 1440;
    default:
        return 0;
    }
}

QRectF pointRect(const WmfParams &p, qsizetype yWord)
{
    return QRectF(QPointF(p.s16(yWord + 1), p.s16(yWord)), QSizeF(0, 0));
}

// Rectangle given as bottom, right, top, left from word at.
QRectF boxRect(const WmfParams &p, qsizetype at)
{
    return QRectF(QPointF(p.s16(at + 3), p.s16(at + 2)), QPointF(p.s16(at + 1), p.s16(at))).normalized();
}

QRectF pointsRect(const WmfParams &p, qsizetype at, qsizetype count)
{
    std::optional<QRectF> box;
    for (qsizetype i = 0; i < count; ++i) {
        const QRectF r(QPointF(p.s16(at + 2 * i), p.s16(at + 2 * i + 1)), QSizeF(0, 0));
        box = box ? box->united(r) : r;
    }
    return box.value_or(QRectF());
}

// Logical extent of a drawing record, or nullopt for records that draw nothing.
std::optional<QRectF> drawnExtent(quint16 function, const WmfParams &p)
{
    switch (function) {
    case MoveTo:
    case LineTo:
        return pointRect(p, 0);
    case SetPixel:
        return pointRect(p, 2);
    case Rectangle:
    case Ellipse:
        return boxRect(p, 0);
    case RoundRect:
        return boxRect(p, 2);
    case Arc:
    case Pie:
    case Chord:
        return boxRect(p, 4);
    case Polygon:
    case Polyline:
        return pointsRect(p, 1, p.u16(0));
    case PolyPolygon: {
        const qsizetype polygons = p.u16(0);
        qsizetype points = 0;
        for (qsizetype i = 0; i < polygons; ++i)
            points += p.u16(1 + i);
        return pointsRect(p, 1 + polygons, points);
    }
    case TextOut:
        return pointRect(p, 1 + (p.u16(0) + 1) / 2);
    case ExtTextOut:
        return pointRect(p, 0);
    case PatBlt:
        return QRectF(p.s16(5), p.s16(4), p.s16(3), p.s16(2)).normalized();
    case StretchDib:
        return QRectF(p.s16(10), p.s16(9), p.s16(8), p.s16(7)).normalized();
    case DibStretchBlt:
        return p.size() == (function >> 8) ? QRectF(p.s16(10), p.s16(9), p.s16(8), p.s16(7)).normalized()
                                           : QRectF(p.s16(9), p.s16(8), p.s16(7), p.s16(6)).normalized();
    case DibBitBlt:
        return p.size() == (function >> 8) ? QRectF(p.s16(8), p.s16(7), p.s16(6), p.s16(5)).normalized()
                                           : QRectF(p.s16(7), p.s16(6), p.s16(5), p.s16(4)).normalized();
    case SetDibToDev:
        return QRectF(p.s16(8), p.s16(7), p.s16(6), p.s16(5)).normalized();
    default:
        return std::nullopt;
    }
}

struct Scan {
    int mode = MmText;
    QPointF windowOrg;
    QPointF viewportOrg;
    std::optional<QRectF> window; // first window in a mode that has extents
    std::optional<QPointF> windowOrgForExtent;
    std::optional<QRectF> drawn; // bounds of the drawing, in device orientation

    QRectF toDevice(const QRectF &logical) const
    {
        const double flip = metricUnitsPerInch(mode) ? -1.0 : 1.0;
        const QPointF a(logical.left() - windowOrg.x(), (logical.top() - windowOrg.y()) * flip);
        const QPointF b(logical.right() - windowOrg.x(), (logical.bottom() - windowOrg.y()) * flip);
        return QRectF(a, b).normalized().translated(viewportOrg);
    }

    void visit(quint16 function, const WmfParams &p)
    {
        switch (function) {
        case SetMapMode:
            mode = p.u16(0);
            return;
        case SetWindowOrg:
            windowOrg = QPointF(p.s16(1), p.s16(0));
            return;
        case OffsetWindowOrg:
            windowOrg += QPointF(p.s16(1), p.s16(0));
            return;
        case SetViewportOrg:
            viewportOrg = QPointF(p.s16(1), p.s16(0));
            return;
        case SetWindowExt:
            if (!window && !metricUnitsPerInch(mode) && p.s16(0) != 0 && p.s16(1) != 0) {
                window = QRectF(windowOrg, QSizeF(p.s16(1), p.s16(0))).normalized();
                windowOrgForExtent = windowOrg;
            }
            return;
        default:
            break;
        }
        if (const std::optional<QRectF> extent = drawnExtent(function, p)) {
            const QRectF device = toDevice(*extent);
            drawn = drawn ? drawn->united(device) : device;
        }
    }
};

} // namespace

bool settle(WmfDocument &doc)
{
    if (doc.placeable && doc.frame.width() > 0 && doc.frame.height() > 0) {
        if (doc.unitsPerInch <= 0)
            doc.unitsPerInch = 1440;
        doc.windowOrg = doc.frame.topLeft();
        return true;
    }
    Scan scan;
    for (const WmfRecord &record : doc.records)
        scan.visit(record.function, doc.params(record));

    if (scan.window) {
        doc.frame = *scan.window;
        doc.unitsPerInch = 1440;
        doc.windowOrg = *scan.windowOrgForExtent;
        doc.deviceOrigin = QPointF();
        return true;
    }
    if (!scan.drawn)
        return false;
    const QRectF drawn = *scan.drawn;
    doc.frame = QRectF(drawn.topLeft(), QSizeF(qMax(drawn.width(), 1.0), qMax(drawn.height(), 1.0)));
    const int metric = metricUnitsPerInch(scan.mode);
    doc.unitsPerInch = metric ? metric : 1440;
    doc.windowOrg = QPointF();
    doc.deviceOrigin = drawn.topLeft();
    return true;
}

} // namespace terralore::wmfframe
