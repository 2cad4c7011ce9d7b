// The memory game: its layout, the playback and the player's turn, its sounds
// and the faults it must not have (pads lit for good, counters wrapping).

#include "frmMemory.h"
#include "frmRecordes.h"
#include "image.h"
#include "mmcontrol.h"
#include "settings.h"
#include "system.h"
#include "testsupport.h"
#include "timer.h"
#include "waveoutput.h"

#include <QAccessible>
#include <QActionGroup>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

namespace {

// A wave file of a 441 Hz tone at half scale, `seconds` long, as a sound
// editor would write it: `format` 1 is integer PCM of `bits`, 3 is float.
QByteArray toneFile(int format, int bits, int channels, int rate, double seconds = 0.2)
{
    QByteArray data;
    const int frames = int(seconds * rate);
    for (int i = 0; i < frames; ++i) {
        const double v = 0.5 * std::sin(2 * M_PI * 441 * i / rate);
        char bytes[4];
        for (int c = 0; c < channels; ++c) {
            if (format == 3) {
                qToLittleEndian<float>(float(v), bytes);
            } else if (bits == 8) {
                bytes[0] = char(quint8(128 + std::lround(v * 127)));
            } else {
                const qint32 x = qint32(std::lround(v * double((1LL << (bits - 1)) - 1)));
                qToLittleEndian<qint32>(x, bytes);
            }
            data.append(bytes, bits / 8);
        }
    }
    QByteArray file("RIFF");
    const auto u32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian<quint32>(v, b);
        file.append(b, 4);
    };
    const auto u16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian<quint16>(v, b);
        file.append(b, 2);
    };
    u32(quint32(36 + data.size()));
    file.append("WAVEfmt ");
    u32(16);
    u16(quint16(format));
    u16(quint16(channels));
    u32(quint32(rate));
    u32(quint32(rate * channels * bits / 8));
    u16(quint16(channels * bits / 8));
    u16(quint16(bits));
    file.append("data");
    u32(quint32(data.size()));
    return file + data;
}

// Writes files into a folder that ZELVO_SONS names while this lives.
struct SoundsFolder
{
    QTemporaryDir dir;
    SoundsFolder() { qputenv("ZELVO_SONS", dir.path().toLocal8Bit()); }
    ~SoundsFolder() { qunsetenv("ZELVO_SONS"); }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

} // namespace

class MemoryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutMatchesTheDesign();
    void nothingHappensBeforeAGame();
    void playbackFollowsTheBeat();
    void correctRepetitionGrowsTheSameSequence();
    void clicksWaitForTheLastPadToLight();
    void clickOnALitPadDoesNothing();
    void correctClickBlinksThenSounds();
    void wrongClickGroansAndEndsTheGame();
    void newGameStartsOverWhereverTheOldOneWas_data();
    void newGameStartsOverWhereverTheOldOneWas();
    void sairAnsweredNoLeavesTheGameRunning();
    void sairAnsweredYesClosesTheWindow();
    void tocaSomClosesNamesOpensAndPlays();
    void commandsIgnoreCase();
    void noPadStaysLitWhenAGameRestartsMidBlink();
    void noPadStaysLitWhenClickedDuringTheLastBlink();
    void noPadStaysLitAfterTwoQuickClicks();
    void longestSequenceEndsInAWinNotAWrap();
    void soundsInOtherFormatsDecodeToTheSameTone_data();
    void soundsInOtherFormatsDecodeToTheSameTone();
    void unreadableSoundsDecodeToSilence_data();
    void unreadableSoundsDecodeToSilence();
    void builtInSoundsDecodeWithTheirLengths();
    void unplayableSoundsKeepTheGameAndItsTiming();
    void numberKeysPlayThePadsByTheSameRules();
    void padsAreNamedByColourAndState();
    void scoreIsTheSequencesRepeatedWholeStoredAtOnce_data();
    void scoreIsTheSequencesRepeatedWholeStoredAtOnce();
    void newRecordIsLitToldAndReadByANewWindow();
    void garbledSettingsReadAsDefaults_data();
    void garbledSettingsReadAsDefaults();
    void unwritableSettingsKeepTheGameAndTheRecord();
    void soundSwitchSilencesTheControlAndKeepsTheBeat();
    void numbersOnThePadsAreDrawnAndRemembered();
    void levelsSetThePaceAndTheDraw_data();
    void levelsSetThePaceAndTheDraw();
    void topFiveKeepsOrderAndCleanNames_data();
    void topFiveKeepsOrderAndCleanNames();
    void oldRecordMovesIntoNormalOnce();
    void garbledEntriesAreSkippedOneByOne_data();
    void garbledEntriesAreSkippedOneByOne();

private:
    void choose(Recordes::Nivel nivel);
    QStringList storedTable(const QString &level) const;
    // Steps virtual time to the next tick of whichever timer runs and fires it.
    void step();
    // Notes when each running timer is due; `restarted` timers start afresh now.
    void sync(bool piscaRestarted = false, bool sortRestarted = false);
    void start();
    void playUntilPlayersTurn();
    void clickPad(int pad);
    bool lit(int pad) const;
    QList<int> litPads() const;
    void drawPads(QList<int> pads);
    QStringList timelineSince(int start) const;
    // Repeats `rounds` sequences, then fails the next one; the record's box
    // sees `whileBoxOpen` run.
    void playGame(int rounds, std::function<void()> whileBoxOpen = {});
    void reopen();
    QString stored(const QString &key) const;

    QTemporaryDir settingsDir;
    QString settingsFile;
    QPointer<frmMemory> window;
    QStringList sounds;
    int now = 0; // virtual milliseconds
    int piscaDue = -1;
    int sortDue = -1;
    int vezDue = -1;
    int turnAt = -1; // when the player's turn last began
    QStringList timeline;
    QList<float> draws;
    QStringList namesOffered;
    QStringList typedNames;
};

