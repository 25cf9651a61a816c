#include "Hub.h"

#include "Palette.h"

#include "Activity.h"
#include "ActivityForms.h"
#include "FieldReader.h"
#include "LabelButtons.h"
#include "NotesPager.h"
#include "QuizFile.h"
#include "QuizScreen.h"
#include "ResourcePath.h"
#include "Services.h"
#include "StandardScreen.h"
#include "WorksheetStore.h"

using namespace terralore;

namespace {

using namespace terralore::palette;

// The entries, the same on both hubs.
const LabelButton kEntries[] = {
    {Hub::QuizEntry, 120, 7920, 3195, 495, "Multiple Choice"},
    {Hub::LabellingEntry, 3600, 7920, 3195, 495, "Labelling Activity"},
    {Hub::ExitEntry, 10560, 7920, 1245, 495, "Exit"},
    {Hub::OrderingEntry, 7080, 7920, 3195, 495, "Ordering Activity"},
    {Hub::KeyFactsEntry, 6360, 120, 1995, 495, "Key Facts"},
    {Hub::NotesEntry, 8640, 120, 3195, 495, "Teacher's Notes"},
};

} // namespace

Hub::Hub(const HubTable &table) : Form(QString::fromLatin1(table.formName)), m_table(table)
{
    picture = new Image(this, QStringLiteral("picture"));
    picture->moveTwips(table.pictureLeft, table.pictureTop);
    connect(picture, &Image::MouseMove, this, [this] { onPictureHovered(); });
    title = new Label(this, {.name = "title",
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
    makeLabelButtons(this, entryButtons, std::span(kEntries), &Hub::onEntryClicked, HoverLight::On);
    setEscapeButton(entryButtons[ExitEntry]);
}

void Hub::onLoad()
{
    setUpStandardScreen(*this);
    setBackColor(m_table.backColor);
    picture->LoadPicture(QString::fromLatin1(m_table.picture));
    if (m_table.centrePicture)
        picture->setLeftTwips((12000 - picture->widthTwips()) / 2);
}

void Hub::onEntryClicked(int entry)
{
    switch (entry) {
    case QuizEntry:
        openQuiz();
        break;
    case LabellingEntry:
        openActivity(m_table.labellingScreen);
        break;
    case ExitEntry:
        showHomeScreen();
        Unload();
        break;
    case OrderingEntry:
        openActivity(m_table.orderingScreen);
        break;
    case KeyFactsEntry:
        notesPager().showPageSet(QString::fromLatin1(m_table.keyFactsStem), m_table.keyFactsPages);
        break;
    case NotesEntry:
        notesPager().showPageSet(QString::fromLatin1(m_table.notesStem), m_table.notesPages);
        break;
    default:
        break;
    }
    playClick();
}

void Hub::openActivity(const char *formName)
{
    // The activity shows the hub's title and opens over the hub.
    if (Activity *activity = activityForm(QString::fromLatin1(formName)))
        activity->showForTopic(title->Caption());
}

void Hub::openQuiz()
{
    // A built-in quiz that is missing or ends early would put stale or empty
    // questions on screen: say so and stay on the hub instead.
    std::optional<FieldReader> file = FieldReader::open(resolveResource(QString::fromLatin1(m_table.quizFile)));
    const bool loaded = file && loadQuizFile(*file, session().quiz);
    file.reset();
    if (!loaded) {
        showMessage(worksheetCorrupted());
        return;
    }
    quizScreen().start(QString::fromLatin1(m_table.quizPicture), QStringLiteral("Terralore"));
}

void Hub::onPictureHovered()
{
    if (m_table.pictureResetsHover)
        clearHighlight();
}

void Hub::onBackgroundMouseMove(int, int, float, float)
{
    clearHighlight();
}

void Hub::clearHighlight()
{
    setAllTransparent(entryButtons);
}
