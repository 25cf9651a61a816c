// How long the pupil waits in the quiz: from the click on "Multiple Choice"
// to the quiz painted (the quiz file is read in between), and from the click
// on "Check Score >>" to the results painted. Runs on the offscreen platform
// in a private copy of the data folders; prints the median of many runs.
#include "BenchUtil.h"

#include "MainMenu.h"
#include "QuizScreen.h"
#include "ResultsScreen.h"
#include "ScienceHub.h"
#include "Stage.h"

#include <QElapsedTimer>
#include <QMouseEvent>

#include <vector>

namespace {

// A left click as the window system delivers it: press, then release.
void click(QWidget *widget)
{
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Paints the stage now, with whatever screen lies on top.
void paint()
{
    terralore::Stage::instance().repaint();
}

double milliseconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::OffscreenProgram program(argc, argv);
    if (!program.ready)
        return 1;
    mainMenu().Show();
    click(mainMenu().entryButtons[MainMenu::ScienceEntry]);
    settle();

    const int warmUp = 5;
    const int runs = 101;
    std::vector<double> toQuiz, toResults, toResultsPicture;
    for (int run = 0; run < warmUp + runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        click(scienceHub().entryButtons[Hub::QuizEntry]);
        paint();
        const double opened = milliseconds(timer);

        for (int q = 1; q <= 9; ++q)
            click(quizScreen().entryButtons[QuizScreen::NextEntry]);
        paint();
        settle();
        timer.restart();
        click(quizScreen().entryButtons[QuizScreen::NextEntry]);
        paint();
        const double scored = milliseconds(timer);
        // The results' picture comes on the first timer tick after the show.
        while (resultsScreen().picture->picture().isNull())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        paint();
        const double pictured = milliseconds(timer);

        click(resultsScreen().entryButtons[ResultsScreen::ExitEntry]);
        settle();
        if (run >= warmUp) {
            toQuiz.push_back(opened);
            toResults.push_back(scored);
            toResultsPicture.push_back(pictured);
        }
    }
    // The target: one frame at 60 Hz.
    bench::report("hub click to quiz painted (file read)", toQuiz, 16.7);
    bench::report("Check Score click to results painted", toResults, 16.7);
    bench::report("Check Score to results with picture painted", toResultsPicture, 16.7);
    terralore::Stage::instance().unloadAll();
    return 0;
}
