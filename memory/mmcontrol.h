#pragma once

#include <QWidget>
#include <memory>

class SoundDevice;

// The memory window's multimedia control: a hidden control driven by setting
// its command ("close", "open", "Play", in any case) and its file name.
// Nothing is ever read back from it.
class MMControl : public QWidget
{
    Q_OBJECT

public:
    // Takes the device; without one it plays through the system's audio output.
    explicit MMControl(std::unique_ptr<SoundDevice> device, QWidget *parent);
    ~MMControl() override;

    void setCommand(const QString &command);
    void setFileName(const QString &fileName);

    SoundDevice *device() const { return m_device.get(); }

private:
    std::unique_ptr<SoundDevice> m_device;
    QString m_fileName;
};
