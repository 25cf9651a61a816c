#include "WorksheetStore.h"

#include "LineWriter.h"
#include "QuizResults.h"
#include "ResourcePath.h"
#include "WorksheetTitle.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>

#include <algorithm>

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

bool writeSheet(const QuizSheet &sheet, int &count, WorksheetNameArray &names)
{
    const QString stored = storedWorksheetTitle(sheet.title);
    LineWriter lines;
    writeQuizFile(lines, sheet);
    const QString path = worksheetFilePath(worksheetFolder(), stored);
    if (path.isEmpty() || !quizFileReadsBackAs(lines.bytes(), sheet) || !lines.commit(path))
        return false;
    const IndexChange change = addWorksheetTitle(worksheetIndexPath(), stored, count, names);
    return change == IndexChange::Added || change == IndexChange::AlreadyListed;
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
    for (const QuizSheet &sheet : sheets) {
        if (!writeSheet(sheet, count, names))
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
