#include "TestData.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace terralore::test {

namespace {

bool copyTree(const QString &source, const QString &target)
{
    bool ok = true;
    const QDir sourceDir(source);
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString destination = QDir(target).filePath(sourceDir.relativeFilePath(file));
        ok = QDir().mkpath(QFileInfo(destination).path()) && ok;
        ok = QFile::copy(file, destination) && ok;
        QFile(destination).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    return ok;
}

} // namespace

QString resourcesFolder()
{
    return QStringLiteral(TERRALORE_RESOURCES);
}

QString fixturesFolder()
{
    return QStringLiteral(TERRALORE_FIXTURES);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

TestData::TestData()
{
    m_ok = m_dir.isValid() && copyTree(resourcesFolder(), m_dir.path());
    QDir(m_dir.path()).mkpath(QStringLiteral("multiple"));
    m_ok = QDir::setCurrent(m_dir.path()) && m_ok;
}

QString TestData::file(const QString &relative) const
{
    return QDir(m_dir.path()).filePath(relative);
}

QByteArray TestData::read(const QString &relative) const
{
    return readFile(file(relative));
}

bool TestData::write(const QString &relative, const QByteArray &bytes) const
{
    QFile f(file(relative));
    if (!QDir().mkpath(QFileInfo(f).path()) || !f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

bool TestData::remove(const QString &relative) const
{
    return QFile::remove(file(relative));
}

} // namespace terralore::test
