#pragma once

#include <QDateTime>
#include <QList>
#include <QSettings>
#include <QString>

#include <array>

// The memory game's levels and, for each, its top five, as the settings file
// keeps them. The readers take whatever the file holds, since it is the
// player's to edit: an entry they cannot use is skipped on its own, and the
// rest of its table still counts.
namespace Recordes {

enum class Nivel
{
    Facil,
    Normal,
    Dificil,
    Surpresa,
};
inline constexpr std::array<Nivel, 4> Niveis = {Nivel::Facil, Nivel::Normal, Nivel::Dificil,
                                                Nivel::Surpresa};

// "Fácil", "Normal", "Difícil", "Surpresa": as the player reads it.
QString nome(Nivel nivel);

struct Entrada
{
    QString nome;
    int pontos = 0;   // sequences repeated whole, 1 to 255
    QDateTime quando; // invalid for a record kept from before names and dates
};

inline constexpr int Tamanho = 5;
inline constexpr int MaiorNome = 20; // in characters as the player counts them
inline constexpr int MaiorPontos = 255;
// The name of a player who gave none.
QString anonimo();

// Readers of what is stored. A level that is not one of the four is Normal.
Nivel nivelGuardado(const QSettings &settings);
QList<Entrada> tabelaGuardada(const QSettings &settings, Nivel nivel);
// The name the player typed last, or an empty one.
QString nomeGuardado(const QSettings &settings);

void guardaNivel(QSettings &settings, Nivel nivel);
void guardaTabela(QSettings &settings, Nivel nivel, const QList<Entrada> &tabela);
void guardaNome(QSettings &settings, const QString &nome);

// The one record of the versions before levels moves into Normal's table,
// once: it leaves its old key only in the same write that puts it there.
bool migraRecordeAntigo(QSettings &settings); // true when it moved

// A name as it is kept: control characters removed, trimmed, cut to
// MaiorNome characters (a letter with its accents, or an emoji, counts as
// one). Empty when nothing is left.
QString limpaNome(const QString &nome);

// Puts a game's score in its place: after every better or equal one, since
// the older keeps its rank. Returns its row, or -1 if it stays out of the
// top five (a game that repeated nothing never enters).
int insere(QList<Entrada> &tabela, const Entrada &entrada);

// The newest entry's row, or -1: the one to mark.
int maisRecente(const QList<Entrada> &tabela);

// The name to offer the very first time: the account's full name, else its
// login name.
QString nomeDoSistema();

} // namespace Recordes
