#include "frmForca.h"

#include "controls.h"
#include "fonts.h"
#include "frmPlacar.h"
#include "image.h"
#include "msgbox.h"
#include "placar.h"
#include "settings.h"
#include "system.h"
#include "twips.h"

#include <QActionGroup>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProxyStyle>
#include <QPushButton>
#include <QSet>
#include <QValidator>
#include <algorithm>

namespace {

// The desktop colours the design names by role, fixed to values that keep its
// white texts readable: the active title bar behind the board, and the
// highlighted-text colour of the three command buttons.
const QColor TitleBarColour(0x1E, 0x4D, 0x8C);
const QColor HighlightTextColour(Qt::white);

// The message boxes' caption.
QString titulo()
{
    return frmForca::tr("Jogo da Forca");
}

// The places a lost game opens, told apart from the letters the player found.
const QColor CorRevelada(0xFF, 0xD8, 0x00);

// Lists whose skipped words the player has been told of in this run.
QSet<QString> &avisadas()
{
    static QSet<QString> arquivos;
    return arquivos;
}

// The letters of a text that the box can take, composed.
QString soLetras(const QString &texto)
{
    QString letras;
    for (QChar c : texto.normalized(QString::NormalizationForm_C)) {
        if (!Palavras::dobra(c).isNull())
            letras += c;
    }
    return letras;
}

// What may stand in the word box: letters with a button, as the player sees
// them. Text arrives composed or not (a pasted "A" plus a combining tilde), so
// it is composed first; the box keeps it composed, one character a letter, and
// its length limit counts letters.
class ValidadorLetras : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        const QString composta = input.normalized(QString::NormalizationForm_C);
        if (soLetras(composta) != composta)
            return Invalid;
        if (composta != input) {
            pos = int(input.left(pos).normalized(QString::NormalizationForm_C).size());
            input = composta;
        }
        return Acceptable;
    }
};

// Qt masks passwords with a bullet; the word box shows an asterisk per letter.
class AsteriskStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QLabel *whiteLabel(const QString &caption, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setFont(font);
    Controls::setColour(label, QPalette::WindowText, Qt::white);
    return label;
}

struct Rect
{
    int left, top, width, height;
};

// What a screen reader says for each figure part while it is shown.
const std::array<const char *, 8> NomeBoneco = {
    QT_TRANSLATE_NOOP("frmForca", "Cabeça enforcada, com a corda"),
    QT_TRANSLATE_NOOP("frmForca", "Tronco"),
    QT_TRANSLATE_NOOP("frmForca", "Braço esquerdo"),
    QT_TRANSLATE_NOOP("frmForca", "Braço direito"),
    QT_TRANSLATE_NOOP("frmForca", "Perna esquerda"),
    QT_TRANSLATE_NOOP("frmForca", "Perna direita"),
    QT_TRANSLATE_NOOP("frmForca", "Banquinho"),
    QT_TRANSLATE_NOOP("frmForca", "Cabeça sorridente"),
};

// Where each figure part stands over the gallows, in twips.
constexpr std::array<Rect, 8> Boneco = {{
    {840, 720, 570, 945},   // hanged head, with the rope
    {870, 1650, 495, 645},  // torso
    {610, 1650, 255, 615},  // left arm
    {1370, 1650, 255, 615}, // right arm
    {720, 2280, 315, 555},  // left leg
    {1200, 2280, 315, 555}, // right leg
    {600, 2840, 975, 415},  // bench
    {840, 1140, 570, 510},  // living head
}};

// The flower after each wrong guess, whole to bare, and after a win. Each is
// one picture, shown alone where the gallows stands.
const std::array<const char *, 8> NomeFlor = {
    QT_TRANSLATE_NOOP("frmForca", "Flor com seis pétalas, sorrindo"),
    QT_TRANSLATE_NOOP("frmForca", "Flor com cinco pétalas; uma caiu"),
    QT_TRANSLATE_NOOP("frmForca", "Flor com quatro pétalas; duas caíram"),
    QT_TRANSLATE_NOOP("frmForca", "Flor com três pétalas; três caíram"),
    QT_TRANSLATE_NOOP("frmForca", "Flor com duas pétalas, preocupada; quatro caíram"),
    QT_TRANSLATE_NOOP("frmForca", "Flor com uma pétala, chorando; cinco caíram"),
    QT_TRANSLATE_NOOP("frmForca", "Flor sem pétalas, murcha"),
    QT_TRANSLATE_NOOP("frmForca", "Flor com todas as pétalas, rindo de alegria"),
};
constexpr Rect Flor = {420, 840, 1200, 2400};

