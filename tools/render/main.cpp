// terralore-render IN OUT.png [SCALE]: draws a picture file (JPEG, GIF, BMP,
// WMF) at its natural size (twips / 15 pixels) times SCALE on white.
#include "picture/Picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char **argv)
{
    // A developer command: no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 4) {
        std::fprintf(stderr, "usage: terralore-render IN OUT.png [SCALE]\n");
        return 2;
    }
    bool scaleOk = true;
    const double scale = args.size() == 4 ? args.at(3).toDouble(&scaleOk) : 1.0;
    if (!scaleOk || scale <= 0 || scale > 64) {
        std::fprintf(stderr, "terralore-render: SCALE must be a number between 0 and 64\n");
        return 2;
    }
    const terralore::Picture picture = terralore::Picture::load(args.at(1));
    if (picture.isNull()) {
        std::fprintf(stderr, "terralore-render: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    const QSizeF twips = picture.sizeTwips();
    const QSize size(qMax(1, qRound(twips.width() / 15.0 * scale)), qMax(1, qRound(twips.height() / 15.0 * scale)));
    if (qint64(size.width()) * size.height() > 256LL * 1024 * 1024) {
        std::fprintf(stderr, "terralore-render: %dx%d pixels is too large\n", size.width(), size.height());
        return 1;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    if (!image.save(args.at(2), "PNG")) {
        std::fprintf(stderr, "terralore-render: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    std::printf("%s: %dx%d px (%.0fx%.0f twips, %s)\n", qPrintable(args.at(2)), size.width(), size.height(),
                twips.width(), twips.height(), picture.isVector() ? "vector" : "raster");
    return 0;
}
