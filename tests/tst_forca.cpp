// The hangman window, driven as a player drives it: clicks on its buttons and
// menu items, keys typed into the word box, and message boxes answered by the
// test in place of the player.

#include "frmForca.h"

#include "baralho.h"
#include "frmPlacar.h"
#include "image.h"
#include "msgbox.h"
#include "palavras.h"
#include "placar.h"
#include "settings.h"
#include "system.h"
#include "testsupport.h"
#include <QAccessible>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Titulo = QStringLiteral("Jogo da Forca");
const QString Perdeu = QStringLiteral("Infelizmente você perdeu. Deseja jogar novamente?");
const QString Ganhou = QStringLiteral("Parabéns você ganhou!!!");
const QString DigitePalavra = QStringLiteral("Digite primeiro a palavra");
const QString Finalizar = QStringLiteral("Você deseja finalizar o programa Jogo da Forca?");

// What a player can see of the board, to tell whether anything moved.
struct Board
{
    QString word;
    bool wordLocked = false;
    QStringList labels;
    QList<bool> labelsShown;
    QList<bool> figure;
    QList<bool> letters;
    bool inicio = false;
    bool mnuinicio = false;

    bool operator==(const Board &) const = default;
};

} // namespace

class HangmanTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Layout.
    void opensWithDesignedCaptionAndClientSize();
    void letterButtonsWrapAfterM_data();
    void letterButtonsWrapAfterM();
    void lettersAllDisabledAtStart();
    void triedLetterLooksTried();
    void wordBoxHidesEightLettersBehindAsterisks();
    void opensInTwoPlayerMode();
    void menuShortcuts_data();
    void menuShortcuts();
    void tabOrderStartsAtNovo();
    void tabOrderLeadsThroughLettersDuringAGame();
    void livingHeadLiesAboveHangedHead();

    // Guessing.
    void guessRevealsEveryPlaceAndDisablesItsButton_data();
    void guessRevealsEveryPlaceAndDisablesItsButton();
    void wrongGuessesShowFigureInOrder();
    void lossAnsweredYesClearsBoardWithoutWinning();
    void lossAnsweredNoUnloadsWindow();
    void lowerCaseWordGuessedWithUpperCaseButtons();
    void correctGuessAtFiveErrorsDoesNotLose();

    // Win.
    void winShowsWholeFigureBeforeMessage();

    // Modes.
    void soloDealsEveryListedWordOnce();
    void soloEmptiesAndLocksWordBox();
    void twoPlayerUnlocksAndKeepsWord();
    void soloStartNeverAsksForWord();

    // Commands, as buttons and as menu items.
    void inicioWithEmptyBoxAsksForWord_data();
    void inicioWithEmptyBoxAsksForWord();
    void novoClearsBoardAndUnlocksBox_data();
    void novoClearsBoardAndUnlocksBox();
    void sairAnsweredYesUnloads_data();
    void sairAnsweredYesUnloads();
    void sairAnsweredNoChangesNothing_data();
    void sairAnsweredNoChangesNothing();
    void inicioDisabledInMenuDuringAGame();
    void menuShortcutsRunTheirCommands();

    // Key filter.
    void typedKeysKeepOnlyLetters_data();
    void typedKeysKeepOnlyLetters();
    void keyFilterCodes_data();
    void keyFilterCodes();
    void backspacePasses();
    void ninthCharacterRefused();

    // Text put in other than by typing.
    void pastedAndDroppedTextKeepsOnlyLetters_data();
    void pastedAndDroppedTextKeepsOnlyLetters();

    // A game that is over stays over.
    void wonGameCannotBeLost();
    void emptyWordIsAWrongGuessNeverAWin();

    // Keyboard and screen-reader play
    void letterKeysPlayWhileTheWordBoxIsNotTyping();
    void screenReaderHearsHiddenAndRevealedPlaces();

    // The word after a loss, accented letters, categories and word lists.
    void lossOpensHiddenPlacesInTheirOwnColour();
    void buttonOpensEveryAccentedForm_data();
    void buttonOpensEveryAccentedForm();
    void builtInListsArePlayable();
    void wordListFileRules_data();
    void wordListFileRules();
    void userListsJoinTheMenu();
    void listIsReadWhenPlayedAndOncePerVersion();
    void verdictKeptInTheSettingsForItsVersion();
    void categoryRememberedAndHinted_data();
    void categoryRememberedAndHinted();
    void hintShownWhenAskedUntilTheGameEnds_data();
    void hintShownWhenAskedUntilTheGameEnds();
    void hintOnlyForASoloWordThatHasOne();

    // The deck solo words are dealt from.
    void deckDealsEachWordOnceAndNeverTwiceInARow_data();
    void deckDealsEachWordOnceAndNeverTwiceInARow();
    void deckKeptAcrossRestart_data();
    void deckKeptAcrossRestart();

    // The scoreboard and the figure.
    void scoreboardCounts_data();
    void scoreboardCounts();
    void gameCountedTheMomentItEnds();
    void figureRememberedAndGallowsUnchanged();

private:
    template <typename T> T *child(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no child %s", qPrintable(name));
        return found;
    }
    QLineEdit *box() const { return window->txtPalavra; }
    QPushButton *letter(QChar c) const { return window->cmdLetra[c.unicode() - 'A']; }
    QAction *action(const QString &name) const { return child<QAction>(name); }

    // Runs a command the way the test row asks: its button or its menu item.
    void command(const QString &name);
    void typeWordAndStart(const QString &word);
    void guess(const QString &letters);
    Board board() const;

    QAction *categoryItem(const QString &name) const;
    void writeFile(const QString &path, const QByteArray &bytes);
    void reopen();
    static QStringList scoreRows(const frmPlacar &placar);

    QPointer<frmForca> window;
    QTemporaryDir data;     // XDG_DATA_HOME: the user's word lists
    QTemporaryDir settings; // a settings file of each test's own
};

// The window reads the user's lists from the program's data folder, which
// follows the application's name: the tests get a folder of their own.
void HangmanTest::initTestCase()
{
    QVERIFY(data.isValid());
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QCoreApplication::setApplicationName(QStringLiteral("Zelvo"));
    QCOMPARE(Palavras::pastaDoUsuario(), data.path() + QStringLiteral("/Zelvo/palavras"));
}

void HangmanTest::init()
{
    QDir(Palavras::pastaDoUsuario()).removeRecursively();
    QFile::remove(settings.filePath(QStringLiteral("Zelvo.conf")));
    Settings::setFileForTesting(settings.filePath(QStringLiteral("Zelvo.conf")));
    window = new frmForca;
    window->Form_Load();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void HangmanTest::cleanup()
{
    System::setRandomSource({});
    MsgBox::setResponder({});
    delete window.data();
}

void HangmanTest::command(const QString &name)
{
    QFETCH(bool, viaMenu);
    if (viaMenu)
        action(QStringLiteral("mnu") + name.toLower())->trigger();
    else
        QTest::mouseClick(child<QPushButton>(QStringLiteral("cmd") + name), Qt::LeftButton);
}

void HangmanTest::typeWordAndStart(const QString &word)
{
    QTest::keyClicks(box(), word);
    QCOMPARE(box()->text(), word);
    QTest::mouseClick(window->cmdInicio, Qt::LeftButton);
    QVERIFY(!window->cmdInicio->isEnabled());
}

void HangmanTest::guess(const QString &letters)
{
    for (QChar c : letters)
        QTest::mouseClick(letter(c), Qt::LeftButton);
}

// QTest types only ASCII; an accented letter is sent as a keyboard with that
// key would send it.
static void type(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, char(c.unicode()));
            continue;
        }
        const auto key = Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, widget, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, key, QString(c), Qt::NoModifier);
    }
}

Board HangmanTest::board() const
{
    Board b;
    b.word = box()->text();
    b.wordLocked = box()->isReadOnly();
    for (QLabel *label : window->lblLetra) {
        b.labels.append(label->text());
        b.labelsShown.append(label->isVisible());
    }
    for (Image *part : window->imgBoneco)
        b.figure.append(part->isVisible());
    for (QPushButton *button : window->cmdLetra)
        b.letters.append(button->isEnabled());
    b.inicio = window->cmdInicio->isEnabled();
    b.mnuinicio = window->mnuinicio->isEnabled();
    return b;
}

// ---- Layout -----------------------------------------------------------------

void HangmanTest::opensWithDesignedCaptionAndClientSize()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Forca"));
    // 6585 x 4860 twips at 15 twips a pixel.
    QCOMPARE(window->client()->size(), QSize(439, 324));
}

