#pragma once

// What the screen benchmarks share besides the table: waiting for a
// widget's next paint.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include "DataFolder.h"
#include "Fonts.h"
#include "Form.h"
#include "MainMenu.h"
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
// and the stage shown at 1024 by 768. ready is false when the folder
// cannot be made.
class OffscreenProgram {
public:
    OffscreenProgram(int &argc, char **argv) : m_platform(setOffscreen()), m_app(argc, argv)
    {
        if (!m_data.isValid() || !terralore::populateDataFolder(QStringLiteral(TERRALORE_RESOURCES), m_data.path()) ||
            !QDir::setCurrent(m_data.path())) {
            std::fprintf(stderr, "cannot prepare the data folder\n");
            return;
        }
        terralore::registerFonts();
        qputenv("TERRALORE_NO_AUDIO", "1");
        terralore::Stage &stage = terralore::Stage::instance();
        stage.setHomeScreen([] { mainMenu().Show(); });
        stage.resize(1024, 768);
        stage.show();
        ready = true;
    }
    bool ready = false;

private:
    static bool setOffscreen() { return qputenv("QT_QPA_PLATFORM", "offscreen"); }
    [[maybe_unused]] bool m_platform; // set before the application reads it
    QApplication m_app;
    QTemporaryDir m_data;
};

// Starts a program that prints "first-frame" once its first frame is painted
// and leaves; the milliseconds from start to its end, or -1 when it failed.
inline double msecsToFirstFrame(const QString &program, const QString &dataFolder)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TERRALORE_DATA"), dataFolder);
    env.insert(QStringLiteral("TERRALORE_EXIT_AFTER_FIRST_FRAME"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    if (!process.waitForStarted(5000) || !process.waitForFinished(10000) ||
        !process.readAllStandardOutput().contains("first-frame"))
        return -1;
    return double(timer.nsecsElapsed()) / 1e6;
}

// The screen on top: the stage's last visible layer.
inline terralore::Form *topScreen()
{
    const QObjectList layers = terralore::Stage::instance().children();
    for (auto it = layers.crbegin(); it != layers.crend(); ++it) {
        auto *form = qobject_cast<terralore::Form *>(*it);
        if (form && form->isVisible() && !form->isUnloading())
            return form;
    }
    return nullptr;
}

} // namespace bench