void MemoryTest::init()
{
    // Every test starts from no settings file, and never touches the user's.
    settingsFile =
        settingsDir.filePath(QStringLiteral("%1.conf").arg(QTest::currentTestFunction()));
    QFile::remove(settingsFile);
    Settings::setFileForTesting(settingsFile);
    sounds.clear();
    timeline.clear();
    now = 0;
    piscaDue = sortDue = vezDue = turnAt = -1;
    draws.clear();
    System::setRandomSource([this] { return draws.isEmpty() ? 0.0f : draws.takeFirst(); });
    // The player presses Enter at every "Seu nome:".
    PerguntaNome::setResponder([this](const QString &proposta) {
        namesOffered << proposta;
        return typedNames.isEmpty() ? proposta : typedNames.takeFirst();
    });
    namesOffered.clear();
    typedNames.clear();
    window = new frmMemory(std::make_unique<SoundRecorder>(&sounds));
    window->Form_Load();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void MemoryTest::cleanup()
{
    delete window;
    System::setRandomSource({});
    PerguntaNome::setResponder({});
    Settings::setFileForTesting({});
}

void MemoryTest::reopen()
{
    delete window;
    window = new frmMemory(std::make_unique<SoundRecorder>(&sounds));
    window->show();
}

QString MemoryTest::stored(const QString &key) const
{
    return QSettings(settingsFile, QSettings::IniFormat).value(key).toString();
}

void MemoryTest::playGame(int rounds, std::function<void()> whileBoxOpen)
{
    QList<int> pads;
    for (int i = 0; i <= rounds; ++i)
        pads << i % 4;
    drawPads(pads);
    start();
    for (int round = 0; round < rounds; ++round) {
        playUntilPlayersTurn();
        for (int i = 0; i <= round; ++i) {
            clickPad(pads[i]);
            step();
        }
    }
    playUntilPlayersTurn();
    QCOMPARE(window->lblSequencia->text(), QStringLiteral("Sequência: %1").arg(rounds + 1));
    MsgBoxAnswers answers;
    if (whileBoxOpen)
        answers.whileOpen([&](const MsgBox::Question &) { whileBoxOpen(); });
    clickPad((pads[0] + 1) % 4);
    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.asked[0].prompt, QStringLiteral("Infelizmente você errou! Tente novamente"));
}

// The timeline with its times counted from `start`.
QStringList MemoryTest::timelineSince(int start) const
{
    QStringList relative;
    for (const QString &event : timeline)
        relative << QStringLiteral("%1 %2")
                        .arg(event.section(' ', 0, 0).toInt() - start)
                        .arg(event.section(' ', 1));
    return relative;
}

void MemoryTest::drawPads(QList<int> pads)
{
    for (int pad : pads)
        draws << (float(pad) + 0.5f) / 4.0f;
}

bool MemoryTest::lit(int pad) const
{
    return window->imgEscura[pad]->isHidden();
}

QList<int> MemoryTest::litPads() const
{
    QList<int> pads;
    for (int i = 0; i < 4; ++i)
        if (lit(i))
            pads << i;
    return pads;
}

void MemoryTest::sync(bool piscaRestarted, bool sortRestarted)
{
    if (!window->tmrPisca->isEnabled())
        piscaDue = -1;
    else if (piscaDue < 0 || piscaRestarted)
        piscaDue = now + window->tmrPisca->interval();
    if (!window->tmrSort->isEnabled())
        sortDue = -1;
    else if (sortDue < 0 || sortRestarted)
        sortDue = now + window->tmrSort->interval();
    if (!window->tmrVez->isEnabled())
        vezDue = -1;
    else if (vezDue < 0)
        vezDue = now + window->tmrVez->interval();
}

void MemoryTest::start()
{
    window->cmdInicio->click();
    sync(false, true);
}

void MemoryTest::step()
{
    const QList<int> before = litPads();
    const int playedBefore = int(sounds.count(QStringLiteral("play")));
    const bool turnBefore = window->VezJogador;
    QVERIFY(piscaDue >= 0 || sortDue >= 0 || vezDue >= 0);
    const auto soonest = [](int due, std::initializer_list<int> others) {
        return due >= 0 && std::all_of(others.begin(), others.end(),
                                       [due](int other) { return other < 0 || due <= other; });
    };
    if (soonest(piscaDue, {sortDue, vezDue})) {
        now = std::exchange(piscaDue, -1);
        window->tmrPisca->fire();
    } else if (soonest(sortDue, {vezDue})) {
        now = std::exchange(sortDue, -1);
        window->tmrSort->fire();
    } else {
        now = std::exchange(vezDue, -1);
        window->tmrVez->fire();
    }
    sync();
    if (window->VezJogador && !turnBefore)
        turnAt = now;
    for (int pad : litPads())
        if (!before.contains(pad))
            timeline << QStringLiteral("%1 on %2").arg(now).arg(pad);
    for (int pad : before)
        if (!lit(pad))
            timeline << QStringLiteral("%1 off %2").arg(now).arg(pad);
    if (sounds.count(QStringLiteral("play")) > playedBefore)
        timeline << QStringLiteral("%1 sound %2")
                        .arg(now)
                        .arg(sounds.at(sounds.size() - 2).section('/', -1));
}

void MemoryTest::playUntilPlayersTurn()
{
    for (int guard = 0; guard < 2000 && !(window->VezJogador && !window->tmrPisca->isEnabled());
         ++guard)
        step();
}

void MemoryTest::clickPad(int pad)
{
    // Clicked where a player would: the middle of the pad's place.
    QWidget *target = window->client()->childAt(window->imgEscura[pad]->geometry().center());
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    // A click that lights a pad starts its blink afresh.
    sync(target == window->imgEscura[pad] && lit(pad));
}

