// TextOut and ExtTextOut: alignment, escapement, character widths, opaque and clipped boxes.
#include "picture/WmfContext.h"
#include "picture/WmfTextRecord.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QtMath>

#include <optional>

namespace terralore {

using namespace wmf;

namespace {

// Text taller than this (device pixels) is a damaged record, not a drawing;
// text shorter than the smallest one cannot be seen.
constexpr double kMaxTextPixels = 16384;
constexpr double kMinTextPixels = 0.5;
// GDI's default font when a record asks for height 0: 12 points at 96 dpi.
constexpr double kDefaultCharHeight = 16;

struct Layout {
    std::vector<double> advances; // device pixels along the baseline
    double width = 0;
    bool rawGlyphs = true;
};

} // namespace

void WmfContext::textOut(const WmfParams &p)
{
    const WmfTextRecord text = readTextOut(p);
    drawText(text.at, text.bytes, {});
}

void WmfContext::extTextOut(const WmfParams &p)
{
    const WmfTextRecord text = readExtTextOut(p);
    const int options = text.options;
    const QRectF &box = text.box;
    if ((options & EtoOpaque) && !box.isEmpty() && !drawsNothing()) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(m_dc.bkColor);
        m_painter.drawPolygon(m_transform.map(QPolygonF(box)));
    }
    const bool clipped = (options & EtoClipped) && !box.isEmpty();
    if (clipped) {
        m_painter.save();
        m_painter.setClipPath(m_transform.map([&] {
            QPainterPath path;
            path.addRect(box);
            return path;
        }()),
                              m_painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    drawText(text.at, text.bytes, text.dx);
    if (clipped)
        m_painter.restore();
}

const WmfRealizedFont &WmfContext::realizedFont()
{
    const double sy = scaleY();
    const double height = m_dc.font.height ? m_dc.font.height * sy : -kDefaultCharHeight * m_pixelScale;
    return m_fonts.realize(m_dc.font, height, qAbs(m_dc.font.width) * scaleX());
}

void WmfContext::drawText(QPointF at, QByteArrayView bytes, const std::vector<double> &dx)
{
    const double sx = scaleX();
    const double height = m_dc.font.height ? qAbs(m_dc.font.height * scaleY()) : kDefaultCharHeight * m_pixelScale;
    if (drawsNothing() || bytes.isEmpty() || height < kMinTextPixels || height > kMaxTextPixels)
        return;
    const QString text = m_fonts.decode(bytes, m_dc.font.charset);
    const WmfRealizedFont &font = realizedFont();
    if (text.isEmpty() || !font.raw.isValid())
        return;

    // Character widths: the record's own, else the font's plus the extra spacing.
    Layout layout;
    const QList<quint32> glyphs = font.raw.glyphIndexesForString(text);
    layout.rawGlyphs = glyphs.size() == text.size() && !glyphs.contains(0);
    const bool useDx = qsizetype(dx.size()) >= text.size() && text.size() == bytes.size();
    const QList<QPointF> natural = font.raw.advancesForGlyphIndexes(glyphs);
    // Only text with characters the face lacks needs the (slower) fallback metrics.
    std::optional<QFontMetricsF> fallback;
    if (!layout.rawGlyphs && !useDx)
        fallback.emplace(font.font, m_painter.device());
    for (qsizetype i = 0; i < text.size(); ++i) {
        double advance;
        if (useDx)
            advance = dx[size_t(i)] * sx;
        else if (layout.rawGlyphs)
            advance = natural.value(i).x() * font.stretch + m_dc.charExtra * sx;
        else
            advance = fallback->horizontalAdvance(text.at(i)) * font.stretch + m_dc.charExtra * sx;
        layout.advances.push_back(advance);
        layout.width += advance;
    }

    const double ascent = font.raw.ascent();
    const double descent = font.raw.descent();
    const int horizontal = m_dc.textAlign & TaHorizontalMask;
    const int vertical = m_dc.textAlign & TaVerticalMask;
    const double x0 = horizontal == TaCenter ? -layout.width / 2 : horizontal == TaRight ? -layout.width : 0;
    const double y0 = vertical == TaBaseline ? 0 : vertical == TaBottom ? -descent : ascent;

    const bool updateCp = m_dc.textAlign & TaUpdateCp;
    const QPointF origin = map(updateCp ? m_dc.position : at);
    const double baseAngle = qRadiansToDegrees(std::atan2(m_base.m12(), m_base.m11()));
    QTransform frame;
    frame.translate(origin.x(), origin.y());
    frame.rotate(baseAngle - m_dc.font.escapement / 10.0);

    m_painter.save();
    m_painter.setWorldTransform(frame);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    if (m_dc.bkMode == Opaque)
        m_painter.fillRect(QRectF(x0, y0 - ascent, layout.width, ascent + descent), m_dc.bkColor);
    m_painter.setPen(m_dc.textColor);
    m_painter.scale(font.stretch, 1);
    double x = x0;
    if (layout.rawGlyphs) {
        QList<QPointF> positions;
        positions.reserve(text.size());
        for (double advance : layout.advances) {
            positions.append(QPointF(x / font.stretch, y0));
            x += advance;
        }
        QGlyphRun run;
        run.setRawFont(font.raw);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        run.setUnderline(m_dc.font.underline);
        run.setStrikeOut(m_dc.font.strikeOut);
        m_painter.drawGlyphRun(QPointF(), run);
    } else {
        m_painter.setFont(font.font);
        for (qsizetype i = 0; i < text.size(); ++i) {
            m_painter.drawText(QPointF(x / font.stretch, y0), QString(text.at(i)));
            x += layout.advances[size_t(i)];
        }
    }
    m_painter.restore();

    if (updateCp) {
        // The current position moves past the text (left) or before it (right).
        const double moved = horizontal == TaRight ? -layout.width : horizontal == TaCenter ? 0 : layout.width;
        m_dc.position = m_transform.inverted().map(frame.map(QPointF(moved, 0)));
    }
}

} // namespace terralore
