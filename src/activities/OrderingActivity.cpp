#include "OrderingActivity.h"

#include "Module1.h"

using namespace terralore;

OrderingActivity::OrderingActivity(const QString &name, const ActivityLayout &layout) : Activity(name, layout)
{
    Timer1 = new Timer(this, "Timer1", 50);
    connect(Timer1, &Timer::Tick, this, &OrderingActivity::Timer1_Timer);
}

Label *OrderingActivity::createTitle(float width)
{
    return createText({.name = "Label6",
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
    return createText({.name = "Label9",
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
    Timer1->setEnabled(true);
}

void OrderingActivity::Timer1_Timer()
{
    Module1::PlayIfSoundOn(QStringLiteral("wav\\eagle6.wav"));
    Timer1->setEnabled(false);
}