void MemoryTest::layoutMatchesTheDesign()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Memory"));
    QCOMPARE(window->client()->size(), QSize(428, 426));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->client()->palette().color(QPalette::Window), QColor(Qt::white));

    auto *title = window->findChild<QLabel *>(QStringLiteral("Label1"));
    QCOMPARE(title->text(), QStringLiteral("J O G O  M E M O R Y"));
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(title->font().pointSizeF(), 27.75);
    QCOMPARE(title->pos(), QPoint(32, 8));

    const QList<QPoint> places = {{56, 72}, {206, 72}, {206, 222}, {56, 222}};
    const QObjectList order = window->client()->children();
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(window->imgEscura[i]->geometry(), QRect(places[i], QSize(150, 150)));
        QCOMPARE(window->imgClara[i]->geometry(), QRect(places[i], QSize(150, 150)));
        QVERIFY(order.indexOf(window->imgEscura[i]) > order.indexOf(window->imgClara[i]));
        QVERIFY(window->imgEscura[i]->isVisible());
    }
    for (QPushButton *button : {window->cmdInicio, window->cmdSair}) {
        QCOMPARE(button->palette().color(QPalette::Button), QColor(255, 255, 0));
        QCOMPARE(button->size(), QSize(81, 33));
        QVERIFY(order.indexOf(button) > order.indexOf(window->imgEscura[1]));
    }
    QCOMPARE(window->cmdInicio->pos(), QPoint(336, 72));
    QCOMPARE(window->cmdSair->pos(), QPoint(336, 336));
    QCOMPARE(window->cmdInicio->nextInFocusChain(), window->cmdSair);
    QTRY_COMPARE(QApplication::focusWidget(), window->cmdInicio);
    QVERIFY(window->mmcSons->isHidden());
    QCOMPARE(window->tmrSort->interval(), 500);
    QCOMPARE(window->tmrPisca->interval(), 150);

    // The design's items, with the options between Inicio and the separator
    // above Sair.
    const QList<QAction *> items = window->menuBar()->actions().at(0)->menu()->actions();
    QCOMPARE(window->menuBar()->actions().at(0)->text(), QStringLiteral("&Jogo"));
    QCOMPARE(items.size(), 8);
    QCOMPARE(items[0]->text(), QStringLiteral("&Inicio"));
    QCOMPARE(items[0]->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(items[1]->text(), QStringLiteral("Ní&vel"));
    QCOMPARE(items[2]->text(), QStringLiteral("Re&cordes…"));
    QVERIFY(items[3]->isSeparator());
    QCOMPARE(items[4]->text(), QStringLiteral("&Som"));
    QCOMPARE(items[4]->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(items[5]->text(), QStringLiteral("&Números nas teclas"));
    QVERIFY(items[6]->isSeparator());
    QCOMPARE(items[7]->text(), QStringLiteral("Sai&r"));

    // The score sits under the toy, clear of the pads and the buttons.
    QCOMPARE(window->lblSequencia->geometry(), QRect(56, 384, 150, 33));
    QCOMPARE(window->lblRecorde->geometry(), QRect(206, 384, 150, 33));
    QVERIFY(window->lblSequencia->isHidden());
    QCOMPARE(window->lblRecorde->text(), QStringLiteral("Recorde: –"));
}

void MemoryTest::nothingHappensBeforeAGame()
{
    QVERIFY(!window->tmrSort->isEnabled());
    QVERIFY(!window->tmrPisca->isEnabled());
    for (int pad = 0; pad < 4; ++pad)
        clickPad(pad);
    QVERIFY(litPads().isEmpty());
    QVERIFY(sounds.isEmpty());
    QVERIFY(!window->tmrPisca->isEnabled());
}

void MemoryTest::playbackFollowsTheBeat()
{
    drawPads({2, 0, 3});
    start();
    playUntilPlayersTurn();
    QCOMPARE(timeline, QStringList({"500 on 2", "650 off 2", "650 sound Eatghost.wav"}));

    // Repeat to get a three-pad playback, timed from the click that draws it.
    clickPad(2);
    step();
    playUntilPlayersTurn();
    clickPad(2);
    step();
    timeline.clear();
    const int drawn = now;
    clickPad(0);
    QVERIFY(!window->VezJogador);
    playUntilPlayersTurn();
    QCOMPARE(timelineSince(drawn), QStringList({
                                       "150 off 0",
                                       "150 sound Plasma.wav", // the click's own blink
                                       "500 on 2",
                                       "650 off 2",
                                       "650 sound Eatghost.wav",
                                       "1150 on 0",
                                       "1300 off 0",
                                       "1300 sound Plasma.wav",
                                       "1800 on 3",
                                       "1950 off 3",
                                       "1950 sound Jawharp.wav",
                                   }));
}

void MemoryTest::correctRepetitionGrowsTheSameSequence()
{
    drawPads({1, 3, 3, 0});
    start();
    QList<int> shown;
    for (int round = 1; round <= 4; ++round) {
        timeline.clear();
        playUntilPlayersTurn();
        QList<int> played;
        for (const QString &event : timeline)
            if (event.contains(QLatin1String(" on ")))
                played << event.section(' ', 2).toInt();
        QCOMPARE(played.size(), round);
        QCOMPARE(played.mid(0, shown.size()), shown);
        shown = played;
        for (int pad : played) {
            clickPad(pad);
            QVERIFY(lit(pad));
            step();
        }
    }
    QCOMPARE(shown, QList<int>({1, 3, 3, 0}));
}

void MemoryTest::clicksWaitForTheLastPadToLight()
{
    drawPads({0, 1});
    start();
    playUntilPlayersTurn();
    clickPad(0);
    step();
    // Replay of two pads: while the first shows, clicks are ignored.
    step(); // pad 0 lights
    clickPad(1);
    QVERIFY(!lit(1));
    step(); // pad 0 dark
    clickPad(1);
    QVERIFY(!lit(1));
    step(); // pad 1 lights: the player's turn begins with it still lit
    QVERIFY(lit(1));
    QVERIFY(window->VezJogador);
    sounds.clear();
    clickPad(0);
    QVERIFY(lit(0));
    QVERIFY(!sounds.contains(QStringLiteral("open :/sons/Aah.wav")));
}

void MemoryTest::clickOnALitPadDoesNothing()
{
    drawPads({3});
    start();
    step(); // pad 3 lights; the player's turn has begun
    QVERIFY(lit(3));
    const QStringList before = sounds;
    QTest::mouseClick(window->imgClara[3], Qt::LeftButton, {}, QPoint(75, 75));
    QCOMPARE(sounds, before);
    QVERIFY(lit(3));
    QCOMPARE(window->PassoJogador, 0);
}

void MemoryTest::correctClickBlinksThenSounds()
{
    drawPads({1, 2});
    start();
    playUntilPlayersTurn();
    sounds.clear();
    clickPad(1);
    QVERIFY(lit(1));
    QVERIFY(sounds.isEmpty()); // the sound comes when the pad goes dark
    timeline.clear();
    step();
    QCOMPARE(timeline, QStringList({QStringLiteral("%1 off 1").arg(now),
                                    QStringLiteral("%1 sound Whop.wav").arg(now)}));
}

void MemoryTest::wrongClickGroansAndEndsTheGame()
{
    drawPads({0});
    start();
    playUntilPlayersTurn();
    sounds.clear();
    MsgBoxAnswers answers;
    bool padDarkDuringBox = false;
    answers.whileOpen([&](const MsgBox::Question &) { padDarkDuringBox = !lit(2); });
    clickPad(2);
    QCOMPARE(sounds, QStringList({"close", "open :/sons/Aah.wav", "play"}));
    QVERIFY(padDarkDuringBox);
    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.asked[0].prompt, QStringLiteral("Infelizmente você errou! Tente novamente"));
    QCOMPARE(answers.asked[0].buttons, 0);
    QCOMPARE(answers.asked[0].title, QStringLiteral("Zelvo"));
    QVERIFY(!window->tmrPisca->isEnabled());
    QVERIFY(!window->tmrSort->isEnabled());

    // Over: every pad is ignored, the sequence is not replayed.
    for (int pad = 0; pad < 4; ++pad)
        clickPad(pad);
    QVERIFY(litPads().isEmpty());
    QCOMPARE(sounds.size(), 3);
}

