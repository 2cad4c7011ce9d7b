#pragma once

#include "form.h"
#include "recordes.h"
#include "sounddevice.h"

#include <QList>
#include <array>
#include <cstdint>
#include <memory>

class Image;
class MMControl;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
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

    // The longest sequence the game plays: its positions still fit the 8-bit
    // counters one past the last pad.
    static constexpr int MaiorSequencia = 255;

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

    // Beside the game: its score and records, and the player's options.
    void mnuNivel_Click();
    void mnuRecordes_Click();
    void mnuSom_Click();
    void mnuNumeros_Click();
    void tmrRecorde_Timer();
    void tmrVez_Timer();
    void ComecaVez();
    void FimDeJogo(int linha);
    int RegistraPontos(int pontos);
    void MostraRecorde();
    void MostraNumeros();
    void MostraEstado(const QString &estado);
    Recordes::Nivel NivelEscolhido() const;
    QList<Recordes::Entrada> LimpaTabela(Recordes::Nivel nivel);

    MMControl *mmcSons;
    Timer *tmrPisca;
    Timer *tmrSort;
    Timer *tmrRecorde;
    Timer *tmrVez;
    QPushButton *cmdSair;
    QPushButton *cmdInicio;
    QLabel *lblSequencia;
    QLabel *lblRecorde;
    QLabel *lblEstado;
    std::array<QLabel *, 4> lblNumeroEscura;
    std::array<QLabel *, 4> lblNumeroClara;
    std::array<Image *, 4> imgEscura;
    std::array<Image *, 4> imgClara;
    QMenu *mnuNivel;
    QActionGroup *grpNivel;
    QAction *mnuRecordes;
    QAction *mnuSom;
    QAction *mnuNumeros;

    QList<std::int16_t> Sequencia;
    std::uint8_t Nivel = 0;
    std::uint8_t PosMostra = 0;
    std::uint8_t TeclaClicada = 0;
    bool VezJogador = false;
    std::uint8_t PassoJogador = 0;
    // Each level's top five. They live here too, so records the settings file
    // refuses are kept this run.
    std::array<QList<Recordes::Entrada>, 4> Tabelas;

    friend class MemoryTest;
};
