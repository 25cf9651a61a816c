// Lines, polygons, rectangles, ellipses and arcs with the selected pen and brush.
#include "picture/WmfContext.h"

#include <QtMath>

namespace terralore {

using namespace wmf;

namespace {

QList<qreal> dashPattern(int style)
{
    // Lengths in pen widths, as the classic one-pixel styled pens draw them.
    switch (style) {
    case PsDash:
        return {18, 6};
    case PsDot:
        return {3, 3};
    case PsDashDot:
        return {9, 6, 3, 6};
    case PsDashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

Qt::BrushStyle hatchPattern(int hatch)
{
    switch (hatch) {
    case HsHorizontal:
        return Qt::HorPattern;
    case HsVertical:
        return Qt::VerPattern;
    case HsFDiagonal:
        return Qt::FDiagPattern;
    case HsBDiagonal:
        return Qt::BDiagPattern;
    case HsCross:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

// Angle of a point on the box's ellipse, as QPainterPath::arcTo counts them.
double ellipseAngle(const QRectF &box, QPointF point)
{
    const QPointF d = point - box.center();
    return qRadiansToDegrees(std::atan2(-d.y() / (box.height() / 2), d.x() / (box.width() / 2)));
}

QColor ropColor(int rop2, const QColor &color)
{
    if (rop2 == R2Black)
        return Qt::black;
    if (rop2 == R2White)
        return Qt::white;
    return color;
}

QPolygonF pointsAt(const WmfParams &p, qsizetype at, qsizetype count)
{
    QPolygonF points;
    points.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        points.append(QPointF(p.s16(at + 2 * i), p.s16(at + 2 * i + 1)));
    return points;
}

} // namespace

bool WmfContext::drawsNothing() const
{
    return m_dc.rop2 == R2Nop;
}

QPen WmfContext::devicePen() const
{
    const int style = m_dc.pen.style & PsStyleMask;
    if (style == PsNull)
        return Qt::NoPen;
    const double pixel = qMax(1.0, m_pixelScale);
    QPen pen(ropColor(m_dc.rop2, m_dc.pen.color), qMax(m_dc.pen.width * scaleX(), pixel));
    // We draw in device pixels, so a one-pixel pen may as well take the
    // engine's fast cosmetic stroker.
    pen.setCosmetic(pen.widthF() <= 1.0);
    const QList<qreal> dashes = dashPattern(style);
    if (!dashes.isEmpty() && pen.widthF() <= 1.5 * pixel) {
        pen.setDashPattern(dashes);
        pen.setCapStyle(Qt::FlatCap);
        return pen;
    }
    const int cap = m_dc.pen.style & PsEndCapMask;
    pen.setCapStyle(cap == PsEndCapFlat ? Qt::FlatCap : cap == PsEndCapSquare ? Qt::SquareCap : Qt::RoundCap);
    const int join = m_dc.pen.style & PsJoinMask;
    pen.setJoinStyle(join == PsJoinBevel ? Qt::BevelJoin : join == PsJoinMiter ? Qt::MiterJoin : Qt::RoundJoin);
    return pen;
}

QBrush WmfContext::deviceBrush() const
{
    const WmfBrush &b = m_dc.brush;
    QBrush brush;
    switch (b.style) {
    case BsNull:
        return Qt::NoBrush;
    case BsHatched:
        brush = QBrush(ropColor(m_dc.rop2, b.color), hatchPattern(b.hatch));
        break;
    case BsPattern:
    case BsDibPattern:
    case BsDibPatternPt:
        brush = b.pattern.isNull() ? QBrush(ropColor(m_dc.rop2, b.color)) : QBrush(b.pattern);
        break;
    default:
        return QBrush(ropColor(m_dc.rop2, b.color));
    }
    // Hatches and patterns are drawn in picture pixels so they keep their look at any scale.
    brush.setTransform(QTransform::fromScale(m_pixelScale, m_pixelScale));
    return brush;
}

QRectF WmfContext::insetBox(const QRectF &box) const
{
    // An inside-frame pen keeps the whole line within the figure's box.
    if ((m_dc.pen.style & PsStyleMask) != PsInsideFrame || m_dc.pen.width <= 0)
        return box;
    const double half = m_dc.pen.width / 2;
    return box.adjusted(half, half, -half, -half);
}

bool WmfContext::preparePainter(bool fill)
{
    if (drawsNothing())
        return false;
    m_painter.setPen(devicePen());
    m_painter.setBrush(fill ? deviceBrush() : QBrush(Qt::NoBrush));
    m_painter.setBackground(m_dc.bkColor);
    m_painter.setBackgroundMode(m_dc.bkMode == Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    return true;
}

void WmfContext::strokeAndFill(const QPainterPath &logicalPath, bool fill)
{
    if (preparePainter(fill))
        m_painter.drawPath(m_transform.map(logicalPath));
}

void WmfContext::lineTo(QPointF to)
{
    QPainterPath path(m_dc.position);
    path.lineTo(to);
    strokeAndFill(path, false);
    m_dc.position = to;
}

void WmfContext::polyline(const WmfParams &p)
{
    QPainterPath path;
    path.addPolygon(pointsAt(p, 1, p.u16(0)));
    strokeAndFill(path, false);
}

void WmfContext::polygon(const WmfParams &p)
{
    QPainterPath path;
    path.addPolygon(pointsAt(p, 1, p.u16(0)));
    path.closeSubpath();
    path.setFillRule(m_dc.polyFill == Winding ? Qt::WindingFill : Qt::OddEvenFill);
    strokeAndFill(path, true);
}

void WmfContext::polyPolygon(const WmfParams &p)
{
    const qsizetype polygons = p.u16(0);
    qsizetype at = 1 + polygons;
    QPainterPath path;
    for (qsizetype i = 0; i < polygons; ++i) {
        const qsizetype count = p.u16(1 + i);
        path.addPolygon(pointsAt(p, at, count));
        path.closeSubpath();
        at += 2 * count;
    }
    path.setFillRule(m_dc.polyFill == Winding ? Qt::WindingFill : Qt::OddEvenFill);
    strokeAndFill(path, true);
}

void WmfContext::boxFigure(quint16 function, QRectF box, QSizeF corner)
{
    box = insetBox(box.normalized());
    // Upright rectangles and ellipses take the paint engine's faster paths.
    if (function != RoundRect && m_transform.type() <= QTransform::TxScale) {
        if (!preparePainter(true))
            return;
        const QRectF device = m_transform.mapRect(box);
        if (function == Ellipse)
            m_painter.drawEllipse(device);
        else
            m_painter.drawRect(device);
        return;
    }
    QPainterPath path;
    if (function == Ellipse)
        path.addEllipse(box);
    else if (function == RoundRect)
        path.addRoundedRect(box, qAbs(corner.width()) / 2, qAbs(corner.height()) / 2);
    else
        path.addRect(box);
    strokeAndFill(path, true);
}

void WmfContext::arc(quint16 function, const WmfParams &p)
{
    QRectF box = QRectF(QPointF(p.s16(7), p.s16(6)), QPointF(p.s16(5), p.s16(4))).normalized();
    const QPointF start(p.s16(3), p.s16(2));
    const QPointF end(p.s16(1), p.s16(0));
    if (box.width() <= 0 || box.height() <= 0)
        return;
    if (function != Arc)
        box = insetBox(box);
    const double a1 = ellipseAngle(box, start);
    const double a2 = ellipseAngle(box, end);
    // Arcs run counter-clockwise on the device; a mapping that flips an axis
    // turns that into clockwise in logical coordinates.
    const bool flipped = m_transform.determinant() < 0;
    double sweep = std::fmod((flipped ? a1 - a2 : a2 - a1) + 720.0, 360.0);
    if (sweep <= 0)
        sweep = 360;
    if (flipped)
        sweep = -sweep;
    QPainterPath path;
    if (function == Pie)
        path.moveTo(box.center());
    else
        path.arcMoveTo(box, a1);
    path.arcTo(box, a1, sweep);
    if (function != Arc)
        path.closeSubpath();
    strokeAndFill(path, function != Arc);
}

void WmfContext::setPixel(const WmfParams &p)
{
    if (drawsNothing())
        return;
    const QPointF at = map(QPointF(p.s16(3), p.s16(2)));
    const double size = qMax(1.0, m_pixelScale);
    m_painter.fillRect(QRectF(at, QSizeF(size, size)), colorFromRef(p.u32(0)));
}

} // namespace terralore
