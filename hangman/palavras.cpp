#include "palavras.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QStringDecoder>

namespace Palavras {

namespace {

struct Embutida
{
    const char *nome;
    const char *recurso;
};

// "Carros" is the list the game always had, and stays the first and default.
const Embutida ListasEmbutidas[] = {
    {"Carros", ":/palavras/carros.txt"},
    {"Animais", ":/palavras/animais.txt"},
    {"Comidas", ":/palavras/comidas.txt"},
    {"Corpo humano", ":/palavras/corpo-humano.txt"},
    {"Esportes", ":/palavras/esportes.txt"},
    {"Frutas", ":/palavras/frutas.txt"},
    {"Instrumentos musicais", ":/palavras/instrumentos-musicais.txt"},
    {"Objetos da casa", ":/palavras/objetos-da-casa.txt"},
    {"Países", ":/palavras/paises.txt"},
    {"Profissões", ":/palavras/profissoes.txt"},
};

const int MaximoLetras = 8;

bool hifen(char32_t c)
{
    return c == '-' || (c >= 0x2010 && c <= 0x2015) || c == 0x2212;
}

bool apostrofo(char32_t c)
{
    return c == '\'' || c == '`' || c == 0x2018 || c == 0x2019 || c == 0x02BC || c == 0x00B4;
}

} // namespace

QChar dobra(QChar letra)
{
    // Most letters are plain ones, and every window opening reads the lists.
    if (letra.unicode() < 0x80)
        return letra.isLetter() ? letra.toUpper() : QChar();
    const QString sozinha(letra);
    if (sozinha.toUpper().size() != 1 || sozinha.toLower().size() != 1)
        return {};
    const QString partes = sozinha.normalized(QString::NormalizationForm_D).toUpper();
    const QChar base = partes.at(0);
    if (base < QLatin1Char('A') || base > QLatin1Char('Z'))
        return {};
    for (qsizetype i = 1; i < partes.size(); ++i) {
        if (partes.at(i).category() != QChar::Mark_NonSpacing)
            return {};
    }
    return base;
}

QString defeito(const QString &palavra)
{
    // The first character that has no button says more than the length: a
    // hyphenated word is usually long as well.
    for (char32_t c : palavra.toUcs4()) {
        const QString texto = QString::fromUcs4(&c, 1);
        if (texto.size() == 1 && !dobra(texto.at(0)).isNull())
            continue;
        if (QChar::isDigit(c))
            return QStringLiteral("algarismo");
        if (QChar::isSpace(c))
            return QStringLiteral("espaço");
        if (hifen(c))
            return QStringLiteral("hífen");
        if (apostrofo(c))
            return QStringLiteral("apóstrofo");
        return QStringLiteral("caractere '%1' não aceito").arg(texto);
    }
    if (palavra.size() > MaximoLetras)
        return QStringLiteral("mais de %1 letras").arg(MaximoLetras);
    if (palavra.isEmpty())
        return QStringLiteral("palavra vazia");
    return {};
}

Lista le(const QString &nome, const QString &arquivo)
{
    Lista lista;
    lista.nome = nome;
    lista.arquivo = arquivo;

    // A folder or a special file (a pipe would block the read) is not a list.
    const QFileInfo info(arquivo);
    if (!info.isFile()) {
        lista.erro = QStringLiteral("não foi possível ler o arquivo");
        return lista;
    }
    if (info.size() > TamanhoMaximo) {
        lista.erro = QStringLiteral("arquivo grande demais");
        return lista;
    }
    QFile file(arquivo);
    if (!file.open(QIODevice::ReadOnly)) {
        lista.erro = QStringLiteral("não foi possível ler o arquivo");
        return lista;
    }
    // The size was read before the file was opened, and it may have grown.
    const QByteArray bytes = file.read(TamanhoMaximo + 1);
    if (file.error() != QFileDevice::NoError) {
        lista.erro = QStringLiteral("não foi possível ler o arquivo");
        return lista;
    }
    if (bytes.size() > TamanhoMaximo) {
        lista.erro = QStringLiteral("arquivo grande demais");
        return lista;
    }

    // A NUL byte is valid UTF-8, but only UTF-16 text holds one in every
    // other byte.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texto = utf8(bytes);
    if (utf8.hasError() || texto.contains(QChar(0))) {
        lista.erro = QStringLiteral("o arquivo não está em UTF-8");
        return lista;
    }

    QSet<QString> vistas;
    int comPalavra = 0;
    const QStringList linhas = texto.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const QString linha = linhas.at(i).trimmed();
        if (linha.isEmpty() || linha.startsWith(QLatin1Char('#')))
            continue;
        ++comPalavra;
        const QString palavra = linha.section(QLatin1Char('|'), 0, 0)
                                    .trimmed()
                                    .normalized(QString::NormalizationForm_C);
        const QString motivo = defeito(palavra);
        if (!motivo.isEmpty()) {
            lista.puladas.append({int(i + 1), linha, motivo});
            continue;
        }
        const QString maiuscula = palavra.toUpper();
        if (vistas.contains(maiuscula))
            continue;
        vistas.insert(maiuscula);
        lista.palavras.append(maiuscula);
        lista.dicas.append(linha.section(QLatin1Char('|'), 1).trimmed());
    }
    if (comPalavra == 0)
        lista.erro = QStringLiteral("o arquivo está vazio");
    else if (lista.palavras.isEmpty())
        lista.erro = QStringLiteral("nenhuma palavra pode ser jogada");
    return lista;
}

QList<Lista> embutidas()
{
    // Compiled in, so they cannot change while the program runs: read once.
    static const QList<Lista> listas = [] {
        QList<Lista> lidas;
        for (const Embutida &e : ListasEmbutidas)
            lidas.append(le(QString::fromUtf8(e.nome), QString::fromUtf8(e.recurso)));
        return lidas;
    }();
    return listas;
}

QString pastaDoUsuario()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/palavras");
}

QList<Lista> doUsuario(const QString &pasta)
{
    QSet<QString> tomados;
    for (const Embutida &e : ListasEmbutidas)
        tomados.insert(QString::fromUtf8(e.nome));

    // Folders and special files are listed too, so that a "Nome.txt" the
    // program cannot read still shows in the menu with the reason.
    const QDir dir(pasta);
    const QFileInfoList arquivos = dir.entryInfoList(
        {QStringLiteral("*.txt")}, QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot,
        QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    QList<Lista> listas;
    for (const QFileInfo &info : arquivos) {
        QString nome = info.completeBaseName();
        if (nome.isEmpty())
            continue;
        if (tomados.contains(nome))
            nome += QStringLiteral(" (lista própria)");
        listas.append(le(nome, info.filePath()));
    }
    return listas;
}

} // namespace Palavras
