#include "Form.h"

#include "Accessibility.h"
#include "Announcements.h"
#include "Control.h"
#include "Fonts.h"
#include "FormClient.h"
#include "Label.h"
#include "Stage.h"
#include "Timer.h"
#include "Twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QRadioButton>

#include <algorithm>

namespace terralore {

Form::Form(const QString &name, Border border) : QWidget(&Stage::instance()), m_name(name), m_border(border)
{
    setObjectName(name);
    hide();
    m_client = new FormClient(this, this);
    m_client->setObjectName(name + QStringLiteral(".client"));
    setBackColor(m_backColor);
    connect(&Stage::instance(), &Stage::resized, this, &Form::followStage);
    Stage::instance().registerForm(this);
    applyGeometry();
}

Form::~Form()
{
    if (Stage::exists()) {
        Stage::instance().forgetScreen(this);
        Stage::instance().unregisterForm(this);
    }
}

QWidget *Form::client() const
{
    return m_client;
}

void Form::followStage()
{
    if (m_centred)
        centreOnStage();
    else if (m_maximised)
        applyGeometry();
}

void Form::centreOnStage()
{
    const Stage &stage = Stage::instance();
    m_top = stage.heightTwips() / 2.0f - m_height / 2.0f;
    m_left = stage.widthTwips() / 2.0f - m_width / 2.0f;
    m_centred = true;
    applyGeometry();
}

void Form::setLeftTwips(float twips)
{
    m_centred = false;
    m_left = twips;
    applyGeometry();
}

void Form::setTopTwips(float twips)
{
    m_centred = false;
    m_top = twips;
    applyGeometry();
}

void Form::setWidthTwips(float twips)
{
    m_width = twips;
    applyGeometry();
}

void Form::setHeightTwips(float twips)
{
    m_height = twips;
    applyGeometry();
}

void Form::moveTwips(float left, float top)
{
    m_centred = false;
    m_left = left;
    m_top = top;
    applyGeometry();
}

float Form::clientWidthTwips() const
{
    return float(m_client->width()) * kTwipsPerPixel;
}

float Form::clientHeightTwips() const
{
    return float(m_client->height()) * kTwipsPerPixel;
}

void Form::setBackColor(const QColor &color)
{
    m_backColor = color;
    QPalette pal = m_client->palette();
    pal.setColor(QPalette::Window, color);
    m_client->setPalette(pal);
    m_client->update();
}

void Form::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void Form::setMaximised(bool maximised)
{
    m_maximised = maximised;
    applyGeometry();
}

void Form::applyGeometry()
{
    if (m_maximised) {
        const QWidget &stage = Stage::instance();
        setGeometry(0, 0, stage.width(), stage.height());
    } else {
        setGeometry(toPixels(m_left), toPixels(m_top), toPixels(m_width), toPixels(m_height));
    }
    if (m_border == Border::Framed)
        m_client->setGeometry(kBorder, kBorder + kTitleStrip, std::max(0, width() - 2 * kBorder),
                              std::max(0, height() - 2 * kBorder - kTitleStrip));
    else
        m_client->setGeometry(0, 0, width(), height());
}

void Form::Show()
{
    if (m_unloading)
        return;
    const bool wasHidden = isHidden();
    const bool wasOnTop = !wasHidden && Stage::instance().topForm() == this;
    setVisible(true);
    raise();
    if (!wasOnTop) {
        // A screen reader hears what came up before where the keyboard is.
        screensChanged();
        announce(announcedOnOpening());
    }
    // A screen brought back to the top takes the keyboard too.
    if (wasHidden || !isAncestorOf(QApplication::focusWidget()))
        focusFirstControl();
    emit Stage::instance().formShown(this);
}

QList<QWidget *> readingOrder(QList<QWidget *> widgets)
{
    auto place = [](const QWidget *w) { return w->mapTo(w->window(), QPoint(0, 0)); };
    std::stable_sort(widgets.begin(), widgets.end(), [&](const QWidget *a, const QWidget *b) {
        const QPoint pa = place(a), pb = place(b);
        const int rowTolerance = std::min(a->height(), b->height()) / 4;
        // A small box centred on a button's row (a tick box in the bottom
        // strip) is in that row too.
        const int middles = (pa.y() + a->height() / 2) - (pb.y() + b->height() / 2);
        if (std::abs(pa.y() - pb.y()) > rowTolerance && std::abs(middles) > rowTolerance)
            return pa.y() < pb.y();
        return pa.x() < pb.x();
    });
    return widgets;
}

bool takesKeyboardFocus(const QWidget *w)
{
    if (qobject_cast<const QRadioButton *>(w))
        return w->focusPolicy() != Qt::NoFocus;
    return w->focusPolicy() & Qt::TabFocus;
}

QList<QWidget *> Form::tabOrder() const
{
    QList<QWidget *> controls;
    for (QWidget *child : m_client->findChildren<QWidget *>())
        if (dynamic_cast<Control *>(child) && takesKeyboardFocus(child))
            controls.append(child);
    return readingOrder(controls);
}

QList<QWidget *> Form::tabStops() const
{
    QList<QWidget *> stops;
    const QList<QWidget *> order = tabOrder();
    auto usable = [](const QWidget *w) { return w->isVisible() && w->isEnabled() && takesKeyboardFocus(w); };
    auto *focused = QApplication::focusWidget();
    for (QWidget *w : order) {
        if (!usable(w))
            continue;
        auto *option = qobject_cast<QRadioButton *>(w);
        if (option && w != focused && !option->isChecked()) {
            // Only the chosen option of a group is a stop; with none chosen, its first.
            const bool groupHasStop = std::any_of(order.begin(), order.end(), [&](QWidget *other) {
                auto *sibling = qobject_cast<QRadioButton *>(other);
                return sibling && sibling != option && other->parentWidget() == w->parentWidget() && usable(other) &&
                       (sibling->isChecked() || stops.contains(other));
            });
            if (groupHasStop)
                continue;
        }
        stops.append(w);
    }
    return stops;
}

QWidget *Form::firstFocus() const
{
    const QList<QWidget *> stops = tabStops();
    return stops.isEmpty() ? nullptr : stops.first();
}

void Form::focusFirstControl()
{
    if (QWidget *first = firstFocus())
        first->setFocus(Qt::OtherFocusReason);
    else
        m_client->setFocus(Qt::OtherFocusReason);
}

void Form::moveFocus(bool forward)
{
    const QList<QWidget *> stops = tabStops();
    if (stops.isEmpty())
        return;
    const qsizetype n = stops.size();
    QWidget *focused = QApplication::focusWidget();
    qsizetype next = 0;
    if (const qsizetype at = stops.indexOf(focused); at >= 0) {
        next = (at + (forward ? 1 : n - 1)) % n;
    } else {
        // From a control that is no stop now (just disabled or hidden): the
        // stop that follows or precedes its place in the order.
        const QList<QWidget *> order = tabOrder();
        const qsizetype place = order.indexOf(focused);
        qsizetype passed = 0;
        for (qsizetype i = 0; place >= 0 && i < place; ++i)
            passed += stops.contains(order[i]) ? 1 : 0;
        next = forward ? passed % n : (passed + n - 1) % n;
    }
    stops[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

bool Form::focusNextPrevChild(bool next)
{
    // Qt moves the focus on when the focused control is disabled or hidden:
    // it stays on this screen, in its order.
    moveFocus(next);
    return true;
}

void Form::pressEscape()
{
    QWidget *button = m_escapeButton;
    if (!button || !button->isVisible() || !button->isEnabled())
        return;
    if (auto *label = qobject_cast<Label *>(button))
        emit label->Click();
    else if (auto *pushed = qobject_cast<QAbstractButton *>(button))
        pushed->click();
}

void Form::Unload()
{
    if (m_unloading)
        return;
    m_unloading = true;
    for (Timer *timer : findChildren<Timer *>())
        timer->setEnabled(false);
    hide();
    detach();
    screensChanged();
    // The keyboard goes on with the screen uncovered.
    Form *top = Stage::exists() ? Stage::instance().topForm() : nullptr;
    if (top && !top->isAncestorOf(QApplication::focusWidget()))
        top->focusFirstControl();
    deleteLater();
}

void Form::detach()
{
    if (Stage::exists())
        Stage::instance().forgetScreen(this);
}

void Form::load()
{
    onLoad();
}

Session &Form::session() const
{
    return Stage::instance().session();
}

Services &Form::services() const
{
    return Stage::instance().services();
}

void Form::playSound(const QString &relativePath) const
{
    if (session().soundOn)
        services().playEffect(relativePath);
}

void Form::playClick() const
{
    playSound(QStringLiteral("wav\\click.wav"));
}

void Form::showHomeScreen() const
{
    Stage::instance().showHomeScreen();
}

void Form::onBackgroundMouseMove(int, int, float, float)
{}

void Form::paintEvent(QPaintEvent *)
{
    if (m_border != Border::Framed)
        return;
    QPainter p(this);
    const QRect r = rect();
    // A raised window frame and an active title strip.
    p.fillRect(r, QColor(192, 192, 192));
    p.setPen(QColor(255, 255, 255));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(64, 64, 64));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    const QRect title(kBorder, kBorder, r.width() - 2 * kBorder, kTitleStrip - 2);
    QLinearGradient gradient(title.topLeft(), title.topRight());
    gradient.setColorAt(0, QColor(0, 0, 128));
    gradient.setColorAt(1, QColor(16, 132, 208));
    p.fillRect(title, gradient);
    p.setPen(Qt::white);
    p.setFont(makeFont(QStringLiteral("Tahoma"), 8.25, true));
    p.drawText(title.adjusted(6, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, m_caption);
}

} // namespace terralore
