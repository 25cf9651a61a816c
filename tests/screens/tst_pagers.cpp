#include "PagerTesting.h"

#include "TextCodec.h"

#include <memory>

using namespace terralore;
using namespace terralore::test;

namespace {

// A spot of bare pager background below the page, clear of every control.
const QPoint kBare(40, 545);
const QString kPrintFailed = QStringLiteral("There was a problem printing to your printer.");

// Puts a file of the data copy back when the test ends, however it ends.
class Restore {
public:
    Restore(TestData &data, const QString &file) : m_data(data), m_file(file), m_bytes(data.read(file)) {}
    ~Restore() { m_data.write(m_file, m_bytes); }

private:
    TestData &m_data;
    QString m_file;
    QByteArray m_bytes;
};

} // namespace

class PagerTest : public QObject {
    Q_OBJECT
    ScreenFixture *fx = nullptr;
    QList<Picture> printed;
    bool printerWorks = true;

private slots:
    void initTestCase()
    {
        fx = new ScreenFixture;
        Pager::setPrinter([this](const Picture &page) {
            printed << page;
            return printerWorks;
        });
    }
    void cleanupTestCase()
    {
        Pager::setPrinter({});
        delete fx;
    }
    void init()
    {
        fx->reset();
        printed.clear();
        printerWorks = true;
    }

    void pageSetsTurnForwardAndBack_data();
    void pageSetsTurnForwardAndBack();
    void guideTurnsThroughFivePages_data();
    void guideTurnsThroughFivePages();
    void hoverRule_data();
    void hoverRule();
    void pagesOutsideTheSetClearThePictures_data();
    void pagesOutsideTheSetClearThePictures();
    void missingPageFileLeavesThePagerUsable_data();
    void missingPageFileLeavesThePagerUsable();
    void printSendsThePrintedCopy_data();
    void printSendsThePrintedCopy();
    void exitUncoversTheCallerAndTheNextOpeningStartsAfresh_data();
    void exitUncoversTheCallerAndTheNextOpeningStartsAfresh();
};

void PagerTest::pageSetsTurnForwardAndBack_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("notes of The Science of Rocks: one page") << "science" << QStringList{"sciencea.wmf"};
    QTest::newRow("notes of The Beginning: two pages")
        << "beginning" << QStringList{"beginninga.wmf", "beginningb.wmf"};
    QTest::newRow("key facts of The Science of Rocks")
        << "key science" << QStringList{"key sciencea.wmf", "key scienceb.wmf"};
    QTest::newRow("key facts of The Beginning")
        << "key beginning" << QStringList{"key beginninga.wmf", "key beginningb.wmf"};
}

void PagerTest::pageSetsTurnForwardAndBack()
{
    QFETCH(QString, set);
    QFETCH(QStringList, pages);
    const int count = int(pages.size());
    teacherForm &pager = openPageSet(count, set);
    QCOMPARE(topForm(), &pager);
    QCOMPARE(pager.BackColor(), QColor(39, 63, 137));
    QCOMPARE(Module1::PageNumber, 1);
    // A single page needs no counter and no page entries; Print and Exit stay.
    QCOMPARE(pager.Label1->Visible(), count > 1);
    QCOMPARE(pager.Label3[Next]->Visible(), count > 1);
    QCOMPARE(pager.Label3[Previous]->Visible(), count > 1);
    QVERIFY(pager.Label3[Print]->Visible() && pager.Label3[Exit]->Visible());
    verifyEntries(pager, QStringLiteral("Page 1 of") + signPlace(count), false, true);
    verifyPage(pager, "wmf\\" + pages[0], "wmf2\\" + pages[0]);
    for (int page = 2; page <= count; ++page) {
        click(pager.Label3[Next]);
        QCOMPARE(Module1::PageNumber, page);
        verifyEntries(pager, QStringLiteral("Page %1 of %2").arg(page).arg(count), true, page != count);
        verifyPage(pager, "wmf\\" + pages[page - 1], "wmf2\\" + pages[page - 1]);
    }
    for (int page = count - 1; page >= 1; --page) {
        click(pager.Label3[Previous]);
        QCOMPARE(Module1::PageNumber, page);
        verifyEntries(pager, QStringLiteral("Page %1 of %2").arg(page).arg(count), page != 1, true);
        verifyPage(pager, "wmf\\" + pages[page - 1], "wmf2\\" + pages[page - 1]);
    }
    // The entries keep their black ground: this pager has no hover.
    pager.Label3.forEach([](int, Label *entry) { QCOMPARE(entry->BackStyle(), int(vbOpaque)); });
    QVERIFY(playedPaths().isEmpty());
}

