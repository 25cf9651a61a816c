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
    // titleButtons: Exit, then the title slots 1 to 24.
    enum Entry { ExitEntry = 0 };
    enum PageButton { PreviousPageEntry = 0, NextPageEntry = 1 };

    WorksheetCatalogue();

    terralore::Label *heading;
    terralore::CheckBox *editModeTick;
    terralore::CheckBox *deleteModeTick;
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
    void onEditModeClicked();
    void onDeleteModeClicked();
    bool loadWorksheet(const QString &shownTitle);
    void openAsQuiz();
    void deleteWorksheet(const QString &shownTitle);
    void showTitles(int first, int last);
};

TERRALORE_DECLARE_FORM(WorksheetCatalogue, worksheetCatalogue)
