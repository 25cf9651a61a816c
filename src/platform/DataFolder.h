#pragma once

#include <QString>

namespace terralore {

// The program finds its data folders (Images, wmf, wmf2, wav, logo,
// multiple) relative to its working folder, and saves worksheets into
// "multiple". prepareDataFolder() chooses that folder and makes it current:
//  - chosen (the --data option), when given;
//  - TERRALORE_DATA, when set;
//  - otherwise the current folder, when it already holds the data folders;
//  - otherwise the per-user data folder (for example
//    ~/.local/share/Terralore), filled on first use from the shipped copy.
// Files missing there are copied from the shipped copy; files already there
// (the teachers' worksheets and their index above all) are never replaced,
// and the copies of saves a crash cut short are swept away.
// Returns the folder, or an empty string when none could be prepared.
QString prepareDataFolder(const QString &chosen = {});

// The same in steps, so that a start need not wait for the later ones:
// openDataFolder() fills the folder only when it lacks the data folders
// altogether (a first start); restoreShippedFiles() then copies any shipped
// file still missing into the current data folder, and
// sweepInterruptedSaves() removes the copies of cut-short saves.
QString openDataFolder(const QString &chosen = {});
void restoreShippedFiles();
void sweepInterruptedSaves();

// Copies every file of source missing in target; false when a copy failed.
bool populateDataFolder(const QString &source, const QString &target);

} // namespace terralore