void PagerTest::guideTurnsThroughFivePages_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<bool>("next");
    QTest::addColumn<bool>("turned");
    QTest::newRow("opened on page 1") << "" << 1 << false << true << false;
    QTest::newRow("page 2") << "N" << 2 << true << true << true;
    QTest::newRow("page 4") << "NNN" << 4 << true << true << true;
    QTest::newRow("four clicks reach page 5") << "NNNN" << 5 << true << false << true;
    QTest::newRow("back from page 5") << "NNNNP" << 4 << true << true << true;
    QTest::newRow("back to page 1") << "NNPP" << 1 << false << true << true;
    QTest::newRow("disabled Next on page 5 stays") << "NNNNNN" << 5 << true << false << true;
    QTest::newRow("disabled Previous on page 1 stays") << "PP" << 1 << false << true << false;
}

void PagerTest::guideTurnsThroughFivePages()
{
    QFETCH(QString, clicks);
    QFETCH(int, page);
    QFETCH(bool, previous);
    QFETCH(bool, next);
    QFETCH(bool, turned);
    Pager &pager = openPager(QStringLiteral("guide"));
    QCOMPARE(topForm(), &pager);
    Label *heading = guide().Label2;
    QCOMPARE(heading->Caption(), QString());
    heading->setCaption(QStringLiteral("A heading"));
    clickEntries(pager, clicks);
    QCOMPARE(Module1::PageNumber, page);
    verifyEntries(pager, QStringLiteral("Page %1 of 5").arg(page), previous, next);
    verifyPage(pager, QStringLiteral("wmf\\guide%1.wmf").arg(page), QStringLiteral("wmf2\\guide%1.wmf").arg(page));
    // Every turn empties the heading; without a turn it keeps what it had.
    QCOMPARE(heading->Caption(), turned ? QString() : QStringLiteral("A heading"));
    QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"}); // the menu's, none of the guide's
}

void PagerTest::hoverRule_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<bool>("opaque");
    QTest::newRow("guide: bare form clears the entries") << "guide" << QStringList{"bare"} << false;
    QTest::newRow("guide: an entry changes nothing") << "guide" << QStringList{"entry"} << true;
    QTest::newRow("guide: the page changes nothing") << "guide" << QStringList{"page"} << true;
    QTest::newRow("guide: the heading changes nothing") << "guide" << QStringList{"heading"} << true;
    QTest::newRow("guide: nothing lights them again") << "guide" << QStringList{"bare", "entry", "page"} << false;
    QTest::newRow("notes: no hover") << "notes" << QStringList{"bare", "entry"} << true;
}

void PagerTest::hoverRule()
{
    QFETCH(QString, which);
    QFETCH(QStringList, moves);
    QFETCH(bool, opaque);
    Pager &pager = openPager(which);
    pager.Label3.forEach([](int, Label *entry) { QCOMPARE(entry->BackStyle(), int(vbOpaque)); });
    for (const QString &move : moves) {
        if (move == QLatin1String("bare"))
            hover(pager.client(), kBare);
        else if (move == QLatin1String("entry"))
            hover(pager.Label3[Next]);
        else if (move == QLatin1String("page"))
            hover(pager.Image1, QPoint(300, 300));
        else
            hover(guide().Label2, QPoint(200, 20));
    }
    pager.Label3.forEach(
        [opaque](int, Label *entry) { QCOMPARE(entry->BackStyle(), int(opaque ? vbOpaque : vbTransparent)); });
}

void PagerTest::pagesOutsideTheSetClearThePictures_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("printed");
    QTest::newRow("page 3 exists in name only") << 3 << 3 << "wmf\\key sciencec.wmf"
                                                << "wmf2\\key sciencec.wmf";
    QTest::newRow("page 4 has no name") << 5 << 4 << ""
                                        << "";
    QTest::newRow("page 5 has no name") << 5 << 5 << ""
                                        << "";
}

void PagerTest::pagesOutsideTheSetClearThePictures()
{
    QFETCH(int, count);
    QFETCH(int, page);
    QFETCH(QString, shown);
    QFETCH(QString, printed);
    teacherForm &pager = openPageSet(count, QStringLiteral("key science"));
    clickEntries(pager, QString(page - 1, 'N'));
    QCOMPARE(Module1::PageNumber, page);
    verifyEntries(pager, QStringLiteral("Page %1 of %2").arg(page).arg(count), true, page != count);
    verifyPage(pager, shown, printed, false);
    clickEntries(pager, QString(page - 1, 'P'));
    verifyEntries(pager, QStringLiteral("Page 1 of %1").arg(count), false, true);
    verifyPage(pager, "wmf\\key sciencea.wmf", "wmf2\\key sciencea.wmf");
}

void PagerTest::missingPageFileLeavesThePagerUsable_data()
{
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<QByteArray>("replacement");
    QTest::newRow("shown copy missing") << QStringList{"wmf/key scienceb.wmf"} << QByteArray();
    QTest::newRow("print copy missing") << QStringList{"wmf2/key scienceb.wmf"} << QByteArray();
    QTest::newRow("both missing") << QStringList{"wmf/key scienceb.wmf", "wmf2/key scienceb.wmf"} << QByteArray();
    QTest::newRow("both damaged") << QStringList{"wmf/key scienceb.wmf", "wmf2/key scienceb.wmf"}
                                  << QByteArray("\xd7\xcd\xc6\x9a not a metafile");
}

