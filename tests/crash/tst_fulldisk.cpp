// Out of room: the worksheet folder on a small tmpfs filled up. A save or a
// deletion says so, keeps the old files byte for byte and leaves no leftovers.
#include "AuthoringTest.h"

#include <QApplication>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace terralore;
using namespace terralore::test;

namespace {

constexpr qint64 kPage = 4096;

// Fills the file system holding path with a file of its own until a write
// fails, then gives back freePages pages. False when that did not come out.
bool fillLeaving(const QString &path, int freePages)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return false;
    const QByteArray page(kPage, 'f');
    qint64 size = 0;
    while (::write(fd, page.constData(), kPage) == kPage)
        size += kPage;
    const bool ok = ::ftruncate(fd, size - freePages * kPage) == 0 && ::fsync(fd) == 0;
    ::close(fd);
    struct statvfs fs {};
    return ok && ::statvfs(QFile::encodeName(path).constData(), &fs) == 0 &&
           qint64(fs.f_bavail) * qint64(fs.f_frsize) == freePages * kPage;
}

} // namespace

class FullDiskTest : public QObject {
    Q_OBJECT
    ScreenFixture fx;
    QString m_mounted;

    // The worksheet folder on a tmpfs of its own, holding the shipped files.
    bool mountSmallFolder()
    {
        const QString folder = fx.data.file(QStringLiteral("multiple"));
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k,mode=0700") != 0)
            return false;
        m_mounted = folder;
        const QDir shipped(resourcesFolder() + QStringLiteral("/multiple"));
        for (const QString &name : shipped.entryList(QDir::Files))
            QFile::copy(shipped.filePath(name), QDir(folder).filePath(name));
        return true;
    }

private slots:
    void init() { fx.reset(); }
    // Runs after a failed check too, so no mount outlives the test.
    void cleanup()
    {
        if (!m_mounted.isEmpty() && ::umount2(QFile::encodeName(m_mounted).constData(), MNT_DETACH) != 0)
            qWarning("could not unmount %s", qPrintable(m_mounted));
        m_mounted.clear();
    }

    void savingWithoutRoom_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("freePages");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("quizFileReplaced");
        const QString replace = QStringLiteral("A worksheet called Granite already exists. Do you want to replace it?");
        QTest::newRow("a new worksheet, no room") << "Basalt" << 0 << QStringList{kProblem} << false;
        QTest::newRow("overwriting a worksheet, no room") << "Granite" << 0 << QStringList{replace, kProblem} << false;
        QTest::newRow("deleting a worksheet, no room")
            << "" << 0
            << QStringList{QStringLiteral("Are you sure that you want to delete the worksheet Granite?"), kCorrupted}
            << false;
        // The folder's lock takes a page while the save holds it.
        QTest::newRow("a new worksheet, room for the lock only") << "Basalt" << 1 << QStringList{kProblem} << false;
        // The quiz file fits, the index's rewrite does not: the quiz file stays,
        // the index keeps its old bytes.
        QTest::newRow("a new worksheet, room for its quiz file only") << "Basalt" << 2 << QStringList{kProblem} << true;
        // The replacement takes a free page, then the old file gives its own
        // back; the index is not rewritten. A full disk that still fits succeeds.
        QTest::newRow("overwriting a worksheet, room for it") << "Granite" << 2 << QStringList{replace, kSaved} << true;
    }

    void savingWithoutRoom()
    {
        QFETCH(QString, title);
        QFETCH(int, freePages);
        QFETCH(QStringList, messages);
        QFETCH(bool, quizFileReplaced);
        if (!mountSmallFolder())
            QSKIP("a full disk needs a tmpfs, and mounting one needs root");
        QVERIFY(putWorksheets(fx.data, {QStringLiteral("Granite")}));
        QVERIFY(fillLeaving(fx.data.file(QStringLiteral("multiple/filler")), freePages));
        QMap<QString, QByteArray> expected = folderSnapshot(fx.data);
        const QList<TypedQuestion> questions = sampleQuestions(QStringLiteral("New"));
        Label *action = nullptr;
        if (title.isEmpty()) {
            worksheetCatalogue().Show();
            tick(worksheetCatalogue().deleteModeTick);
            action = worksheetCatalogue().titleButtons[1];
        } else {
            worksheetWizard().Show();
            QApplication::setActiveWindow(&Stage::instance());
            typeWorksheet(worksheetWizard(), title, questions);
            action = worksheetWizard().entryButtons[WorksheetWizard::SaveEntry];
        }
        click(action);

        QCOMPARE(shownPrompts(), messages);
        QCOMPARE(topForm(), title.isEmpty() ? static_cast<Form *>(&worksheetCatalogue()) : &worksheetWizard());
        // The old files byte for byte and nothing more: no copy left by the failed write.
        if (quizFileReplaced)
            expected[title + QStringLiteral(".txt")] = quizFileBytes(title, questions);
        const QMap<QString, QByteArray> after = folderSnapshot(fx.data);
        QCOMPARE(after.keys(), expected.keys());
        QCOMPARE(after, expected);
    }
};

QTEST_MAIN(FullDiskTest)
#include "tst_fulldisk.moc"
