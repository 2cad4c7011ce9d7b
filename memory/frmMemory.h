#pragma once

#include "form.h"
#include "opcoes.h"
#include "sounddevice.h"

#include <QList>
#include <array>
#include <cstdint>
#include <memory>

class Image;
class MMControl;
class QAction;
class QLabel;
class QPushButton;
class Timer;

// The memory game: the program lights and sounds a growing sequence of pads,
// and the player repeats it by clicking them.
class frmMemory : public Form
{
    Q_OBJECT

public:
    // The sound device plays the pads' sounds; by default the audio output.
    explicit frmMemory(std::unique_ptr<SoundDevice> sons = nullptr, QWidget *parent = nullptr);

    void Form_Load();

    // Where the wave files are found; a bare file name appended to it names one.
    static QString DirSons();

    static constexpr int MaiorSequencia = Opcoes::MaiorSequencia;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void cmdInicio_Click();
    void cmdSair_Click();
    void mnuinicio_Click() { cmdInicio_Click(); }
    void mnusair_Click() { cmdSair_Click(); }
    void imgEscura_Click(int Index);
    void tmrSort_Timer();
    void tmrPisca_Timer();
    void SorteiaTecla();
    void ApagaTecla(int pad);
    void TocaSom(const QString &name);
    void TerminaPisca();

    // Beside the game: its score and record, and the player's options.
    void mnuSom_Click();
    void mnuNumeros_Click();
    void tmrRecorde_Timer();
    void RegistraPontos(int pontos);
    void MostraRecorde();
    void MostraNumeros();

    MMControl *mmcSons;
    Timer *tmrPisca;
    Timer *tmrSort;
    Timer *tmrRecorde;
    QPushButton *cmdSair;
    QPushButton *cmdInicio;
    QLabel *lblSequencia;
    QLabel *lblRecorde;
    std::array<QLabel *, 4> lblNumeroEscura;
    std::array<QLabel *, 4> lblNumeroClara;
    std::array<Image *, 4> imgEscura;
    std::array<Image *, 4> imgClara;
    QAction *mnuSom;
    QAction *mnuNumeros;

    QList<std::int16_t> Sequencia;
    std::uint8_t Nivel = 0;
    std::uint8_t PosMostra = 0;
    std::uint8_t TeclaClicada = 0;
    bool VezJogador = false;
    std::uint8_t PassoJogador = 0;
    // The most sequences one game repeated whole, 0 while there is none. It
    // lives here too, so a record the settings file refuses is kept this run.
    int Recorde = 0;

    friend class MemoryTest;
};
