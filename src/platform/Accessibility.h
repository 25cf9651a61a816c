#pragma once

#include <initializer_list>

class QWidget;

namespace terralore {

class Label;

// Presents the program's own controls to screen readers (AT-SPI on Linux)
// through Qt's accessibility interfaces: a label something clicks on as a
// button named by its caption, whose press action clicks it; any other label
// as text; a picture as a graphic named by its description; an option group
// as a grouping. Of the screens, only the one on top is shown to a reader.
// Installed once, before the first screen.
void installAccessibility();

// Tells readers that another screen lies on top now.
void screensChanged();

// Names a control that has no caption of its own (a text box, a tick box)
// after the labels that caption it on screen, in reading order, joined as
// "Question 3, B.".
void nameAfterCaptions(QWidget *control, std::initializer_list<const Label *> captions);

} // namespace terralore
