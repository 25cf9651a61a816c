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

void PrintSurface::placeText(const QString &text, bool lineEnd)
{
    guard();
    const float height = measureLineHeight(m_font);
    // A line that would reach below the printable area goes to a fresh page;
    // a line taller than the whole page stays where it is.
    if (m_y > 0 && m_y + height > pageSize().height()) {
        ++m_page;
        m_y = 0;
    }
    if (holdsInk(text))
        ensurePageStarted();
    paintText(m_x, m_y, text, m_font, m_penColor);
    if (lineEnd) {
        m_x = 0;
        m_y += height;
    } else {
        m_x += measureText(m_font, text);
    }
}

void PrintSurface::drawText(const QString &text)
{
    placeText(text, false);
}

void PrintSurface::drawTextLine(const QString &text)
{
    placeText(text, true);
}

void PrintSurface::drawCentredTextLine(const QString &text)
{
    setX((pageWidth() - textWidth(text)) / 2);
    drawTextLine(text);
}

float PrintSurface::textWidth(const QString &text)
{
    guard();
    return measureText(m_font, text);
}

float PrintSurface::lineHeight()
{
    guard();
    return measureLineHeight(m_font);
}

void PrintSurface::drawLine(float x1, float y1, float x2, float y2)
{
    guard();
    ensurePageStarted();
    paintLine(x1, y1, x2, y2, m_penColor, m_penWidth);
    m_x = x2;
    m_y = y2;
}

void PrintSurface::drawPicture(const Picture &picture, float x, float y)
{
    guard();
    ensurePageStarted();
    paintPicture(picture, x, y);
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

float PrintSurface::pageWidth()
{
    guard();
    return float(pageSize().width());
}

float PrintSurface::pageHeight()
{
    guard();
    return float(pageSize().height());
}

void PrintSurface::finish()
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

void PrintSurface::abort() noexcept
{
    if (m_ended)
        return;
    abandonDocument();
    m_ended = true;
}

} // namespace terralore
