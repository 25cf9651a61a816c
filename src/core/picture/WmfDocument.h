#pragma once

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <vector>

namespace terralore {

// The parameters of one record: little-endian 16-bit words. Reads past the
// end give zero, so a player cannot run off a record even if a check was missed.
class WmfParams {
public:
    WmfParams() = default;
    WmfParams(const uchar *data, qsizetype words) : m_data(data), m_words(words) {}

    qsizetype size() const { return m_words; }
    quint16 u16(qsizetype i) const
    {
        return i >= 0 && i < m_words ? quint16(m_data[2 * i] | (m_data[2 * i + 1] << 8)) : 0;
    }
    qint16 s16(qsizetype i) const { return qint16(u16(i)); }
    quint32 u32(qsizetype i) const { return u16(i) | (quint32(u16(i + 1)) << 16); }
    // Bytes starting at word i, clipped to the record.
    QByteArrayView bytes(qsizetype word, qsizetype length) const;
    // The parameters from word i on.
    WmfParams from(qsizetype word) const;

private:
    const uchar *m_data = nullptr;
    qsizetype m_words = 0;
};

struct WmfRecord {
    quint16 function = 0;
    quint32 offset = 0; // byte offset of the parameters in the document's data
    quint32 words = 0;  // parameter words (the record size less its 3-word head)
    qint32 image = -1;  // index of the record's decoded bitmap in WmfDocument::images
};

// A metafile read and checked record by record: what the player draws.
class WmfDocument {
public:
    // The picture's extent in logical units (normalized): from the placeable
    // header, or derived for plain files (see WmfFrame.h).
    QRectF frame;
    // Logical units per inch of the frame.
    int unitsPerInch = 1440;
    // Where the player starts: the window origin set before the first record
    // (window and viewport extents start as the frame's size), and the device
    // point that lands on the target's top-left corner.
    QPointF windowOrg;
    QPointF deviceOrigin;
    bool placeable = false;
    // Largest number of objects the file says it needs at once.
    int objectCount = 0;

    QByteArray data;
    std::vector<WmfRecord> records;
    std::vector<QImage> images;

    WmfParams params(const WmfRecord &record) const
    {
        return WmfParams(reinterpret_cast<const uchar *>(data.constData()) + record.offset, record.words);
    }
    QSizeF sizeTwips() const
    {
        return QSizeF(frame.width() * 1440.0 / unitsPerInch, frame.height() * 1440.0 / unitsPerInch);
    }
};

} // namespace terralore
