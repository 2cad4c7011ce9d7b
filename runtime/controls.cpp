#include "controls.h"

#include <QPushButton>

namespace Controls {

void setColour(QWidget *control, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
}

QPushButton *commandButton(const QString &caption, const QColor &background, const QFont &font,
                           QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, background);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0xA8, 0xA8, 0xA8));
    button->setPalette(palette);
    return button;
}

} // namespace Controls
