// The multiple-choice wizard: its layout, typing and the Enter key,
// validation in order, saving the quiz file and the index.
#include "AuthoringTest.h"
#include "FileSizeLimit.h"
#include "ScreenTest.h"

#include "FieldReader.h"
#include "Module1.h"
#include "intro0.h"
#include "wizard.h"

#include <QApplication>

using namespace terralore;
using namespace terralore::test;

namespace {

const QString kSaved = QStringLiteral("Your worksheet has been saved.");
const QString kProblem = QStringLiteral("There was a problem saving your worksheet");
const QPoint kBare(310, 20); // between the heading and "Worksheet Title", clear of every control

} // namespace

class WizardTest : public QObject {
    Q_OBJECT
    ScreenFixture *fx = nullptr;

    wizardForm &openWizard()
    {
        // As the menu leaves it: sound on.
        Module1::SoundOn = 1;
        wizard().Show();
        QApplication::setActiveWindow(&Stage::instance());
        return wizard();
    }
    void save() { click(wizard().Label3[1]); }

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
    void loadsEmptyWithTheTickBoxesOnTheScreenColour();
    void typingStopsAtTheMaximumLength_data();
    void typingStopsAtTheMaximumLength();
    void enterMovesTheFocus_data();
    void enterMovesTheFocus();
    void tabVisitsTheTextBoxesFirst();
    void validationStopsAtTheFirstProblem_data();
    void validationStopsAtTheFirstProblem();
    void blanksPassAndLoadBackEmpty();
    void savesTheQuizFileAndAddsTheTitleOnce();
    void commasAreSavedAsAmpersands();
    void aNewTitleMakesASecondWorksheet();
    void refusedTitlesWriteNothing_data();
    void refusedTitlesWriteNothing();
    void saveFailures_data();
    void saveFailures();
    void aFailingWriteKeepsTheOldQuizFile();
    void hoverLightsTheButtons();
    void menuOpensItAndExitUncoversTheMenu();
};

void WizardTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("place");
    QTest::newRow("title box") << "Text1" << QRectF(7560, 120, 4215, 375);
    QTest::newRow("question 1") << "Text2(0)" << QRectF(240, 840, 5655, 375);
    QTest::newRow("question 5") << "Text2(4)" << QRectF(240, 840 + 5760, 5655, 375);
    QTest::newRow("question 6 tops the right column") << "Text2(5)" << QRectF(6120, 840, 5655, 375);
    QTest::newRow("question 10") << "Text2(9)" << QRectF(6120, 840 + 5760, 5655, 375);
    QTest::newRow("1 A") << "Text3(0)" << QRectF(720, 1230, 2295, 330);
    QTest::newRow("1 B") << "Text3(1)" << QRectF(3600, 1230, 2295, 330);
    QTest::newRow("1 C") << "Text3(2)" << QRectF(720, 1560, 2295, 330);
    QTest::newRow("1 D") << "Text3(3)" << QRectF(3600, 1560, 2295, 330);
    QTest::newRow("7 B") << "Text3(25)" << QRectF(9480, 1230 + 1440, 2295, 330);
    QTest::newRow("10 D") << "Text3(39)" << QRectF(9480, 1560 + 5760, 2295, 330);
    QTest::newRow("tick 1 A") << "Check1(0)" << QRectF(480, 1230, 255, 315);
    QTest::newRow("tick 1 B") << "Check1(1)" << QRectF(3330, 1230, 255, 315);
    QTest::newRow("tick 10 D") << "Check1(39)" << QRectF(9210, 1560 + 5760, 255, 315);
    QTest::newRow("save") << "Label3(1)" << QRectF(240, 7920, 3165, 495);
    QTest::newRow("exit") << "Label3(0)" << QRectF(10560, 7920, 1245, 495);
    QTest::newRow("heading") << "Label1(0)" << QRectF(0, 0, 4320, 540);
}

void WizardTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QRectF, place);
    openWizard();
    const ControlPlace found = placeOf(wizard(), name);
    QCOMPARE(found.twips, place);
    QCOMPARE(found.pixels, found.expectedPixels);
}

