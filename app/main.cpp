#include "frmZelvo.h"
#include "image.h"
#include "msgbox.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(MsgBox::ProgramTitle);
    // Lets the desktop match the windows to the installed menu entry.
    QApplication::setDesktopFileName(QStringLiteral("org.zelvo.zelvo"));
    // The windows colour their buttons through the palette, which some desktop
    // styles ignore; Fusion draws them as designed everywhere.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(Image::icon(QStringLiteral(":/pictures/zelvo-icon.svg")));

    auto *launcher = new frmZelvo;
    launcher->Form_Load();
    launcher->show();
    return app.exec();
}
