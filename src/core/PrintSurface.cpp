#include "PrintSurface.h"

#include "picture/Picture.h"

#include <algorithm>

namespace terralore {

namespace {
bool holdsInk(const QString &text)
{
    for (const QChar c : text) {
        if (!c.isSpace())
            return true;
    }
    return false;
}
} // namespace

PrintSurface::~PrintSurface() = default;

void PrintSurface::fail(const QString &reason)
{
    if (!m_failed) {
        m_failed = true;
        m_failure = reason;
    }
    throw PrintError(m_failure);
}

void PrintSurface::guard() const
{
    if (m_failed)
        throw PrintError(m_failure);
    if (m_ended)
        throw PrintError(QStringLiteral("the document has already been sent"));
}

void PrintSurface::ensurePageStarted()
{
    while (m_pagesStarted <= m_page) {
        startPage(m_pagesStarted);
        ++m_pagesStarted;
    }
}

void PrintSurface::printText(const QString &text, bool lineEnd)
{
    guard();
    const Font font = currentFont();
    const float height = lineHeight(font);
    // A line that would reach below the printable area goes to a fresh page;
    // a line taller than the whole page stays where it is.
    if (m_y > 0 && m_y + height > pageSize().height()) {
        ++m_page;
        m_y = 0;
    }
    if (holdsInk(text))
        ensurePageStarted();
    drawText(m_x, m_y, text, font, m_foreColor, lineEnd);
    if (lineEnd) {
        m_x = 0;
        m_y += height;
    } else {
        m_x += measureText(font, text);
    }
}

void PrintSurface::Print(const QString &text)
{
    printText(text, true);
}

void PrintSurface::PrintNoLineEnd(const QString &text)
{
    printText(text, false);
}

void PrintSurface::PrintCentred(const QString &text)
{
    setCurrentX((ScaleWidth() - TextWidth(text)) / 2);
    Print(text);
}

float PrintSurface::TextWidth(const QString &text)
{
    guard();
    return measureText(currentFont(), text);
}

float PrintSurface::TextHeight()
{
    guard();
    return lineHeight(currentFont());
}

void PrintSurface::Line(float x1, float y1, float x2, float y2)
{
    guard();
    ensurePageStarted();
    drawLine(x1, y1, x2, y2, m_foreColor, m_drawWidth);
    m_x = x2;
    m_y = y2;
}

void PrintSurface::PaintPicture(const Picture &picture, float x, float y)
{
    guard();
    ensurePageStarted();
    drawPicture(picture, x, y);
}

QSizeF PrintSurface::pageSize()
{
    return printableSize() / m_scale;
}

void PrintSurface::fitPageTo(QSizeF minimum)
{
    guard();
    const QSizeF printable = printableSize();
    double scale = 1;
    if (minimum.width() > 0)
        scale = std::min(scale, printable.width() / minimum.width());
    if (minimum.height() > 0)
        scale = std::min(scale, printable.height() / minimum.height());
    if (!(scale > 0))
        fail(QStringLiteral("the printable area is empty"));
    m_scale = scale;
    scaleDrawing(scale);
}

float PrintSurface::ScaleWidth()
{
    guard();
    return float(pageSize().width());
}

float PrintSurface::ScaleHeight()
{
    guard();
    return float(pageSize().height());
}

void PrintSurface::EndDoc()
{
    guard();
    // A document holds at least one page; a page break that nothing was
    // drawn after adds none.
    if (m_pagesStarted == 0) {
        startPage(0);
        m_pagesStarted = 1;
    }
    finishDocument();
    m_ended = true;
    m_x = 0;
    m_y = 0;
}

void PrintSurface::KillDoc() noexcept
{
    if (m_ended)
        return;
    abandonDocument();
    m_ended = true;
}

} // namespace terralore
