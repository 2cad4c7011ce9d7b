#pragma once

#include <QSettings>
#include <QString>

// The memory game's two switches as the settings file keeps them. The file is
// the user's to edit: an option that is neither "true" nor "false" reads as
// its default.
namespace Opcoes {

inline const QString ChaveSom = QStringLiteral("Memory/Som");
inline const QString ChaveNumeros = QStringLiteral("Memory/Numeros");

// Whether the pads sound (on unless turned off).
bool som(const QSettings &settings);
// Whether the pads show their key numbers (off unless turned on).
bool numeros(const QSettings &settings);

} // namespace Opcoes
