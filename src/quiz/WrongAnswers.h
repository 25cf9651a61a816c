#pragma once

#include "ControlArray.h"
#include "Form.h"
#include "Label.h"

// The list of the questions answered wrongly in the quiz just scored. The
// quiz fills it while it is loaded but hidden; the results screen shows it.
class WrongAnswers : public terralore::Form {
    Q_OBJECT
public:
    WrongAnswers();

    terralore::Label *Label6;
    terralore::Label *Label4;
    // The j-th wrong answer in question order, from the top.
    terralore::ControlArray<terralore::Label> Label2;
    terralore::Label *Label5;
    terralore::ControlArray<terralore::Label> Label3;

protected:
    void Form_Load() override;

private:
    void Label3_Click(int Index);
};

TERRALORE_DECLARE_FORM(WrongAnswers, wrongAnswers)
