// A teacher who never stops: saves worksheets through the wizard and now and
// then deletes one in the catalogue, with real clicks and key strokes, until
// killed or until it has taken the number of steps given.
//
//   terralore-savedriver <data folder> <journal> [steps]
//
// Before each save or deletion it appends "intent <seq> save|delete <title>"
// to the journal, and after the program confirmed success "done <seq>", each
// line written whole and synced, so a checker knows after a kill which
// versions of each file are acceptable. The same lines go to standard output
// ("ready" once started; "done" carries the step's time in microseconds).
// Exits 0 after the given steps, 2 on bad arguments, 3 when the program did
// not confirm a step.
#include "SaveModel.h"

#include "DataFolder.h"
#include "Fonts.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace terralore;
using namespace terralore::test;

namespace {

int journal = -1;
QElapsedTimer stepClock;

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

// One write per line, so a kill never leaves half a line; synced before the
// step it announces begins.
void record(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    if (::write(journal, bytes.constData(), size_t(bytes.size())) != bytes.size() || ::fsync(journal) != 0) {
        std::fputs("journal write failed\n", stderr);
        std::exit(3);
    }
}

void announce(int seq, const char *operation, const QString &title)
{
    const QString line = QStringLiteral("intent %1 %2 %3").arg(seq).arg(QLatin1String(operation), title);
    record(line);
    say(line);
    fakeServices().messages.clear();
    stepClock.start();
}

// Confirms the step when the program showed just these messages.
void confirmIfShown(int seq, const QStringList &expected)
{
    if (shownPrompts() != expected) {
        std::fprintf(stderr, "step %d was not confirmed: %s\n", seq, qPrintable(shownPrompts().join(u'|')));
        std::exit(3);
    }
    record(QStringLiteral("done %1").arg(seq));
    say(QStringLiteral("done %1 %2").arg(seq).arg(stepClock.nsecsElapsed() / 1000));
}

// From the menu: the wizard, ten questions, "Save Worksheet", "Exit".
void saveStep(int seq)
{
    click(mainMenu().entryButtons[MainMenu::WizardEntry]);
    WorksheetWizard &w = worksheetWizard();
    const QString title = titleForSave(seq);
    typeOverWorksheet(w, title, questionsForSave(seq));
    announce(seq, "save", title);
    click(w.entryButtons[WorksheetWizard::SaveEntry]);
    // A title saved before is replaced after a question the OK answers.
    QStringList expected = {kSaved};
    if (shownPrompts().size() == 2)
        expected.prepend(shownPrompts().first());
    confirmIfShown(seq, expected);
    click(w.entryButtons[WorksheetWizard::ExitEntry]);
    settle();
}

// From the menu: the catalogue, "Delete Worksheet", a title, OK, "Exit".
void deleteStep(int seq)
{
    click(mainMenu().entryButtons[MainMenu::CatalogueEntry]);
    settle();
    WorksheetCatalogue &c = worksheetCatalogue();
    if (const QStringList listed = visibleTitles(); !listed.isEmpty()) {
        tick(c.deleteModeTick);
        Label *slot = c.titleButtons[(seq / 5) % listed.size() + 1];
        const QString title = slot->Caption();
        announce(seq, "delete", title);
        click(slot);
        confirmIfShown(
            seq, {QStringLiteral("Are you sure that you want to delete the worksheet ") + title + QLatin1Char('?')});
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
    const auto done = readJournal(args[2]);
    journal = ::open(QFile::encodeName(args[2]).constData(), O_WRONLY | O_APPEND | O_CREAT, 0644);
    if (!done || journal < 0 || prepareDataFolder().isEmpty()) {
        std::fputs("cannot read the journal or open the data folder\n", stderr);
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
    for (int seq = done->isEmpty() ? 0 : done->last().seq + 1, taken = 0; steps < 0 || taken < steps; ++seq, ++taken) {
        if (stepDeletes(seq))
            deleteStep(seq);
        else
            saveStep(seq);
    }
    return 0;
}