void MemoryTest::newGameStartsOverWhereverTheOldOneWas_data()
{
    QTest::addColumn<int>("stepsIntoOldGame");
    QTest::newRow("between two pads of a playback") << 2;
    QTest::newRow("while a playback pad is lit") << 3;
    QTest::newRow("in the player's turn") << -1;
}

void MemoryTest::newGameStartsOverWhereverTheOldOneWas()
{
    QFETCH(int, stepsIntoOldGame);
    drawPads({0, 1});
    start();
    playUntilPlayersTurn();
    clickPad(0);
    step();
    if (stepsIntoOldGame < 0)
        playUntilPlayersTurn();
    else
        for (int i = 0; i < stepsIntoOldGame; ++i)
            step();

    drawPads({3});
    const int restarted = now;
    window->findChild<QAction *>(QStringLiteral("mnuinicio"))->trigger();
    sync(false, true);
    QVERIFY(litPads().isEmpty());
    QVERIFY(!window->VezJogador);
    QVERIFY(!window->tmrPisca->isEnabled());
    timeline.clear();
    playUntilPlayersTurn();
    QCOMPARE(timelineSince(restarted),
             QStringList({"500 on 3", "650 off 3", "650 sound Jawharp.wav"}));
    MsgBoxAnswers answers;
    clickPad(3);
    QVERIFY(answers.asked.isEmpty());
}

void MemoryTest::sairAnsweredNoLeavesTheGameRunning()
{
    drawPads({2});
    start();
    MsgBoxAnswers answers(MsgBox::No);
    window->cmdSair->click();
    window->findChild<QAction *>(QStringLiteral("mnusair"))->trigger();
    QCOMPARE(answers.asked.size(), 2);
    QCOMPARE(answers.asked[0].buttons, 68);
    QVERIFY(!window.isNull());
    QVERIFY(window->tmrSort->isEnabled());
    playUntilPlayersTurn();
    QCOMPARE(timeline.first(), QStringLiteral("500 on 2"));
}

void MemoryTest::sairAnsweredYesClosesTheWindow()
{
    MsgBoxAnswers answers(MsgBox::Yes);
    window->cmdSair->click();
    QTRY_VERIFY(window.isNull());
}

void MemoryTest::tocaSomClosesNamesOpensAndPlays()
{
    drawPads({0});
    start();
    playUntilPlayersTurn();
    QCOMPARE(sounds, QStringList({"close", "open :/sons/Plasma.wav", "play"}));
}

void MemoryTest::commandsIgnoreCase()
{
    QStringList log;
    MMControl control(std::make_unique<SoundRecorder>(&log), nullptr);
    control.setFileName(QStringLiteral("x.wav"));
    control.setCommand(QStringLiteral("CLOSE"));
    control.setCommand(QStringLiteral("Open"));
    control.setCommand(QStringLiteral("play"));
    control.setCommand(QStringLiteral("rewind"));
    QCOMPARE(log, QStringList({"close", "open x.wav", "play"}));
    QVERIFY(control.isHidden());
}

// Starting over while a playback pad is lit: that pad goes dark with its own
// sound straight away, and never stays lit.
void MemoryTest::noPadStaysLitWhenAGameRestartsMidBlink()
{
    drawPads({1, 0});
    start();
    step();
    QCOMPARE(litPads(), QList<int>({1}));
    sounds.clear();
    start();
    QVERIFY(litPads().isEmpty());
    QCOMPARE(sounds, QStringList({"close", "open :/sons/Whop.wav", "play"}));
    playUntilPlayersTurn();
    QVERIFY(litPads().isEmpty());
}

void MemoryTest::noPadStaysLitWhenClickedDuringTheLastBlink()
{
    drawPads({2, 3});
    start();
    playUntilPlayersTurn();
    clickPad(2);
    step();
    step(); // pad 2 lights
    step(); // pad 2 dark
    step(); // pad 3, the last, lights: the player may already answer
    QCOMPARE(litPads(), QList<int>({3}));
    sounds.clear();
    timeline.clear();
    clickPad(2); // correct first answer, while pad 3 still blinks
    // The playback's blink ended at the click, with its sound.
    QCOMPARE(litPads(), QList<int>({2}));
    QCOMPARE(sounds, QStringList({"close", "open :/sons/Jawharp.wav", "play"}));
    const int clicked = now;
    step();
    QVERIFY(litPads().isEmpty());
    QCOMPARE(now - clicked, 150);
    QCOMPARE(sounds.mid(3), QStringList({"close", "open :/sons/Eatghost.wav", "play"}));
}

void MemoryTest::noPadStaysLitAfterTwoQuickClicks()
{
    drawPads({0, 1});
    start();
    playUntilPlayersTurn();
    clickPad(0);
    step();
    playUntilPlayersTurn();
    sounds.clear();
    clickPad(0);
    clickPad(1); // pad 0 still blinking when pad 1 lights
    QCOMPARE(litPads(), QList<int>({1}));
    QCOMPARE(sounds, QStringList({"close", "open :/sons/Plasma.wav", "play"}));
    step();
    QVERIFY(litPads().isEmpty());
    QCOMPARE(sounds.mid(3), QStringList({"close", "open :/sons/Whop.wav", "play"}));
}

