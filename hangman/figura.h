#pragma once

#include <QSettings>
#include <QString>

// The hangman's figure: the gallows, or a flower that loses a petal at each
// wrong guess, for classes that would rather not hang anyone.
enum class Figura
{
    Forca,
    Flor,
};

inline const QString ChaveFigura = QStringLiteral("forca/figura");

// The figure the player chose last time; the gallows for anything else.
inline Figura figuraGuardada(const QSettings &settings)
{
    const QString valor = settings.value(ChaveFigura).toString().trimmed().toLower();
    return valor == QLatin1String("flor") ? Figura::Flor : Figura::Forca;
}
