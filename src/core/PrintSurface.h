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

// The printer as the printing routines see it: a page measured in twips with
// the origin at the top left of the printable area, a current position, a
// current font and colour. Printing a line writes the text at the current
// position and moves to x 0, one line height (of the current font) further
// down; printing without line end leaves the position just after the text.
// A line that would fall below the printable area starts a fresh page at the
// top. Text running past the right edge is cut off, never wrapped.
//
// The model lives here; a concrete surface supplies the device: measuring,
// drawing, pages and the end of the document. Any device failure raises
// PrintError and leaves the surface failed, so every later call raises too.
class PrintSurface {
public:
    PrintSurface() = default;
    PrintSurface(const PrintSurface &) = delete;
    PrintSurface &operator=(const PrintSurface &) = delete;
    virtual ~PrintSurface();

    float CurrentX() const { return m_x; }
    float CurrentY() const { return m_y; }
    void setCurrentX(float twips) { m_x = twips; }
    void setCurrentY(float twips) { m_y = twips; }

    QString FontName() const { return m_fontName; }
    void setFontName(const QString &face) { m_fontName = face; }
    double FontSize() const { return m_fontSize; }
    void setFontSize(double points) { m_fontSize = points; }
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor &color) { m_foreColor = color; }
    // Line width in printer dots of a 300 dpi printer (see DrawWidthTwips).
    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int dots) { m_drawWidth = dots < 1 ? 1 : dots; }

    // The text, then a line end.
    void Print(const QString &text = QString());
    // The text; the position stays just after it.
    void PrintNoLineEnd(const QString &text);
    // The text as a line of its own, centred on the printable width.
    void PrintCentred(const QString &text);

    // Width of the text and height of a line in the current font, in twips.
    float TextWidth(const QString &text);
    float TextHeight();

    // A straight line in the current colour and width; the position moves to
    // its end.
    void Line(float x1, float y1, float x2, float y2);
    // A picture at its natural size with its top left corner at (x, y).
    void PaintPicture(const Picture &picture, float x, float y);

    // The page in twips: the printable area, or what fitPageTo made of it.
    float ScaleWidth();
    float ScaleHeight();

    // Lays what follows out on a page of at least minimum twips: where the
    // printable area is smaller in either direction, the device draws
    // everything evenly scaled down to fit it, and the page measures the
    // printable area divided by that scale. Proportions are kept.
    void fitPageTo(QSizeF minimum);
    double pageScale() const { return m_scale; }

    // Sends the document to the printer.
    void EndDoc();
    // Abandons the document: nothing of it reaches the printer. Never raises.
    void KillDoc() noexcept;

    bool failed() const { return m_failed; }
    const QString &failure() const { return m_failure; }
    bool ended() const { return m_ended; }
    // Page of the current position, counting from 0.
    int page() const { return m_page; }

    // A line width in twips: 300 dots to the inch, so the frame's width 2
    // is a fine line on any printer and the 45 twip spacing stays visible.
    static float DrawWidthTwips(int dots) { return dots * 1440.0f / 300.0f; }

protected:
    struct Font {
        QString name;
        double points;
    };

    // The device. Sizes, positions and widths are twips. Each may raise
    // through fail(). drawText receives every printed text, blank ones too,
    // with the page it belongs to already started when it holds ink.
    virtual QSizeF printableSize() = 0;
    // From now on, draw everything scaled by this factor about the printable
    // area's top left corner; positions and sizes still arrive in page twips.
    virtual void scaleDrawing(double scale) = 0;
    virtual float measureText(const Font &font, const QString &text) = 0;
    virtual float lineHeight(const Font &font) = 0;
    virtual void drawText(float x, float y, const QString &text, const Font &font, const QColor &color,
                          bool lineEnd) = 0;
    virtual void drawLine(float x1, float y1, float x2, float y2, const QColor &color, int dots) = 0;
    virtual void drawPicture(const Picture &picture, float x, float y) = 0;
    // Called once for each page, 0 first, when the first ink lands on it
    // (or at the end of a document with no ink), so a page break followed
    // by nothing but blank lines leaves no empty page behind.
    virtual void startPage(int page) = 0;
    virtual void finishDocument() = 0;
    virtual void abandonDocument() noexcept = 0;

    [[noreturn]] void fail(const QString &reason);

private:
    void guard() const;
    void printText(const QString &text, bool lineEnd);
    void ensurePageStarted();
    Font currentFont() const { return Font{m_fontName, m_fontSize}; }
    QSizeF pageSize();

    float m_x = 0;
    float m_y = 0;
    QString m_fontName = QStringLiteral("Times New Roman");
    double m_fontSize = 12;
    QColor m_foreColor = QColor(0, 0, 0);
    int m_drawWidth = 1;
    double m_scale = 1;
    int m_page = 0;
    int m_pagesStarted = 0;
    bool m_failed = false;
    bool m_ended = false;
    QString m_failure;
};

} // namespace terralore
