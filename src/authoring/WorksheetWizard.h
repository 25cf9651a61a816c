#pragma once

#include "Buttons.h"
#include "ControlArray.h"
#include "Form.h"
#include "Label.h"
#include "TextBox.h"

// The multiple-choice wizard: a teacher writes ten questions, four options
// each with one ticked, under a title, and saves them as a worksheet.
class WorksheetWizard : public terralore::Form {
    Q_OBJECT
public:
    WorksheetWizard();

    terralore::ControlArray<terralore::Label> Label1;
    terralore::TextBox *Text1;
    terralore::ControlArray<terralore::TextBox> Text2;
    terralore::ControlArray<terralore::TextBox> Text3;
    terralore::ControlArray<terralore::CheckBox> Check1;
    terralore::ControlArray<terralore::Label> Label3;

    // Validates the worksheet, then saves it.
    void genwork();
    // Writes the quiz file, then adds the title to the index.
    void saveworksheet();
    // Adds the title to the index when no entry equals it; false on failure.
    bool trackworksheets();
    // The catalogue filled the wizard from this worksheet (its stored title):
    // saving under that same title replaces it without asking.
    void setEditedWorksheet(const QString &storedTitle) { m_editedTitle = storedTitle; }

protected:
    void Form_Load() override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;

private:
    QString unwritableCharacterProblem(int q) const;
    bool mayReplace(const QString &storedTitle) const;
    void createQuestion(int q);
    void setTabOrder();
    void Text1_KeyPress(int KeyAscii);
    void Text2_KeyPress(int Index, int KeyAscii);
    void Text3_KeyPress(int Index, int KeyAscii);
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, int Button, int Shift, float X, float Y);

    QString m_editedTitle;
};

TERRALORE_DECLARE_FORM(WorksheetWizard, worksheetWizard)
