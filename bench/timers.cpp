// Times the game's timers as the player sees them: the moments the launcher's
// title letters and the memory pads change visibility, on CLOCK_MONOTONIC.
//   bench_timers title SECONDS     one line per title tick
//   bench_timers memory PADS RUNS [LEVEL]
//                                  one line per pad edge and per sound started, at
//                                  the level numbered as the menu lists them (0 to 3,
//                                  1 = Normal by default)
//   bench_timers open RUNS         where opening a game window spends its time
//   bench_timers svg               what drawing each picture from its source costs, and
//                                  unpacking the bitmap the build drew of it
//   bench_timers lista escolhe|inicia
//                                  choosing the last list of the user's folder and
//                                  starting a solo game from it, or starting one from
//                                  it as the list chosen last time: times and memory
#include "frmForca.h"
#include "frmMemory.h"
#include "frmZelvo.h"
#include "palavras.h"
#include "settings.h"
#include "sounddevice.h"
#include "system.h"
#include "timer.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QResource>
#include <QSvgRenderer>
#include <QTimer>

#include <cstdio>
#include <cstring>
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
    bool active = true; // off at the end: closing hides everything at once

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (active && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
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
    static void choose(frmMemory &memory, int level)
    {
        memory.grpNivel->actions().at(level)->trigger();
    }
    static int sortInterval(const frmMemory &memory) { return memory.tmrSort->interval(); }
    static int piscaInterval(const frmMemory &memory) { return memory.tmrPisca->interval(); }

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
        std::printf("start %.3f %d %d\n", nowMs(), memory.tmrSort->interval(),
                    memory.tmrPisca->interval());
        memory.tmrSort->setEnabled(true);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // As the program names itself, so that its data folder is the program's.
    QCoreApplication::setApplicationName(QStringLiteral("Zelvo"));
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
        QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &app, [&] {
            watcher.active = false;
            app.quit();
        });
        return app.exec();
    }

    if (mode == QLatin1String("svg")) {
        for (const QString &name : QDir(QStringLiteral(":/pictures")).entryList()) {
            const double t0 = nowMs();
            QSvgRenderer renderer(QStringLiteral(":/pictures/") + name);
            const double t1 = nowMs();
            QPixmap pixmap(renderer.defaultSize());
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            renderer.render(&painter);
            painter.end();
            std::printf("svg %s parse %.2f render %.2f size %dx%d\n", qPrintable(name), t1 - t0,
                        nowMs() - t1, pixmap.width(), pixmap.height());
            // What the program does instead at 1x: unpack the bitmap the build drew.
            const double t2 = nowMs();
            const QByteArray bitmap =
                QResource(QStringLiteral(":/prerendered/%1@1").arg(name)).uncompressedData();
            if (!bitmap.isEmpty())
                std::printf("prerendered %s unpack %.3f bytes %lld\n", qPrintable(name),
                            nowMs() - t2, static_cast<long long>(bitmap.size()));
        }
        return 0;
    }

    if (mode == QLatin1String("lista")) {
        const auto rss = [] {
            QFile status(QStringLiteral("/proc/self/status"));
            if (!status.open(QIODevice::ReadOnly))
                return 0LL;
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("VmRSS:"))
                    return line.mid(6).trimmed().split(' ').first().toLongLong();
            }
            return 0LL;
        };
        const auto open = [] {
            auto *window = new frmForca;
            window->Form_Load();
            window->show();
            QCoreApplication::processEvents();
            QAction *last = nullptr;
            for (QAction *item : window->findChildren<QAction *>()) {
                if (item->objectName().startsWith(QLatin1String("mnucategoria")) &&
                    item->isEnabled())
                    last = item;
            }
            return std::pair(window, last);
        };
        auto [window, last] = open();
        const bool choose = argc < 3 || std::strcmp(argv[2], "inicia") != 0;
        if (!choose) {
            Settings::open()->setValue(Palavras::ChaveCategoria, last->text());
            delete window;
            std::tie(window, last) = open();
        }
        const long long before = rss();
        const double t0 = nowMs();
        if (choose)
            last->trigger();
        const double t1 = nowMs();
        window->findChild<QAction *>(QStringLiteral("mnusolitario"))->trigger();
        window->findChild<QPushButton *>(QStringLiteral("cmdInicio"))->click();
        const double t2 = nowMs();
        std::printf("lista %s choose %.2f start %.2f rss %lld\n", choose ? "escolhe" : "inicia",
                    t1 - t0, t2 - t1, rss() - before);
        delete window;
        return 0;
    }

    if (mode == QLatin1String("open")) {
        // Each window built, loaded and shown as the launcher does, up to its
        // first paint, then closed: construction, Form_Load, show → painted.
        const int runs = argc > 2 ? std::atoi(argv[2]) : 10;
        for (int r = 0; r < runs; ++r) {
            for (int game = 0; game < 2; ++game) {
                const double t0 = nowMs();
                Form *window = game ? static_cast<Form *>(new frmMemory) : new frmForca;
                const double t1 = nowMs();
                if (game)
                    static_cast<frmMemory *>(window)->Form_Load();
                else
                    static_cast<frmForca *>(window)->Form_Load();
                const double t2 = nowMs();
                bool painted = false;
                struct PaintSpy : QObject
                {
                    bool *seen;
                    bool eventFilter(QObject *, QEvent *e) override
                    {
                        if (e->type() == QEvent::Paint)
                            *seen = true;
                        return false;
                    }
                } spy;
                spy.seen = &painted;
                window->client()->installEventFilter(&spy);
                window->show();
                QElapsedTimer wait;
                wait.start();
                while (!painted && wait.elapsed() < 3000)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
                const double t3 = nowMs();
                window->client()->removeEventFilter(&spy);
                std::printf("open %s construct %.2f load %.2f show %.2f total %.2f\n",
                            game ? "memory" : "forca", t1 - t0, t2 - t1, t3 - t2, t3 - t0);
                window->close();
                QElapsedTimer settle;
                settle.start();
                while (settle.elapsed() < 300)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            }
        }
        return 0;
    }

    const int pads = argc > 2 ? std::atoi(argv[2]) : 20;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 3;
    const int level = argc > 4 ? std::atoi(argv[4]) : 1;
    auto *memory = new frmMemory(std::make_unique<SilentSound>());
    MemoryTest::choose(*memory, level);
    for (int i = 0; i < 4; ++i)
        memory->findChild<QWidget *>(QStringLiteral("imgEscura%1").arg(i))
            ->installEventFilter(&watcher);
    memory->Form_Load();
    memory->show();
    const int step = MemoryTest::sortInterval(*memory) + MemoryTest::piscaInterval(*memory);
    const int each = MemoryTest::sortInterval(*memory) + step * pads + 1000;
    for (int r = 0; r < runs; ++r)
        QTimer::singleShot(1000 + r * each, Qt::PreciseTimer, memory,
                           [memory, pads] { MemoryTest::playBack(*memory, pads); });
    QTimer::singleShot(1000 + runs * each, Qt::PreciseTimer, &app, [&] {
        watcher.active = false;
        app.quit();
    });
    return app.exec();
}
