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
        surface.Print(QStringLiteral(" "));
}

void rectangle(PrintSurface &surface, float left, float top, float right, float bottom)
{
    surface.Line(left, top, right, top);
    surface.Line(left, top, left, bottom);
    surface.Line(right, top, right, bottom);
    surface.Line(left, bottom, right, bottom);
}

// Five outer rectangles 45 twips apart; after each of the first three, an
// inner one around the lower part, also 45 twips apart.
void frame(PrintSurface &surface)
{
    const float w = surface.ScaleWidth();
    const float h = surface.ScaleHeight();
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
    surface.setFontName(kFace);
    surface.setFontSize(25);
    surface.setForeColor(kLightBlue);
    surface.setCurrentX(surface.ScaleWidth() / 8);
    spaceLines(surface, 1);
    surface.PrintNoLineEnd(banner + banner);
    spaceLines(surface, 1);
    spaceLines(surface, 2);

    surface.setFontName(kFace);
    surface.setFontSize(36);
    surface.setForeColor(kLightRed);
    surface.PrintCentred(kProductTitle);
    spaceLines(surface, 1);

    const bool longHeading = certificate.headingScreenWidth > surface.ScaleWidth() / 4;
    surface.setFontSize(longHeading ? 28 : 36);
    surface.setForeColor(kLightBlue);
    surface.PrintCentred(certificate.heading);
    surface.setCurrentX(surface.ScaleWidth() / 2);
    surface.Print();

    surface.setFontSize(36);
    spaceLines(surface, 3);

    surface.setFontSize(28);
    surface.setForeColor(kDarkBlue);
    surface.PrintCentred(QStringLiteral("Excellent Work"));
    surface.setFontSize(28);
    spaceLines(surface, 1);
    surface.PrintCentred(certificate.name);
    surface.Print();
    surface.setFontSize(28);
    surface.PrintCentred(scoreSentence(certificate.score, certificate.questionCount));
    spaceLines(surface, 1);

    surface.setFontSize(36);
    spaceLines(surface, 2);
    surface.setFontName(kFace);
    surface.setFontSize(25);
    surface.setForeColor(kLightBlue);
    spaceLines(surface, 1);
    surface.setForeColor(kBlack);
    surface.PrintNoLineEnd(banner + banner);

    surface.setDrawWidth(2);
    surface.setForeColor(kBlack);
    frame(surface);

    surface.EndDoc();
}

} // namespace terralore
