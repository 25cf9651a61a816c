#pragma once

// Every screen of the program opened as a user opens it, by a click on the
// screen beneath, and closed by its own "Exit" (or "Cancel"). The timing
// and memory benchmarks share this tour.

#include "BenchUtil.h"
#include "Buttons.h"
#include "Label.h"
#include "MainMenu.h"
#include "QuizScreen.h"
#include "ResultsScreen.h"
#include "ScienceHub.h"
#include "Stage.h"
#include "TitleScreen.h"

#include <QCoreApplication>
#include <QTest>

#include <functional>
#include <vector>

namespace bench {

inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

inline void press(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

// The visible label or button with this caption on the top screen.
inline QWidget *captioned(const QString &caption)
{
    terralore::Form *form = topScreen();
    if (!form)
        return nullptr;
    for (QWidget *w : form->client()->findChildren<QWidget *>()) {
        auto *label = qobject_cast<terralore::Label *>(w);
        auto *button = qobject_cast<terralore::CommandButton *>(w);
        if (w->isVisible() && ((label && label->Caption() == caption) || (button && button->Caption() == caption)))
            return w;
    }
    return nullptr;
}

inline void pressCaptioned(const QString &caption)
{
    if (QWidget *w = captioned(caption))
        press(w);
    settle();
}

// One screen: how to reach the screen beneath it, the click that opens it,
// and how to leave it again for the main menu.
struct TourStop {
    const char *screen;
    std::function<void()> before;
    std::function<void()> open;
    std::function<void()> after;
};

inline void toMenu()
{
    terralore::Stage::instance().startFreshSession();
    settle();
    mainMenu().Show();
    settle();
}

inline void leave()
{
    pressCaptioned(QStringLiteral("Exit"));
}

inline void answerNine()
{
    for (int q = 1; q <= 9; ++q)
        press(quizScreen().entryButtons[QuizScreen::NextEntry]);
    settle();
}

inline std::vector<TourStop> screenTour()
{
    auto menuEntry = [](int index) { return [index] { press(mainMenu().entryButtons[index]); }; };
    auto hubEntry = [](int index) { return [index] { press(scienceHub().entryButtons[index]); }; };
    auto openScience = [] {
        press(mainMenu().entryButtons[MainMenu::ScienceEntry]);
        settle();
    };
    return {
        {"TitleScreen (start)",
         [] {
             terralore::Stage::instance().unloadAll();
             settle();
         },
         [] { titleScreen().Show(); }, [] { pressCaptioned(QStringLiteral("OK")); }},
        {"MainMenu (OK on the title)",
         [] {
             terralore::Stage::instance().unloadAll();
             settle();
             titleScreen().Show();
             settle();
         },
         [] { press(titleScreen().okButton); }, [] {}},
        {"TitleScreen (menu Exit)", toMenu, menuEntry(16), [] { pressCaptioned(QStringLiteral("Cancel")); }},
        {"ScienceHub", toMenu, menuEntry(10), leave},
        {"BeginningHub", toMenu, menuEntry(15), leave},
        {"QuizScreen",
         [=] {
             toMenu();
             openScience();
         },
         hubEntry(0), leave},
        {"ResultsScreen",
         [=] {
             toMenu();
             openScience();
             press(scienceHub().entryButtons[Hub::QuizEntry]);
             answerNine();
         },
         [] { press(quizScreen().entryButtons[QuizScreen::NextEntry]); }, leave},
        {"WrongAnswers",
         [=] {
             toMenu();
             openScience();
             press(scienceHub().entryButtons[Hub::QuizEntry]);
             answerNine();
             press(quizScreen().entryButtons[QuizScreen::NextEntry]);
             settle();
         },
         [] { press(resultsScreen().entryButtons[ResultsScreen::CertificateOrWrongAnswersEntry]); }, leave},
        {"ScienceLabelling",
         [=] {
             toMenu();
             openScience();
         },
         hubEntry(1), leave},
        {"ScienceOrdering",
         [=] {
             toMenu();
             openScience();
         },
         hubEntry(3), leave},
        {"BeginningLabelling",
         [] {
             toMenu();
             press(mainMenu().entryButtons[MainMenu::BeginningEntry]);
             settle();
         },
         [] { pressCaptioned(QStringLiteral("Labelling Activity")); }, leave},
        {"BeginningOrdering",
         [] {
             toMenu();
             press(mainMenu().entryButtons[MainMenu::BeginningEntry]);
             settle();
         },
         [] { pressCaptioned(QStringLiteral("Ordering Activity")); }, leave},
        {"NotesPager (key facts)",
         [=] {
             toMenu();
             openScience();
         },
         hubEntry(4), leave},
        {"NotesPager (acknowledgments)", toMenu, menuEntry(19), leave},
        {"GuidePager", toMenu, menuEntry(20), leave},
        {"WorksheetWizard", toMenu, menuEntry(17), leave},
        {"WorksheetCatalogue", toMenu, menuEntry(18), leave},
    };
}

} // namespace bench
