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

// A question as loaded: its text, options A to D, and the answer digit as
// stored, unchecked (a damaged file may hold anything there).
struct QuizQuestion {
    QString text;
    std::array<QString, 4> options;
    QString answer;
};

// A loaded quiz: the title and its ten questions.
struct Quiz {
    QString title;
    std::array<QuizQuestion, kQuizQuestions> questions;
};

// Reads a quiz field by field into quiz, overwriting each value as soon as
// it is read. Returns false when the input ends before the 72nd field: the
// values read so far stay in quiz, the rest keep what they held (a damaged
// file shows over the previous quiz). Anything after the 72nd field is never read.
bool loadQuizFile(FieldReader &reader, Quiz &quiz);

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
