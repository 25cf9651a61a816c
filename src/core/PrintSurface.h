#pragma once

#include <QColor>
#include <QSizeF>
#include <QString>

namespace terralore {

class Picture;

// Raised by a print surface when the printer fails; the routine printing
// stops at once. The surface stays failed afterwards.
class PrintError {
public:
    explicit PrintError(QString reason) : m_reason(std::move(reason)) {}
    const QString &reason() const { return m_reason; }

private:
    QString m_reason;
};

// A font as the print surface takes it: the face as the layouts name it
// (the device maps it to an installed family) and its size in points.
struct PrintFont {
    QString family;
    double pointSize = 12;
    bool operator==(const PrintFont &) const = default;
};

// The printer as the printing routines see it, in the manner of a QPainter
// on a QPrinter: a page measured in twips with the origin at the top left of
// the printable area, a current position, a current font and pen. Drawing a
// text line writes the text at the current position and moves to x 0, one
// line height (of the current font) further down; drawing a text without a
// line end leaves the position just after the text. A line that would fall
// below the printable area starts a fresh page at the top. Text running past
// the right edge is cut off, never wrapped.
//
// The model lives here; a concrete surface supplies the device: measuring,
// painting, pages and the end of the document. Any device failure raises
// PrintError and leaves the surface failed, so every later call raises too.
class PrintSurface {
public:
    PrintSurface() = default;
    PrintSurface(const PrintSurface &) = delete;
    PrintSurface &operator=(const PrintSurface &) = delete;
    virtual ~PrintSurface();

    // The current position in twips.
    float x() const { return m_x; }
    float y() const { return m_y; }
    void setX(float twips) { m_x = twips; }
    void setY(float twips) { m_y = twips; }

    const PrintFont &font() const { return m_font; }
    void setFont(const PrintFont &font) { m_font = font; }
    // The size alone; the face stays.
    void setPointSize(double points) { m_font.pointSize = points; }
    // The colour of text and lines.
    QColor penColor() const { return m_penColor; }
    void setPenColor(const QColor &color) { m_penColor = color; }
    // Line width in printer dots of a 300 dpi printer (see penWidthTwips).
    int penWidth() const { return m_penWidth; }
    void setPenWidth(int dots) { m_penWidth = dots < 1 ? 1 : dots; }

    // The text; the position stays just after it.
    void drawText(const QString &text);
    // The text, then a line end.
    void drawTextLine(const QString &text);
    // A line end alone: the position moves one line down, to x 0.
    void newLine() { drawTextLine(QString()); }
    // The text as a line of its own, centred on the page's width.
    void drawCentredTextLine(const QString &text);

    // Width of the text and height of a line in the current font, in twips.
    float textWidth(const QString &text);
    float lineHeight();

    // A straight line in the pen's colour and width; the position moves to
    // its end.
    void drawLine(float x1, float y1, float x2, float y2);
    // A picture at its natural size with its top left corner at (x, y).
    void drawPicture(const Picture &picture, float x, float y);

    // The page in twips: the printable area, or what fitPageTo made of it.
    float pageWidth();
    float pageHeight();

    // Lays what follows out on a page of at least minimum twips: where the
    // printable area is smaller in either direction, the device draws
    // everything evenly scaled down to fit it, and the page measures the
    // printable area divided by that scale. Proportions are kept.
    void fitPageTo(QSizeF minimum);
    double pageScale() const { return m_scale; }

    // Sends the document to the printer.
    void finish();
    // Abandons the document: nothing of it reaches the printer. Never raises.
    void abort() noexcept;

    bool failed() const { return m_failed; }
    const QString &failure() const { return m_failure; }
    // Finished or aborted.
    bool ended() const { return m_ended; }
    // Page of the current position, counting from 0.
    int page() const { return m_page; }

    // A line width in twips: 300 dots to the inch, so the frame's width 2
    // is a fine line on any printer and the 45 twip spacing stays visible.
    static float penWidthTwips(int dots) { return dots * 1440.0f / 300.0f; }

protected:
    // The device. Sizes, positions and widths are twips. Each may raise
    // through fail(). paintText receives every text drawn, blank ones too,
    // with the page it belongs to already started when it holds ink.
    virtual QSizeF printableSize() = 0;
    // From now on, paint everything scaled by this factor about the printable
    // area's top left corner; positions and sizes still arrive in page twips.
    virtual void scaleDrawing(double scale) = 0;
    virtual float measureText(const PrintFont &font, const QString &text) = 0;
    virtual float measureLineHeight(const PrintFont &font) = 0;
    virtual void paintText(float x, float y, const QString &text, const PrintFont &font, const QColor &color) = 0;
    virtual void paintLine(float x1, float y1, float x2, float y2, const QColor &color, int dots) = 0;
    virtual void paintPicture(const Picture &picture, float x, float y) = 0;
    // Called once for each page, 0 first, when the first ink lands on it
    // (or at the end of a document with no ink), so a page break followed
    // by nothing but blank lines leaves no empty page behind.
    virtual void startPage(int page) = 0;
    virtual void finishDocument() = 0;
    virtual void abandonDocument() noexcept = 0;

    [[noreturn]] void fail(const QString &reason);

private:
    void guard() const;
    void placeText(const QString &text, bool lineEnd);
    void ensurePageStarted();
    QSizeF pageSize();

    float m_x = 0;
    float m_y = 0;
    PrintFont m_font{QStringLiteral("Times New Roman"), 12};
    QColor m_penColor = QColor(0, 0, 0);
    int m_penWidth = 1;
    double m_scale = 1;
    int m_page = 0;
    int m_pagesStarted = 0;
    bool m_failed = false;
    bool m_ended = false;
    QString m_failure;
};

} // namespace terralore
