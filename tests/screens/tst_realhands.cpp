// The program under the habits of real hands and on real displays: stages of
// any size, double clicks, pasted text, characters the files cannot hold,
// titles already in use and values longer than the boxes.
#include "ActivityTest.h"
#include "AuthoringTest.h"
#include "PagerTesting.h"

#include "FieldReader.h"
#include "QuizFile.h"
#include "QuizScreen.h"
#include "ScienceHub.h"
#include "TitleScreen.h"

#include <QClipboard>
#include <QGuiApplication>

#include <functional>

using namespace terralore;
using namespace terralore::test;

namespace {

QString describe(const QWidget *w)
{
    return QStringLiteral("%1,%2 %3x%4").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height());
}

// Within a pixel of the stage's centre (an odd stage size leaves half a pixel).
bool centredOnStage(const Form *form)
{
    const QPointF gap = QRectF(form->geometry()).center() - QRectF(Stage::instance().rect()).center();
    return std::abs(gap.x()) <= 1 && std::abs(gap.y()) <= 1;
}

// Pastes text from the clipboard into a box with Ctrl+V.
void paste(TextBox *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    box->end(false);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// What a user can see or find on disk after an action.
QString observable()
{
    Form *top = topForm();
    return QStringList{top ? top->FormName() : QStringLiteral("none"),
                       QStringLiteral("page %1").arg(session().pager.pageNumber),
                       QStringLiteral("question %1").arg(session().progress.currentQuestion),
                       shownPrompts().join(QLatin1Char('|')), playedPaths().join(QLatin1Char('|'))}
        .join(QLatin1Char(';'));
}

// One control a pupil or teacher may double-click: how to reach it, and what
// else to look at besides the screen, the page, the question, the messages
// and the sounds.
struct DoubleClickCase {
    const char *name;
    std::function<QWidget *()> open;
    std::function<QString()> extra;
};

const std::vector<DoubleClickCase> &doubleClickCases()
{
    static const std::vector<DoubleClickCase> cases = {
        {"Next Page on key facts", [] { return openPageSet(3, QStringLiteral("key science")).entryButtons[Next]; }, {}},
        {"a menu entry",
         [] {
             mainMenu().Show();
             return mainMenu().entryButtons[20];
         },
         {}},
        {"Next Question",
         [] {
             scienceHub().Show();
             click(scienceHub().entryButtons[0]);
             click(quizScreen().answerButtons[1], QPoint(8, quizScreen().answerButtons[1]->height() / 2));
             return quizScreen().entryButtons[1];
         },
         {}},
        {"Save Worksheet",
         [] {
             worksheetWizard().Show();
             return worksheetWizard().entryButtons[1];
         },
         {}},
        {"a tick box",
         [] {
             worksheetWizard().Show();
             return worksheetWizard().answerTicks[5];
         },
         [] { return QString::number(worksheetWizard().answerTicks[5]->Value()); }},
        {"a caption tile", [] { return openActivity(QStringLiteral("scienceord")).captions[1]; },
         [] { return describe(activityNamed(QStringLiteral("scienceord")).captions[1]); }},
    };
    return cases;
}

} // namespace

class RealHandsTest : public QObject {
    Q_OBJECT
    TestData &data() { return fixture().data; }

private slots:
    void init()
    {
        freshStart();
        QVERIFY(resetWorksheetFolder(data()));
        Stage::instance().resize(1024, 768);
    }

    void screensStayCentredOnAnyStage_data();
    void screensStayCentredOnAnyStage();
    void aDoubleClickActsAsOneClick_data();
    void aDoubleClickActsAsOneClick();
    void pastedLineBreaksAndTabsNeverReachTheFile_data();
    void pastedLineBreaksAndTabsNeverReachTheFile();
    void charactersTheFileCannotHoldAreRefusedByBox_data();
    void charactersTheFileCannotHoldAreRefusedByBox();
    void aTitleInUseIsReplacedOnlyWhenConfirmed_data();
    void aTitleInUseIsReplacedOnlyWhenConfirmed();
    void editingKeepsValuesLongerThanTheBoxes();
};

void RealHandsTest::screensStayCentredOnAnyStage_data()
{
    QTest::addColumn<QSize>("first");
    QTest::addColumn<QSize>("then");
    QTest::newRow("laptop, then a projector") << QSize(1366, 768) << QSize(1920, 1080);
    QTest::newRow("large, then small") << QSize(2560, 1440) << QSize(1280, 1024);
    QTest::newRow("portrait") << QSize(1080, 1920) << QSize(900, 1600);
}

