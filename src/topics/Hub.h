#pragma once

#include "ControlArray.h"
#include "Form.h"
#include "Label.h"
#include "PictureControl.h"

#include <QColor>

// Everything in which the two topic hubs differ.
struct HubTable {
    const char *formName;
    const char *title;
    float titleLeft, titleTop, titleWidth, titleHeight;
    QColor backColor;
    const char *picture;
    // A centred picture ignores pictureLeft.
    bool centrePicture;
    float pictureLeft, pictureTop;
    // Whether moving over the picture switches the entries' highlight off.
    bool pictureResetsHover;
    const char *quizFile;
    const char *quizPicture;
    // The topic's activity screens, by form name.
    const char *labellingScreen;
    const char *orderingScreen;
    // Page sets for the notes pager: the stem of the page files and the count.
    const char *keyFactsStem;
    int keyFactsPages;
    const char *notesStem;
    int notesPages;
};

// A topic hub: the topic's title and picture, and the entries that open its
// quiz, activities and pages.
class Hub : public terralore::Form {
    Q_OBJECT
public:
    enum Entry {
        QuizEntry = 0,
        LabellingEntry = 1,
        ExitEntry = 2,
        OrderingEntry = 3,
        KeyFactsEntry = 4,
        NotesEntry = 5,
    };

    explicit Hub(const HubTable &table);

    const HubTable &table() const { return m_table; }

    terralore::Image *picture;
    terralore::Label *title;
    terralore::ControlArray<terralore::Label> entryButtons;

protected:
    void onLoad() override;
    void onBackgroundMouseMove(int button, int shift, float x, float y) override;

private:
    void onEntryClicked(int entry);
    void onPictureHovered();
    void openQuiz();
    void openActivity(const char *formName);
    void clearHighlight();

    const HubTable &m_table;
};