// A list that cannot be played stays in the menu, greyed out, saying why.
void desabilitaLista(QAction *item, const QString &erro)
{
    item->setEnabled(false);
    item->setToolTip(
        frmForca::tr("Esta lista não pode ser usada: %1.").arg(Palavras::traduz(erro)));
}

} // namespace

frmForca::frmForca(QWidget *parent) : Form(tr("Forca"), 6585, 4860, Border::Sizable, parent)
{
    setObjectName(QStringLiteral("frmForca"));
    setWindowIcon(Image::icon(QStringLiteral(":/pictures/forca-icon.svg")));
    client()->setAutoFillBackground(true);
    Controls::setColour(client(), QPalette::Window, TitleBarColour);

    // Created back to front: a later sibling lies above an earlier one, and the
    // buttons and the word box come last so that they lie above every picture.
    const QFont fonteLetra = Fonts::design(QStringLiteral("Arial Black"), 14.25, true);
    for (int i = 0; i < 8; ++i) {
        lblLetra[i] = whiteLabel(QStringLiteral("-"), fonteLetra, client());
        lblLetra[i]->setObjectName(QStringLiteral("lblLetra%1").arg(i));
        lblLetra[i]->setAlignment(Qt::AlignCenter);
        Twips::place(lblLetra[i], 2640 + 360 * i, 2880, 345, 345);
        lblLetra[i]->hide();
        mostraLetra(i, QStringLiteral("-"));
    }

    auto *Label1 = whiteLabel(tr("Palavra:"),
                              Fonts::design(QStringLiteral("Arial Black"), 11.25, true), client());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->adjustSize();
    Twips::place(Label1, 2640, 720);

    //: The board's title: letters spaced out, two spaces between words.
    auto *Label2 =
        whiteLabel(tr("J o g o  d a  F o r c a"),
                   Fonts::design(QStringLiteral("Arial Black"), 15.75, false, true), client());
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->adjustSize();
    Twips::place(Label2, 1440, 0);

    Image1 =
        new Image(QStringLiteral(":/pictures/forca-gallows.svg"), Image::Fit::Stretch, client());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(tr("Forca"));
    Twips::place(Image1, 120, 720, 2440, 2535);

    for (int i = 0; i < 8; ++i) {
        imgBoneco[i] = new Image(QStringLiteral(":/pictures/forca-boneco%1.svg").arg(i),
                                 Image::Fit::Stretch, client());
        imgBoneco[i]->setObjectName(QStringLiteral("imgBoneco%1").arg(i));
        imgBoneco[i]->setAccessibleName(tr(NomeBoneco[i]));
        const Rect &r = Boneco[i];
        Twips::place(imgBoneco[i], r.left, r.top, r.width, r.height);
        imgBoneco[i]->hide();
    }

    for (int i = 0; i < 8; ++i) {
        imgFlor[i] = new Image(QStringLiteral(":/pictures/forca-flor%1.svg").arg(i),
                               Image::Fit::Stretch, client());
        imgFlor[i]->setObjectName(QStringLiteral("imgFlor%1").arg(i));
        imgFlor[i]->setAccessibleName(tr(NomeFlor[i]));
        Twips::place(imgFlor[i], Flor.left, Flor.top, Flor.width, Flor.height);
        imgFlor[i]->hide();
    }

    auto *Shape1 = new QFrame(client());
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(2);
    Controls::setColour(Shape1, QPalette::WindowText, Qt::black);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Twips::place(Shape1, 120, 3600, 6375, 1095);

    // The category of a solo game's word, between the word box and the places.
    lblCategoria =
        whiteLabel(QString(), Fonts::design(QStringLiteral("Arial"), 9.75, true), client());
    lblCategoria->setObjectName(QStringLiteral("lblCategoria"));
    lblCategoria->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    lblCategoria->setWordWrap(true);
    Twips::place(lblCategoria, 2640, 1560, 2415, 480);
    lblCategoria->hide();

    // The hint takes the place of its button once the player asks for it.
    lblDica = whiteLabel(QString(), Fonts::design(QStringLiteral("Arial"), 9.75, true), client());
    lblDica->setObjectName(QStringLiteral("lblDica"));
    lblDica->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDica->setWordWrap(true);
    Twips::place(lblDica, 2640, 2100, 2415, 720);
    lblDica->hide();

    const QFont fonteBotaoLetra = Fonts::design(QStringLiteral("Arial Black"), 11.25, true);
    for (int i = 0; i < 26; ++i) {
        cmdLetra[i] =
            Controls::commandButton(QString(QChar(65 + i)), Qt::white, fonteBotaoLetra, client());
        cmdLetra[i]->setObjectName(QStringLiteral("cmdLetra%1").arg(i));
        cmdLetra[i]->setAccessibleName(tr("Letra %1").arg(QChar(65 + i)));
        cmdLetra[i]->setToolTip(tr("Clique ou tecle %1 para tentar esta letra").arg(QChar(65 + i)));
        Twips::place(cmdLetra[i], 240 + 480 * (i % 13), i < 13 ? 3720 : 4200, 400, 400);
        cmdLetra[i]->setEnabled(false);
        connect(cmdLetra[i], &QPushButton::clicked, this, [this, i] { cmdLetra_Click(i); });
    }

    const QFont fonteComando = Fonts::design(QStringLiteral("Arial"), 12, true);
    cmdNovo = Controls::commandButton(tr("&Novo"), HighlightTextColour, fonteComando, client());
    cmdNovo->setObjectName(QStringLiteral("cmdNovo"));
    Twips::place(cmdNovo, 5160, 600, 1215, 495);
    connect(cmdNovo, &QPushButton::clicked, this, &frmForca::cmdNovo_Click);

    cmdInicio = Controls::commandButton(tr("&Inicio"), HighlightTextColour, fonteComando, client());
    cmdInicio->setObjectName(QStringLiteral("cmdInicio"));
    Twips::place(cmdInicio, 5160, 1320, 1215, 495);
    connect(cmdInicio, &QPushButton::clicked, this, &frmForca::cmdInicio_Click);

    cmdSair = Controls::commandButton(tr("&Sair"), HighlightTextColour, fonteComando, client());
    cmdSair->setObjectName(QStringLiteral("cmdSair"));
    Twips::place(cmdSair, 5160, 2040, 1215, 495);
    connect(cmdSair, &QPushButton::clicked, this, &frmForca::cmdSair_Click);

    txtPalavra = new QLineEdit(client());
    txtPalavra->setObjectName(QStringLiteral("txtPalavra"));
    txtPalavra->setAccessibleName(tr("Palavra secreta"));
    txtPalavra->setFont(Fonts::design(QStringLiteral("Arial Black"), 18));
    auto *asterisco = new AsteriskStyle;
    asterisco->setParent(txtPalavra);
    txtPalavra->setStyle(asterisco);
    txtPalavra->setEchoMode(QLineEdit::Password);
    txtPalavra->setMaxLength(8);
    // Typed keys go through txtPalavra_KeyPress and input-method text (dead
    // keys, compose) through the same filter in eventFilter; the validator
    // holds the rule for everything else that can put text into the box, so
    // no word can hold a letter that no button reveals.
    txtPalavra->setValidator(new ValidadorLetras(txtPalavra));
    txtPalavra->installEventFilter(this);
    Twips::place(txtPalavra, 2640, 1080, 1695, 375);

    cmdDica = Controls::commandButton(tr("&Dica"), HighlightTextColour,
                                      Fonts::design(QStringLiteral("Arial"), 9.75, true), client());
    cmdDica->setObjectName(QStringLiteral("cmdDica"));
    cmdDica->setToolTip(tr("Mostra uma dica da palavra (F3)"));
    Twips::place(cmdDica, 2640, 2100, 735, 330);
    cmdDica->hide();
    connect(cmdDica, &QPushButton::clicked, this, &frmForca::cmdDica_Click);

    QMenu *mnujogo = menuBar()->addMenu(tr("&Jogo"));
    mnujogo->setObjectName(QStringLiteral("mnujogo"));
    QAction *mnunovo = mnujogo->addAction(tr("&Novo"), this, &frmForca::mnunovo_Click);
    mnunovo->setObjectName(QStringLiteral("mnunovo"));
    mnunovo->setShortcut(QKeySequence(Qt::Key_F1));
    mnuinicio = mnujogo->addAction(tr("&Inicio"), this, &frmForca::mnuinicio_Click);
    mnuinicio->setObjectName(QStringLiteral("mnuinicio"));
    mnuinicio->setShortcut(QKeySequence(Qt::Key_F2));
    mnudica = mnujogo->addAction(tr("&Dica"), this, &frmForca::mnudica_Click);
    mnudica->setObjectName(QStringLiteral("mnudica"));
    mnudica->setShortcut(QKeySequence(Qt::Key_F3));
    mnudica->setEnabled(false);
    QAction *mnuplacar = mnujogo->addAction(tr("&Placar"), this, &frmForca::mnuplacar_Click);
    mnuplacar->setObjectName(QStringLiteral("mnuplacar"));
    mnujogo->addSeparator()->setObjectName(QStringLiteral("mnutraco1"));
    QAction *mnusair = mnujogo->addAction(tr("&Sair"), this, &frmForca::mnusair_Click);
    mnusair->setObjectName(QStringLiteral("mnusair"));
    mnusair->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));

    QMenu *mnuopcoes = menuBar()->addMenu(tr("&Opções"));
    mnuopcoes->setObjectName(QStringLiteral("mnuopcoes"));
    mnudupla = mnuopcoes->addAction(tr("Dupla"), this, &frmForca::mnudupla_Click);
    mnudupla->setObjectName(QStringLiteral("mnudupla"));
    mnudupla->setCheckable(true);
    mnudupla->setChecked(true);
    mnusolitario = mnuopcoes->addAction(tr("Solitário"), this, &frmForca::mnusolitario_Click);
    mnusolitario->setObjectName(QStringLiteral("mnusolitario"));
    mnusolitario->setCheckable(true);
    mnuopcoes->addSeparator();
    mnucategoria = mnuopcoes->addMenu(tr("Categoria"));
    mnucategoria->setObjectName(QStringLiteral("mnucategoria"));
    // A disabled list says why in its tooltip.
    mnucategoria->setToolTipsVisible(true);
    grupoCategoria = new QActionGroup(this);
    QMenu *mnufigura = mnuopcoes->addMenu(tr("Figura"));
    mnufigura->setObjectName(QStringLiteral("mnufigura"));
    auto *grupoFigura = new QActionGroup(this);
    mnuforca = mnufigura->addAction(tr("Forca"), this, &frmForca::mnufigura_Click);
    mnuforca->setObjectName(QStringLiteral("mnuforca"));
    mnuflor = mnufigura->addAction(tr("Flor"), this, &frmForca::mnufigura_Click);
    mnuflor->setObjectName(QStringLiteral("mnuflor"));
    for (QAction *item : {mnuforca, mnuflor}) {
        item->setCheckable(true);
        item->setActionGroup(grupoFigura);
    }
    (figuraGuardada(*Settings::open()) == Figura::Flor ? mnuflor : mnuforca)->setChecked(true);
    MostraFigura(false);

    cmdNovo->setFocus();
}

