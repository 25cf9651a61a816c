#include "Control.h"

#include "Form.h"
#include "Twips.h"

#include <QWidget>

namespace terralore {

Control::Control(QWidget *self, Form *form, const QString &name, int index)
    : m_self(self), m_form(form), m_name(name), m_index(index)
{
    self->setObjectName(index >= 0 ? QStringLiteral("%1(%2)").arg(name).arg(index) : name);
    // Every control consumes its own mouse events: only moves over the bare
    // form reach the form's handler.
    self->setAttribute(Qt::WA_NoMousePropagation);
}

void Control::setLeftTwips(float twips)
{
    m_left = twips;
    applyGeometry();
}

void Control::setTopTwips(float twips)
{
    m_top = twips;
    applyGeometry();
}

void Control::setWidthTwips(float twips)
{
    m_width = twips;
    applyGeometry();
}

void Control::setHeightTwips(float twips)
{
    m_height = twips;
    applyGeometry();
}

void Control::moveTwips(float left, float top)
{
    m_left = left;
    m_top = top;
    applyGeometry();
}

void Control::moveTwips(float left, float top, float width, float height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    applyGeometry();
}

bool Control::Visible() const
{
    return !m_self->isHidden();
}

bool Control::Enabled() const
{
    return m_self->isEnabled();
}

void Control::applyGeometry()
{
    const int x = toPixels(m_left);
    const int y = toPixels(m_top);
    m_self->setGeometry(x, y, toPixels(m_left + m_width) - x, toPixels(m_top + m_height) - y);
}

} // namespace terralore
