#pragma once

#include "picture/WmfObjects.h"

#include <QFont>
#include <QRawFont>
#include <QStringDecoder>

#include <map>
#include <vector>

class QPaintDevice;

namespace terralore {

// The face we draw with for a metafile's face name: the metric-compatible
// Liberation faces stand in for the common Windows ones.
QString mappedFontFamily(const QString &face);

// A font made for one device size. Text is laid out with the raw font's
// glyphs (exact fractional sizes, no hinting, no kerning, as the records'
// character widths expect); the QFont serves characters the face lacks.
struct WmfRealizedFont {
    QFont font;
    QRawFont raw;
    double stretch = 1; // horizontal scale for fonts asking for a given width
};

// Fonts and text decoders made during one playback, reused between records.
class WmfFontCache {
public:
    explicit WmfFontCache(const QPaintDevice *device) : m_device(device) {}

    // height: the font's pixel height on the device (negative: character
    // height, positive: cell height, as in the record); width: average
    // character width in pixels, or 0 for the face's own proportions.
    const WmfRealizedFont &realize(const WmfFont &font, double height, double width);

    // The record's bytes as text in the font's character set.
    QString decode(QByteArrayView bytes, int charset);

private:
    struct Entry {
        WmfFont font;
        double height;
        double width;
        WmfRealizedFont realized;
    };
    QFont build(const WmfFont &font, double emPixels) const;
    QStringDecoder &decoder(int charset);

    const QPaintDevice *m_device;
    std::vector<Entry> m_entries;
    std::map<int, QStringDecoder> m_decoders;
};

} // namespace terralore
