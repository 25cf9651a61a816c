// Out of room: the worksheet folder is a small tmpfs filled up (or, where
// mounting is not allowed, the largest file is kept small), so writes fail
// as they do on a real full disk. The wizard's save and the catalogue's
// deletion must say so, keep the old worksheet and index byte for byte and
// leave no leftovers.
#include "AuthoringTest.h"
#include "FileSizeLimit.h"

#include <QApplication>

#include <fcntl.h>
#include <memory>
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

    // The worksheet folder on a tmpfs of its own, holding the shipped files;
    // false (and the folder as it was) when mounting is not allowed here.
    bool mountSmallFolder()
    {
        const QString folder = fx.data.file(QStringLiteral("multiple"));
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k,mode=0700") != 0) {
            qInfo("could not mount a tmpfs (%s): imitating the full disk with a file size limit", strerror(errno));
            return false;
        }
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

    void savingWithoutRoom_data();
    void savingWithoutRoom();
};

void FullDiskTest::savingWithoutRoom_data()
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

void FullDiskTest::savingWithoutRoom()
{
    QFETCH(QString, title);
    QFETCH(int, freePages);
    QFETCH(QStringList, messages);
    QFETCH(bool, quizFileReplaced);
    const bool tmpfs = mountSmallFolder();
    if (!tmpfs && (freePages > 0 || title.isEmpty()))
        QSKIP("leaving some room, or none for a few bytes, needs a real file system to fill");
    if (!tmpfs)
        QVERIFY(resetWorksheetFolder(fx.data));
    QVERIFY(putWorksheets(fx.data, {QStringLiteral("Granite")}));
    if (tmpfs)
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
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (!tmpfs)
            limit = std::make_unique<FileSizeLimit>(100);
        click(action);
    }

    QCOMPARE(shownPrompts(), messages);
    QCOMPARE(topForm(), title.isEmpty() ? static_cast<Form *>(&worksheetCatalogue()) : &worksheetWizard());
    // The old files byte for byte and nothing more: no copy left by the failed write.
    if (quizFileReplaced)
        expected[title + QStringLiteral(".txt")] = quizFileBytes(title, questions);
    const QMap<QString, QByteArray> after = folderSnapshot(fx.data);
    QCOMPARE(after.keys(), expected.keys());
    QCOMPARE(after, expected);
}

QTEST_MAIN(FullDiskTest)
#include "tst_fulldisk.moc"
