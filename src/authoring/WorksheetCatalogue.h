#pragma once

#include "Buttons.h"
#include "ControlArray.h"
#include "Form.h"
#include "Label.h"

// The worksheet catalogue: the teachers' worksheets, 24 titles a page, to
// take as a quiz, edit in the wizard, export as GIFT or Aiken or delete from
// the index; and the import of GIFT and Aiken files as worksheets.
class WorksheetCatalogue : public terralore::Form {
    Q_OBJECT
public:
    // titleButtons: Exit, then the title slots 1 to 24.
    enum Entry { ExitEntry = 0 };
    enum PageButton { PreviousPageEntry = 0, NextPageEntry = 1 };

    WorksheetCatalogue();

    terralore::Label *heading;
    terralore::CheckBox *editModeTick;
    terralore::CheckBox *exportModeTick;
    terralore::CheckBox *deleteModeTick;
    terralore::Label *importButton;
    terralore::ControlArray<terralore::Label> titleButtons;
    terralore::ControlArray<terralore::Label> pageButtons;
    terralore::Label *pageNumberLine;

    // Shows the session's catalogue page.
    void showPage();
    // Removes the selected worksheet from the index; false when the index is
    // missing, damaged or cannot be rewritten.
    bool removeFromIndex();

protected:
    void onLoad() override;
    void onBackgroundMouseMove(int button, int shift, float x, float y) override;

private:
    void onTitleClicked(int slot);
    void onPageButtonClicked(int button);
    void onModeClicked(terralore::CheckBox *mode);
    void onImportClicked();
    void exportWorksheet(const QString &shownTitle);
    bool loadWorksheet(const QString &shownTitle);
    void openAsQuiz();
    void deleteWorksheet(const QString &shownTitle);
    void showTitles(int first, int last);
    void readIndex();
};

TERRALORE_DECLARE_FORM(WorksheetCatalogue, worksheetCatalogue)
