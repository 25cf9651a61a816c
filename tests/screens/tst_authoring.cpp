// The teacher's side: the wizard checks a worksheet in order and saves it,
// or says why not and writes nothing, whatever is pasted into it and whatever
// title is already in use; the catalogue pages its titles and opens, edits or
// deletes the one clicked.
#include "AuthoringTest.h"

#include "FieldReader.h"
#include "MainMenu.h"
#include "QuizFile.h"
#include "QuizScreen.h"
#include "WorksheetTitle.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace terralore;
using namespace terralore::test;

namespace {

const QString kIndex = QStringLiteral("multiple/track.txt");

QString deleteQuestion(const QString &title)
{
    return QStringLiteral("Are you sure that you want to delete the worksheet ") + title + QLatin1Char('?');
}

// Pastes text from the clipboard into a box with Ctrl+V.
void paste(TextBox *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    box->end(false);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class AuthoringTest : public QObject {
    Q_OBJECT
    ScreenFixture *fx = nullptr;

    WorksheetWizard &openWizard()
    {
        mainMenu().Show();
        click(mainMenu().entryButtons[MainMenu::WizardEntry]);
        return worksheetWizard();
    }
    void openCatalogue()
    {
        mainMenu().Show();
        QTRY_VERIFY(!mainMenu().indexTimer->Enabled());
        click(mainMenu().entryButtons[MainMenu::CatalogueEntry]);
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

    void validationStopsAtTheFirstProblem_data();
    void validationStopsAtTheFirstProblem();
    void titleRule_data();
    void titleRule();
    void saveFailures_data();
    void saveFailures();
    void cataloguePages_data();
    void cataloguePages();
    void deletionClosesUpThePage_data();
    void deletionClosesUpThePage();
    void editingRoundTrip();
    void unreadableWorksheets_data();
    void unreadableWorksheets();
    void pastedTextIsOneLineOrRefused_data();
    void pastedTextIsOneLineOrRefused();
    void aTitleInUseIsReplacedOnlyWhenConfirmed_data();
    void aTitleInUseIsReplacedOnlyWhenConfirmed();
};

void AuthoringTest::validationStopsAtTheFirstProblem_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("emptyTexts");   // questions 1 to 10
    QTest::addColumn<QList<int>>("emptyOptions"); // option boxes 0 to 39
    QTest::addColumn<QList<int>>("unticked");     // questions left without their tick
    QTest::addColumn<QList<int>>("twoTicks");     // questions given a second tick
    QTest::addColumn<QString>("message");
    using L = QList<int>;
    QTest::newRow("empty title before everything")
        << "" << L{1, 2, 3} << L{0, 5} << L{1, 4} << L{2} << "You have not chosen a title for your worksheet";
    QTest::newRow("question 3 without text")
        << "Rocks" << L{3} << L{} << L{} << L{} << "You have not completed Question 3";
    QTest::newRow("question 10 without option C")
        << "Rocks" << L{} << L{38} << L{} << L{} << "You have not completed Question 10";
    QTest::newRow("empty option before a missing tick")
        << "Rocks" << L{} << L{14} << L{4} << L{} << "You have not completed Question 4";
    QTest::newRow("two ticks before later incomplete questions")
        << "Rocks" << L{5} << L{30} << L{8} << L{2} << "You have ticked more than one correct answer for Question 2";
    QTest::newRow("no tick before a later empty text")
        << "Rocks" << L{2} << L{} << L{1} << L{} << "You have not ticked the correct answer for Question 1";
    QTest::newRow("complete") << "Rocks" << L{} << L{} << L{} << L{} << kSaved;
}

void AuthoringTest::validationStopsAtTheFirstProblem()
{
    QFETCH(QString, title);
    QFETCH(QList<int>, emptyTexts);
    QFETCH(QList<int>, emptyOptions);
    QFETCH(QList<int>, unticked);
    QFETCH(QList<int>, twoTicks);
    QFETCH(QString, message);
    WorksheetWizard &w = openWizard();
    const QList<TypedQuestion> questions = sampleQuestions(QStringLiteral("Rocks"));
    typeWorksheet(w, title, questions);
    for (int q : emptyTexts)
        w.questionBoxes[q - 1]->clear();
    for (int i : emptyOptions)
        w.optionBoxes[i]->clear();
    for (int q : unticked)
        click(w.answerTicks[4 * (q - 1) + questions[q - 1].answer - 1], QPoint(6, 10));
    for (int q : twoTicks)
        click(w.answerTicks[4 * (q - 1) + questions[q - 1].answer % 4], QPoint(6, 10));
    const auto before = folderSnapshot(fx->data);
    fakeServices().effects.clear();
    click(w.entryButtons[WorksheetWizard::SaveEntry]);
    QCOMPARE(shownPrompts(), QStringList{message});
    QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"});
    if (message != kSaved) {
        QCOMPARE(folderSnapshot(fx->data), before);
        return;
    }
    QCOMPARE(fx->data.read(QStringLiteral("multiple/Rocks.txt")), quizFileBytes(QStringLiteral("Rocks"), questions));
    QCOMPARE(fx->data.read(kIndex), indexFileBytes({"Rocks"}));
    // Saved again after a correction: the quiz file is rewritten, the index not.
    w.questionBoxes[0]->clear();
    QTest::keyClicks(w.questionBoxes[0], QStringLiteral("Which rock is soft?"));
    click(w.entryButtons[WorksheetWizard::SaveEntry]);
    QCOMPARE(shownPrompts(), (QStringList{kSaved, kSaved}));
    QVERIFY(fx->data.read(QStringLiteral("multiple/Rocks.txt")).contains("\r\nWhich rock is soft?\r\n"));
    QCOMPARE(fx->data.read(kIndex), indexFileBytes({"Rocks"}));
}

void AuthoringTest::titleRule_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("problem"); // empty: saved
    const QString chars =
        QStringLiteral("Your worksheet title cannot contain any of these characters: / \\ : * ? \" < > |");
    const QString device =
        QStringLiteral("Your worksheet title cannot be a device name such as CON, PRN, AUX, NUL, COM1 or LPT1.");
    const QString own = QStringLiteral(
        "Your worksheet title is the name of one of the program's own files. Please choose another title.");
    QTest::newRow("commas") << "Sand, silt and clay"
                            << "";
    QTest::newRow("ampersand") << "Rocks & soils"
                               << "";
    QTest::newRow("accents, euro, half") << QStringLiteral("Caf\u00e9 \u20ac5 \u00bd") << "";
    QTest::newRow("inner dot and blanks") << "Rocks  1.5"
                                          << "";
    QTest::newRow("COM10 is no device") << "COM10"
                                        << "";
    QTest::newRow("more than the index's name") << "Tracking fossils"
                                                << "";
    QTest::newRow("blanks only") << "    "
                                 << "Your worksheet title cannot be made of blanks only.";
    QTest::newRow("leading blank") << " Rocks"
                                   << "Your worksheet title cannot begin or end with a blank.";
    QTest::newRow("climbing out") << "../../evil" << chars;
    QTest::newRow("backslash") << "Rocks\\Soils" << chars;
    QTest::newRow("dot dot") << ".."
                             << "Your worksheet title cannot begin with a full stop.";
    QTest::newRow("trailing dot") << "Rocks."
                                  << "Your worksheet title cannot end with a full stop.";
    QTest::newRow("not in the code page")
        << QStringLiteral("\u0141\u00f3d\u017a")
        << QStringLiteral("Your worksheet title cannot contain the character \u0141.");
    QTest::newRow("device") << "nul" << device;
    QTest::newRow("device with a dot") << "aux.rocks" << device;
    QTest::newRow("superscript port") << QStringLiteral("COM\u00b9") << device;
    QTest::newRow("the index itself") << "TRACK" << own;
    QTest::newRow("a built-in quiz") << "the beginning" << own;
}

// Refused titles write nothing, before the questions are looked at; a saved
// title comes back from the index to the catalogue and opens its worksheet.
void AuthoringTest::titleRule()
{
    QFETCH(QString, title);
    QFETCH(QString, problem);
    WorksheetWizard &w = openWizard();
    typeWorksheet(w, QStringLiteral("x"), sampleQuestions(QStringLiteral("Rocks")));
    w.titleBox->setText(title); // as pasted: the box holds what the keyboard cannot type
    if (!problem.isEmpty())
        w.questionBoxes[4]->clear();
    const auto before = folderSnapshot(fx->data);
    const QStringList above = QDir(fx->data.path()).entryList(QDir::Files);
    click(w.entryButtons[WorksheetWizard::SaveEntry]);
    if (!problem.isEmpty()) {
        QCOMPARE(shownPrompts(), QStringList{problem});
        QCOMPARE(folderSnapshot(fx->data), before);
        QCOMPARE(QDir(fx->data.path()).entryList(QDir::Files), above);
        return;
    }
    QCOMPARE(shownPrompts(), QStringList{kSaved});
    click(w.entryButtons[WorksheetWizard::ExitEntry]);
    settle();
    openCatalogue();
    QCOMPARE(visibleTitles(), QStringList{shownWorksheetTitle(storedWorksheetTitle(title))});
    click(worksheetCatalogue().titleButtons[1]);
    QCOMPARE(topForm(), quizScreenIfLoaded());
    QCOMPARE(quizScreen().questionText->Caption(), QStringLiteral("Rocks question 1"));
}

void AuthoringTest::saveFailures_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("message");
    QTest::newRow("count larger than the titles") << "short index" << kProblem;
    QTest::newRow("an index of 1000 titles") << "full index" << kProblem;
    QTest::newRow("an index that cannot be read") << "folder index" << kProblem;
    QTest::newRow("a folder in the quiz file's place") << "folder quiz" << kProblem;
    QTest::newRow("a missing index is created") << "missing index" << kSaved;
}

