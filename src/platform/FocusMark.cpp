#include "FocusMark.h"

#include "Form.h"
#include "Label.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>

#include <cmath>

namespace terralore {

namespace {

double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// What the outline is drawn over: a label's own ground when it is opaque,
// else its screen's; a text box's base; any other control's window colour.
QColor groundOf(QWidget *control)
{
    if (auto *label = qobject_cast<Label *>(control)) {
        if (label->BackStyle() == vbOpaque)
            return label->BackColor();
        return label->form() ? label->form()->BackColor() : QColor(Qt::black);
    }
    if (qobject_cast<QLineEdit *>(control))
        return control->palette().color(QPalette::Base);
    return control->palette().color(QPalette::Window);
}

} // namespace

QColor focusMarkColourOn(const QColor &ground)
{
    // Whichever of white and black stands out more.
    const double l = luminance(ground);
    return (1.05 / (l + 0.05)) >= ((l + 0.05) / 0.05) ? QColor(Qt::white) : QColor(Qt::black);
}

FocusMark::FocusMark()
{
    setObjectName(QStringLiteral("focusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusMark::follow(QWidget *control)
{
    if (m_control)
        m_control->removeEventFilter(this);
    m_control = control;
    if (m_control)
        m_control->installEventFilter(this);
    place();
}

void FocusMark::setEnabledMark(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    place();
}

void FocusMark::place()
{
    if (!m_on || !m_control || !m_control->parentWidget() || !m_control->isVisible()) {
        hide();
        return;
    }
    if (parentWidget() != m_control->parentWidget())
        setParent(m_control->parentWidget());
    m_colour = focusMarkColourOn(groundOf(m_control));
    setGeometry(m_control->geometry());
    raise();
    show();
    update();
}

bool FocusMark::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_control) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ParentChange:
            place();
            break;
        default:
            break;
        }
    }
    return false;
}

void FocusMark::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(m_colour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

} // namespace terralore
