#pragma once

#include "QuizFile.h"
#include "WorksheetIndex.h"

#include <QList>
#include <QLockFile>
#include <QString>

#include <functional>

namespace terralore {

// The worksheet folder may be a school's network share that several
// classroom machines use at once. Every change to its index or quiz files
// happens while this lock, a file beside the index, is held, so that no
// change to the index is lost and none is seen half-made. A lock left by a
// program that crashed is taken over: at once on the same machine, after
// kStaleLockMs from another.
class WorksheetFolderLock {
public:
    static constexpr int kWaitMs = 4000;
    static constexpr int kStaleLockMs = 10000;
    static constexpr int kUnwrittenLockMs = 2000;

    // Waits up to waitMs for the lock.
    explicit WorksheetFolderLock(const QString &indexPath, int waitMs = kWaitMs);
    bool isHeld() const { return m_held; }

private:
    QLockFile m_lock;
    bool m_held = false;
};

// Asked before the file of another worksheet of the same stored title is
// replaced, with the title as the author gave it; true replaces it.
using ReplaceQuestion = std::function<bool(const QString &title)>;

enum class SaveOutcome {
    Saved,    // every sheet's quiz file written and listed in the index
    Declined, // a replacement was declined: nothing was written
    Full,     // the index has no room for every new title: nothing was written
    Failed,   // the folder, a write or the index failed, or the lock did not free
};

// Saves sheets (checked already: titles by worksheetTitleProblem, values by
// the wizard's or an import's rules) as worksheets of their stored titles.
// Every replacement is asked about first, without holding the lock; a sheet
// whose stored title is keptTitle (the worksheet being edited) replaces its
// file without asking. Then, under the lock, the index is read afresh into
// count and names and every quiz file made and checked to read back as its
// sheet; a sheet that fails, an unreadable index or one without room for
// every new title writes nothing at all. Only then is each quiz file written
// atomically and its title added to the index.
SaveOutcome saveWorksheets(const QList<QuizSheet> &sheets, const QString &keptTitle, const ReplaceQuestion &mayReplace,
                           int &count, WorksheetNameArray &names);

// Removes the last index entry equal to storedTitle under the lock; the quiz
// file stays. Removed or NotListed is success.
IndexChange removeWorksheet(const QString &storedTitle, int &count, WorksheetNameArray &names);

// What the teacher is told when a worksheet cannot be saved, and when one
// cannot be read.
QString worksheetSaveProblem();
QString worksheetCorrupted();

// The sheet of a loaded quiz whose answer digits name options (answersNameOptions).
QuizSheet sheetOfQuiz(const Quiz &quiz);

} // namespace terralore
