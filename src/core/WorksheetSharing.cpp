#include "WorksheetSharing.h"

#include "FieldReader.h"
#include "QuizResults.h"
#include "ResourcePath.h"
#include "WorksheetTitle.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace terralore {

namespace {

// Far more than ten questions' worth, in any format.
constexpr qint64 kMaxImportSize = 1024 * 1024;

const QString kUnreadable = QStringLiteral("The file could not be read.");

enum class ReadProblem { None, NotAFile, Unreadable, TooLarge };

// Reads at most one byte more than kMaxImportSize, and only of an ordinary
// file: a device or a pipe may never end, and a pipe without a writer would
// keep the open waiting for one.
ReadProblem readImportFile(const QString &path, QByteArray &bytes)
{
    QFile file;
#ifdef Q_OS_UNIX
    // Opened without waiting, and asked what it is once open: no other file
    // can take its place between the question and the reading.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return ReadProblem::Unreadable;
    struct stat status {};
    const bool ordinary = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (!ordinary || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return ordinary ? ReadProblem::Unreadable : ReadProblem::NotAFile;
    }
#else
    if (const QFileInfo info(path); info.exists() && !info.isFile())
        return ReadProblem::NotAFile;
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadProblem::Unreadable;
#endif
    bytes = file.read(kMaxImportSize + 1);
    if (file.error() != QFileDevice::NoError)
        return ReadProblem::Unreadable;
    return bytes.size() > kMaxImportSize ? ReadProblem::TooLarge : ReadProblem::None;
}

QString readProblemText(ReadProblem problem)
{
    switch (problem) {
    case ReadProblem::NotAFile:
        return QStringLiteral("This is a folder, a device or a pipe, not a file of questions.");
    case ReadProblem::TooLarge:
        return QStringLiteral("The file is too large to hold worksheets.");
    case ReadProblem::Unreadable:
        return kUnreadable;
    case ReadProblem::None:
        break;
    }
    return {};
}

// The quiz file to export for a title as the catalogue shows it: a listed
// worksheet's, or a built-in quiz's by the title it shows or its file's
// name. Nothing when there is none. An index that cannot be read lists
// nothing, and the title's own file is taken.
std::optional<QString> exportedFile(const QString &shownTitle)
{
    const QString stored = storedWorksheetTitle(shownTitle);
    int count = 0;
    const auto names = std::make_unique<WorksheetNameArray>();
    if (!readWorksheetIndexFile(worksheetIndexPath(), count, *names))
        return worksheetFilePath(worksheetFolder(), stored);
    for (int i = 1; i <= count; ++i) {
        if ((*names)[i] == stored)
            return worksheetFilePath(worksheetFolder(), stored);
    }
    for (const QString &builtIn : builtInQuizTitles()) {
        const QString path = worksheetFilePath(worksheetFolder(), builtIn);
        Quiz quiz;
        auto reader = FieldReader::open(path);
        if (builtIn == stored || (reader && loadQuizFile(*reader, quiz) && quiz.title == shownTitle))
            return path;
    }
    return std::nullopt;
}

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
    QByteArray bytes;
    if (const ReadProblem problem = readImportFile(filePath, bytes); problem != ReadProblem::None)
        return refused(readProblemText(problem));
    const ImportedWorksheets imported = readQuestionFile(bytes, title, QFileInfo(filePath).completeBaseName());
    if (!imported.refusal.isEmpty())
        return refused(imported.refusal);
    for (const QuizSheet &sheet : imported.sheets) {
        if (const QString problem = worksheetTitleProblem(sheet.title); !problem.isEmpty()) {
            ImportResult result = refused(problem);
            result.titleRefused = true;
            return result;
        }
    }
    ImportResult result;
    result.outcome = saveWorksheets(imported.sheets, QString(), mayReplace, count, names);
    if (result.outcome == SaveOutcome::Full) {
        result.outcome = SaveOutcome::Failed;
        result.refusal =
            QStringLiteral("The catalogue holds %1 worksheets; delete some before importing more.").arg(kMaxWorksheets);
    } else if (result.outcome == SaveOutcome::Failed) {
        result.refusal = worksheetSaveProblem();
    } else if (result.outcome == SaveOutcome::Saved) {
        for (const QuizSheet &sheet : imported.sheets)
            result.titles << sheet.title;
        result.notice = imported.notice;
    }
    return result;
}

QString exportWorksheet(const QString &shownTitle, QuestionFormat format, const QString &filePath)
{
    const std::optional<QString> path = exportedFile(shownTitle);
    if (!path)
        return QStringLiteral("This worksheet does not exist.");
    Quiz quiz;
    auto reader = FieldReader::open(*path);
    if (!reader || !loadQuizFile(*reader, quiz) || !answersNameOptions(quiz))
        return worksheetCorrupted();
    const QuizSheet sheet = sheetOfQuiz(quiz);
    const QByteArray bytes = format == QuestionFormat::Gift ? writeGift(sheet) : writeAiken(sheet);
    // Aiken cannot hold a question that begins like one of its option or
    // answer lines, or one shorter than two bytes: a file that would not
    // read back (as the platforms read it) is not written.
    if (!readsBackAs(bytes, sheet))
        return QStringLiteral("This worksheet cannot be written in that format; try the other one.");
    QSaveFile out(filePath);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return QStringLiteral("The file could not be written.");
    return {};
}

} // namespace terralore
