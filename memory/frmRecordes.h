#pragma once

#include "recordes.h"

#include <QDialog>
#include <array>
#include <functional>

class QTabWidget;
class QTableWidget;

// "Jogo → Recordes…": the four levels' top fives, one tab each, in tables a
// screen reader reads cell by cell. "Limpar" empties the level shown, once
// the player says yes.
class frmRecordes : public QDialog
{
    Q_OBJECT

public:
    using Tabelas = std::array<QList<Recordes::Entrada>, 4>;

    // `limpa` forgets a level's table for good and returns what is left of
    // it (nothing, unless the file could not be written).
    frmRecordes(const Tabelas &tabelas, Recordes::Nivel mostrado,
                std::function<QList<Recordes::Entrada>(Recordes::Nivel)> limpa,
                QWidget *parent = nullptr);

private:
    void cmdLimpar_Click();
    void MostraTabela(int nivel, const QList<Recordes::Entrada> &tabela);

    QTabWidget *tabNivel;
    std::array<QTableWidget *, 4> grdRecordes;
    std::function<QList<Recordes::Entrada>(Recordes::Nivel)> m_limpa;

    friend class MemoryTest;
};

// "Seu nome:", asked when a game enters its level's top five, with `proposta`
// filled in; Enter keeps it. Returns the name typed, cleaned, or Anônimo.
namespace PerguntaNome {

QString pergunta(const QString &proposta, QWidget *parent);

// Tests answer in place of the player: the function gets the name offered and
// returns what was typed. An empty function restores the real dialog.
void setResponder(std::function<QString(const QString &)> responder);

} // namespace PerguntaNome
