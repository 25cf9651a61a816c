#include "CommandLine.h"
#include "DataFolder.h"
#include "Fonts.h"
#include "MainMenu.h"
#include "PicturePrefetch.h"
#include "Services.h"
#include "Stage.h"
#include "TitleScreen.h"
#include "WorksheetTransfer.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <utility>

namespace {

// Runs its work once, just after the title screen's first frame is painted.
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QObject *parent, std::function<void()> work) : QObject(parent), m_work(std::move(work)) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_work) {
            QTimer::singleShot(0, this, std::exchange(m_work, nullptr));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_work;
};

} // namespace

int main(int argc, char *argv[])
{
    // Help, the version and mistakes are answered before a display is needed.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const terralore::StartOptions options = terralore::parseCommandLine(arguments);
    using Action = terralore::StartOptions::Action;
    if (options.action == Action::Import || options.action == Action::Export)
        return terralore::runWorksheetTransfer(argc, argv, options);
    if (options.action != Action::Run)
        return terralore::printAnswer(options);

    terralore::startReadingFontConfiguration();
    // Everything is drawn with the raster engine; skipping the X server's GL
    // integration saves a tenth of a second at start-up.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Terralore"));
    QApplication::setApplicationDisplayName(QStringLiteral("Terralore"));
    // Desktops match the window to its menu entry and icon by this name.
    QApplication::setDesktopFileName(QStringLiteral("org.terralore.Terralore"));

    terralore::startRegisteringFonts();
    if (terralore::openDataFolder(options.dataFolder).isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Terralore"),
                              QStringLiteral("Terralore could not find or create its data folder."));
        return 1;
    }

    // Decoded while the stage is built and the fonts load.
    terralore::prefetchPicture(TitleScreen::picturePath());
    terralore::Stage &stage = terralore::Stage::instance();
    stage.setSoundOffAtStart(options.muted);
    stage.setHomeScreen([] { mainMenu().Show(); });
    if (terralore::opensInWindow(options))
        stage.show();
    else
        stage.showFullScreenOnItsScreen();
    std::function<void()> afterFirstFrame = [&stage] {
        // Shipped files a teacher deleted come back, cut-short saves' copies
        // go (taking the folder's lock costs a sync), and the sound and speech
        // libraries load, now rather than before the first frame; the first
        // click still sounds at once, and the speech engine comes up on a
        // thread of its own by the time a screen reads aloud.
        terralore::restoreShippedFiles();
        terralore::sweepInterruptedSaves();
        // Looking the icon up in the desktop's icon theme takes longer under X
        // than building the whole title screen; the window gets it now.
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.terralore.Terralore")));
        stage.services().prepareEffect(QStringLiteral("wav\\click.wav"));
        stage.services().prepareSpeech();
    };
    // For the start-up benchmark: report the first painted frame, then leave.
    if (qEnvironmentVariableIsSet("TERRALORE_EXIT_AFTER_FIRST_FRAME"))
        afterFirstFrame = [] {
            std::puts("first-frame");
            std::fflush(stdout);
            QCoreApplication::exit(0);
        };
    titleScreen().client()->installEventFilter(new AfterFirstFrame(&app, std::move(afterFirstFrame)));
    titleScreen().Show();
    return QApplication::exec();
}
