// The worksheet catalogue: its pages, the mode ticks, and a title click
// that opens, edits or deletes a worksheet.
#include "AuthoringTest.h"
#include "ScreenTest.h"

#include "Module1.h"
#include "intro0.h"
#include "multiple.h"
#include "wizard.h"
#include "worksheets.h"

using namespace terralore;
using namespace terralore::test;

namespace {

const QString kCorrupted = QStringLiteral("This worksheet seems to be corrupted.");
const QPoint kBare(60, 80); // between the first two title slots

int visibleSlotCount()
{
    int n = 0;
    for (int k = 1; k <= 24; ++k)
        n += worksheets().Label2[k]->isVisible() ? 1 : 0;
    return n;
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
    ScreenFixture *fx = nullptr;

    // The way a teacher comes in: the menu, then "Worksheet Catalogue".
    void openFromTheMenu()
    {
        intro0().Show();
        QTRY_VERIFY(!intro0().Timer1->Enabled());
        click(intro0().Label2[18]);
        settle();
    }

private slots:
    void initTestCase() { fx = new ScreenFixture; }
    void cleanupTestCase() { delete fx; }
    void init()
    {
        fx->reset();
        QVERIFY(resetWorksheetFolder(fx->data));
    }

    void layout_data();
    void layout();
    void theMenuGivesWayToTheCatalogue();
    void pages_data();
    void pages();
    void theModeTicksExcludeEachOther();
    void aTitleOpensAsAQuiz();
    void editingRoundTrip();
    void editingAnAnswerOutsideOneToFourIsRefused_data();
    void editingAnAnswerOutsideOneToFourIsRefused();
    void deletingOnAFullFirstPage();
    void deletingTheOnlyTitleOfTheLastPage();
    void cancelLeavesEverything();
    void unreadableWorksheets_data();
    void unreadableWorksheets();
    void commasShownAndDeletedConsistently();
    void aMissingIndexListsWhatIsInMemory();
    void exitReloadsTheMenuWithSoundOn();
    void hoverLightsTheTitles();
};

void CatalogueTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("place");
    QTest::newRow("heading") << "Label1" << QRectF(0, 0, 12000, 780);
    QTest::newRow("edit tick") << "Check1" << QRectF(120, 120, 2535, 375);
    QTest::newRow("delete tick") << "Check2" << QRectF(9240, 120, 2535, 375);
    QTest::newRow("slot 1") << "Label2(1)" << QRectF(120, 720, 5715, 375);
    QTest::newRow("slot 12") << "Label2(12)" << QRectF(120, 720 + 6600, 5715, 375);
    QTest::newRow("slot 13") << "Label2(13)" << QRectF(6120, 720, 5715, 375);
    QTest::newRow("slot 24") << "Label2(24)" << QRectF(6120, 720 + 6600, 5715, 375);
    QTest::newRow("exit") << "Label2(0)" << QRectF(10560, 7920, 1245, 495);
    QTest::newRow("previous") << "Label3(0)" << QRectF(2640, 7920, 3195, 495);
    QTest::newRow("next") << "Label3(1)" << QRectF(6000, 7920, 3195, 495);
    QTest::newRow("page number") << "Label4" << QRectF(120, 7920, 1995, 495);
}

void CatalogueTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QRectF, place);
    worksheets().Show();
    const ControlPlace found = placeOf(worksheets(), name);
    QCOMPARE(found.twips, place);
    QCOMPARE(found.pixels, found.expectedPixels);
}

void CatalogueTest::theMenuGivesWayToTheCatalogue()
{
    QVERIFY(putWorksheets(fx->data, {"Chalk", "Soil"}));
    openFromTheMenu();
    QVERIFY(!intro0IfLoaded());
    QCOMPARE(topForm(), &worksheets());
    // The click sound plays although the menu has gone.
    QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"});
    worksheetsForm &c = worksheets();
    QCOMPARE(c.Label1->Caption(), QStringLiteral("Worksheets Catalogue"));
    QCOMPARE(c.Check1->text(), QStringLiteral("Edit Worksheet"));
    QCOMPARE(c.Check2->text(), QStringLiteral("Delete Worksheet"));
    QCOMPARE(c.Check1->BackColor(), QColor(39, 63, 137));
    QCOMPARE(c.Check2->BackColor(), QColor(39, 63, 137));
    QCOMPARE(c.Check1->Value() + c.Check2->Value(), 0);
    QCOMPARE(c.Label4->Caption(), QStringLiteral("Page 1"));
    QCOMPARE(c.Label2[1]->FontSize(), 12.0);
    QCOMPARE(visibleTitles(), (QStringList{"Chalk", "Soil"}));
    QVERIFY(!c.Label3[0]->isVisible());
    QVERIFY(!c.Label3[1]->isVisible());
}

