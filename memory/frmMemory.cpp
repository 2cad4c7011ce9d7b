#include "frmMemory.h"

#include "controls.h"
#include "fonts.h"
#include "image.h"
#include "mmcontrol.h"
#include "msgbox.h"
#include "opcoes.h"
#include "settings.h"
#include "sounddevice.h"
#include "system.h"
#include "timer.h"
#include "twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <algorithm>

namespace {

const std::array<QString, 4> SomTecla = {
    QStringLiteral("Plasma.wav"),
    QStringLiteral("Whop.wav"),
    QStringLiteral("Eatghost.wav"),
    QStringLiteral("Jawharp.wav"),
};
const QString SomErro = QStringLiteral("Aah.wav");

const std::array<QString, 4> CorTecla = {
    QStringLiteral("Azul"),
    QStringLiteral("Vermelho"),
    QStringLiteral("Amarelo"),
    QStringLiteral("Verde"),
};

// Pads clockwise from the top left, in twips.
constexpr std::array<std::array<int, 2>, 4> Tecla = {
    {{840, 1080}, {3090, 1080}, {3090, 3330}, {840, 3330}}};

// Reaches the disk before it returns, so a program killed or a machine switched
// off right afterwards keeps it. False when the file could not be written.
bool guarda(const QString &chave, const QVariant &valor)
{
    const auto settings = Settings::open();
    settings->setValue(chave, valor);
    settings->sync();
    if (settings->status() == QSettings::NoError)
        return true;
    qWarning("Memory: %s could not be written to %s", qPrintable(chave),
             qPrintable(settings->fileName()));
    return false;
}

// A pad's key number, drawn as a white figure outlined in black: it reads on
// the dark and on the lit shade of every colour, and being drawn at paint time
// it stays sharp at any scale. Clicks pass through to the pad beneath.
class NumeroTecla : public QLabel
{
public:
    NumeroTecla(int numero, QWidget *pad) : QLabel(QString::number(numero), pad)
    {
        setObjectName(QStringLiteral("lblNumero%1").arg(numero));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFont(Fonts::design(QStringLiteral("Arial Black"), 20));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainterPath figura;
        const QRectF caixa = QFontMetricsF(font()).tightBoundingRect(text());
        figura.addText(QRectF(rect()).center() - caixa.center(), font(), text());
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.strokePath(figura, QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.fillPath(figura, Qt::white);
    }
};

} // namespace

QString frmMemory::DirSons()
{
    // The sounds travel inside the program, so they are found wherever it is
    // started from. ZELVO_SONS may name a folder of replacements.
    const QString folder = qEnvironmentVariable("ZELVO_SONS");
    if (folder.isEmpty())
        return QStringLiteral(":/sons/");
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

frmMemory::frmMemory(std::unique_ptr<SoundDevice> sons, QWidget *parent)
    : Form(QStringLiteral("Memory"), 6420, 6390, Border::FixedSingle, parent)
{
    setObjectName(QStringLiteral("frmMemory"));
    setWindowIcon(Image::icon(QStringLiteral(":/pictures/memory-icon.svg")));
    client()->setAutoFillBackground(true);
    Controls::setColour(client(), QPalette::Window, Qt::white);

    const QColor amarelo(255, 255, 0);
    const QFont fonteBotao = Fonts::design(QStringLiteral("Arial Black"), 9.75);

    // Created back to front: each dark pad lies over its lit one, and the
    // buttons over every picture.
    auto *Label1 = new QLabel(QStringLiteral("J O G O  M E M O R Y"), client());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(Fonts::design(QStringLiteral("Times New Roman"), 27.75, true));
    Controls::setColour(Label1, QPalette::WindowText, QColor(255, 0, 0));
    Label1->adjustSize();
    Twips::place(Label1, 480, 120);

    // A pad is two pictures in one place, its dark one over its lit one. Only
    // one of them shows at a time, so each carries the pad's state in its own
    // accessible description.
    const auto padPicture = [this](const QString &name, int i, const QString &state) {
        auto *picture =
            new Image(QStringLiteral(":/pictures/memory-%1%2.svg").arg(name.toLower()).arg(i),
                      Image::Fit::Natural, client());
        picture->setObjectName(QStringLiteral("img%1%2").arg(name).arg(i));
        picture->setAccessibleName(CorTecla[i]);
        picture->setAccessibleDescription(state);
        Twips::place(picture, Tecla[i][0], Tecla[i][1]);
        return picture;
    };
    for (int i = 0; i < 4; ++i)
        imgClara[i] = padPicture(QStringLiteral("Clara"), i, QStringLiteral("acesa"));
    for (int i = 0; i < 4; ++i) {
        imgEscura[i] = padPicture(QStringLiteral("Escura"), i, QStringLiteral("apagada"));
        imgEscura[i]->setToolTip(
            QStringLiteral("%1: clique ou tecle %2").arg(CorTecla[i]).arg(i + 1));
        connect(imgEscura[i], &Image::clicked, this, [this, i] { imgEscura_Click(i); });
    }

    // Each picture of a pad carries its number, so the number shows and hides
    // with the picture, on the middle of the coloured ring.
    for (int i = 0; i < 4; ++i) {
        const int left = (i == 0 || i == 3) ? 900 : 750;
        const int top = i < 2 ? 900 : 750;
        lblNumeroClara[i] = new NumeroTecla(i + 1, imgClara[i]);
        lblNumeroEscura[i] = new NumeroTecla(i + 1, imgEscura[i]);
        for (QLabel *numero : {lblNumeroClara[i], lblNumeroEscura[i]})
            Twips::place(numero, left, top, 600, 600);
    }

    // The score sits under the toy, where the hidden sound control is: the
    // widest white space, and the eye drops to it from the pads.
    const QFont fontePontos = Fonts::design(QStringLiteral("Times New Roman"), 15.75, true);
    lblSequencia = new QLabel(client());
    lblSequencia->setObjectName(QStringLiteral("lblSequencia"));
    lblSequencia->setFont(fontePontos);
    Controls::setColour(lblSequencia, QPalette::WindowText, QColor(255, 0, 0));
    Twips::place(lblSequencia, 840, 5760, 2250, 495);
    lblSequencia->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblSequencia->hide();

    lblRecorde = new QLabel(client());
    lblRecorde->setObjectName(QStringLiteral("lblRecorde"));
    lblRecorde->setFont(fontePontos);
    Controls::setColour(lblRecorde, QPalette::WindowText, QColor(255, 0, 0));
    Controls::setColour(lblRecorde, QPalette::Window, amarelo);
    Twips::place(lblRecorde, 3090, 5760, 2250, 495);
    lblRecorde->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblRecorde->setContentsMargins(6, 0, 6, 0);
    Recorde = Opcoes::recorde(*Settings::open());
    MostraRecorde();

    cmdInicio = Controls::commandButton(QStringLiteral("&Inicio"), amarelo, fonteBotao, client());
    cmdInicio->setObjectName(QStringLiteral("cmdInicio"));
    Twips::place(cmdInicio, 5040, 1080, 1215, 495);
    connect(cmdInicio, &QPushButton::clicked, this, &frmMemory::cmdInicio_Click);

    cmdSair = Controls::commandButton(QStringLiteral("&Sair"), amarelo, fonteBotao, client());
    cmdSair->setObjectName(QStringLiteral("cmdSair"));
    Twips::place(cmdSair, 5040, 5040, 1215, 495);
    connect(cmdSair, &QPushButton::clicked, this, &frmMemory::cmdSair_Click);

    tmrSort = new Timer(500, false, this);
    tmrSort->setObjectName(QStringLiteral("tmrSort"));
    connect(tmrSort, &Timer::tick, this, &frmMemory::tmrSort_Timer);
    tmrPisca = new Timer(150, false, this);
    tmrPisca->setObjectName(QStringLiteral("tmrPisca"));
    connect(tmrPisca, &Timer::tick, this, &frmMemory::tmrPisca_Timer);
    tmrRecorde = new Timer(2000, false, this);
    tmrRecorde->setObjectName(QStringLiteral("tmrRecorde"));
    connect(tmrRecorde, &Timer::tick, this, &frmMemory::tmrRecorde_Timer);

    mmcSons = new MMControl(std::move(sons), client());
    mmcSons->setObjectName(QStringLiteral("mmcSons"));
    Twips::place(mmcSons, 1320, 5760, 3615, 495);
    mmcSons->hide();

    QMenu *mnujogo = menuBar()->addMenu(QStringLiteral("&Jogo"));
    mnujogo->setObjectName(QStringLiteral("mnujogo"));
    QAction *mnuinicio =
        mnujogo->addAction(QStringLiteral("&Inicio"), this, &frmMemory::mnuinicio_Click);
    mnuinicio->setObjectName(QStringLiteral("mnuinicio"));
    mnuinicio->setShortcut(QKeySequence(Qt::Key_F2));
    mnujogo->addSeparator()->setObjectName(QStringLiteral("mnutracoOpcoes"));
    // F3, beside Inicio's F2: no other key of this window uses it.
    mnuSom = mnujogo->addAction(QStringLiteral("&Som"), this, &frmMemory::mnuSom_Click);
    mnuSom->setObjectName(QStringLiteral("mnuSom"));
    mnuSom->setShortcut(QKeySequence(Qt::Key_F3));
    mnuSom->setCheckable(true);
    mnuSom->setChecked(Opcoes::som(*Settings::open()));
    mnuNumeros = mnujogo->addAction(QStringLiteral("&Números nas teclas"), this,
                                    &frmMemory::mnuNumeros_Click);
    mnuNumeros->setObjectName(QStringLiteral("mnuNumeros"));
    mnuNumeros->setCheckable(true);
    mnuNumeros->setChecked(Opcoes::numeros(*Settings::open()));
    MostraNumeros();
    mnujogo->addSeparator()->setObjectName(QStringLiteral("mnutraco"));
    QAction *mnusair = mnujogo->addAction(QStringLiteral("Sai&r"), this, &frmMemory::mnusair_Click);
    mnusair->setObjectName(QStringLiteral("mnusair"));

    cmdInicio->setFocus();
}

void frmMemory::Form_Load()
{
    centreOnScreen();
    // Decoding the sounds now keeps the first pad of the first game on time.
    QStringList sons;
    for (const QString &som : SomTecla)
        sons << DirSons() + som;
    sons << DirSons() + SomErro;
    mmcSons->device()->preload(sons);
}

void frmMemory::cmdInicio_Click()
{
    // A pad lit by the game just left goes dark now, with its sound, instead
    // of staying lit for good.
    TerminaPisca();
    VezJogador = false;
    Sequencia = QList<std::int16_t>(1);
    Nivel = 0;
    PosMostra = 0;
    PassoJogador = 0;
    SorteiaTecla();
}

void frmMemory::cmdSair_Click()
{
    const int resposta =
        MsgBox::show(QStringLiteral("Você deseja sair do jogo Memory?"),
                     MsgBox::YesNo + MsgBox::Information, QStringLiteral("Memory"));
    if (resposta == MsgBox::Yes)
        unload();
}

void frmMemory::SorteiaTecla()
{
    Sequencia.resize(Nivel + 1);
    Sequencia[Nivel] = std::int16_t(System::randomIndex(4));
    tmrSort->setEnabled(true);
    lblSequencia->setText(QStringLiteral("Sequência: %1").arg(Sequencia.size()));
    lblSequencia->show();
}

void frmMemory::tmrSort_Timer()
{
    const int k = PosMostra;
    const int u = int(Sequencia.size()) - 1;
    tmrSort->setEnabled(false);
    if (k > u)
        return;
    imgEscura[Sequencia[k]]->setVisible(false);
    tmrPisca->setEnabled(true);
    if (k < u) {
        PosMostra = std::uint8_t(k + 1);
        return;
    }
    // The player may answer while the last pad is still lit.
    VezJogador = true;
    PosMostra = std::uint8_t(u + 1);
}

void frmMemory::tmrPisca_Timer()
{
    if (PosMostra != 0) {
        ApagaTecla(Sequencia[PosMostra - 1]);
        if (PosMostra > Sequencia.size() - 1)
            PosMostra = 0;
        else
            tmrSort->setEnabled(true);
    } else {
        ApagaTecla(TeclaClicada);
    }
}

// A new light ends the blink still running: one timer times every blink, so
// the pad it was timing would otherwise never go dark.
void frmMemory::TerminaPisca()
{
    if (tmrPisca->isEnabled())
        tmrPisca_Timer();
}

void frmMemory::ApagaTecla(int pad)
{
    TocaSom(SomTecla[pad]);
    imgEscura[pad]->setVisible(true);
    tmrPisca->setEnabled(false);
}

void frmMemory::TocaSom(const QString &name)
{
    // With the sound off the control is not even asked to open the file.
    if (!mnuSom->isChecked())
        return;
    mmcSons->setCommand(QStringLiteral("close"));
    mmcSons->setFileName(DirSons() + name);
    mmcSons->setCommand(QStringLiteral("open"));
    mmcSons->setCommand(QStringLiteral("Play"));
}

void frmMemory::imgEscura_Click(int Index)
{
    if (!VezJogador)
        return;
    TerminaPisca();
    imgEscura[Index]->setVisible(false);
    TeclaClicada = std::uint8_t(Index);

    if (Sequencia[PassoJogador] != Index) {
        TocaSom(SomErro);
        imgEscura[Index]->setVisible(true);
        // Every sequence before this one was repeated whole.
        RegistraPontos(Nivel);
        MsgBox::show(QStringLiteral("Infelizmente você errou! Tente novamente"), MsgBox::OKOnly);
        VezJogador = false;
        Nivel = 0;
        PosMostra = 0;
        return;
    }

    tmrPisca->setEnabled(true);
    if (PassoJogador < Nivel) {
        ++PassoJogador;
        return;
    }
    VezJogador = false;
    PassoJogador = 0;
    if (Nivel + 1 >= MaiorSequencia) {
        // The whole longest sequence repeated: the game is won, not wrapped.
        Nivel = 0;
        RegistraPontos(MaiorSequencia);
        MsgBox::show(QStringLiteral("Parabéns! Você repetiu a sequência inteira de %1 teclas!")
                         .arg(MaiorSequencia),
                     MsgBox::OKOnly);
        return;
    }
    ++Nivel;
    SorteiaTecla();
}

// A game's score is the number of sequences it repeated whole. One above the
// best so far is a record: stored at once, then shown in yellow for a moment
// and told to screen readers. The message that ends the game stays as it is.
void frmMemory::RegistraPontos(int pontos)
{
    // Another Zelvo may have stored a better one meanwhile: it is kept.
    Recorde = std::max(Recorde, Opcoes::recorde(*Settings::open()));
    if (pontos <= Recorde) {
        MostraRecorde();
        return;
    }
    Recorde = pontos;
    guarda(Opcoes::ChaveRecorde, Recorde);
    MostraRecorde();
    lblRecorde->setAutoFillBackground(true);
    // Qt 6.4 passes no announcement on to AT-SPI, but it does pass a label's
    // change of name, which screen readers can follow; the name goes back
    // with the light.
    lblRecorde->setAccessibleName(QStringLiteral("Novo recorde: %1").arg(Recorde));
    tmrRecorde->setEnabled(true);
}

void frmMemory::MostraRecorde()
{
    lblRecorde->setText(Recorde > 0 ? QStringLiteral("Recorde: %1").arg(Recorde)
                                    : QStringLiteral("Recorde: –"));
}

void frmMemory::tmrRecorde_Timer()
{
    tmrRecorde->setEnabled(false);
    lblRecorde->setAutoFillBackground(false);
    lblRecorde->setAccessibleName(QString());
}

void frmMemory::mnuSom_Click()
{
    guarda(Opcoes::ChaveSom, mnuSom->isChecked());
}

void frmMemory::mnuNumeros_Click()
{
    MostraNumeros();
    guarda(Opcoes::ChaveNumeros, mnuNumeros->isChecked());
}

void frmMemory::MostraNumeros()
{
    for (int i = 0; i < 4; ++i) {
        lblNumeroClara[i]->setVisible(mnuNumeros->isChecked());
        lblNumeroEscura[i]->setVisible(mnuNumeros->isChecked());
    }
}

// Keys 1 to 4 play the pads clockwise from the top left, with a click's rules:
// nothing outside the player's turn, nothing on a lit pad.
void frmMemory::keyPressEvent(QKeyEvent *event)
{
    const int pad = event->key() - Qt::Key_1;
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    if (plain && pad >= 0 && pad < 4) {
        if (imgEscura[pad]->isVisible())
            imgEscura_Click(pad);
        return;
    }
    Form::keyPressEvent(event);
}
