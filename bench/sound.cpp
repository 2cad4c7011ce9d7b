// Sound through the memory game's own output, WaveOutput: the four pad sounds
// in turn, each started exactly as TocaSom starts it, while parec records the
// null sink's monitor into a pipe that is read here; every read is stamped on
// CLOCK_MONOTONIC, so both ends share one clock. For each sound:
//   latency  from the play() call to the read that brought its first audible
//            sample, less where that sample sits in its file;
//   glitched the sound lasts more than 10 ms longer than its file, or holds
//            a silent gap (samples of 0 or ±1) of 5 ms or more: a buffer the
//            output or the server missed. The pad files hold no such gap.
//   bench_sound MONITOR SOUNDS
#include "frmMemory.h"
#include "waveoutput.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <algorithm>
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

// -45 dBFS, where the sound script and the tests call a sound over.
constexpr int Audible = 184;
constexpr double Rate = WaveOutput::SampleRate;

struct Read
{
    double at;
    qint64 endSample; // samples received so far, this read included
};

struct Pad
{
    QString file;
    qsizetype first = 0, last = 0; // audible span in the decoded file
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray monitor = argc > 1 ? argv[1] : "bench_null.monitor";
    const int count = argc > 2 ? std::atoi(argv[2]) : 100;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    std::vector<Pad> pads;
    for (const char *name : {"Plasma.wav", "Whop.wav", "Eatghost.wav", "Jawharp.wav"}) {
        Pad pad{frmMemory::DirSons() + QLatin1String(name)};
        QFile file(pad.file);
        file.open(QIODevice::ReadOnly);
        const QByteArray pcm = WaveOutput::decode(file.readAll());
        const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
        const qsizetype n = pcm.size() / 2;
        while (pad.first < n && std::abs(s[pad.first]) < Audible)
            ++pad.first;
        pad.last = n - 1;
        while (pad.last > pad.first && std::abs(s[pad.last]) < Audible)
            --pad.last;
        pads.push_back(pad);
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
    std::thread reader([&] {
        char buffer[4096];
        qint64 total = 0;
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
    });

    WaveOutput output;
    output.preload({pads[0].file, pads[1].file, pads[2].file, pads[3].file});
    std::vector<double> calls;
    // Sounds start once the recording delivers (parec wakes the monitor) and
    // the output has had time to settle; each rings out before the next, and
    // the spacing moves a little each time so as not to lock to a period.
    auto schedule = [&] {
        for (int i = 0; i < count; ++i) {
            QTimer::singleShot(1500 + i * 500 + (i * 37) % 100, Qt::PreciseTimer, &app, [&, i] {
                output.close();
                output.open(pads[size_t(i) % pads.size()].file);
                calls.push_back(nowMs());
                output.play();
            });
        }
        QTimer::singleShot(1500 + count * 500 + 800, Qt::PreciseTimer, &app,
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

    std::lock_guard guard(lock);
    const auto quiet = [&](size_t i) { return std::abs(samples[i]) < Audible; };
    std::printf("reads %zu samples %zu\n", reads.size(), samples.size());
    int glitched = 0, missing = 0;
    std::vector<double> latencies;
    size_t r = 0;
    for (size_t k = 0; k < calls.size(); ++k) {
        const Pad &pad = pads[k % pads.size()];
        const double call = calls[k];
        while (r < reads.size() && reads[r].at < call)
            ++r;
        // The first audible sample that arrived after the call.
        size_t onset = r ? size_t(reads[r - 1].endSample) : 0;
        while (onset < samples.size() && quiet(onset))
            ++onset;
        if (onset + size_t(Rate / 10) >= samples.size()) {
            std::printf("sound %zu call %.3f missing\n", k, call);
            ++missing;
            continue;
        }
        size_t arrival = r;
        while (arrival < reads.size() && size_t(reads[arrival].endSample) <= onset)
            ++arrival;
        // Its end: the last audible sample before 50 ms of quiet.
        size_t end = onset, i = onset;
        while (i < samples.size() && i - end < size_t(Rate / 20)) {
            if (!quiet(i))
                end = i;
            ++i;
        }
        size_t gap = 0, run = 0;
        for (size_t j = onset; j <= end; ++j) {
            run = std::abs(samples[j]) <= 1 ? run + 1 : 0;
            gap = std::max(gap, run);
        }
        const double latency = reads[arrival].at - call - double(pad.first) / Rate * 1e3;
        const double stretch = double(qsizetype(end - onset) - (pad.last - pad.first)) / Rate * 1e3;
        const double gapMs = double(gap) / Rate * 1e3;
        const bool bad = stretch > 10 || gapMs >= 5;
        glitched += bad;
        latencies.push_back(latency);
        std::printf("sound %zu call %.3f latency %.3f stretch %.3f gap %.3f%s\n", k, call, latency,
                    stretch, gapMs, bad ? " glitched" : "");
        while (r < reads.size() && size_t(reads[r].endSample) <= end)
            ++r;
    }
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double q) {
        return latencies.empty() ? 0.0 : latencies[size_t(q * double(latencies.size() - 1))];
    };
    std::printf("summary sounds %zu glitched %d missing %d latency p50 %.1f p95 %.1f max %.1f\n",
                calls.size(), glitched, missing, at(0.5), at(0.95), at(1.0));
    return 0;
}