void MemoryTest::longestSequenceEndsInAWinNotAWrap()
{
    drawPads({0});
    start();
    playUntilPlayersTurn();
    // Jump to the player's last answer of the longest sequence.
    window->Sequencia = QList<std::int16_t>(frmMemory::MaiorSequencia, 0);
    window->Nivel = frmMemory::MaiorSequencia - 1;
    window->PassoJogador = frmMemory::MaiorSequencia - 1;
    MsgBoxAnswers answers;
    clickPad(0);
    QCOMPARE(answers.asked.size(), 1);
    QVERIFY(answers.asked[0].prompt.startsWith(QStringLiteral("Parabéns!")));
    QVERIFY(!window->VezJogador);
    QVERIFY(!window->tmrSort->isEnabled());
    step();
    QVERIFY(litPads().isEmpty());
    QVERIFY(!window->tmrPisca->isEnabled());
    for (int pad = 0; pad < 4; ++pad)
        clickPad(pad);
    QVERIFY(litPads().isEmpty());

    // One short of the longest still grows, and the whole playback fits the
    // counters: every pad is shown and the player's turn comes.
    start();
    playUntilPlayersTurn();
    window->Sequencia = QList<std::int16_t>(frmMemory::MaiorSequencia - 1, 1);
    window->Nivel = frmMemory::MaiorSequencia - 2;
    window->PassoJogador = frmMemory::MaiorSequencia - 2;
    clickPad(1);
    step();
    timeline.clear();
    playUntilPlayersTurn();
    QCOMPARE(timeline.count() / 3, frmMemory::MaiorSequencia);
    QVERIFY(window->VezJogador);
}

void MemoryTest::soundsInOtherFormatsDecodeToTheSameTone_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::newRow("8-bit") << 1 << 8 << 1 << 44100;
    QTest::newRow("16-bit") << 1 << 16 << 1 << 44100;
    QTest::newRow("24-bit") << 1 << 24 << 1 << 44100;
    QTest::newRow("32-bit") << 1 << 32 << 1 << 44100;
    QTest::newRow("float") << 3 << 32 << 1 << 44100;
    QTest::newRow("stereo 48 kHz") << 1 << 16 << 2 << 48000;
    QTest::newRow("22 kHz float stereo") << 3 << 32 << 2 << 22050;
}

// Whatever the file's format, the game hears the same tone for as long: the
// decoded samples are the tone at the output rate, within what 8 bits and
// resampling lose.
void MemoryTest::soundsInOtherFormatsDecodeToTheSameTone()
{
    QFETCH(int, format);
    QFETCH(int, bits);
    QFETCH(int, channels);
    QFETCH(int, rate);
    const QByteArray pcm = WaveOutput::decode(toneFile(format, bits, channels, rate));
    const qsizetype frames = pcm.size() / 2;
    const qsizetype expected = WaveOutput::SampleRate / 5;
    QVERIFY2(std::abs(frames - expected) <= expected / 100, qPrintable(QString::number(frames)));
    double error = 0;
    // The edges are left out: a resampler rings there.
    for (qsizetype i = 100; i < frames - 100; ++i) {
        const double tone = 0.5 * std::sin(2 * M_PI * 441 * double(i) / WaveOutput::SampleRate);
        const double heard = qFromLittleEndian<qint16>(pcm.constData() + 2 * i) / 32768.0;
        error = std::max(error, std::abs(heard - tone));
    }
    QVERIFY2(error < 0.02, qPrintable(QString::number(error)));
}

void MemoryTest::unreadableSoundsDecodeToSilence_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray good = toneFile(1, 16, 1, 44100);
    QByteArray truncated = good;
    truncated.chop(1000);
    QByteArray huge = good;
    qToLittleEndian<quint32>(0xFFFFFFF0u, huge.data() + 40);
    QByteArray noChannels = good;
    qToLittleEndian<quint16>(0, noChannels.data() + 22);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray(4096, '\x5a');
    QTest::newRow("header only") << good.left(44);
    QTest::newRow("truncated") << truncated;
    QTest::newRow("huge declared size") << huge;
    QTest::newRow("no channels") << noChannels;
    QTest::newRow("not a wave") << QByteArray("RIFF\x24\0\0\0AVI LIST") + good.mid(20);
}

void MemoryTest::unreadableSoundsDecodeToSilence()
{
    QFETCH(QByteArray, file);
    QCOMPARE(WaveOutput::decode(file), QByteArray());
}

void MemoryTest::builtInSoundsDecodeWithTheirLengths()
{
    const QStringList pads = {"Plasma.wav", "Whop.wav", "Eatghost.wav", "Jawharp.wav"};
    for (const QString &name : pads + QStringList{"Aah.wav"}) {
        QFile file(frmMemory::DirSons() + name);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
        const QByteArray pcm = WaveOutput::decode(file.readAll());
        const double seconds = double(pcm.size()) / 2 / WaveOutput::SampleRate;
        // Sound plus about a quarter second of silence, so none is cut short.
        const double longest = pads.contains(name) ? 0.4 + 0.3 : 0.8 + 0.3;
        QVERIFY2(seconds > 0.45 && seconds < longest, qPrintable(name));
        // The last 200 ms are silence.
        const qsizetype tail = 2 * WaveOutput::SampleRate / 5;
        QCOMPARE(pcm.right(tail), QByteArray(tail, '\0'));
    }
}

// With no audio device (as here) and files that cannot be played, the real
// device stays silent and the game keeps its beat.
void MemoryTest::unplayableSoundsKeepTheGameAndItsTiming()
{
    SoundsFolder folder;
    QByteArray truncated = toneFile(1, 16, 1, 44100);
    truncated.chop(1000);
    folder.write(QStringLiteral("Whop.wav"), truncated);
    auto *silent = new frmMemory;
    silent->Form_Load();
    silent->show();
    for (int pad : {1, 3}) { // a truncated file, a missing one
        drawPads({pad});
        QElapsedTimer clock;
        clock.start();
        silent->cmdInicio->click();
        QTRY_VERIFY_WITH_TIMEOUT(silent->imgEscura[pad]->isHidden(), 2000);
        const qint64 lit = clock.elapsed();
        QTRY_VERIFY_WITH_TIMEOUT(silent->imgEscura[pad]->isVisible(), 2000);
        QVERIFY(lit >= 490);
    }
    delete silent;
}