void HangmanTest::letterButtonsWrapAfterM_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("twips");

    QTest::newRow("A starts the first row") << "cmdLetra0"
                                            << "A" << QPoint(240, 3720);
    QTest::newRow("M ends the first row") << "cmdLetra12"
                                          << "M" << QPoint(6000, 3720);
    QTest::newRow("N starts the second row") << "cmdLetra13"
                                             << "N" << QPoint(240, 4200);
    QTest::newRow("Z ends the second row") << "cmdLetra25"
                                           << "Z" << QPoint(6000, 4200);
}

void HangmanTest::letterButtonsWrapAfterM()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QPoint, twips);

    auto *button = child<QPushButton>(name);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->pos(), twips / 15);
}

void HangmanTest::lettersAllDisabledAtStart()
{
    for (int i = 0; i < 26; ++i) {
        auto *button = child<QPushButton>(QStringLiteral("cmdLetra%1").arg(i));
        QVERIFY2(!button->isEnabled(), qPrintable(button->text()));
    }
    QVERIFY(window->cmdInicio->isEnabled());
}

// The enabled flag is the record of a tried letter, so the player must see it.
void HangmanTest::triedLetterLooksTried()
{
    auto *button = child<QPushButton>(QStringLiteral("cmdLetra0"));
    const QImage disabled = button->grab().toImage();
    button->setEnabled(true);
    const QImage enabled = button->grab().toImage();
    QVERIFY(disabled != enabled);
    const auto darkest = [](const QImage &image) {
        int value = 255;
        for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y)
            for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x)
                value = std::min(value, qGray(image.pixel(x, y)));
        return value;
    };
    QVERIFY(darkest(enabled) < 64);   // black letter
    QVERIFY(darkest(disabled) > 128); // greyed letter
}

void HangmanTest::wordBoxHidesEightLettersBehindAsterisks()
{
    auto *txtPalavra = child<QLineEdit>(QStringLiteral("txtPalavra"));
    QCOMPARE(txtPalavra->echoMode(), QLineEdit::Password);
    QCOMPARE(
        txtPalavra->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, txtPalavra),
        int('*'));
    QCOMPARE(txtPalavra->displayText(), QString());
    QTest::keyClicks(txtPalavra, QStringLiteral("abc"));
    QCOMPARE(txtPalavra->displayText().size(), 3);
    QCOMPARE(txtPalavra->maxLength(), 8);
}

void HangmanTest::opensInTwoPlayerMode()
{
    QVERIFY(action(QStringLiteral("mnudupla"))->isCheckable());
    QVERIFY(action(QStringLiteral("mnudupla"))->isChecked());
    QVERIFY(action(QStringLiteral("mnusolitario"))->isCheckable());
    QVERIFY(!action(QStringLiteral("mnusolitario"))->isChecked());
    QVERIFY(!box()->isReadOnly());
}

void HangmanTest::menuShortcuts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");

    QTest::newRow("Novo") << "mnunovo"
                          << "&Novo" << QKeySequence(Qt::Key_F1);
    QTest::newRow("Inicio") << "mnuinicio"
                            << "&Inicio" << QKeySequence(Qt::Key_F2);
    QTest::newRow("Sair") << "mnusair"
                          << "&Sair" << QKeySequence(Qt::CTRL | Qt::Key_S);
}

void HangmanTest::menuShortcuts()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);

    QAction *item = action(name);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
    QVERIFY(item->isEnabled());
}

void HangmanTest::tabOrderStartsAtNovo()
{
    QCOMPARE(QApplication::focusWidget(), window->cmdNovo);
    const QList<QWidget *> expected = {window->cmdInicio, window->cmdSair, box(), window->cmdNovo};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    // And back: the word box lets Shift+Tab out too.
    QTest::keyClick(window->cmdNovo, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), box());
    QTest::keyClick(box(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), window->cmdSair);
}

void HangmanTest::tabOrderLeadsThroughLettersDuringAGame()
{
    typeWordAndStart(QStringLiteral("GOL"));
    box()->setFocus();
    QTest::keyClick(box(), Qt::Key_Tab);
    for (int i = 0; i < 26; ++i) {
        QCOMPARE(QApplication::focusWidget(), window->cmdLetra[i]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), window->cmdNovo);
}

void HangmanTest::livingHeadLiesAboveHangedHead()
{
    const QObjectList stack = window->client()->children();
    const auto *living = child<QWidget>(QStringLiteral("imgBoneco7"));
    const auto *hanged = child<QWidget>(QStringLiteral("imgBoneco0"));
    const auto *gallows = child<QWidget>(QStringLiteral("Image1"));
    QVERIFY(stack.indexOf(living) > stack.indexOf(hanged));
    QVERIFY(stack.indexOf(hanged) > stack.indexOf(gallows));
    QVERIFY(living->geometry().intersects(hanged->geometry()));
}

// ---- Guessing ---------------------------------------------------------------

void HangmanTest::guessRevealsEveryPlaceAndDisablesItsButton_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QChar>("guessed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("wrong");

    QTest::newRow("A three times") << "SANTANA" << QChar('A') << "-A--A-A" << false;
    QTest::newRow("N twice") << "SANTANA" << QChar('N') << "--N--N-" << false;
    QTest::newRow("S once") << "SANTANA" << QChar('S') << "S------" << false;
    QTest::newRow("last place") << "SAVEIRO" << QChar('O') << "------O" << false;
    QTest::newRow("absent Z") << "SANTANA" << QChar('Z') << "-------" << true;
}

void HangmanTest::guessRevealsEveryPlaceAndDisablesItsButton()
{
    QFETCH(QString, word);
    QFETCH(QChar, guessed);
    QFETCH(QString, shown);
    QFETCH(bool, wrong);

    MsgBoxAnswers answers;
    typeWordAndStart(word);
    QVERIFY(letter(guessed)->isEnabled());
    guess(guessed);

    for (int i = 0; i < 8; ++i) {
        QLabel *place = window->lblLetra[i];
        QCOMPARE(place->isVisible(), i < word.size());
        QCOMPARE(place->text(), i < shown.size() ? QString(shown[i]) : QStringLiteral("-"));
    }
    QVERIFY(!letter(guessed)->isEnabled());
    QVERIFY(letter(guessed == 'B' ? 'C' : 'B')->isEnabled());
    QCOMPARE(window->imgBoneco[0]->isVisible(), wrong);
    QVERIFY(answers.asked.isEmpty());
}

void HangmanTest::wrongGuessesShowFigureInOrder()
{
    MsgBoxAnswers answers;
    typeWordAndStart(QStringLiteral("SANTANA"));

    const QString wrong = QStringLiteral("BCDEF");
    for (int k = 1; k <= 5; ++k) {
        guess(wrong.mid(k - 1, 1));
        for (int part = 0; part < 8; ++part)
            QCOMPARE(window->imgBoneco[part]->isVisible(), part < k);
        QCOMPARE(int(window->erros), k);

        // A right letter between two wrong ones shows no part.
        if (k == 2) {
            guess(QStringLiteral("A"));
            for (int part = 0; part < 8; ++part)
                QCOMPARE(window->imgBoneco[part]->isVisible(), part < k);
            QCOMPARE(int(window->erros), k);
        }
    }
    QVERIFY(answers.asked.isEmpty());
}

void HangmanTest::lossAnsweredYesClearsBoardWithoutWinning()
{
    MsgBoxAnswers answers(MsgBox::Yes);
    bool legShownWhenAsked = false;
    answers.whileOpen([&](const MsgBox::Question &) {
        legShownWhenAsked = window->imgBoneco[5]->isVisible() && !window->imgBoneco[6]->isVisible();
    });
    typeWordAndStart(QStringLiteral("GOL"));
    guess(QStringLiteral("ABCDEF"));

    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.asked[0].prompt, Perdeu);
    QCOMPARE(answers.asked[0].buttons, 68);
    QCOMPARE(answers.asked[0].title, Titulo);
    QVERIFY(legShownWhenAsked);

    QVERIFY(window);
    QCOMPARE(int(window->erros), 0);
    QCOMPARE(box()->text(), QString());
    for (int i = 0; i < 8; ++i) {
        QVERIFY(!window->imgBoneco[i]->isVisible());
        QVERIFY(!window->lblLetra[i]->isVisible());
        QCOMPARE(window->lblLetra[i]->text(), QStringLiteral("-"));
    }
    for (QPushButton *button : window->cmdLetra)
        QVERIFY(!button->isEnabled());
    QVERIFY(window->cmdInicio->isEnabled());

    // The next game starts from an empty figure.
    typeWordAndStart(QStringLiteral("UNO"));
    guess(QStringLiteral("B"));
    QVERIFY(window->imgBoneco[0]->isVisible());
    QVERIFY(!window->imgBoneco[1]->isVisible());
    QCOMPARE(answers.asked.size(), 1);
}

