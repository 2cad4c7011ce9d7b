#include "frmZelvo.h"
#include "msgbox.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(MsgBox::ProgramTitle);
    // Qt's own texts (the word box's menu, standard buttons) in Portuguese
    // whatever the locale; without the file they stay English.
    QTranslator qtbase;
    if (qtbase.load(QStringLiteral("qtbase_pt_BR"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtbase);
    // Lets the desktop match the windows to the installed menu entry.
    QApplication::setDesktopFileName(QStringLiteral("org.zelvo.zelvo"));
    // The windows colour their buttons through the palette, which some desktop
    // styles ignore; Fusion draws them as designed everywhere.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/zelvo-icon.svg")));

    auto *launcher = new frmZelvo;
    launcher->Form_Load();
    launcher->show();
    return app.exec();
}
