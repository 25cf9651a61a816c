#pragma once

#include "FontFaces.h"
#include "PrintSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QList>

#include <cmath>

namespace terralore {

// A print surface for tests: a page of a given printable size that keeps the
// pages started, the texts and lines drawn (in page twips) and the scale the
// device was told to draw at. Text is measured in the mapped font (Times New
// Roman as Liberation Serif) at one pixel to the twip, i.e. at 1440 dpi.
class RecordingPrintSurface : public PrintSurface {
public:
    struct Text {
        QPointF at; // top left
        QString text;
    };

    explicit RecordingPrintSurface(QSizeF printable) : m_printable(printable) {}

    int pages = 0;
    double scale = 1;
    QList<Text> texts;
    QList<QLineF> lines;

protected:
    QSizeF printableSize() override { return m_printable; }
    void scaleDrawing(double drawingScale) override { scale = drawingScale; }
    float measureText(const Font &font, const QString &text) override
    {
        return float(metrics(font).horizontalAdvance(text));
    }
    float lineHeight(const Font &font) override { return float(metrics(font).lineSpacing()); }
    void drawText(float x, float y, const QString &text, const Font &, const QColor &, bool) override
    {
        texts.append({QPointF(x, y), text});
    }
    void drawLine(float x1, float y1, float x2, float y2, const QColor &, int) override
    {
        lines.append(QLineF(x1, y1, x2, y2));
    }
    void drawPicture(const Picture &, float, float) override {}
    void startPage(int) override { ++pages; }
    void finishDocument() override {}
    void abandonDocument() noexcept override {}

private:
    static QFontMetricsF metrics(const Font &font)
    {
        QFont face(fontFamilyFor(font.name));
        face.setPixelSize(std::max(1, int(std::lround(font.points * 20.0))));
        return QFontMetricsF(face);
    }

    QSizeF m_printable;
};

} // namespace terralore