void HangmanTest::lossAnsweredNoUnloadsWindow()
{
    MsgBoxAnswers answers(MsgBox::No);
    typeWordAndStart(QStringLiteral("GOL"));
    guess(QStringLiteral("ABCDE"));
    QVERIFY(answers.asked.isEmpty());
    guess(QStringLiteral("F"));

    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.asked[0].prompt, Perdeu);
    QTRY_VERIFY(window.isNull());
}

void HangmanTest::lowerCaseWordGuessedWithUpperCaseButtons()
{
    MsgBoxAnswers answers;
    typeWordAndStart(QStringLiteral("gol"));
    guess(QStringLiteral("O"));
    QCOMPARE(window->lblLetra[1]->text(), QStringLiteral("O"));
    QVERIFY(!window->imgBoneco[0]->isVisible());
    guess(QStringLiteral("GL"));
    QCOMPARE(window->lblLetra[0]->text(), QStringLiteral("G"));
    QCOMPARE(window->lblLetra[2]->text(), QStringLiteral("L"));
    QCOMPARE(int(window->erros), 0);
    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.asked[0].prompt, Ganhou);
}

void HangmanTest::correctGuessAtFiveErrorsDoesNotLose()
{
    MsgBoxAnswers answers;
    typeWordAndStart(QStringLiteral("SANTANA"));
    guess(QStringLiteral("BCDEF"));
    QCOMPARE(int(window->erros), 5);

    guess(QStringLiteral("T"));
    QVERIFY(answers.asked.isEmpty());
    QCOMPARE(int(window->erros), 5);
    QVERIFY(window->imgBoneco[4]->isVisible());
    QVERIFY(!window->imgBoneco[5]->isVisible());
    QCOMPARE(window->lblLetra[3]->text(), QStringLiteral("T"));
    QVERIFY(window->cmdLetra[0]->isEnabled());
}

// ---- Win --------------------------------------------------------------------

void HangmanTest::winShowsWholeFigureBeforeMessage()
{
    MsgBoxAnswers answers;
    QList<bool> figureWhenAsked;
    answers.whileOpen([&](const MsgBox::Question &) {
        for (Image *part : window->imgBoneco)
            figureWhenAsked.append(part->isVisible());
    });
    typeWordAndStart(QStringLiteral("GOL"));
    guess(QStringLiteral("AGO")); // one wrong guess first: the hanged head is shown
    QVERIFY(window->imgBoneco[0]->isVisible());
    QVERIFY(answers.asked.isEmpty());
    guess(QStringLiteral("L"));

    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.asked[0].prompt, Ganhou);
    QCOMPARE(answers.asked[0].buttons, 0);
    QCOMPARE(answers.asked[0].title, QStringLiteral("Zelvo"));
    const QList<bool> wholeFigure = {false, true, true, true, true, true, true, true};
    QCOMPARE(figureWhenAsked, wholeFigure);
    QCOMPARE(board().figure, wholeFigure);
}

// ---- Modes ------------------------------------------------------------------

// Every car once before any comes back, the deck going on after a restart;
// the deck's own rules are deckDealsEachWordOnceAndNeverTwiceInARow's.
void HangmanTest::soloDealsEveryListedWordOnce()
{
    const QStringList carros = {"VECTRA", "OMEGA", "SAVEIRO", "FIESTA", "PALIO", "CORSA", "SANTANA",
                                "SIENA",  "GOLF",  "CIVIC",   "UNO",    "GOL",   "FUSCA"};
    MsgBoxAnswers answers;
    QStringList dealt;
    for (int game = 0; game < 14; ++game) {
        if (game == 6)
            reopen();
        action(QStringLiteral("mnusolitario"))->trigger();
        QTest::mouseClick(window->cmdInicio, Qt::LeftButton);
        dealt << box()->text();
        for (int i = 0; i < 8; ++i)
            QCOMPARE(window->lblLetra[i]->isVisible(), i < dealt.last().size());
        QTest::mouseClick(window->cmdNovo, Qt::LeftButton);
    }
    QStringList firstDeck = dealt.mid(0, 13);
    firstDeck.sort();
    QStringList sorted = carros;
    sorted.sort();
    QCOMPARE(firstDeck, sorted);
    QVERIFY(dealt[13] != dealt[12]);
    QVERIFY(answers.asked.isEmpty());
}

void HangmanTest::soloEmptiesAndLocksWordBox()
{
    QTest::keyClicks(box(), QStringLiteral("abc"));
    const Board before = board();
    action(QStringLiteral("mnusolitario"))->trigger();

    QVERIFY(action(QStringLiteral("mnusolitario"))->isChecked());
    QVERIFY(!action(QStringLiteral("mnudupla"))->isChecked());
    QCOMPARE(box()->text(), QString());
    QVERIFY(box()->isReadOnly());
    QTest::keyClicks(box(), QStringLiteral("xy"));
    QCOMPARE(box()->text(), QString());

    // Nothing else on the window moves.
    Board expected = before;
    expected.word.clear();
    expected.wordLocked = true;
    QCOMPARE(board(), expected);
}

void HangmanTest::twoPlayerUnlocksAndKeepsWord()
{
    action(QStringLiteral("mnusolitario"))->trigger();
    QTest::mouseClick(window->cmdInicio, Qt::LeftButton);
    const QString drawn = box()->text();
    QVERIFY(!drawn.isEmpty());
    QVERIFY(box()->isReadOnly());

    action(QStringLiteral("mnudupla"))->trigger();
    QVERIFY(action(QStringLiteral("mnudupla"))->isChecked());
    QVERIFY(!action(QStringLiteral("mnusolitario"))->isChecked());
    QVERIFY(!box()->isReadOnly());
    QCOMPARE(box()->text(), drawn);
    QVERIFY(!window->cmdInicio->isEnabled());
}

void HangmanTest::soloStartNeverAsksForWord()
{
    MsgBoxAnswers answers;
    action(QStringLiteral("mnusolitario"))->trigger();
    QCOMPARE(box()->text(), QString());
    QTest::mouseClick(window->cmdInicio, Qt::LeftButton);

    QVERIFY(answers.asked.isEmpty());
    QVERIFY(!box()->text().isEmpty());
    QVERIFY(!window->cmdInicio->isEnabled());
}

// ---- Commands ---------------------------------------------------------------

static void viaButtonOrMenu()
{
    QTest::addColumn<bool>("viaMenu");
    QTest::newRow("button") << false;
    QTest::newRow("menu") << true;
}

void HangmanTest::inicioWithEmptyBoxAsksForWord_data()
{
    viaButtonOrMenu();
}

void HangmanTest::inicioWithEmptyBoxAsksForWord()
{
    MsgBoxAnswers answers;
    window->cmdNovo->setFocus();
    QCOMPARE(QApplication::focusWidget(), window->cmdNovo);
    command(QStringLiteral("Inicio"));

    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.asked[0].prompt, DigitePalavra);
    QCOMPARE(answers.asked[0].buttons, 16);
    QCOMPARE(answers.asked[0].title, Titulo);
    QCOMPARE(QApplication::focusWidget(), box());
    QVERIFY(window->cmdInicio->isEnabled());
    QVERIFY(window->mnuinicio->isEnabled());
    for (QPushButton *button : window->cmdLetra)
        QVERIFY(!button->isEnabled());
    for (QLabel *label : window->lblLetra)
        QVERIFY(!label->isVisible());
}

void HangmanTest::novoClearsBoardAndUnlocksBox_data()
{
    viaButtonOrMenu();
}

void HangmanTest::novoClearsBoardAndUnlocksBox()
{
    MsgBoxAnswers answers;
    action(QStringLiteral("mnusolitario"))->trigger();
    QTest::mouseClick(window->cmdInicio, Qt::LeftButton);
    guess(QStringLiteral("XY")); // in no car's name
    QCOMPARE(int(window->erros), 2);
    QVERIFY(box()->isReadOnly());

    command(QStringLiteral("Novo"));

    QCOMPARE(int(window->erros), 0);
    QCOMPARE(box()->text(), QString());
    QVERIFY(!box()->isReadOnly());
    QCOMPARE(QApplication::focusWidget(), box());
    QVERIFY(action(QStringLiteral("mnusolitario"))->isChecked());
    const Board waiting = board();
    QCOMPARE(waiting.labels, QStringList(8, QStringLiteral("-")));
    QCOMPARE(waiting.labelsShown, QList<bool>(8, false));
    QCOMPARE(waiting.figure, QList<bool>(8, false));
    QCOMPARE(waiting.letters, QList<bool>(26, false));
    QVERIFY(waiting.inicio);
    QVERIFY(waiting.mnuinicio);
    QVERIFY(answers.asked.isEmpty());
}

void HangmanTest::sairAnsweredYesUnloads_data()
{
    viaButtonOrMenu();
}

