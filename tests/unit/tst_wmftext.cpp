// Text: alignment against the real font metrics, escapement, character
// widths, opaque and clipped boxes, the current position, character sets.
#include "PictureTesting.h"
#include "WmfWriter.h"

#include "picture/WmfFonts.h"
#include "picture/WmfTypes.h"

#include <QRawFont>
#include <QTest>

using namespace terralore;
using namespace terralore::test;
using namespace terralore::wmf;

namespace {

// Pages are 1000 units drawn at 200 px; a -200 unit font is 40 px high.
constexpr int kSize = 200;
constexpr double kEm = 40;
const QByteArray kFace = "Arial";

WmfWriter texted(int align, int height = -200, int escapement = 0)
{
    WmfWriter w = WmfWriter::page();
    w.createFont(height, kFace, 400, escapement).selectObject(0);
    w.setBkMode(Transparent).setTextAlign(align);
    return w;
}

QRawFont liberationSans()
{
    QFont font(QStringLiteral("Liberation Sans"));
    QRawFont raw = QRawFont::fromFont(font);
    raw.setPixelSize(kEm);
    return raw;
}

QRect ink(const QByteArray &wmf)
{
    return darkBounds(renderPicture(wmf, QSize(kSize, kSize)));
}

} // namespace

class TestWmfText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void alignment_data();
    void alignment();
    void escapementTurnsText();
    void characterWidths_data();
    void characterWidths();
    void cellHeightIsSmallerThanCharacterHeight();
    void opaqueAndClippedBoxes_data();
    void opaqueAndClippedBoxes();
    void updateCpContinuesText();
    void decodesCharsets_data();
    void decodesCharsets();
    void mapsFaces_data();
    void mapsFaces();
};

void TestWmfText::initTestCase()
{
    registerTestFonts();
    QVERIFY(liberationSans().isValid());
}

void TestWmfText::alignment_data()
{
    QTest::addColumn<int>("align");
    QTest::addRow("left top") << 0;
    QTest::addRow("left baseline") << int(TaBaseline);
    QTest::addRow("left bottom") << int(TaBottom);
    QTest::addRow("center baseline") << int(TaCenter | TaBaseline);
    QTest::addRow("right baseline") << int(TaRight | TaBaseline);
}

void TestWmfText::alignment()
{
    QFETCH(int, align);
    // "HIE" has flat sides, no descender, and its top is the cap height.
    const QRect box = ink(texted(align).textOut(QPoint(500, 500), "HIE").finish());
    QVERIFY(!box.isEmpty());
    const QRawFont font = liberationSans();
    const double capHeight = font.capHeight();
    double baseline = 100;
    if ((align & TaVerticalMask) == 0)
        baseline = 100 + font.ascent();
    else if ((align & TaVerticalMask) == TaBottom)
        baseline = 100 - font.descent();
    QVERIFY2(qAbs(box.bottom() + 1 - baseline) <= 1.5, qPrintable(QString::number(box.bottom())));
    QVERIFY2(qAbs(box.top() - (baseline - capHeight)) <= 1.5, qPrintable(QString::number(box.top())));
    const int horizontal = align & TaHorizontalMask;
    if (horizontal == TaCenter)
        QVERIFY2(qAbs((box.left() + box.right() + 1) / 2.0 - 100) <= 1.5,
                 qPrintable(QString::number(box.left())));
    else if (horizontal == TaRight)
        QVERIFY2(box.right() < 100 && box.right() > 94, qPrintable(QString::number(box.right())));
    else
        QVERIFY2(box.left() >= 100 && box.left() < 106, qPrintable(QString::number(box.left())));
}

void TestWmfText::escapementTurnsText()
{
    const QRect flat = ink(texted(TaBaseline).textOut(QPoint(300, 800), "HIEHIE").finish());
    const QRect turned = ink(texted(TaBaseline, -200, 900).textOut(QPoint(300, 800), "HIEHIE").finish());
    QVERIFY(flat.width() > 2 * flat.height());
    QVERIFY2(turned.height() > 2 * turned.width(), qPrintable(QString::number(turned.height())));
    // Counter-clockwise by 90 degrees: the text climbs from its reference
    // point (60, 160) with its baseline on x = 60 and its letters to the left.
    QVERIFY2(turned.bottom() <= 160 && turned.bottom() >= 160 - 6,
             qPrintable(QString::number(turned.bottom())));
    QVERIFY2(qAbs(turned.right() + 1 - 60) <= 1, qPrintable(QString::number(turned.right())));
    QVERIFY(qAbs(turned.width() - flat.height()) <= 2);
}

void TestWmfText::characterWidths_data()
{
    QTest::addColumn<QByteArray>("wmf");
    QTest::addColumn<int>("minWidth");
    QTest::addColumn<int>("maxWidth");
    const QRawFont font = liberationSans();
    const int natural = qRound(font.advancesForGlyphIndexes(font.glyphIndexesForString("I")).first().x());
    QTest::newRow("font widths") << texted(0).extTextOut(QPoint(100, 400), "II").finish() << natural
                                 << 2 * natural;
    // The second I is drawn 600 units (120 px) after the first.
    QTest::newRow("dx array") << texted(0).extTextOut(QPoint(100, 400), "II", 0, {}, {600, 0}).finish() << 120
                              << 120 + natural;
    QTest::newRow("char extra")
        << texted(0).record(SetTextCharExtra, {300}).textOut(QPoint(100, 400), "II").finish() << 60
        << 60 + 2 * natural;
}

void TestWmfText::characterWidths()
{
    QFETCH(QByteArray, wmf);
    QFETCH(int, minWidth);
    QFETCH(int, maxWidth);
    const QRect box = ink(wmf);
    QVERIFY2(box.width() >= minWidth && box.width() <= maxWidth, qPrintable(QString::number(box.width())));
}

