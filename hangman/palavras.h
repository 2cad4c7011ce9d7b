#pragma once

#include <QByteArray>
#include <QList>
#include <QSettings>
#include <QString>

#include "idioma.h"
#include <memory>

// The hangman's word lists: the built-in ones and those a teacher or parent
// puts into the data folder. Everything a user's file may hold is judged here,
// once, and comes back as words to play plus what was wrong; the window only
// decides how to show it.
//
// A list can be a dictionary extract of a megabyte, and the menu offers every
// list at each opening of the window: the menu learns only whether a list can
// be played, and its words are read when it is chosen or played. Both are kept
// for as long as the file stays the same, so an opening reads nothing twice.
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

// Why a hint cannot be shown ("dica longa demais"...), or an empty string
// when it can: at most 80 characters, none of them a control character.
QString defeitoDaDica(const QString &dica);

// A word that was left out of a list.
struct Problema
{
    int linha = 0;
    QString palavra;
    QString motivo;
};

// The words of one list, upper case, NFC, in the file's order, each once.
// A big list holds a hundred thousand words, so they share one block of
// UTF-8 with two offsets apiece, where the word ends and where its hint
// ends, instead of being a string each.
class Lista
{
public:
    int quantas() const { return int(fins.size() / 2); }
    QString palavra(int i) const;
    // The same word as the block holds it, in UTF-8, for a caller that reads
    // them all.
    QByteArrayView palavraUtf8(int i) const;
    // What a teacher wrote to help with the word; empty when nothing.
    QString dica(int i) const;

    QList<Problema> puladas;
    QString erro; // why nothing of the file can be played; empty when it can

private:
    friend class Leitor;
    // Word i runs from fins[2i - 1] (0 for the first) to fins[2i], its hint
    // from there to fins[2i + 1].
    QByteArray texto;
    QList<quint32> fins;
};

// What the menu shows of a list before anyone plays it.
struct Categoria
{
    QString nome;    // as the menu shows it
    QString arquivo; // where it is read from
    QString erro;    // why it cannot be played; empty when it can
};

// Files above this size are not read at all.
constexpr qint64 TamanhoMaximo = 1024 * 1024;

// How far a reading goes: a whole list, or only as far as it takes to know
// whether it can be played (the first playable word proves it can).
enum class Leitura
{
    Completa,
    Veredito
};

// One UTF-8 text, one word a line, optionally followed by a bar and its hint
// ("caderno | Onde escrevemos a lição"); blank lines and lines starting with
// '#' are ignored, spaces around a word and a hint are trimmed. A line whose
// word or hint cannot be used is skipped and told. Anything above
// TamanhoMaximo is refused unread.
Lista leBytes(const QByteArray &bytes, Leitura ate = Leitura::Completa);

// The same, from a file, read afresh. Never writes anything.
Lista le(const QString &arquivo, Leitura ate = Leitura::Completa);

// What le would find, kept for the file's present size and modification time:
// the verdict of every list the menu offers, the words of the last list asked
// for (a list nobody plays costs no memory).
QString veredito(const QString &arquivo);

// A verdict in the player's language. Verdicts are kept in the original one,
// in the settings file too, so that a change of language finds them again.
QString traduz(const QString &veredito);
std::shared_ptr<const Lista> palavrasDe(const QString &arquivo);

// The verdicts of users' lists outlive the program in the settings file, for
// the same versions of the same files, so that the first opening after a
// start reads no list either. What the file holds is checked like any value
// a user may edit; a verdict that no longer fits the file is found out when
// the list is read.
void lembraVereditos(const QSettings &settings);
void guardaVereditos(QSettings &settings);

// The lists compiled into the program for a language: the original's, "Carros"
// first; a translation's in :/palavras/<idioma>/, in the order and with the
// names its categorias.txt gives ("animals | Animals").
QList<Categoria> embutidas(const QString &idioma = QString(Idioma::Original));

// Where a user's lists live: the "palavras" folder of the program's data
// folder ($XDG_DATA_HOME/Zelvo/palavras on Linux).
QString pastaDoUsuario();

// Every "Nome.txt" in the folder, as the list "Nome", in alphabetical order;
// a name taken by a built-in list of the language is told apart by a suffix.
QList<Categoria> doUsuario(const QString &pasta, const QString &idioma = QString(Idioma::Original));

// The list chosen last, by the name the menu shows; empty when the settings
// name none that a list could have.
inline const QString ChaveCategoria = QStringLiteral("forca/categoria");
QString categoriaGuardada(const QSettings &settings);

} // namespace Palavras