void frmForca::Form_Load()
{
    centreOnScreen();
    erros = 0;
    montaCategorias();
}

// The user's folder is looked at every load, so a list added while the
// program runs shows the next time the window opens. Only the verdicts are
// needed here, and they are kept: the words wait until a list is chosen or
// played.
void frmForca::montaCategorias()
{
    const auto settings = Settings::open();
    Palavras::lembraVereditos(*settings);
    categorias = Palavras::embutidas(Idioma::atual()) +
                 Palavras::doUsuario(Palavras::pastaDoUsuario(), Idioma::atual());
    Palavras::guardaVereditos(*settings);
    const QString lembrada = Palavras::categoriaGuardada(*settings);
    int escolhida = 0;
    mnucategoria->clear();
    for (int i = 0; i < int(categorias.size()); ++i) {
        const Palavras::Categoria &lista = categorias[i];
        QString rotulo = lista.nome;
        QAction *item =
            mnucategoria->addAction(rotulo.replace(QLatin1Char('&'), QStringLiteral("&&")));
        item->setObjectName(QStringLiteral("mnucategoria%1").arg(i));
        item->setCheckable(true);
        item->setActionGroup(grupoCategoria);
        item->setData(i);
        if (!lista.erro.isEmpty()) {
            desabilitaLista(item, lista.erro);
        } else if (lista.nome == lembrada) {
            escolhida = i;
        }
        connect(item, &QAction::triggered, this, [this, i] { mnucategoria_Click(i); });
    }
    grupoCategoria->actions().at(escolhida)->setChecked(true);
    palavras.reset();
}

