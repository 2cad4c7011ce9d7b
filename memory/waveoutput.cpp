#include "waveoutput.h"

#include <QFile>
#include <QHash>

#include <SDL.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <limits>
#include <mutex>
#include <thread>

namespace {

using namespace std::chrono_literals;

// 512 frames (11.6 ms) per callback: see docs/performance.md for the sizes
// measured and why this one. ZELVO_AUDIO_FRAMES overrides it for the bench.
int bufferFrames()
{
    bool ok = false;
    const int frames = qEnvironmentVariableIntValue("ZELVO_AUDIO_FRAMES", &ok);
    return ok && frames >= 16 && frames <= 16384 ? frames : 512;
}

// The one output device of the process, opened by a thread of its own when a
// Memory window opens and kept while one is open, and for a few seconds
// after: an open device streams silence, which costs a sleeping launcher
// more than half a percent of a core. Opening it takes a few milliseconds,
// closing it 50 ms to 1.7 s: neither may hold up the window's thread, so the
// device is never closed by it, nor at exit (the process's end takes the
// device with it, and the speaker is never destroyed for that reason: SDL's
// audio thread may read it until the very end).
class Speaker
{
public:
    static Speaker &instance()
    {
        static Speaker *const speaker = new Speaker;
        return *speaker;
    }

    // "New cuts old": the callback starts the sound from its beginning on its
    // next call. The sound is handed over without a lock, so the window's
    // thread, however late it runs, never holds up the audio thread. Sounds
    // are never freed, so the callback may read them until the very end.
    void start(const QByteArray *pcm) { m_next.store(pcm, std::memory_order_release); }
    void stop() { start(&m_silence); }

    // A window that may play holds the device open.
    void hold(int windows)
    {
        {
            std::lock_guard guard(m_lock);
            m_windows += windows;
        }
        m_wake.notify_one();
    }

private:
    Speaker()
    {
        // A late callback is a hole in the sound, and ours does nothing but
        // copy: SDL asks rtkit, as desktop sound programs do, to run the audio
        // thread in real time wherever the desktop grants it.
        SDL_SetHint(SDL_HINT_THREAD_FORCE_REALTIME_TIME_CRITICAL, "1");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Zelvo");
        // SDL starts its event subsystem with the audio one, and would then
        // turn SIGINT and SIGTERM into events that nobody reads: the program
        // must still end on them.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        std::thread([this] { watch(); }).detach();
    }

    static void SDLCALL feed(void *self, Uint8 *stream, int length)
    {
        static_cast<Speaker *>(self)->fill(reinterpret_cast<char *>(stream), length);
    }

    void fill(char *out, qsizetype length)
    {
        if (const QByteArray *next = m_next.exchange(nullptr, std::memory_order_acquire)) {
            m_sound = next;
            m_position = 0;
        }
        const qsizetype copied = std::min(length, m_sound->size() - m_position);
        if (copied > 0)
            std::memcpy(out, m_sound->constData() + m_position, size_t(copied));
        std::memset(out + copied, 0, size_t(length - copied));
        m_position += copied;
    }

    bool open()
    {
        // A sound started while there was no device is not played late.
        m_next.store(&m_silence);
        if (!SDL_WasInit(SDL_INIT_AUDIO) && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        SDL_AudioSpec want{};
        want.freq = WaveOutput::SampleRate;
        want.format = AUDIO_S16SYS;
        want.channels = 1;
        want.samples = Uint16(bufferFrames());
        want.callback = feed;
        want.userdata = this;
        // No changes allowed: SDL converts to whatever the device wants, so
        // the decoded sounds never depend on which device is open.
        m_device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
        if (m_device == 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            // Later attempts wait for a sound server only: ALSA, tried on a
            // machine without a sound card, prints its errors at every try.
            SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "pulseaudio,pipewire", SDL_HINT_DEFAULT);
            return false;
        }
        // A device opened again after the server came back must come from the
        // same driver: left to choose while the server is away, SDL would fall
        // back to another one (ALSA) and stay there.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, SDL_GetCurrentAudioDriver(),
                                SDL_HINT_DEFAULT);
        // Nobody reads SDL's events: the device events it queued go.
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        SDL_PauseAudioDevice(m_device, 0);
        return true;
    }

