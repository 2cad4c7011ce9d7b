#include "idioma.h"

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
    return {QString(Original), QStringLiteral("en"), QStringLiteral("es")};
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
