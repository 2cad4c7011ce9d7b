#pragma once

#include "sounddevice.h"

#include <QByteArray>

// Plays wave files through the default audio output, with SDL. Files are
// decoded once per run and kept; the process's one output device is opened
// while a WaveOutput lives and fed from SDL's own audio thread, so a sound
// starts within a buffer's length of the call and is heard whole. With no
// audio device, or while the sound server is away, every call is silently
// ignored, and the device is opened again when the server comes back.
class WaveOutput : public SoundDevice
{
public:
    WaveOutput();
    ~WaveOutput() override;

    void open(const QString &fileName) override;
    void play() override;
    void close() override;
    void preload(const QStringList &fileNames) override;

    // Decodes a wave file that SDL reads whole (PCM of 8 to 32 bits, float,
    // ADPCM; any rate; mono or stereo) into mono 16-bit samples at the output
    // rate; returns nothing for anything else, a truncated file included.
    static QByteArray decode(const QByteArray &file);

    static constexpr int SampleRate = 44100;

private:
    static const QByteArray *load(const QString &fileName);

    const QByteArray *m_open = nullptr;
    bool m_playing = false;
};
