// Every screen as its user reaches it: what opens it, what its Exit
// uncovers, the click sounds on the way (none with the sound off), the hover
// light of the buttons, the pages of the pagers, a double click taken as one
// click, and what screen readers find. (Screens centred on displays of any
// size: e2e/e2e_displays; screen readers over AT-SPI: e2e/e2e_screenreader.)
#include "ActivityTest.h"
#include "AuthoringTest.h"
#include "PagerTesting.h"
#include "QuizDriver.h"

#include "BeginningHub.h"
#include "PictureDescriptions.h"
#include "QuizScreen.h"
#include "TitleScreen.h"

#include <QAccessible>
#include <QDirIterator>

#include <functional>

using namespace terralore;
using namespace terralore::test;

namespace {

bool soundOff = false;

// The menu, with the sound switched off by its own button when asked.
MainMenu &menu()
{
    mainMenu().Show();
    if (soundOff)
        click(mainMenu().soundOffButton, QPoint(8, 8));
    return mainMenu();
}

Hub &hub(int entry)
{
    click(menu().entryButtons[entry]);
    return *qobject_cast<Hub *>(topForm());
}

void catalogue(int titles)
{
    putWorksheets(fixture().data, numberedTitles(titles));
    click(menu().entryButtons[MainMenu::CatalogueEntry]);
    settle();
}

void quizWithWrong(const QSet<int> &wrong)
{
    const QuizOnDisk quiz(fixture().data.file(kRocksQuiz));
    click(hub(MainMenu::ScienceEntry).entryButtons[Hub::QuizEntry]);
    takeQuiz(quiz, wrong);
}

struct Screen {
    const char *name;
    std::function<void()> open; // as the user gets there, from a fresh start
    std::function<QWidget *()> exit;
    const char *uncovers; // the screen on top after Exit
    int clicksToOpen, clicksToExit;
};

// clang-format off
const std::vector<Screen> &screens()
{
    static const std::vector<Screen> list = {
        {"MainMenu", [] {
             titleScreen().Show();
             click(titleScreen().okButton);
             // The title screen's OK comes before the sound can be switched off.
             if (soundOff) {
                 click(mainMenu().soundOffButton, QPoint(8, 8));
                 fakeServices().effects.clear();
             }
         }, [] { return mainMenu().entryButtons[MainMenu::ExitEntry]; }, "TitleScreen", 1, 1},
        {"ScienceHub", [] { hub(MainMenu::ScienceEntry); }, [] { return scienceHub().entryButtons[Hub::ExitEntry]; }, "MainMenu", 1, 1},
        {"BeginningHub", [] { hub(MainMenu::BeginningEntry); }, [] { return beginningHub().entryButtons[Hub::ExitEntry]; }, "MainMenu", 1, 1},
        {"QuizScreen", [] { click(hub(MainMenu::ScienceEntry).entryButtons[Hub::QuizEntry]); }, [] { return quizScreen().entryButtons[QuizScreen::ExitEntry]; }, "ScienceHub", 2, 1},
        {"ResultsScreen", [] { quizWithWrong({3}); }, [] { return resultsScreen().entryButtons[ResultsScreen::ExitEntry]; }, "ScienceHub", 12, 1},
        {"WrongAnswers", [] { quizWithWrong({3}); click(resultsScreen().entryButtons[ResultsScreen::CertificateOrWrongAnswersEntry]); }, [] { return wrongAnswers().exitButton; },
         "ScienceHub", 13, 0},
        {"ScienceLabelling", [] { click(hub(MainMenu::ScienceEntry).entryButtons[Hub::LabellingEntry]); }, [] { return scienceLabelling().entryButtons[Activity::ExitEntry]; }, "ScienceHub", 2, 1},
        {"ScienceOrdering", [] { click(hub(MainMenu::ScienceEntry).entryButtons[Hub::OrderingEntry]); }, [] { return scienceOrdering().entryButtons[Activity::ExitEntry]; }, "ScienceHub", 2, 1},
        {"BeginningLabelling", [] { click(hub(MainMenu::BeginningEntry).entryButtons[Hub::LabellingEntry]); }, [] { return beginningLabelling().entryButtons[Activity::ExitEntry]; }, "BeginningHub", 2, 1},
        {"BeginningOrdering", [] { click(hub(MainMenu::BeginningEntry).entryButtons[Hub::OrderingEntry]); }, [] { return beginningOrdering().entryButtons[Activity::ExitEntry]; }, "BeginningHub", 2, 1},
        {"NotesPager", [] { click(hub(MainMenu::ScienceEntry).entryButtons[Hub::KeyFactsEntry]); }, [] { return notesPager().entryButtons[Exit]; }, "ScienceHub", 2, 0},
        {"GuidePager", [] { click(menu().entryButtons[MainMenu::GuideEntry]); }, [] { return guidePager().entryButtons[Exit]; }, "MainMenu", 1, 0},
        {"WorksheetWizard", [] { click(menu().entryButtons[MainMenu::WizardEntry]); }, [] { return worksheetWizard().entryButtons[WorksheetWizard::ExitEntry]; }, "MainMenu", 1, 1},
        {"WorksheetCatalogue", [] { catalogue(30); }, [] { return worksheetCatalogue().titleButtons[0]; }, "MainMenu", 1, 1},
        {"QuizScreen", [] { catalogue(2); click(worksheetCatalogue().titleButtons[2]); }, [] { return quizScreen().entryButtons[QuizScreen::ExitEntry]; },
         "WorksheetCatalogue", 2, 1},
        {"WorksheetWizard", [] { catalogue(2); tick(worksheetCatalogue().editModeTick); click(worksheetCatalogue().titleButtons[1]); },
         [] { return worksheetWizard().entryButtons[WorksheetWizard::ExitEntry]; }, "WorksheetCatalogue", 2, 1},
    };
    return list;
}
// clang-format on

// Opens a screen, gives its lighting buttons, three of which are hovered,
// and a bare spot. One row per way lights are made: a screen's button table,
// the menu's entries, the catalogue's titles.
struct HoverCase {
    const char *name;
    std::function<ControlArray<Label> &()> open;
    int first, second, third;
    QPoint bare;
};

// clang-format off
const std::vector<HoverCase> &hoverCases()
{
    static const std::vector<HoverCase> cases = {
        {"ScienceHub", []() -> auto & { return hub(MainMenu::ScienceEntry).entryButtons; }, Hub::QuizEntry, Hub::ExitEntry, Hub::KeyFactsEntry, {788, 300}},
        {"MainMenu", []() -> auto & { return menu().entryButtons; }, MainMenu::WizardEntry, MainMenu::ScienceEntry, MainMenu::GuideEntry, {300, 120}},
        {"WorksheetCatalogue", []() -> auto & { catalogue(30); return worksheetCatalogue().titleButtons; }, 7, 0, 24, {60, 80}},
        // bare: between answers A and B, inside the group that holds them
        {"QuizScreen", []() -> auto & { return openRocksQuiz()->entryButtons; }, QuizScreen::NextEntry, QuizScreen::ExitEntry, QuizScreen::PrintEntry, {300, 397}},
    };
    return cases;
}
// clang-format on

// What a user can see or find on disk after an action.
QString observable()
{
    Form *top = topForm();
    return QStringList{top ? top->FormName() : QStringLiteral("none"),
                       QStringLiteral("page %1").arg(session().pager.pageNumber), shownPrompts().join(QLatin1Char('|')),
                       playedPaths().join(QLatin1Char('|'))}
        .join(QLatin1Char(';'));
}

// A button and a caption tile (which drags) to double-click, and what else to
// look at. Tick boxes and buttons take the same single-click filter.
struct DoubleClickCase {
    const char *name;
    std::function<QWidget *()> open;
    std::function<QString()> extra;
};

// clang-format off
const std::vector<DoubleClickCase> &doubleClickCases()
{
    static const std::vector<DoubleClickCase> cases = {
        {"a menu entry", [] { return menu().entryButtons[MainMenu::GuideEntry]; }, {}},
        {"a caption tile", [] { return openActivity(QStringLiteral("ScienceOrdering")).captions[1]; },
         [] { return QDebug::toString(activityNamed(QStringLiteral("ScienceOrdering")).captions[1]->geometry()); }},
    };
    return cases;
}
// clang-format on

// A row named after each case, giving its index.
template <class Case> void addRowPerCase(const std::vector<Case> &cases)
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < cases.size(); ++i)
        QTest::newRow(cases[i].name) << int(i);
}

