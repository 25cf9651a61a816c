#pragma once

#include "PrintSurface.h"

#include <QLineF>
#include <QList>

namespace terralore {

// One call that reached the device, as the recording surface saw it.
struct PrintRecord {
    enum class Kind { Page, Text, Line, Picture, End, Abandon };
    Kind kind = Kind::Text;
    int page = 0;
    // Text and picture: the top left corner; line: its start.
    float x = 0;
    float y = 0;
    // Line: its end; picture: its size.
    float x2 = 0;
    float y2 = 0;
    QString text;
    bool lineEnd = false;
    QString fontName;
    double fontSize = 0;
    QColor color;
    int drawWidth = 0;
};

// A print surface for tests: a page of a given printable size that records
// every text, line, picture, page and end, with its position, font and
// colour. Widths and line heights are those of the mapped font (Times New
// Roman as Liberation Serif) with one pixel to the twip, i.e. at 1440 dpi.
class RecordingPrintSurface : public PrintSurface {
public:
    // US Letter less quarter-inch margins by default.
    explicit RecordingPrintSurface(QSizeF printable = QSizeF(11520, 15120));
    ~RecordingPrintSurface() override;

    const QList<PrintRecord> &records() const { return m_records; }
    QList<PrintRecord> records(PrintRecord::Kind kind) const;
    int pagesStarted() const;

    // Makes the n-th device call from now (1 = the next) fail, as a printer
    // that faults in the middle of a job.
    void failOnCall(int n) { m_failCountdown = n; }
    // The scale the device was told to draw at.
    double drawingScale() const { return m_drawingScale; }
    // Device calls made so far.
    int deviceCalls() const { return m_deviceCalls; }

protected:
    QSizeF printableSize() override;
    void scaleDrawing(double scale) override;
    float measureText(const Font &font, const QString &text) override;
    float lineHeight(const Font &font) override;
    void drawText(float x, float y, const QString &text, const Font &font, const QColor &color, bool lineEnd) override;
    void drawLine(float x1, float y1, float x2, float y2, const QColor &color, int dots) override;
    void drawPicture(const Picture &picture, float x, float y) override;
    void startPage(int page) override;
    void finishDocument() override;
    void abandonDocument() noexcept override;

private:
    void deviceCall();
    // A record at (x1, y1) with its end or size in (x2, y2).
    PrintRecord &add(PrintRecord::Kind kind, int page, QLineF span = QLineF());

    QSizeF m_printable;
    QList<PrintRecord> m_records;
    int m_failCountdown = 0;
    int m_deviceCalls = 0;
    double m_drawingScale = 1;
};

} // namespace terralore
