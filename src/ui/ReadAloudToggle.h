#pragma once

#include "Buttons.h"

// The "Read aloud" check box of the quiz, the results and the pages: while
// it is on, its screen reads aloud what it puts up. Its setting is the
// session's, so it stays on from screen to screen; it is greyed while the
// desktop has no speech for us, and turning it off cuts the speech short.
class ReadAloudToggle : public terralore::CheckBox {
    Q_OBJECT
public:
    // In the screen's bottom strip, from left, in a gap of width (twips,
    // at least 1245 for its caption).
    ReadAloudToggle(terralore::Form *form, float left, float width);

    // Reads the screen aloud, if the toggle is on.
    void readIfOn();

private:
    void onClicked();
    void followSpeech();
};
