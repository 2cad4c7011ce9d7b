#include "mmcontrol.h"

#include "waveoutput.h"

MMControl::MMControl(std::unique_ptr<SoundDevice> device, QWidget *parent)
    : QWidget(parent), m_device(device ? std::move(device) : std::make_unique<WaveOutput>())
{
    hide();
}

MMControl::~MMControl() = default;

void MMControl::setCommand(const QString &command)
{
    if (command.compare(QLatin1String("close"), Qt::CaseInsensitive) == 0)
        m_device->close();
    else if (command.compare(QLatin1String("open"), Qt::CaseInsensitive) == 0)
        m_device->open(m_fileName);
    else if (command.compare(QLatin1String("play"), Qt::CaseInsensitive) == 0)
        m_device->play();
}

void MMControl::setFileName(const QString &fileName)
{
    m_fileName = fileName;
}
