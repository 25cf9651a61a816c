#pragma once

#include <QByteArrayView>
#include <QImage>

namespace terralore::wmfdib {

// Largest bitmap we decode (pixels), so a forged header cannot ask for gigabytes.
constexpr qint64 kMaxPixels = 16 * 1024 * 1024;

// What a device-independent bitmap's header says, once checked against the
// bytes that follow it.
struct DibInfo {
    int width = 0;
    int height = 0; // always positive; topDown tells the row order
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = 0;
    qsizetype headerSize = 0;
    qsizetype tableEntries = 0; // colour table entries (or masks) before the bits
    qsizetype entrySize = 0;
    qsizetype bitsOffset = 0;
    qsizetype pixels() const { return qsizetype(width) * height; }
};

// Checks a DIB (header, colour table, bits) against its bytes. colorUsage is
// the record's DIB_RGB_COLORS / DIB_PAL_COLORS value.
bool inspect(QByteArrayView dib, int colorUsage, DibInfo *info);

// Decodes a DIB into an image, or a null image if it is malformed or too big.
// Palette-index colour tables (we keep no palette) become shades of grey.
QImage decode(QByteArrayView dib, int colorUsage);

} // namespace terralore::wmfdib
