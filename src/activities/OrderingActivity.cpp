#include "OrderingActivity.h"

using namespace terralore;

OrderingActivity::OrderingActivity(const QString &name, const ActivityLayout &layout) : Activity(name, layout)
{
    openingSoundTimer = new Timer(this, "openingSoundTimer", 50);
    connect(openingSoundTimer, &Timer::Tick, this, &OrderingActivity::playOpeningSound);
}

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

void OrderingActivity::loadOrdering(int questionCount)
{
    beginLoad(questionCount);
    setUpCaptions();
    openingSoundTimer->setEnabled(true);
}

void OrderingActivity::playOpeningSound()
{
    playSound(QStringLiteral("wav\\eagle6.wav"));
    openingSoundTimer->setEnabled(false);
}
