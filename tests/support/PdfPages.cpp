#include "PdfPages.h"

#include <QProcess>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace terralore::test {

namespace {

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

double attribute(const QXmlStreamReader &xml, const char *name)
{
    return xml.attributes().value(QLatin1String(name)).toDouble();
}

} // namespace

QList<PdfLine> PdfPage::lines() const
{
    QList<PdfWord> sorted = words;
    std::sort(sorted.begin(), sorted.end(), [](const PdfWord &a, const PdfWord &b) {
        if (std::abs(a.box.bottom() - b.box.bottom()) > 1.0)
            return a.box.bottom() < b.box.bottom();
        return a.box.left() < b.box.left();
    });
    QList<PdfLine> found;
    for (const PdfWord &word : sorted) {
        if (found.isEmpty() || std::abs(found.last().box.bottom() - word.box.bottom()) > 1.0) {
            found.append(PdfLine{word.text, word.box, {word}});
            continue;
        }
        PdfLine &line = found.last();
        line.text += QLatin1Char(' ') + word.text;
        line.box = line.box.united(word.box);
        line.words.append(word);
    }
    return found;
}

QList<PdfPage> readPdfWords(const QString &pdf)
{
    QXmlStreamReader xml(run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    QList<PdfPage> pages;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            pages.append(PdfPage{QSizeF(attribute(xml, "width"), attribute(xml, "height")), {}});
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
            const QRectF box(QPointF(attribute(xml, "xMin"), attribute(xml, "yMin")),
                             QPointF(attribute(xml, "xMax"), attribute(xml, "yMax")));
            pages.last().words.append(PdfWord{xml.readElementText(), box});
        }
    }
    return pages;
}

} // namespace terralore::test
