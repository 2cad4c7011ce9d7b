#include "frmZelvo.h"
#include "idioma.h"
#include "image.h"
#include "msgbox.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Zelvo's texts and Qt's own (the word box's menu, standard buttons, the
// usage line of --help) in the desktop's language, when Zelvo has it. The
// original needs no file of ours; without Qt's file its texts stay English.
void instalaTraducoes()
{
    static QTranslator zelvo;
    static QTranslator qtbase;
    const QString idioma = Idioma::doSistema();
    Idioma::usa(idioma);
    if (idioma != Idioma::Original &&
        zelvo.load(QStringLiteral("zelvo_%1").arg(idioma), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&zelvo);
    if (qtbase.load(QStringLiteral("qtbase_%1").arg(idioma),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtbase);
}

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
    // Keeps -reverse and the like whole instead of a cluster of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Qt's --help-all would list only the options of a program without
    // windows, since no QApplication exists yet: -h and --help stand alone.
    QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(arguments);
    if (parser.isSet(version))
        parser.showVersion();
    if (parser.isSet(help)) {
        // Only a running application gives the usage line the program's name
        // and takes translations, so the help is written out only now.
        const QCoreApplication named(argc, argv);
        instalaTraducoes();
        QCommandLineParser usage;
        usage.setApplicationDescription(QCoreApplication::translate(
            "main", "Jogo da forca e um jogo de memória com cores e sons."));
        help.setDescription(QCoreApplication::translate("main", "Mostra esta ajuda e sai."));
        usage.addOption(help);
        usage.addVersionOption();
        usage.showHelp();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(MsgBox::ProgramTitle);
    QApplication::setApplicationVersion(QStringLiteral(ZELVO_VERSION));
    answerCommandLine(argc, argv);
    QApplication app(argc, argv);
    instalaTraducoes();
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
