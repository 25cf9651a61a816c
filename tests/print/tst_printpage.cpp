#include "PagerTesting.h"
#include "PrintTest.h"

#include "PagePrinting.h"
#include "picture/Picture.h"

using namespace terralore;
using namespace terralore::test;

namespace {

// The box (points, page coordinates) holding every dark pixel of an area.
QRectF inkBox(const QString &pdf, const QRectF &area, int dpi)
{
    const QImage image = renderPdfArea(pdf, 1, area, dpi);
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                box = box.united(QRect(x, y, 1, 1));
        }
    }
    const double scale = 72.0 / dpi;
    return QRectF(area.left() + box.left() * scale, area.top() + box.top() * scale, box.width() * scale,
                  box.height() * scale);
}

} // namespace

class PrintPageTest : public QObject {
    Q_OBJECT
    ScreenFixture fx;

private slots:
    void initTestCase() { TERRALORE_SKIP_WITHOUT_PRINTER(); }
    void init() { fx.reset(); }

    void pictureAtItsPlaceInItsOwnSize();
    void pagerPrintsItsPrintCopyAsVectors_data();
    void pagerPrintsItsPrintCopyAsVectors();
    void aMissingPrintCopyIsNotPrinted();
};

void PrintPageTest::pictureAtItsPlaceInItsOwnSize()
{
    TERRALORE_SKIP_WITHOUT_PRINTER();
    // 100 by 60 pixels: 1500 by 900 twips, 75 by 45 points.
    QImage block(100, 60, QImage::Format_RGB32);
    block.fill(Qt::black);
    QVERIFY(printPagePicture(Picture::fromImage(block)));
    QString pdf;
    QList<PdfPage> pages;
    QVERIFY(PrinterSurface::lastJobId() > 0);
    QTRY_VERIFY_WITH_TIMEOUT(!(pdf = completedJobPdf(PrinterSurface::lastJobId())).isEmpty(), 60000);

    const QRectF area = printableArea();
    const QRectF found = inkBox(pdf, QRectF(area.left() + 30, area.top() + 30, 120, 90), 144);
    const QRectF wanted(area.left() + 50, area.top() + 50, 75, 45);
    const double within = 1.0;
    QVERIFY2(std::abs(found.left() - wanted.left()) < within && std::abs(found.top() - wanted.top()) < within &&
                 std::abs(found.width() - wanted.width()) < within &&
                 std::abs(found.height() - wanted.height()) < within,
             qPrintable(QStringLiteral("ink at %1,%2 %3x%4")
                            .arg(found.left())
                            .arg(found.top())
                            .arg(found.width())
                            .arg(found.height())));
}

void PrintPageTest::pagerPrintsItsPrintCopyAsVectors_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("key facts") << QStringLiteral("notes");
    QTest::newRow("teachers' guide from the menu") << QStringLiteral("guide");
}

void PrintPageTest::pagerPrintsItsPrintCopyAsVectors()
{
    TERRALORE_SKIP_WITHOUT_PRINTER();
    QFETCH(QString, which);
    Pager *pager = &openPager(which);
    settle();
    QVERIFY(pager && topForm() == pager);
    const int before = PrinterSurface::lastJobId();
    click(pager->Label3[Print]);
    settle();
    QVERIFY(shownPrompts().isEmpty());
    QVERIFY(PrinterSurface::lastJobId() > before);

    QString pdf;
    QList<PdfPage> pages;
    TERRALORE_READ_LAST_JOB(pdf, pages);
    QCOMPARE(pages.size(), 1);
    // The page's text comes back as text, so the metafile went to the
    // printer as vectors, not as a bitmap; all of it lies inside the picture
    // placed at 1000, 1000 twips.
    const QList<PdfWord> &words = pages.first().words;
    QVERIFY2(words.size() > 20, qPrintable(QString::number(words.size())));
    const QRectF area = printableArea();
    const QSizeF size = pager->Image2->picture().sizeTwips();
    const QRectF picture(area.left() + 50, area.top() + 50, twipsToPoints(size.width()), twipsToPoints(size.height()));
    for (const PdfWord &word : words)
        QVERIFY2(picture.adjusted(-1, -1, 1, 1).contains(word.box), qPrintable(word.text));
}

void PrintPageTest::aMissingPrintCopyIsNotPrinted()
{
    TERRALORE_SKIP_WITHOUT_PRINTER();
    const int before = newestJobId();
    QVERIFY(!printPagePicture(Picture()));
    QCOMPARE(newestJobId(), before);
}

QTEST_MAIN(PrintPageTest)
#include "tst_printpage.moc"
