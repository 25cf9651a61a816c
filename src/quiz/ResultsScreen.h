#pragma once

#include "ControlArray.h"
#include "Form.h"
#include "Label.h"
#include "PictureControl.h"
#include "TextBox.h"
#include "Timer.h"

// The results screen of the quiz and of the drag-and-drop activities: the
// score with its praise, a picture and a celebration sound, then either the
// certificate for full marks or the list of wrong answers. It decides
// everything from Score and QuestionCount.
class ResultsScreen : public terralore::Form {
    Q_OBJECT
public:
    ResultsScreen();

    terralore::Label *Label4;
    terralore::PictureBox *Picture1;
    terralore::ControlArray<terralore::Label> Label3;
    terralore::Label *Label1;
    terralore::Label *Label5;
    terralore::Label *Label6;
    terralore::TextBox *Text1;
    terralore::Label *Label2;
    terralore::Timer *Timer1;
    terralore::Timer *Timer2;
    terralore::Timer *Timer3;

protected:
    void Form_Load() override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;

private:
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
};

TERRALORE_DECLARE_FORM(ResultsScreen, resultsScreen)
