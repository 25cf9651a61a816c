#include "MainMenu.h"

#include "LabelButtons.h"

#include "Palette.h"

#include "BeginningHub.h"
#include "FieldReader.h"
#include "GuidePager.h"
#include "NotesPager.h"
#include "ResourcePath.h"
#include "ScienceHub.h"
#include "Stage.h"
#include "StandardScreen.h"
#include "TitleScreen.h"
#include "WorksheetCatalogue.h"
#include "WorksheetWizard.h"

using namespace terralore;

namespace {

using namespace terralore::palette;

const QColor kNavy(0, 0, 128);

struct MenuEntry {
    int index;
    float left, top, width, height;
    const char *caption;
    double points;
    QColor back;
    bool enabled;
};

// The menu table: every entry with its design place, size and colour.
const MenuEntry kMenu[] = {
    {MainMenu::ScienceEntry, 3480, 5760, 3195, 375, "The Science of Rocks", 12, kBlack, true},
    {MainMenu::BeginningEntry, 120, 2160, 3195, 375, "The Beginning: the Earth", 12, kBlack, true},
    {MainMenu::WizardEntry, 6960, 5760, 4635, 495, "Multiple Choice Wizard", 18, kNavy, true},
    {MainMenu::CatalogueEntry, 6960, 6600, 4635, 495, "Worksheet Catalogue", 18, kNavy, true},
    {MainMenu::AcknowledgmentsEntry, 120, 7920, 3075, 495, "Acknowledgments", 14.25, kNavy, true},
    {MainMenu::GuideEntry, 120, 1080, 3075, 495, "Teachers' Guide", 14.25, kNavy, true},
    {MainMenu::ExitEntry, 10560, 7920, 1245, 495, "Exit", 18, kBlack, true},
    {0, 120, 2880, 3195, 375, "Forming Terralore", 12, kBlack, false},
    {1, 120, 3600, 3195, 375, "Rock Landscapes", 12, kBlack, false},
    {2, 120, 4320, 3195, 375, "Rocks, Soils and Water", 12, kBlack, false},
    {3, 120, 5040, 3195, 375, "Everyday Uses of Rocks", 12, kBlack, false},
    {4, 120, 5760, 3195, 375, "Slate", 12, kBlack, false},
    {5, 3480, 2160, 3195, 375, "Marble", 12, kBlack, false},
    {6, 3480, 2880, 3195, 375, "Chalk", 12, kBlack, false},
    {7, 3480, 3600, 3195, 375, "Granite", 12, kBlack, false},
    {8, 3480, 4320, 3195, 375, "Sand", 12, kBlack, false},
    {9, 3480, 5040, 3195, 375, "Clay", 12, kBlack, false},
};

} // namespace

MainMenu::MainMenu() : Form(QStringLiteral("MainMenu"))
{
    picture = new Image(this, QStringLiteral("picture"));
    picture->setStretch(true);
    picture->moveTwips(6840, 1560, 4800, 3600);
    title = new Label(this, {.name = "title",
                             .left = 0,
                             .top = 120,
                             .width = 12000,
                             .height = 900,
                             .caption = menuTitle(),
                             .points = 32.25,
                             .bold = true,
                             .fore = kYellow,
                             .backStyle = vbTransparent,
                             .alignment = vbCenter});
    publisherLine = new Label(this, {.name = "publisherLine",
                                     .left = 0,
                                     .top = 8280,
                                     .width = 12000,
                                     .height = 375,
                                     .caption = "Published for primary schools by Quillmere Publishing Ltd",
                                     .points = 9.75,
                                     .fore = kYellow,
                                     .backStyle = vbTransparent,
                                     .alignment = vbCenter});
    for (const MenuEntry &e : kMenu) {
        auto *entry = new Label(this, {.name = "entryButtons",
                                       .index = e.index,
                                       .left = e.left,
                                       .top = e.top,
                                       .width = e.width,
                                       .height = e.height,
                                       .caption = QString::fromUtf8(e.caption),
                                       .points = e.points,
                                       .bold = true,
                                       .fore = kYellow,
                                       .back = e.back,
                                       .backStyle = vbOpaque,
                                       .borderStyle = 1,
                                       .alignment = vbCenter,
                                       .enabled = e.enabled});
        entryButtons.add(e.index, entry);
        const int index = e.index;
        connect(entry, &Label::Click, this, [this, index] { onEntryClicked(index); });
        lightOnHover(entry);
    }
    const ButtonDesign sound{.name = "soundOnButton",
                             .left = 10440,
                             .top = 120,
                             .width = 1455,
                             .height = 255,
                             .caption = "Sound On",
                             .points = 9.75,
                             .bold = true,
                             .fore = kYellow};
    soundOnButton = new OptionButton(this, sound);
    ButtonDesign soundOff = sound;
    soundOff.name = "soundOffButton";
    soundOff.top = 480;
    soundOff.caption = QStringLiteral("Sound Off");
    soundOffButton = new OptionButton(this, soundOff);
    soundOnButton->setValue(true);
    connect(soundOnButton, &OptionButton::Click, this, &MainMenu::onSoundOnClicked);
    connect(soundOffButton, &OptionButton::Click, this, &MainMenu::onSoundOffClicked);
    setEscapeButton(entryButtons[ExitEntry]);
    indexTimer = new Timer(this, "indexTimer", 1);
    connect(indexTimer, &Timer::Tick, this, &MainMenu::readWorksheetList);
}

void MainMenu::onLoad()
{
    setUpStandardScreen(*this);
    picture->LoadPicture(menuPicturePath());
    soundOnButton->setBackColor(kScreenBlue);
    soundOffButton->setBackColor(kScreenBlue);
    const bool soundOff = Stage::instance().soundOffAtStart();
    (soundOff ? soundOffButton : soundOnButton)->setValue(true);
    session().soundOn = !soundOff;
    indexTimer->setEnabled(true);
}

void MainMenu::readWorksheetList()
{
    // A missing or damaged index stops the reading quietly; the menu stays usable.
    WorksheetList &list = session().worksheets;
    if (auto reader = FieldReader::open(worksheetIndexPath()))
        readWorksheetIndex(*reader, list.count, list.names);
    indexTimer->setEnabled(false);
}

void MainMenu::onEntryClicked(int entry)
{
    switch (entry) {
    case ScienceEntry:
        scienceHub().Show();
        break;
    case BeginningEntry:
        beginningHub().Show();
        break;
    case WizardEntry:
        worksheetWizard().Show();
        break;
    case CatalogueEntry:
        // The catalogue's Exit shows the menu again, which reloads it.
        worksheetCatalogue().Show();
        Unload();
        break;
    case ExitEntry:
        titleScreen().showAsFarewell();
        break;
    case AcknowledgmentsEntry:
        notesPager().showAcknowledgments();
        break;
    case GuideEntry:
        guidePager().showFirstPage();
        break;
    default:
        break;
    }
    playClick();
}

void MainMenu::onBackgroundMouseMove(int, int, float, float)
{
    entryButtons.forEach([](int, Label *entry) { entry->setBackStyle(vbTransparent); });
}

void MainMenu::onSoundOnClicked()
{
    session().soundOn = true;
}

void MainMenu::onSoundOffClicked()
{
    session().soundOn = false;
}