void RealHandsTest::screensStayCentredOnAnyStage()
{
    QFETCH(QSize, first);
    QFETCH(QSize, then);
    Stage::instance().resize(first);
    titleScreen().Show();
    settle();
    QVERIFY2(centredOnStage(&titleScreen()), qPrintable(describe(&titleScreen())));
    Stage::instance().resize(then);
    QVERIFY2(centredOnStage(&titleScreen()), qPrintable(describe(&titleScreen())));
    click(titleScreen().okButton);
    settle();
    QCOMPARE(topForm(), mainMenuIfLoaded());
    QVERIFY2(centredOnStage(&mainMenu()), qPrintable(describe(&mainMenu())));
    Stage::instance().resize(first);
    QVERIFY2(centredOnStage(&mainMenu()), qPrintable(describe(&mainMenu())));
}

void RealHandsTest::aDoubleClickActsAsOneClick_data()
{
    QTest::addColumn<int>("which");
    for (std::size_t i = 0; i < doubleClickCases().size(); ++i)
        QTest::newRow(doubleClickCases()[i].name) << int(i);
}

// Whatever one click does, a double click does, and no more.
void RealHandsTest::aDoubleClickActsAsOneClick()
{
    QFETCH(int, which);
    const DoubleClickCase &c = doubleClickCases()[std::size_t(which)];
    auto after = [&](bool twice) {
        freshStart();
        QWidget *target = c.open();
        settle();
        fakeServices().messages.clear();
        fakeServices().effects.clear();
        if (twice)
            QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(8, target->height() / 2));
        else
            click(target, QPoint(8, target->height() / 2));
        settle();
        return observable() + (c.extra ? QStringLiteral(";") + c.extra() : QString());
    };
    const QString once = after(false);
    QCOMPARE(after(true), once);
}

void RealHandsTest::pastedLineBreaksAndTabsNeverReachTheFile_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Windows line breaks") << "Chalk\r\nand\r\nflint"
                                         << "Chalk and flint";
    QTest::newRow("a trailing line break") << "Granite\n"
                                           << "Granite ";
    QTest::newRow("tabs") << "Sand\tstone"
                          << "Sandstone";
    QTest::newRow("old Mac breaks and a form feed") << "a\rb\fc"
                                                    << "a b c";
    QTest::newRow("a Unicode line separator") << QString::fromUtf8("Slate\u2028splits") << "Slate splits";
}

void RealHandsTest::pastedLineBreaksAndTabsNeverReachTheFile()
{
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    WorksheetWizard &w = worksheetWizard();
    w.Show();
    typeWorksheet(w, QStringLiteral("Pasted"), sampleQuestions(QStringLiteral("Pasted")));
    w.optionBoxes[9]->clear();
    paste(w.optionBoxes[9], pasted);
    paste(w.questionBoxes[4], pasted);
    QCOMPARE(w.optionBoxes[9]->Text(), shown);
    click(w.entryButtons[1]);
    QCOMPARE(shownPrompts(), QStringList{kSaved});

    const QByteArray bytes = data().read(QStringLiteral("multiple/Pasted.txt"));
    QCOMPARE(bytes.count("\r\n"), kQuizLines);
    QVERIFY(!bytes.contains('\t'));
    Quiz quiz;
    FieldReader reader(bytes);
    QVERIFY(loadQuizFile(reader, quiz));
    QVERIFY(reader.atEnd());
    QCOMPARE(quiz.questions[2].options[1], shown);
    QCOMPARE(quiz.questions[4].text, QStringLiteral("Pasted question 5") + shown);
    QCOMPARE(quiz.questions[9].answer, QStringLiteral("2"));
}

void RealHandsTest::charactersTheFileCannotHoldAreRefusedByBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("a subscript in a question") << "questionBoxes(2)" << QString::fromUtf8("CO\u2082 is a gas")
                                               << QString::fromUtf8("Question 3 cannot contain the character \u2082.");
    QTest::newRow("an arrow in an option")
        << "optionBoxes(25)" << QString::fromUtf8("Rain \u2192 river")
        << QString::fromUtf8("Option B of Question 7 cannot contain the character \u2192.");
    QTest::newRow("a minus sign in option D")
        << "optionBoxes(39)" << QString::fromUtf8("\u22125 degrees")
        << QString::fromUtf8("Option D of Question 10 cannot contain the character \u2212.");
    QTest::newRow("a picture character") << "optionBoxes(0)" << QString::fromUtf8("Rock \U0001F48E")
                                         << QString::fromUtf8(
                                                "Option A of Question 1 cannot contain the character \U0001F48E.");
}

