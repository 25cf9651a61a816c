#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace terralore {

enum class MsgButtons { OK, OKCancel };
enum class MsgResult { OK, Cancel };

struct ShownMessage {
    QString prompt;
    MsgButtons buttons;
};

// Every message box of the program goes through here: modal over the stage,
// captioned with the application title. Tests install an answerer, so no
// dialog opens, and read what was shown.
MsgResult MsgBox(const QString &prompt, MsgButtons buttons = MsgButtons::OK);

namespace MessageBoxes {
void setAnswerer(std::function<MsgResult(const ShownMessage &)> answerer);
const QList<ShownMessage> &shown();
void clear();
} // namespace MessageBoxes

} // namespace terralore
