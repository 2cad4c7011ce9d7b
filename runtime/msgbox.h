#pragma once

#include <QString>
#include <functional>

// The program's only way of speaking to the player: a modal box with a text,
// a set of buttons and a title.
namespace MsgBox {

// Button sets, combined by adding them as the windows' code does (4 + 64 = 68).
enum Style : int
{
    OKOnly = 0,
    YesNo = 4,
    Critical = 16,
    Information = 64,
};

enum Answer : int
{
    OK = 1,
    Yes = 6,
    No = 7,
};

// The title a box shows when it is given none.
inline const QString ProgramTitle = QStringLiteral("Zelvo");

struct Question
{
    QString prompt;
    int buttons = OKOnly;
    QString title;
};

int show(const QString &prompt, int buttons = OKOnly, const QString &title = QString());

// Tests answer in place of the player: the function sees what would have been
// shown and returns the button pressed. An empty function restores real boxes.
using Responder = std::function<int(const Question &)>;
void setResponder(Responder responder);

} // namespace MsgBox
