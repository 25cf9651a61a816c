// A teacher who never stops saving and deleting worksheets by clicks and keys.
//   terralore-savedriver <data folder> <journal> [steps]
// Journals "intent <seq> save|delete <title>" and, once confirmed, "done
// <seq>", each line whole and synced, echoed on standard output after "ready"
// ("done" with the step's microseconds). Exits 2 on bad arguments, 3 when a
// step was not confirmed.
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

// One write per line, synced before the step it announces begins; a kill in
// the write may leave the line's start, which is cut off at the next start.
// Also said on standard output, with `extra`.
void record(const QString &line, const QString &extra = {})
{
    const QByteArray bytes = line.toUtf8() + '\n';
    if (::write(journal, bytes.constData(), size_t(bytes.size())) != bytes.size() || ::fsync(journal) != 0) {
        std::fputs("journal write failed\n", stderr);
        std::exit(3);
    }
    std::fputs(qPrintable(line + extra + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

void announce(int seq, const char *operation, const QString &title)
{
    record(QStringLiteral("intent %1 %2 %3").arg(seq).arg(QLatin1String(operation), title));
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
    record(QStringLiteral("done %1").arg(seq), QStringLiteral(" %1").arg(stepClock.nsecsElapsed() / 1000));
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
    QFile::resize(args[2], readFile(args[2]).lastIndexOf('\n') + 1);
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
    std::puts("ready");
    std::fflush(stdout);
    for (int seq = done->isEmpty() ? 0 : done->last().seq + 1, taken = 0; steps < 0 || taken < steps; ++seq, ++taken) {
        if (stepDeletes(seq))
            deleteStep(seq);
        else
            saveStep(seq);
    }
    return 0;
}
