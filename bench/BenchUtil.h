#pragma once

// Small helpers shared by the benchmark programs: repeated timings and
// their median and high percentile, and waiting for a widget's next paint.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

inline double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

inline double median(const std::vector<double> &v)
{
    return percentile(v, 0.5);
}

inline void report(const char *what, const std::vector<double> &ms, double targetMs)
{
    const double med = median(ms);
    std::printf("%-44s median %8.2f ms  p95 %8.2f ms  target %6.1f ms  %s\n", what, med, percentile(ms, 0.95), targetMs,
                med <= targetMs ? "ok" : "OVER");
}

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
