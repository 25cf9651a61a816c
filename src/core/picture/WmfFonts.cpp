#include "picture/WmfFonts.h"

#include <QPaintDevice>

namespace terralore {

namespace {

constexpr size_t kCachedFonts = 8;
constexpr int kDefaultDpi = 96;
// A font asking for characters thousands of times wider than tall is a
// damaged record (Qt's glyph cache once crashed on one): keep it sane.
constexpr double kMinStretch = 0.05;
constexpr double kMaxStretch = 20.0;

enum FontFamily : int { FfRoman = 0x10, FfSwiss = 0x20, FfModern = 0x30, FfScript = 0x40, FfDecorative = 0x50 };

QFont::StyleHint styleHint(int pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case FfRoman:
        return QFont::Serif;
    case FfModern:
        return QFont::TypeWriter;
    case FfScript:
        return QFont::Cursive;
    case FfDecorative:
        return QFont::Decorative;
    default:
        return QFont::SansSerif;
    }
}

const char *codecName(int charset)
{
    switch (charset) {
    case 77:
        return "macintosh";
    case 128:
        return "Shift_JIS";
    case 129:
        return "EUC-KR";
    case 134:
        return "GBK";
    case 136:
        return "Big5";
    case 161:
        return "windows-1253";
    case 162:
        return "windows-1254";
    case 163:
        return "windows-1258";
    case 177:
        return "windows-1255";
    case 178:
        return "windows-1256";
    case 186:
        return "windows-1257";
    case 204:
        return "windows-1251";
    case 222:
        return "windows-874";
    case 238:
        return "windows-1250";
    case 255:
        return "IBM437";
    default: // ANSI, DEFAULT, SYMBOL and anything unknown
        return "windows-1252";
    }
}

bool sameFont(const WmfFont &a, const WmfFont &b)
{
    return a.height == b.height && a.width == b.width && a.weight == b.weight && a.italic == b.italic &&
           a.underline == b.underline && a.strikeOut == b.strikeOut && a.pitchAndFamily == b.pitchAndFamily &&
           a.face == b.face;
}

} // namespace

QString mappedFontFamily(const QString &face)
{
    static const std::pair<const char *, const char *> kFaces[] = {
        {"times new roman", "Liberation Serif"},
        {"arial", "Liberation Sans"},
        {"courier new", "Liberation Mono"},
    };
    const QString key = face.toLower();
    for (const auto &[from, to] : kFaces) {
        if (key == QLatin1String(from))
            return QString::fromLatin1(to);
    }
    return face;
}

QFont WmfFontCache::build(const WmfFont &f, double emPixels) const
{
    QFont font;
    const QString family = mappedFontFamily(f.face);
    font.setStyleHint(styleHint(f.pitchAndFamily));
    if (!family.isEmpty())
        font.setFamilies({family});
    else if (styleHint(f.pitchAndFamily) == QFont::Serif)
        font.setFamilies({QStringLiteral("Liberation Serif")});
    else
        font.setFamilies({QStringLiteral("Liberation Sans")});
    font.setWeight(QFont::Weight(f.weight <= 0 ? 400 : qBound(1, f.weight, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    font.setKerning(false);
    // Unhinted outlines lay text out the same at every resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    const int dpi = m_device ? m_device->logicalDpiY() : kDefaultDpi;
    font.setPointSizeF(qMax(emPixels, 0.01) * 72.0 / (dpi > 0 ? dpi : kDefaultDpi));
    return font;
}

const WmfRealizedFont &WmfFontCache::realize(const WmfFont &f, double height, double width)
{
    for (const Entry &entry : m_entries) {
        if (entry.height == height && entry.width == width && sameFont(entry.font, f))
            return entry.realized;
    }
    double em = qAbs(height);
    WmfRealizedFont realized;
    realized.raw = QRawFont::fromFont(build(f, em));
    if (realized.raw.isValid()) {
        realized.raw.setPixelSize(em);
        const double cell = realized.raw.ascent() + realized.raw.descent();
        if (height > 0 && cell > 0) {
            // A positive height is the cell (ascent + descent): find the em that fills it.
            em = em * em / cell;
            realized.raw.setPixelSize(em);
        }
        const double natural = realized.raw.averageCharWidth();
        if (width > 0 && natural > 0)
            realized.stretch = qBound(kMinStretch, width / natural, kMaxStretch);
    }
    realized.font = build(f, em);
    if (m_entries.size() >= kCachedFonts)
        m_entries.erase(m_entries.begin());
    m_entries.push_back({f, height, width, std::move(realized)});
    return m_entries.back().realized;
}

QStringDecoder &WmfFontCache::decoder(int charset)
{
    auto it = m_decoders.find(charset);
    if (it == m_decoders.end()) {
        QStringDecoder decoder(codecName(charset), QStringDecoder::Flag::Stateless);
        if (!decoder.isValid())
            decoder = QStringDecoder("windows-1252", QStringDecoder::Flag::Stateless);
        it = m_decoders.emplace(charset, std::move(decoder)).first;
    }
    return it->second;
}

QString WmfFontCache::decode(QByteArrayView bytes, int charset)
{
    QStringDecoder &dec = decoder(charset);
    if (!dec.isValid())
        return QString::fromLatin1(bytes);
    return dec.decode(bytes);
}

} // namespace terralore
