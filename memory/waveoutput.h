#pragma once

#include "sounddevice.h"

#include <QByteArray>
#include <QObject>
#include <memory>

class QAudioSink;
class QThread;
class PcmStream;

// Plays wave files through the default audio output. Files are decoded once
// into memory and one output stream stays open while the window lives, so a
// sound starts within a buffer's length of the call and is heard whole. With
// no audio device every call is silently ignored.
class WaveOutput : public SoundDevice
{
public:
    WaveOutput();
    ~WaveOutput() override;

    void open(const QString &fileName) override;
    void play() override;
    void close() override;
    void preload(const QStringList &fileNames) override;

    // Decodes a 16-bit PCM wave file into mono samples at the output rate;
    // returns nothing for anything else.
    static QByteArray decode(const QByteArray &file);

    static constexpr int SampleRate = 44100;

private:
    static const QByteArray &load(const QString &fileName);

    QByteArray m_open;
    std::unique_ptr<QThread> m_thread;
    std::unique_ptr<QObject> m_context; // lives on m_thread
    std::unique_ptr<PcmStream> m_stream;
    std::unique_ptr<QAudioSink> m_sink;
};