void TestWmfText::cellHeightIsSmallerThanCharacterHeight()
{
    const QRawFont font = liberationSans();
    const double cellPerEm = (font.ascent() + font.descent()) / kEm;
    const QRect character = ink(texted(0, -200).textOut(QPoint(100, 300), "H").finish());
    const QRect cell = ink(texted(0, 200).textOut(QPoint(100, 300), "H").finish());
    QVERIFY(qAbs(character.height() - font.capHeight()) <= 1.5);
    QVERIFY2(qAbs(cell.height() - font.capHeight() / cellPerEm) <= 1.5,
             qPrintable(QString::number(cell.height())));
}

void TestWmfText::opaqueAndClippedBoxes_data()
{
    QTest::addColumn<QByteArray>("wmf");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<QColor>("expected");
    QTest::addColumn<QRect>("inkWithin");
    const QRect box(100, 100, 400, 300);
    const auto base = [] {
        return texted(0).setBkColor(QColor(250, 200, 0));
    };
    QTest::newRow("opaque box") << base().extTextOut(QPoint(150, 150), "I", EtoOpaque, box).finish()
                                << QPoint(90, 70) << QColor(250, 200, 0) << QRect(0, 0, kSize, kSize);
    QTest::newRow("transparent background")
        << base().extTextOut(QPoint(150, 150), "HIE").finish() << QPoint(90, 70) << QColor(Qt::white)
        << QRect(0, 0, kSize, kSize);
    QTest::newRow("opaque background")
        << base().setBkMode(Opaque).extTextOut(QPoint(150, 150), "HIE").finish() << QPoint(33, 33)
        << QColor(250, 200, 0) << QRect(0, 0, kSize, kSize);
    // Text far larger than the box is cut at its edges.
    QTest::newRow("clipped")
        << base().extTextOut(QPoint(100, 100), "WWWWW", EtoClipped, QRect(100, 100, 300, 100)).finish()
        << QPoint(150, 30) << QColor(Qt::white) << QRect(20, 20, 60, 20);
}

void TestWmfText::opaqueAndClippedBoxes()
{
    QFETCH(QByteArray, wmf);
    QFETCH(QPoint, probe);
    QFETCH(QColor, expected);
    QFETCH(QRect, inkWithin);
    const QImage image = renderPicture(wmf, QSize(kSize, kSize));
    QVERIFY2(near(image.pixelColor(probe), expected, 10), qPrintable(image.pixelColor(probe).name()));
    const QRect box = darkBounds(image);
    QVERIFY(!box.isEmpty());
    QVERIFY2(inkWithin.contains(box), qPrintable(QStringLiteral("%1 %2").arg(box.left()).arg(box.right())));
}

void TestWmfText::updateCpContinuesText()
{
    const QRect once = ink(texted(TaBaseline).textOut(QPoint(100, 500), "HIEHIE").finish());
    const QRect twice = ink(texted(TaBaseline | TaUpdateCp)
                                .moveTo(100, 500)
                                .textOut(QPoint(900, 900), "HIE")
                                .textOut(QPoint(900, 900), "HIE")
                                .finish());
    QVERIFY2(qAbs(once.left() - twice.left()) <= 1 && qAbs(once.right() - twice.right()) <= 1,
             qPrintable(QStringLiteral("%1 %2").arg(twice.left()).arg(twice.right())));
}

void TestWmfText::decodesCharsets_data()
{
    QTest::addColumn<int>("charset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ansi euro and quotes") << 0 << QByteArray("\x80 \x93x\x94") << QStringLiteral("€ “x”");
    QTest::newRow("default is ansi") << 1 << QByteArray("caf\xE9") << QStringLiteral("café");
    QTest::newRow("russian") << 204 << QByteArray("\xCC\xE8\xF0") << QStringLiteral("Мир");
    QTest::newRow("greek") << 161 << QByteArray("\xC1\xE2") << QStringLiteral("Αβ");
    QTest::newRow("east europe") << 238 << QByteArray("\x8A\xE8") << QStringLiteral("Šč");
    QTest::newRow("shift-jis") << 128 << QByteArray("\x82\xA0") << QStringLiteral("あ");
}

void TestWmfText::decodesCharsets()
{
    QFETCH(int, charset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    WmfFontCache fonts(nullptr);
    QCOMPARE(fonts.decode(bytes, charset), text);
}

void TestWmfText::mapsFaces_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("family");
    QTest::newRow("times") << QStringLiteral("Times New Roman") << QStringLiteral("Liberation Serif");
    QTest::newRow("arial any case") << QStringLiteral("ARIAL") << QStringLiteral("Liberation Sans");
    QTest::newRow("courier") << QStringLiteral("Courier New") << QStringLiteral("Liberation Mono");
    QTest::newRow("tahoma stays") << QStringLiteral("Tahoma") << QStringLiteral("Tahoma");
}

void TestWmfText::mapsFaces()
{
    QFETCH(QString, face);
    QFETCH(QString, family);
    QCOMPARE(mappedFontFamily(face), family);
    // The face actually drawn with is the mapped one when it is installed.
    WmfFontCache fonts(nullptr);
    WmfFont font;
    font.face = face;
    const QRawFont raw = fonts.realize(font, -20, 0).raw;
    if (family == QLatin1String("Tahoma") && raw.familyName() != family)
        QSKIP("Wine's Tahoma is not installed");
    QCOMPARE(raw.familyName(), family);
}

QTEST_MAIN(TestWmfText)
#include "tst_wmftext.moc"
