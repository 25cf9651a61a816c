#include "SingleClicks.h"

#include <QAbstractSpinBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTextEdit>
#include <QWidget>

namespace terralore {

SingleClicks::SingleClicks(QWidget *window) : QObject(window), m_window(window)
{}

bool SingleClicks::covers(QObject *watched) const
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || (widget != m_window && !m_window->isAncestorOf(widget)))
        return false;
    return !qobject_cast<QLineEdit *>(widget) && !qobject_cast<QTextEdit *>(widget) &&
           !qobject_cast<QAbstractSpinBox *>(widget);
}

// The same test the toolkit makes before it reports a double click, so it
// holds whether the second press arrives before the double-click event or
// in its place.
bool SingleClicks::isSecondPress(const QMouseEvent &press)
{
    const QStyleHints *hints = QGuiApplication::styleHints();
    const QPointF at = press.globalPosition();
    // A press a child ignored travels on to its parent: judge it once.
    if (press.timestamp() == m_lastPressTime && at == m_lastPressAt)
        return m_lastWasSecond;
    const bool second = press.button() == m_lastButton &&
                        press.timestamp() - m_lastPressTime < quint64(hints->mouseDoubleClickInterval()) &&
                        (at - m_lastPressAt).manhattanLength() <= hints->mouseDoubleClickDistance();
    // A third quick press starts a new click, as the toolkit counts.
    m_lastButton = second ? Qt::NoButton : press.button();
    m_lastPressTime = press.timestamp();
    m_lastPressAt = at;
    m_lastWasSecond = second;
    return second;
}

bool SingleClicks::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (covers(watched) && isSecondPress(*static_cast<QMouseEvent *>(event))) {
            m_swallowRelease = static_cast<QMouseEvent *>(event)->button();
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (covers(watched)) {
            m_swallowRelease = static_cast<QMouseEvent *>(event)->button();
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_swallowRelease != Qt::NoButton && static_cast<QMouseEvent *>(event)->button() == m_swallowRelease &&
            covers(watched)) {
            m_swallowRelease = Qt::NoButton;
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace terralore