int frmForca::categoriaEscolhida() const
{
    const QAction *item = grupoCategoria->checkedAction();
    return item ? item->data().toInt() : 0;
}

void frmForca::mnucategoria_Click(int Index)
{
    Settings::open()->setValue(Palavras::ChaveCategoria, categorias[Index].nome);
    carregaCategoria(Index);
}

// The file may have changed since the menu judged it: a list that can no
// longer be played is greyed out there, and the game goes on with "Carros".
void frmForca::carregaCategoria(int Index)
{
    palavras = Palavras::palavrasDe(categorias[Index].arquivo);
    baralho.reset();
    if (palavras->erro.isEmpty()) {
        avisaPuladas(Index);
        return;
    }
    desabilitaLista(grupoCategoria->actions().at(Index), palavras->erro);
    grupoCategoria->actions().at(0)->setChecked(true);
    palavras = Palavras::palavrasDe(categorias[0].arquivo);
}

// Once a run for each list: the words that were left out, and why.
void frmForca::avisaPuladas(int Index)
{
    const QString &arquivo = categorias[Index].arquivo;
    const QList<Palavras::Problema> &puladas = palavras->puladas;
    if (puladas.isEmpty() || avisadas().contains(arquivo))
        return;
    avisadas().insert(arquivo);
    const qsizetype n = puladas.size();
    QString texto = n == 1 ? tr("O arquivo %1 tem 1 palavra que não pode ser jogada "
                                "e ficou de fora:\n")
                                 .arg(arquivo)
                           : tr("O arquivo %1 tem %2 palavras que não podem ser jogadas "
                                "e ficaram de fora:\n")
                                 .arg(arquivo)
                                 .arg(n);
    const qsizetype mostradas = std::min<qsizetype>(n, 5);
    for (qsizetype i = 0; i < mostradas; ++i) {
        const Palavras::Problema &p = puladas[i];
        texto += tr("\nlinha %1: '%2': %3").arg(p.linha).arg(p.palavra, p.motivo);
    }
    if (n > mostradas)
        texto += tr("\n... e mais %1.").arg(n - mostradas);
    MsgBox::show(texto, MsgBox::OKOnly + MsgBox::Information, titulo());
}