void AuthoringTest::saveFailures()
{
    QFETCH(QString, setup);
    QFETCH(QString, message);
    if (setup == "short index")
        QVERIFY(fx->data.write(kIndex, " 3 \r\nSoil\r\n"));
    else if (setup == "full index")
        QVERIFY(fx->data.write(kIndex, indexFileBytes(numberedTitles(1000))));
    else if (setup == "folder index")
        QVERIFY(fx->data.remove(kIndex) && QDir().mkpath(fx->data.file(kIndex)));
    else if (setup == "folder quiz")
        QVERIFY(QDir().mkpath(fx->data.file(QStringLiteral("multiple/Rocks.txt"))));
    else
        QVERIFY(fx->data.remove(kIndex));
    const QByteArray indexBefore = fx->data.read(kIndex);
    WorksheetWizard &w = openWizard();
    typeWorksheet(w, QStringLiteral("Rocks"), sampleQuestions(QStringLiteral("Rocks")));
    click(w.entryButtons[WorksheetWizard::SaveEntry]);
    QCOMPARE(shownPrompts(), QStringList{message});
    QCOMPARE(fx->data.read(kIndex), message == kSaved ? indexFileBytes({"Rocks"}) : indexBefore);
    // A quiz file written before the index failed stays on disk.
    if (setup != "folder quiz")
        QCOMPARE(fx->data.read(QStringLiteral("multiple/Rocks.txt")),
                 quizFileBytes(QStringLiteral("Rocks"), sampleQuestions(QStringLiteral("Rocks"))));
    QCOMPARE(topForm(), &worksheetWizard());
}

