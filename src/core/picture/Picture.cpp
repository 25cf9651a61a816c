#include "picture/Picture.h"

#include "picture/WmfPlayer.h"
#include "picture/WmfReader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace terralore {

namespace {
constexpr qint64 kMaxPictureFile = 64 * 1024 * 1024;
constexpr double kTwipsPerPixel = 15.0;
constexpr int kAllocationLimitMb = 256;

// The raster formats we read, told by their first bytes (never by the file name).
const char *rasterFormat(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return "gif";
    if (bytes.startsWith("BM"))
        return "bmp";
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return "png";
    return nullptr;
}

// Whether an uncompressed bitmap holds every row its header declares. The
// image reader leaves rows it cannot read as whatever memory it was given,
// so a cut or misdirected bitmap would show noise; it is refused instead.
bool bitmapRowsPresent(const QByteArray &bytes)
{
    auto at = [&bytes](qsizetype offset, int size) {
        qint64 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = (value << 8) | quint8(bytes.at(offset + i));
        return value;
    };
    if (bytes.size() < 26)
        return false;
    const qint64 offBits = at(10, 4);
    const qint64 headerSize = at(14, 4);
    qint64 width = 0, height = 0, bitCount = 0, compression = 0;
    if (headerSize == 12) {
        width = at(18, 2);
        height = at(20, 2);
        bitCount = at(24, 2);
    } else if (headerSize >= 40 && bytes.size() >= 34) {
        width = qint32(at(18, 4));
        height = qint32(at(22, 4));
        bitCount = at(28, 2);
        compression = at(30, 4);
    } else {
        return true; // a layout the reader judges for itself
    }
    // Run-length rows have no fixed size; the reader judges those itself.
    if (compression != 0 && compression != 3)
        return true;
    const qint64 rowBytes = (qAbs(width) * bitCount + 31) / 32 * 4;
    if (rowBytes == 0)
        return true;
    return offBits <= bytes.size() && (bytes.size() - offBits) / rowBytes >= qAbs(height);
}

} // namespace

Picture Picture::load(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxPictureFile)
        return {};
    return fromData(file.readAll());
}

Picture Picture::fromData(const QByteArray &bytes)
{
    Picture picture;
    if (WmfReader::looksLikeWmf(bytes)) {
        picture.m_wmf = WmfReader::read(bytes);
        return picture;
    }
    const char *format = rasterFormat(bytes);
    if (!format || (qstrcmp(format, "bmp") == 0 && !bitmapRowsPresent(bytes)))
        return picture;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAllocationLimit(kAllocationLimitMb);
    picture.m_image = reader.read();
    return picture;
}

Picture Picture::fromImage(const QImage &image)
{
    Picture picture;
    picture.m_image = image;
    return picture;
}

bool Picture::isNull() const
{
    return m_image.isNull() && !m_wmf;
}

QSizeF Picture::sizeTwips() const
{
    if (m_wmf)
        return m_wmf->sizeTwips();
    return QSizeF(m_image.width() * kTwipsPerPixel, m_image.height() * kTwipsPerPixel);
}

void Picture::draw(QPainter &painter, const QRectF &target) const
{
    if (m_wmf)
        WmfPlayer::play(*m_wmf, painter, target);
    else if (!m_image.isNull())
        painter.drawImage(target, m_image);
}

} // namespace terralore
