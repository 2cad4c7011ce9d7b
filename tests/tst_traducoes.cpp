// Every window in every language: each text fits the control it is in, since
// the windows keep their sizes whatever the language.

#include "frmForca.h"
#include "frmMemory.h"
#include "frmPlacar.h"
#include "frmRecordes.h"
#include "frmZelvo.h"
#include "idioma.h"
#include "settings.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

class TraducoesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textsFitTheirControls_data();
    void textsFitTheirControls();

private:
    QTemporaryDir settingsDir;
};

namespace {

QString traduzido(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

// Where a control's text goes, and the text without its accelerator mark.
QRect room(QWidget *control)
{
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    return control->contentsRect();
}

QString shown(const QString &text)
{
    QString plain = text;
    return plain.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The texts of `root`'s labels, buttons and check boxes that overflow them.
QStringList overflowing(QWidget *root)
{
    QStringList faults;
    for (QWidget *control : root->findChildren<QWidget *>()) {
        QString text;
        bool wraps = false;
        if (auto *label = qobject_cast<QLabel *>(control)) {
            text = label->text();
            wraps = label->wordWrap();
        } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            text = button->text();
        }
        text = shown(text);
        if (text.isEmpty())
            continue;
        const QRect space = room(control);
        const QFontMetrics metrics = control->fontMetrics();
        const bool fits =
            wraps ? metrics.boundingRect(space, Qt::TextWordWrap, text).height() <= space.height()
                  : metrics.horizontalAdvance(text) <= space.width() &&
                        metrics.height() <= space.height() + 2;
        if (!fits)
            faults << QStringLiteral("%1 \"%2\"").arg(control->objectName(), text);
    }
    return faults;
}

} // namespace

void TraducoesTest::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    Settings::setFileForTesting(settingsDir.filePath(QStringLiteral("Zelvo.conf")));
}

void TraducoesTest::textsFitTheirControls_data()
{
    QTest::addColumn<QString>("idioma");
    for (const QString &idioma : Idioma::disponiveis())
        QTest::newRow(qPrintable(idioma)) << idioma;
}

void TraducoesTest::textsFitTheirControls()
{
    QFETCH(QString, idioma);
    QTranslator traducao;
    if (idioma != Idioma::Original) {
        QVERIFY(traducao.load(QStringLiteral(":/i18n/zelvo_%1.qm").arg(idioma)));
        QCoreApplication::installTranslator(&traducao);
    }
    Idioma::usa(idioma);
    MsgBoxAnswers answers;
    QStringList faults;

    frmZelvo launcher;
    launcher.Form_Load();
    launcher.show();
    faults << overflowing(&launcher);

    // The hangman with every category of the language named above the word,
    // and a hint shown.
    frmForca forca;
    forca.Form_Load();
    forca.show();
    forca.findChild<QAction *>(QStringLiteral("mnusolitario"))->trigger();
    auto *categoria = forca.findChild<QMenu *>(QStringLiteral("mnucategoria"));
    for (QAction *lista : categoria->actions()) {
        lista->trigger();
        forca.findChild<QPushButton *>(QStringLiteral("cmdInicio"))->click();
        faults << overflowing(&forca);
    }

    frmMemory memory;
    memory.Form_Load();
    memory.show();
    faults << overflowing(&memory);
    // The status line and the counts, with the texts a game gives them.
    const std::pair<QString, QString> jogadas[] = {
        {QStringLiteral("lblEstado"), traduzido("frmMemory", "Observe…")},
        {QStringLiteral("lblEstado"), traduzido("frmMemory", "Sua vez!")},
        {QStringLiteral("lblSequencia"), traduzido("frmMemory", "Sequência: %1").arg(255)},
        {QStringLiteral("lblRecorde"), traduzido("frmMemory", "Recorde: %1").arg(255)}};
    for (const auto &[nome, texto] : jogadas) {
        memory.findChild<QLabel *>(nome)->setText(texto);
        faults << overflowing(&memory);
    }

    QStringList nomes;
    for (const Palavras::Categoria &lista : Palavras::embutidas(idioma))
        nomes << lista.nome;
    frmPlacar placar(nomes);
    placar.show();
    faults << overflowing(&placar);
    frmRecordes recordes({}, Recordes::Nivel::Normal,
                         [](Recordes::Nivel) { return QList<Recordes::Entrada>(); });
    recordes.show();
    faults << overflowing(&recordes);

    QCoreApplication::removeTranslator(&traducao);
    Idioma::usa(QString(Idioma::Original));
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

QTEST_MAIN(TraducoesTest)
#include "tst_traducoes.moc"
