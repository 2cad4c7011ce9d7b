// Stress: a seeded monkey fires random player events at each game window and
// checks after every one that the game's rules still hold; then the launcher
// opens and closes both games a thousand times and must not grow.
//
// Every random choice comes from one seed, printed at the start and in any
// failure; ZELVO_STRESS_SEED=<number> replays a run exactly, and
// ZELVO_STRESS_EVENTS=<number> changes how many events each window gets.

#include "frmForca.h"
#include "frmMemory.h"
#include "frmRecordes.h"
#include "frmZelvo.h"
#include "image.h"
#include "msgbox.h"
#include "palavras.h"
#include "settings.h"
#include "sounddevice.h"
#include "system.h"
#include "testsupport.h"
#include "timer.h"

#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>

namespace {

quint64 stressSeed()
{
    static const quint64 seed = [] {
        bool ok = false;
        const quint64 forced = qEnvironmentVariable("ZELVO_STRESS_SEED").toULongLong(&ok, 0);
        return ok ? forced : QRandomGenerator::system()->generate64();
    }();
    return seed;
}

int eventsPerWindow()
{
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("ZELVO_STRESS_EVENTS", &ok);
    return ok && events > 0 ? events : 100000;
}

QString replayHint()
{
    return QStringLiteral("seed %1 (replay with ZELVO_STRESS_SEED=%1)").arg(stressSeed());
}

// Qt Test cuts long failure messages short: the whole story goes to the
// standard error, and the failure itself keeps its first line and the seed.
QString report(const QString &failure)
{
    if (failure.isEmpty())
        return failure;
    std::fputs(qPrintable(failure + QLatin1Char('\n')), stderr);
    return failure.section(QLatin1Char('\n'), 0, 1);
}

// One stream of choices per test, so each test replays alone with the seed.
class Rng
{
public:
    Rng(quint64 seed, quint64 stream)
    {
        std::seed_seq sequence{quint32(seed), quint32(seed >> 32), quint32(stream)};
        m_engine.seed(sequence);
    }
    int below(int n) { return n <= 1 ? 0 : int(m_engine() % quint64(n)); }
    bool chance(double p) { return double(m_engine() >> 11) * 0x1.0p-53 < p; }
    // The game's own draw: 24 random bits, never 1.0.
    float unit() { return float(m_engine() >> 40) * (1.0f / 16777216.0f); }

private:
    std::mt19937_64 m_engine;
};

// Picks by weight from a table of {weight, value}.
template <typename T> const T &weighted(Rng &rng, const QList<std::pair<int, T>> &table)
{
    int total = 0;
    for (const auto &entry : table)
        total += entry.first;
    int r = rng.below(total);
    for (const auto &entry : table) {
        if (r < entry.first)
            return entry.second;
        r -= entry.first;
    }
    return table.last().second;
}

// The last events, so that a failure tells what led to it.
class Trail;
Trail *runningTrail = nullptr; // the one to show if the program aborts

class Trail
{
public:
    Trail() { runningTrail = this; }
    Trail(const Trail &) = delete;
    Trail &operator=(const Trail &) = delete;
    ~Trail()
    {
        if (runningTrail == this)
            runningTrail = nullptr;
    }
    void add(const QString &event)
    {
        m_events.append(event);
        if (m_events.size() > 40)
            m_events.removeFirst();
    }
    QString text() const { return QStringLiteral("  ") + m_events.join(QStringLiteral("\n  ")); }

private:
    QStringList m_events;
};

// A running fingerprint of the states passed through: the same seed must give
// the same fingerprint, which is how a replay is known to be exact.
class Digest
{
public:
    void add(quint64 value)
    {
        for (int i = 0; i < 8; ++i) {
            m_hash ^= (value >> (8 * i)) & 0xff;
            m_hash *= 0x100000001b3ULL;
        }
    }
    quint64 value() const { return m_hash; }

private:
    quint64 m_hash = 0xcbf29ce484222325ULL;
};

// A key as the monkey presses it; `ascii` 0 means a key that types nothing.
struct Key
{
    Qt::Key key;
    char ascii;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

QString keyName(const Key &k)
{
    QString name = QKeySequence(k.key).toString();
    if (k.ascii >= 'a' && k.ascii <= 'z')
        name = name.toLower();
    if (k.modifiers & Qt::ControlModifier)
        name.prepend(QStringLiteral("Ctrl+"));
    return name;
}

void press(QWidget *target, const Key &k)
{
    if (k.ascii)
        QTest::keyClick(target, k.ascii, k.modifiers);
    else
        QTest::keyClick(target, k.key, k.modifiers);
}

Key letterKey(Rng &rng)
{
    const int i = rng.below(26);
    return rng.chance(0.5) ? Key{Qt::Key(Qt::Key_A + i), char('a' + i)}
                           : Key{Qt::Key(Qt::Key_A + i), char('A' + i)};
}

Key digitKey(Rng &rng)
{
    const int i = rng.below(4);
    return {Qt::Key(Qt::Key_1 + i), char('1' + i)};
}

// Clicks where a player would: the point is taken inside the control's place,
// and the click goes to whatever lies on top there, as a real one does (a lit
// pad's picture rather than the dark one hidden over it, nothing under a
// control that lets clicks through).
QWidget *hitAt(QWidget *client, QPoint at)
{
    QWidget *target = client->childAt(at);
    return target ? target : client;
}

void clickAt(QWidget *client, QPoint at)
{
    QWidget *target = hitAt(client, at);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(client, at));
}

QPoint pointIn(Rng &rng, QWidget *client, QWidget *control)
{
    const QRect r = control->rect();
    return control->mapTo(client, QPoint(rng.below(r.width()), rng.below(r.height())));
}

QPoint anywhere(Rng &rng, QWidget *client)
{
    return QPoint(rng.below(client->width()), rng.below(client->height()));
}

QString describe(QWidget *widget)
{
    const QString name = widget->objectName();
    return name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name;
}

// Opens a fresh game window and waits until the player could use it.
template <typename Window> bool openGame(Window *window)
{
    window->Form_Load();
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// The resident set of this process, in kB.
qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

const QString ForcaPerdeu = QStringLiteral("Infelizmente você perdeu. Deseja jogar novamente?");
const QString ForcaGanhou = QStringLiteral("Parabéns você ganhou!!!");
const QString ForcaDigite = QStringLiteral("Digite primeiro a palavra");
const QString ForcaSair = QStringLiteral("Você deseja finalizar o programa Jogo da Forca?");
const QString MemoryErrou = QStringLiteral("Infelizmente você errou! Tente novamente");
const QString MemorySair = QStringLiteral("Você deseja sair do jogo Memory?");

// What both monkeys share: the seeded choices, the trail of recent events,
// the message boxes they answer, and the first failure with its story.
class Monkey
{
public:
    QString failure;
    int fired = 0, windows = 0;
    Digest digest;

protected:
    Monkey(quint64 seed, quint64 stream, const QString &game) : rng(seed, stream), m_game(game) {}

    void fail(const QString &what)
    {
        if (!failure.isEmpty())
            return;
        failure = QStringLiteral("%1, event %2 (window %3): %4\n%5\nlast events:\n%6")
                      .arg(m_game)
                      .arg(fired)
                      .arg(windows)
                      .arg(what, replayHint(), trail.text());
    }

    Rng rng;
    Trail trail;
    MsgBoxAnswers answers;

private:
    QString m_game;
};

} // namespace

// ---- The hangman monkey -------------------------------------------------------
// Named as the window's own test class, whose friend it is, to read its state.

class HangmanTest : public Monkey
{
public:
    explicit HangmanTest(quint64 seed);
    void run(int events);

