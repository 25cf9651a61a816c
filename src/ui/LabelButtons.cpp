#include "LabelButtons.h"

using namespace terralore;

LabelDesign labelButtonDesign(const LabelButton &b, double points, const QColor &back)
{
    return {.name = "entryButtons",
            .index = b.index,
            .left = b.left,
            .top = b.top,
            .width = b.width,
            .height = b.height,
            .caption = QString::fromLatin1(b.caption),
            .points = points,
            .bold = true,
            .fore = QColor(255, 255, 0),
            .back = back,
            .backStyle = vbOpaque,
            .borderStyle = 1,
            .alignment = vbCenter,
            .visible = b.visible};
}

void lightOnHover(Label *button)
{
    QObject::connect(button, &Label::MouseMove, button, [button] { button->setBackStyle(vbOpaque); });
}

void setAllTransparent(ControlArray<Label> &array)
{
    array.forEach([](int, Label *label) { label->setBackStyle(vbTransparent); });
}
