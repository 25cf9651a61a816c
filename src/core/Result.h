#pragma once

#include <QList>
#include <QString>

namespace terralore {

// A question answered wrongly: its number, 1 to 10, and its text.
struct WrongQuestion {
    int number = 0;
    QString text;

    friend bool operator==(const WrongQuestion &, const WrongQuestion &) = default;
};

// What a finished quiz or activity hands to the results screen, which shows
// it and offers the certificate or the wrong-answer list from it alone.
struct Result {
    // A quiz offers its wrong answers; an activity asks the pupil to try again.
    enum class Source { Quiz, Activity };

    Source source = Source::Activity;
    int score = 0;
    int outOf = 0;
    // The quiz's title, over the wrong-answer list.
    QString title;
    // The line a full-marks certificate carries under the product's title.
    QString certificateHeading;
    // In question order.
    QList<WrongQuestion> wrong;

    bool fullMarks() const { return score == outOf; }
};

} // namespace terralore