    int games = 0, wins = 0, losses = 0, exits = 0, editedGames = 0;

private:
    using Event = void (HangmanTest::*)();
    void openWindow();
    void fireOne();
    void afterEvent();
    void checkBoard();
    void asked(const MsgBox::Question &question);

    void clickControl();
    void clickLetter();
    void clickCommand();
    void menuCommand();
    void keyToFocus();
    void keyToWindow();
    void typeWord();
    void pasteWord();
    void clickSomewhere();
    QWidget *click(const QString &what, QPoint at);
    Key anyKey();

    QPointer<frmForca> w;
    QList<QWidget *> controls;
    QList<QAction *> menu;

    // What the test knows of the game in play.
    bool playing = false;
    bool won = false;
    bool wonNow = false;
    bool edited = false; // the word was changed after the game began
    bool expectClose = false;
    QString startWord;
    QString lastWord;
    std::array<QString, 8> seenAt; // every letter that stood at each place since the start
};

HangmanTest::HangmanTest(quint64 seed) : Monkey(seed, 1, QStringLiteral("hangman"))
{
    answers.whileOpen([this](const MsgBox::Question &question) { asked(question); });
}

void HangmanTest::openWindow()
{
    w = new frmForca;
    ++windows;
    if (!openGame(w.data()))
        fail(QStringLiteral("the window never became active"));
    controls = w->client()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    menu = {w->findChild<QAction *>(QStringLiteral("mnunovo")), w->mnuinicio,
            w->findChild<QAction *>(QStringLiteral("mnusair")), w->mnudupla, w->mnusolitario};
    playing = won = wonNow = edited = expectClose = false;
    lastWord.clear();
    trail.add(QStringLiteral("-- window %1 opened").arg(windows));
    checkBoard();
}

void HangmanTest::run(int events)
{
    System::setRandomSource([this] { return rng.unit(); });
    for (fired = 0; fired < events && failure.isEmpty();) {
        if (!w)
            openWindow();
        ++fired;
        fireOne();
        afterEvent();
        // Lets the windows repaint and lay out now and then, without ever
        // running a timer: the run stays a function of the seed alone.
        if (fired % 128 == 0) {
            QCoreApplication::sendPostedEvents();
            answers.asked.clear();
        }
    }
    System::setRandomSource({});
    delete w.data();
}

void HangmanTest::fireOne()
{
    static const QList<std::pair<int, Event>> events = {
        {300, &HangmanTest::clickControl},  {170, &HangmanTest::clickLetter},
        {50, &HangmanTest::clickCommand},   {40, &HangmanTest::menuCommand},
        {140, &HangmanTest::keyToFocus},    {140, &HangmanTest::keyToWindow},
        {110, &HangmanTest::typeWord},      {10, &HangmanTest::pasteWord},
        {40, &HangmanTest::clickSomewhere},
    };
    Event event = weighted(rng, events);
    // Typing changes the word of a game in play, which the game allows; the
    // board is checked most closely while the word stays as it began, so most
    // typing goes where it is meant to, before a game.
    if (event == &HangmanTest::typeWord && playing && rng.chance(0.7))
        event = &HangmanTest::clickLetter;
    (this->*event)();
}

// Every event is written down before it runs, so a failure inside it shows.
QWidget *HangmanTest::click(const QString &what, QPoint at)
{
    QWidget *hit = hitAt(w->client(), at);
    trail.add(QStringLiteral("%1: click %2 -> %3").arg(fired).arg(what, describe(hit)));
    clickAt(w->client(), at);
    return hit;
}

void HangmanTest::clickControl()
{
    QWidget *control = controls[rng.below(int(controls.size()))];
    click(describe(control), pointIn(rng, w->client(), control));
}

// Half the time a letter of the word, so that games are won as well as lost.
void HangmanTest::clickLetter()
{
    const QString word = w->txtPalavra->text().toUpper();
    int index = rng.below(26);
    if (!word.isEmpty() && rng.chance(0.5))
        index =
            std::clamp(Palavras::dobra(word[rng.below(int(word.size()))]).unicode() - 'A', 0, 25);
    QPushButton *button = w->cmdLetra[index];
    click(QStringLiteral("letter ") + button->text() +
              (button->isEnabled() ? QString() : QStringLiteral(" (off)")),
          pointIn(rng, w->client(), button));
}

void HangmanTest::clickCommand()
{
    static const QList<std::pair<int, int>> commands = {{5, 0}, {5, 1}, {1, 2}};
    QPushButton *button = std::array{w->cmdNovo, w->cmdInicio, w->cmdSair}[weighted(rng, commands)];
    click(describe(button), pointIn(rng, w->client(), button));
}

void HangmanTest::menuCommand()
{
    static const QList<std::pair<int, int>> items = {{4, 0}, {4, 1}, {1, 2}, {3, 3}, {3, 4}};
    QAction *item = menu[weighted(rng, items)];
    trail.add(QStringLiteral("%1: menu %2").arg(fired).arg(item->objectName()));
    item->trigger();
}

Key HangmanTest::anyKey()
{
    enum Kind
    {
        Letter,
        Digit,
        Fixed
    };
    static const QList<std::pair<int, Key>> fixed = {
        {6, {Qt::Key_Backspace, '\b'}},
        {8, {Qt::Key_Tab, '\t'}},
        {4, {Qt::Key_Return, '\r'}},
        {6, {Qt::Key_Space, ' '}},
        {2, {Qt::Key_F1, 0}},
        {3, {Qt::Key_F2, 0}},
        {1, {Qt::Key_S, 's', Qt::ControlModifier}},
    };
    static const QList<std::pair<int, Kind>> kinds = {{60, Letter}, {8, Digit}, {30, Fixed}};
    switch (weighted(rng, kinds)) {
    case Letter:
        return letterKey(rng);
    case Digit:
        return digitKey(rng);
    case Fixed:
        break;
    }
    return weighted(rng, fixed);
}

void HangmanTest::keyToFocus()
{
    const Key key = anyKey();
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w.data();
    trail.add(QStringLiteral("%1: key %2 to %3").arg(fired).arg(keyName(key), describe(target)));
    press(target, key);
}

void HangmanTest::keyToWindow()
{
    const Key key = anyKey();
    trail.add(QStringLiteral("%1: key %2 to the window").arg(fired).arg(keyName(key)));
    press(w, key);
}

// A click into the word box, then a few keys: mostly letters, some that the
// box must refuse, and Backspace.
void HangmanTest::typeWord()
{
    click(QStringLiteral("txtPalavra"), pointIn(rng, w->client(), w->txtPalavra));
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w.data();
    static const QString others = QStringLiteral("0123456789 -.,;!?'/\b\b\b\b\bçéãÁ");
    QString typed;
    for (int n = 1 + rng.below(9); n > 0; --n) {
        if (rng.chance(0.75))
            typed += QChar((rng.chance(0.5) ? 'a' : 'A') + rng.below(26));
        else
            typed += others[rng.below(int(others.size()))];
    }
    trail.add(QStringLiteral("%1: type \"%2\" into %3")
                  .arg(fired)
                  .arg(QString(typed).replace(QLatin1Char('\b'), QStringLiteral("<BS>")),
                       describe(target)));
    for (QChar c : typed) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(target, char(c.unicode()));
        } else {
            const auto key = Qt::Key(c.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Press, target, key, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, target, key, QString(c), Qt::NoModifier);
        }
        if (!w->isVisible())
            break;
    }
}

