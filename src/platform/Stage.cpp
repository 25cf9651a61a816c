#include "Stage.h"

#include "Form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPixmapCache>

namespace terralore {

namespace {
Stage *g_stage = nullptr;

void destroyStage()
{
    delete g_stage;
    g_stage = nullptr;
}
} // namespace

Stage::Stage()
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

Form *Stage::formNamed(const QString &name) const
{
    for (Form *form : m_forms) {
        if (form->FormName() == name && !form->isUnloading())
            return form;
    }
    return nullptr;
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
