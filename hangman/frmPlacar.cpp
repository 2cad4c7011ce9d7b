#include "frmPlacar.h"

#include "msgbox.h"
#include "placar.h"
#include "settings.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QStringList colunas()
{
    return {frmPlacar::tr("Categoria"),        frmPlacar::tr("Vitórias"),
            frmPlacar::tr("Derrotas"),         frmPlacar::tr("Sequência"),
            frmPlacar::tr("Melhor sequência"), frmPlacar::tr("Com dica")};
}

// Rows beyond these scroll.
constexpr int LinhasVisiveis = 12;

} // namespace

frmPlacar::frmPlacar(const QStringList &categorias, QWidget *parent)
    : QDialog(parent), categorias(categorias)
{
    setObjectName(QStringLiteral("frmPlacar"));
    setWindowTitle(tr("Placar"));
    // Its size follows its rows: nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    if (parent)
        setWindowIcon(parent->windowIcon());

    lblVazio = new QLabel(tr("Nenhuma partida jogada ainda."), this);
    lblVazio->setObjectName(QStringLiteral("lblVazio"));

    const QStringList titulos = colunas();
    grdPlacar = new QTableWidget(0, int(titulos.size()), this);
    grdPlacar->setObjectName(QStringLiteral("grdPlacar"));
    grdPlacar->setAccessibleName(tr("Placar"));
    grdPlacar->setHorizontalHeaderLabels(titulos);
    grdPlacar->verticalHeader()->hide();
    grdPlacar->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdPlacar->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the buttons; the arrows walk its cells.
    grdPlacar->setTabKeyNavigation(false);
    grdPlacar->setWordWrap(false);
    grdPlacar->setAlternatingRowColors(true);
    grdPlacar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *botoes = new QDialogButtonBox(this);
    cmdZerar = botoes->addButton(tr("&Zerar"), QDialogButtonBox::ResetRole);
    cmdZerar->setObjectName(QStringLiteral("cmdZerar"));
    connect(cmdZerar, &QPushButton::clicked, this, &frmPlacar::cmdZerar_Click);
    QPushButton *cmdFechar = botoes->addButton(tr("&Fechar"), QDialogButtonBox::RejectRole);
    cmdFechar->setObjectName(QStringLiteral("cmdFechar"));
    // Enter closes; clearing takes a click or its access key, and a question.
    cmdZerar->setAutoDefault(false);
    cmdFechar->setDefault(true);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // A dialog, not a designed form: it is laid out to fit whatever rows the
    // file holds, and shrinks when they are cleared.
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(lblVazio);
    layout->addWidget(grdPlacar);
    layout->addWidget(botoes);

    MostraPlacar();
    grdPlacar->setFocus();
}

void frmPlacar::MostraPlacar()
{
    QList<Placar::Linha> linhas = Placar::le(*Settings::open());
    // The menu's order; lists gone from the menu after it, the two players last.
    const auto ordem = [this](const Placar::Linha &linha) {
        const qsizetype i = categorias.indexOf(linha.categoria);
        return linha.categoria.isEmpty() ? categorias.size() + 1 : (i < 0 ? categorias.size() : i);
    };
    std::stable_sort(
        linhas.begin(), linhas.end(),
        [&](const Placar::Linha &a, const Placar::Linha &b) { return ordem(a) < ordem(b); });

    const QStringList titulos = colunas();
    grdPlacar->setRowCount(int(linhas.size()));
    for (int r = 0; r < int(linhas.size()); ++r) {
        const Placar::Linha &linha = linhas[r];
        const Placar::Contagem &c = linha.contagem;
        const QString nome = linha.categoria.isEmpty() ? tr("Dupla") : linha.categoria;
        grdPlacar->setItem(r, 0, new QTableWidgetItem(nome));
        const int valores[] = {c.vitorias, c.derrotas, c.sequencia, c.melhor, c.comDica};
        for (int col = 1; col < int(titulos.size()); ++col) {
            auto *item = new QTableWidgetItem(QString::number(valores[col - 1]));
            item->setTextAlignment(Qt::AlignCenter);
            // Read out with its column, for readers that do not name it.
            item->setData(Qt::AccessibleTextRole,
                          QStringLiteral("%1: %2").arg(titulos[col]).arg(valores[col - 1]));
            grdPlacar->setItem(r, col, item);
        }
    }

    const bool vazio = linhas.isEmpty();
    lblVazio->setVisible(vazio);
    grdPlacar->setVisible(!vazio);
    cmdZerar->setEnabled(!vazio);
    if (vazio)
        return;

    // The table takes the size of what it shows, up to a dozen rows.
    grdPlacar->resizeColumnsToContents();
    grdPlacar->resizeRowsToContents();
    int largura = 2 * grdPlacar->frameWidth();
    for (int col = 0; col < grdPlacar->columnCount(); ++col)
        largura += grdPlacar->columnWidth(col);
    int altura = 2 * grdPlacar->frameWidth() + grdPlacar->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < std::min(grdPlacar->rowCount(), LinhasVisiveis); ++r)
        altura += grdPlacar->rowHeight(r);
    if (grdPlacar->rowCount() > LinhasVisiveis)
        largura += grdPlacar->verticalScrollBar()->sizeHint().width();
    grdPlacar->setFixedSize(largura, altura);
}

void frmPlacar::cmdZerar_Click()
{
    const int resposta =
        MsgBox::show(tr("Deseja zerar o placar? Todas as partidas registradas serão apagadas."),
                     MsgBox::YesNo + MsgBox::Information, tr("Jogo da Forca"));
    if (resposta != MsgBox::Yes)
        return;
    Placar::zera();
    MostraPlacar();
}