void WizardTest::loadsEmptyWithTheTickBoxesOnTheScreenColour()
{
    wizardForm &w = openWizard();
    QCOMPARE(w.BackColor(), QColor(39, 63, 137));
    QCOMPARE(w.Caption(), QStringLiteral("Terralore"));
    QCOMPARE(w.Label1[0]->Caption(), QStringLiteral("Multiple Choice Wizard"));
    QCOMPARE(w.Label1[1]->Caption(), QStringLiteral("Worksheet Title"));
    QCOMPARE(w.Label1[2]->Caption(), QStringLiteral("Question 1"));
    QCOMPARE(w.Label1[11]->Caption(), QStringLiteral("Question 10"));
    QCOMPARE(w.Label3[0]->Caption(), QStringLiteral("Exit"));
    QCOMPARE(w.Label3[1]->Caption(), QStringLiteral("Save Worksheet"));
    QVERIFY(w.Text1->Text().isEmpty());
    for (int i = 0; i < 40; ++i) {
        QCOMPARE(w.Check1[i]->BackColor(), QColor(39, 63, 137));
        QCOMPARE(w.Check1[i]->Value(), 0);
        QVERIFY(w.Text3[i]->Text().isEmpty());
        QVERIFY(w.Check1[i]->text().isEmpty());
    }
    // Each tick box sits just left of its option box, its letter left of it.
    for (int i = 0; i < 40; ++i) {
        QVERIFY(w.Check1[i]->geometry().left() < w.Text3[i]->geometry().left());
        QVERIFY(w.Label1[12 + i]->geometry().right() < w.Check1[i]->geometry().left());
        QCOMPARE(w.Label1[12 + i]->Caption(), QString(QChar('A' + i % 4)) + QLatin1Char('.'));
    }
    QCOMPARE(w.Text1->hasFocus(), true);
}

void WizardTest::typingStopsAtTheMaximumLength_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("length");
    QTest::newRow("title") << "Text1" << 25;
    QTest::newRow("question") << "Text2(3)" << 60;
    QTest::newRow("option") << "Text3(17)" << 30;
}

void WizardTest::typingStopsAtTheMaximumLength()
{
    QFETCH(QString, box);
    QFETCH(int, length);
    openWizard();
    auto *text = wizard().client()->findChild<TextBox *>(box);
    QVERIFY(text);
    const QString typed = QStringLiteral("Rocks, soils & fossils; 0123456789 abcdefghijklmnopqrstuvwxyz ABCDEFGHIJ");
    QTest::keyClicks(text, typed);
    QCOMPARE(text->Text(), typed.left(length));
    QCOMPARE(text->MaxLength(), length);
}

void WizardTest::enterMovesTheFocus_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("title to question 1") << "Text1"
                                         << "Text2(0)";
    QTest::newRow("question 1 to its option A") << "Text2(0)"
                                                << "Text3(0)";
    QTest::newRow("question 8 to its option A") << "Text2(7)"
                                                << "Text3(28)";
    QTest::newRow("A to B") << "Text3(0)"
                            << "Text3(1)";
    QTest::newRow("B to C") << "Text3(1)"
                            << "Text3(2)";
    QTest::newRow("C to D") << "Text3(2)"
                            << "Text3(3)";
    QTest::newRow("D of 1 to question 2") << "Text3(3)"
                                          << "Text2(1)";
    QTest::newRow("D of 5 to question 6 atop the right column") << "Text3(19)"
                                                                << "Text2(5)";
    QTest::newRow("D of 9 to question 10") << "Text3(35)"
                                           << "Text2(9)";
    QTest::newRow("D of 10 stays") << "Text3(39)"
                                   << "Text3(39)";
}

void WizardTest::enterMovesTheFocus()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    openWizard();
    auto *start = wizard().client()->findChild<TextBox *>(from);
    auto *target = wizard().client()->findChild<TextBox *>(to);
    QVERIFY(start && target);
    start->setFocus();
    QTRY_VERIFY(start->hasFocus());
    QTest::keyClicks(start, QStringLiteral("Chalk"));
    QTest::keyClick(start, Qt::Key_Return);
    QTRY_VERIFY(target->hasFocus());
    // Enter changes no text: neither a line end nor anything else is added.
    QCOMPARE(start->Text(), QStringLiteral("Chalk"));
    if (target != start)
        QVERIFY(target->Text().isEmpty());
    // The keypad's Enter is the same key code.
    start->setFocus();
    QTRY_VERIFY(start->hasFocus());
    QTest::keyClick(start, Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_VERIFY(target->hasFocus());
}