void HangmanTest::sairAnsweredYesUnloads()
{
    MsgBoxAnswers answers(MsgBox::Yes);
    command(QStringLiteral("Sair"));

    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.asked[0].prompt, Finalizar);
    QCOMPARE(answers.asked[0].buttons, 68);
    QCOMPARE(answers.asked[0].title, Titulo);
    QTRY_VERIFY(window.isNull());
}

void HangmanTest::sairAnsweredNoChangesNothing_data()
{
    viaButtonOrMenu();
}

void HangmanTest::sairAnsweredNoChangesNothing()
{
    MsgBoxAnswers answers(MsgBox::No);
    typeWordAndStart(QStringLiteral("SANTANA"));
    guess(QStringLiteral("ABN"));
    const Board during = board();
    const auto errosBefore = window->erros;
    QCOMPARE(int(errosBefore), 1);

    command(QStringLiteral("Sair"));

    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.asked[0].prompt, Finalizar);
    QTest::qWait(0);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(board(), during);
    QCOMPARE(window->erros, errosBefore);
    QCOMPARE(box()->text(), QStringLiteral("SANTANA"));
    QCOMPARE(window->lblLetra[1]->text(), QStringLiteral("A"));
    QVERIFY(window->imgBoneco[0]->isVisible());
}

void HangmanTest::inicioDisabledInMenuDuringAGame()
{
    MsgBoxAnswers answers;
    QAction *mnuinicio = action(QStringLiteral("mnuinicio"));
    QVERIFY(mnuinicio->isEnabled());
    typeWordAndStart(QStringLiteral("GOL"));
    QVERIFY(!mnuinicio->isEnabled());

    // Triggering a disabled item does nothing.
    const Board during = board();
    mnuinicio->trigger();
    QCOMPARE(board(), during);

    action(QStringLiteral("mnunovo"))->trigger();
    QVERIFY(mnuinicio->isEnabled());
    QVERIFY(window->cmdInicio->isEnabled());
    QVERIFY(answers.asked.isEmpty());
}

void HangmanTest::menuShortcutsRunTheirCommands()
{
    MsgBoxAnswers answers(MsgBox::No);
    QTest::keyClicks(box(), QStringLiteral("gol"));
    QTest::keyClick(box(), Qt::Key_F2);
    QVERIFY(!window->cmdInicio->isEnabled());
    QVERIFY(window->cmdLetra[0]->isEnabled());

    QTest::keyClick(window->cmdLetra[0], Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.asked[0].prompt, Finalizar);

    QTest::keyClick(window->cmdLetra[0], Qt::Key_F1);
    QVERIFY(window->cmdInicio->isEnabled());
    QCOMPARE(box()->text(), QString());
}

// ---- Key filter -------------------------------------------------------------

void HangmanTest::typedKeysKeepOnlyLetters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("digits") << "a1b2c3"
                            << "abc";
    QTest::newRow("space") << "a b"
                           << "ab";
    QTest::newRow("punctuation") << "a.b,c-d!?'"
                                 << "abcd";
    QTest::newRow("next to the letters") << "@a[b`c{"
                                         << "abc";
    QTest::newRow("accented") << QStringLiteral("çaãoÉ") << QStringLiteral("çaãoÉ");
    QTest::newRow("letters with no button") << QStringLiteral("aßbæcødжe") << "abcde";
    QTest::newRow("letters as typed") << "aBcXyZ"
                                      << "aBcXyZ";
}

void HangmanTest::typedKeysKeepOnlyLetters()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    type(box(), typed);
    QCOMPARE(box()->text(), kept);
}

// The box's own validator would also refuse most of these, so the filter is
// checked on its own here.
void HangmanTest::keyFilterCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("kept");

    QTest::newRow("Backspace") << 8 << true;
    QTest::newRow("A") << 65 << true;
    QTest::newRow("Z") << 90 << true;
    QTest::newRow("a") << 97 << true;
    QTest::newRow("z") << 122 << true;
    QTest::newRow("@") << 64 << false;
    QTest::newRow("[") << 91 << false;
    QTest::newRow("`") << 96 << false;
    QTest::newRow("{") << 123 << false;
    QTest::newRow("0") << 48 << false;
    QTest::newRow("space") << 32 << false;
    QTest::newRow("tab") << 9 << false;
    QTest::newRow("c cedilla") << 0xE7 << true;
    QTest::newRow("A tilde") << 0xC3 << true;
    QTest::newRow("sharp s") << 0xDF << false;
    QTest::newRow("combining tilde alone") << 0x303 << false;
    QTest::newRow("Cyrillic a") << 0x430 << false;
}

void HangmanTest::keyFilterCodes()
{
    QFETCH(int, code);
    QFETCH(bool, kept);

    int KeyAscii = code;
    window->txtPalavra_KeyPress(KeyAscii);
    QCOMPARE(KeyAscii, kept ? code : 0);
}

void HangmanTest::backspacePasses()
{
    QTest::keyClicks(box(), QStringLiteral("abc"));
    QTest::keyClick(box(), Qt::Key_Backspace);
    QCOMPARE(box()->text(), QStringLiteral("ab"));
    QTest::keyClicks(box(), QStringLiteral("\b"));
    QCOMPARE(box()->text(), QStringLiteral("a"));
}

void HangmanTest::ninthCharacterRefused()
{
    QTest::keyClicks(box(), QStringLiteral("abcdefghi"));
    QCOMPARE(box()->text(), QStringLiteral("abcdefgh"));
}

// ---- Paste and drop ---------------------------------------------------------

void HangmanTest::pastedAndDroppedTextKeepsOnlyLetters_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // empty: only that no non-letter got in

    const QStringList ways = {QStringLiteral("paste"),        QStringLiteral("Ctrl+V"),
                              QStringLiteral("Shift+Insert"), QStringLiteral("insert"),
                              QStringLiteral("drop"),         QStringLiteral("menu"),
                              QStringLiteral("input method")};
    // Eight letters written as a letter and a combining accent each.
    const QString decomposed =
        QStringLiteral("A\u0303").repeated(4) + QStringLiteral("c\u0327").repeated(4);
    for (const QString &how : ways) {
        const QByteArray w = how.toLatin1();
        QTest::addRow("%s digit", w.data()) << how << "ab1"
                                            << "";
        QTest::addRow("%s space", w.data()) << how << "a b"
                                            << "";
        QTest::addRow("%s hyphen", w.data()) << how << "x-y"
                                             << "";
        QTest::addRow("%s accented", w.data())
            << how << QStringLiteral("ção") << QStringLiteral("ção");
        QTest::addRow("%s other script", w.data()) << how << QStringLiteral("aжbß\U0001F600") << "";
        // The slots insert() and paste() are no player's way in (the menu's
        // Paste is rerouted): only that no non-letter got in counts there.
        const bool slot = how == QLatin1String("insert") || how == QLatin1String("paste");
        QTest::addRow("%s decomposed", w.data())
            << how << decomposed << (slot ? QString() : QStringLiteral("ÃÃÃÃçççç"));
        QTest::addRow("%s letters", w.data()) << how << "abc"
                                              << "abc";
        QTest::addRow("%s ten letters", w.data()) << how << "abcdefghij"
                                                  << "abcdefgh";
    }
}

void HangmanTest::pastedAndDroppedTextKeepsOnlyLetters()
{
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QClipboard *clipboard = QApplication::clipboard();
    clipboard->setText(text);
    QCOMPARE(clipboard->text(), text);
    box()->setFocus();

    if (how == QLatin1String("paste")) {
        box()->paste();
    } else if (how == QLatin1String("Ctrl+V")) {
        QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
    } else if (how == QLatin1String("Shift+Insert")) {
        QTest::keyClick(box(), Qt::Key_Insert, Qt::ShiftModifier);
    } else if (how == QLatin1String("insert")) {
        box()->insert(text);
    } else if (how == QLatin1String("input method")) {
        // Dead keys and compose; what is still being composed never shows.
        QVERIFY(box()->inputMethodQuery(Qt::ImEnabled).toBool());
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box(), &commit);
        QApplication::setCursorFlashTime(0); // a steady cursor, for the picture
        const QImage picture = box()->grab().toImage();
        QInputMethodEvent composing(QStringLiteral("~a"), {});
        QApplication::sendEvent(box(), &composing);
        QVERIFY(box()->grab().toImage() == picture);
        QApplication::setCursorFlashTime(1000);
    } else if (how == QLatin1String("menu")) {
        // The word box's own right-click menu, its Paste item.
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, box()->rect().center(),
                                    box()->mapToGlobal(box()->rect().center()));
        QApplication::sendEvent(box(), &menuEvent);
        QMenu *menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
        const QList<QAction *> items = menu->actions();
        const auto paste = std::find_if(items.begin(), items.end(), [](QAction *item) {
            return item->text().startsWith(QLatin1String("&Paste"));
        });
        QVERIFY(paste != items.end());
        (*paste)->trigger();
        menu->close();
    } else {
        // A drop only lands on a widget that accepted the drag entering it.
        QMimeData data;
        data.setText(text);
        const QPoint at = box()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box(), &drop);
        QVERIFY(drop.isAccepted());
    }

    const QString got = box()->text();
    QVERIFY2(got.size() <= 8, qPrintable(got));
    for (QChar c : got)
        QVERIFY2(!Palavras::dobra(c).isNull(), qPrintable(got));
    QCOMPARE(box()->displayText(), QString(got.size(), QLatin1Char('*')));
    if (!expected.isEmpty())
        QCOMPARE(got, expected);
}

