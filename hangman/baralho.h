#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

namespace Palavras {
class Lista;
}

class QSettings;

// Where a deck stands: all that is kept of it between runs.
struct EstadoDoBaralho
{
    QByteArray lista;    // the list's fingerprint: its words, in order
    quint32 semente = 0; // the seed of the deck in play
    int dadas = -1;      // words dealt from it; -1 before the first deck
    int evita = -1;      // the last deck's last word, which this one does not open with
};

// Deals the words of one category from a shuffled deck, so that no word comes
// back before every other one has been played; a spent deck is shuffled anew,
// and never opens with the word that closed the last one.
//
// Between runs only what rebuilds the deck is kept, never its order: a
// teacher's list can hold 160,000 words.
class Baralho
{
public:
    using Estado = EstadoDoBaralho;

    // A new seed for each shuffle.
    using Sorteio = std::function<quint32()>;

    // A state kept for another list, or one that does not fit this list,
    // starts a new deck.
    Baralho(int quantas, const QByteArray &impressao, const Estado &guardado, Sorteio sorteio);

    // The index of the next word to play.
    int proxima();

    const Estado &estado() const { return m_estado; }

    static QByteArray impressao(const Palavras::Lista &palavras);

private:
    void monta();

    int m_quantas;
    Estado m_estado;
    Sorteio m_sorteio;
    std::vector<int> m_ordem;
};

// Where a category's deck stands, as the settings file keeps it. Whatever the
// file holds, the result is a state Baralho accepts; a value that does not
// read as written makes it the state of no deck.
Baralho::Estado leBaralho(const QSettings &settings, const QString &categoria);
void guardaBaralho(QSettings &settings, const QString &categoria, const Baralho::Estado &estado);
