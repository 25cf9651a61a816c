#pragma once

#include "ControlArray.h"
#include "Form.h"
#include "Label.h"
#include "PictureControl.h"
#include "ReadAloudToggle.h"
#include "Result.h"
#include "TextBox.h"

// The results screen of the quiz and of the drag-and-drop activities: the
// score with its praise, a picture and a celebration sound, then either the
// certificate for full marks or the list of wrong answers. It shows one
// Result and decides everything from it.
class ResultsScreen : public terralore::Form {
    Q_OBJECT
public:
    enum Entry { CertificateOrWrongAnswersEntry = 0, ExitEntry = 1 };

    ResultsScreen();

    // Shows result over its opener: a scored quiz, which then leaves, or an
    // activity, which stays with its captions in place.
    void show(const terralore::Result &result);
    // An activity's result, from the session's score and maximum score.
    void showForActivity();
    // What the screen shows.
    const terralore::Result &result() const { return m_result; }

    terralore::Label *heading;
    terralore::PictureBox *picture;
    terralore::ControlArray<terralore::Label> entryButtons;
    terralore::Label *scoreLineText;
    terralore::Label *wrongAnswersHint;
    terralore::Label *tryAgainLine;
    terralore::TextBox *nameBox;
    terralore::Label *nameHint;
    ReadAloudToggle *readAloud;

    // The praise and the score line, and the hint shown below them.
    QString textToReadAloud() const override;
    // The same, for a screen reader as the screen comes up.
    QString announcedOnOpening() const override { return textToReadAloud(); }

protected:
    void onLoad() override;
    void onBackgroundMouseMove(int button, int shift, float x, float y) override;

private:
    void onEntryClicked(int entry);
    void showResult();
    void celebrate();

    terralore::Result m_result;
};

TERRALORE_DECLARE_FORM(ResultsScreen, resultsScreen)
