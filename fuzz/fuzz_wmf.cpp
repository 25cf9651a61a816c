// The metafile reader and player on any bytes: read, then draw twice (a
// small square, and stretched under a rotated painter).
#include "FuzzSupport.h"

#include "picture/WmfPlayer.h"
#include "picture/WmfReader.h"

#include <QImage>
#include <QPainter>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto doc = terralore::WmfReader::read(fuzzBytes(data, size));
    if (!doc)
        return 0;
    QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    terralore::WmfPlayer::play(*doc, painter, QRectF(0, 0, 48, 48));
    painter.rotate(30);
    painter.setClipRect(QRectF(4, 4, 30, 30));
    terralore::WmfPlayer::play(*doc, painter, QRectF(-10, 5, 90, 20));
    return 0;
}
