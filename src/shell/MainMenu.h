#pragma once

#include "Buttons.h"
#include "ControlArray.h"
#include "Form.h"
#include "Label.h"
#include "PictureControl.h"
#include "Timer.h"

// The main menu: every topic, the teachers' pages and the worksheet tools.
class MainMenu : public terralore::Form {
    Q_OBJECT
public:
    // The entries, by their place in the design's numbering; 0 to 9 are the
    // topics not yet written, shown disabled.
    enum Entry {
        ScienceEntry = 10,
        BeginningEntry = 15,
        ExitEntry = 16,
        WizardEntry = 17,
        CatalogueEntry = 18,
        AcknowledgmentsEntry = 19,
        GuideEntry = 20,
    };

    MainMenu();

    terralore::Image *picture;
    terralore::Label *title;
    terralore::Label *publisherLine;
    terralore::ControlArray<terralore::Label> entryButtons;
    terralore::OptionButton *soundOnButton;
    terralore::OptionButton *soundOffButton;
    terralore::Timer *indexTimer;

protected:
    void onLoad() override;
    void onBackgroundMouseMove(int button, int shift, float x, float y) override;

private:
    void onEntryClicked(int entry);
    void onSoundOnClicked();
    void onSoundOffClicked();
    void readWorksheetList();
};

TERRALORE_DECLARE_FORM(MainMenu, mainMenu)
