#include "frmMemory.h"

#include "controls.h"
#include "fonts.h"
#include "frmRecordes.h"
#include "image.h"
#include "mmcontrol.h"
#include "msgbox.h"
#include "opcoes.h"
#include "settings.h"
#include "sounddevice.h"
#include "system.h"
#include "timer.h"
#include "twips.h"

#include <QActionGroup>
#include <QFileInfo>
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
// Difficult's pads follow each other too closely for the whole sounds: these
// end, faded, before the next pad lights.
const std::array<QString, 4> SomCurto = {
    QStringLiteral("Plasma-curto.wav"),
    QStringLiteral("Whop-curto.wav"),
    QStringLiteral("Eatghost-curto.wav"),
    QStringLiteral("Jawharp-curto.wav"),
};

// How long a pad stays lit and how long the dark gap before the next one
// lasts, in milliseconds. Normal is the game's own beat; Easy stretches it by
// half and Difficult takes it down to 0.6.
struct Ritmo
{
    int sort;
    int pisca;
};
constexpr Ritmo ritmo(Recordes::Nivel nivel)
{
    switch (nivel) {
    case Recordes::Nivel::Facil:
        return {750, 225};
    case Recordes::Nivel::Dificil:
        return {300, 90};
    case Recordes::Nivel::Normal:
    case Recordes::Nivel::Surpresa:
        break;
    }
    return {500, 150};
}
// Easy gives a small child a breath between watching and playing.
constexpr int PausaFacil = 700;

const std::array<const char *, 4> CorTecla = {
    QT_TRANSLATE_NOOP("frmMemory", "Azul"),
    QT_TRANSLATE_NOOP("frmMemory", "Vermelho"),
    QT_TRANSLATE_NOOP("frmMemory", "Amarelo"),
    QT_TRANSLATE_NOOP("frmMemory", "Verde"),
};

// Pads clockwise from the top left, in twips.
constexpr std::array<std::array<int, 2>, 4> Tecla = {
    {{840, 1080}, {3090, 1080}, {3090, 3330}, {840, 3330}}};

// Puts what was set on the disk before it returns, so a program killed or a
// machine switched off right afterwards keeps it. False when the file could
// not be written.
bool grava(QSettings &settings, const QString &oQue)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    qWarning("Memory: %s could not be written to %s", qPrintable(oQue),
             qPrintable(settings.fileName()));
    return false;
}