void AuthoringTest::cataloguePages_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("lastPage");
    QTest::addColumn<int>("onLastPage");
    QTest::newRow("none") << 0 << 1 << 0;
    QTest::newRow("24 fill one page") << 24 << 1 << 24;
    QTest::newRow("25 spill onto a second") << 25 << 2 << 1;
    QTest::newRow("1000 stop at page 41") << 1000 << 41 << 24;
}

void AuthoringTest::cataloguePages()
{
    QFETCH(int, count);
    QFETCH(int, lastPage);
    QFETCH(int, onLastPage);
    const QStringList titles = numberedTitles(count);
    QVERIFY(putWorksheets(fx->data, titles, false));
    openCatalogue();
    WorksheetCatalogue &c = worksheetCatalogue();
    QCOMPARE(visibleTitles(), titles.mid(0, 24));
    QVERIFY(!c.pageButtons[WorksheetCatalogue::PreviousPageEntry]->isVisible());
    for (int page = 2; page <= lastPage; ++page) {
        click(c.pageButtons[WorksheetCatalogue::NextPageEntry]);
        QCOMPARE(c.pageNumberLine->Caption(), QStringLiteral("Page %1").arg(page));
        QCOMPARE(visibleTitles(), titles.mid((page - 1) * 24, page == lastPage ? onLastPage : 24));
        QVERIFY(c.pageButtons[WorksheetCatalogue::PreviousPageEntry]->isVisible());
    }
    QVERIFY(!c.pageButtons[WorksheetCatalogue::NextPageEntry]->isVisible());
    if (lastPage > 1) {
        click(c.pageButtons[WorksheetCatalogue::PreviousPageEntry]);
        QCOMPARE(visibleTitles(), titles.mid((lastPage - 2) * 24, 24));
        QVERIFY(c.pageButtons[WorksheetCatalogue::NextPageEntry]->isVisible());
    }
}

