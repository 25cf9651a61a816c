#include "StandardScreen.h"

#include "Palette.h"

#include "Form.h"
#include "PictureControl.h"

#include <QGuiApplication>

void setUpStandardScreen(terralore::Form &screen, terralore::PictureBox *pictureBox)
{
    screen.setBackColor(terralore::palette::kScreenBlue);
    screen.setCaption(QStringLiteral("Terralore"));
    if (pictureBox)
        pictureBox->setBackColor(QColor(49, 135, 214));
    screen.setWidthTwips(12000);
    screen.setHeightTwips(9000);
    screen.centreOnStage();
    // A screen always comes up with the default pointer.
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

QString menuPicturePath()
{
    return QStringLiteral("Images\\stairholesm.jpg");
}

QString menuTitle()
{
    return QStringLiteral("Terralore");
}
