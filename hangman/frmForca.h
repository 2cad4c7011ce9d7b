#pragma once

#include "form.h"

#include <array>
#include <cstdint>

class Image;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

// The hangman: one player types a secret word (or the program draws one), the
// other guesses it letter by letter while the figure grows on the gallows.
class frmForca : public Form
{
    Q_OBJECT

public:
    explicit frmForca(QWidget *parent = nullptr);

    void Form_Load();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void IniciaPartida();
    void cmdNovo_Click();
    void cmdInicio_Click();
    void cmdSair_Click();
    void cmdLetra_Click(int Index);
    void txtPalavra_KeyPress(int &KeyAscii);
    void mnunovo_Click() { cmdNovo_Click(); }
    void mnuinicio_Click() { cmdInicio_Click(); }
    void mnusair_Click() { cmdSair_Click(); }
    void mnudupla_Click();
    void mnusolitario_Click();

    bool palavraCompleta(int tamanho) const;
    void mostraLetra(int posicao, const QString &letra);

    QLineEdit *txtPalavra;
    QPushButton *cmdSair;
    QPushButton *cmdInicio;
    QPushButton *cmdNovo;
    std::array<QPushButton *, 26> cmdLetra;
    std::array<Image *, 8> imgBoneco;
    std::array<QLabel *, 8> lblLetra;
    QAction *mnuinicio;
    QAction *mnudupla;
    QAction *mnusolitario;

    // Wrong guesses of the game in play, and the next figure part to show.
    std::uint8_t erros = 0;
    std::array<QString, 13> palavras;

    friend class HangmanTest;
};
