#include "Line.h"

#include "Form.h"
#include "Twips.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>

namespace terralore {

Line::Line(Form *form, const char *name, int index, float x1, float y1, float x2, float y2, const QColor &color,
           int widthPixels)
    : QWidget(form->client()), Control(this, form, QString::fromLatin1(name), index), m_x1(x1), m_y1(y1), m_x2(x2),
      m_y2(y2), m_color(color), m_widthPixels(widthPixels)
{
    // Moves over the line reach the form as moves over the bare form.
    setAttribute(Qt::WA_NoMousePropagation, false);
    setMouseTracking(true);
    const float half = float(widthPixels) * kTwipsPerPixel / 2.0f;
    moveTwips(std::min(x1, x2) - half, std::min(y1, y2) - half, std::abs(x2 - x1) + 2 * half,
              std::abs(y2 - y1) + 2 * half);
    if (x1 != x2 && y1 != y2) {
        QPainterPath path;
        path.moveTo(QPointF(toPixels(x1), toPixels(y1)) - pos());
        path.lineTo(QPointF(toPixels(x2), toPixels(y2)) - pos());
        QPainterPathStroker stroker;
        stroker.setWidth(widthPixels);
        setMask(QRegion(stroker.createStroke(path).toFillPolygon().toPolygon()));
    }
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_x1 == m_x2 || m_y1 == m_y2) {
        p.fillRect(rect(), m_color);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_color, m_widthPixels, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(toPixels(m_x1), toPixels(m_y1)) - pos(), QPointF(toPixels(m_x2), toPixels(m_y2)) - pos());
}

} // namespace terralore