// ---- Over is over -----------------------------------------------------------

void HangmanTest::wonGameCannotBeLost()
{
    MsgBoxAnswers answers;
    typeWordAndStart(QStringLiteral("GOL"));
    guess(QStringLiteral("GOL"));
    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.asked[0].prompt, Ganhou);

    for (QPushButton *button : window->cmdLetra)
        QVERIFY2(!button->isEnabled(), qPrintable(button->text()));
    QVERIFY(!window->cmdInicio->isEnabled());
    QVERIFY(!window->mnuinicio->isEnabled());

    const Board won = board();
    guess(QStringLiteral("ABCDEFHIJKMN"));
    window->mnuinicio->trigger();
    QCOMPARE(board(), won);
    QCOMPARE(answers.asked.size(), 1);

    QTest::mouseClick(window->cmdNovo, Qt::LeftButton);
    QVERIFY(window->cmdInicio->isEnabled());
    QVERIFY(window->mnuinicio->isEnabled());
}

void HangmanTest::emptyWordIsAWrongGuessNeverAWin()
{
    MsgBoxAnswers answers;
    typeWordAndStart(QStringLiteral("GOL"));
    action(QStringLiteral("mnusolitario"))->trigger();
    QCOMPARE(box()->text(), QString());

    guess(QStringLiteral("G")); // right for the word the game began with
    QVERIFY(window->imgBoneco[0]->isVisible());
    QVERIFY(!window->imgBoneco[7]->isVisible());
    QCOMPARE(int(window->erros), 1);
    QVERIFY(answers.asked.isEmpty());
    QVERIFY(window->cmdLetra[1]->isEnabled());
}

// ---- Keyboard and screen-reader play ------------------------------------------

void HangmanTest::letterKeysPlayWhileTheWordBoxIsNotTyping()
{
    // Waiting for a word: no letter is in play, a key guesses nothing.
    window->cmdNovo->setFocus();
    QTest::keyClick(window->cmdNovo, Qt::Key_E, Qt::NoModifier);
    QVERIFY(!window->imgBoneco[0]->isVisible());

    typeWordAndStart(QStringLiteral("CASA"));
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus != box());
    QTest::keyClick(focus, Qt::Key_A, Qt::NoModifier);
    QCOMPARE(window->lblLetra[1]->text(), QStringLiteral("A"));
    QCOMPARE(window->lblLetra[3]->text(), QStringLiteral("A"));
    QVERIFY(!letter('A')->isEnabled());

    QTest::keyClick(focus, Qt::Key_Z, Qt::NoModifier);
    QVERIFY(window->imgBoneco[0]->isVisible());
    QTest::keyClick(focus, Qt::Key_Z, Qt::NoModifier); // tried already: ignored
    QVERIFY(!window->imgBoneco[1]->isVisible());
    QTest::keyClick(focus, Qt::Key_X, Qt::ControlModifier); // not a plain letter
    QVERIFY(letter('X')->isEnabled());

    // Typing in the word box types, it does not guess.
    box()->setFocus();
    QTest::keyClick(box(), Qt::Key_S, Qt::NoModifier);
    QCOMPARE(box()->text(), QStringLiteral("CASAs"));
    QVERIFY(letter('S')->isEnabled());
    QVERIFY(letter('S')->toolTip().contains(QLatin1Char('S')));
}

void HangmanTest::screenReaderHearsHiddenAndRevealedPlaces()
{
    const auto name = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    QCOMPARE(name(letter('Q')), QStringLiteral("Letra Q"));
    typeWordAndStart(QStringLiteral("OVO"));
    QCOMPARE(name(window->lblLetra[0]), QStringLiteral("Letra 1: oculta"));
    guess(QStringLiteral("O"));
    QCOMPARE(name(window->lblLetra[0]), QStringLiteral("Letra 1: O"));
    QCOMPARE(name(window->lblLetra[1]), QStringLiteral("Letra 2: oculta"));
    guess(QStringLiteral("K"));
    QCOMPARE(name(window->imgBoneco[0]), QStringLiteral("Cabeça enforcada, com a corda"));
    window->cmdNovo->click();
    QCOMPARE(name(window->lblLetra[0]), QStringLiteral("Letra 1: oculta"));
}

// ---- The word after a loss, accents, categories and word lists ---------------

void HangmanTest::lossOpensHiddenPlacesInTheirOwnColour()
{
    MsgBoxAnswers answers(MsgBox::Yes);
    QStringList seen;
    QList<QColor> colours;
    answers.whileOpen([&](const MsgBox::Question &) {
        for (int i = 0; i < 4; ++i) {
            seen << QAccessible::queryAccessibleInterface(window->lblLetra[i])
                        ->text(QAccessible::Name);
            colours << window->lblLetra[i]->palette().color(QPalette::WindowText);
        }
    });
    typeWordAndStart(QStringLiteral("gato"));
    guess(QStringLiteral("ABCDEFH"));

    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.asked[0].prompt, Perdeu);
    QCOMPARE(seen, QStringList({"Letra 1: G", "Letra 2: A", "Letra 3: T", "Letra 4: O"}));
    QCOMPARE(colours[1], QColor(Qt::white)); // found by the player
    QVERIFY(colours[0] != colours[1] && colours[0] == colours[2] && colours[0] == colours[3]);
    QVERIFY(colours[0] != window->client()->palette().color(QPalette::Window));
    for (QLabel *place : window->lblLetra) // Yes: a clear board, colours too
        QCOMPARE(place->palette().color(QPalette::WindowText), QColor(Qt::white));
}

void HangmanTest::buttonOpensEveryAccentedForm_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("guessed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("A in every form") << QStringLiteral("AÃÁÂÀa") << "A" << QStringLiteral("AÃÁÂÀA");
    QTest::newRow("C of maçã") << QStringLiteral("maçã") << "C" << QStringLiteral("--Ç-");
    QTest::newRow("E of pêssego") << QStringLiteral("pêssego") << "E" << QStringLiteral("-Ê--E--");
    QTest::newRow("U of lingüiça")
        << QStringLiteral("lingüiça") << "U" << QStringLiteral("----Ü---");
    QTest::newRow("N of piña") << QStringLiteral("piña") << "N" << QStringLiteral("--Ñ-");
    QTest::newRow("coração won") << QStringLiteral("coração") << "CORA"
                                 << QStringLiteral("CORAÇÃO");
}

void HangmanTest::buttonOpensEveryAccentedForm()
{
    QFETCH(QString, word);
    QFETCH(QString, guessed);
    QFETCH(QString, shown);

    MsgBoxAnswers answers;
    box()->setFocus();
    type(box(), word);
    QCOMPARE(box()->text(), word);
    QTest::mouseClick(window->cmdInicio, Qt::LeftButton);
    guess(guessed);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(window->lblLetra[i]->text(), QString(i < shown.size() ? shown[i] : '-'));
    QCOMPARE(int(window->erros), 0);
    QCOMPARE(answers.asked.size(), shown.contains(QLatin1Char('-')) ? 0 : 1);
}

QAction *HangmanTest::categoryItem(const QString &name) const
{
    for (QAction *item : child<QMenu>(QStringLiteral("mnucategoria"))->actions()) {
        if (item->text() == name)
            return item;
    }
    qFatal("no category %s", qPrintable(name));
}

