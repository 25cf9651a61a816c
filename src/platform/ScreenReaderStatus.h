#pragma once

namespace terralore {

// Whether the desktop says a screen reader is on: the accessibility bus's
// ScreenReaderEnabled, which the desktop sets when it starts one (and which
// starts Orca on this desktop). Asked of the session bus once, then followed
// as it changes; false without a session bus.
bool desktopScreenReaderOn();

} // namespace terralore
