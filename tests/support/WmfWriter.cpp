#include "WmfWriter.h"

#include "picture/WmfTypes.h"

namespace terralore::test {

using namespace wmf;

namespace {

quint32 colorRef(const QColor &c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

QList<int> colorWords(const QColor &c)
{
    const quint32 ref = colorRef(c);
    return {int(ref & 0xFFFF), int(ref >> 16)};
}

// Rectangles are stored bottom, right, top, left.
QList<int> boxWords(const QRect &r)
{
    return {r.y() + r.height(), r.x() + r.width(), r.y(), r.x()};
}

QList<int> pointWords(const QPolygon &points)
{
    QList<int> words;
    for (const QPoint &p : points)
        words << p.x() << p.y();
    return words;
}

} // namespace

void WmfWriter::put16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}

void WmfWriter::put32(QByteArray &out, quint32 value)
{
    put16(out, int(value & 0xFFFF));
    put16(out, int(value >> 16));
}

WmfWriter WmfWriter::page(int size)
{
    WmfWriter writer;
    writer.placeable(QRect(0, 0, size, size), 1440);
    return writer;
}

WmfWriter WmfWriter::filledPage(const QColor &colour, int size)
{
    WmfWriter writer = page(size);
    writer.createPen(PsNull, 0, Qt::black).selectObject(0);
    writer.createBrush(BsSolid, colour).selectObject(1);
    return writer;
}

WmfWriter &WmfWriter::placeable(const QRect &frame, int unitsPerInch)
{
    QByteArray h;
    put32(h, kPlaceableKey);
    put16(h, 0);
    for (int v : {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()})
        put16(h, v);
    put16(h, unitsPerInch);
    put32(h, 0);
    quint16 checksum = 0;
    for (int i = 0; i < h.size(); i += 2)
        checksum ^= quint16(uchar(h[i]) | (uchar(h[i + 1]) << 8));
    put16(h, checksum);
    m_placeable = h;
    return *this;
}

WmfWriter &WmfWriter::record(quint16 function, const QList<int> &words)
{
    QByteArray params;
    for (int w : words)
        put16(params, w);
    return recordBytes(function, params);
}

WmfWriter &WmfWriter::recordBytes(quint16 function, const QByteArray &params)
{
    QByteArray padded = params;
    if (padded.size() % 2)
        padded.append('\0');
    return forgedRecord(quint32(3 + padded.size() / 2), function, padded);
}

WmfWriter &WmfWriter::forgedRecord(quint32 sizeWords, quint16 function, const QByteArray &params)
{
    put32(m_records, sizeWords);
    put16(m_records, function);
    m_records.append(params);
    m_maxRecord = qMax(m_maxRecord, sizeWords);
    if (((function & 0x00F0) == 0x00F0 && function != DeleteObject) || function == DibCreatePatternBrush)
        ++m_objects;
    return *this;
}

WmfWriter &WmfWriter::objectCount(int count)
{
    m_objectCount = count;
    return *this;
}

WmfWriter &WmfWriter::setMapMode(int mode)
{
    return record(SetMapMode, {mode});
}
WmfWriter &WmfWriter::setWindowOrg(int x, int y)
{
    return record(SetWindowOrg, {y, x});
}
WmfWriter &WmfWriter::setWindowExt(int width, int height)
{
    return record(SetWindowExt, {height, width});
}
WmfWriter &WmfWriter::setViewportOrg(int x, int y)
{
    return record(SetViewportOrg, {y, x});
}
WmfWriter &WmfWriter::setViewportExt(int width, int height)
{
    return record(SetViewportExt, {height, width});
}

WmfWriter &WmfWriter::createPen(int style, int width, const QColor &color)
{
    return record(CreatePenIndirect, QList<int>{style, width, 0} + colorWords(color));
}

WmfWriter &WmfWriter::createBrush(int style, const QColor &color, int hatch)
{
    return record(CreateBrushIndirect, QList<int>{style} + colorWords(color) + QList<int>{hatch});
}

WmfWriter &WmfWriter::createFont(int height, const QByteArray &face, int weight, int escapement, int charset,
                                 int width)
{
    QByteArray p;
    for (int v : {height, width, escapement, escapement, weight})
        put16(p, v);
    p.append(char(0)).append(char(0)).append(char(0)).append(char(charset));
    p.append(char(0)).append(char(0)).append(char(0)).append(char(0));
    QByteArray name = face.left(31);
    name.append(QByteArray(32 - name.size(), '\0'));
    p.append(name);
    return recordBytes(CreateFontIndirect, p);
}

WmfWriter &WmfWriter::createRegion(const QList<QRect> &bands)
{
    QRect bounds;
    for (const QRect &r : bands)
        bounds = bounds.united(r);
    QList<int> scans;
    for (const QRect &r : bands)
        scans << 2 << r.top() << r.top() + r.height() << r.left() << r.left() + r.width() << 2;
    QList<int> words{0, 6, 0, 0, int(22 + scans.size() * 2), int(bands.size()), 2};
    words << bounds.left() << bounds.top() << bounds.left() + bounds.width()
          << bounds.top() + bounds.height();
    return record(CreateRegion, words + scans);
}

WmfWriter &WmfWriter::createPalette(int entries)
{
    QList<int> words{0x0300, entries};
    for (int i = 0; i < entries; ++i)
        words << i << 0;
    return record(CreatePalette, words);
}

WmfWriter &WmfWriter::selectObject(int index)
{
    return record(SelectObject, {index});
}
WmfWriter &WmfWriter::deleteObject(int index)
{
    return record(DeleteObject, {index});
}
WmfWriter &WmfWriter::setTextColor(const QColor &c)
{
    return record(SetTextColor, colorWords(c));
}
WmfWriter &WmfWriter::setBkColor(const QColor &c)
{
    return record(SetBkColor, colorWords(c));
}
WmfWriter &WmfWriter::setBkMode(int mode)
{
    return record(SetBkMode, {mode});
}
WmfWriter &WmfWriter::setTextAlign(int align)
{
    return record(SetTextAlign, {align});
}
WmfWriter &WmfWriter::setPolyFillMode(int mode)
{
    return record(SetPolyFillMode, {mode});
}
WmfWriter &WmfWriter::moveTo(int x, int y)
{
    return record(MoveTo, {y, x});
}
WmfWriter &WmfWriter::lineTo(int x, int y)
{
    return record(LineTo, {y, x});
}
WmfWriter &WmfWriter::rectangle(const QRect &box)
{
    return record(Rectangle, boxWords(box));
}
WmfWriter &WmfWriter::ellipse(const QRect &box)
{
    return record(Ellipse, boxWords(box));
}

WmfWriter &WmfWriter::roundRect(const QRect &box, const QSize &corner)
{
    return record(RoundRect, QList<int>{corner.height(), corner.width()} + boxWords(box));
}

WmfWriter &WmfWriter::arc(quint16 function, const QRect &box, const QPoint &start, const QPoint &end)
{
    return record(function, QList<int>{end.y(), end.x(), start.y(), start.x()} + boxWords(box));
}

WmfWriter &WmfWriter::polygon(const QPolygon &points)
{
    return record(Polygon, QList<int>{int(points.size())} + pointWords(points));
}

WmfWriter &WmfWriter::polyline(const QPolygon &points)
{
    return record(Polyline, QList<int>{int(points.size())} + pointWords(points));
}

WmfWriter &WmfWriter::polyPolygon(const QList<QPolygon> &polygons)
{
    QList<int> words{int(polygons.size())};
    QList<int> points;
    for (const QPolygon &polygon : polygons) {
        words << int(polygon.size());
        points += pointWords(polygon);
    }
    return record(PolyPolygon, words + points);
}

WmfWriter &WmfWriter::textOut(const QPoint &at, const QByteArray &text)
{
    QByteArray p;
    put16(p, int(text.size()));
    p.append(text);
    if (text.size() % 2)
        p.append('\0');
    put16(p, at.y());
    put16(p, at.x());
    return recordBytes(TextOut, p);
}

WmfWriter &WmfWriter::extTextOut(const QPoint &at, const QByteArray &text, int options, const QRect &box,
                                 const QList<int> &dx)
{
    QByteArray p;
    for (int v : {at.y(), at.x(), int(text.size()), options})
        put16(p, v);
    if (options & (EtoOpaque | EtoClipped)) {
        for (int v : {box.left(), box.top(), box.left() + box.width(), box.top() + box.height()})
            put16(p, v);
    }
    p.append(text);
    if (text.size() % 2)
        p.append('\0');
    for (int d : dx)
        put16(p, d);
    return recordBytes(ExtTextOut, p);
}

WmfWriter &WmfWriter::intersectClipRect(const QRect &box)
{
    return record(IntersectClipRect, boxWords(box));
}
WmfWriter &WmfWriter::excludeClipRect(const QRect &box)
{
    return record(ExcludeClipRect, boxWords(box));
}

QByteArray WmfWriter::finish() const
{
    QByteArray body = m_records;
    put32(body, 3);
    put16(body, EndOfFile);
    QByteArray header;
    put16(header, 1);
    put16(header, 9);
    put16(header, 0x0300);
    put32(header, quint32((18 + body.size()) / 2));
    put16(header, m_objectCount >= 0 ? m_objectCount : m_objects);
    put32(header, m_maxRecord);
    put16(header, 0);
    return m_placeable + header + body;
}

} // namespace terralore::test
