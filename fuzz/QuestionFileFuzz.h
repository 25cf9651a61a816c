#pragma once

// What the GIFT and Aiken fuzzers check alike: a reader never crashes, it
// either refuses a file in words or gives worksheets, and every worksheet it
// gives writes back and reads again as the same worksheet.
#include "FuzzSupport.h"

#include "QuestionFormats.h"

namespace terralore {

inline bool sameSheet(const QuizSheet &a, const QuizSheet &b)
{
    if (a.title != b.title)
        return false;
    for (std::size_t q = 0; q < a.questions.size(); ++q) {
        const QuizQuestionText &x = a.questions[q];
        const QuizQuestionText &y = b.questions[q];
        if (x.text != y.text || x.options != y.options || x.answer != y.answer)
            return false;
    }
    return true;
}

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
        fuzzCheck(again.sheets.size() == 1 && sameSheet(again.sheets.front(), sheet));
    }
}

} // namespace terralore
