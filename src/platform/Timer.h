#pragma once

#include <QObject>
#include <QTimer>

namespace terralore {

class Form;

// A timer control: ticks every Interval milliseconds while Enabled, and dies
// with its form.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(Form *form, const char *name, int intervalMs, bool enabled = false);

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int Interval() const { return m_interval; }
    void setInterval(int ms);

signals:
    void Tick();

private:
    void restart();
    QTimer m_timer;
    bool m_enabled = false;
    int m_interval;
};

} // namespace terralore
