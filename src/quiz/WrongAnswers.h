#pragma once

#include "ControlArray.h"
#include "Form.h"
#include "Label.h"
#include "Result.h"

// The list of the questions answered wrongly in the quiz just scored. The
// results screen fills it from the quiz's result and shows it when asked.
class WrongAnswers : public terralore::Form {
    Q_OBJECT
public:
    WrongAnswers();

    // Fills the list with result's wrong answers, in question order from the
    // top, under the quiz's title.
    void list(const terralore::Result &result);

    terralore::Label *quizTitle;
    terralore::Label *introLine;
    // The j-th wrong answer in question order, from the top.
    terralore::ControlArray<terralore::Label> wrongAnswerLines;
    terralore::Label *tryAgainLine;
    terralore::Label *exitButton;

    // The title, the list and the advice, for a screen reader.
    QString announcedOnOpening() const override { return shownTextAloud(false); }

protected:
    void onLoad() override;

private:
    void onExitClicked();
};

TERRALORE_DECLARE_FORM(WrongAnswers, wrongAnswers)