void frmForca::IniciaPartida()
{
    categoriaPartida =
        mnusolitario->isChecked() ? categorias[categoriaEscolhida()].nome : QString();
    dicaUsada = false;
    for (QPushButton *letra : cmdLetra)
        letra->setEnabled(true);
    const qsizetype tamanho = std::min<qsizetype>(txtPalavra->text().size(), lblLetra.size());
    for (qsizetype i = 0; i < tamanho; ++i)
        lblLetra[i]->setVisible(true);
    cmdInicio->setEnabled(false);
    mnuinicio->setEnabled(false);
}

void frmForca::cmdNovo_Click()
{
    txtPalavra->clear();
    erros = 0;
    MostraFigura(false);
    for (int i = 0; i < int(lblLetra.size()); ++i) {
        mostraLetra(i, QStringLiteral("-"));
        lblLetra[i]->setVisible(false);
    }
    lblCategoria->setVisible(false);
    escondeDica();
    for (QPushButton *letra : cmdLetra)
        letra->setEnabled(false);
    cmdInicio->setEnabled(true);
    mnuinicio->setEnabled(true);
    txtPalavra->setReadOnly(false);
    txtPalavra->setFocus();
}

void frmForca::cmdLetra_Click(int Index)
{
    const QString palavra = txtPalavra->text().toUpper();
    const QString letra = cmdLetra[Index]->text();
    bool acertou = false;
    // A button opens its letter with any accent, each place as it is written.
    for (qsizetype p = 0; p < palavra.size() && p < qsizetype(lblLetra.size()); ++p) {
        if (QString(Palavras::dobra(palavra.at(p))) == letra) {
            mostraLetra(int(p), palavra.mid(p, 1));
            acertou = true;
        }
    }
    cmdLetra[Index]->setEnabled(false);

    if (!acertou) {
        ++erros;
        MostraFigura(false);
    }

    if (erros == 6) {
        Placar::registra(categoriaPartida, false, dicaUsada);
        // The word shows before the question, so a player learns what it was.
        for (qsizetype p = 0; p < palavra.size() && p < qsizetype(lblLetra.size()); ++p) {
            if (lblLetra[p]->text() == QLatin1String("-"))
                mostraLetra(int(p), palavra.mid(p, 1), CorRevelada);
        }
        const int resposta = MsgBox::show(tr("Infelizmente você perdeu. Deseja jogar novamente?"),
                                          MsgBox::YesNo + MsgBox::Information, titulo());
        if (resposta != MsgBox::Yes) {
            erros = 0;
            unload();
            return;
        }
        cmdNovo_Click();
    }

    if (palavraCompleta(int(palavra.size()))) {
        // The game is over once the word is complete: a letter left over could
        // otherwise still be "wrong" and lose a game already won.
        for (QPushButton *botao : cmdLetra)
            botao->setEnabled(false);
        habilitaDica(false);
        MostraFigura(true);
        Placar::registra(categoriaPartida, true, dicaUsada);
        MsgBox::show(tr("Parabéns você ganhou!!!"), MsgBox::OKOnly);
    }
}

