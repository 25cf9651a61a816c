#pragma once

// What every screen test shares: a fresh program state, a private data
// folder, recorded messages and sounds, and user input offscreen.

#include "Control.h"
#include "FakeServices.h"
#include "Form.h"
#include "MainMenu.h"
#include "Stage.h"
#include "TestData.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QWidget>

namespace terralore::test {

inline FakeServices &fakeServices()
{
    return static_cast<FakeServices &>(Stage::instance().services());
}

inline Session &session()
{
    return Stage::instance().session();
}

class ScreenFixture {
public:
    ScreenFixture()
    {
        Stage &stage = Stage::instance();
        stage.resize(1024, 768);
        stage.show();
        if (!QTest::qWaitForWindowExposed(&stage))
            qWarning("the stage was not exposed");
        FakeServices::install();
        stage.setHomeScreen([] { mainMenu().Show(); });
    }

    // Back to a fresh start: no screen loaded, a fresh session, nothing
    // heard or shown yet.
    void reset()
    {
        Stage::instance().startFreshSession();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        fakeServices().clear();
        // Park the pointer, so a test's first move is a real move.
        QTest::mouseMove(&Stage::instance(), QPoint(1, 1));
    }

    TestData data;
};

// One fixture for the whole test program, made at the first test.
inline ScreenFixture &fixture()
{
    static ScreenFixture fx;
    return fx;
}

// Each test starts afresh with sound on, as the menu leaves it.
inline void freshStart()
{
    fixture().reset();
    session().soundOn = true;
}

// Finishes deferred unloads and pending timers' zero-time work.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// A left click as the user makes it: press and release on the widget.
inline void click(QWidget *w, QPoint at = QPoint(-1, -1))
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at.x() < 0 ? w->rect().center() : at);
}

// The pointer moving over a widget with no button held.
inline void hover(QWidget *w, QPoint at = QPoint(-1, -1))
{
    QTest::mouseMove(w, at.x() < 0 ? w->rect().center() : at);
}

// A key pressed and released, as the keyboard sends it to the focus.
inline void pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &Stage::instance(), Qt::Key(key), modifiers);
    settle();
}

inline QStringList playedPaths()
{
    return fakeServices().effects;
}

inline QStringList shownPrompts()
{
    return fakeServices().messages;
}

// The topmost visible form on the stage.
inline Form *topForm()
{
    return Stage::instance().topForm();
}

} // namespace terralore::test
