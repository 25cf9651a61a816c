#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace terralore {

class FieldReader;
class LineWriter;

// A quiz file holds exactly ten questions of four options each, as 72 lines:
// the title, a separator, then per question its text, options A to D, the
// answer digit and a separator. Commas inside values are written as "&".
constexpr int kQuizQuestions = 10;
constexpr int kQuizLines = 72;

// One of the loaded quiz's text arrays; index 0 is never written.
using QuizTexts = std::array<QString, 11>;

// Where a load puts the quiz: the shared quiz state, filled in place.
struct QuizState {
    QString &title;
    QuizTexts &question;
    QuizTexts &optionA;
    QuizTexts &optionB;
    QuizTexts &optionC;
    QuizTexts &optionD;
    QuizTexts &correctAnswer;
};

// A quiz held apart from the shared state, for checks and previews.
struct LoadedQuiz {
    QString title;
    QuizTexts question, optionA, optionB, optionC, optionD, correctAnswer;
    QuizState state() { return {title, question, optionA, optionB, optionC, optionD, correctAnswer}; }
};

// Reads a quiz field by field into state, overwriting each value as soon as
// it is read; answer digits are stored as read, unchecked. Returns false when
// the input ends before the 72nd field: the values read so far stay in state,
// the rest keep what they held. Anything after the 72nd field is never read.
bool loadQuizFile(FieldReader &reader, const QuizState &state);

// The comma escape: every comma becomes "&" on writing, and every "&" comes
// back as a comma on loading (so an "&" an author typed loads as a comma).
QString escapeQuizValue(QStringView value);
QString unescapeQuizValue(QStringView field);

// A quiz as an author wrote it, for writing.
struct QuizQuestionText {
    QString text;
    std::array<QString, 4> options;
    int answer = 1; // 1 to 4: the ticked option
};

struct QuizSheet {
    QString title;
    std::array<QuizQuestionText, kQuizQuestions> questions;
};

// The 72 lines of a quiz file, values escaped, separators a single blank.
QStringList quizFileLines(const QuizSheet &sheet);
void writeQuizFile(LineWriter &writer, const QuizSheet &sheet);

// Whether bytes read back as exactly sheet, as far as the format keeps it:
// 72 fields and no more, each value as written apart from its leading blanks
// (which reading skips) and its "&" (which reading turns into a comma).
// Checked before a quiz file is written, so a value that would shift the
// fields never reaches the disk.
bool quizFileReadsBackAs(const QByteArray &bytes, const QuizSheet &sheet);

} // namespace terralore
