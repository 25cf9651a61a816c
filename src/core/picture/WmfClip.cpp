// Clipping (IntersectClipRect, ExcludeClipRect, SelectClipRegion, OffsetClipRgn)
// and the region drawing records.
#include "picture/WmfContext.h"

#include <QtMath>

namespace terralore {

using namespace wmf;

namespace {

// Rounds device coordinates that have already been bounded to the device.
QRect snapped(const QRectF &r)
{
    return QRect(QPoint(qRound(r.left()), qRound(r.top())), QPoint(qRound(r.right()) - 1, qRound(r.bottom()) - 1));
}

int boundedPixels(double value)
{
    return qRound(qBound(-1e8, value, 1e8));
}

} // namespace

// Clip regions are cut to the device first: a region only matters where
// the device is, and a forged rectangle millions of pixels across would
// otherwise cost millions of scanlines.
QRegion WmfContext::deviceRegion(const QRectF &logical) const
{
    if (m_transform.type() <= QTransform::TxScale) {
        const QRectF device = m_transform.mapRect(logical.normalized()).intersected(m_deviceArea);
        return device.isEmpty() ? QRegion() : QRegion(snapped(device));
    }
    const QPolygonF device = m_transform.map(QPolygonF(logical.normalized())).intersected(QPolygonF(m_deviceArea));
    return QRegion(device.toPolygon());
}

QRegion WmfContext::deviceRegion(const QRegion &logical) const
{
    std::vector<QRegion> parts;
    parts.reserve(size_t(logical.rectCount()));
    for (const QRect &r : logical)
        parts.push_back(deviceRegion(QRectF(r)));
    return uniteRegions(std::move(parts));
}

void WmfContext::setClip(std::optional<QRegion> clip)
{
    m_dc.clip = std::move(clip);
    applyClip();
}

void WmfContext::applyClip()
{
    if (m_dc.clip)
        m_painter.setClipRegion(m_callerClip ? m_dc.clip->intersected(*m_callerClip) : *m_dc.clip);
    else if (m_callerClip)
        m_painter.setClipRegion(*m_callerClip);
    else
        m_painter.setClipping(false);
}

void WmfContext::intersectClipRect(const QRectF &logical)
{
    const QRegion rect = deviceRegion(logical);
    setClip(m_dc.clip ? m_dc.clip->intersected(rect) : rect);
}

void WmfContext::excludeClipRect(const QRectF &logical)
{
    const QRegion rect = deviceRegion(logical);
    setClip((m_dc.clip ? *m_dc.clip : QRegion(snapped(m_deviceArea))).subtracted(rect));
}

const QRegion *WmfContext::regionObject(int index) const
{
    const WmfObject *object = m_objects.find(index);
    const auto *region = object ? std::get_if<WmfRegionObject>(object) : nullptr;
    return region ? &region->region : nullptr;
}

void WmfContext::selectClipRegion(int index)
{
    // Region coordinates are taken as logical units, as the drawing around them is.
    if (const QRegion *region = regionObject(index))
        setClip(deviceRegion(*region));
    else
        setClip(std::nullopt);
}

void WmfContext::offsetClip(QPointF logicalOffset)
{
    if (!m_dc.clip)
        return;
    const QPointF shift = map(logicalOffset) - map(QPointF());
    setClip(m_dc.clip->translated(boundedPixels(shift.x()), boundedPixels(shift.y())));
}

void WmfContext::regionRecord(quint16 function, const WmfParams &p)
{
    const QRegion *logical = regionObject(p.u16(0));
    if (!logical || drawsNothing())
        return;
    QRegion area = deviceRegion(*logical);
    QBrush brush = deviceBrush();
    if (function == FillRegion || function == FrameRegion) {
        const WmfObject *object = m_objects.find(p.u16(1));
        const auto *fill = object ? std::get_if<WmfBrush>(object) : nullptr;
        if (!fill)
            return;
        const WmfBrush selected = m_dc.brush;
        m_dc.brush = *fill;
        brush = deviceBrush();
        m_dc.brush = selected;
    }
    if (function == FrameRegion) {
        // The frame is what is left of the region once shrunk by the frame's width and height.
        const int w = qMax(1, boundedPixels(qAbs(p.s16(3)) * scaleX()));
        const int h = qMax(1, boundedPixels(qAbs(p.s16(2)) * scaleY()));
        const QRegion inner =
            area.translated(w, 0) & area.translated(-w, 0) & area.translated(0, h) & area.translated(0, -h);
        area -= inner;
    }
    m_painter.save();
    m_painter.setClipRegion(area, m_painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    if (function == InvertRegion) {
        m_painter.setCompositionMode(QPainter::CompositionMode_Difference);
        brush = QBrush(Qt::white);
    }
    m_painter.setBackground(m_dc.bkColor);
    m_painter.setBackgroundMode(m_dc.bkMode == Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.fillRect(area.boundingRect(), brush);
    m_painter.restore();
}

} // namespace terralore
