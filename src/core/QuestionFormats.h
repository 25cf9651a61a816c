#pragma once

#include "QuizFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace terralore {

// Longest values the wizard's boxes take; a file's values are held to the same.
constexpr int kTitleLength = 25;
constexpr int kQuestionLength = 60;
constexpr int kOptionLength = 30;

// The two text formats learning platforms read and write quizzes in.
enum class QuestionFormat { Gift, Aiken };

// A worksheet as GIFT: per question `::Title Qn:: [plain]question {~A =B ~C ~D}`,
// the options in A-D order and "=" on the right one, special characters
// escaped, a blank line between questions. UTF-8, trailing newline.
QByteArray writeGift(const QuizSheet &sheet);
// As Aiken: the question line, "A. text" to "D. text", "ANSWER: X", a blank
// line between questions. UTF-8, trailing newline.
QByteArray writeAiken(const QuizSheet &sheet);

// What a GIFT or Aiken file gives: worksheets ready for the wizard's checks
// and saving, or the refusal in words for the teacher (and then no sheets).
struct ImportedWorksheets {
    QList<QuizSheet> sheets;
    QString refusal;
    // What the teacher should know of worksheets made: a value changed on the
    // way in, in words; empty when nothing was.
    QString notice;
};

// The format told by the content (not by the file name); nothing when it is neither.
std::optional<QuestionFormat> detectQuestionFormat(QStringView text);
// The file's text: UTF-8 (with or without a byte-order mark), UTF-16 or
// UTF-32 with a byte-order mark, or Windows-1252 when it is not valid UTF-8.
QString decodeQuestionFile(const QByteArray &bytes);

// Ten questions make one worksheet titled title, 20, 30... make "title 1",
// "title 2"... An empty title takes GIFT's shared question-name prefix
// ("Rocks Q1" gives "Rocks") where there is one, and stays empty otherwise.
ImportedWorksheets readGift(QStringView text, const QString &title);
ImportedWorksheets readAiken(QStringView text, const QString &title);
// Detects, decodes and reads. An empty title is taken from GIFT's
// question-name prefix, or else from fileBaseName.
ImportedWorksheets readQuestionFile(const QByteArray &bytes, const QString &title, const QString &fileBaseName);

} // namespace terralore
