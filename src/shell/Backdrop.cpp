#include "Backdrop.h"

Backdrop::Backdrop() : Form(QStringLiteral("Backdrop"), Border::None)
{
    setMaximised(true);
}

void Backdrop::onLoad()
{
    setBackColor(QColor(48, 133, 214));
}
