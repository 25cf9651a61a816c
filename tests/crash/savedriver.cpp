// A teacher who never stops: saves worksheets through the wizard and now and
// then deletes one in the catalogue, with real clicks and key strokes, until
// killed or until it has taken the number of steps given.
//
//   terralore-savedriver <data folder> <journal> [steps]
//
// Before each save or deletion it appends "intent <seq> save|delete <title>"
// to the journal, and after the program confirmed success "done <seq>",
// each line written whole and synced, so a checker knows after a kill which
// versions of each file are acceptable. The same lines go to standard output
// ("ready" once started; "done" carries the step's time in microseconds).
// Exits 0 after the given steps, 2 on bad arguments, 3 when the program did
// not confirm a step.
#include "SaveScript.h"

#include "DataFolder.h"
#include "FakeServices.h"
#include "Fonts.h"
#include "MainMenu.h"
#include "Stage.h"
#include "WorksheetCatalogue.h"
#include "WorksheetWizard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace terralore;
using namespace terralore::test;

namespace {

class Journal {
public:
    explicit Journal(const QString &path)
    {
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : existing.readAll().split('\n')) {
                const QList<QByteArray> words = line.split(' ');
                if (words.size() >= 2)
                    m_lastSeq = qMax(m_lastSeq, words[1].toInt());
            }
        }
        m_fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT, 0644);
    }
    ~Journal()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Journal(const Journal &) = delete;
    Journal &operator=(const Journal &) = delete;
    bool isOpen() const { return m_fd >= 0; }
    int lastSeq() const { return m_lastSeq; }

    // One write per line, so a kill never leaves half a line; synced before
    // the step it announces begins.
    void append(const QString &line)
    {
        const QByteArray bytes = line.toUtf8() + '\n';
        if (::write(m_fd, bytes.constData(), size_t(bytes.size())) != bytes.size() || ::fsync(m_fd) != 0) {
            std::fputs("journal write failed\n", stderr);
            std::exit(3);
        }
    }

private:
    int m_fd = -1;
    int m_lastSeq = -1;
};

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

[[noreturn]] void giveUp(Journal &journal, int seq, const QStringList &prompts)
{
    journal.append(QStringLiteral("failed %1 %2").arg(seq).arg(prompts.join(QLatin1Char('|'))));
    std::fprintf(stderr, "step %d was not confirmed: %s\n", seq, qPrintable(prompts.join(QLatin1Char('|'))));
    std::exit(3);
}

void announce(Journal &journal, int seq, const char *operation, const QString &title)
{
    const QString line = QStringLiteral("intent %1 %2 %3").arg(seq).arg(QLatin1String(operation), title);
    journal.append(line);
    say(line);
    fakeServices().messages.clear();
}

void confirm(Journal &journal, int seq, const QElapsedTimer &clock)
{
    journal.append(QStringLiteral("done %1").arg(seq));
    say(QStringLiteral("done %1 %2").arg(seq).arg(clock.nsecsElapsed() / 1000));
}

// From the menu: the wizard, ten questions, "Save Worksheet", "Exit".
void saveStep(Journal &journal, int seq)
{
    click(mainMenu().entryButtons[17]);
    WorksheetWizard &w = worksheetWizard();
    const QString title = titleForSave(seq);
    typeWorksheet(w, title, questionsForSave(seq));
    announce(journal, seq, "save", title);
    QElapsedTimer clock;
    clock.start();
    click(w.entryButtons[1]);
    // A recurring title is replaced, after the question the OK answers.
    if (shownPrompts().value(shownPrompts().size() - 1) != kSaved || shownPrompts().size() > 2)
        giveUp(journal, seq, shownPrompts());
    confirm(journal, seq, clock);
    click(w.entryButtons[0]);
    settle();
}

// From the menu: the catalogue, "Delete Worksheet", a title, OK, "Exit".
void deleteStep(Journal &journal, int seq)
{
    click(mainMenu().entryButtons[18]);
    settle();
    WorksheetCatalogue &c = worksheetCatalogue();
    int listed = 0;
    while (listed < 24 && c.titleButtons[listed + 1]->isVisible())
        ++listed;
    if (listed > 0) {
        tick(c.deleteModeTick);
        Label *slot = c.titleButtons[slotForDeletion(seq, listed)];
        const QString title = slot->Caption();
        announce(journal, seq, "delete", title);
        QElapsedTimer clock;
        clock.start();
        click(slot);
        const QStringList asked = {QStringLiteral("Are you sure that you want to delete the worksheet ") + title +
                                   QLatin1Char('?')};
        if (shownPrompts() != asked)
            giveUp(journal, seq, shownPrompts());
        confirm(journal, seq, clock);
    }
    click(c.titleButtons[0]);
    settle();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TERRALORE_NO_AUDIO", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Terralore"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fputs("usage: terralore-savedriver <data folder> <journal> [steps]\n", stderr);
        return 2;
    }
    qputenv("TERRALORE_DATA", QFile::encodeName(args[1]));
    const int steps = args.size() > 3 ? args[3].toInt() : -1;
    Journal journal(args[2]);
    if (!journal.isOpen() || prepareDataFolder().isEmpty()) {
        std::fputs("cannot open the journal or the data folder\n", stderr);
        return 2;
    }
    registerFonts();
    Stage &stage = Stage::instance();
    FakeServices::install();
    stage.setHomeScreen([] { mainMenu().Show(); });
    stage.resize(1024, 768);
    stage.show();
    if (!QTest::qWaitForWindowExposed(&stage))
        return 2;
    session().soundOn = true;
    mainMenu().Show();
    QApplication::setActiveWindow(&stage);
    settle();
    say(QStringLiteral("ready"));
    for (int seq = journal.lastSeq() + 1, taken = 0; steps < 0 || taken < steps; ++seq, ++taken) {
        if (stepDeletes(seq))
            deleteStep(journal, seq);
        else
            saveStep(journal, seq);
    }
    return 0;
}
