#pragma once

namespace terralore {

// Presents the program's own controls to screen readers (AT-SPI on Linux)
// through Qt's accessibility interfaces: a label something clicks on as a
// button named by its caption, whose press action clicks it; any other label
// as text; a picture as a graphic named by its description. Installed once,
// before the first screen.
void installAccessibility();

} // namespace terralore
