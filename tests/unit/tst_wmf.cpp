// The metafile player: one row per record family, probed where the records
// put ink; and the text read aloud from a shipped page. Other writers' and
// damaged metafiles are fuzz/corpus/picture seeds.
#include "PictureTesting.h"
#include "TestData.h"

#include "picture/PageText.h"

#include "picture/WmfTypes.h"

#include <QTest>

using namespace terralore;
using namespace terralore::test;
using namespace terralore::wmf;

namespace {

using Records = QList<QList<int>>; // each: function, then its 16-bit words

void put16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}

// A placeable metafile of a 1000-unit square page at 1440 units per inch.
QByteArray metafile(const Records &records)
{
    QByteArray body;
    int objects = 0, largest = 3;
    for (const QList<int> &r : records) {
        const int size = 3 + int(r.size()) - 1;
        largest = std::max(largest, size);
        put16(body, size);
        put16(body, 0);
        for (int w : r)
            put16(body, w);
        objects += (r[0] & 0xF0) == 0xF0 && r[0] != DeleteObject ? 1 : 0;
    }
    body += QByteArray::fromHex("030000000000");
    QByteArray placeable;
    for (int w : {0xCDD7, 0x9AC6, 0, 0, 0, 1000, 1000, 1440, 0, 0})
        put16(placeable, w);
    quint16 checksum = 0;
    for (int i = 0; i < placeable.size(); i += 2)
        checksum ^= quint16(uchar(placeable[i]) | (uchar(placeable[i + 1]) << 8));
    put16(placeable, checksum);
    QByteArray header;
    for (int w : {1, 9, 0x0300, int((18 + body.size()) / 2) & 0xFFFF, int((18 + body.size()) / 2) >> 16, objects,
                  largest, 0, 0})
        put16(header, w);
    return placeable + header + body;
}

// No pen (object 0) and a solid brush of colour words lo, hi (object 1).
Records inked(int lo = 0, int hi = 0)
{
    return {{CreatePenIndirect, PsNull, 0, 0, 0, 0},
            {SelectObject, 0},
            {CreateBrushIndirect, BsSolid, lo, hi, 0},
            {SelectObject, 1}};
}

// Rectangles are stored bottom, right, top, left.
QList<int> box(int function, int left, int top, int right, int bottom)
{
    return {function, bottom, right, top, left};
}

// A 2 by 2 StretchDIB over the whole page: the upper row red, the lower blue
// (rows stored bottom up, pixels blue green red).
QList<int> twoRowBitmap()
{
    const QList<int> record = {StretchDib, 0x0020, 0x00CC, 0, 2, 2, 0, 0, 1000, 1000, 0, 0};
    const QList<int> header = {40, 0, 2, 0, 2, 0, 1, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const QList<int> rows = {0x00FF, 0xFF00, 0, 0, 0, 0x00FF, 0xFF00, 0};
    return record + header + rows;
}

} // namespace

