#include "picture/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace terralore {

namespace {
constexpr qint64 kMaxPictureFile = 64 * 1024 * 1024;
constexpr double kTwipsPerPixel = 15.0;
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
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(256);
    Picture picture;
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
    return QSizeF(m_image.width() * kTwipsPerPixel, m_image.height() * kTwipsPerPixel);
}

void Picture::draw(QPainter &painter, const QRectF &target) const
{
    if (!m_image.isNull())
        painter.drawImage(target, m_image);
}

} // namespace terralore