void PagerTest::missingPageFileLeavesThePagerUsable()
{
    QFETCH(QStringList, missing);
    QFETCH(QByteArray, replacement);
    std::vector<std::unique_ptr<Restore>> restore;
    for (const QString &file : missing) {
        restore.push_back(std::make_unique<Restore>(fx->data, file));
        QVERIFY(replacement.isEmpty() ? fx->data.remove(file) : fx->data.write(file, replacement));
    }
    teacherForm &pager = openPageSet(2, QStringLiteral("key science"));
    click(pager.Label3[Next]);
    verifyEntries(pager, QStringLiteral("Page 2 of 2"), true, false);
    QCOMPARE(pager.Image1->PictureSource(), QStringLiteral("wmf\\key scienceb.wmf"));
    QCOMPARE(pager.Image2->PictureSource(), QStringLiteral("wmf2\\key scienceb.wmf"));
    QCOMPARE(pager.Image1->picture().isNull(), missing.contains("wmf/key scienceb.wmf"));
    QCOMPARE(pager.Image2->picture().isNull(), missing.contains("wmf2/key scienceb.wmf"));
    pager.repaint(); // an empty page paints without harm
    click(pager.Label3[Print]);
    QCOMPARE(printed.size(), 1);
    QCOMPARE(printed[0].isNull(), pager.Image2->picture().isNull());
    click(pager.Label3[Previous]);
    verifyPage(pager, "wmf\\key sciencea.wmf", "wmf2\\key sciencea.wmf");
    click(pager.Label3[Exit]);
    settle();
    QVERIFY(!teacherIfLoaded());
}

void PagerTest::printSendsThePrintedCopy_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("printedCopy");
    QTest::addColumn<bool>("printerWorks");
    QTest::newRow("key facts page 2") << "notes"
                                      << "N"
                                      << "wmf2\\key scienceb.wmf" << true;
    QTest::newRow("key facts page 1, printer fails") << "notes"
                                                     << ""
                                                     << "wmf2\\key sciencea.wmf" << false;
    QTest::newRow("guide page 3") << "guide"
                                  << "NN"
                                  << "wmf2\\guide3.wmf" << true;
    QTest::newRow("guide page 5, printer fails") << "guide"
                                                 << "NNNN"
                                                 << "wmf2\\guide5.wmf" << false;
    QTest::newRow("acknowledgments") << "acknowledgments"
                                     << ""
                                     << "wmf2\\acknowledgments.wmf" << true;
    QTest::newRow("acknowledgments, printer fails") << "acknowledgments"
                                                    << ""
                                                    << "wmf2\\acknowledgments.wmf" << false;
}

void PagerTest::printSendsThePrintedCopy()
{
    QFETCH(QString, which);
    QFETCH(QString, clicks);
    QFETCH(QString, printedCopy);
    QFETCH(bool, printerWorks);
    this->printerWorks = printerWorks;
    Pager &pager = openPager(which);
    clickEntries(pager, clicks);
    const int page = Module1::PageNumber;
    const QString counter = pager.Label1->Caption();
    click(pager.Label3[Print]);
    QCOMPARE(printed.size(), 1);
    QCOMPARE(pager.Image2->PictureSource(), printedCopy);
    QVERIFY(printed[0].wmf() && printed[0].wmf() == pager.Image2->picture().wmf());
    QCOMPARE(printed[0].sizeTwips(), kPrintedSize);
    QCOMPARE(shownPrompts(), printerWorks ? QStringList{} : QStringList{kPrintFailed});
    // The pager stays as it was, and usable.
    QCOMPARE(topForm(), &pager);
    QCOMPARE(Module1::PageNumber, page);
    QCOMPARE(pager.Label1->Caption(), counter);
    click(pager.Label3[Print]);
    QCOMPARE(printed.size(), 2);
    click(pager.Label3[Exit]);
    settle();
    QVERIFY(!teacherIfLoaded() && !guideIfLoaded());
}

void PagerTest::exitUncoversTheCallerAndTheNextOpeningStartsAfresh_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("counter");
    QTest::newRow("notes") << "notes"
                           << "Page 1 of 2";
    QTest::newRow("guide") << "guide"
                           << "Page 1 of 5";
}

void PagerTest::exitUncoversTheCallerAndTheNextOpeningStartsAfresh()
{
    QFETCH(QString, which);
    QFETCH(QString, counter);
    intro0().Show();
    Pager *pager = &openPager(which);
    click(pager->Label3[Next]);
    QCOMPARE(Module1::PageNumber, 2);
    click(pager->Label3[Exit]);
    settle();
    QVERIFY(!teacherIfLoaded() && !guideIfLoaded());
    QCOMPARE(topForm(), &intro0());
    pager = &openPager(which);
    QCOMPARE(Module1::PageNumber, 1);
    verifyEntries(*pager, counter, false, true);
    QCOMPARE(pager->Label1->Visible(), true);
}

QTEST_MAIN(PagerTest)
#include "tst_pagers.moc"
