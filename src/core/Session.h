#pragma once

#include "QuizFile.h"
#include "WorksheetIndex.h"

#include <QString>

namespace terralore {

// The activity in progress and what it scored, and the heading of the quiz
// scored last, which a full-marks certificate after an activity carries too.
struct QuizProgress {
    int score = 0;
    // The maximum score: the number of captions.
    int questionCount = 0;
    // The topic a full-marks certificate names.
    QString certificateHeading;
};

// The teachers' worksheets as the index lists them, and the catalogue's place.
struct WorksheetList {
    int count = 0;
    WorksheetNameArray names;
    QString selected;
    int cataloguePage = 0;
};

// The page readers: the page shown, how many the set has and its file stem.
struct PagerState {
    int pageNumber = 0;
    int pageCount = 0;
    QString pageSet;
    // The acknowledgments' logo animation.
    int logoFrame = 0;
};

// Everything the screens share while the program runs. The stage owns one;
// a fresh value is a fresh start.
struct Session {
    bool soundOn = false;
    // The screens read aloud what they put up; one setting for every screen.
    bool readAloud = false;
    Quiz quiz;
    QuizProgress progress;
    WorksheetList worksheets;
    PagerState pager;
};

} // namespace terralore