void HangmanTest::writeFile(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A new window on what the folder and the settings file hold now.
void HangmanTest::reopen()
{
    delete window.data();
    window = new frmForca;
    window->Form_Load();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Upper case without accents: "Cão" and "CAO" are the same word to a reader.
static QString plain(const QString &text)
{
    QString letters;
    for (QChar c : text)
        letters += Palavras::dobra(c).isNull() ? c : Palavras::dobra(c);
    return letters;
}

void HangmanTest::builtInListsArePlayable()
{
    const QList<Palavras::Categoria> lists = Palavras::embutidas();
    QVERIFY(lists.size() >= 9);
    QCOMPARE(lists[0].nome, QStringLiteral("Carros"));
    QCOMPARE(Palavras::palavrasDe(lists[0].arquivo)->quantas(), 13); // soloDealsEveryListedWordOnce
    const QList<QAction *> items = child<QMenu>(QStringLiteral("mnucategoria"))->actions();
    QVERIFY(items[0]->isChecked());
    for (int i = 0; i < lists.size(); ++i) {
        const Palavras::Categoria &category = lists[i];
        const auto list = Palavras::palavrasDe(category.arquivo);
        QCOMPARE(items[i]->text(), category.nome);
        QVERIFY2(category.erro.isEmpty() && list->erro.isEmpty() && list->puladas.isEmpty(),
                 qPrintable(category.nome));
        QVERIFY(i == 0 || list->quantas() >= 40);
        // Every line plays: none left out, none dropped as a repeat.
        QFile file(category.arquivo);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count('\n'), list->quantas());
        for (int w = 0; w < list->quantas(); ++w) {
            const QString word = list->palavra(w);
            QVERIFY2(word.size() >= 3 && word.size() <= 8, qPrintable(word));
            for (QChar c : word)
                QVERIFY2(Palavras::dobra(c).isLetter(), qPrintable(word));
            // A hint a child can read at a glance, which gives neither the
            // word nor its root away ("Animal que late", not "Cãozinho").
            const QString hint = list->dica(w);
            QVERIFY2(!hint.isEmpty() && hint.size() <= 50 &&
                         Palavras::defeitoDaDica(hint).isEmpty(),
                     qPrintable(word + QStringLiteral(" | ") + hint));
            const QString plainWord = plain(word);
            for (qsizetype n : {plainWord.size(), qsizetype(5), qsizetype(4)})
                QVERIFY2(n > plainWord.size() || !plain(hint).contains(plainWord.left(n)),
                         qPrintable(word + QStringLiteral(" | ") + hint));
        }
    }
}

void HangmanTest::wordListFileRules_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("skipped");
    QTest::addColumn<QString>("error");

    const QString notUtf8 = QStringLiteral("o arquivo não está em UTF-8");
    QTest::newRow("good") << QStringLiteral("\uFEFF# Bichos\n\n  gato \nLeão\r\ngato\nGATO\nmac"
                                            "\u0327a\u0303\n")
                                 .toUtf8()
                          << QStringList({"GATO", "LEÃO", "MAÇÃ"}) << QStringList() << QString();
    QTest::newRow("bad words")
        << QStringLiteral("guarda-chuva\nabc1\nbom dia\nabacaxizeiro\nd'água\nstraße\nuva\n")
               .toUtf8()
        << QStringList({"UVA"})
        << QStringList({"linha 1: 'guarda-chuva': hífen", "linha 2: 'abc1': algarismo",
                        "linha 3: 'bom dia': espaço", "linha 4: 'abacaxizeiro': mais de 8 letras",
                        "linha 5: 'd'água': apóstrofo",
                        "linha 6: 'straße': caractere 'ß' não aceito"})
        << QString();
    QTest::newRow("hints")
        << (QStringLiteral("caderno | Onde escrevemos a lição\n  lápis|Escreve  \nmel |\n"
                           "bom dia | Cumprimento\n | Sem palavra\nuva | ") +
            QString(81, QLatin1Char('a')) + QStringLiteral("\nsol | ") + QString(80, 'a') +
            QStringLiteral("\nlua | Brilha\tà noite\nrio | Corre\u2028para o mar\n# x | y\n"))
               .toUtf8()
        << QStringList({"CADERNO | Onde escrevemos a lição", "LÁPIS | Escreve", "MEL",
                        "SOL | " + QString(80, 'a')})
        << QStringList({"linha 4: 'bom dia': espaço", "linha 5: '': palavra vazia",
                        "linha 6: 'uva': dica longa demais",
                        "linha 8: 'lua': dica com caractere de controle",
                        "linha 9: 'rio': dica com caractere de controle"})
        << QString();
    QTest::newRow("empty") << QByteArray("# nada\n\n") << QStringList() << QStringList()
                           << QStringLiteral("o arquivo está vazio");
    QTest::newRow("no playable word")
        << QByteArray("bom dia\n") << QStringList() << QStringList({"linha 1: 'bom dia': espaço"})
        << QStringLiteral("nenhuma palavra pode ser jogada");
    QTest::newRow("Latin-1") << QByteArray("ma\xE7\xE3\n") << QStringList() << QStringList()
                             << notUtf8;
    QTest::newRow("UTF-16") << QByteArray("g\0a\0t\0o\0", 8) << QStringList() << QStringList()
                            << notUtf8;
    QTest::newRow("over 1 MB") << QByteArray("gato\n").leftJustified(Palavras::TamanhoMaximo + 1,
                                                                     ' ')
                               << QStringList() << QStringList()
                               << QStringLiteral("arquivo grande demais");
}

void HangmanTest::wordListFileRules()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, words);
    QFETCH(QStringList, skipped);
    QFETCH(QString, error);

    const QString path = settings.filePath(QStringLiteral("Lista.txt"));
    writeFile(path, content);
    const Palavras::Lista list = Palavras::le(path);
    QStringList read;
    for (int i = 0; i < list.quantas(); ++i)
        read << (list.dica(i).isEmpty() ? list.palavra(i)
                                        : list.palavra(i) + QStringLiteral(" | ") + list.dica(i));
    QCOMPARE(read, words);
    QStringList told;
    for (const Palavras::Problema &p : list.puladas)
        told << QStringLiteral("linha %1: '%2': %3").arg(p.linha).arg(p.palavra, p.motivo);
    QCOMPARE(told, skipped);
    QCOMPARE(list.erro, error);
    // The menu's verdict stops at the first playable word, and agrees.
    QCOMPARE(Palavras::le(path, Palavras::Leitura::Veredito).erro, error);
}

