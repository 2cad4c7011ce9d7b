// Times the game's timers as the player sees them: the moments the launcher's
// title letters and the memory pads change visibility, on CLOCK_MONOTONIC.
//   bench_timers title SECONDS     one line per title tick
//   bench_timers memory PADS RUNS  one line per pad edge and per sound started
#include "frmMemory.h"
#include "frmZelvo.h"
#include "sounddevice.h"
#include "system.h"
#include "timer.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <ctime>

static double nowMs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Writes a line for each Show or Hide of the watched widgets.
class Watcher : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            std::printf("edge %.3f %s %s\n", nowMs(), qPrintable(watched->objectName()),
                        event->type() == QEvent::Show ? "show" : "hide");
        return false;
    }
};

class SilentSound : public SoundDevice
{
public:
    void open(const QString &) override {}
    void play() override { std::printf("sound %.3f\n", nowMs()); }
    void close() override {}
};

// The memory window's friend: sets up a sequence of the wanted length and lets
// the window's own timers play it back.
class MemoryTest
{
public:
    static void playBack(frmMemory &memory, int pads)
    {
        memory.TerminaPisca();
        memory.VezJogador = false;
        memory.Sequencia.clear();
        for (int i = 0; i < pads; ++i)
            memory.Sequencia.append(std::int16_t(System::randomIndex(4)));
        memory.Nivel = std::uint8_t(pads - 1);
        memory.PosMostra = 0;
        memory.PassoJogador = 0;
        std::printf("start %.3f\n", nowMs());
        memory.tmrSort->setEnabled(true);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("title");
    Watcher watcher;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    if (mode == QLatin1String("title")) {
        const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
        System::setBeepHook([] {}); // the bell is not what is timed
        auto *launcher = new frmZelvo;
        for (int i = 0; i < 5; ++i)
            launcher->findChild<QWidget *>(QStringLiteral("lblLet%1").arg(i))
                ->installEventFilter(&watcher);
        launcher->Form_Load();
        launcher->show();
        QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
        return app.exec();
    }

    const int pads = argc > 2 ? std::atoi(argv[2]) : 20;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 3;
    auto *memory = new frmMemory(std::make_unique<SilentSound>());
    for (int i = 0; i < 4; ++i)
        memory->findChild<QWidget *>(QStringLiteral("imgEscura%1").arg(i))
            ->installEventFilter(&watcher);
    memory->Form_Load();
    memory->show();
    const int each = 500 + 650 * pads + 1000;
    for (int r = 0; r < runs; ++r)
        QTimer::singleShot(1000 + r * each, memory, [memory, pads] { MemoryTest::playBack(*memory, pads); });
    QTimer::singleShot(1000 + runs * each, &app, &QApplication::quit);
    return app.exec();
}
