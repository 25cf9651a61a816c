#include "picture/WmfContext.h"

#include "picture/WmfReader.h"

#include <QtMath>

namespace terralore {

using namespace wmf;

namespace {
constexpr double kReferenceDpi = 96.0;
}

WmfContext::WmfContext(const WmfDocument &doc, QPainter &painter, const QRectF &target)
    : m_doc(doc), m_painter(painter), m_objects(WmfLimits::maxObjects), m_fonts(painter.device())
{
    m_painter.save();
    m_base = m_painter.worldTransform();
    if (m_painter.hasClipping())
        m_callerClip = m_base.map(m_painter.clipRegion());

    const QSizeF size = doc.frame.size();
    m_frameToDevice = QTransform::fromTranslate(-doc.deviceOrigin.x(), -doc.deviceOrigin.y()) *
                      QTransform::fromScale(target.width() / size.width(), target.height() / size.height()) *
                      QTransform::fromTranslate(target.x(), target.y()) * m_base;
    const double naturalWidth = size.width() * kReferenceDpi / doc.unitsPerInch;
    const double deviceWidth = m_base.map(QLineF(0, 0, target.width(), 0)).length();
    m_pixelScale = naturalWidth > 0 ? deviceWidth / naturalWidth : 1.0;

    const QPaintDevice *device = m_painter.device();
    m_deviceArea = QRectF(-2, -2, device->width() + 4, device->height() + 4);
    m_painter.setWorldTransform(QTransform());
    m_painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    m_dc.windowOrg = doc.windowOrg;
    m_dc.windowExt = size;
    m_dc.viewportExt = size;
    mappingChanged();
}

WmfContext::~WmfContext()
{
    m_painter.restore();
}

void WmfContext::play()
{
    for (const WmfRecord &record : m_doc.records)
        dispatch(record, m_doc.params(record));
}

void WmfContext::dispatch(const WmfRecord &record, const WmfParams &p)
{
    if (dispatchState(record.function, p) || dispatchMapping(record.function, p) || dispatchObjects(record, p))
        return;
    // Palettes, escapes, flood fills and the like are accepted and ignored.
    dispatchDrawing(record, p);
}

bool WmfContext::dispatchState(quint16 function, const WmfParams &p)
{
    switch (function) {
    case SetBkMode:
        m_dc.bkMode = p.u16(0);
        return true;
    case SetBkColor:
        m_dc.bkColor = colorFromRef(p.u32(0));
        return true;
    case SetTextColor:
        m_dc.textColor = colorFromRef(p.u32(0));
        return true;
    case SetPolyFillMode:
        m_dc.polyFill = p.u16(0);
        return true;
    case SetTextAlign:
        m_dc.textAlign = p.u16(0);
        return true;
    case SetTextCharExtra:
        m_dc.charExtra = p.s16(0);
        return true;
    case SetRop2:
        m_dc.rop2 = p.u16(0);
        return true;
    case SetStretchBltMode:
        m_dc.stretchMode = p.u16(0);
        return true;
    case SaveDC:
        saveState();
        return true;
    case RestoreDC:
        restoreState(p.s16(0));
        return true;
    case MoveTo:
        m_dc.position = QPointF(p.s16(1), p.s16(0));
        return true;
    case IntersectClipRect:
        intersectClipRect(QRectF(QPointF(p.s16(3), p.s16(2)), QPointF(p.s16(1), p.s16(0))));
        return true;
    case ExcludeClipRect:
        excludeClipRect(QRectF(QPointF(p.s16(3), p.s16(2)), QPointF(p.s16(1), p.s16(0))));
        return true;
    case OffsetClipRgn:
        offsetClip(QPointF(p.s16(1), p.s16(0)));
        return true;
    case SelectClipRegion:
        selectClipRegion(p.u16(0));
        return true;
    default:
        return false;
    }
}

bool WmfContext::dispatchMapping(quint16 function, const WmfParams &p)
{
    const QPointF point(p.s16(1), p.s16(0));
    const QSizeF extent(p.s16(1), p.s16(0));
    switch (function) {
    case SetMapMode:
        m_dc.mapMode = qBound(int(MmText), int(p.u16(0)), int(MmAnisotropic));
        break;
    case SetWindowOrg:
        m_dc.windowOrg = point;
        break;
    case SetWindowExt:
        m_dc.windowExt = extent;
        break;
    case SetViewportOrg:
        m_dc.viewportOrg = point;
        break;
    case SetViewportExt:
        m_dc.viewportExt = extent;
        break;
    case OffsetWindowOrg:
        m_dc.windowOrg += point;
        break;
    case OffsetViewportOrg:
        m_dc.viewportOrg += point;
        break;
    case ScaleWindowExt:
        m_dc.windowExt = scaledExtent(m_dc.windowExt, p);
        break;
    case ScaleViewportExt:
        m_dc.viewportExt = scaledExtent(m_dc.viewportExt, p);
        break;
    default:
        return false;
    }
    mappingChanged();
    return true;
}

bool WmfContext::dispatchObjects(const WmfRecord &record, const WmfParams &p)
{
    switch (record.function) {
    case CreatePenIndirect:
        m_objects.add(p.size() ? WmfObject(penFromRecord(p)) : WmfObject());
        return true;
    case CreateBrushIndirect:
        m_objects.add(p.size() ? WmfObject(brushFromRecord(p)) : WmfObject());
        return true;
    case DibCreatePatternBrush: {
        const QImage pattern = record.image >= 0 ? m_doc.images[size_t(record.image)] : QImage();
        m_objects.add(p.size() ? WmfObject(patternBrushFromRecord(p, pattern)) : WmfObject());
        return true;
    }
    case CreatePatternBrush:
        m_objects.add(p.size() ? WmfObject(patternBrushFromRecord(p, QImage())) : WmfObject());
        return true;
    case CreateFontIndirect:
        m_objects.add(p.size() ? WmfObject(fontFromRecord(p)) : WmfObject());
        return true;
    case CreateRegion:
        m_objects.add(p.size() ? WmfObject(regionFromRecord(p)) : WmfObject());
        return true;
    case CreatePalette:
        m_objects.add(WmfObject());
        return true;
    case SelectObject:
        selectObject(p.u16(0));
        return true;
    case DeleteObject:
        m_objects.remove(p.u16(0));
        return true;
    default:
        return false;
    }
}

void WmfContext::selectObject(int index)
{
    const WmfObject *object = m_objects.find(index);
    if (!object)
        return;
    if (const auto *pen = std::get_if<WmfPen>(object))
        m_dc.pen = *pen;
    else if (const auto *brush = std::get_if<WmfBrush>(object))
        m_dc.brush = *brush;
    else if (const auto *font = std::get_if<WmfFont>(object))
        m_dc.font = *font;
    else if (std::holds_alternative<WmfRegionObject>(*object))
        selectClipRegion(index); // selecting a region sets the clip, as GDI does
}

void WmfContext::saveState()
{
    if (int(m_saved.size()) >= WmfLimits::maxSavedStates) {
        ++m_lostSaves; // counted so that the matching restores still pair up
        return;
    }
    m_saved.push_back(m_dc);
}

void WmfContext::restoreState(int which)
{
    if (which < 0 && m_lostSaves > 0) {
        const int fromLost = qMin(m_lostSaves, -which);
        m_lostSaves -= fromLost;
        which += fromLost;
        if (which == 0)
            return;
    }
    // Negative: relative to the latest save (-1 is the latest); positive: the n-th save.
    const qsizetype index = which < 0 ? qsizetype(m_saved.size()) + which : qsizetype(which) - 1;
    if (which == 0 || index < 0 || index >= qsizetype(m_saved.size()))
        return;
    m_dc = m_saved[size_t(index)];
    m_saved.resize(size_t(index));
    mappingChanged();
    applyClip();
}

void WmfContext::mappingChanged()
{
    m_transform = logicalToFrameUnits(m_dc, m_doc.unitsPerInch) * m_frameToDevice;
}

double WmfContext::scaleX() const
{
    return std::hypot(m_transform.m11(), m_transform.m12());
}

double WmfContext::scaleY() const
{
    return std::hypot(m_transform.m21(), m_transform.m22());
}

} // namespace terralore
