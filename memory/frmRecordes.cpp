#include "frmRecordes.h"

#include "msgbox.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBoundaryFinder>
#include <QVBoxLayout>
#include <QValidator>

using Recordes::Entrada;
using Recordes::Nivel;

frmRecordes::frmRecordes(const Tabelas &tabelas, Nivel mostrado,
                         std::function<QList<Entrada>(Nivel)> limpa, QWidget *parent)
    : QDialog(parent), m_limpa(std::move(limpa))
{
    setObjectName(QStringLiteral("frmRecordes"));
    setWindowTitle(tr("Recordes"));
    tabNivel = new QTabWidget(this);
    tabNivel->setObjectName(QStringLiteral("tabNivel"));
    for (int i = 0; i < 4; ++i) {
        auto *grade = new QTableWidget(0, 3, tabNivel);
        grade->setObjectName(QStringLiteral("grdRecordes%1").arg(i));
        grade->setAccessibleName(
            tr("Recordes do nível %1").arg(Recordes::nome(Recordes::Niveis[i])));
        grade->setHorizontalHeaderLabels({tr("Nome"), tr("Sequências"), tr("Data")});
        grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grade->setSelectionBehavior(QAbstractItemView::SelectRows);
        grade->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        grade->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
        grade->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
        grdRecordes[i] = grade;
        tabNivel->addTab(grade, Recordes::nome(Recordes::Niveis[i]));
        MostraTabela(i, tabelas[i]);
    }
    tabNivel->setCurrentIndex(int(mostrado));

    auto *botoes = new QDialogButtonBox(this);
    QPushButton *cmdLimpar = botoes->addButton(tr("&Limpar"), QDialogButtonBox::ResetRole);
    cmdLimpar->setObjectName(QStringLiteral("cmdLimpar"));
    connect(cmdLimpar, &QPushButton::clicked, this, &frmRecordes::cmdLimpar_Click);
    QPushButton *cmdFechar = botoes->addButton(tr("&Fechar"), QDialogButtonBox::RejectRole);
    cmdFechar->setObjectName(QStringLiteral("cmdFechar"));
    connect(cmdFechar, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabNivel);
    layout->addWidget(botoes);
    resize(440, 280);
}

void frmRecordes::cmdLimpar_Click()
{
    const int nivel = tabNivel->currentIndex();
    const QString pergunta = tr("Apagar os recordes do nível %1?").arg(tabNivel->tabText(nivel));
    if (MsgBox::show(pergunta, MsgBox::YesNo + MsgBox::Information, windowTitle()) != MsgBox::Yes)
        return;
    MostraTabela(nivel, m_limpa(Recordes::Niveis[nivel]));
}

void frmRecordes::MostraTabela(int nivel, const QList<Entrada> &tabela)
{
    QTableWidget *grade = grdRecordes[nivel];
    grade->setRowCount(int(tabela.size()));
    const int novo = Recordes::maisRecente(tabela);
    for (int linha = 0; linha < tabela.size(); ++linha) {
        const Entrada &entrada = tabela[linha];
        const QList<QString> textos = {
            entrada.nome, QString::number(entrada.pontos),
            entrada.quando.isValid() ? QLocale(QLocale::Portuguese, QLocale::Brazil)
                                           .toString(entrada.quando.date(), QLocale::ShortFormat)
                                     : QStringLiteral("–")};
        for (int coluna = 0; coluna < 3; ++coluna) {
            auto *celula = new QTableWidgetItem(textos[coluna]);
            if (coluna == 1)
                celula->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (linha == novo) {
                QFont negrito = celula->font();
                negrito.setBold(true);
                celula->setFont(negrito);
            }
            grade->setItem(linha, coluna, celula);
        }
        if (linha == novo) {
            // Bold is lost on a screen reader: the newest says so in words.
            grade->item(linha, 0)->setText(entrada.nome + QStringLiteral(" ★"));
            grade->item(linha, 0)->setData(Qt::AccessibleTextRole,
                                           entrada.nome + tr(", o mais recente"));
            grade->item(linha, 0)->setToolTip(tr("O mais recente"));
        }
    }
    grade->setVerticalHeaderLabels({tr("1º"), tr("2º"), tr("3º"), tr("4º"), tr("5º")});
}

namespace PerguntaNome {

namespace {

std::function<QString(const QString &)> &responder()
{
    static std::function<QString(const QString &)> instance;
    return instance;
}

// Refuses a keystroke that would make the name longer than the table keeps,
// counting characters as the player sees them.
class ValidaNome : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &texto, int &) const override
    {
        QTextBoundaryFinder fronteiras(QTextBoundaryFinder::Grapheme, texto);
        int letras = 0;
        while (fronteiras.toNextBoundary() >= 0)
            ++letras;
        return letras <= Recordes::MaiorNome ? Acceptable : Invalid;
    }
};

} // namespace

void setResponder(std::function<QString(const QString &)> r)
{
    responder() = std::move(r);
}

QString pergunta(const QString &proposta, QWidget *parent)
{
    QString digitado = proposta;
    if (responder()) {
        digitado = responder()(proposta);
    } else {
        QInputDialog dialogo(parent);
        dialogo.setObjectName(QStringLiteral("frmNome"));
        dialogo.setWindowTitle(QCoreApplication::translate("frmRecordes", "Memory"));
        dialogo.setLabelText(QCoreApplication::translate("frmRecordes", "Seu nome:"));
        dialogo.setTextValue(proposta);
        dialogo.setOkButtonText(QCoreApplication::translate("frmRecordes", "OK"));
        dialogo.setCancelButtonText(QCoreApplication::translate("frmRecordes", "Cancelar"));
        if (auto *caixa = dialogo.findChild<QLineEdit *>()) {
            caixa->setValidator(new ValidaNome(caixa));
            caixa->setAccessibleName(QCoreApplication::translate("frmRecordes", "Seu nome"));
        }
        // Closed without OK, the name offered stands: the entry is already in.
        if (dialogo.exec() == QDialog::Accepted)
            digitado = dialogo.textValue();
    }
    const QString nome = Recordes::limpaNome(digitado);
    return nome.isEmpty() ? Recordes::anonimo() : nome;
}

} // namespace PerguntaNome
