#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The hangman's word lists: the built-in ones and those a teacher or parent
// puts into the data folder. Everything a user's file may hold is judged here,
// once, and comes back as words to play plus what was wrong; the window only
// decides how to show it.
namespace Palavras {

// The letter button that reveals this character: 'A' to 'Z' for those letters
// and for their accented forms ("Ã", "ç", "É"...), a null QChar for anything
// else. A letter whose case change would turn it into two characters has no
// button either, so a word never changes length on its way to the board.
QChar dobra(QChar letra);

// Why a word cannot be played ("hífen", "mais de 8 letras"...), or an empty
// string when it can: 1 to 8 letters, each with a button. The word is taken as
// the player sees it (NFC).
QString defeito(const QString &palavra);

// A word that was left out of a list.
struct Problema
{
    int linha = 0;
    QString palavra;
    QString motivo;
};

struct Lista
{
    QString nome;         // as the menu shows it
    QString arquivo;      // where it was read from
    QStringList palavras; // upper case, NFC, in the file's order, each once
    QStringList dicas;    // one per word, empty where the file gives none
    QList<Problema> puladas;
    QString erro; // why nothing of the file can be played; empty when it can
};

// Files above this size are not read at all.
constexpr qint64 TamanhoMaximo = 1024 * 1024;

// One UTF-8 file, one word a line; blank lines and lines starting with '#'
// are ignored, spaces around a word are trimmed. Never writes anything.
Lista le(const QString &nome, const QString &arquivo);

// The lists compiled into the program, "Carros" first.
QList<Lista> embutidas();

// Where a user's lists live: the "palavras" folder of the program's data
// folder ($XDG_DATA_HOME/Zelvo/palavras on Linux).
QString pastaDoUsuario();

// Every "Nome.txt" in the folder, as the list "Nome", in alphabetical order;
// a name taken by a built-in list is told apart by a suffix.
QList<Lista> doUsuario(const QString &pasta);

} // namespace Palavras
