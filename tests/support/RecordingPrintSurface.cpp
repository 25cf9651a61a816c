#include "RecordingPrintSurface.h"

#include "FontFaces.h"
#include "picture/Picture.h"

#include <QFont>
#include <QFontMetricsF>

#include <cmath>

namespace terralore {

namespace {
// One pixel to the twip: the font's pixel size is its size in twips.
QFontMetricsF metricsAt1440(const QString &face, double points)
{
    QFont font(fontFamilyFor(face));
    font.setPixelSize(std::max(1, int(std::lround(points * 20.0))));
    return QFontMetricsF(font);
}
} // namespace

RecordingPrintSurface::RecordingPrintSurface(QSizeF printable) : m_printable(printable)
{}

RecordingPrintSurface::~RecordingPrintSurface() = default;

QList<PrintRecord> RecordingPrintSurface::records(PrintRecord::Kind kind) const
{
    QList<PrintRecord> found;
    for (const PrintRecord &record : m_records) {
        if (record.kind == kind)
            found.append(record);
    }
    return found;
}

int RecordingPrintSurface::pagesStarted() const
{
    return int(records(PrintRecord::Kind::Page).size());
}

void RecordingPrintSurface::deviceCall()
{
    ++m_deviceCalls;
    if (m_failCountdown > 0 && --m_failCountdown == 0)
        fail(QStringLiteral("the printer stopped responding"));
}

QSizeF RecordingPrintSurface::printableSize()
{
    deviceCall();
    return m_printable;
}

void RecordingPrintSurface::scaleDrawing(double scale)
{
    deviceCall();
    m_drawingScale = scale;
}

float RecordingPrintSurface::measureText(const Font &font, const QString &text)
{
    deviceCall();
    return float(metricsAt1440(font.name, font.points).horizontalAdvance(text));
}

float RecordingPrintSurface::lineHeight(const Font &font)
{
    deviceCall();
    return float(metricsAt1440(font.name, font.points).lineSpacing());
}

PrintRecord &RecordingPrintSurface::add(PrintRecord::Kind kind, int page, QLineF span)
{
    PrintRecord record;
    record.kind = kind;
    record.page = page;
    record.x = float(span.x1());
    record.y = float(span.y1());
    record.x2 = float(span.x2());
    record.y2 = float(span.y2());
    m_records.append(record);
    return m_records.last();
}

void RecordingPrintSurface::drawText(float x, float y, const QString &text, const Font &font, const QColor &color,
                                     bool lineEnd)
{
    deviceCall();
    PrintRecord &record = add(PrintRecord::Kind::Text, page(), QLineF(x, y, 0, 0));
    record.text = text;
    record.lineEnd = lineEnd;
    record.fontName = font.name;
    record.fontSize = font.points;
    record.color = color;
}

void RecordingPrintSurface::drawLine(float x1, float y1, float x2, float y2, const QColor &color, int dots)
{
    deviceCall();
    PrintRecord &record = add(PrintRecord::Kind::Line, page(), QLineF(x1, y1, x2, y2));
    record.color = color;
    record.drawWidth = dots;
}

void RecordingPrintSurface::drawPicture(const Picture &picture, float x, float y)
{
    deviceCall();
    const QSizeF size = picture.sizeTwips();
    add(PrintRecord::Kind::Picture, page(), QLineF(x, y, size.width(), size.height()));
}

void RecordingPrintSurface::startPage(int page)
{
    deviceCall();
    add(PrintRecord::Kind::Page, page);
}

void RecordingPrintSurface::finishDocument()
{
    deviceCall();
    add(PrintRecord::Kind::End, page());
}

void RecordingPrintSurface::abandonDocument() noexcept
{
    add(PrintRecord::Kind::Abandon, page());
}

} // namespace terralore
