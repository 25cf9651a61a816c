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
    if (!format)
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
