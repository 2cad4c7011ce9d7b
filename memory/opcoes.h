#pragma once

#include <QSettings>
#include <QString>

// What the memory game keeps in the settings file. The file is the user's to
// edit: a record that is not a whole number from 1 to the longest sequence
// reads as none, an option that is neither "true" nor "false" as its default.
namespace Opcoes {

inline const QString ChaveRecorde = QStringLiteral("Memory/Recorde");
inline const QString ChaveSom = QStringLiteral("Memory/Som");
inline const QString ChaveNumeros = QStringLiteral("Memory/Numeros");

// The longest sequence the game plays: its positions still fit the 8-bit
// counters one past the last pad.
constexpr int MaiorSequencia = 255;

// The best score stored, 0 for none.
int recorde(const QSettings &settings);
// Whether the pads sound (on unless turned off).
bool som(const QSettings &settings);
// Whether the pads show their key numbers (off unless turned on).
bool numeros(const QSettings &settings);

} // namespace Opcoes
