#include "WorksheetStore.h"

#include "LineWriter.h"
#include "QuizResults.h"
#include "ResourcePath.h"
#include "WorksheetTitle.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <optional>

namespace terralore {

WorksheetFolderLock::WorksheetFolderLock(const QString &indexPath, int waitMs)
    : m_lock(indexPath + QStringLiteral(".lock"))
{
    m_lock.setStaleLockTime(kStaleLockMs);
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        m_held = m_lock.tryLock(std::clamp(int(deadline.remainingTime()), 0, 100));
        if (m_held || m_lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return;
        // A program killed between creating the lock and writing who holds
        // it leaves an empty lock, which QLockFile takes for live until it
        // is kStaleLockMs old. Its owner would have written it at once.
        qint64 pid = 0;
        QString host, application;
        if (!m_lock.getLockInfo(&pid, &host, &application) &&
            QFileInfo(m_lock.fileName()).lastModified().msecsTo(QDateTime::currentDateTime()) > kUnwrittenLockMs)
            m_lock.removeStaleLockFile();
    }
}

namespace {

bool asksToReplace(const QuizSheet &sheet, const QString &keptTitle)
{
    const QString stored = storedWorksheetTitle(sheet.title);
    if (stored == keptTitle)
        return false;
    // On a folder that ignores case the file of "ROCKS" is the file of "Rocks".
    const QString path = worksheetFilePath(worksheetFolder(), stored);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// A sheet's quiz file, ready to write where its stored title puts it.
struct SheetFile {
    QString storedTitle;
    QString path;
    LineWriter lines;
};

std::optional<SheetFile> sheetFile(const QuizSheet &sheet)
{
    SheetFile file{storedWorksheetTitle(sheet.title), {}, {}};
    file.path = worksheetFilePath(worksheetFolder(), file.storedTitle);
    writeQuizFile(file.lines, sheet);
    if (file.path.isEmpty() || !quizFileReadsBackAs(file.lines.bytes(), sheet))
        return std::nullopt;
    return file;
}

// How many of the titles are not listed yet, each counted once.
int newTitles(const QList<SheetFile> &files, int count, const WorksheetNameArray &names)
{
    QSet<QString> titles;
    for (const SheetFile &file : files)
        titles.insert(file.storedTitle);
    for (int i = 1; i <= count; ++i)
        titles.remove(names[i]);
    return int(titles.size());
}

} // namespace

SaveOutcome saveWorksheets(const QList<QuizSheet> &sheets, const QString &keptTitle, const ReplaceQuestion &mayReplace,
                           int &count, WorksheetNameArray &names)
{
    for (const QuizSheet &sheet : sheets) {
        if (asksToReplace(sheet, keptTitle) && !mayReplace(sheet.title))
            return SaveOutcome::Declined;
    }
    const WorksheetFolderLock lock(worksheetIndexPath());
    if (!lock.isHeld())
        return SaveOutcome::Failed;
    QList<SheetFile> files;
    for (const QuizSheet &sheet : sheets) {
        std::optional<SheetFile> file = sheetFile(sheet);
        if (!file)
            return SaveOutcome::Failed;
        files.append(std::move(*file));
    }
    if (!readWorksheetIndexFile(worksheetIndexPath(), count, names))
        return SaveOutcome::Failed;
    if (count + newTitles(files, count, names) > kMaxWorksheets)
        return SaveOutcome::Full;
    for (const SheetFile &file : files) {
        if (!file.lines.commit(file.path))
            return SaveOutcome::Failed;
        const IndexChange change = addWorksheetTitle(worksheetIndexPath(), file.storedTitle, count, names);
        if (change != IndexChange::Added && change != IndexChange::AlreadyListed)
            return SaveOutcome::Failed;
    }
    return SaveOutcome::Saved;
}

IndexChange removeWorksheet(const QString &storedTitle, int &count, WorksheetNameArray &names)
{
    const WorksheetFolderLock lock(worksheetIndexPath());
    if (!lock.isHeld())
        return IndexChange::Failed;
    return removeWorksheetTitle(worksheetIndexPath(), storedTitle, count, names);
}

QString worksheetSaveProblem()
{
    return QStringLiteral("There was a problem saving your worksheet");
}

QString worksheetCorrupted()
{
    return QStringLiteral("This worksheet seems to be corrupted.");
}

QuizSheet sheetOfQuiz(const Quiz &quiz)
{
    QuizSheet sheet;
    sheet.title = quiz.title;
    for (std::size_t q = 0; q < sheet.questions.size(); ++q) {
        QuizQuestionText &out = sheet.questions[q];
        out.text = quiz.questions[q].text;
        out.options = quiz.questions[q].options;
        out.answer = answerOption(quiz.questions[q].answer);
    }
    return sheet;
}

} // namespace terralore
