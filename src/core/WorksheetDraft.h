#pragma once

#include "QuizFile.h"

#include <QList>
#include <QString>

#include <array>

namespace terralore {

// The options of a question, in the order a worksheet shows them; an option
// is counted from 0 (A) to 3 (D).
constexpr int kDraftOptions = 4;

// How messages name option j: "Option A" to "Option D".
QString draftOptionName(int option);

// A question as an author writes it: its text, options A to D, and which of
// them are marked right. A finished question has exactly one.
struct DraftQuestion {
    QString text;
    std::array<QString, kDraftOptions> options;
    QList<int> rightOptions; // 0 (A) to 3 (D), in order
};

// The first thing that keeps a draft, or one of its questions, from being
// saved.
struct DraftProblem {
    enum Kind {
        None,
        Title,               // detail: the words for the author
        Unfinished,          // a value without text
        NoRightOption,       //
        SeveralRightOptions, //
        TooLong,             // detail: the longest allowed, in characters
        UnwritableCharacter, // detail: the character the file cannot hold
    };
    Kind kind = None;
    int question = -1; // 0 to 9, or -1: the title
    int option = -1;   // the option the value is, or -1: the question's text
    QString detail;

    bool isNone() const { return kind == None; }
    // The problem as one sentence about its question, named by label
    // ("Question 4", or "Question 4 (line 31)" for a file's):
    // "Option C of Question 4 has no text.". Not for a title problem.
    QString sentence(const QString &label) const;
};

// The first problem of one question, or none. The values' text comes first,
// then the right option, then what the values hold: a box left empty is the
// likelier slip.
DraftProblem questionProblem(const DraftQuestion &question);

// Why a worksheet title of the file formats' length rule cannot be kept
// ("The title ... is longer than 25 characters."), or empty.
QString titleLengthProblem(const QString &title);

// A worksheet being written: a title and ten questions of four options. Its
// one check serves the wizard and the import alike.
struct WorksheetDraft {
    QString title;
    std::array<DraftQuestion, kQuizQuestions> questions;

    // The first problem: the title, then each question in turn.
    DraftProblem firstProblem() const;
    // The first problem in the wizard's words, or empty when it can be saved.
    QString validate() const;
    // The worksheet to save, for a draft validate() lets through.
    QuizSheet sheet() const;
};

} // namespace terralore
