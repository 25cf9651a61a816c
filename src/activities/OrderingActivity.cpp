#include "OrderingActivity.h"

#include <QTimer>

using namespace terralore;

OrderingActivity::OrderingActivity(const QString &name, const ActivityLayout &layout) : Activity(name, layout)
{}

Label *OrderingActivity::createTitle(float width)
{
    return createText({.name = "topicTitle",
                       .left = 120,
                       .top = 120,
                       .width = width,
                       .height = 705,
                       .caption = QString(),
                       .face = "Times New Roman",
                       .points = 24,
                       .fore = QColor(255, 255, 0),
                       .backStyle = vbTransparent,
                       .alignment = vbCenter});
}

Label *OrderingActivity::createDragHint()
{
    return createText({.name = "dragHint",
                       .left = 120,
                       .top = 7800,
                       .width = 2745,
                       .height = 825,
                       .caption = QStringLiteral("Drag the labels into the correct boxes."),
                       .points = 12,
                       .bold = true,
                       .fore = QColor(128, 255, 255),
                       .backStyle = vbTransparent,
                       .alignment = vbCenter});
}

void OrderingActivity::loadOrdering()
{
    beginLoad();
    // Waits for the screen to be up: the load runs inside the hub's click,
    // before the hub shows this screen, and the sound greets it 50 ms after
    // the load. Bound to this screen, it dies with it when Exit comes first.
    QTimer::singleShot(50, Qt::PreciseTimer, this, [this] { playSound(QStringLiteral("wav\\eagle6.wav")); });
}