void HangmanTest::userListsJoinTheMenu()
{
    const QString folder = Palavras::pastaDoUsuario();
    const QByteArray bichos = "gato\nguarda-chuva\nabc1\n";
    writeFile(folder + QStringLiteral("/Bichos.txt"), bichos);
    writeFile(folder + QStringLiteral("/Vazia.txt"), "");
    writeFile(folder + QStringLiteral("/Animais.txt"), "tatu\n");
    writeFile(folder + QStringLiteral("/notas.md"), "gato\n");
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/Pasta.txt")));
    reopen();

    QStringList names;
    for (QAction *item : child<QMenu>(QStringLiteral("mnucategoria"))->actions())
        names << item->text();
    QCOMPARE(names.mid(Palavras::embutidas().size()),
             QStringList({"Animais (lista própria)", "Bichos", "Pasta", "Vazia"}));
    QVERIFY(!categoryItem(QStringLiteral("Vazia"))->isEnabled());
    QVERIFY(categoryItem(QStringLiteral("Vazia"))->toolTip().contains("o arquivo está vazio"));
    QVERIFY(categoryItem(QStringLiteral("Pasta"))->toolTip().contains("não foi possível ler"));

    // Skipped words are told the first time the list is chosen in a run.
    MsgBoxAnswers answers;
    categoryItem(QStringLiteral("Bichos"))->trigger();
    QCOMPARE(answers.asked.size(), 1);
    const QString told = answers.asked[0].prompt;
    for (const QString &part :
         {folder + QStringLiteral("/Bichos.txt"), QStringLiteral("2 palavras"),
          QStringLiteral("linha 2: 'guarda-chuva': hífen"),
          QStringLiteral("linha 3: 'abc1': algarismo")})
        QVERIFY2(told.contains(part), qPrintable(told));
    reopen();
    action(QStringLiteral("mnusolitario"))->trigger();
    QTest::mouseClick(window->cmdInicio, Qt::LeftButton);
    QCOMPARE(box()->text(), QStringLiteral("GATO"));
    QCOMPARE(answers.asked.size(), 1);
    QFile file(folder + QStringLiteral("/Bichos.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bichos); // only ever read
}

// The words are read when a list is first played, not when the window opens,
// and kept until the file's size or time changes. A file of the same size
// rewritten with its old time is the proof of what was read when.
void HangmanTest::listIsReadWhenPlayedAndOncePerVersion()
{
    const QString path = Palavras::pastaDoUsuario() + QStringLiteral("/Bichos.txt");
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    const auto rewrite = [&](const QByteArray &content, const QDateTime &time) {
        writeFile(path, content);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
    };
    const auto drawn = [&] {
        reopen();
        categoryItem(QStringLiteral("Bichos"))->trigger();
        action(QStringLiteral("mnusolitario"))->trigger();
        QTest::mouseClick(window->cmdInicio, Qt::LeftButton);
        return box()->text();
    };
    rewrite("gato\n", old);
    reopen();
    rewrite("pato\n", old);
    QCOMPARE(drawn(), QStringLiteral("PATO")); // opening read no words
    rewrite("rato\n", old);
    QCOMPARE(drawn(), QStringLiteral("PATO")); // the same version is not read again
    rewrite("rato\n", old.addSecs(1));
    QCOMPARE(drawn(), QStringLiteral("RATO"));
    // A file written this very moment may be written again within the same
    // tick of the file system's clock: it is never taken as unchanged.
    const QDateTime now = QDateTime::currentDateTime();
    rewrite("mato\n", now);
    QCOMPARE(drawn(), QStringLiteral("MATO"));
    rewrite("fato\n", now);
    QCOMPARE(drawn(), QStringLiteral("FATO"));
}

// A verdict the settings hold for this very version of a file is taken as it
// is, so the first opening after a start reads no list; another version is
// read again.
void HangmanTest::verdictKeptInTheSettingsForItsVersion()
{
    const QString path = Palavras::pastaDoUsuario() + QStringLiteral("/Guardada.txt");
    writeFile(path, "gato\n");
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    {
        QSettings kept(settings.filePath(QStringLiteral("Zelvo.conf")), QSettings::IniFormat);
        kept.beginWriteArray(QStringLiteral("forca/listas"));
        kept.setArrayIndex(0);
        kept.setValue(QStringLiteral("arquivo"), path);
        kept.setValue(QStringLiteral("tamanho"), 5);
        kept.setValue(QStringLiteral("modificado"), old.toMSecsSinceEpoch());
        kept.setValue(QStringLiteral("erro"), QStringLiteral("o arquivo está vazio"));
        kept.endArray();
    }
    reopen();
    QVERIFY(!categoryItem(QStringLiteral("Guardada"))->isEnabled());
    QVERIFY(file.setFileTime(old.addSecs(1), QFileDevice::FileModificationTime));
    reopen();
    QVERIFY(categoryItem(QStringLiteral("Guardada"))->isEnabled());
}

void HangmanTest::categoryRememberedAndHinted_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no settings file at all
    QTest::addColumn<QString>("expected");

    QTest::newRow("no file") << QByteArray() << "Carros";
    QTest::newRow("garbled") << QByteArray("\xFF\x00[[=\n\x01=", 9) << "Carros";
    QTest::newRow("remembered") << QStringLiteral("[forca]\ncategoria=Países\n").toUtf8()
                                << QStringLiteral("Países");
    QTest::newRow("unknown name") << QByteArray("[forca]\ncategoria=Dinossauros\n") << "Carros";
    QTest::newRow("list now unusable") << QByteArray("[forca]\ncategoria=Vazia\n") << "Carros";
}

void HangmanTest::categoryRememberedAndHinted()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);

    writeFile(Palavras::pastaDoUsuario() + QStringLiteral("/Vazia.txt"), "");
    if (!file.isNull())
        writeFile(settings.filePath(QStringLiteral("Zelvo.conf")), file);
    reopen();
    QVERIFY(categoryItem(expected)->isChecked());

    // A solo game shows its category where it covers nothing.
    auto *hint = child<QLabel>(QStringLiteral("lblCategoria"));
    action(QStringLiteral("mnusolitario"))->trigger();
    QTest::mouseClick(window->cmdInicio, Qt::LeftButton);
    QVERIFY(hint->isVisible());
    QCOMPARE(hint->text(), QStringLiteral("Categoria: ") + expected);
    QCOMPARE(QAccessible::queryAccessibleInterface(hint)->text(QAccessible::Name), hint->text());
    for (const QWidget *other :
         window->client()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY(other == hint || !other->geometry().intersects(hint->geometry()));
    QTest::mouseClick(window->cmdNovo, Qt::LeftButton);
    QVERIFY(!hint->isVisible());

    // A choice made now is the next window's.
    categoryItem(QStringLiteral("Esportes"))->trigger();
    reopen();
    QVERIFY(categoryItem(QStringLiteral("Esportes"))->isChecked());
}

void HangmanTest::hintShownWhenAskedUntilTheGameEnds_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("button") << "button";
    QTest::newRow("menu") << "menu";
    QTest::newRow("F3") << "F3";
}

void HangmanTest::hintShownWhenAskedUntilTheGameEnds()
{
    QFETCH(QString, how);

    writeFile(Palavras::pastaDoUsuario() + QStringLiteral("/Turma.txt"),
              "caderno | Onde escrevemos a lição\n");
    reopen();
    categoryItem(QStringLiteral("Turma"))->trigger();
    action(QStringLiteral("mnusolitario"))->trigger();
    QTest::mouseClick(window->cmdInicio, Qt::LeftButton);
    auto *button = child<QPushButton>(QStringLiteral("cmdDica"));
    auto *hint = child<QLabel>(QStringLiteral("lblDica"));
    QVERIFY(button->isVisible() && button->isEnabled() && action("mnudica")->isEnabled());
    QVERIFY(!hint->isVisible());
    QVERIFY(!window->dicaUsada);

    if (how == QLatin1String("button"))
        QTest::mouseClick(button, Qt::LeftButton);
    else if (how == QLatin1String("menu"))
        action(QStringLiteral("mnudica"))->trigger();
    else
        QTest::keyClick(window->cmdLetra[0], Qt::Key_F3);
    QVERIFY(hint->isVisible());
    QCOMPARE(hint->text(), QStringLiteral("Dica: Onde escrevemos a lição"));
    QCOMPARE(QAccessible::queryAccessibleInterface(hint)->text(QAccessible::Name), hint->text());
    QVERIFY(hint->hasFocus()); // where a screen reader reads it
    QVERIFY(!button->isVisible() && !action("mnudica")->isEnabled());
    QVERIFY(window->dicaUsada);
    for (const QWidget *other :
         window->client()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY(other == hint || other == button ||
                !other->geometry().intersects(hint->geometry()));

    // Letter keys play on from the hint, and it stays when the game is won.
    MsgBoxAnswers answers;
    QTest::keyClicks(hint, QStringLiteral("cadernox"));
    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.asked[0].prompt, Ganhou);
    QVERIFY(hint->isVisible());
    QTest::mouseClick(window->cmdNovo, Qt::LeftButton);
    QVERIFY(!hint->isVisible() && !button->isVisible() && !action("mnudica")->isEnabled());
}

void HangmanTest::hintOnlyForASoloWordThatHasOne()
{
    auto *button = child<QPushButton>(QStringLiteral("cmdDica"));
    typeWordAndStart(QStringLiteral("gol"));
    QVERIFY(!button->isVisible() && !action("mnudica")->isEnabled());
    QTest::mouseClick(window->cmdNovo, Qt::LeftButton);

    // A solo game in Carros: the hint waits, until the game is won.
    action(QStringLiteral("mnusolitario"))->trigger();
    QTest::mouseClick(window->cmdInicio, Qt::LeftButton);
    QVERIFY(button->isVisible() && button->isEnabled());
    MsgBoxAnswers answers;
    guess(box()->text()); // a letter met again is a button already disabled
    QCOMPARE(answers.asked.size(), 1);
    QVERIFY(!button->isEnabled() && !action("mnudica")->isEnabled());
    QTest::mouseClick(window->cmdNovo, Qt::LeftButton);

    // A teacher's word given without a hint.
    writeFile(Palavras::pastaDoUsuario() + QStringLiteral("/Turma.txt"), "caderno\n");
    reopen();
    categoryItem(QStringLiteral("Turma"))->trigger();
    action(QStringLiteral("mnusolitario"))->trigger();
    QTest::mouseClick(window->cmdInicio, Qt::LeftButton);
    QCOMPARE(box()->text(), QStringLiteral("CADERNO"));
    QVERIFY(child<QPushButton>(QStringLiteral("cmdDica"))->isVisible());
    QVERIFY(!child<QPushButton>(QStringLiteral("cmdDica"))->isEnabled());
    QVERIFY(!action("mnudica")->isEnabled());
}

// ---- Deck -------------------------------------------------------------------

// Seeds 1, 2, 3... in turn, so that every run deals the same.
static Baralho::Sorteio counting(int *calls)
{
    return [calls] { return quint32(++*calls); };
}

void HangmanTest::deckDealsEachWordOnceAndNeverTwiceInARow_data()
{
    QTest::addColumn<int>("words");
    for (int n : {1, 2, 3, 13, 500})
        QTest::addRow("%d", n) << n;
}

// Forty decks meet the boundary between two decks thirty-nine times: a shuffle
// blind to it would repeat a word of two or three there a dozen times over.
void HangmanTest::deckDealsEachWordOnceAndNeverTwiceInARow()
{
    QFETCH(int, words);
    int seeds = 0;
    Baralho deck(words, "lista", {}, counting(&seeds));
    int last = -1;
    for (int round = 0; round < 40; ++round) {
        QList<bool> dealt(words, false);
        for (int k = 0; k < words; ++k) {
            const int i = deck.proxima();
            QVERIFY(i >= 0 && i < words && !dealt[i]);
            dealt[i] = true;
            QVERIFY2(words == 1 || i != last, qPrintable(QStringLiteral("deck %1").arg(round)));
            last = i;
        }
    }
    QCOMPARE(seeds, 40);
}

