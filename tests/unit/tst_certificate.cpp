// Whatever the paper, the certificate is laid out on one page inside its
// printable area (it once ran onto a second page on Letter and A5).
#include "CertificateLayout.h"
#include "RecordingPrintSurface.h"

#include <QTest>

using namespace terralore;

class CertificateTest : public QObject {
    Q_OBJECT

private slots:
    void anyPaperTakesItOnOnePage_data();
    void anyPaperTakesItOnOnePage();
};

void CertificateTest::anyPaperTakesItOnOnePage_data()
{
    // Printable areas in twips: paper less its margins.
    QTest::addColumn<QSizeF>("printable");
    QTest::addColumn<double>("scale");
    QTest::newRow("A4, no margins") << QSizeF(11906, 16838) << 1.0;
    QTest::newRow("A4, half-inch margins") << QSizeF(11186, 15398) << 15398.0 / 16118;
    QTest::newRow("Letter, no margins") << QSizeF(12240, 15840) << 15840.0 / 16118;
    QTest::newRow("Letter, half-inch margins") << QSizeF(11520, 14400) << 14400.0 / 16118;
    QTest::newRow("A5, no margins") << QSizeF(8391, 11906) << 11906.0 / 16118;
    QTest::newRow("A5, quarter-inch margins") << QSizeF(7671, 11186) << 7671.0 / 11186;
    QTest::newRow("A4 landscape") << QSizeF(16838, 11906) << 11906.0 / 16118;
}

// The page the layout sees is the printable area divided by one even scale;
// everything lands on it, on one page, the bottom banner inside the frame.
void CertificateTest::anyPaperTakesItOnOnePage()
{
    QFETCH(QSizeF, printable);
    QFETCH(double, scale);
    RecordingPrintSurface surface(printable);
    layOutCertificate(surface, {QStringLiteral("Terralore"), QStringLiteral("Megan Pritchard"), 10, 10, 900});
    const QList<PrintRecord> texts = surface.records(PrintRecord::Kind::Text);
    QCOMPARE(surface.pagesStarted(), 1);
    QVERIFY(qFuzzyCompare(surface.drawingScale(), scale));
    const double w = printable.width() / scale;
    const double h = printable.height() / scale;
    for (const PrintRecord &r : surface.records(PrintRecord::Kind::Line))
        QVERIFY(r.x >= 0 && r.x2 <= w + 0.5 && r.y >= 0 && r.y2 <= h + 0.5);
    RecordingPrintSurface ruler(printable);
    ruler.setFontName(QStringLiteral("Times New Roman"));
    ruler.setFontSize(25);
    const float bannerHeight = ruler.TextHeight();
    const PrintRecord &bottomBanner = texts.last();
    QVERIFY(bottomBanner.text.contains(QStringLiteral("Well Done")));
    // Inside the innermost frame, whose bottom side lies 450 twips up.
    QVERIFY2(bottomBanner.y + bannerHeight <= h - 450,
             qPrintable(QStringLiteral("banner ends at %1 of %2").arg(bottomBanner.y + bannerHeight).arg(h)));
}

QTEST_MAIN(CertificateTest)
#include "tst_certificate.moc"