void CatalogueTest::pages_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("lastPage");   // counted from 1, as Label4 shows it
    QTest::addColumn<int>("onLastPage"); // titles on it
    QTest::newRow("none") << 0 << 1 << 0;
    QTest::newRow("one") << 1 << 1 << 1;
    QTest::newRow("24 fill one page") << 24 << 1 << 24;
    QTest::newRow("25 spill onto a second") << 25 << 2 << 1;
    QTest::newRow("48") << 48 << 2 << 24;
    QTest::newRow("984 fill 41 pages") << 984 << 41 << 24;
    QTest::newRow("1000 stop at page 41") << 1000 << 41 << 24;
}

void CatalogueTest::pages()
{
    QFETCH(int, count);
    QFETCH(int, lastPage);
    QFETCH(int, onLastPage);
    const QStringList titles = numberedTitles(count);
    QVERIFY(putWorksheets(fx->data, titles, false));
    openFromTheMenu();
    worksheetsForm &c = worksheets();
    QCOMPARE(visibleTitles(), titles.mid(0, 24));
    QVERIFY(!c.Label3[0]->isVisible());
    QCOMPARE(c.Label3[1]->isVisible(), lastPage > 1);
    for (int page = 2; page <= lastPage; ++page) {
        click(c.Label3[1]);
        QCOMPARE(c.Label4->Caption(), QStringLiteral("Page ") + QString::number(page));
        QCOMPARE(Module1::CataloguePage, page - 1);
        QCOMPARE(visibleTitles(), titles.mid((page - 1) * 24, page == lastPage ? onLastPage : 24));
        QVERIFY(c.Label3[0]->isVisible());
        QCOMPARE(c.Label3[1]->isVisible(), page < lastPage);
    }
    if (lastPage > 1) {
        // Hidden slots are emptied too, not only hidden.
        for (int k = onLastPage + 1; k <= 24; ++k)
            QVERIFY(c.Label2[k]->Caption().isEmpty());
        click(c.Label3[0]);
        QCOMPARE(c.Label4->Caption(), QStringLiteral("Page ") + QString::number(lastPage - 1));
        QCOMPARE(visibleTitles(), titles.mid((lastPage - 2) * 24, 24));
        QVERIFY(c.Label3[1]->isVisible());
        QCOMPARE(c.Label3[0]->isVisible(), lastPage > 2);
    }
    QCOMPARE(playedPaths().size(), 1 + (lastPage > 1 ? lastPage : 0));
}

void CatalogueTest::theModeTicksExcludeEachOther()
{
    openFromTheMenu();
    worksheetsForm &c = worksheets();
    tick(c.Check1);
    QCOMPARE(c.Check1->Value(), 1);
    tick(c.Check2);
    QCOMPARE(c.Check2->Value(), 1);
    QCOMPARE(c.Check1->Value(), 0);
    tick(c.Check1);
    QCOMPARE(c.Check1->Value(), 1);
    QCOMPARE(c.Check2->Value(), 0);
    // Unticking changes nothing else.
    tick(c.Check1);
    QCOMPARE(c.Check1->Value() + c.Check2->Value(), 0);
}

void CatalogueTest::aTitleOpensAsAQuiz()
{
    QVERIFY(putWorksheets(fx->data, {"Chalk", "Soil"}));
    Module1::QuizTitle = QStringLiteral("An earlier quiz");
    Module1::QuestionText[10] = QStringLiteral("An earlier question");
    openFromTheMenu();
    click(worksheets().Label2[2]);
    QCOMPARE(topForm(), multipleIfLoaded());
    QVERIFY(worksheetsIfLoaded());
    QCOMPARE(Module1::QuizTitle, QStringLiteral("Soil"));
    QCOMPARE(Module1::QuestionText[10], QStringLiteral("Soil question 10"));
    QCOMPARE(Module1::CorrectAnswer[10], QStringLiteral("2"));
    QCOMPARE(multiple().Label5->Caption(), QStringLiteral("Terralore"));
    QCOMPARE(multiple().Picture1->PictureSource(), QStringLiteral("Images\\stairholesm.jpg"));
    QVERIFY(!multiple().Picture1->picture().isNull());
    // The menu was not loaded behind the scenes for its picture.
    QVERIFY(!intro0IfLoaded());
    QVERIFY(shownPrompts().isEmpty());
    // The quiz's Exit uncovers the catalogue.
    multiple().Unload();
    settle();
    QCOMPARE(topForm(), &worksheets());
}

