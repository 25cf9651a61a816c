#pragma once

#include "Buttons.h"
#include "ControlArray.h"
#include "Form.h"
#include "Label.h"
#include "PictureControl.h"
#include "Timer.h"

// The main menu: every topic, the teachers' pages and the worksheet tools.
class MainMenu : public terralore::Form {
    Q_OBJECT
public:
    MainMenu();

    // The menu's picture and title text. A quiz opened from the catalogue
    // shows them too, while the menu itself is unloaded.
    static QString picturePath();
    static QString titleText();

    terralore::Image *Image1;
    terralore::Label *Label1;
    terralore::Label *Label3;
    terralore::ControlArray<terralore::Label> Label2;
    terralore::OptionButton *Option1;
    terralore::OptionButton *Option2;
    terralore::Timer *Timer1;

protected:
    void Form_Load() override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;

private:
    void Label2_Click(int Index);
    void Label2_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Option1_Click();
    void Option2_Click();
    void Timer1_Timer();
};

TERRALORE_DECLARE_FORM(MainMenu, mainMenu)
