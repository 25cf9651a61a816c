#include "Hub.h"

#include "Palette.h"

#include "Activity.h"
#include "ActivityForms.h"
#include "FieldReader.h"
#include "LabelButtons.h"
#include "MainMenu.h"
#include "MessageBox.h"
#include "Module1.h"
#include "NotesPager.h"
#include "QuizScreen.h"
#include "ResourcePath.h"

using namespace terralore;

namespace {

using namespace terralore::palette;

// The entries, the same on both hubs.
const LabelButton kEntries[] = {
    {0, 120, 7920, 3195, 495, "Multiple Choice"}, {1, 3600, 7920, 3195, 495, "Labelling Activity"},
    {2, 10560, 7920, 1245, 495, "Exit"},          {3, 7080, 7920, 3195, 495, "Ordering Activity"},
    {4, 6360, 120, 1995, 495, "Key Facts"},       {5, 8640, 120, 3195, 495, "Teacher's Notes"},
};

// Opens the notes pager on a page set. The pager's load reads PageCount and
// PageSet, so both are set before its first use.
void openPageSet(const char *stem, int pages)
{
    Module1::PageCount = pages;
    Module1::PageSet = QString::fromLatin1(stem);
    notesPager().Image1->LoadPicture(QStringLiteral("wmf\\") + Module1::PageSet + QStringLiteral("a.wmf"));
    notesPager().Image2->LoadPicture(QStringLiteral("wmf2\\") + Module1::PageSet + QStringLiteral("a.wmf"));
    notesPager().Show();
}

} // namespace

Hub::Hub(const HubTable &table) : Form(QString::fromLatin1(table.formName)), m_table(table)
{
    Image1 = new Image(this, QStringLiteral("Image1"));
    Image1->Move(table.pictureLeft, table.pictureTop);
    connect(Image1, &Image::MouseMove, this, &Hub::Image1_MouseMove);
    Label1 = new Label(this, {.name = "Label1",
                              .left = table.titleLeft,
                              .top = table.titleTop,
                              .width = table.titleWidth,
                              .height = table.titleHeight,
                              .caption = QString::fromLatin1(table.title),
                              .face = "Times New Roman",
                              .points = 27.75,
                              .bold = true,
                              .fore = kYellow,
                              .backStyle = vbTransparent,
                              .alignment = vbLeftJustify});
    makeLabelButtons(this, Label3, std::span(kEntries), &Hub::Label3_Click, &Hub::Label3_MouseMove);
}

void Hub::Form_Load()
{
    Module1::SetUpScreen(*this);
    setBackColor(m_table.backColor);
    Image1->LoadPicture(QString::fromLatin1(m_table.picture));
    if (m_table.centrePicture)
        Image1->setLeft((12000 - Image1->Width()) / 2);
}

void Hub::Label3_Click(int Index)
{
    switch (Index) {
    case 0:
        openQuiz();
        break;
    case 1:
        openActivity(m_table.labellingScreen);
        break;
    case 2:
        mainMenu().Show();
        Unload();
        break;
    case 3:
        openActivity(m_table.orderingScreen);
        break;
    case 4:
        openPageSet(m_table.keyFactsStem, m_table.keyFactsPages);
        break;
    case 5:
        openPageSet(m_table.notesStem, m_table.notesPages);
        break;
    default:
        break;
    }
    Module1::PlayIfSoundOn(QStringLiteral("wav\\click.wav"));
}

void Hub::openActivity(const char *formName)
{
    // The activity shows the hub's title and opens over the hub.
    if (Activity *activity = activityForm(QString::fromLatin1(formName))) {
        activity->Label6->setCaption(Label1->Caption());
        activity->Show();
    }
}

void Hub::openQuiz()
{
    // A built-in quiz that is missing or ends early would put stale or empty
    // questions on screen: say so and stay on the hub instead.
    std::optional<FieldReader> file = FieldReader::open(resolveResource(QString::fromLatin1(m_table.quizFile)));
    const bool loaded = file && Module1::LoadQuizFile(*file);
    file.reset();
    if (!loaded) {
        MsgBox(QStringLiteral("This worksheet seems to be corrupted."));
        return;
    }
    quizScreen().Picture1->LoadPicture(QString::fromLatin1(m_table.quizPicture));
    quizScreen().Label5->setCaption(QStringLiteral("Terralore"));
    quizScreen().Show();
}

void Hub::Label3_MouseMove(int Index, int, int, float, float)
{
    setOpaque(Label3, Index);
}

void Hub::Image1_MouseMove(int, int, float, float)
{
    if (m_table.pictureResetsHover)
        clearHighlight();
}

void Hub::Form_MouseMove(int, int, float, float)
{
    clearHighlight();
}

void Hub::clearHighlight()
{
    setAllTransparent(Label3);
}
