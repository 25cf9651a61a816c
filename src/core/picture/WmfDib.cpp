#include "picture/WmfDib.h"

#include "picture/ByteView.h"
#include "picture/WmfTypes.h"

#include <QBuffer>
#include <QImageReader>

namespace terralore::wmfdib {

namespace {

enum Compression : quint32 { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3, BiJpeg = 4, BiPng = 5 };

constexpr qsizetype kCoreHeader = 12;
constexpr qsizetype kInfoHeader = 40;
constexpr qsizetype kFileHeader = 14;
// QImageReader counts its limit in megabytes.
constexpr int kAllocationLimitMb = int(kMaxPixels * 4 / (1024 * 1024)) + 1;

bool knownDepth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool readHeader(QByteArrayView dib, DibInfo &info)
{
    info.headerSize = readU32(dib, 0);
    if (info.headerSize == kCoreHeader) {
        if (dib.size() < kCoreHeader)
            return false;
        info.width = readU16(dib, 4);
        info.height = readU16(dib, 6);
        info.bitCount = readU16(dib, 10);
        info.entrySize = 3;
        info.tableEntries = info.bitCount <= 8 ? (1 << info.bitCount) : 0;
        return true;
    }
    if (info.headerSize != kInfoHeader && info.headerSize != 108 && info.headerSize != 124)
        return false;
    if (dib.size() < info.headerSize)
        return false;
    info.width = readS32(dib, 4);
    const qint32 height = readS32(dib, 8);
    if (height == std::numeric_limits<qint32>::min())
        return false;
    info.topDown = height < 0;
    info.height = height < 0 ? -height : height;
    info.bitCount = readU16(dib, 14);
    info.compression = readU32(dib, 16);
    info.entrySize = 4;
    const quint32 used = readU32(dib, 32);
    if (info.bitCount <= 8)
        info.tableEntries = used == 0 || used > (1u << info.bitCount) ? (1 << info.bitCount) : used;
    else
        info.tableEntries = qMin<quint32>(used, 256);
    return true;
}

bool compressionFits(const DibInfo &info)
{
    switch (info.compression) {
    case BiRgb:
        return knownDepth(info.bitCount);
    case BiRle8:
        return info.bitCount == 8 && !info.topDown;
    case BiRle4:
        return info.bitCount == 4 && !info.topDown;
    case BiBitfields:
        return info.bitCount == 16 || info.bitCount == 32;
    case BiJpeg:
    case BiPng:
        return true;
    default:
        return false;
    }
}

QImage readImage(const QByteArray &bytes, const char *format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAllocationLimit(kAllocationLimitMb);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels)
        return {};
    return reader.read();
}

// The colour table with palette indexes replaced by grey RGB quads.
QByteArray rgbTable(QByteArrayView dib, const DibInfo &info, int colorUsage)
{
    const QByteArrayView table = dib.sliced(info.headerSize, info.bitsOffset - info.headerSize);
    const bool indexed = colorUsage == wmf::DibPalColors || colorUsage == wmf::DibPalIndices;
    if (!indexed || info.bitCount > 8 || info.compression == BiBitfields)
        return table.toByteArray();
    QByteArray quads;
    const qsizetype count = info.tableEntries;
    quads.reserve(count * 4);
    for (qsizetype i = 0; i < count; ++i) {
        const int index = colorUsage == wmf::DibPalColors ? readU16(table, i * 2) : int(i);
        const char grey = char(count <= 1 ? 0 : (index * 255 / (count - 1)) & 0xFF);
        quads.append(grey).append(grey).append(grey);
        if (info.headerSize != kCoreHeader)
            quads.append('\0');
    }
    return quads;
}

} // namespace

bool inspect(QByteArrayView dib, int colorUsage, DibInfo *out)
{
    DibInfo info;
    if (!readHeader(dib, info) || info.width <= 0 || info.height <= 0)
        return false;
    if (qint64(info.width) * info.height > kMaxPixels || !compressionFits(info))
        return false;
    if (info.bitCount <= 8 && colorUsage == wmf::DibPalColors)
        info.entrySize = 2;
    else if (info.bitCount <= 8 && colorUsage == wmf::DibPalIndices)
        info.entrySize = 0;
    qsizetype tableBytes = info.tableEntries * info.entrySize;
    if (info.compression == BiBitfields && info.headerSize == kInfoHeader)
        tableBytes += 12;
    info.bitsOffset = info.headerSize + tableBytes;
    if (info.bitsOffset > dib.size())
        return false;
    if (info.compression == BiRgb || info.compression == BiBitfields) {
        const qint64 stride = ((qint64(info.width) * info.bitCount + 31) / 32) * 4;
        if (stride * info.height > dib.size() - info.bitsOffset)
            return false;
    } else if (info.bitsOffset == dib.size()) {
        return false;
    }
    if (out)
        *out = info;
    return true;
}

QImage decode(QByteArrayView dib, int colorUsage)
{
    DibInfo info;
    if (!inspect(dib, colorUsage, &info))
        return {};
    const QByteArrayView bits = dib.sliced(info.bitsOffset);
    if (info.compression == BiJpeg || info.compression == BiPng)
        return readImage(bits.toByteArray(), info.compression == BiJpeg ? "jpeg" : "png");

    // Qt reads BMP files: put a file header in front of the DIB.
    const QByteArray table = rgbTable(dib, info, colorUsage);
    const qsizetype offset = kFileHeader + info.headerSize + table.size();
    QByteArray file;
    file.reserve(offset + bits.size());
    file.append("BM", 2);
    const quint32 fields[3] = {quint32(offset + bits.size()), 0, quint32(offset)};
    for (quint32 field : fields)
        appendU32(file, field);
    file.append(dib.first(info.headerSize).data(), info.headerSize);
    file.append(table);
    file.append(bits.data(), bits.size());
    QImage image = readImage(file, "bmp");
    if (image.isNull() || image.width() != info.width || image.height() != info.height)
        return {};
    return image;
}

} // namespace terralore::wmfdib
