#pragma once

// What the screen benchmarks share besides the table: waiting for a
// widget's next paint.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QWidget>

#include "DataFolder.h"
#include "Fonts.h"
#include "Sound.h"
#include "Stage.h"

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

// The program's state at start on the offscreen platform: a private copy
// of the data folders as the working folder, the fonts, no sound device,
// and the stage shown at 1024 by 768. False when the folder cannot be made.
inline bool prepareStage(const QTemporaryDir &data)
{
    if (!data.isValid() || !terralore::populateDataFolder(QStringLiteral(TERRALORE_RESOURCES), data.path()) ||
        !QDir::setCurrent(data.path())) {
        std::fprintf(stderr, "cannot prepare the data folder\n");
        return false;
    }
    terralore::registerFonts();
    terralore::Sound::setDeviceEnabled(false);
    terralore::Stage &stage = terralore::Stage::instance();
    stage.resize(1024, 768);
    stage.show();
    return true;
}

} // namespace bench
