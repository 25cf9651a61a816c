#pragma once

// What the GIFT and Aiken fuzzers check alike: a reader never crashes, it
// either refuses a file in words or gives worksheets, and every worksheet it
// gives writes back and reads again as the same worksheet.
#include "FuzzSupport.h"

#include "QuestionFormats.h"

namespace terralore {

inline void checkQuestionFile(const QByteArray &bytes, ImportedWorksheets (*read)(QStringView, const QString &),
                              QByteArray (*write)(const QuizSheet &))
{
    const ImportedWorksheets detected = readQuestionFile(bytes, QString(), QStringLiteral("fuzz"));
    fuzzCheck(detected.sheets.isEmpty() != detected.refusal.isEmpty());
    const ImportedWorksheets first = read(decodeQuestionFile(bytes), QString());
    fuzzCheck(first.sheets.isEmpty() != first.refusal.isEmpty());
    for (const QuizSheet &sheet : first.sheets) {
        fuzzCheck(sheet.title.size() <= kTitleLength);
        const ImportedWorksheets again = read(QString::fromUtf8(write(sheet)), sheet.title);
        fuzzCheck(again.sheets.size() == 1 && quizFileLines(again.sheets.front()) == quizFileLines(sheet));
    }
}

} // namespace terralore