void MemoryTest::numberKeysPlayThePadsByTheSameRules()
{
    QTest::keyClick(window, Qt::Key_1);
    QVERIFY(litPads().isEmpty());

    drawPads({2, 0});
    start();
    step();                             // pad 2 lights: the player's turn begins
    QTest::keyClick(window, Qt::Key_3); // on the lit pad: ignored
    QCOMPARE(window->PassoJogador, 0);
    step();
    QTest::keyClick(window, Qt::Key_3);
    sync(true);
    QCOMPARE(litPads(), QList<int>({2}));
    step();
    playUntilPlayersTurn();
    QTest::keyClick(window, Qt::Key_3, Qt::KeypadModifier);
    sync(true);
    QCOMPARE(litPads(), QList<int>({2}));
    step();
    MsgBoxAnswers answers;
    QTest::keyClick(window, Qt::Key_2, Qt::KeypadModifier); // pad 1: wrong
    QCOMPARE(answers.asked.size(), 1);
    QVERIFY(window->imgEscura[0]->toolTip().contains(QLatin1Char('1')));
}

void MemoryTest::padsAreNamedByColourAndState()
{
    const auto said = [](QWidget *widget) {
        QAccessibleInterface *item = QAccessible::queryAccessibleInterface(widget);
        return item->text(QAccessible::Name) + QLatin1Char(' ') +
               item->text(QAccessible::Description);
    };
    const QStringList colours = {"Azul", "Vermelho", "Amarelo", "Verde"};
    const auto heard = [](QWidget *widget) {
        return !QAccessible::queryAccessibleInterface(widget)->state().invisible;
    };
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(said(window->imgEscura[i]), colours[i] + QStringLiteral(" apagada"));
        QCOMPARE(said(window->imgClara[i]), colours[i] + QStringLiteral(" acesa"));
        // The lit picture lies under the dark one: it must not be read too.
        QVERIFY(heard(window->imgEscura[i]));
        QVERIFY(!heard(window->imgClara[i]));
    }
    drawPads({1});
    start();
    step();
    QVERIFY(heard(window->imgClara[1]));
    QVERIFY(!heard(window->imgEscura[1]));
    QVERIFY(!heard(window->imgClara[0]));
}

void MemoryTest::scoreIsTheSequencesRepeatedWholeStoredAtOnce_data()
{
    QTest::addColumn<int>("rounds"); // -1: the longest sequence won
    QTest::addColumn<QString>("record");
    QTest::newRow("lost at the first pad") << 0 << QString();
    QTest::newRow("lost on the 6-pad sequence") << 5 << QStringLiteral("5");
    QTest::newRow("the longest sequence won") << -1 << QStringLiteral("255");
}

void MemoryTest::scoreIsTheSequencesRepeatedWholeStoredAtOnce()
{
    QFETCH(int, rounds);
    QFETCH(QString, record);
    // On disk while the game's own message is still open.
    QString onDisk;
    const auto atTheBox = [&] {
        onDisk = stored(QStringLiteral("Memory/Recordes/Normal/1/Pontos"));
    };
    if (rounds >= 0) {
        playGame(rounds, atTheBox);
    } else {
        drawPads({0});
        start();
        playUntilPlayersTurn();
        window->Sequencia = QList<std::int16_t>(frmMemory::MaiorSequencia, 0);
        window->Nivel = window->PassoJogador = frmMemory::MaiorSequencia - 1;
        MsgBoxAnswers answers;
        answers.whileOpen([&](const MsgBox::Question &) { atTheBox(); });
        clickPad(0);
        QVERIFY(answers.asked[0].prompt.startsWith(QStringLiteral("Parabéns!")));
    }
    QCOMPARE(onDisk, record);
    QCOMPARE(window->lblRecorde->text(),
             QStringLiteral("Recorde: ") + (record.isEmpty() ? QStringLiteral("–") : record));
}

void MemoryTest::newRecordIsLitToldAndReadByANewWindow()
{
    const auto told = [this] {
        return QAccessible::queryAccessibleInterface(window->lblRecorde)->text(QAccessible::Name);
    };
    playGame(3);
    QVERIFY(window->lblRecorde->autoFillBackground());
    QCOMPARE(told(), QStringLiteral("Novo recorde: 3"));
    window->tmrRecorde->fire();
    QVERIFY(!window->lblRecorde->autoFillBackground());
    QCOMPARE(told(), QStringLiteral("Recorde: 3"));

    // A worse game than a record another Zelvo stored meanwhile: no record,
    // and the better one stays.
    {
        QSettings other(settingsFile, QSettings::IniFormat);
        other.setValue(QStringLiteral("Memory/Recordes/Normal/1/Nome"), QStringLiteral("Bia"));
        other.setValue(QStringLiteral("Memory/Recordes/Normal/1/Pontos"), 7);
    }
    playGame(4);
    QVERIFY(!window->lblRecorde->autoFillBackground());
    QCOMPARE(stored(QStringLiteral("Memory/Recordes/Normal/1/Pontos")), QStringLiteral("7"));
    QCOMPARE(stored(QStringLiteral("Memory/Recordes/Normal/2/Pontos")), QStringLiteral("4"));
    reopen();
    QCOMPARE(window->lblRecorde->text(), QStringLiteral("Recorde: 7"));
}

void MemoryTest::garbledSettingsReadAsDefaults_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("record as text") << QByteArray("Recorde=doze");
    QTest::newRow("negative record") << QByteArray("Recorde=-4");
    QTest::newRow("record above 255") << QByteArray("Recorde=256");
    QTest::newRow("record as a list") << QByteArray("Recorde=3, 4");
    QTest::newRow("sound as a word") << QByteArray("Som=talvez");
    QTest::newRow("numbers as a digit") << QByteArray("Numeros=1");
    QTest::newRow("level unknown") << QByteArray("Nivel=Rapido");
}

void MemoryTest::garbledSettingsReadAsDefaults()
{
    QFETCH(QByteArray, line);
    QFile file(settingsFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Memory]\n" + line + "\n");
    file.close();
    reopen();
    QCOMPARE(window->lblRecorde->text(), QStringLiteral("Recorde: –"));
    QVERIFY(window->mnuSom->isChecked());
    QVERIFY(!window->mnuNumeros->isChecked());
    QVERIFY(window->grpNivel->actions().at(int(Recordes::Nivel::Normal))->isChecked());
}