void WizardTest::tabVisitsTheTextBoxesFirst()
{
    wizardForm &w = openWizard();
    QList<QWidget *> expected{w.Text1};
    for (int q = 0; q < 10; ++q) {
        expected << w.Text2[q];
        for (int j = 0; j < 4; ++j)
            expected << w.Text3[4 * q + j];
    }
    expected << w.Check1[0] << w.Check1[1];
    w.Text1->setFocus();
    QTRY_VERIFY(w.Text1->hasFocus());
    for (qsizetype k = 1; k < expected.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(
            expected[k]->hasFocus(),
            qPrintable(
                QStringLiteral("step %1: %2 has the focus").arg(k).arg(QApplication::focusWidget()->objectName())));
    }
}

void WizardTest::validationStopsAtTheFirstProblem_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("emptyTexts");   // questions 1 to 10
    QTest::addColumn<QList<int>>("emptyOptions"); // Text3 indexes
    QTest::addColumn<QList<int>>("unticked");     // questions left without their tick
    QTest::addColumn<QList<int>>("twoTicks");     // questions given a second tick
    QTest::addColumn<QString>("message");
    using L = QList<int>;
    QTest::newRow("empty title before everything")
        << "" << L{1, 2, 3} << L{0, 5} << L{1, 4} << L{2} << "You have not chosen a title for your worksheet";
    QTest::newRow("empty title alone") << "" << L{} << L{} << L{} << L{}
                                       << "You have not chosen a title for your worksheet";
    QTest::newRow("question 3 without text")
        << "Rocks" << L{3} << L{} << L{} << L{} << "You have not completed Question 3";
    QTest::newRow("question 10 without option C")
        << "Rocks" << L{} << L{38} << L{} << L{} << "You have not completed Question 10";
    QTest::newRow("empty option before a missing tick")
        << "Rocks" << L{} << L{14} << L{4} << L{} << "You have not completed Question 4";
    QTest::newRow("empty option after the ticked one")
        << "Rocks" << L{} << L{19} << L{} << L{} << "You have not completed Question 5";
    QTest::newRow("two ticks before later incomplete questions")
        << "Rocks" << L{5} << L{30} << L{8} << L{2} << "You have ticked more than one correct answer for Question 2";
    QTest::newRow("no tick") << "Rocks" << L{} << L{} << L{7} << L{}
                             << "You have not ticked the correct answer for Question 7";
    QTest::newRow("no tick before a later empty text")
        << "Rocks" << L{2} << L{} << L{1} << L{} << "You have not ticked the correct answer for Question 1";
    QTest::newRow("two ticks on question 10")
        << "Rocks" << L{} << L{} << L{} << L{10} << "You have ticked more than one correct answer for Question 10";
    QTest::newRow("complete") << "Rocks" << L{} << L{} << L{} << L{} << kSaved;
}

void WizardTest::validationStopsAtTheFirstProblem()
{
    QFETCH(QString, title);
    QFETCH(QList<int>, emptyTexts);
    QFETCH(QList<int>, emptyOptions);
    QFETCH(QList<int>, unticked);
    QFETCH(QList<int>, twoTicks);
    QFETCH(QString, message);
    wizardForm &w = openWizard();
    const QList<TypedQuestion> questions = sampleQuestions(QStringLiteral("Rocks"));
    typeWorksheet(w, title, questions);
    for (int q : emptyTexts)
        w.Text2[q - 1]->clear();
    for (int i : emptyOptions)
        w.Text3[i]->clear();
    for (int q : unticked)
        click(w.Check1[4 * (q - 1) + questions[q - 1].answer - 1], QPoint(6, 10));
    for (int q : twoTicks)
        click(w.Check1[4 * (q - 1) + questions[q - 1].answer % 4], QPoint(6, 10));
    const auto before = folderSnapshot(fx->data);
    save();
    QCOMPARE(shownPrompts(), QStringList{message});
    QCOMPARE(MessageBoxes::shown().first().buttons, MsgButtons::OK);
    if (message != kSaved)
        QCOMPARE(folderSnapshot(fx->data), before);
    else
        QCOMPARE(fx->data.read(QStringLiteral("multiple/Rocks.txt")),
                 quizFileBytes(QStringLiteral("Rocks"), questions));
    // The click sound follows the action.
    QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"});
    QVERIFY(wizardIfLoaded());
}

