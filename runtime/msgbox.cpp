#include "msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace MsgBox {

namespace {
Responder &responder()
{
    static Responder instance;
    return instance;
}
} // namespace

void setResponder(Responder r)
{
    responder() = std::move(r);
}

int show(const QString &prompt, int buttons, const QString &title)
{
    const Question question{prompt, buttons, title.isEmpty() ? ProgramTitle : title};
    if (responder())
        return responder()(question);

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(question.title);
    box.setText(prompt);
    if (buttons & Critical)
        box.setIcon(QMessageBox::Critical);
    else if (buttons & Information)
        box.setIcon(QMessageBox::Information);

    if ((buttons & 7) == YesNo) {
        QPushButton *yes =
            box.addButton(QApplication::translate("MsgBox", "&Sim"), QMessageBox::YesRole);
        box.addButton(QApplication::translate("MsgBox", "&Não"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes ? Yes : No;
    }
    box.setDefaultButton(
        box.addButton(QApplication::translate("MsgBox", "OK"), QMessageBox::AcceptRole));
    box.exec();
    return OK;
}

} // namespace MsgBox
