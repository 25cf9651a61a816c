#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace terralore::test {

// A private copy of the program's data folders, made the working folder.
class TestData {
public:
    TestData();
    bool isValid() const { return m_ok; }
    QString path() const { return m_dir.path(); }
    // A file's path inside the copy ("multiple/track.txt").
    QString file(const QString &relative) const;
    QByteArray read(const QString &relative) const;
    bool write(const QString &relative, const QByteArray &bytes) const;
    bool remove(const QString &relative) const;

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

QString resourcesFolder();
QString fixturesFolder();
QByteArray readFile(const QString &path);

} // namespace terralore::test