void WizardTest::blanksPassAndLoadBackEmpty()
{
    wizardForm &w = openWizard();
    QList<TypedQuestion> questions = sampleQuestions(QStringLiteral("Blank"));
    questions[0].text = QStringLiteral("   ");
    questions[0].options[2] = QStringLiteral(" ");
    typeWorksheet(w, QStringLiteral("Blank"), questions);
    save();
    QCOMPARE(shownPrompts(), QStringList{kSaved});
    QCOMPARE(fx->data.read(QStringLiteral("multiple/Blank.txt")), quizFileBytes(QStringLiteral("Blank"), questions));
    auto reader = FieldReader::open(fx->data.file(QStringLiteral("multiple/Blank.txt")));
    QVERIFY(reader);
    QVERIFY(Module1::LoadQuizFile(*reader));
    QCOMPARE(Module1::QuestionText[1], QString());
    QCOMPARE(Module1::OptionC[1], QString());
    QCOMPARE(Module1::OptionD[1], QStringLiteral("D1"));
}

void WizardTest::savesTheQuizFileAndAddsTheTitleOnce()
{
    QVERIFY(fx->data.write(QStringLiteral("multiple/track.txt"), indexBytes({"Soil"})));
    wizardForm &w = openWizard();
    QList<TypedQuestion> questions = sampleQuestions(QStringLiteral("Chalk"));
    typeWorksheet(w, QStringLiteral("Chalk"), questions);
    save();
    QCOMPARE(shownPrompts(), QStringList{kSaved});
    const QByteArray file = fx->data.read(QStringLiteral("multiple/Chalk.txt"));
    QCOMPARE(file, quizFileBytes(QStringLiteral("Chalk"), questions));
    QCOMPARE(file.count("\r\n"), 72);
    const QByteArray index = fx->data.read(QStringLiteral("multiple/track.txt"));
    QCOMPARE(index, indexBytes({"Soil", "Chalk"}));
    // Saved again, after a correction: the quiz file is rewritten, the index not.
    w.Text2[0]->clear();
    QTest::keyClicks(w.Text2[0], QStringLiteral("Which rock is soft?"));
    questions[0].text = QStringLiteral("Which rock is soft?");
    save();
    QCOMPARE(shownPrompts(), (QStringList{kSaved, kSaved}));
    QCOMPARE(fx->data.read(QStringLiteral("multiple/Chalk.txt")), quizFileBytes(QStringLiteral("Chalk"), questions));
    QCOMPARE(fx->data.read(QStringLiteral("multiple/track.txt")), index);
    // The form stays open with its content.
    QCOMPARE(topForm(), &wizard());
    QCOMPARE(w.Text1->Text(), QStringLiteral("Chalk"));
}

void WizardTest::commasAreSavedAsAmpersands()
{
    wizardForm &w = openWizard();
    QList<TypedQuestion> questions = sampleQuestions(QStringLiteral("Sand"));
    questions[2].text = QStringLiteral("Sand, silt or clay?");
    questions[2].options[1] = QStringLiteral("Silt, mostly");
    typeWorksheet(w, QStringLiteral("Sand, silt and clay"), questions);
    save();
    QCOMPARE(shownPrompts(), QStringList{kSaved});
    const QByteArray file = fx->data.read(QStringLiteral("multiple/Sand& silt and clay.txt"));
    QVERIFY(file.startsWith("Sand& silt and clay\r\n \r\n"));
    QVERIFY(file.contains("\r\nSand& silt or clay?\r\n"));
    QVERIFY(file.contains("\r\nSilt& mostly\r\n"));
    QVERIFY(!file.contains(','));
    QCOMPARE(fx->data.read(QStringLiteral("multiple/track.txt")), indexBytes({"Sand& silt and clay"}));
    auto reader = FieldReader::open(fx->data.file(QStringLiteral("multiple/Sand& silt and clay.txt")));
    QVERIFY(reader && Module1::LoadQuizFile(*reader));
    QCOMPARE(Module1::QuizTitle, QStringLiteral("Sand, silt and clay"));
    QCOMPARE(Module1::QuestionText[3], QStringLiteral("Sand, silt or clay?"));
    QCOMPARE(Module1::OptionB[3], QStringLiteral("Silt, mostly"));
}

