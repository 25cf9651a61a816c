// Each way printing can fail, for each document: one message, and nothing
// else happens; with the fault gone the same entry prints.
#include "PrintTest.h"

#include <optional>

using namespace terralore;
using namespace terralore::test;

namespace {

const QString kProblem = QStringLiteral("There was a problem printing to your printer.");

// One way for printing to fail, undone when it goes out of scope.
class Fault {
public:
    explicit Fault(const QString &kind) : m_kind(kind)
    {
        const QString queue = defaultQueue();
        if (kind == QLatin1String("no scheduler")) {
            // As if CUPS were not running: this process talks to a socket
            // nobody listens on.
            cupsSetServer("/nonexistent/terralore-cups.sock");
        } else if (kind == QLatin1String("queue stopped")) {
            m_change.emplace(QStringList{QStringLiteral("cupsdisable"), queue},
                             QStringList{QStringLiteral("cupsenable"), queue});
        } else if (kind == QLatin1String("queue refusing jobs")) {
            m_change.emplace(QStringList{QStringLiteral("cupsreject"), queue},
                             QStringList{QStringLiteral("cupsaccept"), queue});
        } else if (m_notAFolder.open()) {
            // Nowhere to spool: the folder for temporary files is a file, and
            // nothing can be made in it, not even by root.
            m_oldTmp = qgetenv("TMPDIR");
            qputenv("TMPDIR", QFile::encodeName(m_notAFolder.fileName()));
        }
    }
    ~Fault()
    {
        cupsSetServer(nullptr);
        if (m_notAFolder.isOpen())
            m_oldTmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", m_oldTmp);
    }
    bool ok() const
    {
        return m_change ? m_change->ok() : m_kind != QLatin1String("nowhere to spool") || m_notAFolder.isOpen();
    }

private:
    QString m_kind;
    std::optional<QueueChange> m_change;
    QByteArray m_oldTmp;
    QTemporaryFile m_notAFolder;
};

} // namespace

class PrintFailuresTest : public QObject {
    Q_OBJECT
    ScreenFixture fx;

private slots:
    void initTestCase() { TERRALORE_SKIP_WITHOUT_PRINTER(); }
    void init() { fx.reset(); }

    void messageAndNothingElse_data();
    void messageAndNothingElse();
};

void PrintFailuresTest::messageAndNothingElse_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("document");
    for (const char *fault : {"no scheduler", "queue stopped", "queue refusing jobs", "nowhere to spool"})
        for (const char *document : {"certificate", "worksheet", "guide"})
            QTest::addRow("%s, %s", fault, document) << QString::fromLatin1(fault) << QString::fromLatin1(document);
}

void PrintFailuresTest::messageAndNothingElse()
{
    QFETCH(QString, fault);
    QFETCH(QString, document);
    const PrintingScreen reached = reachPrint(document);
    if (document == QLatin1String("guide")) {
        clickEntries(guidePager(), QStringLiteral("N"));
        settle();
    }
    QCOMPARE(topForm(), reached.screen);
    const int lastJob = PrinterSurface::lastJobId();
    const int newestJob = newestJobId();
    const QStringList spoolBefore = QDir::temp().entryList({QStringLiteral("terralore-print-*")});
    {
        Fault broken(fault);
        if (!broken.ok())
            QSKIP("The queue cannot be changed here (cupsdisable and cupsreject need root)");
        click(reached.print);
        settle();
    }

    QCOMPARE(shownPrompts(), QStringList{kProblem});
    // Nothing else: the same screen on top as it was, no job with the
    // spooler, no spool file left behind, what was typed or paged kept.
    QCOMPARE(topForm(), reached.screen);
    QCOMPARE(PrinterSurface::lastJobId(), lastJob);
    QCOMPARE(newestJobId(), newestJob);
    QCOMPARE(QDir::temp().entryList({QStringLiteral("terralore-print-*")}), spoolBefore);
    if (document == QLatin1String("certificate")) {
        QCOMPARE(resultsScreen().nameBox->Text(), QStringLiteral("Megan Pritchard"));
        QCOMPARE(resultsScreen().entryButtons[ResultsScreen::CertificateOrWrongAnswersEntry]->Caption(),
                 QStringLiteral("Print Certificate"));
    } else if (document == QLatin1String("guide")) {
        QCOMPARE(guidePager().pageCounterLine->Caption(), QStringLiteral("Page 2 of 5"));
    }

    // With the fault gone, the same entry prints.
    fakeServices().messages.clear();
    click(reached.print);
    settle();
    QVERIFY(PrinterSurface::lastJobId() > lastJob);
    QVERIFY(!shownPrompts().contains(kProblem));
}

QTEST_MAIN(PrintFailuresTest)
#include "tst_printfailures.moc"
