// Picture::fromData on any bytes, drawn as the screens draw it and once more
// stretched under a rotated clip (where a forged metafile clip once took
// minutes), and its text read as for reading aloud. The seeds are mostly
// metafiles of every record family.
#include "FuzzSupport.h"

#include "picture/PageText.h"
#include "picture/Picture.h"

#include <QImage>
#include <QPainter>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const terralore::Picture picture = terralore::Picture::fromData(fuzzBytes(data, size));
    if (picture.isNull())
        return 0;
    (void)picture.sizeTwips();
    (void)terralore::pageText(picture);
    QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(0, 0, 48, 48));
    painter.rotate(30);
    painter.setClipRect(QRectF(4, 4, 30, 30));
    picture.draw(painter, QRectF(-10, 5, 90, 20));
    return 0;
}
