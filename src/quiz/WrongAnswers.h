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

    // Fills the list, in question order from the top, under the quiz's title;
    // it shows when the results screen asks.
    void list(const QString &title, const QStringList &wrongAnswers);

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
