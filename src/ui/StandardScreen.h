#pragma once

#include <QString>

namespace terralore {
class Form;
class PictureBox;
} // namespace terralore

// Gives a screen the standard size, ground colour and caption, centres it on
// the stage and puts the pointer back to normal. A screen's picture box, when
// it has one, takes the lighter blue.
void setUpStandardScreen(terralore::Form &screen, terralore::PictureBox *pictureBox = nullptr);

// The main menu's picture and title; a worksheet taken as a quiz shows them too.
QString menuPicturePath();
QString menuTitle();
