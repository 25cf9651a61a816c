#include "WmfFixtures.h"

#include "WmfWriter.h"

#include "picture/WmfTypes.h"

namespace terralore::test {

using namespace wmf;

namespace {

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 128));
    }
    return image;
}

QByteArray shapes()
{
    WmfWriter w = WmfWriter::filledPage(QColor(40, 120, 40), 2000);
    w.createPen(PsSolid, 20, Qt::black).selectObject(2);
    w.polygon(QPolygon({{100, 900}, {500, 100}, {900, 900}}));
    w.createBrush(BsHatched, Qt::blue, HsDiagCross).selectObject(3).rectangle(QRect(1000, 100, 800, 600));
    w.roundRect(QRect(100, 1000, 800, 500), QSize(200, 200)).ellipse(QRect(1000, 1000, 800, 500));
    w.createPen(PsDash, 0, Qt::red)
        .selectObject(4)
        .arc(Arc, QRect(100, 1500, 400, 400), {500, 1700}, {300, 1500});
    w.arc(Pie, QRect(600, 1500, 400, 400), {1000, 1700}, {800, 1500});
    w.arc(Chord, QRect(1100, 1500, 400, 400), {1500, 1700}, {1300, 1500});
    w.setPolyFillMode(Winding).polyPolygon(
        {QPolygon({{1500, 1500}, {1900, 1500}, {1900, 1900}, {1500, 1900}}),
         QPolygon({{1600, 1600}, {1800, 1600}, {1700, 1800}})});
    return w.moveTo(0, 1990)
        .lineTo(2000, 1990)
        .polyline(QPolygon({{0, 0}, {2000, 0}, {2000, 2000}}))
        .finish();
}

QByteArray text()
{
    WmfWriter w = WmfWriter::page(2000);
    w.createFont(-200, "Times New Roman", 700).selectObject(0).setTextColor(Qt::darkBlue);
    w.setTextAlign(TaBaseline).setBkMode(Transparent).textOut(QPoint(100, 300), "Roots drink water");
    w.createFont(-160, "Arial", 400, 450).selectObject(1).textOut(QPoint(100, 1200), "Tilted stem");
    w.createFont(-160, "Tahoma").selectObject(2).setTextAlign(TaCenter);
    w.setBkColor(Qt::yellow).extTextOut(QPoint(1000, 600), "Leaf", EtoOpaque, QRect(700, 550, 600, 300));
    w.extTextOut(QPoint(1000, 1400), "Spaced", EtoClipped, QRect(800, 1350, 400, 150),
                 {150, 150, 150, 150, 150, 150});
    w.createFont(-160, "Arial", 400, 0, 204).selectObject(3).setTextAlign(TaUpdateCp).moveTo(100, 1700);
    return w.textOut(QPoint(0, 0), "\xCC\xE8\xF0 ")
        .textOut(QPoint(0, 0), "\xEF\xF0\xE8\xE2\xE5\xF2")
        .finish();
}

QByteArray bitmaps()
{
    WmfWriter w = WmfWriter::page(2000);
    w.stretchDib(QRect(0, 0, 1000, 1000), gradient(16, 16), 24);
    w.stretchDib(QRect(1000, 0, 1000, 1000), gradient(16, 16), 8);
    w.stretchDib(QRect(0, 1000, 1000, 1000), gradient(16, 16), 1);
    w.createPen(PsNull, 0, Qt::black).selectObject(0);
    return w.createPatternBrush(gradient(8, 8))
        .selectObject(1)
        .rectangle(QRect(1000, 1000, 1000, 1000))
        .finish();
}

QByteArray clipping()
{
    WmfWriter w = WmfWriter::filledPage(Qt::darkGreen, 2000);
    w.createRegion({QRect(0, 0, 2000, 300), QRect(0, 800, 2000, 300)});
    w.record(SaveDC, {})
        .record(SelectClipRegion, {2})
        .rectangle(QRect(0, 0, 2000, 2000))
        .record(RestoreDC, {-1});
    w.excludeClipRect(QRect(500, 1200, 1000, 500)).ellipse(QRect(200, 1100, 1600, 800));
    return w.record(OffsetClipRgn, {100, 100}).intersectClipRect(QRect(0, 0, 100, 100)).finish();
}

