// Whatever the paper, the certificate is laid out on one page inside its
// printable area (it once ran onto a second page on Letter and A5), and is
// drawn no smaller than the paper needs.
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
    QTest::newRow("A4, no margins") << QSizeF(11906, 16838);
    QTest::newRow("A4, half-inch margins") << QSizeF(11186, 15398);
    QTest::newRow("Letter, no margins") << QSizeF(12240, 15840);
    QTest::newRow("Letter, half-inch margins") << QSizeF(11520, 14400);
    QTest::newRow("A5, no margins") << QSizeF(8391, 11906);
    QTest::newRow("A5, quarter-inch margins") << QSizeF(7671, 11186);
    QTest::newRow("A4 landscape") << QSizeF(16838, 11906);
}

// On paper, at the scale the device was told: every line of the frame lies
// on the printable area, and the frame spans nearly all of it one way.
void CertificateTest::anyPaperTakesItOnOnePage()
{
    QFETCH(QSizeF, printable);
    RecordingPrintSurface surface(printable);
    layOutCertificate(surface, {QStringLiteral("Terralore"), QStringLiteral("Megan Pritchard"), 10, 10, 900});
    QCOMPARE(surface.pages, 1);
    QVERIFY(surface.scale <= 1);
    QRectF frame;
    for (const QLineF &line : std::as_const(surface.lines))
        frame |= QRectF(line.p1(), line.p2()).normalized();
    const QRectF onPaper(frame.topLeft() * surface.scale, frame.size() * surface.scale);
    QVERIFY2(QRectF(QPointF(0, 0), printable).adjusted(0, 0, 0.5, 0.5).contains(onPaper),
             qPrintable(QDebug::toString(onPaper)));
    QVERIFY2(onPaper.width() >= 0.95 * printable.width() || onPaper.height() >= 0.95 * printable.height(),
             qPrintable(QDebug::toString(onPaper)));
    // The bottom banner ends inside the innermost frame, whose bottom side
    // lies 450 twips up the page.
    RecordingPrintSurface ruler(printable);
    ruler.setFontSize(25);
    const RecordingPrintSurface::Text &bottomBanner = surface.texts.last();
    QVERIFY(bottomBanner.text.contains(QStringLiteral("Well Done")));
    QVERIFY2(bottomBanner.at.y() + ruler.TextHeight() <= printable.height() / surface.scale - 450,
             qPrintable(QString::number(bottomBanner.at.y())));
}

QTEST_MAIN(CertificateTest)
#include "tst_certificate.moc"