void AuthoringTest::deletionClosesUpThePage_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("slot 5 of a full first page") << 30 << 1 << 5 << true;
    QTest::newRow("the only title of the last page") << 25 << 2 << 1 << true;
    QTest::newRow("the last of 24") << 24 << 1 << 24 << true;
    QTest::newRow("Cancel") << 3 << 1 << 2 << false;
}

// The titles close up on the page shown; the page and its buttons stay; the
// quiz file stays on disk.
void AuthoringTest::deletionClosesUpThePage()
{
    QFETCH(int, count);
    QFETCH(int, page);
    QFETCH(int, slot);
    QFETCH(bool, confirm);
    QStringList titles = numberedTitles(count);
    QVERIFY(putWorksheets(fx->data, titles));
    const auto before = folderSnapshot(fx->data);
    openCatalogue();
    WorksheetCatalogue &c = worksheetCatalogue();
    for (int p = 2; p <= page; ++p)
        click(c.pageButtons[WorksheetCatalogue::NextPageEntry]);
    const bool previous = c.pageButtons[WorksheetCatalogue::PreviousPageEntry]->isVisible(),
               next = c.pageButtons[WorksheetCatalogue::NextPageEntry]->isVisible();
    tick(c.deleteModeTick);
    fakeServices().answer = confirm ? MsgResult::OK : MsgResult::Cancel;
    const QString title = titles[(page - 1) * 24 + slot - 1];
    click(c.titleButtons[slot]);
    QCOMPARE(shownPrompts(), QStringList{deleteQuestion(title)});
    if (confirm)
        titles.removeOne(title);
    QCOMPARE(fx->data.read(kIndex), indexFileBytes(titles));
    QCOMPARE(visibleTitles(), titles.mid((page - 1) * 24, 24));
    QCOMPARE(c.pageNumberLine->Caption(), QStringLiteral("Page %1").arg(page));
    QCOMPARE(c.pageButtons[WorksheetCatalogue::PreviousPageEntry]->isVisible(), previous);
    QCOMPARE(c.pageButtons[WorksheetCatalogue::NextPageEntry]->isVisible(), next);
    QCOMPARE(fx->data.read(QStringLiteral("multiple/") + title + QStringLiteral(".txt")),
             before.value(title + QStringLiteral(".txt")));
}

// A worksheet comes back into the wizard whole, values longer than the boxes
// included (made elsewhere), and saves over itself with only the edit changed.
void AuthoringTest::editingRoundTrip()
{
    QList<TypedQuestion> questions = sampleQuestions(QStringLiteral("Sand& silt"));
    questions[3].text =
        QStringLiteral("Which of these rocks was formed when hot liquid rock cooled slowly deep underground?");
    questions[8].options[2] = QStringLiteral("Sedimentary rock laid down in layers under the sea");
    QVERIFY(putWorksheets(fx->data, {"Chalk", "Sand& silt"}));
    QVERIFY(fx->data.write(QStringLiteral("multiple/Sand& silt.txt"), quizFileBytes("Sand& silt", questions)));
    openCatalogue();
    tick(worksheetCatalogue().editModeTick);
    click(worksheetCatalogue().titleButtons[2]);
    QVERIFY(shownPrompts().isEmpty());
    QCOMPARE(topForm(), worksheetWizardIfLoaded());
    WorksheetWizard &w = worksheetWizard();
    QCOMPARE(w.titleBox->Text(), QStringLiteral("Sand, silt"));
    for (int q = 0; q < 10; ++q) {
        QCOMPARE(w.questionBoxes[q]->Text(), QString(questions[q].text).replace('&', ','));
        for (int j = 0; j < 4; ++j) {
            QCOMPARE(w.optionBoxes[4 * q + j]->Text(), questions[q].options[j]);
            QCOMPARE(w.answerTicks[4 * q + j]->Value(), j == questions[q].answer - 1 ? 1 : 0);
        }
    }
    // Typing still stops at the limit once a value is back within it.
    w.optionBoxes[34]->clear();
    QTest::keyClicks(w.optionBoxes[34], questions[8].options[2]);
    QCOMPARE(w.optionBoxes[34]->Text(), questions[8].options[2].left(30));
    w.optionBoxes[34]->setText(questions[8].options[2]);
    w.questionBoxes[6]->clear();
    QTest::keyClicks(w.questionBoxes[6], QStringLiteral("Which, of these, is sand?"));
    click(w.entryButtons[WorksheetWizard::SaveEntry]);
    QCOMPARE(shownPrompts(), QStringList{kSaved});
    questions[6].text = QStringLiteral("Which, of these, is sand?");
    QCOMPARE(fx->data.read(QStringLiteral("multiple/Sand& silt.txt")),
             quizFileBytes(QStringLiteral("Sand, silt"), questions));
    QCOMPARE(fx->data.read(kIndex), indexFileBytes({"Chalk", "Sand& silt"}));
}

