#pragma once

#include "Control.h"

#include <QColor>
#include <QWidget>

namespace terralore {

// A straight line between two points in twips, its width in pixels. It lies
// in the stacking order like any control; the pointer over it is over the
// bare form (a line takes no mouse events of its own).
class Line : public QWidget, public Control {
    Q_OBJECT
public:
    Line(Form *form, const char *name, int index, float x1, float y1, float x2, float y2, const QColor &color,
         int widthPixels);

    float X1() const { return m_x1; }
    float Y1() const { return m_y1; }
    float X2() const { return m_x2; }
    float Y2() const { return m_y2; }
    QColor BorderColor() const { return m_color; }
    int BorderWidth() const { return m_widthPixels; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    float m_x1, m_y1, m_x2, m_y2;
    QColor m_color;
    int m_widthPixels;
};

} // namespace terralore
