#include "waveoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QHash>
#include <QIODevice>
#include <QMediaDevices>
#include <QMutex>
#include <QThread>
#include <QtEndian>

#include <cstring>

// An endless stream: the sound being played, then silence. Keeping the stream
// running means a new sound only waits for the samples already queued. The
// sound thread reads it while the window's thread starts and stops sounds.
class PcmStream : public QIODevice
{
public:
    // Unbuffered: a buffered device reads 16 KiB (186 ms) of silence ahead,
    // which a new sound would have to wait behind.
    PcmStream() { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }

    void start(const QByteArray &pcm)
    {
        QMutexLocker locker(&m_lock);
        m_pcm = pcm;
        m_position = 0;
    }
    void stop()
    {
        QMutexLocker locker(&m_lock);
        m_pcm.clear();
        m_position = 0;
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return std::numeric_limits<int>::max(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        maxSize &= ~qint64(1); // whole samples only
        QMutexLocker locker(&m_lock);
        const qint64 left = m_pcm.size() - m_position;
        const qint64 copied = std::clamp<qint64>(left, 0, maxSize);
        std::memcpy(data, m_pcm.constData() + m_position, size_t(copied));
        std::memset(data + copied, 0, size_t(maxSize - copied));
        m_position += copied;
        return maxSize;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QMutex m_lock;
    QByteArray m_pcm;
    qint64 m_position = 0;
};

WaveOutput::WaveOutput()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(SampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return;

    // The sink is fed from a thread of its own: fed from the window's thread
    // it ran dry whenever the window was busy for longer than the buffer, and
    // a sound then came out with a gap.
    m_thread = std::make_unique<QThread>();
    m_thread->setObjectName(QStringLiteral("zelvo sound"));
    m_thread->start();
    m_context = std::make_unique<QObject>();
    m_context->moveToThread(m_thread.get());
    QMetaObject::invokeMethod(
        m_context.get(),
        [this, device, format] {
            m_stream = std::make_unique<PcmStream>();
            m_sink = std::make_unique<QAudioSink>(device, format);
            // About 30 ms queued ahead: short enough to feel instant.
            m_sink->setBufferSize(format.bytesForDuration(30000));
            m_sink->start(m_stream.get());
        },
        Qt::BlockingQueuedConnection);
}

WaveOutput::~WaveOutput()
{
    if (!m_thread)
        return;
    // The sink and its stream belong to the sound thread: they go with it.
    QMetaObject::invokeMethod(
        m_context.get(),
        [this] {
            m_sink->stop();
            m_sink.reset();
            m_stream.reset();
        },
        Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
}

void WaveOutput::preload(const QStringList &fileNames)
{
    for (const QString &fileName : fileNames)
        load(fileName);
}

// Decoded sounds are kept for the whole run, so reopening the window does not
// decode them again. An empty entry marks a file known to be unplayable.
const QByteArray &WaveOutput::load(const QString &fileName)
{
    static QHash<QString, QByteArray> decoded;
    auto found = decoded.constFind(fileName);
    if (found == decoded.constEnd()) {
        QFile file(fileName);
        found = decoded.insert(fileName, file.open(QIODevice::ReadOnly) ? decode(file.readAll())
                                                                        : QByteArray());
    }
    return *found;
}

void WaveOutput::open(const QString &fileName)
{
    m_open = load(fileName);
}

void WaveOutput::play()
{
    if (m_stream && !m_open.isEmpty())
        m_stream->start(m_open);
}

void WaveOutput::close()
{
    m_open.clear();
    if (m_stream)
        m_stream->stop();
}

QByteArray WaveOutput::decode(const QByteArray &file)
{
    const auto u16 = [&](qsizetype at) {
        return qFromLittleEndian<quint16>(file.constData() + at);
    };
    const auto u32 = [&](qsizetype at) {
        return qFromLittleEndian<quint32>(file.constData() + at);
    };

    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return {};
    int channels = 0, rate = 0, bits = 0;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (size > file.size() - body)
            return {};
        if (id == "fmt " && size >= 16) {
            if (u16(body) != 1) // PCM only
                return {};
            channels = u16(body + 2);
            rate = int(u32(body + 4));
            bits = u16(body + 14);
        } else if (id == "data") {
            if (channels < 1 || bits != 16 || rate < 1000)
                return {};
            const qsizetype frames = size / (2 * channels);
            const auto sample = [&](qsizetype frame) {
                int sum = 0;
                for (int c = 0; c < channels; ++c)
                    sum += qFromLittleEndian<qint16>(file.constData() + body +
                                                     2 * (frame * channels + c));
                return sum / channels;
            };
            // Other rates are resampled by linear interpolation: good enough for
            // short effects, and our own files need none.
            const qsizetype outFrames = frames * SampleRate / rate;
            QByteArray pcm(outFrames * 2, Qt::Uninitialized);
            for (qsizetype i = 0; i < outFrames; ++i) {
                const double source = double(i) * rate / SampleRate;
                const qsizetype j = qsizetype(source);
                const double t = source - double(j);
                const int a = sample(j);
                const int b = j + 1 < frames ? sample(j + 1) : a;
                qToLittleEndian<qint16>(qint16(a + (b - a) * t), pcm.data() + 2 * i);
            }
            return pcm;
        }
        at = body + size + (size & 1);
    }
    return {};
}