// The figure as the game stands: the gallows' parts added one per wrong guess
// and the whole figure standing after a win, or the flower's one picture.
void frmForca::MostraFigura(bool ganhou)
{
    const bool forca = mnuforca->isChecked();
    Image1->setVisible(forca);
    for (int i = 0; i < int(imgBoneco.size()); ++i)
        imgBoneco[i]->setVisible(forca && (ganhou ? i > 0 : i < erros));
    for (int i = 0; i < int(imgFlor.size()); ++i)
        imgFlor[i]->setVisible(!forca && i == (ganhou ? 7 : erros));
}

// A won game is the one state in which no letter can be tried and "Inicio"
// waits for "Novo"; a game in play always has untried letters left, since six
// wrong ones end it first.
bool frmForca::partidaGanha() const
{
    return !cmdInicio->isEnabled() &&
           std::none_of(cmdLetra.begin(), cmdLetra.end(),
                        [](const QPushButton *letra) { return letra->isEnabled(); });
}

void frmForca::mnuplacar_Click()
{
    QStringList nomes;
    for (const Palavras::Categoria &lista : categorias)
        nomes << lista.nome;
    frmPlacar placar(nomes, this);
    placar.exec();
}

void frmForca::mnufigura_Click()
{
    const auto settings = Settings::open();
    settings->setValue(ChaveFigura,
                       mnuflor->isChecked() ? QStringLiteral("flor") : QStringLiteral("forca"));
    MostraFigura(partidaGanha());
}

