#pragma once

#include "ControlArray.h"
#include "Form.h"
#include "Label.h"

#include <span>

// One caption of a drag-and-drop activity: its text, which the layout
// authors in the caption's own target box, where that box lies, and where
// the caption starts (its home box).
struct ActivityItem {
    const char *caption; // UTF-8
    float targetLeft, targetTop;
    float homeLeft, homeTop;
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
    terralore::ControlArray<terralore::Label> Label1; // target boxes: caption i belongs in box i
    terralore::ControlArray<terralore::Label> Label2; // captions
    terralore::ControlArray<terralore::Label> Label3; // Exit, Start Again, Check Score
    terralore::ControlArray<terralore::Label> Label4; // home boxes
    terralore::Label *Label6 = nullptr;               // the topic title, written by the hub

protected:
    Activity(const QString &name, const ActivityLayout &layout);

    void createTargets();
    void createHomes();
    // Caption 0 first, so a higher index lies above a lower one.
    void createCaptions();
    void createButtons();
    // A text of the screen's own (title, instruction, heading).
    terralore::Label *createText(const terralore::LabelDesign &design);

    // The first load steps of every activity: the screen set-up, then
    // QuestionCount, the number of captions.
    void beginLoad(int questionCount);

    // The load-time set-up: the texts authored in the target boxes move into
    // the captions, and each home box takes its caption's rectangle.
    void setUpCaptions();

    void Form_MouseMove(int Button, int Shift, float X, float Y) override;

private:
    void Label2_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Label2_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, int Button, int Shift, float X, float Y);

    ActivityLayout m_layout;
};
