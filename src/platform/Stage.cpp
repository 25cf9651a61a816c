#include "Stage.h"

#include "Accessibility.h"
#include "Form.h"
#include "KeyboardNavigation.h"
#include "SingleClicks.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPixmapCache>
#include <QScreen>
#include <QWindow>

namespace terralore {

namespace {
Stage *g_stage = nullptr;

void destroyStage()
{
    delete g_stage;
    g_stage = nullptr;
}
} // namespace

Stage::Stage() : m_services(makeDesktopServices())
{
    setWindowTitle(QStringLiteral("Terralore"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    resize(1024, 768);
    // The screens hold their own pictures; Qt's pixmap cache only keeps
    // style pieces, keyed by palette, so every screen opened anew adds
    // entries until the cache is full. A small limit keeps memory flat.
    QPixmapCache::setCacheLimit(1024);
    QCoreApplication::instance()->installEventFilter(new SingleClicks(this));
    QCoreApplication::instance()->installEventFilter(new KeyboardNavigation(this));
    installAccessibility();
}

Stage::~Stage()
{
    // The screens go first, while the stage they unregister from is whole.
    unloadAll();
}

Stage &Stage::instance()
{
    if (!g_stage) {
        g_stage = new Stage;
        qAddPostRoutine(destroyStage);
    }
    return *g_stage;
}

bool Stage::exists()
{
    return g_stage != nullptr;
}

void Stage::showFullScreenOnItsScreen()
{
    // Without a window manager nothing would size a full-screen window, and
    // with one it would be sized only after the first screen had laid itself
    // out on the old size: take the screen's size before anything is shown.
    QScreen *start = screen();
    setGeometry(start->geometry());
    showFullScreen();
    followScreen(windowHandle() ? windowHandle()->screen() : start);
    if (windowHandle())
        connect(windowHandle(), &QWindow::screenChanged, this, &Stage::followScreen);
}

void Stage::followScreen(QScreen *screen)
{
    if (m_followed)
        disconnect(m_followed, nullptr, this, nullptr);
    m_followed = screen;
    if (!screen)
        return;
    // A projector plugged in or a display turned: the screens re-centre
    // through resizeEvent.
    connect(screen, &QScreen::geometryChanged, this, [this](const QRect &geometry) {
        if (isFullScreen())
            setGeometry(geometry);
    });
    if (isFullScreen() && geometry() != screen->geometry())
        setGeometry(screen->geometry());
}

float Stage::widthTwips() const
{
    return float(width()) * 15.0f;
}

float Stage::heightTwips() const
{
    return float(height()) * 15.0f;
}

void Stage::registerForm(Form *form)
{
    m_forms.append(form);
}

void Stage::unregisterForm(Form *form)
{
    m_forms.removeAll(form);
}

void Stage::forgetScreen(Form *form)
{
    std::erase_if(m_screens, [form](const auto &entry) { return entry.second == form; });
}

Form *Stage::topForm() const
{
    // Children are kept in stacking order, the top one last.
    const QObjectList &layers = children();
    for (auto it = layers.rbegin(); it != layers.rend(); ++it) {
        auto *form = qobject_cast<Form *>(*it);
        if (form && form->isVisible() && !form->isUnloading())
            return form;
    }
    return nullptr;
}

void Stage::showHomeScreen()
{
    if (m_showHome)
        m_showHome();
}

void Stage::startFreshSession()
{
    unloadAll();
    m_session = Session();
    m_ended = false;
}

void Stage::unloadAll()
{
    const QList<Form *> forms = m_forms;
    for (Form *form : forms)
        delete form;
}

void Stage::endProgram()
{
    m_ended = true;
    unloadAll();
    hide();
    QCoreApplication::exit(0);
}

void Stage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

void Stage::closeEvent(QCloseEvent *event)
{
    // Closing the window from outside ends the program like the title screen's Exit.
    event->accept();
    endProgram();
}

} // namespace terralore
