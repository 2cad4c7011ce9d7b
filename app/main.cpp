#include "frmZelvo.h"
#include "image.h"
#include "msgbox.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Answers --help and --version before QApplication exists: they need no
// display, and QApplication ends the program where there is none. Words the
// parser does not know are let through for QApplication, which takes Qt's own
// options (-platform, -style, ...).
void answerCommandLine(int &argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Hangman and a colour-and-sound memory game."));
    // Keeps -reverse and the like whole instead of a cluster of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Qt's --help-all would list only the options of a program without
    // windows, since no QApplication exists yet: -h and --help stand alone.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and exits."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(arguments);
    if (parser.isSet(version))
        parser.showVersion();
    if (parser.isSet(help)) {
        // Only a running application gives the usage line the program's name.
        const QCoreApplication named(argc, argv);
        parser.showHelp();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(MsgBox::ProgramTitle);
    QApplication::setApplicationVersion(QStringLiteral(ZELVO_VERSION));
    answerCommandLine(argc, argv);
    QApplication app(argc, argv);
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
    QApplication::setWindowIcon(Image::icon(QStringLiteral(":/pictures/zelvo-icon.svg")));

    auto *launcher = new frmZelvo;
    launcher->Form_Load();
    launcher->show();
    return app.exec();
}
