#include "Frame.h"

#include "Form.h"

#include <QPainter>

namespace terralore {

Frame::Frame(Form *form, const char *name, float left, float top, float width, float height)
    : QWidget(form->client()), Control(this, form, QString::fromLatin1(name), -1)
{
    setMouseTracking(true);
    moveTwips(left, top, width, height);
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect().adjusted(0, 6, -2, -2);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(r);
    p.setPen(Qt::white);
    p.drawRect(r.translated(1, 1));
}

} // namespace terralore
