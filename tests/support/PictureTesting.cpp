#include "PictureTesting.h"

#include "picture/Picture.h"

#include <QFile>
#include <QFontDatabase>
#include <QPainter>

namespace terralore::test {

QImage renderPicture(const QByteArray &bytes, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const Picture picture = Picture::fromData(bytes);
    QPainter painter(&image);
    picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

bool near(QColor a, QColor b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

QRect darkBounds(const QImage &image, int threshold)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < threshold)
                box = box.united(QRect(x, y, 1, 1));
        }
    }
    return box;
}

void registerTestFonts()
{
    for (const char *path : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (QFile::exists(QString::fromLatin1(path)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    }
}

} // namespace terralore::test
