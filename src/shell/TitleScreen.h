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

    terralore::Frame *Frame1;
    terralore::Label *Label4;
    terralore::PictureBox *Picture1;
    terralore::Label *Label1;
    terralore::Label *Label5;
    terralore::Label *Label3;
    terralore::CommandButton *Command1;
    terralore::CommandButton *Command2;
    terralore::Label *Label2;

protected:
    void Form_Load() override;

private:
    void Command1_Click();
    void Command2_Click();
};

TERRALORE_DECLARE_FORM(TitleScreen, titleScreen)