void AuthoringTest::unreadableWorksheets_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("mode"); // 0 quiz, 1 edit, 2 delete
    const char *name[] = {"quiz", "edit", "delete"};
    for (int mode = 0; mode < 3; ++mode) {
        QTest::addRow("missing file, %s", name[mode]) << "missing" << mode;
        QTest::addRow("a folder in its place, %s", name[mode]) << "folder" << mode;
        QTest::addRow("a link out of the folder, %s", name[mode]) << "link" << mode;
    }
    QTest::addRow("index gone before the deletion") << "no index" << 2;
}

// What cannot be read says so and changes nothing.
void AuthoringTest::unreadableWorksheets()
{
    QFETCH(QString, damage);
    QFETCH(int, mode);
    QVERIFY(putWorksheets(fx->data, {"Chalk", "Soil"}));
    const QString file = QStringLiteral("multiple/Soil.txt");
    if (damage == "missing")
        QVERIFY(fx->data.remove(file));
    else if (damage == "folder")
        QVERIFY(fx->data.remove(file) && QDir().mkpath(fx->data.file(file)));
    else if (damage == "link")
        QVERIFY(fx->data.remove(file) &&
                QFile::link(fx->data.file(QStringLiteral("wav/click.wav")), fx->data.file(file)));
    openCatalogue();
    if (damage == "no index")
        QVERIFY(fx->data.remove(kIndex));
    const auto before = folderSnapshot(fx->data);
    if (mode > 0)
        tick(mode == 1 ? worksheetCatalogue().editModeTick : worksheetCatalogue().deleteModeTick);
    click(worksheetCatalogue().titleButtons[2]);
    const QStringList expected =
        mode == 2 && damage == "no index" ? QStringList{deleteQuestion("Soil"), kCorrupted} : QStringList{kCorrupted};
    QCOMPARE(shownPrompts(), expected);
    QCOMPARE(folderSnapshot(fx->data), before);
    QCOMPARE(topForm(), &worksheetCatalogue());
    QCOMPARE(visibleTitles(), (QStringList{"Chalk", "Soil"}));
}

void AuthoringTest::pastedTextIsOneLineOrRefused_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("result"); // the value saved, or the refusal
    QTest::newRow("Windows line breaks") << "optionBoxes(9)"
                                         << "Chalk\r\nand\r\nflint" << true << "Chalk and flint";
    QTest::newRow("a trailing line break") << "optionBoxes(9)"
                                           << "Granite\n"
                                           << true << "Granite ";
    QTest::newRow("tabs") << "optionBoxes(9)"
                          << "Sand\tstone" << true << "Sandstone";
    QTest::newRow("old Mac breaks and a form feed") << "optionBoxes(9)"
                                                    << "a\rb\fc" << true << "a b c";
    QTest::newRow("a Unicode line separator")
        << "optionBoxes(9)" << QString::fromUtf8("Slate\u2028splits") << true << "Slate splits";
    QTest::newRow("a curly apostrophe and an accent")
        << "optionBoxes(9)" << QString::fromUtf8("\u2019s caf\u00e9") << true << QString::fromUtf8("\u2019s caf\u00e9");
    QTest::newRow("a subscript in a question") << "questionBoxes(2)" << QString::fromUtf8("CO\u2082 is a gas") << false
                                               << QString::fromUtf8("Question 3 cannot contain the character \u2082.");
    QTest::newRow("an arrow in an option")
        << "optionBoxes(25)" << QString::fromUtf8("Rain \u2192 river") << false
        << QString::fromUtf8("Option B of Question 7 cannot contain the character \u2192.");
    QTest::newRow("a minus sign in option D")
        << "optionBoxes(39)" << QString::fromUtf8("\u22125 degrees") << false
        << QString::fromUtf8("Option D of Question 10 cannot contain the character \u2212.");
    QTest::newRow("a picture character") << "optionBoxes(0)" << QString::fromUtf8("Rock \U0001F48E") << false
                                         << QString::fromUtf8(
                                                "Option A of Question 1 cannot contain the character \U0001F48E.");
}

