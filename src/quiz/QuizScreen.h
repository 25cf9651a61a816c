#pragma once

#include "Buttons.h"
#include "ControlArray.h"
#include "Form.h"
#include "Label.h"
#include "OptionGroup.h"
#include "PictureControl.h"
#include "QuizPrinting.h"
#include "QuizRun.h"
#include "ReadAloudToggle.h"

// The multiple-choice quiz: the ten questions of the loaded quiz, one at a
// time; leaving the tenth scores the quiz and opens the results.
class QuizScreen : public terralore::Form {
    Q_OBJECT
public:
    enum Entry { PreviousEntry = 0, NextEntry = 1, ExitEntry = 2, PrintEntry = 3, PrintAnswerKeyEntry = 4 };
    // The answer buttons: A to D, then the hidden "no answer chosen" marker.
    enum Answer { AnswerA = 1, AnswerD = 4, NoAnswer = 5 };

    QuizScreen();

    // Starts a run of the session's quiz from its first question, under a
    // picture and the heading a full-marks certificate will carry.
    void start(const QString &picturePath, const QString &heading);

    terralore::Label *screenTitle;
    terralore::Label *productHeading;
    terralore::Label *quizTitle;
    terralore::PictureBox *picture;
    terralore::Label *questionNumber;
    terralore::Label *questionText;
    // Holds answers A to D, named by the question for screen readers.
    terralore::OptionGroup *answerGroup;
    terralore::ControlArray<terralore::OptionButton> answerButtons;
    terralore::ControlArray<terralore::Label> entryButtons;
    ReadAloudToggle *readAloud;

    // Puts the run's current question on screen with no answer chosen.
    void showCurrentQuestion();
    // Prints the loaded quiz as a worksheet.
    void printWorksheet(WorksheetCopy copy);
    // "Question 3. <question>. A: <option>. B: ..."
    QString textToReadAloud() const override;
    // "Multiple Choice. <quiz title>. Question 1 of 10."
    QString announcedOnOpening() const override;
    // "Question 3 of 10"
    QString questionOfTen() const;

protected:
    void onLoad() override;
    QList<QWidget *> tabOrder() const override;
    QWidget *firstFocus() const override;
    void onBackgroundMouseMove(int button, int shift, float x, float y) override;

private:
    void onAnswerClicked();
    void onAnswerToggled(int answer, bool checked);
    void onEntryClicked(int entry);
    void scoreQuiz();
    // "Question 3"
    QString questionLine() const;

    terralore::QuizRun m_run;
};

TERRALORE_DECLARE_FORM(QuizScreen, quizScreen)
