#include "FormClient.h"

#include "Form.h"
#include "MouseArgs.h"

#include <QMouseEvent>

namespace terralore {

FormClient::FormClient(Form *form, QWidget *parent) : QWidget(parent), m_form(form)
{
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void FormClient::mouseMoveEvent(QMouseEvent *event)
{
    const MouseArgs args = MouseArgs::fromMove(event);
    m_form->dispatchFormMouseMove(args.button, args.shift, args.x, args.y);
    event->accept();
}

void FormClient::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void FormClient::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

} // namespace terralore
