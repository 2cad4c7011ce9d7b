#pragma once

#include <QString>

// What the sound control drives: open a wave file by name, play it from the
// start, close it. The game receives one, so tests can listen in.
class SoundDevice
{
public:
    virtual ~SoundDevice() = default;

    // Makes the named sound ready to play. A file that is missing or cannot be
    // played leaves nothing open: the game goes on in silence.
    virtual void open(const QString &fileName) = 0;
    // Starts the open sound and returns at once; it plays on by itself.
    virtual void play() = 0;
    // Stops and forgets the open sound; harmless when nothing is open.
    virtual void close() = 0;
    // Reads the named files ahead of time, so their first play is not late.
    virtual void preload(const QStringList &fileNames) { Q_UNUSED(fileNames); }
};
