#include "ScreenTest.h"

#include "Titlefrm.h"
#include "intro0.h"

using namespace terralore;
using namespace terralore::test;

// A spot of bare menu background, clear of every control.
static const QPoint kBare(300, 120);

class MenuTest : public QObject {
    Q_OBJECT
    ScreenFixture *fx = nullptr;

private slots:
    void initTestCase() { fx = new ScreenFixture; }
    void cleanupTestCase() { delete fx; }
    void init() { fx->reset(); }

    void entries_data();
    void entries();
    void disabledEntriesNeitherHighlightNorClick();
    void hoverHighlightsUntilTheBackgroundIsCrossed();
    void soundSwitchAndItsResetByAReload();
    void indexIsReadAMomentAfterLoading_data();
    void indexIsReadAMomentAfterLoading();
    void exitShowsTheTitleScreenWithCancel();
};

void MenuTest::entries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRectF>("twips");
    QTest::addColumn<double>("points");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<bool>("enabled");
    const QColor navy(0, 0, 128), black(0, 0, 0);
    QTest::newRow("science") << 10 << "The Science of Rocks" << QRectF(3480, 5760, 3195, 375) << 12.0 << black << true;
    QTest::newRow("beginning") << 15 << "The Beginning: the Earth" << QRectF(120, 2160, 3195, 375) << 12.0 << black
                               << true;
    QTest::newRow("wizard") << 17 << "Multiple Choice Wizard" << QRectF(6960, 5760, 4635, 495) << 18.0 << navy << true;
    QTest::newRow("catalogue") << 18 << "Worksheet Catalogue" << QRectF(6960, 6600, 4635, 495) << 18.0 << navy << true;
    QTest::newRow("acknowledgments") << 19 << "Acknowledgments" << QRectF(120, 7920, 3075, 495) << 14.25 << navy
                                     << true;
    QTest::newRow("guide") << 20 << "Teachers' Guide" << QRectF(120, 1080, 3075, 495) << 14.25 << navy << true;
    QTest::newRow("exit") << 16 << "Exit" << QRectF(10560, 7920, 1245, 495) << 18.0 << black << true;
    QTest::newRow("forming") << 0 << "Forming Terralore" << QRectF(120, 2880, 3195, 375) << 12.0 << black << false;
    QTest::newRow("water") << 2 << "Rocks, Soils and Water" << QRectF(120, 4320, 3195, 375) << 12.0 << black << false;
    QTest::newRow("clay") << 9 << "Clay" << QRectF(3480, 5040, 3195, 375) << 12.0 << black << false;
}

void MenuTest::entries()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QRectF, twips);
    QFETCH(double, points);
    QFETCH(QColor, back);
    QFETCH(bool, enabled);
    intro0().Show();
    Label *entry = intro0().Label2[index];
    QVERIFY(entry);
    QCOMPARE(entry->Caption(), caption);
    QCOMPARE(QRectF(entry->Left(), entry->Top(), entry->Width(), entry->Height()), twips);
    QCOMPARE(entry->FontSize(), points);
    QCOMPARE(entry->BackColor(), back);
    QCOMPARE(entry->ForeColor(), QColor(255, 255, 0));
    QCOMPARE(entry->Enabled(), enabled);
    QCOMPARE(entry->BackStyle(), int(vbOpaque));
    QCOMPARE(entry->geometry(), QRect(qRound(twips.x() / 15), qRound(twips.y() / 15), qRound(twips.width() / 15),
                                      qRound(twips.height() / 15)));
    QVERIFY(!intro0().Label2.contains(11) && !intro0().Label2.contains(14));
}

void MenuTest::disabledEntriesNeitherHighlightNorClick()
{
    intro0().Show();
    hover(intro0().client(), kBare);
    Label *slate = intro0().Label2[4];
    QCOMPARE(slate->BackStyle(), int(vbTransparent));
    hover(slate);
    click(slate);
    QCOMPARE(slate->BackStyle(), int(vbTransparent));
    QVERIFY(playedPaths().isEmpty());
}

