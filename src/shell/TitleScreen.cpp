#include "TitleScreen.h"

#include "Palette.h"

#include "Backdrop.h"
#include "MainMenu.h"
#include "Module1.h"
#include "Stage.h"

using namespace terralore;

TERRALORE_DEFINE_FORM(TitleScreen, titleScreen)

namespace {

using namespace terralore::palette;

// The inner area is 5460 by 6570 twips; the outer size adds the frame.
constexpr float kInnerWidth = 5460;
constexpr float kInnerHeight = 6570;
const QColor kGrey(192, 192, 192);
const QColor kGreen(0, 128, 0);

} // namespace

TitleScreen::TitleScreen() : Form(QStringLiteral("Titlefrm"))
{
    setCaption(QStringLiteral(" "));
    setBackColor(kGrey);
    setWidth(kInnerWidth + 2 * Form::kBorder * 15);
    setHeight(kInnerHeight + (2 * Form::kBorder + Form::kTitleStrip) * 15);

    Frame1 = new Frame(this, "Frame1", 0, -90, 5480, 6660);
    auto text = [this](LabelDesign d) { return new Label(this, d, Frame1); };
    Label4 = text({.name = "Label4",
                   .left = 60,
                   .top = 360,
                   .width = 5355,
                   .height = 1065,
                   .caption = "Terralore",
                   .face = "Times New Roman",
                   .points = 27.75,
                   .bold = true,
                   .fore = kGreen,
                   .backStyle = vbTransparent,
                   .alignment = vbCenter});
    Picture1 = new PictureBox(this, QStringLiteral("Picture1"), -1, Frame1);
    Picture1->Move(300, 1200, 4800, 3600);
    Label1 = text({.name = "Label1",
                   .left = 360,
                   .top = 4980,
                   .width = 4695,
                   .height = 375,
                   .caption = "Written by the Terralore science team",
                   .face = "Times New Roman",
                   .points = 14.25,
                   .fore = kBlue,
                   .backStyle = vbTransparent,
                   .alignment = vbCenter});
    Label5 = text({.name = "Label5",
                   .left = 480,
                   .top = 5310,
                   .width = 4455,
                   .height = 375,
                   .caption = "Programmed by the Terralore developers",
                   .face = "Times New Roman",
                   .points = 12,
                   .fore = kBlue,
                   .backStyle = vbTransparent,
                   .alignment = vbCenter});
    Label3 = text({.name = "Label3",
                   .left = 480,
                   .top = 5640,
                   .width = 4455,
                   .height = 375,
                   .caption = "Series editor: Quillmere Publishing",
                   .face = "Times New Roman",
                   .points = 12,
                   .fore = kBlue,
                   .backStyle = vbTransparent,
                   .alignment = vbCenter});
    Command1 = new CommandButton(
        this, {.name = "Command1", .left = 1320, .top = 6000, .width = 1335, .height = 375, .caption = "OK"}, Frame1);
    Command2 = new CommandButton(
        this, {.name = "Command2", .left = 2760, .top = 6000, .width = 1335, .height = 375, .caption = "Exit"}, Frame1);
    Label2 = text({.name = "Label2",
                   .left = 0,
                   .top = 6420,
                   .width = 5415,
                   .height = 255,
                   .caption = "Copyright Quillmere Publishing Ltd. All rights reserved.",
                   .face = "Arial",
                   .points = 8.25,
                   .fore = kGreen,
                   .backStyle = vbTransparent,
                   .alignment = vbCenter});

    connect(Command1, &CommandButton::Click, this, &TitleScreen::Command1_Click);
    connect(Command2, &CommandButton::Click, this, &TitleScreen::Command2_Click);
}

void TitleScreen::Form_Load()
{
    centreOnStage();
    backdrop().Show();
    Picture1->LoadPicture(QStringLiteral("images\\stairholesm.jpg"));
    // Without its picture the screen still comes up, as a standard screen.
    if (Picture1->picture().isNull())
        Module1::SetUpScreen(*this);
}

void TitleScreen::Command1_Click()
{
    mainMenu().Show();
    Unload();
    Module1::PlayIfSoundOn(QStringLiteral("wav\\click.wav"));
}

void TitleScreen::Command2_Click()
{
    Module1::PlayIfSoundOn(QStringLiteral("wav\\click.wav"));
    Stage::instance().endProgram();
}
