#pragma once

#include "PrintSurface.h"

#include <QFont>
#include <QPainter>
#include <QTemporaryFile>

#include <memory>

class QPrinter;

namespace terralore {

// The system's default printer as a print surface, without any dialog. The
// job opens on the first call that needs the printer. Qt renders the pages
// into a private spool file; only a document that is finished whole is
// handed to the spooler (CUPS), whose refusal counts as a failure too. A
// failed or abandoned job is aborted and its spool file removed, so nothing
// half-made is ever printed.
class PrinterSurface : public PrintSurface {
public:
    PrinterSurface();
    ~PrinterSurface() override;

protected:
    QSizeF printableSize() override;
    void scaleDrawing(double scale) override;
    float measureText(const PrintFont &font, const QString &text) override;
    float measureLineHeight(const PrintFont &font) override;
    void paintText(float x, float y, const QString &text, const PrintFont &font, const QColor &color) override;
    void paintLine(float x1, float y1, float x2, float y2, const QColor &color, int dots) override;
    void paintPicture(const Picture &picture, float x, float y) override;
    void startPage(int page) override;
    void finishDocument() override;
    void abandonDocument() noexcept override;

private:
    void open();
    void checkPrinter();
    QFont printerFont(const PrintFont &font);
    float toDeviceX(float twips) const { return twips * m_dpiX / 1440.0f; }
    float toDeviceY(float twips) const { return twips * m_dpiY / 1440.0f; }
    void submit();
    void applyClipAndScale();

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QTemporaryFile m_spool;
    QString m_queue;
    float m_dpiX = 1440;
    float m_dpiY = 1440;
    QSizeF m_printable;
    QRectF m_clip;
    double m_scale = 1;
    QFont m_font;
    PrintFont m_fontKey{QString(), 0};
};

} // namespace terralore
