#pragma once

#include "Buttons.h"
#include "ControlArray.h"
#include "Form.h"
#include "Label.h"

// The worksheet catalogue: the teachers' worksheets, 24 titles a page, to
// take as a quiz, edit in the wizard or delete from the index.
class WorksheetCatalogue : public terralore::Form {
    Q_OBJECT
public:
    WorksheetCatalogue();

    terralore::Label *Label1;
    terralore::CheckBox *Check1;
    terralore::CheckBox *Check2;
    terralore::ControlArray<terralore::Label> Label2;
    terralore::ControlArray<terralore::Label> Label3;
    terralore::Label *Label4;

    // Shows the page CataloguePage.
    void workpage();
    // Removes SelectedWorksheet from the index; false when the index is
    // missing, damaged or cannot be rewritten.
    bool delworksheet();
    // Fills the wizard from the loaded quiz of the worksheet storedTitle and
    // shows it; false, with the wizard untouched, when an answer digit is not
    // 1 to 4.
    bool editworksheet(const QString &storedTitle);

protected:
    void Form_Load() override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;

private:
    void Label2_Click(int Index);
    void Label2_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Label3_Click(int Index);
    void Check1_Click();
    void Check2_Click();
    bool loadWorksheet(const QString &shownTitle);
    void openAsQuiz();
    void deleteWorksheet(const QString &shownTitle);
    void showTitles(int first, int last);
};

TERRALORE_DECLARE_FORM(WorksheetCatalogue, worksheetCatalogue)