void MemoryTest::unwritableSettingsKeepTheGameAndTheRecord()
{
    // A folder no one can make, root included: its parent is a file.
    QFile blocker(settingsDir.filePath(QStringLiteral("a-file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Settings::setFileForTesting(blocker.fileName() + QStringLiteral("/Zelvo.conf"));
    // The score at the game's end, then its name: twice a game.
    for (int i = 0; i < 4; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be written"));
    playGame(2);
    QCOMPARE(window->lblRecorde->text(), QStringLiteral("Recorde: 2"));
    playGame(1); // plays on, and keeps this run's record
    QCOMPARE(window->lblRecorde->text(), QStringLiteral("Recorde: 2"));
}

void MemoryTest::soundSwitchSilencesTheControlAndKeepsTheBeat()
{
    QVERIFY(window->mnuSom->isChecked());
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F3);
    QCOMPARE(stored(QStringLiteral("Memory/Som")), QStringLiteral("false"));

    // Not a command to the control, on the very same beat.
    drawPads({2, 0});
    start();
    playUntilPlayersTurn();
    clickPad(2);
    step();
    playUntilPlayersTurn();
    playGame(0);
    QCOMPARE(timeline, QStringList({"500 on 2", "650 off 2", "800 off 2", "1150 on 2", "1300 off 2",
                                    "1800 on 0", "1950 off 0", "2450 on 0", "2600 off 0"}));
    QCOMPARE(sounds, QStringList());

    reopen();
    QVERIFY(!window->mnuSom->isChecked());
    window->mnuSom->trigger();
    playGame(0);
    QCOMPARE(sounds.mid(0, 3), QStringList({"close", "open :/sons/Plasma.wav", "play"}));
}

void MemoryTest::numbersOnThePadsAreDrawnAndRemembered()
{
    const QImage plain = window->client()->grab().toImage();
    window->mnuNumeros->trigger();
    QCOMPARE(stored(QStringLiteral("Memory/Numeros")), QStringLiteral("true"));
    for (int i = 0; i < 4; ++i) {
        for (QLabel *number : {window->lblNumeroEscura[i], window->lblNumeroClara[i]}) {
            QCOMPARE(number->text(), QString::number(i + 1));
            // A white figure outlined in black, on the dark and the lit pad.
            const QImage drawn = number->parentWidget()->grab(number->geometry()).toImage();
            int white = 0, black = 0;
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x) {
                    white += drawn.pixelColor(x, y).lightness() > 240;
                    black += drawn.pixelColor(x, y).lightness() < 20;
                }
            QVERIFY2(white > 20 && black > 20, qPrintable(number->parentWidget()->objectName()));
        }
    }
    // Clicks go through to the pad.
    drawPads({1});
    start();
    playUntilPlayersTurn();
    clickPad(1);
    QVERIFY(lit(1));

    reopen();
    QVERIFY(window->lblNumeroClara[2]->isVisibleTo(window->client()));
    window->mnuNumeros->trigger();
    QCOMPARE(stored(QStringLiteral("Memory/Numeros")), QStringLiteral("false"));
    QCOMPARE(window->client()->grab().toImage(), plain);
}

void MemoryTest::choose(Recordes::Nivel nivel)
{
    window->grpNivel->actions().at(int(nivel))->trigger();
}

// A level's table on disk, as "name score" rows.
QStringList MemoryTest::storedTable(const QString &level) const
{
    QStringList rows;
    for (int i = 1; i <= 6; ++i) {
        const QString row = QStringLiteral("Memory/Recordes/%1/%2/").arg(level).arg(i);
        if (!stored(row + QStringLiteral("Pontos")).isEmpty())
            rows << stored(row + QStringLiteral("Nome")) + QLatin1Char(' ') +
                        stored(row + QStringLiteral("Pontos"));
    }
    return rows;
}

void MemoryTest::levelsSetThePaceAndTheDraw_data()
{
    QTest::addColumn<int>("nivel");
    QTest::addColumn<QStringList>("replay"); // from the click that completes the first round
    QTest::addColumn<int>("turn");
    // Drawn: 2, then 1, then 3. Only Surprise draws the whole second round.
    QTest::newRow("Fácil") << int(Recordes::Nivel::Facil)
                           << QStringList{"225 off 2",  "225 sound Eatghost.wav", "750 on 2",
                                          "975 off 2",  "975 sound Eatghost.wav", "1725 on 1",
                                          "1950 off 1", "1950 sound Whop.wav"}
                           << 2650;
    QTest::newRow("Normal") << int(Recordes::Nivel::Normal)
                            << QStringList{"150 off 2",  "150 sound Eatghost.wav", "500 on 2",
                                           "650 off 2",  "650 sound Eatghost.wav", "1150 on 1",
                                           "1300 off 1", "1300 sound Whop.wav"}
                            << 1150;
    QTest::newRow("Difícil") << int(Recordes::Nivel::Dificil)
                             << QStringList{"90 off 2",  "90 sound Eatghost-curto.wav",  "300 on 2",
                                            "390 off 2", "390 sound Eatghost-curto.wav", "690 on 1",
                                            "780 off 1", "780 sound Whop-curto.wav"}
                             << 690;
    QTest::newRow("Surpresa") << int(Recordes::Nivel::Surpresa)
                              << QStringList{"150 off 2",  "150 sound Eatghost.wav", "500 on 1",
                                             "650 off 1",  "650 sound Whop.wav",     "1150 on 3",
                                             "1300 off 3", "1300 sound Jawharp.wav"}
                              << 1150;
}

void MemoryTest::levelsSetThePaceAndTheDraw()
{
    QFETCH(int, nivel);
    QFETCH(QStringList, replay);
    QFETCH(int, turn);
    const auto estado = [this] {
        return window->lblEstado->isVisible() ? window->lblEstado->text() : QString();
    };
    choose(Recordes::Nivel(nivel));
    drawPads({2, 1, 3});
    start();
    QCOMPARE(estado(), QStringLiteral("Observe…"));
    QVERIFY(!window->mnuNivel->menuAction()->isEnabled());
    playUntilPlayersTurn();
    clickPad(2);
    const int clicked = now;
    QCOMPARE(estado(), QStringLiteral("Observe…"));
    playUntilPlayersTurn();
    QCOMPARE(timelineSince(clicked).mid(timelineSince(clicked).indexOf(replay.first())), replay);
    QCOMPARE(turnAt - clicked, turn);
    QCOMPARE(QAccessible::queryAccessibleInterface(window->lblEstado)->text(QAccessible::Name),
             estado());
    QCOMPARE(estado(), QStringLiteral("Sua vez!"));
    // The level is chosen between games only, and kept for the next run.
    QVERIFY(!window->mnuNivel->menuAction()->isEnabled());
    MsgBoxAnswers answers;
    clickPad(0);
    QVERIFY(window->mnuNivel->menuAction()->isEnabled());
    QVERIFY(estado().isEmpty());
    reopen();
    QVERIFY(window->grpNivel->actions().at(nivel)->isChecked());
}

void MemoryTest::topFiveKeepsOrderAndCleanNames_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("after");
    const QString twenty = QStringLiteral("Ççãõéíóúâêôàü Maria ");
    QTest::newRow("into an empty table") << QList<int>{} << 2 << "Ana" << QStringList{"Ana 2"};
    QTest::newRow("below an equal score")
        << QList<int>{3, 2} << 2 << "Ana" << QStringList{"B3 3", "B2 2", "Ana 2"};
    QTest::newRow("on top, the fifth drops")
        << QList<int>{5, 4, 3, 2, 1} << 6 << "Ana"
        << QStringList{"Ana 6", "B5 5", "B4 4", "B3 3", "B2 2"};
    QTest::newRow("under a full table") << QList<int>{5, 4, 3, 2, 1} << 1 << "Ana"
                                        << QStringList{"B5 5", "B4 4", "B3 3", "B2 2", "B1 1"};
    QTest::newRow("nothing repeated never enters") << QList<int>{} << 0 << "Ana" << QStringList{};
    QTest::newRow("trimmed, controls removed")
        << QList<int>{} << 1 << "  A\tn\x1b[0ma\n " << QStringList{"An[0ma 1"};
    QTest::newRow("empty is Anônimo") << QList<int>{} << 1 << " \t " << QStringList{"Anônimo 1"};
    QTest::newRow("a comma stays in the name")
        << QList<int>{} << 1 << "Ana, Bia" << QStringList{"Ana, Bia 1"};
    QTest::newRow("any script") << QList<int>{} << 1 << "Жанна 李小龍"
                                << QStringList{"Жанна 李小龍 1"};
    QTest::newRow("cut at 20 letters, accents kept")
        << QList<int>{} << 1 << QStringLiteral("Ç\u0327") + twenty + QStringLiteral("Silva")
        << QStringList{QStringLiteral("Ç\u0327") + twenty.left(19).trimmed() +
                       QStringLiteral(" 1")};
    QTest::newRow("an emoji is not split")
        << QList<int>{} << 1 << QStringLiteral("Maria Clara Sousa 👍🏽👍🏽👍🏽")
        << QStringList{QStringLiteral("Maria Clara Sousa 👍🏽👍🏽 1")};
}

void MemoryTest::topFiveKeepsOrderAndCleanNames()
{
    QFETCH(QList<int>, before);
    QFETCH(int, score);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);
    {
        QSettings other(settingsFile, QSettings::IniFormat);
        for (int i = 0; i < before.size(); ++i) {
            const QString row = QStringLiteral("Memory/Recordes/Normal/%1/").arg(i + 1);
            other.setValue(row + QStringLiteral("Nome"), QStringLiteral("B%1").arg(before[i]));
            other.setValue(row + QStringLiteral("Pontos"), before[i]);
        }
    }
    reopen();
    typedNames << typed;
    playGame(score);
    QCOMPARE(storedTable(QStringLiteral("Normal")), after);
    // Asked only when the score made the table.
    QStringList unchanged;
    for (int b : before)
        unchanged << QStringLiteral("B%1 %1").arg(b);
    QCOMPARE(namesOffered.size(), after == unchanged ? 0 : 1);
}

