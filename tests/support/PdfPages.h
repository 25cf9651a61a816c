#pragma once

// A printed PDF read back with pdftotext -bbox: the words with their boxes,
// in points from the top left of the page.

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QString>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace terralore::test {

struct PdfWord {
    QString text;
    QRectF box;
};

struct PdfPage {
    QList<PdfWord> words;

    // Words that share a base line, joined by single spaces, left to right.
    QList<PdfWord> lines() const
    {
        const auto sameLine = [](const PdfWord &a, const PdfWord &b) {
            return std::abs(a.box.bottom() - b.box.bottom()) <= 1.0;
        };
        QList<PdfWord> sorted = words, found;
        std::sort(sorted.begin(), sorted.end(), [&](const PdfWord &a, const PdfWord &b) {
            return sameLine(a, b) ? a.box.left() < b.box.left() : a.box.bottom() < b.box.bottom();
        });
        for (const PdfWord &word : std::as_const(sorted)) {
            if (!found.isEmpty() && sameLine(found.last(), word))
                found.last() = {found.last().text + QLatin1Char(' ') + word.text, found.last().box.united(word.box)};
            else
                found.append(word);
        }
        return found;
    }
};

// Empty when the file cannot be read.
inline QList<PdfPage> readPdfWords(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const bool ran =
        process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    QXmlStreamReader xml(ran ? process.readAllStandardOutput() : QByteArray());
    const auto at = [&xml](const char *name) { return xml.attributes().value(QLatin1String(name)).toDouble(); };
    QList<PdfPage> pages;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            pages.append(PdfPage{});
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
            const QRectF box(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax")));
            pages.last().words.append(PdfWord{xml.readElementText(), box});
        }
    }
    return pages;
}

} // namespace terralore::test
