#include "KeyboardNavigation.h"

#include "Buttons.h"
#include "FocusMark.h"
#include "Form.h"
#include "Label.h"
#include "Stage.h"

#include <QApplication>
#include <QKeyEvent>

#include <limits>

namespace terralore {

namespace {

bool g_inUse = false;

QPoint centreOf(const QWidget *w)
{
    return w->geometry().center();
}

// Buttons that arrows move between: the focused one's siblings of the same
// kind (and, but for option buttons, which group by their container, the
// same name) that can take the focus now.
QList<QWidget *> groupOf(QWidget *focused)
{
    QList<QWidget *> group;
    const auto *control = dynamic_cast<Control *>(focused);
    if (!control || !control->form() || !focused->parentWidget())
        return group;
    const QList<QWidget *> reachable = control->form()->tabOrder();
    for (QObject *child : focused->parentWidget()->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        const auto *other = dynamic_cast<Control *>(w);
        if (!other || w->metaObject() != focused->metaObject())
            continue;
        if (other->Name() != control->Name() && !qobject_cast<OptionButton *>(w))
            continue;
        if (w == focused || (w->isVisible() && w->isEnabled() && reachable.contains(w)))
            group.append(w);
    }
    return group;
}

// The nearest member lying in the arrow's direction, favouring those in line.
QWidget *nearestInDirection(const QList<QWidget *> &group, QWidget *from, int key)
{
    const QPoint a = centreOf(from);
    QWidget *best = nullptr;
    long bestScore = std::numeric_limits<long>::max();
    for (QWidget *w : group) {
        const QPoint d = centreOf(w) - a;
        long along = 0, across = 0;
        switch (key) {
        case Qt::Key_Left:
            along = -d.x(), across = d.y();
            break;
        case Qt::Key_Right:
            along = d.x(), across = d.y();
            break;
        case Qt::Key_Up:
            along = -d.y(), across = d.x();
            break;
        default:
            along = d.y(), across = d.x();
            break;
        }
        if (w == from || along <= 0)
            continue;
        const long score = along + 3 * std::abs(across);
        if (score < bestScore) {
            bestScore = score;
            best = w;
        }
    }
    return best;
}

} // namespace

bool moveWithinGroup(QWidget *focused, int key)
{
    QList<QWidget *> group = groupOf(focused);
    if (group.size() < 2)
        return false;
    if (auto *option = qobject_cast<OptionButton *>(focused)) {
        // A radio group is a ring: Down and Right choose the next option.
        group = readingOrder(group);
        const qsizetype at = group.indexOf(option);
        const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
        auto *next = static_cast<OptionButton *>(group[(at + (forward ? 1 : group.size() - 1)) % group.size()]);
        next->setFocus(Qt::TabFocusReason);
        next->click();
        return true;
    }
    QWidget *next = nearestInDirection(group, focused, key);
    if (!next)
        return false;
    next->setFocus(Qt::TabFocusReason);
    return true;
}

KeyboardNavigation::KeyboardNavigation(QWidget *stage) : QObject(stage), m_stage(stage)
{
    connect(qApp, &QApplication::focusChanged, this, [this] { markFocus(); });
}

bool KeyboardNavigation::inUse()
{
    return g_inUse;
}

void KeyboardNavigation::setInUse(bool inUse)
{
    if (inUse == g_inUse)
        return;
    g_inUse = inUse;
    markFocus();
}

void KeyboardNavigation::markFocus()
{
    QWidget *focused = QApplication::focusWidget();
    const bool onStage = focused && focused->window() == m_stage && dynamic_cast<Control *>(focused);
    if (!m_mark && !(g_inUse && onStage))
        return;
    if (!m_mark)
        m_mark = new FocusMark;
    m_mark->follow(onStage ? focused : nullptr);
    m_mark->setEnabledMark(g_inUse);
}

bool KeyboardNavigation::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        setInUse(false);
        break;
    case QEvent::KeyPress: {
        // A key reaches the focus widget first, then its parents: act once,
        // and never on a message box or file dialog over the stage.
        auto *target = qobject_cast<QWidget *>(watched);
        if (!target || target->window() != m_stage || QApplication::activeModalWidget())
            break;
        if (QApplication::focusWidget() && target != QApplication::focusWidget())
            break;
        setInUse(true);
        return onKey(*static_cast<QKeyEvent *>(event));
    }
    default:
        break;
    }
    return false;
}

bool KeyboardNavigation::onKey(QKeyEvent &key)
{
    Form *top = Stage::instance().topForm();
    if (!top)
        return false;
    if (key.key() == Qt::Key_F9) {
        // The top screen read aloud once, whether or not its toggle is on;
        // a held key reads once.
        if (!key.isAutoRepeat())
            top->readAloud();
        return true;
    }
    QWidget *focused = QApplication::focusWidget();
    if (!focused || !top->isAncestorOf(focused)) {
        // The screen that had the focus has gone: the first key brings the
        // keyboard to the top one.
        top->focusFirstControl();
        return true;
    }
    if (top->handleKey(key))
        return true;
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (key.key()) {
    case Qt::Key_Escape:
        top->pressEscape();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        top->moveFocus(key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier));
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        // Text boxes keep their arrows for the caret.
        if (!qobject_cast<Label *>(focused) && !qobject_cast<OptionButton *>(focused))
            return false;
        moveWithinGroup(focused, key.key());
        return true;
    default:
        return false;
    }
}

} // namespace terralore
