// Picture::fromData on any bytes (JPEG, GIF, BMP, PNG or metafile by
// content), then the picture drawn as the screens would.
#include "FuzzSupport.h"

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
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(0, 0, 32, 32));
    return 0;
}
