#include "Timer.h"

#include "Form.h"

namespace terralore {

Timer::Timer(Form *form, const char *name, int intervalMs, bool enabled) : QObject(form), m_interval(intervalMs)
{
    setObjectName(QString::fromLatin1(name));
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_enabled)
            emit Tick();
    });
    setEnabled(enabled);
}

void Timer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    restart();
}

void Timer::setInterval(int ms)
{
    m_interval = ms;
    restart();
}

void Timer::restart()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

} // namespace terralore