// What a screen reader finds under a node: every control shown, depth first,
// as "role: name".
QStringList readOut(QAccessibleInterface *node)
{
    static const QMap<QAccessible::Role, QString> roles = {
        {QAccessible::Button, "button"},         {QAccessible::RadioButton, "radio"}, {QAccessible::CheckBox, "tick"},
        {QAccessible::EditableText, "text box"}, {QAccessible::Graphic, "picture"},   {QAccessible::Grouping, "group"}};
    QStringList lines;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface *child = node->child(i); !child->state().invisible)
            lines << roles.value(child->role(), "other") + ": " + child->text(QAccessible::Name) << readOut(child);
    }
    return lines;
}

// A screen opened as the user opens it, and what a screen reader must find
// there, in that order.
struct ReadingCase {
    const char *name;
    std::function<QStringList()> openAndExpect;
};

// clang-format off
const std::vector<ReadingCase> &readingCases()
{
    static const std::vector<ReadingCase> cases = {
        {"wizard", [] {
             click(menu().entryButtons[MainMenu::WizardEntry]);
             QStringList lines{"text box: Worksheet Title"};
             for (int q = 1; q <= 10; ++q) {
                 lines << QStringLiteral("text box: Question %1").arg(q);
                 for (const char *letter : {"A.", "B.", "C.", "D."})
                     lines << QStringLiteral("tick: Question %1, %2").arg(q).arg(letter) << QStringLiteral("text box: Question %1, %2").arg(q).arg(letter);
             }
             return lines; }},
        {"results, full marks", [] {
             quizWithWrong({});
             if (!QTest::qWaitFor([] { return !resultsScreen().picture->picture().isNull(); }))
                 return QStringList{"the picture, which never came"};
             return QStringList{"text box: Enter your name in the box above before printing your certificate"}; }},
    };
    return cases;
}
// clang-format on

