#pragma once

#include <QList>
#include <QString>

class QSettings;

// The hangman's scoreboard: for each category, and for the two-player games,
// what was won and lost. It lives in the settings file, which is the user's
// to edit: every cell is read on its own, and one that is not a count reads
// as zero without spoiling the others.
namespace Placar {

struct Contagem
{
    int vitorias = 0;
    int derrotas = 0;
    int sequencia = 0; // wins in a row, up to the last game
    int melhor = 0;    // the longest run of wins so far
    int comDica = 0;   // wins in which the hint was shown

    bool operator==(const Contagem &) const = default;
};

struct Linha
{
    QString categoria; // empty for the two-player games
    Contagem contagem;
};

// Every row the file holds: the categories in the order of their names, then
// the two-player games. Never writes anything.
QList<Linha> le(const QSettings &settings);

// Counts one finished game (an empty category for a two-player game) and
// puts it on the disk before returning, so a game just ended is never lost
// to a program killed right afterwards. False when the file was not written.
bool registra(const QString &categoria, bool ganhou, bool comDica);

// Forgets every game.
bool zera();

} // namespace Placar