bool guarda(const QString &chave, const QVariant &valor)
{
    const auto settings = Settings::open();
    settings->setValue(chave, valor);
    return grava(*settings, chave);
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
    : Form(tr("Memory"), 6420, 6390, Border::FixedSingle, parent)
{
    setObjectName(QStringLiteral("frmMemory"));
    setWindowIcon(Image::icon(QStringLiteral(":/pictures/memory-icon.svg")));
    client()->setAutoFillBackground(true);
    Controls::setColour(client(), QPalette::Window, Qt::white);

    const QColor amarelo(255, 255, 0);
    const QFont fonteBotao = Fonts::design(QStringLiteral("Arial Black"), 9.75);

    // Created back to front: each dark pad lies over its lit one, and the
    // buttons over every picture.
    //: The title over the toy: capitals spaced out, two spaces between words.
    auto *Label1 = new QLabel(tr("J O G O  M E M O R Y"), client());
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
        picture->setAccessibleName(tr(CorTecla[i]));
        picture->setAccessibleDescription(state);
        Twips::place(picture, Tecla[i][0], Tecla[i][1]);
        return picture;
    };
    for (int i = 0; i < 4; ++i)
        imgClara[i] = padPicture(QStringLiteral("Clara"), i, tr("acesa"));
    for (int i = 0; i < 4; ++i) {
        imgEscura[i] = padPicture(QStringLiteral("Escura"), i, tr("apagada"));
        //: A pad's tooltip: its colour, and the key that plays it.
        imgEscura[i]->setToolTip(tr("%1: clique ou tecle %2").arg(tr(CorTecla[i])).arg(i + 1));
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

    // What the player should do now, beside the score: a child who cannot
    // read the pads' pace reads, or hears, when to watch and when to play.
    lblEstado = new QLabel(client());
    lblEstado->setObjectName(QStringLiteral("lblEstado"));
    lblEstado->setFont(Fonts::design(QStringLiteral("Times New Roman"), 14.25, true));
    Twips::place(lblEstado, 5040, 4440, 1380, 495);
    lblEstado->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblEstado->hide();

    cmdInicio = Controls::commandButton(tr("&Inicio"), amarelo, fonteBotao, client());
    cmdInicio->setObjectName(QStringLiteral("cmdInicio"));
    Twips::place(cmdInicio, 5040, 1080, 1215, 495);
    connect(cmdInicio, &QPushButton::clicked, this, &frmMemory::cmdInicio_Click);

    cmdSair = Controls::commandButton(tr("&Sair"), amarelo, fonteBotao, client());
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
    tmrVez = new Timer(PausaFacil, false, this);
    tmrVez->setObjectName(QStringLiteral("tmrVez"));
    connect(tmrVez, &Timer::tick, this, &frmMemory::tmrVez_Timer);

    mmcSons = new MMControl(std::move(sons), client());
    mmcSons->setObjectName(QStringLiteral("mmcSons"));
    Twips::place(mmcSons, 1320, 5760, 3615, 495);
    mmcSons->hide();

    QMenu *mnujogo = menuBar()->addMenu(tr("&Jogo"));
    mnujogo->setObjectName(QStringLiteral("mnujogo"));
    QAction *mnuinicio = mnujogo->addAction(tr("&Inicio"), this, &frmMemory::mnuinicio_Click);
    mnuinicio->setObjectName(QStringLiteral("mnuinicio"));
    mnuinicio->setShortcut(QKeySequence(Qt::Key_F2));
    mnuNivel = mnujogo->addMenu(tr("Ní&vel"));
    mnuNivel->setObjectName(QStringLiteral("mnuNivel"));
    grpNivel = new QActionGroup(mnuNivel);
    const QStringList nomesNivel = {QStringLiteral("mnuFacil"), QStringLiteral("mnuNormal"),
                                    QStringLiteral("mnuDificil"), QStringLiteral("mnuSurpresa")};
    for (Recordes::Nivel nivel : Recordes::Niveis) {
        QAction *item = mnuNivel->addAction(QLatin1Char('&') + Recordes::nome(nivel));
        item->setObjectName(nomesNivel[int(nivel)]);
        item->setCheckable(true);
        grpNivel->addAction(item);
    }
    connect(grpNivel, &QActionGroup::triggered, this, &frmMemory::mnuNivel_Click);
    mnuRecordes = mnujogo->addAction(tr("Re&cordes…"), this, &frmMemory::mnuRecordes_Click);
    mnuRecordes->setObjectName(QStringLiteral("mnuRecordes"));
    mnujogo->addSeparator()->setObjectName(QStringLiteral("mnutracoOpcoes"));
    // F3, beside Inicio's F2: no other key of this window uses it.
    mnuSom = mnujogo->addAction(tr("&Som"), this, &frmMemory::mnuSom_Click);
    mnuSom->setObjectName(QStringLiteral("mnuSom"));
    mnuSom->setShortcut(QKeySequence(Qt::Key_F3));
    mnuSom->setCheckable(true);
    mnuSom->setChecked(Opcoes::som(*Settings::open()));
    mnuNumeros = mnujogo->addAction(tr("&Números nas teclas"), this, &frmMemory::mnuNumeros_Click);
    mnuNumeros->setObjectName(QStringLiteral("mnuNumeros"));
    mnuNumeros->setCheckable(true);
    mnuNumeros->setChecked(Opcoes::numeros(*Settings::open()));
    MostraNumeros();
    mnujogo->addSeparator()->setObjectName(QStringLiteral("mnutraco"));
    QAction *mnusair = mnujogo->addAction(tr("Sai&r"), this, &frmMemory::mnusair_Click);
    mnusair->setObjectName(QStringLiteral("mnusair"));

    {
        const auto settings = Settings::open();
        if (Recordes::migraRecordeAntigo(*settings))
            grava(*settings, QStringLiteral("Memory/Recordes"));
        for (Recordes::Nivel nivel : Recordes::Niveis)
            Tabelas[int(nivel)] = Recordes::tabelaGuardada(*settings, nivel);
        grpNivel->actions()[int(Recordes::nivelGuardado(*settings))]->setChecked(true);
    }
    mnuNivel_Click();

    cmdInicio->setFocus();
}

void frmMemory::Form_Load()
{
    centreOnScreen();
    // Decoding the sounds now keeps the first pad of the first game on time.
    QStringList sons;
    for (const QString &som : SomTecla)
        sons << DirSons() + som;
    for (const QString &som : SomCurto)
        sons << DirSons() + som;
    sons << DirSons() + SomErro;
    mmcSons->device()->preload(sons);
}

void frmMemory::cmdInicio_Click()
{
    // A pad lit by the game just left goes dark now, with its sound, instead
    // of staying lit for good.
    TerminaPisca();
    tmrVez->setEnabled(false);
    // The pace holds for the whole game.
    mnuNivel->setEnabled(false);
    VezJogador = false;
    Sequencia = QList<std::int16_t>(1);
    Nivel = 0;
    PosMostra = 0;
    PassoJogador = 0;
    SorteiaTecla();
}

void frmMemory::cmdSair_Click()
{
    const int resposta = MsgBox::show(tr("Você deseja sair do jogo Memory?"),
                                      MsgBox::YesNo + MsgBox::Information, tr("Memory"));
    if (resposta == MsgBox::Yes)
        unload();
}

void frmMemory::SorteiaTecla()
{
    Sequencia.resize(Nivel + 1);
    // Surprise keeps nothing of the round before: every pad is drawn afresh.
    const int primeira = NivelEscolhido() == Recordes::Nivel::Surpresa ? 0 : Nivel;
    for (int i = primeira; i <= Nivel; ++i)
        Sequencia[i] = std::int16_t(System::randomIndex(4));
    tmrSort->setEnabled(true);
    MostraEstado(tr("Observe…"));
    lblSequencia->setText(tr("Sequência: %1").arg(Sequencia.size()));
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
    PosMostra = std::uint8_t(u + 1);
    // The player may answer while the last pad is still lit; on Easy only a
    // moment after it went dark.
    if (NivelEscolhido() != Recordes::Nivel::Facil)
        ComecaVez();
}

void frmMemory::tmrPisca_Timer()
{
    if (PosMostra != 0) {
        ApagaTecla(Sequencia[PosMostra - 1]);
        if (PosMostra > Sequencia.size() - 1) {
            PosMostra = 0;
            if (NivelEscolhido() == Recordes::Nivel::Facil)
                tmrVez->setEnabled(true);
        } else
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
    TocaSom(NivelEscolhido() == Recordes::Nivel::Dificil ? SomCurto[pad] : SomTecla[pad]);
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
        const int linha = RegistraPontos(Nivel);
        MsgBox::show(tr("Infelizmente você errou! Tente novamente"), MsgBox::OKOnly);
        VezJogador = false;
        Nivel = 0;
        PosMostra = 0;
        FimDeJogo(linha);
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
        const int linha = RegistraPontos(MaiorSequencia);
        MsgBox::show(
            tr("Parabéns! Você repetiu a sequência inteira de %1 teclas!").arg(MaiorSequencia),
            MsgBox::OKOnly);
        FimDeJogo(linha);
        return;
    }
    ++Nivel;
    SorteiaTecla();
}

void frmMemory::ComecaVez()
{
    VezJogador = true;
    MostraEstado(tr("Sua vez!"));
}

void frmMemory::tmrVez_Timer()
{
    tmrVez->setEnabled(false);
    ComecaVez();
}

// A game's score is the number of sequences it repeated whole. A score that
// enters its level's top five is stored at once, under the name offered, so
// that nothing waits on the player's answers; above the level's best it is a
// record, shown in yellow for a moment and told to screen readers. Returns
// the score's row in the table, or -1. The message that ends the game stays
// as it is.
int frmMemory::RegistraPontos(int pontos)
{
    const Recordes::Nivel nivel = NivelEscolhido();
    QList<Recordes::Entrada> &tabela = Tabelas[int(nivel)];
    const auto settings = Settings::open();
    // Another Zelvo may have stored better ones meanwhile: they are kept.
    if (QFileInfo::exists(settings->fileName()))
        tabela = Recordes::tabelaGuardada(*settings, nivel);
    const int antes = tabela.isEmpty() ? 0 : tabela[0].pontos;
    QString nome = Recordes::nomeGuardado(*settings);
    if (nome.isEmpty())
        nome = Recordes::nomeDoSistema();
    if (nome.isEmpty())
        nome = Recordes::anonimo();
    const int linha = Recordes::insere(tabela, {nome, pontos, QDateTime::currentDateTime()});
    if (linha >= 0) {
        Recordes::guardaTabela(*settings, nivel, tabela);
        grava(*settings, QStringLiteral("Memory/Recordes"));
    }
    MostraRecorde();
    if (linha == 0 && pontos > antes) {
        lblRecorde->setAutoFillBackground(true);
        // Qt 6.4 passes no announcement on to AT-SPI, but it does pass a
        // label's change of name, which screen readers can follow; the name
        // goes back with the light.
        lblRecorde->setAccessibleName(tr("Novo recorde: %1").arg(pontos));
        tmrRecorde->setEnabled(true);
    }
    return linha;
}

// After the game's own message: the level may change again, and a score
// that made the top five gets the player's name.
void frmMemory::FimDeJogo(int linha)
{
    MostraEstado(QString());
    mnuNivel->setEnabled(true);
    if (linha < 0)
        return;
    const Recordes::Nivel nivel = NivelEscolhido();
    const QString nome = PerguntaNome::pergunta(Tabelas[int(nivel)][linha].nome, this);
    Tabelas[int(nivel)][linha].nome = nome;
    const auto settings = Settings::open();
    Recordes::guardaTabela(*settings, nivel, Tabelas[int(nivel)]);
    Recordes::guardaNome(*settings, nome);
    grava(*settings, QStringLiteral("Memory/Nome"));
}

void frmMemory::MostraRecorde()
{
    const QList<Recordes::Entrada> &tabela = Tabelas[int(NivelEscolhido())];
    lblRecorde->setText(tabela.isEmpty() ? tr("Recorde: –")
                                         : tr("Recorde: %1").arg(tabela[0].pontos));
}

// The line's name is what a screen reader says: each change of it is heard,
// once. Set before the text, the name keeps the label from telling its new
// text as a second change; the hidden line keeps its last name, since an
// empty one would fall back to the text and be told again.
void frmMemory::MostraEstado(const QString &estado)
{
    if (!estado.isEmpty())
        lblEstado->setAccessibleName(estado);
    lblEstado->setText(estado);
    Controls::setColour(lblEstado, QPalette::WindowText,
                        estado == tr("Sua vez!") ? QColor(0, 128, 0) : QColor(0, 0, 160));
    lblEstado->setVisible(!estado.isEmpty());
}

Recordes::Nivel frmMemory::NivelEscolhido() const
{
    return Recordes::Niveis[grpNivel->actions().indexOf(grpNivel->checkedAction())];
}

void frmMemory::mnuNivel_Click()
{
    const Recordes::Nivel nivel = NivelEscolhido();
    tmrSort->setInterval(ritmo(nivel).sort);
    tmrPisca->setInterval(ritmo(nivel).pisca);
    MostraRecorde();
    const auto settings = Settings::open();
    if (Recordes::nivelGuardado(*settings) != nivel) {
        Recordes::guardaNivel(*settings, nivel);
        grava(*settings, QStringLiteral("Memory/Nivel"));
    }
}

void frmMemory::mnuRecordes_Click()
{
    frmRecordes recordes(
        Tabelas, NivelEscolhido(), [this](Recordes::Nivel nivel) { return LimpaTabela(nivel); },
        this);
    recordes.exec();
}

QList<Recordes::Entrada> frmMemory::LimpaTabela(Recordes::Nivel nivel)
{
    Tabelas[int(nivel)].clear();
    const auto settings = Settings::open();
    Recordes::guardaTabela(*settings, nivel, {});
    grava(*settings, QStringLiteral("Memory/Recordes"));
    MostraRecorde();
    return Tabelas[int(nivel)];
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
