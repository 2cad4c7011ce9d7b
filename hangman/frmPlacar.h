#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QTableWidget;

// "Jogo → Placar": the scoreboard as a table a screen reader reads cell by
// cell, with "Zerar" to clear it.
class frmPlacar : public QDialog
{
    Q_OBJECT

public:
    // The menu's categories, in the menu's order: the rows follow it.
    explicit frmPlacar(const QStringList &categorias, QWidget *parent = nullptr);

private:
    void cmdZerar_Click();
    void MostraPlacar();

    QStringList categorias;
    QTableWidget *grdPlacar;
    QLabel *lblVazio;
    QPushButton *cmdZerar;

    friend class HangmanTest;
};