void CatalogueTest::editingRoundTrip()
{
    QVERIFY(putWorksheets(fx->data, {"Chalk", "Sand& silt"}));
    const QByteArray index = fx->data.read(QStringLiteral("multiple/track.txt"));
    openFromTheMenu();
    tick(worksheets().Check1);
    click(worksheets().Label2[2]);
    QVERIFY(shownPrompts().isEmpty());
    QCOMPARE(topForm(), wizardIfLoaded());
    wizardForm &w = wizard();
    QCOMPARE(w.Text1->Text(), QStringLiteral("Sand, silt"));
    const QList<TypedQuestion> questions = sampleQuestions(QStringLiteral("Sand& silt"));
    for (int q = 0; q < 10; ++q) {
        QCOMPARE(w.Text2[q]->Text(), QString(questions[q].text).replace('&', ','));
        for (int j = 0; j < 4; ++j) {
            QCOMPARE(w.Text3[4 * q + j]->Text(), questions[q].options[j]);
            QCOMPARE(w.Check1[4 * q + j]->Value(), j == questions[q].answer - 1 ? 1 : 0);
        }
    }
    // Correct a question and save: the same worksheet is rewritten.
    w.Text2[6]->clear();
    QTest::keyClicks(w.Text2[6], QStringLiteral("Which, of these, is sand?"));
    click(w.Label3[1]);
    QCOMPARE(shownPrompts(), QStringList{"Your worksheet has been saved."});
    QList<TypedQuestion> edited = questions;
    edited[6].text = QStringLiteral("Which, of these, is sand?");
    QCOMPARE(fx->data.read(QStringLiteral("multiple/Sand& silt.txt")),
             quizFileBytes(QStringLiteral("Sand, silt"), edited));
    QCOMPARE(fx->data.read(QStringLiteral("multiple/track.txt")), index);
    click(w.Label3[0]);
    settle();
    QCOMPARE(topForm(), &worksheets());
}

void CatalogueTest::editingAnAnswerOutsideOneToFourIsRefused_data()
{
    QTest::addColumn<QString>("digit");
    QTest::newRow("0 would tick the previous question's D") << "0";
    QTest::newRow("5 would tick the next question's A") << "5";
    QTest::newRow("9") << "9";
    QTest::newRow("a word") << "two";
    QTest::newRow("negative") << "-1";
}

void CatalogueTest::editingAnAnswerOutsideOneToFourIsRefused()
{
    QFETCH(QString, digit);
    QVERIFY(putWorksheets(fx->data, {"Chalk"}));
    QStringList answers{"1", "2", "3", "4", "1", "2", "3", "4", "1", "2"};
    answers[4] = digit;
    QVERIFY(fx->data.write(QStringLiteral("multiple/Chalk.txt"),
                           quizFileBytes(QStringLiteral("Chalk"), sampleQuestions(QStringLiteral("Chalk")), answers)));
    openFromTheMenu();
    tick(worksheets().Check1);
    click(worksheets().Label2[1]);
    QCOMPARE(shownPrompts(), QStringList{kCorrupted});
    QVERIFY(!wizardIfLoaded());
    QCOMPARE(topForm(), &worksheets());
}

void CatalogueTest::deletingOnAFullFirstPage()
{
    const QStringList titles = numberedTitles(30);
    QVERIFY(putWorksheets(fx->data, titles));
    openFromTheMenu();
    tick(worksheets().Check2);
    click(worksheets().Label2[5]);
    QCOMPARE(shownPrompts(), QStringList{"Are you sure that you want to delete the worksheet Worksheet 5?"});
    QCOMPARE(MessageBoxes::shown().first().buttons, MsgButtons::OKCancel);
    QStringList left = titles;
    left.removeAt(4);
    QCOMPARE(fx->data.read(QStringLiteral("multiple/track.txt")), indexBytes(left));
    QCOMPARE(Module1::WorksheetCount, 29);
    QCOMPARE(visibleSlotCount(), 24);
    QCOMPARE(visibleTitles(), left.mid(0, 24));
    // The quiz file stays; the page buttons and number stay as they were.
    QVERIFY(QFile::exists(fx->data.file(QStringLiteral("multiple/Worksheet 5.txt"))));
    QVERIFY(worksheets().Label3[1]->isVisible());
    QVERIFY(!worksheets().Label3[0]->isVisible());
    QCOMPARE(worksheets().Label4->Caption(), QStringLiteral("Page 1"));
    QCOMPARE(topForm(), &worksheets());
}

