#include "Backdrop.h"

TERRALORE_DEFINE_FORM(Backdrop, backdrop)

Backdrop::Backdrop() : Form(QStringLiteral("Grey"), Border::None)
{
    setMaximised(true);
}

void Backdrop::Form_Load()
{
    setBackColor(QColor(48, 133, 214));
}