// A hidden place reads as hidden to a screen reader, not as a dash.
void frmForca::mostraLetra(int posicao, const QString &letra, const QColor &cor)
{
    lblLetra[posicao]->setText(letra);
    Controls::setColour(lblLetra[posicao], QPalette::WindowText, cor);
    const QString lida = letra == QLatin1String("-") ? tr("oculta") : letra;
    lblLetra[posicao]->setAccessibleName(tr("Letra %1: %2").arg(posicao + 1).arg(lida));
}

// An empty word is never complete: the box can be emptied during a game by
// switching to solo play, and that must not count as a win.
bool frmForca::palavraCompleta(int tamanho) const
{
    if (tamanho <= 0)
        return false;
    for (int i = 0; i < tamanho && i < int(lblLetra.size()); ++i) {
        if (lblLetra[i]->text() == QLatin1String("-"))
            return false;
    }
    return true;
}

void frmForca::cmdInicio_Click()
{
    if (mnusolitario->isChecked()) {
        if (!palavras)
            carregaCategoria(categoriaEscolhida());
        sorteiaPalavra();
        lblCategoria->setText(tr("Categoria: %1").arg(categorias[categoriaEscolhida()].nome));
        lblCategoria->setVisible(true);
        lblDica->setVisible(false);
        cmdDica->setVisible(true);
        habilitaDica(!lblDica->text().isEmpty());
    } else if (txtPalavra->text().isEmpty()) {
        MsgBox::show(tr("Digite primeiro a palavra"), MsgBox::OKOnly + MsgBox::Critical, titulo());
        txtPalavra->setFocus();
        return;
    }
    IniciaPartida();
}

// Where the deck stands is written at every deal, so that a program closed in
// any way goes on from there.
void frmForca::sorteiaPalavra()
{
    const QString &categoria = categorias[categoriaEscolhida()].nome;
    const std::unique_ptr<QSettings> settings = Settings::open();
    if (!baralho)
        baralho = std::make_unique<Baralho>(palavras->quantas(), Baralho::impressao(*palavras),
                                            leBaralho(*settings, categoria), System::randomSeed);
    const int i = baralho->proxima();
    txtPalavra->setText(palavras->palavra(i));
    guardaBaralho(*settings, categoria, baralho->estado());
    const QString dica = palavras->dica(i);
    lblDica->setText(dica.isEmpty() ? QString() : tr("Dica: %1").arg(dica));
    // A teacher's hint can run to 80 characters: a long one is set smaller
    // rather than cut off above the word's places.
    QFont fonte = Fonts::design(QStringLiteral("Arial"), 9.75, true);
    while (fonte.pointSizeF() > 7 && QFontMetrics(fonte)
                                             .boundingRect(QRect(0, 0, lblDica->width(), 1000),
                                                           Qt::TextWordWrap, lblDica->text())
                                             .height() > lblDica->height())
        fonte.setPointSizeF(fonte.pointSizeF() - 0.75);
    lblDica->setFont(fonte);
}

// The hint waits in its label, hidden, from the start of the game; its button
// can be pressed while there is one and the game goes on.
void frmForca::cmdDica_Click()
{
    dicaUsada = true;
    lblDica->setVisible(true);
    // The focus goes to the hint, so that a screen reader reads it out, and
    // it stays on the board: letter keys go on playing.
    lblDica->setFocus();
    cmdDica->setVisible(false);
    mnudica->setEnabled(false);
}

void frmForca::habilitaDica(bool habilitada)
{
    cmdDica->setEnabled(habilitada);
    mnudica->setEnabled(habilitada);
}

void frmForca::escondeDica()
{
    lblDica->setVisible(false);
    cmdDica->setVisible(false);
    mnudica->setEnabled(false);
}

// The question is whether to leave: No means the player goes on with the game
// exactly as it stands.
void frmForca::cmdSair_Click()
{
    const int resposta = MsgBox::show(tr("Você deseja finalizar o programa Jogo da Forca?"),
                                      MsgBox::YesNo + MsgBox::Information, titulo());
    if (resposta == MsgBox::Yes)
        unload();
}

