#include "baralho.h"

#include "palavras.h"

#include <QSettings>
#include <QUrl>

#include <random>
#include <utility>

namespace {

// A whole number from 0 to n - 1. The standard distributions may differ
// between library versions, and a deck must come out the same from its seed
// in every run, so the draw is done here.
quint32 ate(std::mt19937 &gerador, quint32 n)
{
    const quint32 limite = quint32(0xFFFFFFFFu - (0xFFFFFFFFu % n + 1) % n);
    quint32 valor;
    do {
        valor = quint32(gerador());
    } while (valor > limite);
    return valor % n;
}

// A category's name may hold anything a file name can, slashes' kin included,
// which QSettings would read as groups.
QString chave(const QString &categoria, const char *valor)
{
    return QStringLiteral("forca-baralho/%1/%2")
        .arg(QString::fromLatin1(QUrl::toPercentEncoding(categoria)), QLatin1String(valor));
}

} // namespace

Baralho::Baralho(int quantas, const QByteArray &impressao, const Estado &guardado, Sorteio sorteio)
    : m_quantas(quantas), m_sorteio(std::move(sorteio))
{
    const bool cabe = guardado.lista == impressao && guardado.dadas >= 0 &&
                      guardado.dadas <= quantas && guardado.evita >= -1 && guardado.evita < quantas;
    m_estado = cabe ? guardado : Estado{impressao};
    if (m_estado.dadas >= 0)
        monta();
}

int Baralho::proxima()
{
    if (m_quantas <= 0)
        return -1;
    if (m_estado.dadas < 0 || m_estado.dadas >= m_quantas) {
        m_estado.evita = m_estado.dadas > 0 ? m_ordem.back() : -1;
        m_estado.semente = m_sorteio();
        m_estado.dadas = 0;
        monta();
    }
    return m_ordem[std::size_t(m_estado.dadas++)];
}

void Baralho::monta()
{
    m_ordem.resize(std::size_t(m_quantas));
    for (int i = 0; i < m_quantas; ++i)
        m_ordem[std::size_t(i)] = i;
    std::mt19937 gerador(m_estado.semente);
    for (std::size_t i = m_ordem.size(); i > 1; --i)
        std::swap(m_ordem[i - 1], m_ordem[ate(gerador, quint32(i))]);
    // The word that closed the last deck changes places with another one, so
    // the player never meets it twice in a row.
    if (m_quantas > 1 && m_ordem.front() == m_estado.evita)
        std::swap(m_ordem.front(), m_ordem[1 + ate(gerador, quint32(m_quantas - 1))]);
}

// FNV-1a, 64 bits, over each word and a line break: a list that changed
// reads differently, and a dictionary's worth of words takes a millisecond.
QByteArray Baralho::impressao(const Palavras::Lista &palavras)
{
    quint64 hash = 0xcbf29ce484222325u;
    const auto acrescenta = [&hash](char c) { hash = (hash ^ quint8(c)) * 0x100000001b3u; };
    for (int i = 0; i < palavras.quantas(); ++i) {
        for (char c : palavras.palavraUtf8(i))
            acrescenta(c);
        acrescenta('\n');
    }
    return QByteArray::number(hash, 16);
}

Baralho::Estado leBaralho(const QSettings &settings, const QString &categoria)
{
    bool lido[3] = {};
    Baralho::Estado estado;
    estado.lista = settings.value(chave(categoria, "lista")).toString().toLatin1();
    estado.semente = settings.value(chave(categoria, "semente")).toUInt(&lido[0]);
    estado.dadas = settings.value(chave(categoria, "dadas")).toInt(&lido[1]);
    estado.evita = settings.value(chave(categoria, "evita")).toInt(&lido[2]);
    if (!lido[0] || !lido[1] || !lido[2] || estado.dadas < 0 || estado.evita < -1)
        return {};
    return estado;
}

void guardaBaralho(QSettings &settings, const QString &categoria, const Baralho::Estado &estado)
{
    settings.setValue(chave(categoria, "lista"), QString::fromLatin1(estado.lista));
    settings.setValue(chave(categoria, "semente"), estado.semente);
    settings.setValue(chave(categoria, "dadas"), estado.dadas);
    settings.setValue(chave(categoria, "evita"), estado.evita);
}