void WizardTest::aNewTitleMakesASecondWorksheet()
{
    wizardForm &w = openWizard();
    typeWorksheet(w, QStringLiteral("Chalk"), sampleQuestions(QStringLiteral("Chalk")));
    save();
    w.Text1->clear();
    QTest::keyClicks(w.Text1, QStringLiteral("chalk"));
    save();
    QCOMPARE(shownPrompts(), (QStringList{kSaved, kSaved}));
    QCOMPARE(fx->data.read(QStringLiteral("multiple/track.txt")), indexBytes({"Chalk", "chalk"}));
    QVERIFY(fx->data.read(QStringLiteral("multiple/Chalk.txt")).startsWith("Chalk\r\n"));
    QVERIFY(fx->data.read(QStringLiteral("multiple/chalk.txt")).startsWith("chalk\r\n"));
}

void WizardTest::refusedTitlesWriteNothing_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    const QString chars =
        QStringLiteral("Your worksheet title cannot contain any of these characters: / \\ : * ? \" < > |");
    QTest::newRow("climbing out") << "../../evil" << chars;
    QTest::newRow("slash") << "Rocks/Soils" << chars;
    QTest::newRow("colon") << "Rocks: 1" << chars;
    QTest::newRow("dot dot") << ".."
                             << "Your worksheet title cannot begin with a full stop.";
    QTest::newRow("trailing dot") << "Rocks."
                                  << "Your worksheet title cannot end with a full stop.";
    QTest::newRow("blanks only") << "    "
                                 << "Your worksheet title cannot be made of blanks only.";
    QTest::newRow("leading blank") << " Rocks"
                                   << "Your worksheet title cannot begin or end with a blank.";
    QTest::newRow("device") << "nul"
                            << "Your worksheet title cannot be a device name such as CON, PRN, AUX, NUL, COM1 or LPT1.";
    QTest::newRow("the index itself") << "track"
                                      << "Your worksheet title is the name of one of the program's own files. Please "
                                         "choose another title.";
    QTest::newRow("a built-in quiz") << "The Beginning"
                                     << "Your worksheet title is the name of one of the program's own files. Please "
                                        "choose another title.";
}

void WizardTest::refusedTitlesWriteNothing()
{
    QFETCH(QString, title);
    QFETCH(QString, message);
    wizardForm &w = openWizard();
    // Only the title is wrong: the refusal comes before the questions are examined.
    typeWorksheet(w, title, sampleQuestions(QStringLiteral("Rocks")));
    w.Text2[4]->clear();
    const auto before = folderSnapshot(fx->data);
    const QStringList above = QDir(fx->data.path()).entryList(QDir::Files);
    save();
    QCOMPARE(shownPrompts(), QStringList{message});
    QCOMPARE(folderSnapshot(fx->data), before);
    QCOMPARE(QDir(fx->data.path()).entryList(QDir::Files), above);
}

void WizardTest::saveFailures_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("indexChanges");
    QTest::newRow("count larger than the titles") << "short index" << kProblem << false;
    QTest::newRow("an index of 1000 titles") << "full index" << kProblem << false;
    QTest::newRow("an index that cannot be read") << "folder index" << kProblem << false;
    QTest::newRow("a folder in the quiz file's place") << "folder quiz" << kProblem << false;
    QTest::newRow("a missing index is created") << "missing index" << kSaved << true;
}

