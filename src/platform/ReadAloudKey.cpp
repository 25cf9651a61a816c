#include "ReadAloudKey.h"

#include "Form.h"
#include "Stage.h"

#include <QKeyEvent>

namespace terralore {

ReadAloudKey::ReadAloudKey(QWidget *window) : QObject(window), m_window(window)
{}

bool ReadAloudKey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget *>(watched)->window() != m_window)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F9)
        return false;
    // A held key reads once.
    if (key->isAutoRepeat())
        return true;
    Services &services = Stage::instance().services();
    const Form *top = Stage::instance().topForm();
    if (top && services.speechAvailable()) {
        const QString text = top->textToReadAloud();
        if (!text.isEmpty())
            services.speak(text);
    }
    return true;
}

} // namespace terralore
