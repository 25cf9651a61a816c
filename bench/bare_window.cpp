// The yardstick for the program's cold start: a bare Qt Widgets window shown
// full screen, which reports its first painted frame and leaves, as the
// program does when TERRALORE_EXIT_AFTER_FIRST_FRAME is set.
#include <QApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        if (m_painted)
            return;
        m_painted = true;
        QTimer::singleShot(0, [] {
            std::puts("first-frame");
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char *argv[])
{
    // As the program does: the raster engine only.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    BareWindow window;
    window.showFullScreen();
    return QApplication::exec();
}
