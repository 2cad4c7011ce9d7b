#include "frmZelvo.h"

#include "controls.h"
#include "fonts.h"
#include "frmForca.h"
#include "frmMemory.h"
#include "image.h"
#include "system.h"
#include "timer.h"
#include "twips.h"

#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

namespace {

QLabel *titleLetter(const QString &letter, int left, QWidget *parent)
{
    auto *label = new QLabel(letter, parent);
    label->setFont(Fonts::design(QStringLiteral("Times New Roman"), 48, true));
    Controls::setColour(label, QPalette::WindowText, QColor(0, 0, 192));
    label->setFixedHeight(Twips::toPixels(1095));
    Twips::place(label, left, 0);
    label->hide();
    return label;
}

} // namespace

frmZelvo::frmZelvo(QWidget *parent)
    : Form(QStringLiteral("Zelvo"), 7500, 5685, Border::FixedSingle, parent)
{
    setObjectName(QStringLiteral("frmZelvo"));
    setWindowIcon(Image::icon(QStringLiteral(":/pictures/zelvo-icon.svg")));
    // The illustration covers the whole client area, so the letters above it are
    // created after it: later siblings lie on top.
    auto *Image1 = new Image(QStringLiteral(":/pictures/zelvo.svg"), Image::Fit::Natural, client());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Zelvo"));
    Image1->setAccessibleDescription(
        tr("Uma forca de madeira, um carrasco encapuzado com uma foice e, ao fundo, "
           "um brinquedo redondo de quatro cores"));
    Twips::place(Image1, 0, 0);
    Image1->installEventFilter(this);

    lblLet0 = titleLetter(QStringLiteral("Z"), 1560, client());
    lblLet1 = titleLetter(QStringLiteral("E"), 2400, client());
    lblLet2 = titleLetter(QStringLiteral("L"), 3480, client());
    lblLet3 = titleLetter(QStringLiteral("V"), 4560, client());
    lblLet4 = titleLetter(QStringLiteral("O"), 5760, client());
    for (int i = 0; i < 5; ++i) {
        titulo()[i]->setObjectName(QStringLiteral("lblLet%1").arg(i));
        // Read as the word it spells, not as five loose letters.
        titulo()[i]->setAccessibleName(QStringLiteral("Zelvo"));
        titulo()[i]->setAccessibleDescription(tr("Título, letra %1 de 5").arg(i + 1));
    }

    tmrLetras = new Timer(500, true, this);
    tmrLetras->setObjectName(QStringLiteral("tmrLetras"));
    connect(tmrLetras, &Timer::tick, this, &frmZelvo::tmrLetras_Timer);

    QMenu *mnuZelvo = menuBar()->addMenu(QStringLiteral("&Zelvo"));
    mnuZelvo->setObjectName(QStringLiteral("mnuZelvo"));
    QAction *mnuForca = mnuZelvo->addAction(tr("&Forca"), this, &frmZelvo::mnuForca_Click);
    mnuForca->setObjectName(QStringLiteral("mnuForca"));
    mnuForca->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    QAction *mnuMemory = mnuZelvo->addAction(tr("&Memory"), this, &frmZelvo::mnuMemory_Click);
    mnuMemory->setObjectName(QStringLiteral("mnuMemory"));
    mnuMemory->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    mnuZelvo->addSeparator()->setObjectName(QStringLiteral("mnutraco"));
    QAction *mnuSair = mnuZelvo->addAction(tr("Sai&r"), this, &frmZelvo::mnuSair_Click);
    mnuSair->setObjectName(QStringLiteral("mnuSair"));
    mnuSair->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
}

// The title letters take their glyphs' widths only once the window has been
// painted: loading their big bold font was a good part of the start-up, and
// they stay hidden for the title's first half second anyway.
bool frmZelvo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            for (QLabel *letra : titulo())
                letra->adjustSize();
        });
    }
    return Form::eventFilter(watched, event);
}

void frmZelvo::Form_Load()
{
    centreOnScreen();
}

void frmZelvo::Form_Activate()
{
    tmrLetras->setEnabled(true);
    for (QLabel *letra : titulo())
        letra->setVisible(false);
    Contador = QStringLiteral("0");
}

void frmZelvo::mnuForca_Click()
{
    tmrLetras->setEnabled(false);
    for (QLabel *letra : titulo())
        letra->setVisible(true);
    auto *forca = new frmForca;
    forca->Form_Load();
    showModal(forca);
}

void frmZelvo::mnuMemory_Click()
{
    // The title stays frozen at whatever step it had reached.
    tmrLetras->setEnabled(false);
    auto *memory = new frmMemory;
    memory->Form_Load();
    showModal(memory);
}

// The launcher is the program's last window: closing it ends the program.
void frmZelvo::mnuSair_Click()
{
    unload();
}

void frmZelvo::tmrLetras_Timer()
{
    // One step per tick, chosen by the step's text as it was when the tick came.
    const QString passo = Contador;
    static const std::array<QString, 6> passos = {
        QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
        QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
    };
    for (int k = 0; k < 5; ++k) {
        if (passo == passos[k]) {
            titulo()[k]->setVisible(true);
            Contador = passos[k + 1];
            System::beep();
            return;
        }
    }
    if (passo == passos[5]) {
        ExibeLetras(false);
        Contador = passos[0];
    }
}

void frmZelvo::ExibeLetras(const bool &Visivel)
{
    for (QLabel *letra : titulo())
        letra->setVisible(Visivel);
}
