#include "MessageBox.h"

#include "BoundedLog.h"

#include "Stage.h"

#include <QMessageBox>

namespace terralore {

namespace {
std::function<MsgResult(const ShownMessage &)> g_answerer;
QList<ShownMessage> g_shown;
} // namespace

MsgResult MsgBox(const QString &prompt, MsgButtons buttons)
{
    const ShownMessage message{prompt, buttons};
    appendBounded(g_shown, message);
    if (g_answerer)
        return g_answerer(message);
    QMessageBox box(Stage::exists() ? &Stage::instance() : nullptr);
    box.setWindowTitle(QStringLiteral("Terralore"));
    box.setText(prompt);
    box.setIcon(buttons == MsgButtons::OKCancel ? QMessageBox::Question : QMessageBox::Information);
    box.setStandardButtons(buttons == MsgButtons::OKCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? MsgResult::OK : MsgResult::Cancel;
}

namespace MessageBoxes {

void setAnswerer(std::function<MsgResult(const ShownMessage &)> answerer)
{
    g_answerer = std::move(answerer);
}

const QList<ShownMessage> &shown()
{
    return g_shown;
}

void clear()
{
    g_shown.clear();
}

} // namespace MessageBoxes

} // namespace terralore
