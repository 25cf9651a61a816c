#include "picture/WmfObjects.h"

#include "picture/WmfTypes.h"

namespace terralore {

namespace {

constexpr qsizetype kFaceNameBytes = 32;
constexpr qsizetype kFaceNameWord = 9;
// Rectangles kept from one region record; more only slows clipping down.
constexpr size_t kMaxRegionRects = 100'000;

} // namespace

QRegion uniteRegions(std::vector<QRegion> parts)
{
    if (parts.empty())
        return {};
    while (parts.size() > 1) {
        std::vector<QRegion> next;
        next.reserve(parts.size() / 2 + 1);
        for (size_t i = 0; i + 1 < parts.size(); i += 2)
            next.push_back(parts[i].united(parts[i + 1]));
        if (parts.size() % 2)
            next.push_back(parts.back());
        parts.swap(next);
    }
    return parts.front();
}

QColor colorFromRef(quint32 ref)
{
    // 0x01 in the top byte means a palette index; we keep no palette.
    if ((ref >> 24) == 0x01)
        return Qt::black;
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

WmfPen penFromRecord(const WmfParams &p)
{
    WmfPen pen;
    pen.style = p.u16(0);
    pen.width = qAbs(p.s16(1));
    pen.color = colorFromRef(p.u32(3));
    return pen;
}

WmfBrush brushFromRecord(const WmfParams &p)
{
    WmfBrush brush;
    brush.style = p.u16(0);
    brush.color = colorFromRef(p.u32(1));
    brush.hatch = p.u16(3);
    return brush;
}

WmfBrush patternBrushFromRecord(const WmfParams &, const QImage &pattern)
{
    WmfBrush brush;
    brush.style = pattern.isNull() ? wmf::BsSolid : wmf::BsDibPatternPt;
    // A pattern we could not read shows as mid grey rather than vanishing.
    brush.color = QColor(128, 128, 128);
    brush.pattern = pattern;
    return brush;
}

WmfFont fontFromRecord(const WmfParams &p)
{
    WmfFont font;
    font.height = p.s16(0);
    font.width = p.s16(1);
    font.escapement = p.s16(2);
    font.weight = p.s16(4);
    font.italic = (p.u16(5) & 0xFF) != 0;
    font.underline = (p.u16(5) >> 8) != 0;
    font.strikeOut = (p.u16(6) & 0xFF) != 0;
    font.charset = p.u16(6) >> 8;
    font.pitchAndFamily = p.u16(8) >> 8;
    QByteArrayView name = p.bytes(kFaceNameWord, kFaceNameBytes);
    const qsizetype end = name.indexOf('\0');
    if (end >= 0)
        name = name.first(end);
    // Face names are stored in the system code page; Latin-1 keeps ASCII names intact.
    font.face = QString::fromLatin1(name).trimmed();
    return font;
}

WmfRegionObject regionFromRecord(const WmfParams &p)
{
    constexpr qsizetype kScansStart = 11;
    const int scans = p.u16(5);
    std::vector<QRegion> parts;
    qsizetype at = kScansStart;
    for (int i = 0; i < scans && at < p.size(); ++i) {
        const qsizetype count = p.u16(at);
        const int top = p.s16(at + 1);
        const int bottom = p.s16(at + 2);
        for (qsizetype k = 0; k + 1 < count; k += 2) {
            const int left = p.s16(at + 3 + k);
            const int right = p.s16(at + 4 + k);
            if (right > left && bottom > top && parts.size() < kMaxRegionRects)
                parts.emplace_back(left, top, right - left, bottom - top);
        }
        at += 4 + count;
    }
    return {uniteRegions(std::move(parts))};
}

int WmfObjectTable::add(WmfObject object)
{
    int index;
    if (!m_free.empty()) {
        index = *m_free.begin();
        m_free.erase(m_free.begin());
    } else if (int(m_objects.size()) < m_capacity) {
        index = int(m_objects.size());
        m_objects.emplace_back();
        m_used.push_back(false);
    } else {
        return -1;
    }
    m_objects[size_t(index)] = std::move(object);
    m_used[size_t(index)] = true;
    return index;
}

const WmfObject *WmfObjectTable::find(int index) const
{
    if (index < 0 || index >= int(m_objects.size()) || !m_used[size_t(index)])
        return nullptr;
    return &m_objects[size_t(index)];
}

void WmfObjectTable::remove(int index)
{
    if (!find(index))
        return;
    m_objects[size_t(index)] = std::monostate{};
    m_used[size_t(index)] = false;
    m_free.insert(index);
}

} // namespace terralore
