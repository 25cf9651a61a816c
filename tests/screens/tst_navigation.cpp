// Every screen as its user reaches it: what opens it, what its Exit
// uncovers, the click sounds on the way (none with the sound off), the hover
// light of its buttons, the pages of the pagers, screens centred on a stage
// of any size, and a double click taken as one click.
#include "ActivityTest.h"
#include "AuthoringTest.h"
#include "PagerTesting.h"
#include "QuizDriver.h"

#include "BeginningHub.h"
#include "QuizScreen.h"
#include "ScienceHub.h"
#include "TitleScreen.h"

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
    std::function<QList<Label *>()> buttons; // with a hover light; the first is hovered
    QPoint bare;                             // a spot clear of every control
};

QList<Label *> all(ControlArray<Label> &labels)
{
    QList<Label *> list;
    labels.forEach([&list](int, Label *l) { list << l; });
    return list;
}

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
         }, [] { return mainMenu().entryButtons[MainMenu::ExitEntry]; }, "TitleScreen", 1, 1,
         [] { return QList<Label *>{mainMenu().entryButtons[MainMenu::WizardEntry], mainMenu().entryButtons[MainMenu::ScienceEntry]}; }, {300, 120}},
        {"ScienceHub", [] { hub(MainMenu::ScienceEntry); }, [] { return scienceHub().entryButtons[Hub::ExitEntry]; }, "MainMenu", 1, 1,
         [] { return all(scienceHub().entryButtons); }, {788, 300}},
        {"BeginningHub", [] { hub(MainMenu::BeginningEntry); }, [] { return beginningHub().entryButtons[Hub::ExitEntry]; }, "MainMenu", 1, 1,
         [] { return all(beginningHub().entryButtons); }, {788, 300}},
        {"QuizScreen", [] { click(hub(MainMenu::ScienceEntry).entryButtons[Hub::QuizEntry]); }, [] { return quizScreen().entryButtons[QuizScreen::ExitEntry]; }, "ScienceHub", 2, 1,
         [] { return QList<Label *>{quizScreen().entryButtons[QuizScreen::ExitEntry], quizScreen().entryButtons[QuizScreen::NextEntry], quizScreen().entryButtons[QuizScreen::PrintEntry]}; }, {40, 300}},
        {"ResultsScreen", [] { quizWithWrong({3}); }, [] { return resultsScreen().entryButtons[ResultsScreen::ExitEntry]; }, "ScienceHub", 12, 1,
         [] { return all(resultsScreen().entryButtons); }, {40, 450}},
        {"WrongAnswers", [] { quizWithWrong({3}); click(resultsScreen().entryButtons[ResultsScreen::CertificateOrWrongAnswersEntry]); }, [] { return wrongAnswers().exitButton; },
         "ScienceHub", 13, 0, {}, {}},
        {"ScienceLabelling", [] { click(hub(MainMenu::ScienceEntry).entryButtons[Hub::LabellingEntry]); }, [] { return scienceLabelling().entryButtons[Activity::ExitEntry]; }, "ScienceHub", 2, 1, {}, {}},
        {"ScienceOrdering", [] { click(hub(MainMenu::ScienceEntry).entryButtons[Hub::OrderingEntry]); }, [] { return scienceOrdering().entryButtons[Activity::ExitEntry]; }, "ScienceHub", 2, 1,
         [] { return QList<Label *>{scienceOrdering().entryButtons[Activity::StartAgainEntry], scienceOrdering().entryButtons[Activity::ExitEntry]}; }, {600, 30}},
        {"BeginningLabelling", [] { click(hub(MainMenu::BeginningEntry).entryButtons[Hub::LabellingEntry]); }, [] { return beginningLabelling().entryButtons[Activity::ExitEntry]; }, "BeginningHub", 2, 1,
         {}, {}},
        {"BeginningOrdering", [] { click(hub(MainMenu::BeginningEntry).entryButtons[Hub::OrderingEntry]); }, [] { return beginningOrdering().entryButtons[Activity::ExitEntry]; }, "BeginningHub", 2, 1,
         [] { return QList<Label *>{beginningOrdering().entryButtons[Activity::StartAgainEntry], beginningOrdering().entryButtons[Activity::ExitEntry]}; }, {600, 30}},
        {"NotesPager", [] { click(hub(MainMenu::ScienceEntry).entryButtons[Hub::KeyFactsEntry]); }, [] { return notesPager().entryButtons[Exit]; }, "ScienceHub", 2, 0, {}, {}},
        {"GuidePager", [] { click(menu().entryButtons[MainMenu::GuideEntry]); }, [] { return guidePager().entryButtons[Exit]; }, "MainMenu", 1, 0, {}, {}},
        {"WorksheetWizard", [] { click(menu().entryButtons[MainMenu::WizardEntry]); }, [] { return worksheetWizard().entryButtons[WorksheetWizard::ExitEntry]; }, "MainMenu", 1, 1,
         [] { return all(worksheetWizard().entryButtons); }, {310, 20}},
        {"WorksheetCatalogue", [] { catalogue(30); }, [] { return worksheetCatalogue().titleButtons[0]; }, "MainMenu", 1, 1,
         [] { return QList<Label *>{worksheetCatalogue().titleButtons[7], worksheetCatalogue().titleButtons[0], worksheetCatalogue().titleButtons[24]}; },
         {60, 80}},
        {"QuizScreen", [] { catalogue(2); click(worksheetCatalogue().titleButtons[2]); }, [] { return quizScreen().entryButtons[QuizScreen::ExitEntry]; },
         "WorksheetCatalogue", 2, 1, {}, {}},
        {"WorksheetWizard", [] { catalogue(2); tick(worksheetCatalogue().editModeTick); click(worksheetCatalogue().titleButtons[1]); },
         [] { return worksheetWizard().entryButtons[WorksheetWizard::ExitEntry]; }, "WorksheetCatalogue", 2, 1, {}, {}},
    };
    return list;
}
// clang-format on

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
             return mainMenu().entryButtons[MainMenu::GuideEntry];
         },
         {}},
        {"Next Question",
         [] {
             scienceHub().Show();
             click(scienceHub().entryButtons[Hub::QuizEntry]);
             click(quizScreen().answerButtons[1], QPoint(8, quizScreen().answerButtons[1]->height() / 2));
             return quizScreen().entryButtons[QuizScreen::NextEntry];
         },
         {}},
        {"Save Worksheet",
         [] {
             worksheetWizard().Show();
             return worksheetWizard().entryButtons[WorksheetWizard::SaveEntry];
         },
         {}},
        {"a tick box",
         [] {
             worksheetWizard().Show();
             return worksheetWizard().answerTicks[5];
         },
         [] { return QString::number(worksheetWizard().answerTicks[5]->Value()); }},
        {"a caption tile", [] { return openActivity(QStringLiteral("ScienceOrdering")).captions[1]; },
         [] { return describe(activityNamed(QStringLiteral("ScienceOrdering")).captions[1]); }},
    };
    return cases;
}

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
        QVERIFY(restoreShippedQuizzes(fixture().data));
        soundOff = false;
        Stage::instance().resize(1024, 768);
    }

    void opensAndExits_data();
    void opensAndExits();
    void hoverLightsOnlyTheButtonUnderThePointer_data() { opensAndExits_data(); }
    void hoverLightsOnlyTheButtonUnderThePointer();
    void pagesTurn_data();
    void pagesTurn();
    void screensStayCentredOnAnyStage_data();
    void screensStayCentredOnAnyStage();
    void aDoubleClickActsAsOneClick_data();
    void aDoubleClickActsAsOneClick();
};