void HangmanTest::deckKeptAcrossRestart_data()
{
    QTest::addColumn<QByteArray>("list"); // the fingerprint after the restart
    QTest::addColumn<QString>("key");     // a stored value replaced...
    QTest::addColumn<QVariant>("value");  // ...by this one
    QTest::addColumn<bool>("kept");

    QTest::newRow("same list") << QByteArray("A") << QString() << QVariant() << true;
    QTest::newRow("changed list") << QByteArray("B") << QString() << QVariant() << false;
    QTest::newRow("seed not a number") << QByteArray("A") << "semente" << QVariant("x") << false;
    QTest::newRow("more dealt than words") << QByteArray("A") << "dadas" << QVariant(8) << false;
}

void HangmanTest::deckKeptAcrossRestart()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(bool, kept);

    // Two decks and a half dealt, the next ones as an unbroken run deals them.
    int seeds = 0;
    Baralho deck(7, "A", {}, counting(&seeds));
    for (int k = 0; k < 17; ++k)
        deck.proxima();
    const QString path = settings.filePath(QStringLiteral("deck.conf"));
    {
        QSettings file(path, QSettings::IniFormat);
        guardaBaralho(file, QStringLiteral("Países / ç"), deck.estado());
        if (!key.isEmpty())
            file.setValue(QStringLiteral("forca-baralho/Pa%C3%ADses%20%2F%20%C3%A7/") + key, value);
    }
    const int seedsSoFar = seeds;
    QList<int> unbroken;
    for (int k = 0; k < 11; ++k)
        unbroken << deck.proxima();

    const QSettings file(path, QSettings::IniFormat);
    int seedsAfter = seedsSoFar;
    Baralho restarted(7, list, leBaralho(file, QStringLiteral("Países / ç")),
                      counting(&seedsAfter));
    QList<int> next;
    for (int k = 0; k < 11; ++k)
        next << restarted.proxima();
    if (kept) {
        QCOMPARE(next, unbroken);
    } else {
        // A new deck at once: its first seven are every word once.
        QCOMPARE(seedsAfter, seedsSoFar + 2);
        QList<int> first(next.mid(0, 7));
        std::sort(first.begin(), first.end());
        QCOMPARE(first, QList<int>({0, 1, 2, 3, 4, 5, 6}));
    }
}

// ---- Scoreboard and figure --------------------------------------------------

// The scoreboard's rows as the dialog shows them, a row a line.
QStringList HangmanTest::scoreRows(const frmPlacar &placar)
{
    QStringList rows;
    const QTableWidget *table = placar.grdPlacar;
    for (int r = 0; table->isVisibleTo(&placar) && r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->item(r, c)->text();
        rows << cells.join(QLatin1Char(' '));
    }
    return rows;
}

void HangmanTest::scoreboardCounts_data()
{
    QTest::addColumn<QByteArray>("file");
    // "Category:V" a win, "Vd" a win with the hint, "D" a loss; no category: two players.
    QTest::addColumn<QStringList>("games");
    QTest::addColumn<int>("zerar"); // the answer to "Zerar"'s question, 0 when not asked
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("streaks, hints, two players last")
        << QByteArray()
        << QStringList({"Carros:V", ":V", "Carros:Vd", "Carros:D", "Carros:V", "Frutas:D",
                        "Carros:Vd", ":D", "Carros:V"})
        << 0 << QStringList({"Carros 5 1 3 3 2", "Frutas 0 1 0 0 0", "Dupla 1 1 0 1 0"});
    QTest::newRow("menu order, any name")
        << QByteArray() << QStringList({"3ª / 100% \\ [a]=b:V", "Países:D", "Carros:V", "Dupla:V"})
        << 0
        << QStringList({"Carros 1 0 1 1 0", "Países 0 1 0 0 0", "Dupla 1 0 1 1 0",
                        "3ª / 100% \\ [a]=b 1 0 1 1 0"});
    QTest::newRow("garbled cells")
        << QByteArray(
               "[forca]\nplacar\\categorias\\Carros\\vitorias=muitas\n"
               "placar\\categorias\\Carros\\derrotas=2\n"
               "placar\\categorias\\Carros\\melhor=-4\n"
               "placar\\dupla\\vitorias=@Variant(\\0\\0\\0\\x7f)\nplacar\\dupla\\derrotas=1\n")
        << QStringList({"Carros:V"}) << 0 << QStringList({"Carros 1 2 1 1 0", "Dupla 0 1 0 0 0"});
    QTest::newRow("Zerar, Yes") << QByteArray() << QStringList({":D"}) << int(MsgBox::Yes)
                                << QStringList();
    QTest::newRow("Zerar, No") << QByteArray() << QStringList({":D"}) << int(MsgBox::No)
                               << QStringList({"Dupla 0 1 0 0 0"});
}

void HangmanTest::scoreboardCounts()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, games);
    QFETCH(int, zerar);
    QFETCH(QStringList, rows);

    if (!file.isNull())
        writeFile(settings.filePath(QStringLiteral("Zelvo.conf")), file);
    for (const QString &game : games) {
        const QString result = game.section(QLatin1Char(':'), -1);
        Placar::registra(game.section(QLatin1Char(':'), 0, -2), result != "D", result == "Vd");
    }
    MsgBoxAnswers answers(zerar);
    frmPlacar placar({"Carros", "Animais", "Frutas", "Países", "Dupla"});
    if (zerar)
        QTest::mouseClick(placar.cmdZerar, Qt::LeftButton);
    QCOMPARE(answers.asked.size(), zerar ? 1 : 0);
    QCOMPARE(scoreRows(placar), rows);
    QCOMPARE(placar.lblVazio->isVisibleTo(&placar), rows.isEmpty());
}

// On the disk before the player answers the box that ends the game, with a
// hint counted only for the game that showed it.
void HangmanTest::gameCountedTheMomentItEnds()
{
    writeFile(Palavras::pastaDoUsuario() + QStringLiteral("/Turma.txt"), "uva\n");
    writeFile(settings.filePath(QStringLiteral("Zelvo.conf")), "[forca]\ncategoria=Turma\n");
    reopen();
    MsgBoxAnswers answers;
    QList<Placar::Linha> seen;
    answers.whileOpen([&](const MsgBox::Question &) {
        seen = Placar::le(QSettings(settings.filePath("Zelvo.conf"), QSettings::IniFormat));
    });
    action(QStringLiteral("mnusolitario"))->trigger();
    for (bool hint : {true, false}) {
        QTest::mouseClick(window->cmdNovo, Qt::LeftButton);
        QTest::mouseClick(window->cmdInicio, Qt::LeftButton);
        window->dicaUsada = window->dicaUsada || hint; // as the hint command sets it
        guess(QStringLiteral("UVA"));
    }
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].categoria, QStringLiteral("Turma"));
    QCOMPARE(seen[0].contagem, (Placar::Contagem{2, 0, 2, 2, 1}));
}

// The flower shows one picture, for the wrong guesses so far or the win, and
// the gallows comes back exactly as it was.
void HangmanTest::figureRememberedAndGallowsUnchanged()
{
    MsgBoxAnswers answers;
    const auto shown = [this] {
        QList<Image *> pictures = window->client()->findChildren<Image *>();
        pictures.removeIf([](const Image *picture) { return !picture->isVisible(); });
        return pictures;
    };
    typeWordAndStart(QStringLiteral("sol"));
    guess(QStringLiteral("AB"));
    action(QStringLiteral("mnuflor"))->trigger();
    QCOMPARE(shown(), QList<Image *>({window->imgFlor[2]}));
    action(QStringLiteral("mnuforca"))->trigger();
    guess(QStringLiteral("SOL"));
    const QImage gallows = window->grab().toImage();
    action(QStringLiteral("mnuflor"))->trigger();
    QCOMPARE(shown(), QList<Image *>({window->imgFlor[7]}));
    action(QStringLiteral("mnuforca"))->trigger();
    QCOMPARE(window->grab().toImage(), gallows);

    action(QStringLiteral("mnuflor"))->trigger();
    reopen();
    QCOMPARE(shown(), QList<Image *>({window->imgFlor[0]}));
    writeFile(settings.filePath(QStringLiteral("Zelvo.conf")), "[forca]\nfigura=girassol\n");
    reopen();
    QVERIFY(action(QStringLiteral("mnuforca"))->isChecked());
}

QTEST_MAIN(HangmanTest)
#include "tst_forca.moc"