QByteArray plainAnisotropic()
{
    WmfWriter w;
    w.setMapMode(MmAnisotropic).setWindowOrg(0, 0).setWindowExt(4000, 2000);
    w.createBrush(BsSolid, Qt::magenta).selectObject(0);
    return w.ellipse(QRect(0, 0, 4000, 2000)).finish();
}

QList<WmfFixture> broken()
{
    const QByteArray whole = shapes();
    QList<WmfFixture> out;
    out.append({QStringLiteral("broken-truncated.wmf"), whole.left(whole.size() * 2 / 3), true});
    out.append({QStringLiteral("broken-overrun.wmf"),
                WmfWriter::filledPage(Qt::red).forgedRecord(100000, Polygon, QByteArray(8, '\1')).finish(),
                true});
    out.append({QStringLiteral("broken-counts.wmf"),
                WmfWriter::filledPage(Qt::red).record(PolyPolygon, {3, 9000, 2, 1, 0, 0}).finish(), true});
    out.append({QStringLiteral("broken-zero-size.wmf"),
                WmfWriter::filledPage(Qt::red).forgedRecord(0, Rectangle, QByteArray(8, '\0')).finish(),
                true});
    WmfWriter deep = WmfWriter::filledPage(Qt::red);
    for (int i = 0; i < 400; ++i)
        deep.record(SaveDC, {}).selectObject(60000 + i);
    out.append({QStringLiteral("broken-deep-save.wmf"), deep.finish(), true});
    QByteArray dib = WmfWriter::dib(gradient(4, 4), 24);
    dib.replace(4, 8, QByteArray::fromHex("ffff0000ffff0000")); // 65535 x 65535 pixels
    QByteArray params;
    WmfWriter::put32(params, RopSrcCopy);
    for (int v : {0, 4, 4, 0, 0, 500, 500, 0, 0})
        WmfWriter::put16(params, v);
    out.append({QStringLiteral("broken-huge-dib.wmf"),
                WmfWriter::page().recordBytes(StretchDib, params + dib).finish(), true});
    return out;
}

} // namespace

QByteArray pageFixture()
{
    // 784 x 520 px at 96 dpi is 11760 x 7800 twips.
    WmfWriter w;
    w.placeable(QRect(0, 0, 11760, 7800), 1440);
    w.setWindowOrg(0, 0).setWindowExt(11760, 7800).setBkMode(Transparent);
    w.createPen(PsSolid, 15, Qt::black).selectObject(0);
    w.createBrush(BsSolid, QColor(255, 250, 230)).selectObject(1).rectangle(QRect(0, 0, 11760, 7800));
    w.createFont(-480, "Arial", 700).selectObject(2).textOut(QPoint(300, 200), "How plants grow");
    w.createFont(-240, "Times New Roman").selectObject(3).setTextAlign(TaBaseline);
    const QByteArray line = "Plants use light, water and air to make their food in their leaves.";
    for (int i = 0; i < 24; ++i)
        w.textOut(QPoint(300, 1100 + i * 270), line);
    for (int i = 0; i < 12; ++i) {
        const QColor colour = QColor::fromHsv(i * 30, 160, 220);
        w.createBrush(i % 3 ? BsSolid : BsHatched, colour, i % 6).selectObject(4);
        const QRect box(7400 + (i % 3) * 1400, 1100 + (i / 3) * 1600, 1200, 1300);
        if (i % 2)
            w.ellipse(box);
        else
            w.roundRect(box, QSize(300, 300));
        w.polygon(QPolygon({box.bottomLeft(), box.center(), box.bottomRight()}));
        w.deleteObject(4);
    }
    return w.finish();
}

QList<WmfFixture> writerFixtures()
{
    QList<WmfFixture> out{{QStringLiteral("shapes.wmf"), shapes(), false},
                          {QStringLiteral("text.wmf"), text(), false},
                          {QStringLiteral("bitmaps.wmf"), bitmaps(), false},
                          {QStringLiteral("clipping.wmf"), clipping(), false},
                          {QStringLiteral("plain-anisotropic.wmf"), plainAnisotropic(), false},
                          {QStringLiteral("page.wmf"), pageFixture(), false}};
    return out + broken();
}

} // namespace terralore::test