    // Keeps a device open while a window holds it: opens it, notices when it
    // is lost (the sound server went away) and opens it again, at most once a
    // second while that fails. The device's status is polled four times a
    // second, which needs no SDL event loop in a program that has Qt's.
    void watch()
    {
        using Clock = std::chrono::steady_clock;
        bool reported = false;
        Clock::time_point released = Clock::now();
        std::unique_lock guard(m_lock);
        for (;;) {
            const bool wanted = m_windows > 0;
            guard.unlock();
            if (wanted)
                released = Clock::now();
            std::chrono::milliseconds pause = 250ms;
            if (m_device == 0 && wanted && !open()) {
                if (!reported)
                    std::fprintf(stderr, "zelvo: no sound (%s); trying again every second\n",
                                 SDL_GetError());
                reported = true;
                pause = 1s;
            } else if (m_device != 0 && SDL_GetAudioDeviceStatus(m_device) == SDL_AUDIO_STOPPED) {
                // The audio subsystem starts afresh too: its own connection
                // to the server, which watches for devices, died with it.
                SDL_CloseAudioDevice(m_device);
                m_device = 0;
                SDL_QuitSubSystem(SDL_INIT_AUDIO);
                pause = 0ms;
            } else if (m_device != 0 && !wanted && Clock::now() - released > 3s) {
                // Kept a while, so a window reopened at once finds it ready.
                SDL_CloseAudioDevice(m_device);
                m_device = 0;
            }
            if (m_device == 0 && !wanted)
                pause = 24h; // nothing to do until a window opens
            guard.lock();
            if (pause > 0ms)
                m_wake.wait_for(guard, pause, [&] { return (m_windows > 0) != wanted; });
        }
    }

    std::mutex m_lock;
    std::condition_variable m_wake;
    int m_windows = 0; // under m_lock
    const QByteArray m_silence;
    std::atomic<const QByteArray *> m_next = nullptr;
    // The audio thread's alone (one device, so one such thread, at a time).
    const QByteArray *m_sound = &m_silence;
    qsizetype m_position = 0;
    SDL_AudioDeviceID m_device = 0; // the watcher's alone
};

} // namespace

WaveOutput::WaveOutput()
{
    Speaker::instance().hold(1);
}

WaveOutput::~WaveOutput()
{
    // The window that made a sound takes it along when it closes.
    if (m_playing)
        Speaker::instance().stop();
    Speaker::instance().hold(-1);
}

void WaveOutput::preload(const QStringList &fileNames)
{
    for (const QString &fileName : fileNames)
        load(fileName);
}

// Decoded sounds are kept for the whole run, so reopening the window does not
// decode them again, and never freed, so the audio thread can read any of them
// at any time. An empty one marks a file known to be unplayable.
const QByteArray *WaveOutput::load(const QString &fileName)
{
    static auto *const decoded = new QHash<QString, const QByteArray *>;
    const QByteArray *&pcm = (*decoded)[fileName];
    if (!pcm) {
        QFile file(fileName);
        pcm =
            new QByteArray(file.open(QIODevice::ReadOnly) ? decode(file.readAll()) : QByteArray());
    }
    return pcm;
}

void WaveOutput::open(const QString &fileName)
{
    m_open = load(fileName);
}

void WaveOutput::play()
{
    if (!m_open || m_open->isEmpty())
        return;
    Speaker::instance().start(m_open);
    m_playing = true;
}

void WaveOutput::close()
{
    m_open = nullptr;
    if (m_playing)
        Speaker::instance().stop();
    m_playing = false;
}

QByteArray WaveOutput::decode(const QByteArray &file)
{
    // A file cut short is refused rather than played in part; this is
    // process-wide, but only this function reads wave files.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    if (file.isEmpty() || file.size() > std::numeric_limits<int>::max())
        return {};
    SDL_RWops *source = SDL_RWFromConstMem(file.constData(), int(file.size()));
    if (!source)
        return {};
    SDL_AudioSpec wave;
    Uint8 *samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(source, 1, &wave, &samples, &length))
        return {};
    QByteArray pcm;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, wave.format, wave.channels, wave.freq, AUDIO_S16SYS, 1,
                          SampleRate) >= 0 &&
        qint64(length) * cvt.len_mult <= std::numeric_limits<int>::max()) {
        pcm.resize(qsizetype(length) * cvt.len_mult);
        std::memcpy(pcm.data(), samples, length);
        cvt.buf = reinterpret_cast<Uint8 *>(pcm.data());
        cvt.len = int(length);
        if (SDL_ConvertAudio(&cvt) == 0)
            pcm.resize(cvt.len_cvt & ~1);
        else
            pcm.clear();
    }
    SDL_FreeWAV(samples);
    return pcm;
}
