// The teacher's side: the wizard saves a worksheet or says why not and writes
// nothing; the catalogue pages its titles and opens, edits or deletes them.
#include "AuthoringTest.h"
#include "WorksheetStore.h"

#include "MainMenu.h"
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

// count GIFT questions named "Rocks Qn", one right answer each, but two in
// question twoRight (from 1; 0 for none).
QByteArray giftQuestions(int count, int twoRight)
{
    QByteArray text = "// shared by a teacher\n$CATEGORY: Rocks\n\n";
    for (int q = 1; q <= count; ++q)
        text += "::Rocks Q" + QByteArray::number(q) + ":: Which rock is rock " + QByteArray::number(q) + "? {" +
                (q == twoRight ? "=" : "~") + "Chalk =Flint ~Slate ~Coal}\n\n";
    return text;
}

} // namespace

class AuthoringTest : public QObject {
    Q_OBJECT

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
    void init()
    {
        fixture().reset();
        QVERIFY(resetWorksheetFolder(fixture().data));
    }

    void validationStopsAtTheFirstProblem_data()
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
            << "Rocks" << L{5} << L{30} << L{8} << L{2}
            << "You have ticked more than one correct answer for Question 2";
        QTest::newRow("no tick before a later empty text")
            << "Rocks" << L{2} << L{} << L{1} << L{} << "You have not ticked the correct answer for Question 1";
        QTest::newRow("complete") << "Rocks" << L{} << L{} << L{} << L{} << kSaved;
    }

    void validationStopsAtTheFirstProblem()
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
        const auto before = folderSnapshot(fixture().data);
        fakeServices().effects.clear();
        click(w.entryButtons[WorksheetWizard::SaveEntry]);
        QCOMPARE(shownPrompts(), QStringList{message});
        QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"});
        if (message != kSaved) {
            QCOMPARE(folderSnapshot(fixture().data), before);
            return;
        }
        QCOMPARE(fixture().data.read(QStringLiteral("multiple/Rocks.txt")),
                 quizFileBytes(QStringLiteral("Rocks"), questions));
        QCOMPARE(fixture().data.read(kIndex), indexFileBytes({"Rocks"}));
    }

    void titleRule_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("problem"); // empty: saved
        const QString chars =
            QStringLiteral("Your worksheet title cannot contain any of these characters: / \\ : * ? \" < > |");
        const QString device =
            QStringLiteral("Your worksheet title cannot be a device name such as CON, PRN, AUX, NUL, COM1 or LPT1.");
        const QString own = QStringLiteral(
            "Your worksheet title is the name of one of the program's own files. Please choose another title.");
        const auto row = [](const char *name, const QString &title, const QString &problem = {}) {
            QTest::newRow(name) << title << problem;
        };
        row("commas", "Sand, silt and clay");
        row("ampersand", "Rocks & soils");
        row("accents, euro, half", QStringLiteral("Caf\u00e9 \u20ac5 \u00bd"));
        row("inner dot and blanks", "Rocks  1.5");
        row("COM10 is no device", "COM10");
        row("more than the index's name", "Tracking fossils");
        row("blanks only", "    ", "Your worksheet title cannot be made of blanks only.");
        row("leading blank", " Rocks", "Your worksheet title cannot begin or end with a blank.");
        row("climbing out", "../../evil", chars);
        row("backslash", "Rocks\\Soils", chars);
        row("dot dot", "..", "Your worksheet title cannot begin with a full stop.");
        row("trailing dot", "Rocks.", "Your worksheet title cannot end with a full stop.");
        row("not in the code page", QStringLiteral("\u0141\u00f3d\u017a"),
            QStringLiteral("Your worksheet title cannot contain the character \u0141."));
        row("device", "nul", device);
        row("device with a dot", "aux.rocks", device);
        row("superscript port", QStringLiteral("COM\u00b9"), device);
        row("the index itself", "TRACK", own);
        row("a built-in quiz", "the beginning", own);
    }

    // Refused titles write nothing, before the questions are looked at; a saved
    // title comes back from the index to the catalogue and opens its worksheet.
    void titleRule()
    {
        QFETCH(QString, title);
        QFETCH(QString, problem);
        WorksheetWizard &w = openWizard();
        typeWorksheet(w, QStringLiteral("x"), sampleQuestions(QStringLiteral("Rocks")));
        w.titleBox->setText(title); // as pasted: the box holds what the keyboard cannot type
        if (!problem.isEmpty())
            w.questionBoxes[4]->clear();
        const auto before = folderSnapshot(fixture().data);
        const QStringList above = QDir(fixture().data.path()).entryList(QDir::Files);
        click(w.entryButtons[WorksheetWizard::SaveEntry]);
        if (!problem.isEmpty()) {
            QCOMPARE(shownPrompts(), QStringList{problem});
            QCOMPARE(folderSnapshot(fixture().data), before);
            QCOMPARE(QDir(fixture().data.path()).entryList(QDir::Files), above);
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

    void saveFailures_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("message");
        QTest::newRow("count larger than the titles") << "short index" << kProblem;
        QTest::newRow("an index of 1000 titles") << "full index" << kProblem;
        QTest::newRow("an index that cannot be read") << "folder index" << kProblem;
        QTest::newRow("a folder in the quiz file's place") << "folder quiz" << kProblem;
        QTest::newRow("a missing index is created") << "missing index" << kSaved;
        QTest::newRow("the folder locked by another program") << "locked" << kProblem;
    }

    void saveFailures()
    {
        QFETCH(QString, setup);
        QFETCH(QString, message);
        if (setup == "short index")
            QVERIFY(fixture().data.write(kIndex, " 3 \r\nSoil\r\n"));
        else if (setup == "full index")
            QVERIFY(fixture().data.write(kIndex, indexFileBytes(numberedTitles(1000))));
        else if (setup == "folder index")
            QVERIFY(fixture().data.remove(kIndex) && QDir().mkpath(fixture().data.file(kIndex)));
        else if (setup == "folder quiz")
            QVERIFY(QDir().mkpath(fixture().data.file(QStringLiteral("multiple/Rocks.txt"))));
        else if (setup == "missing index")
            QVERIFY(fixture().data.remove(kIndex));
        // A lock that does not free: nothing at all is written.
        const std::optional<WorksheetFolderLock> held =
            setup == "locked" ? std::make_optional<WorksheetFolderLock>(fixture().data.file(kIndex)) : std::nullopt;
        const QByteArray indexBefore = fixture().data.read(kIndex);
        WorksheetWizard &w = openWizard();
        typeWorksheet(w, QStringLiteral("Rocks"), sampleQuestions(QStringLiteral("Rocks")));
        click(w.entryButtons[WorksheetWizard::SaveEntry]);
        QCOMPARE(shownPrompts(), QStringList{message});
        QCOMPARE(fixture().data.read(kIndex), message == kSaved ? indexFileBytes({"Rocks"}) : indexBefore);
        // The index is read, and its room checked, before the quiz file is
        // written: a save refused for the index writes nothing at all.
        QCOMPARE(QFile::exists(fixture().data.file(QStringLiteral("multiple/Rocks.txt"))),
                 setup == "missing index" || setup == "folder quiz");
        if (setup == "missing index")
            QCOMPARE(fixture().data.read(QStringLiteral("multiple/Rocks.txt")),
                     quizFileBytes(QStringLiteral("Rocks"), sampleQuestions(QStringLiteral("Rocks"))));
        QCOMPARE(topForm(), &worksheetWizard());
    }

    void cataloguePages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("lastPage");
        QTest::addColumn<int>("onLastPage");
        QTest::newRow("none") << 0 << 1 << 0;
        QTest::newRow("24 fill one page") << 24 << 1 << 24;
        QTest::newRow("25 spill onto a second") << 25 << 2 << 1;
        QTest::newRow("1000 stop at page 41") << 1000 << 41 << 24;
    }

    void cataloguePages()
    {
        QFETCH(int, count);
        QFETCH(int, lastPage);
        QFETCH(int, onLastPage);
        const QStringList titles = numberedTitles(count);
        QVERIFY(putWorksheets(fixture().data, titles, false));
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

    void deletionClosesUpThePage_data()
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
    void deletionClosesUpThePage()
    {
        QFETCH(int, count);
        QFETCH(int, page);
        QFETCH(int, slot);
        QFETCH(bool, confirm);
        QStringList titles = numberedTitles(count);
        QVERIFY(putWorksheets(fixture().data, titles));
        const auto before = folderSnapshot(fixture().data);
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
        QCOMPARE(fixture().data.read(kIndex), indexFileBytes(titles));
        QCOMPARE(visibleTitles(), titles.mid((page - 1) * 24, 24));
        QCOMPARE(c.pageNumberLine->Caption(), QStringLiteral("Page %1").arg(page));
        QCOMPARE(c.pageButtons[WorksheetCatalogue::PreviousPageEntry]->isVisible(), previous);
        QCOMPARE(c.pageButtons[WorksheetCatalogue::NextPageEntry]->isVisible(), next);
        QCOMPARE(fixture().data.read(QStringLiteral("multiple/") + title + QStringLiteral(".txt")),
                 before.value(title + QStringLiteral(".txt")));
    }

    void unreadableWorksheets_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("mode"); // 0 quiz, 1 edit, 2 delete
        const char *name[] = {"quiz", "edit", "delete"};
        for (int mode = 0; mode < 3; ++mode) {
            QTest::newRow(("missing file, " + QByteArray(name[mode])).constData()) << "missing" << mode;
        }
        QTest::addRow("index gone before the deletion") << "no index" << 2;
    }

    // What cannot be read says so and changes nothing.
    void unreadableWorksheets()
    {
        QFETCH(QString, damage);
        QFETCH(int, mode);
        QVERIFY(putWorksheets(fixture().data, {"Chalk", "Soil"}));
        const QString file = QStringLiteral("multiple/Soil.txt");
        if (damage == "missing")
            QVERIFY(fixture().data.remove(file));
        openCatalogue();
        if (damage == "no index")
            QVERIFY(fixture().data.remove(kIndex));
        const auto before = folderSnapshot(fixture().data);
        if (mode > 0)
            tick(mode == 1 ? worksheetCatalogue().editModeTick : worksheetCatalogue().deleteModeTick);
        click(worksheetCatalogue().titleButtons[2]);
        const QStringList expected = mode == 2 && damage == "no index" ? QStringList{deleteQuestion("Soil"), kCorrupted}
                                                                       : QStringList{kCorrupted};
        QCOMPARE(shownPrompts(), expected);
        QCOMPARE(folderSnapshot(fixture().data), before);
        QCOMPARE(topForm(), &worksheetCatalogue());
        QCOMPARE(visibleTitles(), (QStringList{"Chalk", "Soil"}));
    }

    void pastedTextIsOneLineOrRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("result"); // the value saved, or the refusal
        // Line breaks of every kind but U+2028, and tabs, pasted through the
        // real clipboard: e2e/e2e_authoring.
        const auto row = [](const char *name, const char *box, const QString &pasted, bool saved,
                            const QString &result) {
            QTest::newRow(name) << QString::fromLatin1(box) << pasted << saved << result;
        };
        row("a Unicode line separator", "optionBoxes(9)", QString::fromUtf8("Slate\u2028splits"), true, "Slate splits");
        row("a line break and a tab", "questionBoxes(0)", QStringLiteral("Which rock\nis made\tfrom sand?"), true,
            "Which rock is made from sand?");
        row("a NUL", "optionBoxes(3)", QStringLiteral("Chalk") + QChar(0) + QStringLiteral("rock"), true, "Chalk rock");
        row("a curly apostrophe and an accent", "optionBoxes(9)", QString::fromUtf8("\u2019s caf\u00e9"), true,
            QString::fromUtf8("\u2019s caf\u00e9"));
        row("a subscript in a question", "questionBoxes(2)", QString::fromUtf8("CO\u2082 is a gas"), false,
            QString::fromUtf8("Question 3 cannot contain the character \u2082."));
        row("an arrow in an option", "optionBoxes(25)", QString::fromUtf8("Rain \u2192 river"), false,
            QString::fromUtf8("Option B of Question 7 cannot contain the character \u2192."));
        row("a picture character", "optionBoxes(0)", QString::fromUtf8("Rock \U0001F48E"), false,
            QString::fromUtf8("Option A of Question 1 cannot contain the character \U0001F48E."));
    }

    // A box keeps one line whatever is pasted, and the file holds one byte per
    // character: what it cannot hold is refused with the box named, and nothing
    // is written. (What a save writes: the rows above.)
    void pastedTextIsOneLineOrRefused()
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
        const auto before = folderSnapshot(fixture().data);
        click(w.entryButtons[WorksheetWizard::SaveEntry]);
        QCOMPARE(shownPrompts(), QStringList{saved ? kSaved : result});
        if (!saved) {
            QCOMPARE(folderSnapshot(fixture().data), before);
            return;
        }
        QCOMPARE(target->Text(), result);
    }

    // The catalogue's import goes through the wizard's checks and saving:
    // all of a file's worksheets, or none and the reason.
    void catalogueImport_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("twenty questions: two worksheets")
            << giftQuestions(20, 0)
            << QStringList{QStringLiteral("These worksheets have been imported: Rocks 1, Rocks 2.")}
            << QStringList{"Granite", "Rocks 1", "Rocks 2"};
        QTest::newRow("a question with two right answers")
            << giftQuestions(10, 2)
            << QStringList{QStringLiteral("Question 2 (Rocks Q2) has more than one right answer.")}
            << QStringList{"Granite"};
        QTest::newRow("a title in use, not replaced")
            << QByteArray(giftQuestions(10, 0)).replace("::Rocks Q", "::Granite Q")
            << QStringList{QStringLiteral("A worksheet called Granite already exists. Do you want to replace it?")}
            << QStringList{"Granite"};
        QTest::newRow("an & kept as a comma, told")
            << QByteArray(giftQuestions(10, 0)).replace("=Flint ~Slate", "=Flint ~Slate & shale")
            << QStringList{QStringLiteral(
                   "The worksheet Rocks has been imported. Each \"&\" was changed to a comma, as "
                   "worksheets keep it; the first was in Option C of Question 1 (Rocks Q1).")}
            << QStringList{"Granite", "Rocks"};
    }

    void catalogueImport()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, titles);
        QVERIFY(putWorksheets(fixture().data, {QStringLiteral("Granite")}));
        QVERIFY(fixture().data.write(QStringLiteral("shared.gift"), file));
        const auto before = folderSnapshot(fixture().data);
        openCatalogue();
        fakeServices().answer = MsgResult::Cancel;
        fakeServices().fileToOpen = fixture().data.file(QStringLiteral("shared.gift"));
        click(worksheetCatalogue().importButton);
        QCOMPARE(shownPrompts(), QStringList{QStringLiteral("Import Worksheets")} + messages);
        QCOMPARE(visibleTitles(), titles);
        if (titles.size() == 1)
            QCOMPARE(folderSnapshot(fixture().data), before);
    }

    // The dialog's filter names the format (the end-to-end test exports GIFT).
    void catalogueExport()
    {
        const QString kGranite = QStringLiteral("multiple/Granite.txt");
        QVERIFY(putWorksheets(fixture().data, {QStringLiteral("Granite")}));
        openCatalogue();
        fakeServices().fileToSave = fixture().data.file(QStringLiteral("out.txt"));
        fakeServices().saveFilter = QStringLiteral("Aiken files (*.txt)");
        tick(worksheetCatalogue().exportModeTick);
        click(worksheetCatalogue().titleButtons[1]);
        QCOMPARE(shownPrompts(), (QStringList{QStringLiteral("Export Worksheet"),
                                              QStringLiteral("The worksheet Granite has been exported.")}));
        const QByteArray aiken = fixture().data.read(QStringLiteral("out.txt"));
        QVERIFY2(aiken.startsWith(sampleQuestions(QStringLiteral("Granite"))[0].text.toUtf8()) &&
                     aiken.count("\nANSWER: ") == 10,
                 aiken.left(80).constData());
        // A question Aiken would read as an option line is not written.
        QList<TypedQuestion> questions = sampleQuestions(QStringLiteral("Granite"));
        questions[0].text = QStringLiteral("A. Granite or B. basalt?");
        QVERIFY(fixture().data.write(kGranite, quizFileBytes(QStringLiteral("Granite"), questions)));
        QVERIFY(fixture().data.remove(QStringLiteral("out.txt")));
        fakeServices().messages.clear();
        click(worksheetCatalogue().titleButtons[1]);
        QCOMPARE(shownPrompts().last(),
                 QStringLiteral("This worksheet cannot be written in that format; try the other one."));
        QVERIFY(!QFile::exists(fixture().data.file(QStringLiteral("out.txt"))));
    }

    // The question names the title in use; Cancel writes nothing. (Replacing after OK:
    // tst_fulldisk; saving over itself: e2e_authoring; a new worksheet: catalogueImport.)
    void anEditedWorksheetReplacesAnotherOnlyWhenConfirmed()
    {
        QVERIFY(putWorksheets(fixture().data, {QStringLiteral("Granite"), QStringLiteral("Basalt")}));
        const auto before = folderSnapshot(fixture().data);
        fakeServices().answer = MsgResult::Cancel;
        WorksheetWizard &w = worksheetWizard();
        openCatalogue();
        tick(worksheetCatalogue().editModeTick);
        click(worksheetCatalogue().titleButtons[1]);
        QCOMPARE(w.titleBox->Text(), QStringLiteral("Granite"));
        w.titleBox->clear();
        QTest::keyClicks(w.titleBox, QStringLiteral("Basalt"));
        click(w.entryButtons[WorksheetWizard::SaveEntry]);
        QCOMPARE(shownPrompts(),
                 QStringList{QStringLiteral("A worksheet called Basalt already exists. Do you want to replace it?")});
        QCOMPARE(folderSnapshot(fixture().data), before);
    }
};

QTEST_MAIN(AuthoringTest)
#include "tst_authoring.moc"
