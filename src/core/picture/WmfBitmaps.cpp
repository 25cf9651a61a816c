// Bitmap records (StretchDIB, DIBStretchBlt, DIBBitBlt, SetDIBitsToDevice) and PatBlt.
#include "picture/WmfContext.h"

#include "picture/ByteView.h"
#include "picture/WmfRecordCheck.h"

#include <QPaintEngine>

namespace terralore {

using namespace wmf;

namespace {

struct Placement {
    QRectF dest;   // logical; a negative size mirrors
    QRectF source; // bitmap pixels, top row first
};

QRectF destRect(const WmfParams &p, qsizetype heightWord)
{
    // height, width, y, x
    return QRectF(p.s16(heightWord + 3), p.s16(heightWord + 2), p.s16(heightWord + 1), p.s16(heightWord));
}

// Source rectangle given as height, width, y, x (or y, x with the size of dest).
QRectF sourceRect(const WmfParams &p, qsizetype word, bool hasSize, const QRectF &dest)
{
    if (hasSize)
        return QRectF(p.s16(word + 3), p.s16(word + 2), p.s16(word + 1), p.s16(word));
    return QRectF(p.s16(word + 1), p.s16(word), qAbs(dest.width()), qAbs(dest.height()));
}

bool dibIsBottomUp(const WmfParams &p, qsizetype dibWord)
{
    const QByteArrayView dib = p.bytes(dibWord, 12);
    return readU32(dib, 0) == 12 || readS32(dib, 8) > 0;
}

bool supportsRasterOps(const QPainter &painter)
{
    const QPaintEngine *engine = painter.paintEngine();
    return engine && engine->hasFeature(QPaintEngine::RasterOpModes);
}

} // namespace

void WmfContext::bitmapRecord(const WmfRecord &record, const WmfParams &p)
{
    const QImage *image = record.image >= 0 ? &m_doc.images[size_t(record.image)] : nullptr;
    const bool withBitmap = wmfcheck::dibPlace(record.function, p).word >= 0;
    Placement at;
    switch (record.function) {
    case StretchDib:
        at.dest = destRect(p, 7);
        at.source = sourceRect(p, 3, true, at.dest);
        // Its source y counts from the bottom row of a bottom-up bitmap.
        if (image && dibIsBottomUp(p, 11))
            at.source.moveTop(image->height() - at.source.bottom());
        break;
    case DibStretchBlt:
        at.dest = destRect(p, withBitmap ? 6 : 7);
        at.source = sourceRect(p, 2, true, at.dest);
        break;
    case DibBitBlt:
        at.dest = destRect(p, withBitmap ? 4 : 5);
        at.source = sourceRect(p, 2, false, at.dest);
        break;
    case SetDibToDev:
        at.dest = destRect(p, 5);
        at.source = QRectF(p.s16(4), p.s16(3), at.dest.width(), at.dest.height());
        if (image && dibIsBottomUp(p, 9))
            at.source.moveTop(image->height() - at.source.bottom());
        break;
    case PatBlt:
        at.dest = destRect(p, 2);
        break;
    default:
        return;
    }
    const quint32 rop = record.function == SetDibToDev ? quint32(RopSrcCopy) : p.u32(0);
    if (image)
        blit(at.dest, image, at.source, rop);
    else if (!withBitmap)
        fillRop(at.dest, rop);
}

void WmfContext::blit(const QRectF &dest, const QImage *image, QRectF source, quint32 rop)
{
    source = source.normalized().intersected(QRectF(image->rect()));
    if (source.isEmpty() || dest.width() == 0 || dest.height() == 0)
        return;
    // Bitmap pixels to logical units, so mirrored and anisotropic placements come out right.
    QTransform toLogical = QTransform::fromTranslate(-source.x(), -source.y()) *
                           QTransform::fromScale(dest.width() / source.width(), dest.height() / source.height()) *
                           QTransform::fromTranslate(dest.x(), dest.y());
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    const bool rasterOps = supportsRasterOps(m_painter);
    switch (rop) {
    case RopSrcAnd:
        mode = rasterOps ? QPainter::RasterOp_SourceAndDestination : QPainter::CompositionMode_Multiply;
        break;
    case RopSrcPaint:
        mode = rasterOps ? QPainter::RasterOp_SourceOrDestination : QPainter::CompositionMode_Lighten;
        break;
    case RopSrcInvert:
        mode = rasterOps ? QPainter::RasterOp_SourceXorDestination : QPainter::CompositionMode_Difference;
        break;
    default:
        break; // SRCCOPY, and any other operation with a source, copies it
    }
    m_painter.save();
    m_painter.setCompositionMode(mode);
    m_painter.setWorldTransform(toLogical * m_transform);
    const bool sharp =
        m_dc.stretchMode == ColorOnColor || m_dc.stretchMode == BlackOnWhite || m_dc.stretchMode == WhiteOnBlack;
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, !sharp);
    m_painter.drawImage(source, *image, source);
    m_painter.restore();
}

void WmfContext::fillRop(const QRectF &dest, quint32 rop)
{
    const QPolygonF area = m_transform.map(QPolygonF(dest.normalized()));
    m_painter.save();
    m_painter.setPen(Qt::NoPen);
    switch (rop) {
    case RopBlackness:
        m_painter.setBrush(Qt::black);
        break;
    case RopWhiteness:
        m_painter.setBrush(Qt::white);
        break;
    case RopDstInvert:
        m_painter.setCompositionMode(QPainter::CompositionMode_Difference);
        m_painter.setBrush(Qt::white);
        break;
    case RopPatCopy:
    case RopPatInvert:
        m_painter.setBrush(deviceBrush());
        m_painter.setBackground(m_dc.bkColor);
        m_painter.setBackgroundMode(m_dc.bkMode == Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
        break;
    default:
        m_painter.restore();
        return; // operations that only read the destination leave it alone
    }
    m_painter.drawPolygon(area);
    m_painter.restore();
}

} // namespace terralore
