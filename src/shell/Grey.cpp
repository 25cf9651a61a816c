#include "Grey.h"

TERRALORE_DEFINE_FORM(GreyForm, Grey)

GreyForm::GreyForm() : Form(QStringLiteral("Grey"), Border::None)
{
    setMaximised(true);
}

void GreyForm::Form_Load()
{
    setBackColor(QColor(48, 133, 214));
}
