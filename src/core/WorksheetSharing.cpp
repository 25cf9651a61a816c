#include "WorksheetSharing.h"

#include "FieldReader.h"
#include "QuizResults.h"
#include "ResourcePath.h"
#include "WorksheetTitle.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace terralore {

namespace {

// Far more than ten questions' worth, in any format.
constexpr qint64 kMaxImportSize = 1024 * 1024;

const QString kUnreadable = QStringLiteral("The file could not be read.");

ImportResult refused(const QString &why)
{
    ImportResult result;
    result.refusal = why;
    return result;
}

// Whether a written file reads back as the sheet, but for the blanks around
// values, which reading trims.
bool readsBackAs(const QByteArray &bytes, QuizSheet sheet)
{
    const ImportedWorksheets read = readQuestionFile(bytes, sheet.title, sheet.title);
    if (read.sheets.size() != 1)
        return false;
    for (QuizQuestionText &question : sheet.questions) {
        question.text = question.text.trimmed();
        for (QString &option : question.options)
            option = option.trimmed();
    }
    QuizSheet back = read.sheets.constFirst();
    back.title = sheet.title;
    return quizFileLines(back) == quizFileLines(sheet);
}

} // namespace

ImportResult importWorksheets(const QString &filePath, const QString &title, const ReplaceQuestion &mayReplace,
                              int &count, WorksheetNameArray &names)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return refused(kUnreadable);
    if (file.size() > kMaxImportSize)
        return refused(QStringLiteral("The file is too large to hold worksheets."));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refused(kUnreadable);
    const ImportedWorksheets imported = readQuestionFile(bytes, title, QFileInfo(filePath).completeBaseName());
    if (!imported.refusal.isEmpty())
        return refused(imported.refusal);
    for (const QuizSheet &sheet : imported.sheets) {
        if (const QString problem = worksheetTitleProblem(sheet.title); !problem.isEmpty())
            return refused(problem);
    }
    ImportResult result;
    result.outcome = saveWorksheets(imported.sheets, QString(), mayReplace, count, names);
    if (result.outcome == SaveOutcome::Failed)
        result.refusal = worksheetSaveProblem();
    if (result.outcome == SaveOutcome::Saved) {
        for (const QuizSheet &sheet : imported.sheets)
            result.titles << sheet.title;
    }
    return result;
}

QString exportWorksheet(const QString &shownTitle, QuestionFormat format, const QString &filePath)
{
    Quiz quiz;
    auto reader = FieldReader::open(worksheetFilePath(worksheetFolder(), storedWorksheetTitle(shownTitle)));
    if (!reader || !loadQuizFile(*reader, quiz) || !answersNameOptions(quiz))
        return worksheetCorrupted();
    const QuizSheet sheet = sheetOfQuiz(quiz);
    const QByteArray bytes = format == QuestionFormat::Gift ? writeGift(sheet) : writeAiken(sheet);
    // Aiken cannot hold a question that begins like one of its option or
    // answer lines: a file that would not read back is not written.
    if (!readsBackAs(bytes, sheet))
        return QStringLiteral("This worksheet cannot be written in that format; try the other one.");
    QSaveFile out(filePath);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return QStringLiteral("The file could not be written.");
    return {};
}

} // namespace terralore
