#pragma once

#include "Buttons.h"
#include "Form.h"
#include "Frame.h"
#include "Label.h"
#include "PictureControl.h"

// The title and credits screen: the first screen, and the last.
class TitleScreen : public terralore::Form {
    Q_OBJECT
public:
    TitleScreen();

    // Its picture, which the start decodes ahead of the screen.
    static QString picturePath();

    terralore::Frame *frame;
    terralore::Label *titleText;
    terralore::PictureBox *picture;
    terralore::Label *writtenByLine;
    terralore::Label *programmedByLine;
    terralore::Label *editorLine;
    terralore::CommandButton *okButton;
    terralore::CommandButton *exitButton;
    terralore::Label *copyrightLine;

    // Shown again from the main menu's Exit: OK becomes Cancel, back to the menu.
    void showAsFarewell();

protected:
    void onLoad() override;

private:
    void onOkClicked();
    void onExitClicked();
};

TERRALORE_DECLARE_FORM(TitleScreen, titleScreen)