// The file holds one byte per character: "’" and "é" pass, others are refused
// with the box named, and nothing is written.
void RealHandsTest::charactersTheFileCannotHoldAreRefusedByBox()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    WorksheetWizard &w = worksheetWizard();
    w.Show();
    typeWorksheet(w, QStringLiteral("Chars"), sampleQuestions(QStringLiteral("Chars")));
    paste(w.questionBoxes[0], QString::fromUtf8("\u2019s caf\u00e9"));
    auto *target = w.client()->findChild<TextBox *>(box);
    QVERIFY(target);
    target->clear();
    paste(target, text);
    const auto before = folderSnapshot(data());
    click(w.entryButtons[1]);
    QCOMPARE(shownPrompts(), QStringList{message});
    QCOMPARE(folderSnapshot(data()), before);
}

void RealHandsTest::aTitleInUseIsReplacedOnlyWhenConfirmed_data()
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

void RealHandsTest::aTitleInUseIsReplacedOnlyWhenConfirmed()
{
    QFETCH(bool, fromEdit);
    QFETCH(QString, title);
    QFETCH(bool, confirm);
    QFETCH(bool, asked);
    QFETCH(bool, replaced);
    QVERIFY(putWorksheets(data(), {QStringLiteral("Granite"), QStringLiteral("Basalt")}));
    const auto before = folderSnapshot(data());
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
    click(w.entryButtons[1]);
    const QString question =
        QStringLiteral("A worksheet called ") + title + QStringLiteral(" already exists. Do you want to replace it?");
    QCOMPARE(shownPrompts().contains(question), asked);
    const QString file = QStringLiteral("multiple/") + title + QStringLiteral(".txt");
    QCOMPARE(data().read(file) != before.value(title + QStringLiteral(".txt")), replaced);
    QCOMPARE(shownPrompts().contains(kSaved), replaced);
    if (!replaced) {
        QCOMPARE(folderSnapshot(data()), before);
        return;
    }
    // What is on screen is now that worksheet: saving again asks nothing more.
    fakeServices().messages.clear();
    click(w.entryButtons[1]);
    QCOMPARE(shownPrompts(), QStringList{kSaved});
}

// A worksheet made elsewhere, with values past the typing limits, comes back
// from the wizard whole.
void RealHandsTest::editingKeepsValuesLongerThanTheBoxes()
{
    QList<TypedQuestion> questions = sampleQuestions(QStringLiteral("Long"));
    questions[3].text =
        QStringLiteral("Which of these rocks was formed when hot liquid rock cooled slowly deep underground?");
    questions[8].options[2] = QStringLiteral("Sedimentary rock laid down in layers under the sea");
    const QByteArray original = quizFileBytes(QStringLiteral("Long"), questions);
    QVERIFY(data().write(QStringLiteral("multiple/Long.txt"), original));
    QVERIFY(data().write(QStringLiteral("multiple/track.txt"), indexFileBytes({QStringLiteral("Long")})));
    worksheetCatalogue().Show();
    click(worksheetCatalogue().editModeTick, QPoint(8, worksheetCatalogue().editModeTick->height() / 2));
    click(worksheetCatalogue().titleButtons[1]);
    settle();
    WorksheetWizard &w = worksheetWizard();
    QCOMPARE(w.questionBoxes[3]->Text(), questions[3].text);
    QCOMPARE(w.optionBoxes[34]->Text(), questions[8].options[2]);
    // Typing still stops at the limit once a value is back within it.
    w.optionBoxes[34]->clear();
    QTest::keyClicks(w.optionBoxes[34], questions[8].options[2]);
    QCOMPARE(w.optionBoxes[34]->Text(), questions[8].options[2].left(30));
    w.optionBoxes[34]->setText(questions[8].options[2]);
    click(w.entryButtons[1]);
    QCOMPARE(shownPrompts(), QStringList{kSaved});
    QCOMPARE(data().read(QStringLiteral("multiple/Long.txt")), original);
}

QTEST_MAIN(RealHandsTest)
#include "tst_realhands.moc"
