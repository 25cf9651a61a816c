#pragma once

#include "Buttons.h"
#include "ControlArray.h"
#include "Form.h"
#include "Label.h"
#include "TextBox.h"

// The multiple-choice wizard: a teacher writes ten questions, four options
// each with one ticked, under a title, and saves them as a worksheet.
namespace terralore {
struct Quiz;
struct WorksheetDraft;
} // namespace terralore

class WorksheetWizard : public terralore::Form {
    Q_OBJECT
public:
    enum Entry { ExitEntry = 0, SaveEntry = 1 };

    WorksheetWizard();

    // Fills the boxes from a loaded worksheet (its stored title) and shows it:
    // saving under that same title then replaces it without asking. False,
    // with the wizard untouched, when an answer digit is not 1 to 4.
    bool edit(const terralore::Quiz &quiz, const QString &storedTitle);

    terralore::ControlArray<terralore::Label> fieldCaptions;
    terralore::TextBox *titleBox;
    terralore::ControlArray<terralore::TextBox> questionBoxes;
    terralore::ControlArray<terralore::TextBox> optionBoxes;
    terralore::ControlArray<terralore::CheckBox> answerTicks;
    terralore::ControlArray<terralore::Label> entryButtons;

    // The worksheet as the boxes and ticks hold it.
    terralore::WorksheetDraft draft() const;
    // Validates the worksheet, then saves it.
    void validateAndSave();
    // Writes the draft's quiz file, then adds the title to the index.
    void save(const terralore::WorksheetDraft &worksheet);
    // Asked before another worksheet of the title is replaced; true replaces it.
    static bool askToReplace(const QString &title);

protected:
    void onLoad() override;
    QList<QWidget *> tabOrder() const override;
    void onBackgroundMouseMove(int button, int shift, float x, float y) override;

private:
    void createQuestion(int q);
    void onTitleKeyPress(int key);
    void onQuestionKeyPress(int question, int key);
    void onOptionKeyPress(int option, int key);
    void onEntryClicked(int entry);

    QString m_editedTitle;
};

TERRALORE_DECLARE_FORM(WorksheetWizard, worksheetWizard)
