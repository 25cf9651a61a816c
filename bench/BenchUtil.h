#pragma once

// What the screen benchmarks share besides the table: waiting for a
// widget's next paint.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include "BenchTable.h"

namespace bench {

// Counts paint events a widget (or any of its children) receives.
class PaintProbe : public QObject {
public:
    explicit PaintProbe(QWidget *w) : m_widget(w) { install(w); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++painted;
        return false;
    }
    int painted = 0;

private:
    void install(QWidget *w)
    {
        w->installEventFilter(this);
        for (QWidget *child : w->findChildren<QWidget *>())
            child->installEventFilter(this);
    }
    QWidget *m_widget;
};

// Processes events until the probe saw a paint (or a second passed).
inline void waitForPaint(PaintProbe &probe)
{
    QElapsedTimer guard;
    guard.start();
    while (probe.painted == 0 && guard.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace bench
