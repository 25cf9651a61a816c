#pragma once

#include <QList>
#include <QString>

namespace terralore {

class PrintSurface;

struct WorksheetQuestion {
    QString text;
    QString optionA;
    QString optionB;
    QString optionC;
    QString optionD;
    int answer = 0; // the right option, 1 to 4 (0: none), for the answer key
};

// What the worksheet shows: the quiz screen's two title lines as they stand
// and the questions in order (ten for a quiz).
struct Worksheet {
    QString productTitle;
    QString quizTitle;
    QList<WorksheetQuestion> questions;
};

// "Terralore", 57 spaces, "Quillmere Publishing Ltd".
QString worksheetHeader();

// Prints the bare quiz and sends it: the header, the two centred titles,
// then each question with its answers in two columns at a third and two
// thirds of the width. Long answers run on into the next column uncut;
// questions that do not fit continue on a fresh page. A printer failure
// raises PrintError and leaves the rest unprinted and unsent.
void layOutWorksheet(PrintSurface &surface, const Worksheet &worksheet);

// The worksheet for the teacher's marking: the same header and questions,
// the right option of each marked, and the key ("1 C  2 A  3 D ...") at the
// foot, all on one page (scaled down where the paper is short).
void layOutAnswerKey(PrintSurface &surface, const Worksheet &worksheet);

// The key line of an answer key.
QString answerKeyLine(const Worksheet &worksheet);

} // namespace terralore