class WmfTest : public QObject {
    Q_OBJECT

private slots:
    void recordFamilies_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<QString>("probes"); // "x,y colour" at 200 by 200 pixels, 5 units a pixel
        const auto row = [](const char *name, const Records &records, const char *probes) {
            QTest::newRow(name) << records << QString::fromLatin1(probes);
        };
        const Records ink = inked();
        row("ellipse", ink + Records{box(Ellipse, 0, 0, 1000, 1000)}, "100,100 black; 5,5 white");
        row("polygon", ink + Records{{Polygon, 3, 0, 0, 1000, 0, 0, 1000}}, "40,40 black; 160,160 white");
        row("polyline in a wide red pen",
            Records{
                {CreatePenIndirect, PsSolid, 100, 0, 0x00FF, 0}, {SelectObject, 0}, {Polyline, 2, 0, 500, 1000, 500}},
            "100,100 red; 100,20 white");
        row("twips, y up", ink + Records{{SetMapMode, MmTwips}, box(Rectangle, 100, -300, 300, -100)},
            "40,40 black; 70,70 white; 10,10 white");
        const auto tallWindow = [&](int mode, const QList<int> &shape) {
            return ink + Records{{SetMapMode, mode},
                                 {SetWindowOrg, 0, 0},
                                 {SetWindowExt, 1000, 2000},
                                 {SetViewportExt, 1000, 1000},
                                 shape};
        };
        row("anisotropic 2:1 window", tallWindow(MmAnisotropic, box(Rectangle, 0, 0, 1000, 500)),
            "50,50 black; 150,50 white; 50,150 white");
        row("isotropic 2:1 window", tallWindow(MmIsotropic, box(Rectangle, 0, 0, 1000, 1000)),
            "50,50 black; 150,50 white; 50,150 white");
        row("viewport origin",
            ink + Records{{SetMapMode, MmAnisotropic}, {SetViewportOrg, 500, 500}, box(Rectangle, 0, 0, 200, 200)},
            "120,120 black; 90,90 white");
        row("window flipped",
            ink + Records{{SetWindowOrg, 1000, 0}, {SetWindowExt, -1000, 1000}, box(Rectangle, 0, 800, 200, 1000)},
            "20,20 black; 20,180 white");
        row("scaled viewport", ink + Records{{ScaleViewportExt, 4, 1, 2, 1}, box(Rectangle, 0, 0, 1000, 1000)},
            "50,25 black; 50,75 white; 150,25 white");
        const Records changed = {
            {SaveDC}, {CreateBrushIndirect, BsSolid, 0x00FF, 0, 0}, {SelectObject, 2}, {SetWindowOrg, 0, -500}};
        row("RestoreDC -1 brings back brush and window",
            ink + changed + Records{{RestoreDC, -1}, box(Rectangle, 0, 0, 200, 200)}, "20,20 black; 120,20 white");
        row("RestoreDC past every save changes nothing",
            ink + changed + Records{{RestoreDC, -5}, box(Rectangle, 0, 0, 200, 200)}, "20,20 white; 120,20 red");
        // No pen, these objects, then the page filled.
        const auto filled = [](const Records &objects) {
            return Records{{CreatePenIndirect, PsNull, 0, 0, 0, 0}, {SelectObject, 0}} + objects +
                   Records{box(Rectangle, 0, 0, 1000, 1000)};
        };
        const QList<int> red = {CreateBrushIndirect, BsSolid, 0x00FF, 0, 0};
        row("a deleted object's index is the lowest free",
            filled({red,
                    {CreateBrushIndirect, BsSolid, 0xFF00, 0, 0},
                    {DeleteObject, 1},
                    {CreateBrushIndirect, BsSolid, 0, 0x00FF, 0},
                    {SelectObject, 1}}),
            "100,100 blue");
        row("a palette takes a slot", filled({{CreatePalette, 0x0300, 2, 0, 0, 1, 0}, red, {SelectObject, 2}}),
            "100,100 red");
        row("a damaged pen keeps its slot", filled({{CreatePenIndirect, 0}, red, {SelectObject, 2}}), "100,100 red");
        row("intersect clip",
            ink + Records{box(IntersectClipRect, 200, 200, 600, 600), box(Rectangle, 0, 0, 1000, 1000)},
            "80,80 black; 20,20 white; 150,150 white");
        row("exclude clip", ink + Records{box(ExcludeClipRect, 200, 200, 800, 800), box(Rectangle, 0, 0, 1000, 1000)},
            "100,100 white; 20,20 black");
        row("StretchDIB rows bottom up", Records{twoRowBitmap()}, "100,50 red; 100,150 blue");
    }

    void recordFamilies()
    {
        QFETCH(Records, records);
        QFETCH(QString, probes);
        const QImage image = renderPicture(Picture::fromData(metafile(records)), QSize(200, 200));
        for (const QString &probe : probes.split(QStringLiteral("; "))) {
            const QStringList parts = probe.split(QRegularExpression(QStringLiteral("[ ,]")));
            const QColor found = image.pixelColor(parts[0].toInt(), parts[1].toInt());
            QVERIFY2(near(found, QColor(parts[2])), qPrintable(probe + QStringLiteral(": ") + found.name()));
        }
    }

    // Runs on a baseline make a line, wrapped lines a sentence, headings
    // sentences of their own, and the left column comes before the right.
    void pageTextInReadingOrder_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("sentences");
        QTest::addColumn<bool>("opening");
        const auto row = [](const char *name, const char *page, const char *sentences, bool opening = false) {
            QTest::newRow(name) << QString::fromLatin1(page) << QString::fromLatin1(sentences) << opening;
        };
        row("title and heading first", "key sciencea",
            "Key Facts: The Science of Rocks. Rocks and minerals. The ground under our feet is rock, made of "
            "minerals: natural crystals such as quartz and mica. We sort rocks",
            true);
        row("brackets", "key sciencea", " Made when hot melted rock (magma or lava) cools and sets hard. ");
        row("left column, then right", "key sciencea",
            " limestone, chalk (tiny shells of sea creatures). Metamorphic rock. Made when great heat and pressure");
        row("a bold word inside a line", "guide2", " Read them together on screen, or press Print at the top right");
    }

    void pageTextInReadingOrder()
    {
        QFETCH(QString, page);
        QFETCH(QString, sentences);
        QFETCH(bool, opening);
        const QString text = pageText(Picture::load(resourcesFolder() + QStringLiteral("/wmf/") + page + ".wmf"));
        QVERIFY2(opening ? text.startsWith(sentences) : text.contains(sentences), qPrintable(text));
    }
};

QTEST_MAIN(WmfTest)
#include "tst_wmf.moc"
