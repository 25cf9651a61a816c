#include "picture/WmfReader.h"

#include "picture/ByteView.h"
#include "picture/WmfDib.h"
#include "picture/WmfFrame.h"
#include "picture/WmfRecordCheck.h"
#include "picture/WmfTypes.h"

namespace terralore {

namespace {

constexpr qsizetype kPlaceableSize = 22;
constexpr qsizetype kHeaderSize = 18;
constexpr qsizetype kRecordHead = 6;

bool plainHeaderAt(QByteArrayView bytes, qsizetype at)
{
    if (bytes.size() < at + kHeaderSize)
        return false;
    const quint16 type = readU16(bytes, at);
    const quint16 version = readU16(bytes, at + 4);
    return (type == 1 || type == 2) && readU16(bytes, at + 2) == 9 && (version == 0x0100 || version == 0x0300);
}

bool isPlaceable(QByteArrayView bytes)
{
    return readU32(bytes, 0) == wmf::kPlaceableKey;
}

bool createsObject(quint16 function)
{
    switch (function) {
    case wmf::CreatePalette:
    case wmf::CreatePatternBrush:
    case wmf::CreatePenIndirect:
    case wmf::CreateFontIndirect:
    case wmf::CreateBrushIndirect:
    case wmf::CreateRegion:
    case wmf::DibCreatePatternBrush:
        return true;
    default:
        return false;
    }
}

class RecordReader {
public:
    explicit RecordReader(WmfDocument &doc) : m_doc(doc) {}

    void readFrom(qsizetype pos)
    {
        const QByteArrayView bytes(m_doc.data);
        while (pos + kRecordHead <= bytes.size() && qsizetype(m_doc.records.size()) < WmfLimits::maxRecords) {
            const quint32 size = readU32(bytes, pos);
            const quint16 function = readU16(bytes, pos + 4);
            // A record shorter than its own head would never advance; one
            // longer than the file is cut off: both end the picture here.
            if (size < 3 || qint64(size) * 2 > bytes.size() - pos || function == wmf::EndOfFile)
                return;
            WmfRecord record{function, quint32(pos + kRecordHead), size - 3, -1};
            if (!accept(record))
                return;
            pos += qsizetype(size) * 2;
        }
    }

private:
    // False once the picture has cost all it may.
    bool accept(WmfRecord &record)
    {
        const WmfParams params = m_doc.params(record);
        const qint64 cost = wmfcheck::recordCost(record.function, params);
        if (cost < 0 && createsObject(record.function)) {
            // Keep the slot so later object indexes still line up.
            record.words = 0;
        } else if (cost <= 0) {
            return true;
        } else if (!attachImage(record, params)) {
            return true;
        }
        m_cost += qMax<qint64>(cost, 1);
        if (m_cost > WmfLimits::maxCost)
            return false;
        m_doc.records.push_back(record);
        return true;
    }

    // Decodes a bitmap record's DIB; false if the record should be dropped.
    bool attachImage(WmfRecord &record, const WmfParams &params)
    {
        const wmfcheck::DibPlace place = wmfcheck::dibPlace(record.function, params);
        if (place.word < 0)
            return true;
        const QByteArrayView dib = params.bytes(place.word, (params.size() - place.word) * 2);
        wmfdib::DibInfo info;
        if (!wmfdib::inspect(dib, place.colorUsage, &info) || m_pixels + info.pixels() > WmfLimits::maxImagePixels)
            return record.function == wmf::DibCreatePatternBrush;
        QImage image = wmfdib::decode(dib, place.colorUsage);
        if (image.isNull())
            return record.function == wmf::DibCreatePatternBrush;
        m_pixels += info.pixels();
        record.image = qint32(m_doc.images.size());
        m_doc.images.push_back(std::move(image));
        return true;
    }

    WmfDocument &m_doc;
    qint64 m_cost = 0;
    qint64 m_pixels = 0;
};

} // namespace

bool WmfReader::looksLikeWmf(QByteArrayView bytes)
{
    return isPlaceable(bytes) || plainHeaderAt(bytes, 0);
}

std::shared_ptr<const WmfDocument> WmfReader::read(const QByteArray &bytes)
{
    auto doc = std::make_shared<WmfDocument>();
    doc->data = bytes;
    qsizetype headerAt = 0;
    if (isPlaceable(bytes)) {
        if (bytes.size() < kPlaceableSize)
            return {};
        doc->placeable = true;
        doc->frame =
            QRectF(QPointF(readS16(bytes, 6), readS16(bytes, 8)), QPointF(readS16(bytes, 10), readS16(bytes, 12)))
                .normalized();
        doc->unitsPerInch = readU16(bytes, 14);
        headerAt = kPlaceableSize;
    }
    if (!plainHeaderAt(bytes, headerAt))
        return {};
    doc->objectCount = readU16(bytes, headerAt + 10);
    RecordReader(*doc).readFrom(headerAt + readU16(bytes, headerAt + 2) * 2);
    if (!wmfframe::settle(*doc))
        return {};
    return doc;
}

} // namespace terralore
