#include "PrinterSurface.h"

#include "FontFaces.h"
#include "picture/Picture.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace terralore {

namespace {
const char *const kJobTitle = "Terralore";
} // namespace

PrinterSurface::PrinterSurface() = default;

PrinterSurface::~PrinterSurface()
{
    abort();
}

void PrinterSurface::open()
{
    if (m_printer)
        return;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        fail(QStringLiteral("there is no default printer"));
    // A stopped queue would hold the job until someone starts it again, while
    // the pupil is told it is printing.
    if (info.state() == QPrinter::Aborted || info.state() == QPrinter::Error)
        fail(QStringLiteral("the default printer is stopped"));

    // Qt would hand its spool file to CUPS on its own and ignore a refusal,
    // and it cannot take back a job once its painter has begun; so the pages
    // go to a file of ours (a suffix other than .pdf keeps the printer's own
    // page layout) and are submitted only when the document is whole.
    const QString folder = QDir::tempPath();
    if (folder.isEmpty())
        fail(QStringLiteral("there is no folder for temporary files"));
    m_spool.setFileTemplate(folder + QStringLiteral("/terralore-print-XXXXXX.prn"));
    if (!m_spool.open())
        fail(QStringLiteral("the spool file could not be created: %1").arg(m_spool.errorString()));
    m_spool.close();

    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // Qt starts from the locale's paper; the printer's own default is the
    // paper that is loaded.
    if (info.defaultPageSize().isValid())
        m_printer->setPageSize(info.defaultPageSize());
    m_printer->setFullPage(false);
    m_printer->setDocName(QString::fromLatin1(kJobTitle));
    m_printer->setCreator(QString::fromLatin1(kJobTitle));
    m_printer->setOutputFileName(m_spool.fileName());
    if (m_printer->outputFormat() != QPrinter::NativeFormat)
        fail(QStringLiteral("the default printer is not a system printer"));
    m_queue = info.printerName().section(QLatin1Char('/'), 0, 0);

    if (!m_painter.begin(m_printer.get()))
        fail(QStringLiteral("the printer could not start the job"));
    checkPrinter();

    m_dpiX = float(m_printer->logicalDpiX());
    m_dpiY = float(m_printer->logicalDpiY());
    if (m_dpiX <= 0 || m_dpiY <= 0 || m_printer->width() <= 0 || m_printer->height() <= 0)
        fail(QStringLiteral("the printer reports no printable area"));
    m_printable = QSizeF(m_printer->width() * 1440.0 / m_dpiX, m_printer->height() * 1440.0 / m_dpiY);
    // Whatever runs past the printable area is cut off, not drawn into the
    // margin.
    m_clip = QRectF(0, 0, m_printer->width(), m_printer->height());
    applyClipAndScale();
}

void PrinterSurface::applyClipAndScale()
{
    m_painter.resetTransform();
    m_painter.setClipRect(m_clip);
    m_painter.setTransform(QTransform::fromScale(m_scale, m_scale));
}

void PrinterSurface::scaleDrawing(double scale)
{
    open();
    m_scale = scale;
    applyClipAndScale();
}

void PrinterSurface::checkPrinter()
{
    const QPrinter::PrinterState state = m_printer->printerState();
    if (state == QPrinter::Error || state == QPrinter::Aborted)
        fail(QStringLiteral("the printer reported an error"));
}

QFont PrinterSurface::printerFont(const PrintFont &font)
{
    if (!(font == m_fontKey)) {
        m_font = QFont(fontFamilyFor(font.family));
        m_font.setPointSizeF(font.pointSize > 0 ? font.pointSize : 1);
        m_fontKey = font;
    }
    return m_font;
}

QSizeF PrinterSurface::printableSize()
{
    open();
    return m_printable;
}

float PrinterSurface::measureText(const PrintFont &font, const QString &text)
{
    open();
    return float(QFontMetricsF(printerFont(font), m_printer.get()).horizontalAdvance(text) * 1440.0 / m_dpiX);
}

float PrinterSurface::measureLineHeight(const PrintFont &font)
{
    open();
    return float(QFontMetricsF(printerFont(font), m_printer.get()).lineSpacing() * 1440.0 / m_dpiY);
}

void PrinterSurface::paintText(float x, float y, const QString &text, const PrintFont &font, const QColor &color)
{
    open();
    if (text.trimmed().isEmpty())
        return;
    const QFont printFont = printerFont(font);
    const QFontMetricsF metrics(printFont, m_printer.get());
    m_painter.setFont(printFont);
    m_painter.setPen(color);
    m_painter.drawText(QPointF(toDeviceX(x), toDeviceY(y) + metrics.ascent()), text);
    checkPrinter();
}

void PrinterSurface::paintLine(float x1, float y1, float x2, float y2, const QColor &color, int dots)
{
    open();
    QPen pen(color);
    pen.setWidthF(toDeviceX(penWidthTwips(dots)));
    // Square ends close the corners where a rectangle's sides meet.
    pen.setCapStyle(Qt::SquareCap);
    m_painter.setPen(pen);
    m_painter.drawLine(QPointF(toDeviceX(x1), toDeviceY(y1)), QPointF(toDeviceX(x2), toDeviceY(y2)));
    checkPrinter();
}

void PrinterSurface::paintPicture(const Picture &picture, float x, float y)
{
    open();
    if (picture.isNull())
        return;
    const QSizeF size = picture.sizeTwips();
    m_painter.save();
    picture.draw(m_painter,
                 QRectF(toDeviceX(x), toDeviceY(y), toDeviceX(float(size.width())), toDeviceY(float(size.height()))));
    m_painter.restore();
    checkPrinter();
}

void PrinterSurface::startPage(int page)
{
    open();
    if (page > 0) {
        if (!m_printer->newPage())
            fail(QStringLiteral("the printer could not start a new page"));
        applyClipAndScale();
    }
    checkPrinter();
}

void PrinterSurface::finishDocument()
{
    open();
    if (!m_painter.end())
        fail(QStringLiteral("the printer could not finish the job"));
    checkPrinter();
    submit();
}

void PrinterSurface::submit()
{
    const QByteArray queue = m_queue.toLocal8Bit();
    const QByteArray file = QFile::encodeName(m_spool.fileName());
    const QByteArray media = m_printer->pageLayout().pageSize().key().toLocal8Bit();
    cups_option_t options[2] = {{const_cast<char *>("media"), const_cast<char *>(media.constData())},
                                {const_cast<char *>("sides"), const_cast<char *>("one-sided")}};
    const int job = cupsPrintFile(queue.constData(), file.constData(), kJobTitle, media.isEmpty() ? 1 : 2,
                                  media.isEmpty() ? options + 1 : options);
    m_spool.remove();
    if (job <= 0)
        fail(QStringLiteral("the spooler refused the job: %1").arg(QString::fromLocal8Bit(cupsLastErrorString())));
}

void PrinterSurface::abandonDocument() noexcept
{
    if (m_printer) {
        m_printer->abort();
        // The PDF-based engines cannot abort: the painter still ends, but
        // only into our spool file, which goes unsent.
        if (m_painter.isActive())
            m_painter.end();
    }
    if (!m_spool.fileName().isEmpty())
        m_spool.remove();
}

} // namespace terralore