// A box keeps one line whatever is pasted, and the file holds one byte per
// character: what it cannot hold is refused with the box named, and nothing
// is written.
void AuthoringTest::pastedTextIsOneLineOrRefused()
{
    QFETCH(QString, box);
    QFETCH(QString, pasted);
    QFETCH(bool, saved);
    QFETCH(QString, result);
    WorksheetWizard &w = worksheetWizard();
    w.Show();
    typeWorksheet(w, QStringLiteral("Pasted"), sampleQuestions(QStringLiteral("Pasted")));
    auto *target = w.client()->findChild<TextBox *>(box);
    QVERIFY(target);
    target->clear();
    paste(target, pasted);
    const auto before = folderSnapshot(fx->data);
    click(w.entryButtons[WorksheetWizard::SaveEntry]);
    QCOMPARE(shownPrompts(), QStringList{saved ? kSaved : result});
    if (!saved) {
        QCOMPARE(folderSnapshot(fx->data), before);
        return;
    }
    QCOMPARE(target->Text(), result);
    const QByteArray bytes = fx->data.read(QStringLiteral("multiple/Pasted.txt"));
    QCOMPARE(bytes.count("\r\n"), kQuizLines);
    Quiz quiz;
    FieldReader reader(bytes);
    QVERIFY(loadQuizFile(reader, quiz));
    QVERIFY(reader.atEnd());
    QCOMPARE(quiz.questions[2].options[1], result);
    QCOMPARE(quiz.questions[9].answer, QStringLiteral("2"));
}

void AuthoringTest::aTitleInUseIsReplacedOnlyWhenConfirmed_data()
{
    QTest::addColumn<bool>("fromEdit");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("new worksheet, Cancel") << false << "Granite" << false << true << false;
    QTest::newRow("new worksheet, OK") << false << "Granite" << true << true << true;
    QTest::newRow("edited from that worksheet") << true << "Granite" << false << false << true;
    QTest::newRow("edited, saved over another") << true << "Basalt" << false << true << false;
    QTest::newRow("a free title") << false << "Pumice" << false << false << true;
}

void AuthoringTest::aTitleInUseIsReplacedOnlyWhenConfirmed()
{
    QFETCH(bool, fromEdit);
    QFETCH(QString, title);
    QFETCH(bool, confirm);
    QFETCH(bool, asked);
    QFETCH(bool, replaced);
    QVERIFY(putWorksheets(fx->data, {QStringLiteral("Granite"), QStringLiteral("Basalt")}));
    const auto before = folderSnapshot(fx->data);
    fakeServices().answer = confirm ? MsgResult::OK : MsgResult::Cancel;
    WorksheetWizard &w = worksheetWizard();
    if (fromEdit) {
        worksheetCatalogue().Show();
        click(worksheetCatalogue().editModeTick, QPoint(8, worksheetCatalogue().editModeTick->height() / 2));
        click(worksheetCatalogue().titleButtons[int(visibleTitles().indexOf(QStringLiteral("Granite"))) + 1]);
        settle();
        QCOMPARE(topForm(), worksheetWizardIfLoaded());
        QCOMPARE(w.titleBox->Text(), QStringLiteral("Granite"));
        w.titleBox->clear();
        QTest::keyClicks(w.titleBox, title);
        QTest::keyClicks(w.questionBoxes[0], QStringLiteral(" (edited)"));
    } else {
        w.Show();
        typeWorksheet(w, title, sampleQuestions(QStringLiteral("New")));
    }
    click(w.entryButtons[WorksheetWizard::SaveEntry]);
    const QString question =
        QStringLiteral("A worksheet called ") + title + QStringLiteral(" already exists. Do you want to replace it?");
    QCOMPARE(shownPrompts().contains(question), asked);
    const QString file = QStringLiteral("multiple/") + title + QStringLiteral(".txt");
    QCOMPARE(fx->data.read(file) != before.value(title + QStringLiteral(".txt")), replaced);
    QCOMPARE(shownPrompts().contains(kSaved), replaced);
    if (!replaced) {
        QCOMPARE(folderSnapshot(fx->data), before);
        return;
    }
    // What is on screen is now that worksheet: saving again asks nothing more.
    fakeServices().messages.clear();
    click(w.entryButtons[WorksheetWizard::SaveEntry]);
    QCOMPARE(shownPrompts(), QStringList{kSaved});
}

QTEST_MAIN(AuthoringTest)
#include "tst_authoring.moc"
