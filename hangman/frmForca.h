#pragma once

#include "baralho.h"
#include "figura.h"
#include "form.h"
#include "palavras.h"

#include <QColor>
#include <QList>
#include <array>
#include <cstdint>
#include <memory>

class Image;
class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSettings;

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
    void cmdDica_Click();
    void cmdLetra_Click(int Index);
    void txtPalavra_KeyPress(int &KeyAscii);
    void mnunovo_Click() { cmdNovo_Click(); }
    void mnuinicio_Click() { cmdInicio_Click(); }
    void mnusair_Click() { cmdSair_Click(); }
    void mnudica_Click() { cmdDica_Click(); }
    void mnudupla_Click();
    void mnusolitario_Click();
    void mnucategoria_Click(int Index);
    void mnuplacar_Click();
    void mnufigura_Click();

    bool palavraCompleta(int tamanho) const;
    void mostraLetra(int posicao, const QString &letra, const QColor &cor = Qt::white);
    void montaCategorias();
    int categoriaEscolhida() const;
    void carregaCategoria(int Index);
    void avisaPuladas(int Index);
    void colaPalavra();
    void sorteiaPalavra();
    void habilitaDica(bool habilitada);
    void escondeDica();
    void MostraFigura(bool ganhou);
    bool partidaGanha() const;

    QLineEdit *txtPalavra;
    QPushButton *cmdSair;
    QPushButton *cmdInicio;
    QPushButton *cmdNovo;
    std::array<QPushButton *, 26> cmdLetra;
    Image *Image1;
    std::array<Image *, 8> imgBoneco;
    std::array<Image *, 8> imgFlor;
    std::array<QLabel *, 8> lblLetra;
    QAction *mnuinicio;
    QAction *mnudupla;
    QAction *mnusolitario;
    QAction *mnuforca;
    QAction *mnuflor;
    QMenu *mnucategoria;
    QActionGroup *grupoCategoria;
    QLabel *lblCategoria;
    QPushButton *cmdDica;
    QAction *mnudica;
    QLabel *lblDica;

    // Wrong guesses of the game in play, and the next figure part to show.
    std::uint8_t erros = 0;
    // Every category the menu offers, and the words of the chosen one once it
    // is chosen or played.
    QList<Palavras::Categoria> categorias;
    std::shared_ptr<const Palavras::Lista> palavras;
    // The chosen category's deck, made at its first solo game.
    std::unique_ptr<Baralho> baralho;
    // The scoreboard row of the game in play: its category, or empty for two
    // players. Taken at the start, since the mode may change during the game.
    QString categoriaPartida;
    // Whether the game in play was helped by its hint: such a win is counted apart.
    bool dicaUsada = false;

    friend class HangmanTest;
};