int clicksHeard()
{
    return int(playedPaths().count(QStringLiteral("wav\\click.wav")));
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        freshStart();
        QVERIFY(resetWorksheetFolder(fixture().data));
        soundOff = false;
    }

    void opensAndExits_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("escape"); // Escape instead of a click on Exit
        for (std::size_t i = 0; i < screens().size(); ++i) {
            const Screen &s = screens()[i];
            const QString name = QStringLiteral("%1 over %2").arg(QLatin1String(s.name), QLatin1String(s.uncovers));
            QTest::newRow(qPrintable(name)) << int(i) << true << false;
            QTest::newRow(qPrintable(name + QStringLiteral(", sound off"))) << int(i) << false << false;
            QTest::newRow(qPrintable(name + QStringLiteral(", by Escape"))) << int(i) << true << true;
        }
    }

    void opensAndExits()
    {
        QFETCH(int, row);
        QFETCH(bool, sound);
        QFETCH(bool, escape);
        const Screen &s = screens()[std::size_t(row)];
        soundOff = !sound;
        session().soundOn = sound;
        s.open();
        settle();
        QVERIFY(topForm());
        QCOMPARE(topForm()->FormName(), QLatin1String(s.name));
        QCOMPARE(clicksHeard(), sound ? s.clicksToOpen : 0);
        if (escape)
            pressKey(Qt::Key_Escape);
        else
            click(s.exit());
        settle();
        QVERIFY(topForm());
        QCOMPARE(topForm()->FormName(), QLatin1String(s.uncovers));
        QCOMPARE(clicksHeard(), sound ? s.clicksToOpen + s.clicksToExit : 0);
        QVERIFY(shownPrompts().isEmpty());
    }

    void hoverLightsOnlyTheButtonUnderThePointer_data() { addRowPerCase(hoverCases()); }

    // The bare screen puts every light out; a button lights under the pointer
    // and stays lit over other controls until the bare screen is crossed.
    void hoverLightsOnlyTheButtonUnderThePointer()
    {
        QFETCH(int, row);
        const HoverCase &c = hoverCases()[std::size_t(row)];
        ControlArray<Label> &array = c.open();
        settle();
        const QList<Label *> buttons = {array[c.first], array[c.second], array[c.third]};
        auto lit = [&buttons] {
            QList<bool> on;
            for (Label *b : buttons)
                on << (b->BackStyle() == vbOpaque);
            return on;
        };
        hover(topForm()->client(), c.bare);
        QCOMPARE(lit(), QList<bool>({false, false, false}));
        hover(buttons[0]);
        QCOMPARE(lit(), QList<bool>({true, false, false}));
        hover(buttons[2]);
        QCOMPARE(lit(), QList<bool>({true, false, true}));
        hover(topForm()->client(), c.bare);
        QCOMPARE(lit(), QList<bool>({false, false, false}));
    }

    void pagesTurn_data()
    {
        QTest::addColumn<int>("menuEntry");
        QTest::addColumn<int>("hubEntry"); // -1: the pager opens from the menu
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("key facts, rocks") << 10 << 4 << QStringList{"key sciencea", "key scienceb"};
        QTest::newRow("notes, rocks") << 10 << 5 << QStringList{"sciencea"};
        QTest::newRow("key facts, the Earth") << 15 << 4 << QStringList{"key beginninga", "key beginningb"};
        QTest::newRow("notes, the Earth") << 15 << 5 << QStringList{"beginninga", "beginningb"};
        QTest::newRow("teachers' guide") << 20 << -1 << QStringList{"guide1", "guide2", "guide3", "guide4", "guide5"};
        QTest::newRow("acknowledgments") << 19 << -1 << QStringList{"acknowledgments"};
    }

    // Next and Previous turn through the set, the counter follows, the ends
    // disable their entry, and the print copy goes with the shown page.
    void pagesTurn()
    {
        QFETCH(int, menuEntry);
        QFETCH(int, hubEntry);
        QFETCH(QStringList, pages);
        if (hubEntry < 0)
            click(menu().entryButtons[menuEntry]);
        else
            click(hub(menuEntry).entryButtons[hubEntry]);
        auto *pager = qobject_cast<Pager *>(topForm());
        QVERIFY(pager);
        const int n = int(pages.size());
        QCOMPARE(pager->pageCounterLine->isVisible(), n > 1);
        QCOMPARE(pager->entryButtons[Next]->isVisible(), n > 1);
        const QString order = QString(n - 1, QLatin1Char('N')) + QString(n - 1, QLatin1Char('P'));
        for (int step = 0; step <= order.size(); ++step) {
            const int page = step < n ? step + 1 : 2 * n - 1 - step;
            if (n > 1)
                verifyEntries(*pager, QStringLiteral("Page %1 of %2").arg(page).arg(n), page > 1, page < n);
            verifyPage(*pager, "wmf\\" + pages[page - 1] + ".wmf", "wmf2\\" + pages[page - 1] + ".wmf");
            if (step < order.size())
                clickEntries(*pager, order.mid(step, 1));
        }
        // Disabled entries do nothing.
        clickEntries(*pager, QStringLiteral("P"));
        QCOMPARE(session().pager.pageNumber, 1);
    }

    void aDoubleClickActsAsOneClick_data() { addRowPerCase(doubleClickCases()); }

    // Whatever one click does, a double click does, and no more.
    void aDoubleClickActsAsOneClick()
    {
        QFETCH(int, row);
        const DoubleClickCase &c = doubleClickCases()[std::size_t(row)];
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

    void everyShippedPictureIsDescribed()
    {
        const QDir folder(resourcesFolder());
        QDirIterator it(folder.path(), {"*.jpg", "*.gif", "*.bmp", "*.wmf"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = folder.relativeFilePath(it.next()).replace(QLatin1Char('/'), QLatin1Char('\\'));
            QVERIFY2(!pictureDescription(path).isEmpty(), qPrintable(path));
        }
    }

    void screenReadersFindEveryControl_data() { addRowPerCase(readingCases()); }

    // What the screen reader must find is there, in order, and nothing shown
    // but plain text goes unnamed.
    void screenReadersFindEveryControl()
    {
        QFETCH(int, row);
        const QStringList expected = readingCases()[std::size_t(row)].openAndExpect();
        settle();
        const QStringList lines = readOut(QAccessible::queryAccessibleInterface(topForm()));
        qsizetype at = 0;
        for (const QString &line : expected)
            QVERIFY2((at = lines.indexOf(line, at)) >= 0, qPrintable(line + " not found in order"));
        for (const QString &line : lines)
            QVERIFY2(line.startsWith("other") || !line.endsWith(": "), qPrintable(line + " has no name"));
    }
};

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
