#pragma once

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QWidget;

namespace terralore {

class FocusMark;
class Form;

// Plays the stage by keyboard: Tab and Shift+Tab walk the top screen's
// controls, the arrow keys move within a group of buttons, Escape does what
// the screen's Exit or Cancel does, F9 reads the top screen aloud. A screen may take a key first (the
// activities carry captions with them). The first key shows the focus mark;
// a mouse press hides it again, so pointer users never see it.
class KeyboardNavigation : public QObject {
public:
    explicit KeyboardNavigation(QWidget *stage);

    // Whether the keyboard has been used since the last mouse press.
    static bool inUse();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool onKey(QKeyEvent &key);
    void setInUse(bool inUse);
    void markFocus();

    QWidget *m_stage;
    // The mark lives on the screen of the control it outlines and goes with it.
    QPointer<FocusMark> m_mark;
};

// Moves the focus from a button to the nearest enabled button of its group
// (same name, same parent) in an arrow's direction. Option buttons step
// through their group in reading order and are chosen as they are reached.
// False when there is nowhere to go.
bool moveWithinGroup(QWidget *focused, int key);

} // namespace terralore
