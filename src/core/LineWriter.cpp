#include "LineWriter.h"

#include "TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

namespace terralore {

namespace {

QString copyName()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString name = QString(kCommitCopyPrefix);
    for (int i = 0; i < 8; ++i)
        name += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
    return name;
}

bool syncToDisk(QFile &file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#elif defined(Q_OS_WIN)
    return ::_commit(file.handle()) == 0;
#else
    return true;
#endif
}

} // namespace

void LineWriter::writeLine(QStringView line)
{
    m_bytes += encodeWindows1252(line);
    m_bytes += "\r\n";
}

bool LineWriter::commit(const QString &path) const
{
    if (path.isEmpty())
        return false;
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    // QSaveFile would do all this, but names its copy after the target, and
    // such a name cannot be told apart from a teacher's own "Rocks.txt.backup"
    // when sweeping up after a crash. A prefix of our own can.
    QFile copy;
    for (int attempt = 0; attempt < 8 && !copy.isOpen(); ++attempt) {
        copy.setFileName(folder.filePath(copyName()));
        copy.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    }
    if (!copy.isOpen())
        return false;
    // Another program or person may read the file: keep the permissions it had.
    if (target.exists())
        copy.setPermissions(QFile::permissions(path));
    const bool written = copy.write(m_bytes) == m_bytes.size() && syncToDisk(copy) && copy.size() == m_bytes.size();
    copy.close();
    std::error_code error;
    if (written && copy.error() == QFileDevice::NoError)
        std::filesystem::rename(std::filesystem::path(copy.fileName().toStdU16String()),
                                std::filesystem::path(path.toStdU16String()), error);
    if (!written || error) {
        copy.remove();
        return false;
    }
    return true;
}

int removeInterruptedCommits(const QString &folder)
{
    QDir dir(folder);
    int removed = 0;
    for (const QString &name :
         dir.entryList({QString(kCommitCopyPrefix) + QLatin1Char('*')}, QDir::Files | QDir::Hidden)) {
        if (dir.remove(name))
            ++removed;
    }
    return removed;
}

} // namespace terralore
