#include "MainMenu.h"

#include "Palette.h"

#include "BeginningHub.h"
#include "FieldReader.h"
#include "GuidePager.h"
#include "Module1.h"
#include "NotesPager.h"
#include "ResourcePath.h"
#include "ScienceHub.h"
#include "Stage.h"
#include "TitleScreen.h"
#include "WorksheetCatalogue.h"
#include "WorksheetWizard.h"

using namespace terralore;

TERRALORE_DEFINE_FORM(MainMenu, mainMenu)

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
    {10, 3480, 5760, 3195, 375, "The Science of Rocks", 12, kBlack, true},
    {15, 120, 2160, 3195, 375, "The Beginning: the Earth", 12, kBlack, true},
    {17, 6960, 5760, 4635, 495, "Multiple Choice Wizard", 18, kNavy, true},
    {18, 6960, 6600, 4635, 495, "Worksheet Catalogue", 18, kNavy, true},
    {19, 120, 7920, 3075, 495, "Acknowledgments", 14.25, kNavy, true},
    {20, 120, 1080, 3075, 495, "Teachers' Guide", 14.25, kNavy, true},
    {16, 10560, 7920, 1245, 495, "Exit", 18, kBlack, true},
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

MainMenu::MainMenu() : Form(QStringLiteral("intro0"))
{
    Image1 = new Image(this, QStringLiteral("Image1"));
    Image1->setStretch(true);
    Image1->Move(6840, 1560, 4800, 3600);
    Label1 = new Label(this, {.name = "Label1",
                              .left = 0,
                              .top = 120,
                              .width = 12000,
                              .height = 900,
                              .caption = titleText(),
                              .points = 32.25,
                              .bold = true,
                              .fore = kYellow,
                              .backStyle = vbTransparent,
                              .alignment = vbCenter});
    Label3 = new Label(this, {.name = "Label3",
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
        auto *entry = new Label(this, {.name = "Label2",
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
        Label2.add(e.index, entry);
        const int index = e.index;
        connect(entry, &Label::Click, this, [this, index] { Label2_Click(index); });
        connect(entry, &Label::MouseMove, this,
                [this, index](int b, int s, float x, float y) { Label2_MouseMove(index, b, s, x, y); });
    }
    const ButtonDesign sound{.name = "Option1",
                             .left = 10440,
                             .top = 120,
                             .width = 1455,
                             .height = 255,
                             .caption = "Sound On",
                             .points = 9.75,
                             .bold = true,
                             .fore = kYellow};
    Option1 = new OptionButton(this, sound);
    ButtonDesign soundOff = sound;
    soundOff.name = "Option2";
    soundOff.top = 480;
    soundOff.caption = QStringLiteral("Sound Off");
    Option2 = new OptionButton(this, soundOff);
    Option1->setValue(true);
    connect(Option1, &OptionButton::Click, this, &MainMenu::Option1_Click);
    connect(Option2, &OptionButton::Click, this, &MainMenu::Option2_Click);
    Timer1 = new Timer(this, "Timer1", 1);
    connect(Timer1, &Timer::Tick, this, &MainMenu::Timer1_Timer);
}

QString MainMenu::picturePath()
{
    return QStringLiteral("Images\\stairholesm.jpg");
}

QString MainMenu::titleText()
{
    return QStringLiteral("Terralore");
}

void MainMenu::Form_Load()
{
    Module1::SetUpScreen(*this);
    Image1->LoadPicture(picturePath());
    Option1->setBackColor(QColor(39, 63, 137));
    Option2->setBackColor(QColor(39, 63, 137));
    const bool soundOff = Stage::instance().soundOffAtStart();
    (soundOff ? Option2 : Option1)->setValue(true);
    Module1::SoundOn = soundOff ? 0 : 1;
    Timer1->setEnabled(true);
}

void MainMenu::Timer1_Timer()
{
    // A missing or damaged index stops the reading quietly; the menu stays usable.
    if (auto reader = FieldReader::open(worksheetIndexPath()))
        readWorksheetIndex(*reader, Module1::WorksheetCount, Module1::WorksheetNames);
    Timer1->setEnabled(false);
}

void MainMenu::Label2_Click(int Index)
{
    switch (Index) {
    case 10:
        scienceHub().Show();
        break;
    case 15:
        beginningHub().Show();
        break;
    case 17:
        worksheetWizard().Show();
        break;
    case 18:
        // The catalogue's Exit shows the menu again, which reloads it.
        worksheetCatalogue().Show();
        Unload();
        break;
    case 16:
        titleScreen().Command1->setCaption(QStringLiteral("Cancel"));
        titleScreen().Show();
        break;
    case 19:
        notesPager().Label1->setVisible(false);
        notesPager().Label3[2]->setVisible(false);
        notesPager().Label3[3]->setVisible(false);
        notesPager().Image1->LoadPicture(QStringLiteral("wmf\\acknowledgments.wmf"));
        notesPager().Picture2->LoadPicture(QStringLiteral("logo\\quillmere2.bmp"));
        notesPager().Image2->LoadPicture(QStringLiteral("wmf2\\acknowledgments.wmf"));
        notesPager().setBackColor(QColor(49, 130, 212));
        notesPager().Timer1->setEnabled(true);
        notesPager().Show();
        break;
    case 20:
        guidePager().Image1->LoadPicture(QStringLiteral("wmf\\guide1.wmf"));
        guidePager().Image2->LoadPicture(QStringLiteral("wmf2\\guide1.wmf"));
        Module1::PageNumber = 1;
        guidePager().Show();
        break;
    default:
        break;
    }
    Module1::PlayIfSoundOn(QStringLiteral("wav\\click.wav"));
}

void MainMenu::Label2_MouseMove(int Index, int, int, float, float)
{
    Label2[Index]->setBackStyle(vbOpaque);
}

void MainMenu::Form_MouseMove(int, int, float, float)
{
    Label2.forEach([](int, Label *entry) { entry->setBackStyle(vbTransparent); });
}

void MainMenu::Option1_Click()
{
    Module1::SoundOn = 1;
}

void MainMenu::Option2_Click()
{
    Module1::SoundOn = 0;
}
