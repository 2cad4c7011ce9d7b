#include "idioma.h"

#include <QDir>
#include <QLocale>

namespace Idioma {

namespace {

// "es" of "es-MX", "es_MX.UTF-8" or "es".
QString lingua(const QString &nome)
{
    qsizetype fim = 0;
    while (fim < nome.size() && nome.at(fim).isLetter())
        ++fim;
    return nome.left(fim).toLower();
}

} // namespace

QStringList disponiveis()
{
    // The translations compiled in, so that a new one needs no code.
    QStringList idiomas = {QString(Original)};
    const QStringList arquivos =
        QDir(QStringLiteral(":/i18n"))
            .entryList({QStringLiteral("zelvo_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &arquivo : arquivos)
        idiomas << arquivo.mid(6).chopped(3);
    return idiomas;
}

QString escolhe(const QStringList &uiLanguages, const QStringList &disponiveis)
{
    for (const QString &nome : uiLanguages) {
        const QString pedida = lingua(nome);
        for (const QString &oferta : disponiveis) {
            if (lingua(oferta) == pedida)
                return oferta;
        }
    }
    return QString(Original);
}

namespace {
QString &escolhido()
{
    static QString idioma(Original);
    return idioma;
}
} // namespace

QString atual()
{
    return escolhido();
}

void usa(const QString &idioma)
{
    escolhido() = idioma;
}

QString doSistema()
{
    return escolhe(QLocale::system().uiLanguages(), disponiveis());
}

} // namespace Idioma
