#pragma once

#include "Buttons.h"
#include "ControlArray.h"
#include "Form.h"
#include "Label.h"
#include "PictureControl.h"

// The multiple-choice quiz: the ten questions of the loaded quiz, one at a
// time; leaving the tenth scores the quiz and opens the results.
class QuizScreen : public terralore::Form {
    Q_OBJECT
public:
    QuizScreen();

    terralore::Label *Label1;
    terralore::Label *Label5;
    terralore::Label *Label6;
    terralore::PictureBox *Picture1;
    terralore::Label *Label4;
    terralore::Label *Label2;
    // 1 to 4 are the answers A to D; 5 marks "no answer chosen".
    terralore::ControlArray<terralore::OptionButton> Option1;
    terralore::ControlArray<terralore::Label> Label3;

    // Puts question CurrentQuestion on screen with no answer chosen.
    void showquest();
    // Prints the loaded quiz as a worksheet.
    void Printpage();

protected:
    void Form_Load() override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;

private:
    void Option1_Click(int Index);
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void recordAnswer();
    void scoreQuiz();
};

TERRALORE_DECLARE_FORM(QuizScreen, quizScreen)
