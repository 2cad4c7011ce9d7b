#include "recordes.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <pwd.h>
#include <unistd.h>

namespace Recordes {

namespace {

const QString ChaveNivel = QStringLiteral("Memory/Nivel");
const QString ChaveNome = QStringLiteral("Memory/Nome");
const QString ChaveRecordeAntigo = QStringLiteral("Memory/Recorde");

// Plain ASCII in the file, so a level survives any editor's encoding.
QString chave(Nivel nivel)
{
    switch (nivel) {
    case Nivel::Facil:
        return QStringLiteral("Facil");
    case Nivel::Normal:
        break;
    case Nivel::Dificil:
        return QStringLiteral("Dificil");
    case Nivel::Surpresa:
        return QCoreApplication::translate("Recordes", "Surpresa");
    }
    return QStringLiteral("Normal");
}

QString chaveEntrada(Nivel nivel, int linha, const char *campo)
{
    return QStringLiteral("Memory/Recordes/%1/%2/%3")
        .arg(chave(nivel))
        .arg(linha + 1)
        .arg(QLatin1String(campo));
}

// A whole number from 1 to 255, or 0.
int pontosLidos(const QVariant &valor)
{
    bool ok = false;
    const int pontos = valor.toString().trimmed().toInt(&ok);
    return ok && pontos >= 1 && pontos <= MaiorPontos ? pontos : 0;
}

} // namespace

QString anonimo()
{
    return QCoreApplication::translate("Recordes", "Anônimo");
}

QString nome(Nivel nivel)
{
    switch (nivel) {
    case Nivel::Facil:
        return QCoreApplication::translate("Recordes", "Fácil");
    case Nivel::Normal:
        break;
    case Nivel::Dificil:
        return QCoreApplication::translate("Recordes", "Difícil");
    case Nivel::Surpresa:
        return QCoreApplication::translate("Recordes", "Surpresa");
    }
    return QCoreApplication::translate("Recordes", "Normal");
}

Nivel nivelGuardado(const QSettings &settings)
{
    const QString valor = settings.value(ChaveNivel).toString().trimmed();
    for (Nivel nivel : Niveis)
        if (valor.compare(chave(nivel), Qt::CaseInsensitive) == 0)
            return nivel;
    return Nivel::Normal;
}

QList<Entrada> tabelaGuardada(const QSettings &settings, Nivel nivel)
{
    QList<Entrada> tabela;
    for (int linha = 0; linha < Tamanho; ++linha) {
        Entrada entrada;
        entrada.nome = settings.value(chaveEntrada(nivel, linha, "Nome")).toString();
        entrada.pontos = pontosLidos(settings.value(chaveEntrada(nivel, linha, "Pontos")));
        const QString data = settings.value(chaveEntrada(nivel, linha, "Data")).toString();
        entrada.quando = QDateTime::fromString(data, Qt::ISODate);
        const bool nomeBom = !entrada.nome.isEmpty() && limpaNome(entrada.nome) == entrada.nome;
        const bool dataBoa = data.isEmpty() || entrada.quando.isValid();
        if (nomeBom && entrada.pontos > 0 && dataBoa)
            tabela << entrada;
    }
    // A table put in order by hand keeps its rows; equals keep theirs.
    std::stable_sort(tabela.begin(), tabela.end(),
                     [](const Entrada &a, const Entrada &b) { return a.pontos > b.pontos; });
    return tabela;
}

QString nomeGuardado(const QSettings &settings)
{
    return limpaNome(settings.value(ChaveNome).toString());
}

void guardaNivel(QSettings &settings, Nivel nivel)
{
    settings.setValue(ChaveNivel, chave(nivel));
}

void guardaTabela(QSettings &settings, Nivel nivel, const QList<Entrada> &tabela)
{
    settings.remove(QStringLiteral("Memory/Recordes/") + chave(nivel));
    for (int linha = 0; linha < std::min<int>(Tamanho, int(tabela.size())); ++linha) {
        const Entrada &entrada = tabela[linha];
        settings.setValue(chaveEntrada(nivel, linha, "Nome"), entrada.nome);
        settings.setValue(chaveEntrada(nivel, linha, "Pontos"), entrada.pontos);
        settings.setValue(chaveEntrada(nivel, linha, "Data"),
                          entrada.quando.isValid() ? entrada.quando.toString(Qt::ISODate)
                                                   : QString());
    }
}

void guardaNome(QSettings &settings, const QString &nome)
{
    settings.setValue(ChaveNome, nome);
}

bool migraRecordeAntigo(QSettings &settings)
{
    if (!settings.contains(ChaveRecordeAntigo))
        return false;
    // One the file garbled is no record; it is left where it is, untouched.
    const int pontos = pontosLidos(settings.value(ChaveRecordeAntigo));
    if (pontos == 0)
        return false;
    QList<Entrada> tabela = tabelaGuardada(settings, Nivel::Normal);
    insere(tabela, {anonimo(), pontos, {}});
    guardaTabela(settings, Nivel::Normal, tabela);
    settings.remove(ChaveRecordeAntigo);
    return true;
}

QString limpaNome(const QString &nome)
{
    QList<uint> letras = nome.toUcs4();
    letras.removeIf([](uint c) {
        const QChar::Category tipo = QChar::category(char32_t(c));
        return tipo == QChar::Other_Control || tipo == QChar::Separator_Line ||
               tipo == QChar::Separator_Paragraph;
    });
    QString limpo =
        QString::fromUcs4(reinterpret_cast<const char32_t *>(letras.constData()), letras.size())
            .trimmed();
    // Cut between characters as the player sees them, never inside one: a
    // letter keeps its accent, a surrogate pair its other half.
    QTextBoundaryFinder fronteiras(QTextBoundaryFinder::Grapheme, limpo);
    int contados = 0;
    while (fronteiras.toNextBoundary() >= 0) {
        if (++contados == MaiorNome) {
            limpo.truncate(fronteiras.position());
            break;
        }
    }
    return limpo.trimmed();
}

int insere(QList<Entrada> &tabela, const Entrada &entrada)
{
    if (entrada.pontos < 1)
        return -1;
    const auto lugar = std::find_if(tabela.begin(), tabela.end(), [&](const Entrada &outra) {
        return outra.pontos < entrada.pontos;
    });
    const int linha = int(lugar - tabela.begin());
    if (linha >= Tamanho)
        return -1;
    tabela.insert(linha, entrada);
    if (tabela.size() > Tamanho)
        tabela.resize(Tamanho);
    return linha;
}

int maisRecente(const QList<Entrada> &tabela)
{
    int linha = -1;
    for (int i = 0; i < tabela.size(); ++i)
        if (tabela[i].quando.isValid() && (linha < 0 || tabela[i].quando > tabela[linha].quando))
            linha = i;
    return linha;
}

QString nomeDoSistema()
{
    const passwd *conta = getpwuid(getuid());
    if (!conta)
        return limpaNome(qEnvironmentVariable("USER"));
    // The full name is the first of the comma-separated fields.
    const QString completo = limpaNome(
        QString::fromLocal8Bit(conta->pw_gecos ? conta->pw_gecos : "").section(',', 0, 0));
    return completo.isEmpty() ? limpaNome(QString::fromLocal8Bit(conta->pw_name)) : completo;
}

} // namespace Recordes
