#pragma once

#include "picture/WmfDocument.h"
#include "picture/WmfFonts.h"
#include "picture/WmfState.h"

#include <QPainter>
#include <QPainterPath>

#include <vector>

namespace terralore {

// One playback of a document onto a painter. Its parts live in files by
// job: WmfContext.cpp (records and state), WmfShapes.cpp, WmfText.cpp,
// WmfBitmaps.cpp and WmfClip.cpp.
class WmfContext {
public:
    WmfContext(const WmfDocument &doc, QPainter &painter, const QRectF &target);
    ~WmfContext();
    WmfContext(const WmfContext &) = delete;
    WmfContext &operator=(const WmfContext &) = delete;

    void play();

private:
    void dispatch(const WmfRecord &record, const WmfParams &p);
    bool dispatchState(quint16 function, const WmfParams &p);
    bool dispatchMapping(quint16 function, const WmfParams &p);
    bool dispatchObjects(const WmfRecord &record, const WmfParams &p);
    bool dispatchDrawing(const WmfRecord &record, const WmfParams &p);

    // State and mapping.
    void saveState();
    void restoreState(int which);
    void mappingChanged();
    QPointF map(QPointF logical) const { return m_transform.map(logical); }
    double scaleX() const;
    double scaleY() const;

    // Objects.
    void selectObject(int index);

    // Shapes (WmfShapes.cpp).
    bool drawsNothing() const;
    QPen devicePen() const;
    QBrush deviceBrush() const;
    QRectF insetBox(const QRectF &box) const;
    void strokeAndFill(const QPainterPath &logicalPath, bool fill);
    void lineTo(QPointF to);
    void polyline(const WmfParams &p);
    void polygon(const WmfParams &p);
    void polyPolygon(const WmfParams &p);
    void boxFigure(quint16 function, QRectF box, QSizeF corner = {});
    void arc(quint16 function, const WmfParams &p);
    void setPixel(const WmfParams &p);

    // Text (WmfText.cpp).
    void textOut(const WmfParams &p);
    void extTextOut(const WmfParams &p);
    void drawText(QPointF at, QByteArrayView bytes, const std::vector<double> &dx);
    const WmfRealizedFont &realizedFont();

    // Bitmaps (WmfBitmaps.cpp).
    void bitmapRecord(const WmfRecord &record, const WmfParams &p);
    void blit(const QRectF &dest, const QImage *image, QRectF source, quint32 rop);
    void fillRop(const QRectF &dest, quint32 rop);

    // Clipping and regions (WmfClip.cpp).
    QRegion deviceRegion(const QRectF &logical) const;
    QRegion deviceRegion(const QRegion &logical) const;
    void setClip(std::optional<QRegion> clip);
    void applyClip();
    void intersectClipRect(const QRectF &logical);
    void excludeClipRect(const QRectF &logical);
    void selectClipRegion(int index);
    void offsetClip(QPointF logicalOffset);
    void regionRecord(quint16 function, const WmfParams &p);
    const QRegion *regionObject(int index) const;

    const WmfDocument &m_doc;
    QPainter &m_painter;
    QTransform m_base; // the painter's own transform when we started
    QTransform m_frameToDevice;
    QTransform m_transform;  // logical units to device pixels, for the current state
    double m_pixelScale = 1; // device pixels per 1/96 inch of the picture as placed
    std::optional<QRegion> m_callerClip;
    QRectF m_deviceArea; // the paint device's pixels, with a little margin

    WmfDcState m_dc;
    std::vector<WmfDcState> m_saved;
    int m_lostSaves = 0; // saves past the depth limit
    WmfObjectTable m_objects;
    WmfFontCache m_fonts;
};

} // namespace terralore
