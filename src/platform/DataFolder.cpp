#include "DataFolder.h"

#include "WorksheetStore.h"

#include "LineWriter.h"
#include "ResourcePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace terralore {

namespace {

bool holdsDataFolders(const QString &folder)
{
    return QFileInfo(resolveResource(folder, QStringLiteral("multiple"))).isDir() &&
           QFileInfo(resolveResource(folder, QStringLiteral("wav"))).isDir();
}

QString shippedResources()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        appDir + QStringLiteral("/../share/terralore/resources"),
        QStringLiteral(TERRALORE_INSTALLED_RESOURCES),
        QStringLiteral(TERRALORE_SOURCE_RESOURCES),
    };
    for (const QString &candidate : candidates) {
        if (holdsDataFolders(candidate))
            return QDir(candidate).canonicalPath();
    }
    return {};
}

} // namespace

bool populateDataFolder(const QString &source, const QString &target)
{
    bool ok = true;
    const QDir sourceDir(source);
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = sourceDir.relativeFilePath(file);
        const QString destination = QDir(target).filePath(relative);
        if (QFileInfo::exists(destination))
            continue;
        ok = QDir().mkpath(QFileInfo(destination).path()) && ok;
        ok = QFile::copy(file, destination) && ok;
        QFile(destination).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return ok;
}

QString openDataFolder(const QString &chosen)
{
    QString folder = chosen.isEmpty() ? qEnvironmentVariable("TERRALORE_DATA") : chosen;
    if (folder.isEmpty() && holdsDataFolders(QDir::currentPath()))
        folder = QDir::currentPath();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    if (!holdsDataFolders(folder)) {
        const QString shipped = shippedResources();
        if (!shipped.isEmpty() && QDir(shipped) != QDir(folder))
            populateDataFolder(shipped, folder);
    }
    if (!QDir::setCurrent(folder))
        return {};
    return QDir::currentPath();
}

void restoreShippedFiles()
{
    const QString shipped = shippedResources();
    if (!shipped.isEmpty() && QDir(shipped) != QDir::current())
        populateDataFolder(shipped, QDir::currentPath());
}

void sweepInterruptedSaves()
{
    // A save cut short by a crash or a power cut can leave its temporary
    // copy beside the worksheets; the old file is whole, the copy is not needed.
    // Another machine sharing the folder may be saving right now: its copy
    // is only swept while no one holds the folder's lock.
    if (const WorksheetFolderLock lock(worksheetIndexPath(), 0); lock.isHeld())
        removeInterruptedCommits(worksheetFolder());
}

QString prepareDataFolder(const QString &chosen)
{
    const QString folder = openDataFolder(chosen);
    if (!folder.isEmpty()) {
        restoreShippedFiles();
        sweepInterruptedSaves();
    }
    return folder;
}

} // namespace terralore
