#pragma once

// Reads a printed PDF back with poppler's tools: the words with their boxes
// (pdftotext -bbox), for checking where the printer put things. Positions are PDF points from the top left
// of the page.

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
};

// Empty when the file cannot be read.
QList<PdfPage> readPdfWords(const QString &pdf);

} // namespace terralore::test
