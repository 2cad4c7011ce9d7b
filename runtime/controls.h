#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QPushButton;
class QWidget;

// Control settings the three windows' designs share.
namespace Controls {

// Sets one colour role of a control, in every state.
void setColour(QWidget *control, QPalette::ColorRole role, const QColor &colour);

// A command button drawn in its own background colour with black text, which
// greys out while the button is disabled.
QPushButton *commandButton(const QString &caption, const QColor &background, const QFont &font,
                           QWidget *parent);

} // namespace Controls
