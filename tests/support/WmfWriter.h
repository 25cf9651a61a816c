#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPolygon>
#include <QRect>

namespace terralore::test {

// Writes metafiles record by record for tests: deterministic bytes, and
// nothing checked, so broken files are as easy to make as good ones.
class WmfWriter {
public:
    // A placeable square page of size units at 1440 units per inch: the
    // usual start of a test picture.
    static WmfWriter page(int size = 1000);
    // page() with no pen (object 0) and a solid brush of colour (object 1) selected.
    static WmfWriter filledPage(const QColor &colour, int size = 1000);

    // A placeable header; without it the file is a plain metafile.
    WmfWriter &placeable(const QRect &frame, int unitsPerInch);
    // A record of 16-bit parameters, in the order they are stored.
    WmfWriter &record(quint16 function, const QList<int> &words);
    WmfWriter &recordBytes(quint16 function, const QByteArray &params);
    // A record whose size field says words (parameters follow as given).
    WmfWriter &forgedRecord(quint32 sizeWords, quint16 function, const QByteArray &params);
    // Overrides the header's object count (otherwise counted from the records).
    WmfWriter &objectCount(int count);

    WmfWriter &setMapMode(int mode);
    WmfWriter &setWindowOrg(int x, int y);
    WmfWriter &setWindowExt(int width, int height);
    WmfWriter &setViewportOrg(int x, int y);
    WmfWriter &setViewportExt(int width, int height);

    WmfWriter &createPen(int style, int width, const QColor &color);
    WmfWriter &createBrush(int style, const QColor &color, int hatch = 0);
    WmfWriter &createFont(int height, const QByteArray &face, int weight = 400, int escapement = 0,
                          int charset = 0, int width = 0);
    WmfWriter &createRegion(const QList<QRect> &bands);
    WmfWriter &createPalette(int entries);
    WmfWriter &createPatternBrush(const QImage &pattern);
    WmfWriter &selectObject(int index);
    WmfWriter &deleteObject(int index);

    WmfWriter &setTextColor(const QColor &color);
    WmfWriter &setBkColor(const QColor &color);
    WmfWriter &setBkMode(int mode);
    WmfWriter &setTextAlign(int align);
    WmfWriter &setPolyFillMode(int mode);

    WmfWriter &moveTo(int x, int y);
    WmfWriter &lineTo(int x, int y);
    WmfWriter &rectangle(const QRect &box);
    WmfWriter &ellipse(const QRect &box);
    WmfWriter &roundRect(const QRect &box, const QSize &corner);
    WmfWriter &arc(quint16 function, const QRect &box, const QPoint &start, const QPoint &end);
    WmfWriter &polygon(const QPolygon &points);
    WmfWriter &polyline(const QPolygon &points);
    WmfWriter &polyPolygon(const QList<QPolygon> &polygons);

    WmfWriter &textOut(const QPoint &at, const QByteArray &text);
    WmfWriter &extTextOut(const QPoint &at, const QByteArray &text, int options = 0, const QRect &box = {},
                          const QList<int> &dx = {});

    WmfWriter &intersectClipRect(const QRect &box);
    WmfWriter &excludeClipRect(const QRect &box);

    // StretchDIB of the whole image into dest (logical), as a DIB of bitCount bits.
    WmfWriter &stretchDib(const QRect &dest, const QImage &image, int bitCount = 24,
                          quint32 rop = 0x00CC0020);

    // The image as a DIB (BITMAPINFOHEADER, colour table, bottom-up rows).
    static QByteArray dib(const QImage &image, int bitCount = 24);

    QByteArray finish() const;

    // Little-endian words, as the format stores them.
    static void put16(QByteArray &out, int value);
    static void put32(QByteArray &out, quint32 value);

private:
    QByteArray m_placeable;
    QByteArray m_records;
    quint32 m_maxRecord = 3;
    int m_objects = 0;
    int m_objectCount = -1;
};

} // namespace terralore::test