// Letters with a button pass, accented ones too; so does Backspace.
void frmForca::txtPalavra_KeyPress(int &KeyAscii)
{
    const bool letra = !Palavras::dobra(QChar(char16_t(KeyAscii))).isNull();
    if (KeyAscii != 8 && !letra)
        KeyAscii = 0;
}

// Pasted text is composed before the box counts its letters.
void frmForca::colaPalavra()
{
    if (!txtPalavra->isReadOnly())
        txtPalavra->insert(
            QGuiApplication::clipboard()->text().normalized(QString::NormalizationForm_C));
}

void frmForca::mnudupla_Click()
{
    mnusolitario->setChecked(false);
    mnudupla->setChecked(true);
    txtPalavra->setReadOnly(false);
    // The word can now be changed, and the hint would tell of the old one.
    habilitaDica(false);
}

void frmForca::mnusolitario_Click()
{
    mnudupla->setChecked(false);
    mnusolitario->setChecked(true);
    txtPalavra->clear();
    txtPalavra->setReadOnly(true);
    lblCategoria->setVisible(false);
    escondeDica();
}

bool frmForca::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != txtPalavra)
        return Form::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Paste)) {
            colaPalavra();
            return true;
        }
        // Only keys that type a character raise KeyPress; editing keys such as
        // the arrows and Delete pass untouched, and so does Tab, which moves
        // the focus on before any KeyPress would see it.
        const QString text = key->text().normalized(QString::NormalizationForm_C);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (text.size() == 1 && !tab &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            int KeyAscii = text.at(0).unicode();
            txtPalavra_KeyPress(KeyAscii);
            if (KeyAscii == 0)
                return true;
            if (text != key->text()) {
                txtPalavra->insert(text);
                return true;
            }
        }
        break;
    }
    case QEvent::InputMethod: {
        // Dead keys and compose arrive as input-method text. Its letters go
        // in as typed ones would; the rest, and any text still being composed
        // (which a password box would show in clear), is dropped.
        auto *im = static_cast<QInputMethodEvent *>(event);
        const QString letras = soLetras(im->commitString());
        if (im->preeditString().isEmpty() && letras == im->commitString())
            break;
        QInputMethodEvent filtrado;
        filtrado.setCommitString(letras, im->replacementStart(), im->replacementLength());
        QCoreApplication::sendEvent(txtPalavra, &filtrado);
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString texto = drop->mimeData()->text();
        const QString composto = texto.normalized(QString::NormalizationForm_C);
        if (composto == texto)
            break;
        QMimeData dados;
        dados.setText(composto);
        QDropEvent outro(drop->position(), drop->possibleActions(), &dados, drop->buttons(),
                         drop->modifiers());
        QCoreApplication::sendEvent(txtPalavra, &outro);
        drop->setDropAction(outro.dropAction());
        drop->setAccepted(outro.isAccepted());
        return true;
    }
    case QEvent::ContextMenu: {
        // The menu's Paste goes through colaPalavra like Ctrl+V. Qt 6.4 names
        // none of the menu's actions; its Paste is the one showing Paste's keys.
        QMenu *menu = txtPalavra->createStandardContextMenu();
        const QString teclas = QLatin1Char('\t') +
                               QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction *item : menu->actions()) {
            if (item->objectName() == QLatin1String("edit-paste") ||
                item->text().endsWith(teclas)) {
                disconnect(item, &QAction::triggered, txtPalavra, nullptr);
                connect(item, &QAction::triggered, this, &frmForca::colaPalavra);
            }
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    default:
        break;
    }
    return Form::eventFilter(watched, event);
}

// A letter key plays its letter, as a click on its button would, unless the
// player is typing the word.
void frmForca::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const QChar letra = text.size() == 1 ? Palavras::dobra(text.at(0)) : QChar();
    const bool plain =
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    // An accented key ("ç" on a Brazilian keyboard) plays its button's letter.
    if (plain && !letra.isNull() && !txtPalavra->hasFocus()) {
        QPushButton *botao = cmdLetra[letra.unicode() - 'A'];
        if (botao->isEnabled())
            botao->click();
        return;
    }
    Form::keyPressEvent(event);
}
