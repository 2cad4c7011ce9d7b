// Sound latency through the memory game's own output, WaveOutput: from the
// play() call to the click's first loud sample arriving on the null sink's
// monitor. parec records the monitor into a pipe that is read here; every read
// is stamped on CLOCK_MONOTONIC, so both ends share one clock.
//   bench_sound MONITOR CLICKS
#include "waveoutput.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

static double nowMs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// 20 ms of a loud square wave: its very first sample is already loud.
static QByteArray clickWave()
{
    const int rate = WaveOutput::SampleRate, frames = rate / 50;
    QByteArray pcm(frames * 2, Qt::Uninitialized);
    for (int i = 0; i < frames; ++i)
        qToLittleEndian<qint16>(qint16((i / 22) % 2 ? -16000 : 16000), pcm.data() + 2 * i);
    QByteArray wave("RIFF");
    auto u32 = [&](quint32 v) { char b[4]; qToLittleEndian(v, b); wave.append(b, 4); };
    auto u16 = [&](quint16 v) { char b[2]; qToLittleEndian(v, b); wave.append(b, 2); };
    u32(36 + pcm.size());
    wave.append("WAVEfmt ");
    u32(16); u16(1); u16(1); u32(rate); u32(rate * 2); u16(2); u16(16);
    wave.append("data");
    u32(pcm.size());
    return wave + pcm;
}

struct Read
{
    double at;
    qint64 endSample; // samples received so far, this read included
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray monitor = argc > 1 ? argv[1] : "bench_null.monitor";
    const int clicks = argc > 2 ? std::atoi(argv[2]) : 12;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    QTemporaryDir dir;
    const QString clickFile = dir.filePath(QStringLiteral("click.wav"));
    {
        QFile f(clickFile);
        f.open(QIODevice::WriteOnly);
        f.write(clickWave());
    }

    int fds[2];
    if (pipe(fds) != 0)
        return 1;
    const pid_t parec = fork();
    if (parec == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        execlp("parec", "parec", ("--device=" + monitor).constData(), "--format=s16le",
               "--rate=44100", "--channels=1", "--raw", "--latency-msec=1", nullptr);
        _exit(127);
    }
    close(fds[1]);

    std::mutex lock;
    std::vector<Read> reads;
    std::vector<qint16> samples;
    std::atomic<bool> done{false};
    std::thread reader([&] {
        char buffer[4096];
        qint64 total = 0;
        std::vector<qint16> pending;
        for (;;) {
            const ssize_t n = read(fds[0], buffer, sizeof buffer);
            const double at = nowMs();
            if (n <= 0)
                break;
            std::lock_guard guard(lock);
            samples.insert(samples.end(), reinterpret_cast<qint16 *>(buffer),
                           reinterpret_cast<qint16 *>(buffer) + n / 2);
            total += n / 2;
            reads.push_back({at, total});
        }
        done = true;
    });

    WaveOutput output;
    std::vector<double> calls;
    // Clicks start once the recording delivers (parec wakes the monitor) and
    // the output has had time to settle; they are 1 s apart, shifted a little
    // each time so they do not lock to the sink's rendering period.
    auto schedule = [&] {
        for (int i = 0; i < clicks; ++i) {
            QTimer::singleShot(1500 + i * 1000 + (i * 37) % 100, Qt::PreciseTimer, &app, [&] {
                output.close();
                output.open(clickFile);
                calls.push_back(nowMs());
                output.play();
            });
        }
        QTimer::singleShot(1500 + clicks * 1000 + 800, Qt::PreciseTimer, &app,
                           &QCoreApplication::quit);
    };
    QTimer recording;
    QObject::connect(&recording, &QTimer::timeout, &app, [&] {
        std::lock_guard guard(lock);
        if (!reads.empty()) {
            recording.stop();
            schedule();
        }
    });
    recording.start(10);
    app.exec();

    kill(parec, SIGTERM);
    reader.join();

    // For each click: the first loud sample after the call, and the moment the
    // read that carried it returned.
    std::lock_guard guard(lock);
    std::printf("reads %zu samples %zu\n", reads.size(), samples.size());
    size_t r = 0;
    for (double call : calls) {
        while (r < reads.size() && reads[r].at < call)
            ++r;
        qint64 from = r ? reads[r - 1].endSample : 0;
        bool found = false;
        for (size_t k = r; k < reads.size() && !found; ++k) {
            for (qint64 s = from; s < reads[k].endSample; ++s) {
                if (std::abs(samples[size_t(s)]) > 4000) {
                    // The read also brought the samples after the onset: they
                    // were rendered at the same moment, so no correction is made.
                    std::printf("click call %.3f arrival %.3f latency %.3f sample %lld\n", call,
                                reads[k].at, reads[k].at - call, (long long)s);
                    found = true;
                    break;
                }
            }
            from = reads[k].endSample;
        }
        if (!found)
            std::printf("click call %.3f missing\n", call);
        // Skip past this click's own samples.
        while (r < reads.size() && reads[r].at < call + 200)
            ++r;
    }
    return 0;
}
