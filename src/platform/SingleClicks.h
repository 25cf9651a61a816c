#pragma once

#include <QObject>
#include <QPointF>

class QMouseEvent;
class QWidget;

namespace terralore {

// Pupils double-click everything. Over the given window's widgets a double
// click acts as one click: the second press of a double click, the
// double-click event itself and the release that ends it never arrive, so
// nothing prints, turns, answers or saves twice, and a dragged caption is
// not picked up again. Text boxes keep their double click (select a word).
class SingleClicks : public QObject {
public:
    explicit SingleClicks(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool covers(QObject *watched) const;
    bool isSecondPress(const QMouseEvent &press);

    QWidget *m_window;
    Qt::MouseButton m_swallowRelease = Qt::NoButton;
    Qt::MouseButton m_lastButton = Qt::NoButton;
    quint64 m_lastPressTime = 0;
    QPointF m_lastPressAt;
    bool m_lastWasSecond = false;
};

} // namespace terralore