void CatalogueTest::deletingTheOnlyTitleOfTheLastPage()
{
    const QStringList titles = numberedTitles(25);
    QVERIFY(putWorksheets(fx->data, titles));
    openFromTheMenu();
    click(worksheets().Label3[1]);
    tick(worksheets().Check2);
    click(worksheets().Label2[1]);
    QCOMPARE(fx->data.read(QStringLiteral("multiple/track.txt")), indexBytes(titles.mid(0, 24)));
    QCOMPARE(visibleSlotCount(), 0);
    QVERIFY(worksheets().Label3[0]->isVisible());
    QVERIFY(!worksheets().Label3[1]->isVisible());
    QCOMPARE(worksheets().Label4->Caption(), QStringLiteral("Page 2"));
    click(worksheets().Label3[0]);
    QCOMPARE(visibleTitles(), titles.mid(0, 24));
    QVERIFY(!worksheets().Label3[1]->isVisible());
}

void CatalogueTest::cancelLeavesEverything()
{
    QVERIFY(putWorksheets(fx->data, numberedTitles(3)));
    const auto before = folderSnapshot(fx->data);
    openFromTheMenu();
    tick(worksheets().Check2);
    fx->answer = MsgResult::Cancel;
    click(worksheets().Label2[2]);
    QCOMPARE(shownPrompts(), QStringList{"Are you sure that you want to delete the worksheet Worksheet 2?"});
    QCOMPARE(folderSnapshot(fx->data), before);
    QCOMPARE(visibleTitles(), numberedTitles(3));
    QCOMPARE(Module1::WorksheetCount, 3);
    // The worksheet was read all the same.
    QCOMPARE(Module1::QuizTitle, QStringLiteral("Worksheet 2"));
}

void CatalogueTest::unreadableWorksheets_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("mode"); // 0 quiz, 1 edit, 2 delete
    for (int mode = 0; mode < 3; ++mode) {
        const char *name[] = {"quiz", "edit", "delete"};
        QTest::addRow("missing file, %s", name[mode]) << "missing" << mode;
        QTest::addRow("71 lines, %s", name[mode]) << "short" << mode;
        QTest::addRow("empty file, %s", name[mode]) << "empty" << mode;
        QTest::addRow("a folder in its place, %s", name[mode]) << "folder" << mode;
        QTest::addRow("a link out of the folder, %s", name[mode]) << "link" << mode;
    }
    QTest::addRow("index gone before the deletion") << "no index" << 2;
}

void CatalogueTest::unreadableWorksheets()
{
    QFETCH(QString, damage);
    QFETCH(int, mode);
    QVERIFY(putWorksheets(fx->data, {"Chalk", "Soil"}));
    const QString file = QStringLiteral("multiple/Soil.txt");
    const QByteArray whole = fx->data.read(file);
    if (damage == "missing")
        QVERIFY(fx->data.remove(file));
    else if (damage == "short")
        QVERIFY(fx->data.write(file, whole.left(whole.lastIndexOf(" \r\n"))));
    else if (damage == "empty")
        QVERIFY(fx->data.write(file, QByteArray()));
    else if (damage == "folder")
        QVERIFY(fx->data.remove(file) && QDir().mkpath(fx->data.file(file)));
    else if (damage == "link")
        QVERIFY(fx->data.remove(file) &&
                QFile::link(fx->data.file(QStringLiteral("Images/../wav/click.wav")), fx->data.file(file)));
    openFromTheMenu();
    if (damage == "no index")
        QVERIFY(fx->data.remove(QStringLiteral("multiple/track.txt")));
    const auto before = folderSnapshot(fx->data);
    if (mode == 1)
        tick(worksheets().Check1);
    if (mode == 2)
        tick(worksheets().Check2);
    click(worksheets().Label2[2]);
    const QStringList expected =
        mode == 2 && damage == "no index"
            ? QStringList{"Are you sure that you want to delete the worksheet Soil?", kCorrupted}
            : QStringList{kCorrupted};
    QCOMPARE(shownPrompts(), expected);
    QCOMPARE(folderSnapshot(fx->data), before);
    QCOMPARE(topForm(), &worksheets());
    QVERIFY(!multipleIfLoaded());
    QVERIFY(!wizardIfLoaded());
    QCOMPARE(visibleTitles(), (QStringList{"Chalk", "Soil"}));
}