void MenuTest::hoverHighlightsUntilTheBackgroundIsCrossed()
{
    intro0().Show();
    intro0().Label2.forEach([](int, Label *l) { QCOMPARE(l->BackStyle(), int(vbOpaque)); });
    hover(intro0().client(), kBare);
    intro0().Label2.forEach([](int, Label *l) { QCOMPARE(l->BackStyle(), int(vbTransparent)); });
    hover(intro0().Label2[17]);
    QCOMPARE(intro0().Label2[17]->BackStyle(), int(vbOpaque));
    // Other controls change nothing: the entry stays lit over the picture.
    hover(intro0().Image1);
    QCOMPARE(intro0().Label2[17]->BackStyle(), int(vbOpaque));
    hover(intro0().Label2[20]);
    QCOMPARE(intro0().Label2[17]->BackStyle(), int(vbOpaque));
    QCOMPARE(intro0().Label2[20]->BackStyle(), int(vbOpaque));
    hover(intro0().client(), kBare);
    QCOMPARE(intro0().Label2[17]->BackStyle(), int(vbTransparent));
    QCOMPARE(intro0().Label2[20]->BackStyle(), int(vbTransparent));
}

void MenuTest::soundSwitchAndItsResetByAReload()
{
    intro0().Show();
    QCOMPARE(Module1::SoundOn, 1);
    click(intro0().Option2, QPoint(8, 8));
    QCOMPARE(Module1::SoundOn, 0);
    QVERIFY(intro0().Option2->Value());
    click(intro0().Label2[16]);
    click(Titlefrm().Command1);
    settle();
    QVERIFY(playedPaths().isEmpty());
    click(intro0().Option1, QPoint(8, 8));
    QCOMPARE(Module1::SoundOn, 1);
    click(intro0().Option2, QPoint(8, 8));
    intro0().Unload();
    settle();
    intro0().Show();
    QCOMPARE(Module1::SoundOn, 1);
    QVERIFY(intro0().Option1->Value());
}

void MenuTest::indexIsReadAMomentAfterLoading_data()
{
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("two titles") << QByteArray(" 2 \r\nRocks\r\nSoil types\r\n") << 0 << 2
                                << QStringList{"Rocks", "Soil types"};
    QTest::newRow("count says three, two names")
        << QByteArray(" 3 \r\nRocks\r\nSoil\r\n") << 0 << 2 << QStringList{"Rocks", "Soil"};
    QTest::newRow("empty index") << QByteArray(" 0 \r\n") << 5 << 0 << QStringList{};
    QTest::newRow("not a number") << QByteArray("many\r\nRocks\r\n") << 5 << 5 << QStringList{};
    QTest::newRow("negative") << QByteArray("-4\r\nRocks\r\n") << 5 << 5 << QStringList{};
    QTest::newRow("above a thousand") << QByteArray(" 1001 \r\nRocks\r\n") << 5 << 5 << QStringList{};
    QTest::newRow("empty file") << QByteArray() << 5 << 5 << QStringList{};
    QTest::newRow("missing file") << QByteArray("missing") << 7 << 7 << QStringList{};
}

void MenuTest::indexIsReadAMomentAfterLoading()
{
    QFETCH(QByteArray, index);
    QFETCH(int, before);
    QFETCH(int, count);
    QFETCH(QStringList, names);
    if (index == "missing")
        fx->data.remove(QStringLiteral("multiple/track.txt"));
    else
        QVERIFY(fx->data.write(QStringLiteral("multiple/track.txt"), index));
    Module1::WorksheetCount = before;
    intro0().Show();
    QCOMPARE(Module1::WorksheetCount, before);
    QVERIFY(intro0().Timer1->Enabled());
    QTRY_VERIFY(!intro0().Timer1->Enabled());
    QCOMPARE(Module1::WorksheetCount, count);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(Module1::WorksheetNames[i + 1], names[i]);
}

void MenuTest::exitShowsTheTitleScreenWithCancel()
{
    intro0().Show();
    click(intro0().Label2[16]);
    QVERIFY(TitlefrmIfLoaded());
    QCOMPARE(Titlefrm().Command1->Caption(), QStringLiteral("Cancel"));
    QCOMPARE(topForm(), &Titlefrm());
    QVERIFY(intro0IfLoaded());
    QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"});
    click(Titlefrm().Command1);
    settle();
    QVERIFY(!TitlefrmIfLoaded());
    QCOMPARE(topForm(), &intro0());
}

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
