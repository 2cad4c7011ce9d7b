// The language Zelvo speaks on a given desktop, and the word lists it carries
// for the languages it has.

#include "idioma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextStream>

namespace {

const char ChildOption[] = "--idioma-do-sistema";

// What a child process of this test sees as the desktop's languages, and the
// language Zelvo takes from them, when started with these settings
// ("LANG=fr_FR.UTF-8"...) in place of the test's own.
QStringList underEnvironment(const QStringList &settings)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QString::fromLatin1(name));
    for (const QString &setting : settings)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ChildOption)});
    if (!child.waitForFinished() || child.exitCode() != 0)
        return {};
    return QString::fromUtf8(child.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Lower case, accents and tildes dropped: "Ñandú" and "nandu" are one word to
// a child reading a hint.
QString folded(const QString &text)
{
    QString plain;
    for (QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain.append(c.toLower());
    }
    return plain;
}

// The lines of a list that carry something, with their line numbers.
QList<std::pair<int, QString>> entries(const QString &path)
{
    QList<std::pair<int, QString>> lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return lines;
    QTextStream in(&file);
    for (int number = 1; !in.atEnd(); ++number) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            lines.append({number, line});
    }
    return lines;
}

} // namespace

class IdiomaTest : public QObject
{
    Q_OBJECT

private slots:
    void followsTheDesktopLanguage_data();
    void followsTheDesktopLanguage();
    void wordListsKeepTheirRules_data();
    void wordListsKeepTheirRules();
};

void IdiomaTest::followsTheDesktopLanguage_data()
{
    QTest::addColumn<QString>("environment");
    // What Qt 6.4 on Linux makes of the settings: each row's list is checked
    // against Qt below, so the choice is tried on real input.
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");

    using L = QStringList;
    QTest::newRow("pt_BR") << "LANG=pt_BR.UTF-8" << L{"pt-BR", "pt-Latn-BR", "pt"} << "pt_BR";
    QTest::newRow("pt_PT") << "LANG=pt_PT.UTF-8" << L{"pt-PT", "pt-Latn-PT"} << "pt_BR";
    QTest::newRow("en_US") << "LANG=en_US.UTF-8" << L{"en-US", "en-Latn-US", "en"} << "en";
    QTest::newRow("en_GB") << "LANG=en_GB.UTF-8" << L{"en-GB", "en-Latn-GB"} << "en";
    QTest::newRow("es_MX") << "LANG=es_MX.UTF-8" << L{"es-MX", "es-Latn-MX"} << "es";
    QTest::newRow("fr_FR") << "LANG=fr_FR.UTF-8" << L{"fr-FR", "fr-Latn-FR", "fr"} << "pt_BR";
    QTest::newRow("LANGUAGE=fr:es")
        << "LANG=fr_FR.UTF-8 LANGUAGE=fr:es"
        << L{"fr", "fr-Latn-FR", "fr-FR", "es", "es-Latn-ES", "es-ES"} << "es";
    // Both are had: the user's order decides, not Zelvo's.
    QTest::newRow("LANGUAGE=es:en")
        << "LANG=en_US.UTF-8 LANGUAGE=es:en"
        << L{"es", "es-Latn-ES", "es-ES", "en", "en-Latn-US", "en-US"} << "es";
    QTest::newRow("C") << "LANG=C" << L{"C"} << "pt_BR";
}

void IdiomaTest::followsTheDesktopLanguage()
{
    QFETCH(QString, environment);
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);

    QCOMPARE(Idioma::escolhe(uiLanguages, Idioma::disponiveis()), chosen);
    const QStringList child = underEnvironment(environment.split(QLatin1Char(' ')));
    QCOMPARE(child, QStringList({uiLanguages.join(QLatin1Char(' ')), chosen}));
}

void IdiomaTest::wordListsKeepTheirRules_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("letters");
    QTest::newRow("en") << "en"
                        << "[A-Z]";
    // The accents and the tilde stay on the board; their buttons are the
    // plain letters.
    QTest::newRow("es") << "es"
                        << "[A-ZÁÉÍÓÚÜÑ]";
}

void IdiomaTest::wordListsKeepTheirRules()
{
    QFETCH(QString, folder);
    QFETCH(QString, letters);
    const QDir dir(QStringLiteral(ZELVO_PALAVRAS_DIR "/") + folder);
    const QRegularExpression entry(QStringLiteral("^(%1{3,8}) \\| (.{1,50})$").arg(letters));
    const QRegularExpression category(QStringLiteral("^([a-z-]+) \\| .+$"));

    QStringList problems;
    QStringList listed;
    for (const auto &[number, line] : entries(dir.filePath(QStringLiteral("categorias.txt")))) {
        const QRegularExpressionMatch match = category.match(line);
        if (match.hasMatch())
            listed.append(match.captured(1) + QStringLiteral(".txt"));
        else
            problems.append(QStringLiteral("categorias.txt:%1: %2").arg(number).arg(line));
    }
    QVERIFY2(listed.size() >= 8, qPrintable(QString::number(listed.size())));
    QStringList files = dir.entryList({QStringLiteral("*.txt")}, QDir::Files);
    files.removeOne(QStringLiteral("categorias.txt"));
    listed.sort();
    QCOMPARE(files, listed);

    for (const QString &file : std::as_const(files)) {
        const auto lines = entries(dir.filePath(file));
        if (lines.size() < 40)
            problems.append(QStringLiteral("%1: only %2 words").arg(file).arg(lines.size()));
        QSet<QString> seen;
        for (const auto &[number, line] : lines) {
            const QString where = QStringLiteral("%1:%2: %3").arg(file).arg(number).arg(line);
            const QRegularExpressionMatch match = entry.match(line);
            if (!match.hasMatch()) {
                problems.append(where);
                continue;
            }
            const QString word = match.captured(1);
            const QString hint = folded(match.captured(2));
            if (hint.contains(folded(word).left(4)))
                problems.append(where + QStringLiteral(" (the hint gives the word away)"));
            if (seen.contains(word))
                problems.append(where + QStringLiteral(" (twice)"));
            seen.insert(word);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

int main(int argc, char *argv[])
{
    // Qt reads the desktop's languages once per process, so each setting is
    // tried in a child of this test.
    if (argc == 2 && qstrcmp(argv[1], ChildOption) == 0) {
        QCoreApplication app(argc, argv);
        QTextStream(stdout) << QLocale::system().uiLanguages().join(QLatin1Char(' ')) << '\n'
                            << Idioma::doSistema() << '\n';
        return 0;
    }
    QCoreApplication app(argc, argv);
    IdiomaTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_idioma.moc"
