#include "CertificateLayout.h"

#include "PrintSurface.h"
#include "TextCodec.h"

#include <QColor>
#include <QSizeF>

namespace terralore {

namespace {

const QString kFace = QStringLiteral("Times New Roman");
const QString kProductTitle = QStringLiteral("Terralore");

// The classic sixteen-colour palette.
const QColor kLightBlue(0, 0, 255);
const QColor kLightRed(255, 0, 0);
const QColor kDarkBlue(0, 0, 128);
const QColor kBlack(0, 0, 0);

// The certificate is designed on A4 less quarter-inch margins; on smaller
// paper (Letter, A5) or wider margins it is drawn evenly smaller, so it
// always stays on one page with its frame around it.
const QSizeF kDesignPage(11186, 16118);

void spaceLines(PrintSurface &surface, int count)
{
    for (int i = 0; i < count; ++i)
        surface.drawTextLine(QStringLiteral(" "));
}

void rectangle(PrintSurface &surface, float left, float top, float right, float bottom)
{
    surface.drawLine(left, top, right, top);
    surface.drawLine(left, top, left, bottom);
    surface.drawLine(right, top, right, bottom);
    surface.drawLine(left, bottom, right, bottom);
}

// Five outer rectangles 45 twips apart; after each of the first three, an
// inner one around the lower part, also 45 twips apart.
void frame(PrintSurface &surface)
{
    const float w = surface.pageWidth();
    const float h = surface.pageHeight();
    const float insets[5][2] = {{45, 270}, {90, 315}, {135, 360}, {180, 405}, {225, 450}};
    for (int i = 0; i < 5; ++i) {
        const float a = insets[i][0];
        const float b = insets[i][1];
        rectangle(surface, a, b, w - a, h - b);
        if (i < 3)
            rectangle(surface, a + 600, b + 7050, w - a - 600, h - b - 3750);
    }
}

} // namespace

QString wellDoneBanner()
{
    return QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");
}

QString scoreSentence(int score, int questionCount)
{
    return QStringLiteral("You have scored") + signPlace(score) + QStringLiteral(" out of") + signPlace(questionCount) +
           QStringLiteral(".");
}

void layOutCertificate(PrintSurface &surface, const Certificate &certificate)
{
    const QString banner = wellDoneBanner();

    surface.fitPageTo(kDesignPage);
    surface.setFont({kFace, 25});
    surface.setPenColor(kLightBlue);
    surface.setX(surface.pageWidth() / 8);
    spaceLines(surface, 1);
    surface.drawText(banner + banner);
    spaceLines(surface, 1);
    spaceLines(surface, 2);

    surface.setFont({kFace, 36});
    surface.setPenColor(kLightRed);
    surface.drawCentredTextLine(kProductTitle);
    spaceLines(surface, 1);

    const bool longHeading = certificate.headingScreenWidth > surface.pageWidth() / 4;
    surface.setPointSize(longHeading ? 28 : 36);
    surface.setPenColor(kLightBlue);
    surface.drawCentredTextLine(certificate.heading);
    surface.setX(surface.pageWidth() / 2);
    surface.newLine();

    surface.setPointSize(36);
    spaceLines(surface, 3);

    surface.setPointSize(28);
    surface.setPenColor(kDarkBlue);
    surface.drawCentredTextLine(QStringLiteral("Excellent Work"));
    surface.setPointSize(28);
    spaceLines(surface, 1);
    surface.drawCentredTextLine(certificate.name);
    surface.newLine();
    surface.setPointSize(28);
    surface.drawCentredTextLine(scoreSentence(certificate.score, certificate.questionCount));
    spaceLines(surface, 1);

    surface.setPointSize(36);
    spaceLines(surface, 2);
    surface.setFont({kFace, 25});
    surface.setPenColor(kLightBlue);
    spaceLines(surface, 1);
    surface.setPenColor(kBlack);
    surface.drawText(banner + banner);

    surface.setPenWidth(2);
    surface.setPenColor(kBlack);
    frame(surface);

    surface.finish();
}

} // namespace terralore
