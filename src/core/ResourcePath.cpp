#include "ResourcePath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace terralore {

namespace {

QString matchEntry(const QString &folder, const QString &part)
{
    if (part == QLatin1String(".") || part == QLatin1String(".."))
        return part;
    const QDir dir(folder);
    if (dir.exists(part))
        return part;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(part, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return part;
}

} // namespace

QString resolveResource(const QString &relativePath)
{
    return resolveResource(QDir::currentPath(), relativePath);
}

QString resolveResource(const QString &base, const QString &relativePath)
{
    if (relativePath.isEmpty())
        return {};
    static const QRegularExpression slashes(QStringLiteral("[/\\\\]"));
    const QStringList parts = relativePath.split(slashes, Qt::SkipEmptyParts);
    QString path = base;
    for (const QString &part : parts)
        path = path + QLatin1Char('/') + matchEntry(path, part);
    return path;
}

QString worksheetFolder()
{
    return resolveResource(QStringLiteral("multiple"));
}

QString worksheetIndexPath()
{
    return resolveResource(QStringLiteral("multiple/track.txt"));
}

} // namespace terralore
