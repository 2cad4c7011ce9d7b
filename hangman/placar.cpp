#include "placar.h"

#include "settings.h"

#include <QMap>
#include <QSettings>
#include <QUrl>

#include <algorithm>

namespace Placar {

namespace {

const QString Grupo = QStringLiteral("forca/placar");
const QString GrupoCategorias = QStringLiteral("forca/placar/categorias/");
const QString GrupoDupla = QStringLiteral("forca/placar/dupla/");

// Far beyond a school year of games, and far from overflowing when counted on.
constexpr int MaiorContagem = 999999;

// A teacher's list may be named with any character, slashes and backslashes
// too, which QSettings would take for groups: the name goes in percent-encoded.
QString grupo(const QString &categoria)
{
    if (categoria.isEmpty())
        return GrupoDupla;
    return GrupoCategorias + QString::fromLatin1(QUrl::toPercentEncoding(categoria)) +
           QLatin1Char('/');
}

int celula(const QSettings &settings, const QString &chave)
{
    bool ok = false;
    const int n = settings.value(chave).toString().trimmed().toInt(&ok);
    return ok && n >= 0 && n <= MaiorContagem ? n : 0;
}

Contagem contagem(const QSettings &settings, const QString &grupo)
{
    return {celula(settings, grupo + QStringLiteral("vitorias")),
            celula(settings, grupo + QStringLiteral("derrotas")),
            celula(settings, grupo + QStringLiteral("sequencia")),
            celula(settings, grupo + QStringLiteral("melhor")),
            celula(settings, grupo + QStringLiteral("comdica"))};
}

int maisUm(int n)
{
    return std::min(n + 1, MaiorContagem);
}

bool grava(QSettings &settings)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    qWarning("Forca: the scoreboard could not be written to %s", qPrintable(settings.fileName()));
    return false;
}

} // namespace

QList<Linha> le(const QSettings &settings)
{
    QMap<QString, Linha> categorias;
    bool dupla = false;
    for (const QString &chave : settings.allKeys()) {
        if (chave.startsWith(GrupoDupla)) {
            dupla = true;
            continue;
        }
        if (!chave.startsWith(GrupoCategorias))
            continue;
        const QStringList partes = chave.mid(GrupoCategorias.size()).split(QLatin1Char('/'));
        if (partes.size() != 2)
            continue;
        const QString nome = QUrl::fromPercentEncoding(partes[0].toUtf8());
        // A name written by hand may decode to one that encodes otherwise,
        // whose cells are then not where this row is read from.
        if (!nome.isEmpty() && !categorias.contains(nome) &&
            grupo(nome) == chave.chopped(partes[1].size()))
            categorias.insert(nome, {nome, contagem(settings, grupo(nome))});
    }
    QList<Linha> linhas = categorias.values();
    if (dupla)
        linhas.append({QString(), contagem(settings, GrupoDupla)});
    return linhas;
}

bool registra(const QString &categoria, bool ganhou, bool comDica)
{
    const auto settings = Settings::open();
    const QString g = grupo(categoria);
    Contagem c = contagem(*settings, g);
    if (ganhou) {
        c.vitorias = maisUm(c.vitorias);
        c.sequencia = maisUm(c.sequencia);
        c.melhor = std::max(c.melhor, c.sequencia);
        if (comDica)
            c.comDica = maisUm(c.comDica);
    } else {
        c.derrotas = maisUm(c.derrotas);
        c.sequencia = 0;
    }
    settings->setValue(g + QStringLiteral("vitorias"), c.vitorias);
    settings->setValue(g + QStringLiteral("derrotas"), c.derrotas);
    settings->setValue(g + QStringLiteral("sequencia"), c.sequencia);
    settings->setValue(g + QStringLiteral("melhor"), c.melhor);
    settings->setValue(g + QStringLiteral("comdica"), c.comDica);
    return grava(*settings);
}

bool zera()
{
    const auto settings = Settings::open();
    settings->remove(Grupo);
    return grava(*settings);
}

} // namespace Placar