void CatalogueTest::commasShownAndDeletedConsistently()
{
    QVERIFY(putWorksheets(fx->data, {"Sand& silt and clay", "Rocks & soils"}));
    openFromTheMenu();
    QCOMPARE(visibleTitles(), (QStringList{"Sand, silt and clay", "Rocks , soils"}));
    click(worksheets().Label2[2]);
    QCOMPARE(Module1::QuizTitle, QStringLiteral("Rocks , soils"));
    multiple().Unload();
    settle();
    tick(worksheets().Check2);
    click(worksheets().Label2[1]);
    QCOMPARE(shownPrompts(), QStringList{"Are you sure that you want to delete the worksheet Sand, silt and clay?"});
    QCOMPARE(fx->data.read(QStringLiteral("multiple/track.txt")), indexBytes({"Rocks & soils"}));
    QCOMPARE(visibleTitles(), QStringList{"Rocks , soils"});
}

void CatalogueTest::aMissingIndexListsWhatIsInMemory()
{
    QVERIFY(putWorksheets(fx->data, {"Chalk", "Soil", "Clay"}));
    intro0().Show();
    QTRY_VERIFY(!intro0().Timer1->Enabled());
    QVERIFY(fx->data.remove(QStringLiteral("multiple/track.txt")));
    click(intro0().Label2[18]);
    QCOMPARE(visibleTitles(), (QStringList{"Chalk", "Soil", "Clay"}));
    click(worksheets().Label2[3]);
    QCOMPARE(Module1::QuizTitle, QStringLiteral("Clay"));
}

void CatalogueTest::exitReloadsTheMenuWithSoundOn()
{
    intro0().Show();
    click(intro0().Option2, QPoint(8, 8));
    QCOMPARE(Module1::SoundOn, 0);
    click(intro0().Label2[18]);
    settle();
    QVERIFY(playedPaths().isEmpty());
    QVERIFY(putWorksheets(fx->data, {"Added while away"}));
    click(worksheets().Label2[0]);
    settle();
    QVERIFY(!worksheetsIfLoaded());
    QCOMPARE(topForm(), intro0IfLoaded());
    QCOMPARE(Module1::SoundOn, 1);
    QVERIFY(intro0().Option1->Value());
    QTRY_VERIFY(!intro0().Timer1->Enabled());
    QCOMPARE(Module1::WorksheetCount, 1);
    QCOMPARE(Module1::WorksheetNames[1], QStringLiteral("Added while away"));
    // With sound off the catalogue's Exit made no sound: it plays before the menu returns.
    QVERIFY(playedPaths().isEmpty());
}

void CatalogueTest::hoverLightsTheTitles()
{
    QVERIFY(putWorksheets(fx->data, numberedTitles(30), false));
    openFromTheMenu();
    worksheetsForm &c = worksheets();
    hover(c.client(), kBare);
    for (int k = 0; k <= 24; ++k)
        QCOMPARE(c.Label2[k]->BackStyle(), int(vbTransparent));
    hover(c.Label2[7]);
    QCOMPARE(c.Label2[7]->BackStyle(), int(vbOpaque));
    QCOMPARE(c.Label2[7]->BackColor(), QColor(0, 0, 0));
    hover(c.Label2[0]);
    QCOMPARE(c.Label2[0]->BackStyle(), int(vbOpaque));
    QCOMPARE(c.Label2[7]->BackStyle(), int(vbOpaque));
    // The page buttons have no hover effect.
    hover(c.Label3[1]);
    hover(c.client(), kBare);
    QCOMPARE(c.Label2[0]->BackStyle(), int(vbTransparent));
    QCOMPARE(c.Label2[7]->BackStyle(), int(vbTransparent));
    QCOMPARE(c.Label3[1]->BackStyle(), int(vbOpaque));
}

QTEST_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