void MemoryTest::oldRecordMovesIntoNormalOnce()
{
    QSettings(settingsFile, QSettings::IniFormat).setValue(QStringLiteral("Memory/Recorde"), 9);
    reopen();
    QCOMPARE(window->lblRecorde->text(), QStringLiteral("Recorde: 9"));
    QCOMPARE(storedTable(QStringLiteral("Normal")), QStringList{"Anônimo 9"});
    QCOMPARE(stored(QStringLiteral("Memory/Recordes/Normal/1/Data")), QString());
    QCOMPARE(stored(QStringLiteral("Memory/Recorde")), QString());
    reopen();
    QCOMPARE(storedTable(QStringLiteral("Normal")), QStringList{"Anônimo 9"});
    choose(Recordes::Nivel::Facil);
    QCOMPARE(window->lblRecorde->text(), QStringLiteral("Recorde: –"));
}

void MemoryTest::garbledEntriesAreSkippedOneByOne_data()
{
    QTest::addColumn<QByteArray>("line"); // spoils the second of three entries
    QTest::newRow("score as text") << QByteArray("2\\Pontos=doze");
    QTest::newRow("negative score") << QByteArray("2\\Pontos=-4");
    QTest::newRow("score above 255") << QByteArray("2\\Pontos=256");
    QTest::newRow("name too long") << QByteArray("2\\Nome=Abcdefghijklmnopqrstu");
    QTest::newRow("empty name") << QByteArray("2\\Nome=");
    QTest::newRow("date that does not parse") << QByteArray("2\\Data=ontem");
}

void MemoryTest::garbledEntriesAreSkippedOneByOne()
{
    QFETCH(QByteArray, line);
    QFile file(settingsFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Memory]\n");
    for (int i = 1; i <= 3; ++i)
        file.write(QStringLiteral("Recordes\\Facil\\%1\\Nome=N%1\nRecordes\\Facil\\%1\\Pontos=%2\n"
                                  "Recordes\\Facil\\%1\\Data=2026-0%1-01T10:00:00\n")
                       .arg(i)
                       .arg(10 - i)
                       .toUtf8());
    file.write("Recordes\\Facil\\" + line + "\n");
    file.close();
    const QSettings settings(settingsFile, QSettings::IniFormat);
    const QList<Recordes::Entrada> tabela =
        Recordes::tabelaGuardada(settings, Recordes::Nivel::Facil);
    QCOMPARE(tabela.size(), 2);
    QCOMPARE(tabela[0].nome, QStringLiteral("N1"));
    QCOMPARE(tabela[1].nome, QStringLiteral("N3"));
    QCOMPARE(Recordes::maisRecente(tabela), 1);
}

QTEST_MAIN(MemoryTest)
#include "tst_memory.moc"
