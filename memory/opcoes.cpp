#include "opcoes.h"

namespace Opcoes {

namespace {

bool opcao(const QSettings &settings, const QString &chave, bool padrao)
{
    const QString valor = settings.value(chave).toString().trimmed().toLower();
    if (valor == QLatin1String("true"))
        return true;
    if (valor == QLatin1String("false"))
        return false;
    return padrao;
}

} // namespace

bool som(const QSettings &settings)
{
    return opcao(settings, ChaveSom, true);
}

bool numeros(const QSettings &settings)
{
    return opcao(settings, ChaveNumeros, false);
}

} // namespace Opcoes
