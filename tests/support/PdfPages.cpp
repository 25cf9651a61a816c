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

PdfLine PdfPage::lineWith(const QString &text) const
{
    const QString padded = QLatin1Char(' ') + text + QLatin1Char(' ');
    for (const PdfLine &line : lines()) {
        if ((QLatin1Char(' ') + line.text + QLatin1Char(' ')).contains(padded))
            return line;
    }
    return PdfLine();
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

QImage renderPdfArea(const QString &pdf, int page, const QRectF &area, int dpi)
{
    const double scale = dpi / 72.0;
    const QStringList arguments = {QStringLiteral("-gray"),
                                   QStringLiteral("-r"),
                                   QString::number(dpi),
                                   QStringLiteral("-f"),
                                   QString::number(page),
                                   QStringLiteral("-l"),
                                   QString::number(page),
                                   QStringLiteral("-x"),
                                   QString::number(std::lround(area.x() * scale)),
                                   QStringLiteral("-y"),
                                   QString::number(std::lround(area.y() * scale)),
                                   QStringLiteral("-W"),
                                   QString::number(std::max(1L, std::lround(area.width() * scale))),
                                   QStringLiteral("-H"),
                                   QString::number(std::max(1L, std::lround(area.height() * scale))),
                                   pdf};
    return QImage::fromData(run(QStringLiteral("pdftoppm"), arguments), "PGM");
}

QList<double> darkRunCentres(const QImage &strip, int dpi, int darkBelow)
{
    const bool row = strip.height() == 1;
    const int length = row ? strip.width() : strip.height();
    QList<double> centres;
    int start = -1;
    for (int i = 0; i <= length; ++i) {
        const bool dark = i < length && qGray(row ? strip.pixel(i, 0) : strip.pixel(0, i)) < darkBelow;
        if (dark && start < 0)
            start = i;
        if (!dark && start >= 0) {
            centres.append((start + i) / 2.0 * 72.0 / dpi);
            start = -1;
        }
    }
    return centres;
}

} // namespace terralore::test