void HangmanTest::pasteWord()
{
    static const QString pool = QStringLiteral("abcXYZ gol123-çÉ\t");
    QString text;
    for (int n = rng.below(14); n > 0; --n)
        text += pool[rng.below(int(pool.size()))];
    QGuiApplication::clipboard()->setText(text);
    click(QStringLiteral("txtPalavra"), pointIn(rng, w->client(), w->txtPalavra));
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w.data();
    trail.add(QStringLiteral("%1: paste \"%2\" into %3").arg(fired).arg(text, describe(target)));
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

void HangmanTest::clickSomewhere()
{
    click(QStringLiteral("somewhere"), anywhere(rng, w->client()));
}

// A box is open: the board must already show what the box says.
void HangmanTest::asked(const MsgBox::Question &question)
{
    if (!w) {
        fail(QStringLiteral("a box with no window: ") + question.prompt);
        return;
    }
    int answer = MsgBox::OK;
    if (question.prompt == ForcaPerdeu) {
        ++losses;
        if (question.buttons != MsgBox::YesNo + MsgBox::Information)
            fail(QStringLiteral("the loss question is not a Yes/No one"));
        if (w->erros != 6)
            fail(QStringLiteral("lost with %1 wrong guesses").arg(w->erros));
        for (int i = 0; i < 8; ++i)
            if (w->imgBoneco[i]->isHidden() != (i >= 6))
                fail(QStringLiteral("at the loss, figure part %1 is %2")
                         .arg(i)
                         .arg(w->imgBoneco[i]->isHidden() ? "hidden" : "shown"));
        if (!playing || won)
            fail(QStringLiteral("lost outside a game in play"));
        answer = rng.chance(0.75) ? MsgBox::Yes : MsgBox::No;
        expectClose = answer != MsgBox::Yes;
    } else if (question.prompt == ForcaGanhou) {
        ++wins;
        if (w->erros > 5)
            fail(QStringLiteral("won with %1 wrong guesses").arg(w->erros));
        for (int i = 0; i < 8; ++i)
            if (w->imgBoneco[i]->isHidden() != (i == 0))
                fail(QStringLiteral("at the win, figure part %1 is %2")
                         .arg(i)
                         .arg(w->imgBoneco[i]->isHidden() ? "hidden" : "shown"));
        for (QPushButton *letter : w->cmdLetra)
            if (letter->isEnabled())
                fail(QStringLiteral("letter %1 still playable at the win").arg(letter->text()));
        if (!playing || won)
            fail(QStringLiteral("won outside a game in play, or twice"));
        wonNow = true;
    } else if (question.prompt == ForcaDigite) {
        if (!w->txtPalavra->text().isEmpty() || !w->mnudupla->isChecked() || playing)
            fail(QStringLiteral("asked for a word with \"%1\" in the box")
                     .arg(w->txtPalavra->text()));
    } else if (question.prompt == ForcaSair) {
        ++exits;
        answer = rng.chance(0.08) ? MsgBox::Yes : MsgBox::No;
        expectClose = answer == MsgBox::Yes;
    } else {
        fail(QStringLiteral("unexpected box: ") + question.prompt);
    }
    answers.setDefault(answer);
    trail.add(QStringLiteral("   box \"%1\" answered %2").arg(question.prompt).arg(answer));
}

void HangmanTest::afterEvent()
{
    if (!w->isVisible()) {
        if (!expectClose)
            fail(QStringLiteral("the window closed unasked"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (w)
            fail(QStringLiteral("the window closed but was not destroyed"));
        trail.add(QStringLiteral("-- window %1 closed").arg(windows));
        w = nullptr;
        return;
    }
    if (expectClose)
        fail(QStringLiteral("answered to leave, but the window stays"));

    const QString word = w->txtPalavra->text().toUpper();
    if (w->cmdInicio->isEnabled()) {
        playing = won = false;
    } else if (!playing) {
        playing = true;
        won = edited = false;
        ++games;
        startWord = word;
        for (int p = 0; p < 8; ++p)
            seenAt[p] = word.mid(p, 1);
    } else if (word != lastWord) {
        editedGames += edited ? 0 : 1;
        edited = true;
        for (int p = 0; p < 8 && p < word.size(); ++p)
            if (!seenAt[p].contains(word[p]))
                seenAt[p] += word[p];
    }
    if (wonNow)
        won = true;
    wonNow = false;
    lastWord = word;
    checkBoard();

    digest.add(quint64(w->erros) | quint64(playing) << 8 | quint64(won) << 9);
    for (QChar c : word)
        digest.add(c.unicode());
}

void HangmanTest::checkBoard()
{
    // Accented letters are played with the button of their letter.
    const auto isLetter = [](QChar c) { return !Palavras::dobra(c).isNull(); };
    const auto letterButton = [this](QChar c) {
        return w->cmdLetra[Palavras::dobra(c).unicode() - 'A'];
    };
    const auto inWord = [](const QString &word, const QString &letter) {
        return std::any_of(word.begin(), word.end(),
                           [&](QChar c) { return QString(Palavras::dobra(c)) == letter; });
    };
    const QString box = w->txtPalavra->text();
    if (box.size() > 8 || !std::all_of(box.begin(), box.end(), isLetter) ||
        box != box.normalized(QString::NormalizationForm_C)) {
        fail(QStringLiteral("the word box holds \"%1\"").arg(box));
        return; // what follows reads the word's letters as buttons
    }
    if (w->erros > 5)
        fail(QStringLiteral("%1 wrong guesses with no box open").arg(w->erros));
    if (w->cmdInicio->isEnabled() != w->mnuinicio->isEnabled())
        fail(QStringLiteral("Inicio button and menu item disagree"));
    if (w->mnudupla->isChecked() == w->mnusolitario->isChecked())
        fail(QStringLiteral("both or neither of Dupla and Solitário are checked"));

    if (!playing) {
        // Waiting for a word: nothing of a game shows and no guess can be made.
        if (w->erros != 0)
            fail(QStringLiteral("%1 wrong guesses between games").arg(w->erros));
        for (int i = 0; i < 8; ++i) {
            if (!w->imgBoneco[i]->isHidden())
                fail(QStringLiteral("figure part %1 shown between games").arg(i));
            if (!w->lblLetra[i]->isHidden() || w->lblLetra[i]->text() != QLatin1String("-"))
                fail(QStringLiteral("place %1 shows \"%2\" between games")
                         .arg(i)
                         .arg(w->lblLetra[i]->text()));
        }
        for (QPushButton *letter : w->cmdLetra)
            if (letter->isEnabled())
                fail(QStringLiteral("letter %1 playable while Inicio is enabled")
                         .arg(letter->text()));
        return;
    }

    if (won) {
        for (int i = 0; i < 8; ++i)
            if (w->imgBoneco[i]->isHidden() != (i == 0))
                fail(QStringLiteral("after the win, figure part %1 is %2")
                         .arg(i)
                         .arg(w->imgBoneco[i]->isHidden() ? "hidden" : "shown"));
        for (QPushButton *letter : w->cmdLetra)
            if (letter->isEnabled())
                fail(QStringLiteral("letter %1 playable after the win").arg(letter->text()));
    } else {
        for (int i = 0; i < 8; ++i)
            if (w->imgBoneco[i]->isHidden() != (i >= w->erros))
                fail(QStringLiteral("with %1 wrong guesses, figure part %2 is %3")
                         .arg(w->erros)
                         .arg(i)
                         .arg(w->imgBoneco[i]->isHidden() ? "hidden" : "shown"));
    }

    const int shown = int(std::min<qsizetype>(startWord.size(), 8));
    for (int p = 0; p < 8; ++p) {
        QLabel *label = w->lblLetra[p];
        if (label->isHidden() != (p >= shown))
            fail(QStringLiteral("place %1 %2 for the word \"%3\"")
                     .arg(p)
                     .arg(label->isHidden() ? "hidden" : "shown", startWord));
        const QString caption = label->text();
        if (caption == QLatin1String("-"))
            continue;
        if (caption.size() != 1 || !seenAt[p].contains(caption) || !isLetter(caption[0]) ||
            letterButton(caption[0])->isEnabled())
            fail(QStringLiteral("place %1 shows \"%2\"; the word had \"%3\" there")
                     .arg(p)
                     .arg(caption, seenAt[p]));
    }

    // With the word as it began, the board follows from the letters tried.
    if (edited)
        return;
    if (won) {
        for (int p = 0; p < shown; ++p)
            if (w->lblLetra[p]->text() != startWord.mid(p, 1))
                fail(QStringLiteral("won with place %1 showing \"%2\"")
                         .arg(p)
                         .arg(w->lblLetra[p]->text()));
        return;
    }
    int wrong = 0;
    for (QPushButton *letter : w->cmdLetra)
        if (!letter->isEnabled() && !inWord(startWord, letter->text()))
            ++wrong;
    if (wrong != w->erros)
        fail(QStringLiteral("%1 wrong letters tried, but %2 wrong guesses counted")
                 .arg(wrong)
                 .arg(w->erros));
    bool complete = shown > 0;
    for (int p = 0; p < shown; ++p) {
        const bool revealed = w->lblLetra[p]->text() != QLatin1String("-");
        complete = complete && revealed;
        if (revealed == letterButton(startWord[p])->isEnabled())
            fail(QStringLiteral("place %1 is %2 though %3 was %4")
                     .arg(p)
                     .arg(revealed ? "revealed" : "hidden", startWord.mid(p, 1),
                          revealed ? "not tried" : "tried"));
    }
    if (complete)
        fail(QStringLiteral("the word is complete but the game was not won"));
}

// ---- The memory monkey -------------------------------------------------------

class MemoryTest : public Monkey
{
public:
    explicit MemoryTest(quint64 seed);
    void run(int events);
    // One game, in one window, played on to the longest sequence, with only
    // the events that must not disturb it mixed in; then a while longer.
    void runLongestGame(int maxEvents);

    bool longestRepeated = false;

    int games = 0, losses = 0, exits = 0, ticks = 0, padEvents = 0;
    int deepest = 0;

private:
    using Event = void (MemoryTest::*)();

    struct State
    {
        std::array<bool, 4> lit;
        bool pisca, sort, vez;
        int nivel, posMostra, passo, tecla;
        QList<std::int16_t> sequencia;
        bool operator==(const State &) const = default;
    };
    State state() const;

    void openWindow();
    void fireOne();
    void afterEvent(const State &before);
    void checkGame(const State &before);
    void asked(const MsgBox::Question &question);
    int padOf(QWidget *widget) const;

    void tick();
    void clickPad();
    void clickControl();
    void clickSomewhere();
    void clickCommand();
    void menuCommand();
    void keyToWindow();
    void keyToFocus();
    void harmless();
    QWidget *click(const QString &what, QPoint at);
    Key anyKey();

    QStringList sounds;
    QPointer<frmMemory> w;
    QList<QWidget *> controls;

    int pad = -1; // the pad the current event aims at, if any
    bool expectClose = false;
    bool patient = false;
    int sinceWin = 0;
};

MemoryTest::MemoryTest(quint64 seed) : Monkey(seed, 2, QStringLiteral("memory"))
{
    answers.whileOpen([this](const MsgBox::Question &question) { asked(question); });
}

MemoryTest::State MemoryTest::state() const
{
    State s;
    for (int i = 0; i < 4; ++i)
        s.lit[i] = w->imgEscura[i]->isHidden();
    s.pisca = w->tmrPisca->isEnabled();
    s.sort = w->tmrSort->isEnabled();
    s.vez = w->VezJogador;
    s.nivel = w->Nivel;
    s.posMostra = w->PosMostra;
    s.passo = w->PassoJogador;
    s.tecla = w->TeclaClicada;
    s.sequencia = w->Sequencia;
    return s;
}

int MemoryTest::padOf(QWidget *widget) const
{
    for (int i = 0; i < 4; ++i)
        if (widget == w->imgEscura[i] || widget == w->imgClara[i])
            return i;
    return -1;
}

void MemoryTest::openWindow()
{
    w = new frmMemory(std::make_unique<SoundRecorder>(&sounds));
    ++windows;
    if (!openGame(w.data()))
        fail(QStringLiteral("the window never became active"));
    // Real ticks would make the run depend on the clock; the monkey brings them.
    if (w->tmrSort->isEnabled() || w->tmrPisca->isEnabled())
        fail(QStringLiteral("a timer runs before any game"));
    controls = w->client()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    sounds.clear();
    expectClose = false;
    trail.add(QStringLiteral("-- window %1 opened").arg(windows));
}

void MemoryTest::run(int events)
{
    System::setRandomSource([this] { return rng.unit(); });
    for (fired = 0; fired < events && failure.isEmpty() && sinceWin < 500;) {
        if (!w) {
            if (patient && windows > 0) {
                fail(QStringLiteral("the window closed during the longest game"));
                break;
            }
            openWindow();
        }
        ++fired;
        if (longestRepeated)
            ++sinceWin;
        const State before = state();
        pad = -1;
        sounds.clear();
        answers.asked.clear();
        fireOne();
        afterEvent(before);
        if (fired % 128 == 0)
            QCoreApplication::sendPostedEvents();
    }
    System::setRandomSource({});
    delete w.data();
}

void MemoryTest::runLongestGame(int maxEvents)
{
    patient = true;
    run(maxEvents);
    if (failure.isEmpty() && !longestRepeated)
        fail(QStringLiteral("the longest sequence was not reached in %1 events").arg(fired));
}

void MemoryTest::fireOne()
{
    if (patient) {
        static const QList<std::pair<int, Event>> patientEvents = {
            {50, &MemoryTest::tick}, {30, &MemoryTest::clickPad}, {20, &MemoryTest::harmless}};
        if (fired == 1) {
            // Where the button overlaps no pad.
            click(QStringLiteral("cmdInicio"), w->cmdInicio->geometry().topRight());
        } else {
            (this->*weighted(rng, patientEvents))();
        }
        return;
    }
    static const QList<std::pair<int, Event>> events = {
        {420, &MemoryTest::tick},        {300, &MemoryTest::clickPad},
        {60, &MemoryTest::clickControl}, {30, &MemoryTest::clickSomewhere},
        {8, &MemoryTest::clickCommand},  {8, &MemoryTest::menuCommand},
        {87, &MemoryTest::keyToWindow},  {87, &MemoryTest::keyToFocus},
    };
    (this->*weighted(rng, events))();
}

// Time runs on to the chosen timer's tick. A timer due earlier ticks first:
// both run at once only right after the last answer of a round, when the
// clicked pad's blink (150 ms) and the next playback (500 ms) start together,
// which checkGame holds to.
void MemoryTest::tick()
{
    ++ticks;
    const bool sort = rng.chance(0.5);
    if (sort && w->tmrSort->isEnabled() && w->tmrPisca->isEnabled()) {
        trail.add(QStringLiteral("%1: tick tmrPisca (due before tmrSort)").arg(fired));
        w->tmrPisca->fire();
    }
    Timer *timer = sort ? w->tmrSort : w->tmrPisca;
    trail.add(QStringLiteral("%1: tick %2%3")
                  .arg(fired)
                  .arg(timer->objectName(), timer->isEnabled() ? QString() : " (off)"));
    timer->fire();
}

QWidget *MemoryTest::click(const QString &what, QPoint at)
{
    QWidget *hit = hitAt(w->client(), at);
    pad = padOf(hit);
    trail.add(QStringLiteral("%1: click %2 -> %3").arg(fired).arg(what, describe(hit)));
    clickAt(w->client(), at);
    return hit;
}

// Mostly the pad the game waits for, so that rounds grow long; otherwise any.
// The buttons overlap two pads' corners, and a click there hits the button;
// the longest game's player aims clear of them.
void MemoryTest::clickPad()
{
    int target = rng.below(4);
    if (w->VezJogador && (patient || rng.chance(0.97)) && w->PassoJogador < w->Sequencia.size())
        target = w->Sequencia[w->PassoJogador];
    QPoint at = pointIn(rng, w->client(), w->imgEscura[target]);
    while (patient && qobject_cast<QPushButton *>(hitAt(w->client(), at)))
        at = pointIn(rng, w->client(), w->imgEscura[target]);
    click(QStringLiteral("pad %1").arg(target), at);
}

void MemoryTest::clickControl()
{
    QWidget *control = controls[rng.below(int(controls.size()))];
    click(describe(control), pointIn(rng, w->client(), control));
}

void MemoryTest::clickSomewhere()
{
    click(QStringLiteral("somewhere"), anywhere(rng, w->client()));
}

void MemoryTest::clickCommand()
{
    QPushButton *button = rng.chance(0.6) ? w->cmdInicio : w->cmdSair;
    click(describe(button), pointIn(rng, w->client(), button));
}

void MemoryTest::menuCommand()
{
    const QString name = rng.chance(0.6) ? QStringLiteral("mnuinicio") : QStringLiteral("mnusair");
    trail.add(QStringLiteral("%1: menu %2").arg(fired).arg(name));
    w->findChild<QAction *>(name)->trigger();
}

Key MemoryTest::anyKey()
{
    enum Kind
    {
        Digit,
        Letter,
        Fixed
    };
    static const QList<std::pair<int, Key>> fixed = {
        {4, {Qt::Key_Backspace, '\b'}}, {10, {Qt::Key_Tab, '\t'}}, {4, {Qt::Key_Return, '\r'}},
        {6, {Qt::Key_Space, ' '}},      {1, {Qt::Key_F2, 0}},
    };
    static const QList<std::pair<int, Kind>> kinds = {{60, Digit}, {10, Letter}, {25, Fixed}};
    switch (weighted(rng, kinds)) {
    case Digit:
        // Like the pad clicks, mostly the pad the game waits for.
        if (w->VezJogador && rng.chance(0.97) && w->PassoJogador < w->Sequencia.size()) {
            const int next = w->Sequencia[w->PassoJogador];
            return {Qt::Key(Qt::Key_1 + next), char('1' + next)};
        }
        return digitKey(rng);
    case Letter:
        return letterKey(rng);
    case Fixed:
        break;
    }
    return weighted(rng, fixed);
}

// What the longest game's player does besides playing: clicks that reach no
// button and no pad it could get wrong, and keys that play no pad.
void MemoryTest::harmless()
{
    if (rng.chance(0.5)) {
        QPoint at;
        QWidget *hit = nullptr;
        do {
            at = anywhere(rng, w->client());
            hit = hitAt(w->client(), at);
        } while (qobject_cast<QPushButton *>(hit) || (w->VezJogador && padOf(hit) >= 0));
        click(QStringLiteral("somewhere"), at);
        return;
    }
    static const QList<std::pair<int, Key>> keys = {{4, {Qt::Key_Backspace, '\b'}},
                                                    {6, {Qt::Key_Tab, '\t'}},
                                                    {3, {Qt::Key_Return, '\r'}},
                                                    {3, {Qt::Key_Z, 'z'}},
                                                    {3, {Qt::Key_Q, 'Q'}}};
    Key key = weighted(rng, keys);
    if (!w->VezJogador && rng.chance(0.3)) {
        key = digitKey(rng);
        pad = key.key - Qt::Key_1;
    }
    QWidget *target = w.data();
    if (rng.chance(0.5) && QApplication::focusWidget())
        target = QApplication::focusWidget();
    trail.add(QStringLiteral("%1: key %2 to %3").arg(fired).arg(keyName(key), describe(target)));
    press(target, key);
}

void MemoryTest::keyToWindow()
{
    const Key key = anyKey();
    if (key.key >= Qt::Key_1 && key.key <= Qt::Key_4)
        pad = key.key - Qt::Key_1;
    trail.add(QStringLiteral("%1: key %2 to the window").arg(fired).arg(keyName(key)));
    press(w, key);
}

void MemoryTest::keyToFocus()
{
    const Key key = anyKey();
    if (key.key >= Qt::Key_1 && key.key <= Qt::Key_4)
        pad = key.key - Qt::Key_1;
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w.data();
    trail.add(QStringLiteral("%1: key %2 to %3").arg(fired).arg(keyName(key), describe(target)));
    press(target, key);
}

void MemoryTest::asked(const MsgBox::Question &question)
{
    if (!w) {
        fail(QStringLiteral("a box with no window: ") + question.prompt);
        return;
    }
    int answer = MsgBox::OK;
    if (patient && !question.prompt.startsWith(QStringLiteral("Parabéns!")))
        fail(QStringLiteral("the longest game was interrupted by \"%1\"").arg(question.prompt));
    if (question.prompt == MemoryErrou) {
        ++losses;
        // The wrong pad went dark with the groan, and nothing is left running.
        const State s = state();
        if (s.lit != std::array<bool, 4>{} || s.pisca || s.sort)
            fail(QStringLiteral("a pad lit or a timer running behind the wrong-answer box"));
    } else if (question.prompt.startsWith(QStringLiteral("Parabéns!"))) {
        // Won from the player's last answer: the round is over, its pad blinks.
        const State s = state();
        if (s.vez || s.sort || !s.pisca || s.nivel != 0 || s.passo != 0 ||
            s.sequencia.size() != frmMemory::MaiorSequencia)
            fail(QStringLiteral("the game goes on behind the winning box"));
        longestRepeated = true;
    } else if (question.prompt == MemorySair) {
        ++exits;
        answer = rng.chance(0.1) ? MsgBox::Yes : MsgBox::No;
        expectClose = answer == MsgBox::Yes;
    } else {
        fail(QStringLiteral("unexpected box: ") + question.prompt);
    }
    answers.setDefault(answer);
    trail.add(QStringLiteral("   box \"%1\" answered %2").arg(question.prompt).arg(answer));
}

void MemoryTest::afterEvent(const State &before)
{
    if (!w->isVisible()) {
        if (!expectClose)
            fail(QStringLiteral("the window closed unasked"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (w)
            fail(QStringLiteral("the window closed but was not destroyed"));
        trail.add(QStringLiteral("-- window %1 closed").arg(windows));
        w = nullptr;
        return;
    }
    if (expectClose)
        fail(QStringLiteral("answered to leave, but the window stays"));
    checkGame(before);
}

void MemoryTest::checkGame(const State &before)
{
    const State s = state();
    const QString at = QStringLiteral(" (Nivel %1, PosMostra %2, PassoJogador %3, %4 pads)")
                           .arg(s.nivel)
                           .arg(s.posMostra)
                           .arg(s.passo)
                           .arg(s.sequencia.size());

    // A pad click outside the player's turn, or on a pad already lit, is no
    // move at all.
    if (pad >= 0) {
        ++padEvents;
        if ((!before.vez || before.lit[pad]) &&
            (!(s == before) || !sounds.isEmpty() || !answers.asked.isEmpty()))
            fail(QStringLiteral("pad %1 took a click %2")
                     .arg(pad)
                     .arg(before.vez ? "while lit" : "outside the player's turn"));
    }

    // Each blink is timed by tmrPisca, and its tick darkens exactly the pad lit.
    const int litCount = int(std::count(s.lit.begin(), s.lit.end(), true));
    if (litCount > 1)
        fail(QStringLiteral("%1 pads lit at once").arg(litCount) + at);
    if (s.pisca != (litCount == 1))
        fail((s.pisca ? QStringLiteral("tmrPisca runs with no pad lit")
                      : QStringLiteral("a pad is lit with no blink to end it")) +
             at);
    if (s.pisca && litCount == 1) {
        int expected = s.tecla;
        if (s.posMostra != 0)
            expected = s.posMostra - 1 < s.sequencia.size() ? s.sequencia[s.posMostra - 1] : -1;
        if (expected < 0 || expected > 3 || !s.lit[expected])
            fail(QStringLiteral("the blink will darken pad %1, not the one lit").arg(expected) +
                 at);
    }
    // Both timers run only when they started together, at the last answer of
    // a round: the blink is then due first, as tick() assumes.
    if (s.pisca && s.sort && (s.posMostra != 0 || s.vez))
        fail(QStringLiteral("tmrPisca and tmrSort both run mid-playback") + at);
    if (s.vez && s.sort)
        fail(QStringLiteral("the playback goes on in the player's turn") + at);

    // Counters.
    if (s.nivel > frmMemory::MaiorSequencia - 1)
        fail(QStringLiteral("Nivel past the longest sequence") + at);
    for (std::int16_t entry : s.sequencia)
        if (entry < 0 || entry > 3)
            fail(QStringLiteral("the sequence holds pad %1").arg(entry) + at);
    // Between games the counters are left as the game ended (a wrong answer
    // keeps PassoJogador, a win keeps the sequence) until Inicio resets them,
    // so the bounds below hold while a game runs.
    const bool inGame = s.vez || s.sort || (s.pisca && s.posMostra != 0);
    if (inGame) {
        if (s.sequencia.size() != s.nivel + 1)
            fail(QStringLiteral("the sequence does not match the round") + at);
        if (s.posMostra > s.nivel + 1 || s.passo > s.nivel)
            fail(QStringLiteral("a position beyond the sequence") + at);
        if (!s.vez && s.passo != 0)
            fail(QStringLiteral("a player's step during the playback") + at);
        deepest = std::max(deepest, s.nivel + 1);
    }
    if (s.vez && s.posMostra != 0 && !(s.posMostra == s.nivel + 1 && s.pisca))
        fail(QStringLiteral("the player's turn with the playback unfinished") + at);
    if (!before.sort && !before.vez && s.sort && s.nivel == 0)
        ++games;

    for (int i = 0; i < 4; ++i)
        if (w->imgClara[i]->isHidden())
            fail(QStringLiteral("lit picture of pad %1 hidden").arg(i));

    // Sounds come as close, open, play; a pad that went dark sounded.
    static const std::array<QString, 4> padSound = {
        QStringLiteral("Plasma.wav"), QStringLiteral("Whop.wav"), QStringLiteral("Eatghost.wav"),
        QStringLiteral("Jawharp.wav")};
    const QString folder = frmMemory::DirSons();
    if (sounds.size() % 3 != 0)
        fail(QStringLiteral("sound commands out of step: ") + sounds.join(QLatin1Char(',')));
    for (qsizetype i = 0; i + 2 < sounds.size(); i += 3) {
        const QString file = sounds[i + 1].mid(5).remove(0, folder.size());
        if (sounds[i] != QLatin1String("close") || sounds[i + 2] != QLatin1String("play") ||
            !(std::find(padSound.begin(), padSound.end(), file) != padSound.end() ||
              file == QLatin1String("Aah.wav")))
            fail(QStringLiteral("sound commands: ") + sounds.join(QLatin1Char(',')));
    }
    for (int i = 0; i < 4; ++i)
        if (before.lit[i] && !s.lit[i] &&
            !sounds.contains(QStringLiteral("open ") + folder + padSound[i]))
            fail(QStringLiteral("pad %1 went dark in silence").arg(i));

    quint64 mix = quint64(s.nivel) | quint64(s.posMostra) << 8 | quint64(s.passo) << 16 |
                  quint64(s.vez) << 24 | quint64(s.pisca) << 25 | quint64(s.sort) << 26;
    for (int i = 0; i < 4; ++i)
        mix |= quint64(s.lit[i]) << (27 + i);
    digest.add(mix);
}

// ---- The tests ----------------------------------------------------------------

class StressTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void hangmanMonkey();
    void memoryMonkey();
    void memoryLongestGame();
    void launcherOpensAndClosesGamesWithoutGrowing();
};

namespace {

// A failed assertion in the program ends the run at once: the events that
// led to it are told first.
QtMessageHandler qtTestHandler = nullptr;

void tellTrailOnFatal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg && runningTrail)
        std::fputs(
            qPrintable(
                QStringLiteral("%1\nlast events:\n%2\n").arg(replayHint(), runningTrail->text())),
            stderr);
    qtTestHandler(type, context, message);
}

} // namespace

void StressTest::initTestCase()
{
    qtTestHandler = qInstallMessageHandler(tellTrailOnFatal);
    qInfo().noquote() << "stress" << replayHint() << "-" << eventsPerWindow() << "events per game";
    System::setBeepHook([] {});
    // A game that makes its level's top five asks for a name: Enter.
    PerguntaNome::setResponder([](const QString &proposta) { return proposta; });
    // The games store records and options: in a file of the run's own.
    static QTemporaryDir settings;
    Settings::setFileForTesting(settings.filePath(QStringLiteral("Zelvo.conf")));
}

void StressTest::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void StressTest::hangmanMonkey()
{
    QElapsedTimer clock;
    clock.start();
    HangmanTest monkey(stressSeed());
    monkey.run(eventsPerWindow());
    QVERIFY2(monkey.failure.isEmpty(), qPrintable(report(monkey.failure)));
    qInfo().noquote() << QStringLiteral("hangman: %1 events in %2 ms over %3 windows; %4 games "
                                        "(%9 with the word changed during play), %5 won, %6 lost, "
                                        "%7 exit questions; digest %8")
                             .arg(monkey.fired)
                             .arg(clock.elapsed())
                             .arg(monkey.windows)
                             .arg(monkey.games)
                             .arg(monkey.wins)
                             .arg(monkey.losses)
                             .arg(monkey.exits)
                             .arg(monkey.digest.value(), 16, 16, QLatin1Char('0'))
                             .arg(monkey.editedGames);
    QCOMPARE(monkey.fired, eventsPerWindow());
}

void StressTest::memoryMonkey()
{
    QElapsedTimer clock;
    clock.start();
    MemoryTest monkey(stressSeed());
    monkey.run(eventsPerWindow());
    QVERIFY2(monkey.failure.isEmpty(), qPrintable(report(monkey.failure)));
    qInfo().noquote() << QStringLiteral("memory: %1 events in %2 ms over %3 windows; %4 ticks, "
                                        "%5 pad events, %6 games, %7 lost, longest sequence %8, "
                                        "%9 exit questions; digest %10")
                             .arg(monkey.fired)
                             .arg(clock.elapsed())
                             .arg(monkey.windows)
                             .arg(monkey.ticks)
                             .arg(monkey.padEvents)
                             .arg(monkey.games)
                             .arg(monkey.losses)
                             .arg(monkey.deepest)
                             .arg(monkey.exits)
                             .arg(monkey.digest.value(), 16, 16, QLatin1Char('0'));
    QCOMPARE(monkey.fired, eventsPerWindow());
}

void StressTest::memoryLongestGame()
{
    QElapsedTimer clock;
    clock.start();
    MemoryTest monkey(stressSeed() ^ 0x5a5a5a5a5a5a5a5aULL);
    monkey.runLongestGame(600000);
    QVERIFY2(monkey.failure.isEmpty(), qPrintable(report(monkey.failure)));
    qInfo().noquote() << QStringLiteral(
                             "memory, longest game: %1 events in %2 ms; %3 ticks, %4 pad "
                             "events, longest sequence %5; digest %6")
                             .arg(monkey.fired)
                             .arg(clock.elapsed())
                             .arg(monkey.ticks)
                             .arg(monkey.padEvents)
                             .arg(monkey.deepest)
                             .arg(monkey.digest.value(), 16, 16, QLatin1Char('0'));
    QVERIFY(monkey.longestRepeated);
    QCOMPARE(monkey.deepest, int(frmMemory::MaiorSequencia));
}

// Each game opened from the launcher's menu and closed as soon as it shows,
// 500 times each: the process must not grow, nor keep any window.
void StressTest::launcherOpensAndClosesGamesWithoutGrowing()
{
    constexpr int Opens = 1000; // alternately the hangman and Memory
    constexpr int WarmUp = 50;
    constexpr qint64 AllowedGrowthKb = 5 * 1024;

    QElapsedTimer clock;
    clock.start();
    const auto games = [] {
        int count = 0;
        for (QWidget *widget : QApplication::allWidgets())
            if (qobject_cast<frmForca *>(widget) || qobject_cast<frmMemory *>(widget))
                ++count;
        return count;
    };
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(games(), 0);
    const qint64 before = residentKb();

    QPointer<frmZelvo> launcher = new frmZelvo;
    QVERIFY(openGame(launcher.data()));
    const std::array<QAction *, 2> items = {
        launcher->findChild<QAction *>(QStringLiteral("mnuForca")),
        launcher->findChild<QAction *>(QStringLiteral("mnuMemory"))};
    const std::array<const char *, 2> expected = {"frmForca", "frmMemory"};
    QVERIFY(items[0] && items[1]);
    const qsizetype topLevels = QApplication::topLevelWidgets().size();
    const qsizetype widgets = QApplication::allWidgets().size();

    qint64 warm = -1;
    for (int i = 0; i < Opens; ++i) {
        QString opened;
        whenModalOpens([&opened](QWidget *game) {
            opened = QString::fromLatin1(game->metaObject()->className());
            game->close();
        });
        items[i % 2]->trigger(); // returns once the game window has gone
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(opened == QLatin1String(expected[i % 2]),
                 qPrintable(QStringLiteral("open %1 showed \"%2\"").arg(i + 1).arg(opened)));
        QVERIFY2(games() == 0,
                 qPrintable(QStringLiteral("a game window outlived open %1").arg(i + 1)));
        if (i + 1 == WarmUp)
            warm = residentKb();
    }
    const qint64 end = residentKb();

    QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
    QCOMPARE(QApplication::allWidgets().size(), widgets);
    QVERIFY(launcher);
    QVERIFY(launcher->isVisible());
    qInfo().noquote() << QStringLiteral("launcher: %1 game windows opened and closed in %2 ms; "
                                        "VmRSS %3 kB before, %4 kB after %5 opens, %6 kB at the "
                                        "end (%7 kB since the warm-up)")
                             .arg(Opens)
                             .arg(clock.elapsed())
                             .arg(before)
                             .arg(warm)
                             .arg(WarmUp)
                             .arg(end)
                             .arg(end - warm);
    QVERIFY(before > 0 && warm > 0 && end > 0);
    QVERIFY2(end - warm <= AllowedGrowthKb,
             qPrintable(QStringLiteral("resident memory grew by %1 kB").arg(end - warm)));

    delete launcher.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

QTEST_MAIN(StressTest)
#include "tst_stress.moc"
