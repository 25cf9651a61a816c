// The bitmap records of the test writer, and DIBs made from images.
#include "WmfWriter.h"

#include "picture/WmfTypes.h"

namespace terralore::test {

using namespace wmf;

WmfWriter &WmfWriter::createPatternBrush(const QImage &pattern)
{
    QByteArray p;
    put16(p, BsDibPatternPt);
    put16(p, DibRgbColors);
    return recordBytes(DibCreatePatternBrush, p + dib(pattern, 24));
}

WmfWriter &WmfWriter::stretchDib(const QRect &dest, const QImage &image, int bitCount, quint32 rop)
{
    QByteArray p;
    put32(p, rop);
    for (int v : {int(DibRgbColors), image.height(), image.width(), 0, 0, dest.height(), dest.width(),
                  dest.y(), dest.x()})
        put16(p, v);
    return recordBytes(StretchDib, p + dib(image, bitCount));
}

QByteArray WmfWriter::dib(const QImage &source, int bitCount)
{
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> table;
    if (bitCount <= 8) {
        image = source.convertToFormat(bitCount == 1 ? QImage::Format_Mono : QImage::Format_Indexed8,
                                       Qt::ThresholdDither | Qt::AvoidDither);
        table = image.colorTable();
        table.resize(1 << bitCount);
    }
    QByteArray out;
    for (quint32 v : {40u, quint32(image.width()), quint32(image.height())})
        put32(out, v);
    put16(out, 1);
    put16(out, bitCount);
    for (quint32 v : {0u, 0u, 2835u, 2835u, quint32(table.size()), 0u})
        put32(out, v);
    for (QRgb c : table)
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    const int stride = ((image.width() * bitCount + 31) / 32) * 4;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            if (bitCount == 1 || bitCount == 4 || bitCount == 8) {
                const int index = image.pixelIndex(x, y);
                const int bit = x * bitCount;
                row[bit / 8] = char(uchar(row[bit / 8]) | (index << (8 - bitCount - bit % 8)));
            } else {
                const QRgb c = image.pixel(x, y);
                const int at = x * (bitCount / 8);
                row[at] = char(qBlue(c));
                row[at + 1] = char(qGreen(c));
                row[at + 2] = char(qRed(c));
            }
        }
        out.append(row);
    }
    return out;
}

} // namespace terralore::test
