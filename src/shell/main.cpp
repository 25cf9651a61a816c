#include "CommandLine.h"
#include "DataFolder.h"
#include "Fonts.h"
#include "Stage.h"
#include "Titlefrm.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {

// For the start-up benchmark: report the first painted frame of the title
// screen on standard output, then leave.
class FirstFrameProbe : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::puts("first-frame");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    // Help, the version and mistakes are answered before a display is needed.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const terralore::StartOptions options = terralore::parseCommandLine(arguments);
    if (options.action != terralore::StartOptions::Action::Run)
        return terralore::printAnswer(options);

    // Everything is drawn with the raster engine; skipping the X server's GL
    // integration saves a tenth of a second at start-up.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Terralore"));
    QApplication::setApplicationDisplayName(QStringLiteral("Terralore"));
    // Desktops match the window to its menu entry and icon by this name.
    QApplication::setDesktopFileName(QStringLiteral("org.terralore.Terralore"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.terralore.Terralore")));

    if (terralore::prepareDataFolder(options.dataFolder).isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Terralore"),
                              QStringLiteral("Terralore could not find or create its data folder."));
        return 1;
    }
    terralore::registerFonts();

    terralore::Stage &stage = terralore::Stage::instance();
    stage.setSoundOffAtStart(options.muted);
    if (terralore::opensInWindow(options))
        stage.show();
    else
        stage.showFullScreenOnItsScreen();
    if (qEnvironmentVariableIsSet("TERRALORE_EXIT_AFTER_FIRST_FRAME"))
        Titlefrm().client()->installEventFilter(new FirstFrameProbe(&app));
    Titlefrm().Show();
    return QApplication::exec();
}
