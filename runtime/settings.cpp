#include "settings.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>

namespace Settings {

namespace {
QString &testFile()
{
    static QString path;
    return path;
}

// One step through a value as QSettings' INI reader decodes it: a character it
// yields, something it skips (quotes, blanks, escapes that stand for nothing),
// or a place where a new value or list item may begin.
struct Passo
{
    enum Tipo
    {
        Fim,
        Nada,
        Inicio,
        Letra
    } tipo;
    char16_t letra = 0;
};

bool octal(char c)
{
    return c >= '0' && c <= '7';
}

int hexa(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

Passo passo(QByteArrayView texto, qsizetype &i)
{
    if (i >= texto.size())
        return {Passo::Fim};
    const char c = texto[i++];
    switch (c) {
    case '=':
    case ',':
    case '\n':
    case '\r':
        return {Passo::Inicio};
    case ' ':
    case '\t':
    case '"':
        return {Passo::Nada};
    case '\\':
        break;
    default:
        return {Passo::Letra, char16_t(uchar(c))};
    }
    if (i >= texto.size())
        return {Passo::Fim};
    const char e = texto[i++];
    // Hex and octal escapes add up in 16 bits, wrapping as the reader's do.
    char16_t valor = 0;
    if (e == 'x') {
        if (i >= texto.size() || hexa(texto[i]) < 0)
            return {Passo::Nada};
        while (i < texto.size() && hexa(texto[i]) >= 0)
            valor = char16_t(valor * 16 + hexa(texto[i++]));
        return {Passo::Letra, valor};
    }
    if (octal(e)) {
        valor = char16_t(e - '0');
        while (i < texto.size() && octal(texto[i]))
            valor = char16_t(valor * 8 + (texto[i++] - '0'));
        return {Passo::Letra, valor};
    }
    // An escaped line break, "\r\n" or "\n\r" as well, joins two lines.
    if (e == '\n' || e == '\r') {
        if (i < texto.size() && (texto[i] == '\n' || texto[i] == '\r') && texto[i] != e)
            ++i;
        return {Passo::Nada};
    }
    // The named escapes stand for control characters and punctuation, never
    // the letters looked for here; any other escaped character is dropped.
    return QByteArrayView("abfnrtv\"?'\\").contains(e) ? Passo{Passo::Letra, char16_t(e)}
                                                       : Passo{Passo::Nada};
}

// Whether the value starting at i reads "Variant(" or "DateTime(".
bool seguemBinario(QByteArrayView texto, qsizetype i)
{
    QString lidas;
    while (lidas.size() < 9) {
        const Passo p = passo(texto, i);
        if (p.tipo == Passo::Fim || p.tipo == Passo::Inicio)
            break;
        if (p.tipo == Passo::Letra)
            lidas += QChar(p.letra);
    }
    return lidas.startsWith(QLatin1String("Variant(")) || lidas == QLatin1String("DateTime(");
}

QByteArray semBinarios(const QByteArray &texto)
{
    // Blanks and quotes are taken to be transparent everywhere, and "=" to
    // begin a value even inside one: that may double an '@' in some odd text
    // by hand, but misses no value the reader would decode.
    QByteArray saida;
    qsizetype copiado = 0;
    qsizetype i = 0;
    bool inicio = true;
    for (;;) {
        const qsizetype antes = i;
        const Passo p = passo(texto, i);
        if (p.tipo == Passo::Fim)
            break;
        if (p.tipo == Passo::Inicio) {
            inicio = true;
        } else if (p.tipo == Passo::Letra) {
            if (inicio && p.letra == u'@' && seguemBinario(texto, i)) {
                saida += QByteArrayView(texto).sliced(copiado, antes - copiado);
                saida += '@';
                copiado = antes;
            }
            inicio = false;
        }
    }
    if (saida.isEmpty())
        return texto;
    saida += QByteArrayView(texto).sliced(copiado);
    return saida;
}

// QSettings decodes every "@Variant(…)" and "@DateTime(…)" value as soon as it
// loads a file, through QDataStream, trusting the counts inside: a few bytes
// typed into the file can make it reserve gigabytes. Zelvo stores only text
// and numbers, so such a value was put there by hand; with its '@' doubled it
// reads as the text it spells, and every other value stays as it was.
//
// A file is read again only when its size or time has changed since it was
// last found safe, as QSettings itself does.
void desarma(const QString &path)
{
    static QHash<QString, std::pair<qint64, QDateTime>> seguros;
    const QFileInfo info(path);
    if (!info.exists())
        return;
    const auto versao = std::make_pair(info.size(), info.lastModified());
    if (seguros.value(path) == versao)
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray texto = file.readAll();
    file.close();
    const QByteArray seguro = semBinarios(texto);
    if (seguro.size() != texto.size()) {
        QSaveFile novo(path);
        if (!novo.open(QIODevice::WriteOnly) || novo.write(seguro) != seguro.size() ||
            !novo.commit())
            return;
    }
    const QFileInfo agora(path);
    seguros.insert(path, std::make_pair(agora.size(), agora.lastModified()));
}
} // namespace

std::unique_ptr<QSettings> open()
{
    if (!testFile().isEmpty()) {
        desarma(testFile());
        return std::make_unique<QSettings>(testFile(), QSettings::IniFormat);
    }
    // QSettings also falls back on a file for the whole organisation; both
    // are the user's to write.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    desarma(config + QLatin1String("/Zelvo/Zelvo.conf"));
    desarma(config + QLatin1String("/Zelvo.conf"));
    // The organisation is named explicitly: left empty, QSettings would file the
    // settings under "Unknown Organization". It stays empty for the rest of the
    // program so that the data folder is plain $XDG_DATA_HOME/Zelvo.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Zelvo"), QStringLiteral("Zelvo"));
}

void setFileForTesting(const QString &path)
{
    testFile() = path;
}

} // namespace Settings