void NavigationTest::opensAndExits_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("sound");
    for (std::size_t i = 0; i < screens().size(); ++i) {
        const Screen &s = screens()[i];
        const QString name = QStringLiteral("%1 over %2").arg(QLatin1String(s.name), QLatin1String(s.uncovers));
        QTest::newRow(qPrintable(name)) << int(i) << true;
        QTest::newRow(qPrintable(name + QStringLiteral(", sound off"))) << int(i) << false;
    }
}

void NavigationTest::opensAndExits()
{
    QFETCH(int, row);
    QFETCH(bool, sound);
    const Screen &s = screens()[std::size_t(row)];
    soundOff = !sound;
    session().soundOn = sound;
    s.open();
    settle();
    QVERIFY(topForm());
    QCOMPARE(topForm()->FormName(), QLatin1String(s.name));
    QCOMPARE(clicksHeard(), sound ? s.clicksToOpen : 0);
    click(s.exit());
    settle();
    QVERIFY(topForm());
    QCOMPARE(topForm()->FormName(), QLatin1String(s.uncovers));
    QCOMPARE(clicksHeard(), sound ? s.clicksToOpen + s.clicksToExit : 0);
    QVERIFY(shownPrompts().isEmpty());
}

// The bare screen puts every light out; a button lights under the pointer
// and stays lit over other controls until the bare screen is crossed.
void NavigationTest::hoverLightsOnlyTheButtonUnderThePointer()
{
    QFETCH(int, row);
    QFETCH(bool, sound);
    const Screen &s = screens()[std::size_t(row)];
    if (!s.buttons || !sound)
        QSKIP("no hover light, or a repeat of another row");
    s.open();
    settle();
    // The results bring their picture a moment after they open.
    QTRY_VERIFY(!resultsScreenIfLoaded() ||
                !(resultsScreen().pictureTimer->Enabled() || resultsScreen().focusTimer->Enabled() ||
                  resultsScreen().celebrationTimer->Enabled()));
    const QList<Label *> buttons = s.buttons();
    auto lit = [&buttons] {
        QList<bool> on;
        for (Label *b : buttons)
            on << (b->BackStyle() == vbOpaque);
        return on;
    };
    const QList<bool> none(buttons.size(), false);
    QList<bool> first = none;
    first[0] = true;
    hover(topForm()->client(), s.bare);
    QCOMPARE(lit(), none);
    hover(buttons[0]);
    QCOMPARE(lit(), first);
    if (buttons.size() > 2) {
        hover(buttons[2]);
        first[2] = true;
        QCOMPARE(lit(), first);
    }
    hover(topForm()->client(), s.bare);
    QCOMPARE(lit(), none);
}

void NavigationTest::pagesTurn_data()
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
void NavigationTest::pagesTurn()
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

void NavigationTest::screensStayCentredOnAnyStage_data()
{
    QTest::addColumn<QSize>("first");
    QTest::addColumn<QSize>("then");
    QTest::newRow("laptop, then a projector") << QSize(1366, 768) << QSize(1920, 1080);
    QTest::newRow("portrait") << QSize(1080, 1920) << QSize(900, 1600);
}

void NavigationTest::screensStayCentredOnAnyStage()
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

void NavigationTest::aDoubleClickActsAsOneClick_data()
{
    QTest::addColumn<int>("which");
    for (std::size_t i = 0; i < doubleClickCases().size(); ++i)
        QTest::newRow(doubleClickCases()[i].name) << int(i);
}

// Whatever one click does, a double click does, and no more.
void NavigationTest::aDoubleClickActsAsOneClick()
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

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