void WizardTest::saveFailures()
{
    QFETCH(QString, setup);
    QFETCH(QString, message);
    QFETCH(bool, indexChanges);
    const QString index = QStringLiteral("multiple/track.txt");
    if (setup == "short index")
        QVERIFY(fx->data.write(index, " 3 \r\nSoil\r\n"));
    else if (setup == "full index")
        QVERIFY(fx->data.write(index, indexBytes(numberedTitles(1000))));
    else if (setup == "folder index")
        QVERIFY(fx->data.remove(index) && QDir().mkpath(fx->data.file(index)));
    else if (setup == "folder quiz")
        QVERIFY(QDir().mkpath(fx->data.file(QStringLiteral("multiple/Rocks.txt"))));
    else if (setup == "missing index")
        QVERIFY(fx->data.remove(index));
    const QByteArray indexBefore = fx->data.read(index);
    wizardForm &w = openWizard();
    typeWorksheet(w, QStringLiteral("Rocks"), sampleQuestions(QStringLiteral("Rocks")));
    save();
    QCOMPARE(shownPrompts(), QStringList{message});
    if (indexChanges)
        QCOMPARE(fx->data.read(index), indexBytes({"Rocks"}));
    else
        QCOMPARE(fx->data.read(index), indexBefore);
    // A quiz file written before the index failed stays on disk.
    if (setup != "folder quiz")
        QCOMPARE(fx->data.read(QStringLiteral("multiple/Rocks.txt")),
                 quizFileBytes(QStringLiteral("Rocks"), sampleQuestions(QStringLiteral("Rocks"))));
    QCOMPARE(topForm(), &wizard());
}

void WizardTest::aFailingWriteKeepsTheOldQuizFile()
{
    const QByteArray old = quizFileBytes(QStringLiteral("Rocks"), sampleQuestions(QStringLiteral("Old")));
    QVERIFY(putWorksheets(fx->data, {"Rocks"}));
    QVERIFY(fx->data.write(QStringLiteral("multiple/Rocks.txt"), old));
    wizardForm &w = openWizard();
    typeWorksheet(w, QStringLiteral("Rocks"), sampleQuestions(QStringLiteral("New")));
    {
        FileSizeLimit limit(100);
        QVERIFY(limit.ok());
        w.genwork();
    }
    QCOMPARE(
        shownPrompts(),
        (QStringList{QStringLiteral("A worksheet called Rocks already exists. Do you want to replace it?"), kProblem}));
    QCOMPARE(fx->data.read(QStringLiteral("multiple/Rocks.txt")), old);
    QCOMPARE(QDir(fx->data.file(QStringLiteral("multiple"))).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"Rocks.txt", "The Beginning.txt", "The Science of Rocks.txt", "track.txt"}));
}

void WizardTest::hoverLightsTheButtons()
{
    wizardForm &w = openWizard();
    QCOMPARE(w.Label3[0]->BackStyle(), int(vbOpaque));
    hover(w.client(), kBare);
    QCOMPARE(w.Label3[0]->BackStyle(), int(vbTransparent));
    QCOMPARE(w.Label3[1]->BackStyle(), int(vbTransparent));
    hover(w.Label3[1]);
    QCOMPARE(w.Label3[1]->BackStyle(), int(vbOpaque));
    QCOMPARE(w.Label3[1]->BackColor(), QColor(0, 0, 0));
    // Other controls change nothing.
    hover(w.Text2[3]);
    QCOMPARE(w.Label3[1]->BackStyle(), int(vbOpaque));
    hover(w.Label3[0]);
    hover(w.client(), kBare);
    QCOMPARE(w.Label3[0]->BackStyle(), int(vbTransparent));
    QCOMPARE(w.Label3[1]->BackStyle(), int(vbTransparent));
}

void WizardTest::menuOpensItAndExitUncoversTheMenu()
{
    intro0().Show();
    click(intro0().Label2[17]);
    QCOMPARE(topForm(), wizardIfLoaded());
    QVERIFY(intro0IfLoaded());
    QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"});
    QTest::keyClicks(wizard().Text1, QStringLiteral("Unsaved"));
    click(wizard().Label3[0]);
    settle();
    QVERIFY(!wizardIfLoaded());
    QCOMPARE(topForm(), &intro0());
    QCOMPARE(playedPaths(), (QStringList{"wav\\click.wav", "wav\\click.wav"}));
    QVERIFY(!QFile::exists(fx->data.file(QStringLiteral("multiple/Unsaved.txt"))));
    // Shown again, it is empty: Exit discarded what was typed.
    click(intro0().Label2[17]);
    QVERIFY(wizard().Text1->Text().isEmpty());
}

QTEST_MAIN(WizardTest)
#include "tst_wizard.moc"
