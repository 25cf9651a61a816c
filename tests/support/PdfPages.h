#pragma once

// Reads a printed PDF back with poppler's tools: the words with their boxes
// (pdftotext -bbox) and strips of the rendered page (pdftoppm), for checking
// where the printer put things. Positions are PDF points from the top left
// of the page.

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

namespace terralore::test {

struct PdfWord {
    QString text;
    QRectF box;
};

// Words that share a base line, joined by single spaces, left to right.
struct PdfLine {
    QString text;
    QRectF box;
    QList<PdfWord> words;
};

struct PdfPage {
    QSizeF size;
    QList<PdfWord> words;
    QList<PdfLine> lines() const;
    // The first line holding the text (a whole-word match), or null box.
    PdfLine lineWith(const QString &text) const;
};

// Empty when the file cannot be read.
QList<PdfPage> readPdfWords(const QString &pdf);

// The rectangle (points) of page `page` (from 1) rendered in grey at `dpi`.
QImage renderPdfArea(const QString &pdf, int page, const QRectF &area, int dpi);

// Centres of the dark runs along a one-pixel row or column of an image, in
// points from the area's start.
QList<double> darkRunCentres(const QImage &strip, int dpi, int darkBelow = 160);

} // namespace terralore::test
