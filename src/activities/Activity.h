#pragma once

#include "ControlArray.h"
#include "Form.h"
#include "Label.h"

#include <span>

// One caption of a drag-and-drop activity: its text, which the layout
// authors in the caption's own target box, where that box lies, and where
// the caption starts (its home box); and what a screen reader calls the
// target box: what it stands for on screen, never the caption it wants.
struct ActivityItem {
    const char *caption; // UTF-8
    float targetLeft, targetTop;
    float homeLeft, homeTop;
    const char *boxName;
};

// The captions of a screen; every caption and box has the same size.
struct ActivityLayout {
    std::span<const ActivityItem> items;
    float width, height;
};

// The engine the four activity screens share: captions dragged onto boxes,
// snapping with a thud, "Check Score" once every caption sits in a box, and
// the three buttons. A screen creates its parts in its own stacking order
// (first created lies lowest) and runs setUpCaptions() in its load.
class Activity : public terralore::Form {
    Q_OBJECT
public:
    enum Entry { ExitEntry = 0, StartAgainEntry = 1, CheckScoreEntry = 2 };

    // Opens over the hub, under the hub's topic title.
    void showForTopic(const QString &topic);

    terralore::ControlArray<terralore::Label> targetBoxes;  // target boxes: caption i belongs in box i
    terralore::ControlArray<terralore::Label> captions;     // captions
    terralore::ControlArray<terralore::Label> entryButtons; // Exit, Start Again, Check Score
    terralore::ControlArray<terralore::Label> homeBoxes;    // home boxes
    terralore::Label *topicTitle = nullptr;                 // the topic title, written by the hub

protected:
    Activity(const QString &name, const ActivityLayout &layout);

    void createTargets();
    void createHomes();
    // Caption 0 first, so a higher index lies above a lower one.
    void createCaptions();
    void createButtons();
    // A text of the screen's own (title, instruction, heading).
    terralore::Label *createText(const terralore::LabelDesign &design);

    // The first load steps of every activity: the screen set-up, then the
    // maximum score, the number of captions.
    void beginLoad(int questionCount);

    // The load-time set-up: the texts authored in the target boxes move into
    // the captions, and each home box takes its caption's rectangle.
    void setUpCaptions();

    void onBackgroundMouseMove(int button, int shift, float x, float y) override;
    // Space or Enter picks the focused caption up, the arrows (or Tab) carry
    // it from box to box, Space or Enter drops it and Escape sends it home.
    bool handleKey(QKeyEvent &key) override;

private:
    void carry(int step);
    // "box under Petrologists": what a target box stands for.
    QString boxName(int box) const;
    // The target box a caption's corner sits on, or -1.
    int boxUnder(int caption) const;
    void announceDrop(int caption, bool wasReady);

    void onCaptionDragged(int index, int button, int shift, float x, float y);
    void onCaptionDropped(int index);
    void onEntryClicked(int entry);

    ActivityLayout m_layout;
    int m_carried = -1; // the caption carried by keyboard
    int m_aim = -1;     // the box it is over, in reading order
};
