#include "palavras.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStandardPaths>

#include <optional>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <vector>

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
const int MaximoDica = 80;

// Why a list cannot be played. A verdict stays in Portuguese wherever it is
// kept, the settings file included, and is translated only when shown.
const char *const NaoLido = QT_TRANSLATE_NOOP("Palavras", "não foi possível ler o arquivo");
const char *const Grande = QT_TRANSLATE_NOOP("Palavras", "arquivo grande demais");
const char *const NaoUtf8 = QT_TRANSLATE_NOOP("Palavras", "o arquivo não está em UTF-8");
const char *const Vazio = QT_TRANSLATE_NOOP("Palavras", "o arquivo está vazio");
const char *const Injogavel = QT_TRANSLATE_NOOP("Palavras", "nenhuma palavra pode ser jogada");

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
    // Most letters are plain ones.
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
            return QCoreApplication::translate("Palavras", "algarismo");
        if (QChar::isSpace(c))
            return QCoreApplication::translate("Palavras", "espaço");
        if (hifen(c))
            return QCoreApplication::translate("Palavras", "hífen");
        if (apostrofo(c))
            return QCoreApplication::translate("Palavras", "apóstrofo");
        return QCoreApplication::translate("Palavras", "caractere '%1' não aceito").arg(texto);
    }
    if (palavra.size() > MaximoLetras)
        return QCoreApplication::translate("Palavras", "mais de %1 letras").arg(MaximoLetras);
    if (palavra.isEmpty())
        return QCoreApplication::translate("Palavras", "palavra vazia");
    return {};
}

QString defeitoDaDica(const QString &dica)
{
    const QList<uint> caracteres = dica.toUcs4();
    if (caracteres.size() > MaximoDica)
        return QCoreApplication::translate("Palavras", "dica longa demais");
    // A line break or a terminal's escape would garble the label.
    for (char32_t c : caracteres) {
        const QChar::Category tipo = QChar::category(c);
        if (tipo == QChar::Other_Control || tipo == QChar::Separator_Line ||
            tipo == QChar::Separator_Paragraph)
            return QCoreApplication::translate("Palavras", "dica com caractere de controle");
    }
    return {};
}

QString Lista::palavra(int i) const
{
    return QString::fromUtf8(palavraUtf8(i));
}

QByteArrayView Lista::palavraUtf8(int i) const
{
    const qsizetype inicio = i > 0 ? fins[2 * i - 1] : 0;
    return QByteArrayView(texto).sliced(inicio, fins[2 * i] - inicio);
}

QString Lista::dica(int i) const
{
    return QString::fromUtf8(texto.mid(fins[2 * i], fins[2 * i + 1] - fins[2 * i]));
}

// Walks the lines of a text already known to be UTF-8 without NUL. Most lines
// of a real list are a plain word in ASCII: those go straight into the list,
// and only the others are decoded and judged one by one.
class Leitor
{
public:
    // At most one word a line: room for them all is made at once, in blocks
    // that go back to the system when the reading is done, so a big list
    // leaves behind only its words.
    Leitor(Lista &lista, Leitura ate, QByteArrayView texto) : lista(lista), ate(ate)
    {
        if (ate == Leitura::Veredito)
            return;
        const qsizetype linhas = texto.count('\n') + 1;
        qsizetype lugares = 16;
        while (lugares < 2 * linhas)
            lugares *= 2;
        vistas.assign(size_t(lugares), Livre);
        lista.texto.reserve(texto.size());
        lista.fins.reserve(2 * linhas);
    }

    // False once the reading has gone far enough.
    bool linha(int numero, QByteArrayView bytes)
    {
        bytes = aparada(bytes);
        if (bytes.isEmpty() || bytes.front() == '#')
            return true;
        // A hint follows the word after a bar: "caderno | Onde escrevemos".
        const qsizetype barra = bytes.indexOf('|');
        const QByteArrayView inicio = barra < 0 ? bytes : aparada(bytes.first(barra));
        const QByteArrayView resto =
            barra < 0 ? QByteArrayView() : aparada(bytes.sliced(barra + 1));
        if (!inicio.isEmpty() && simples(inicio) && dicaSimples(resto)) {
            ++comPalavra;
            const qsizetype onde = lista.texto.size();
            lista.texto.append(inicio);
            char *letra = lista.texto.data() + onde;
            for (qsizetype i = 0; i < inicio.size(); ++i)
                letra[i] = char(letra[i] & ~0x20);
            return acrescenta(resto);
        }
        // Trimmed again as a whole, for the spaces beyond ASCII (a no-break
        // space before a '#' still makes a comment).
        const QString linha = QString::fromUtf8(bytes).trimmed();
        if (linha.isEmpty() || linha.startsWith(QLatin1Char('#')))
            return true;
        ++comPalavra;
        const qsizetype b = linha.indexOf(QLatin1Char('|'));
        const QString palavra =
            (b < 0 ? linha : linha.first(b).trimmed()).normalized(QString::NormalizationForm_C);
        // A byte-order mark in a hint shows nothing, and one at its start
        // would be dropped when the hint is read back, leaving a space there.
        const QString dica = b < 0 ? QString()
                                   : linha.sliced(b + 1)
                                         .remove(QChar(0xFEFF))
                                         .trimmed()
                                         .normalized(QString::NormalizationForm_C);
        QString motivo = defeito(palavra);
        if (motivo.isEmpty())
            motivo = defeitoDaDica(dica);
        if (!motivo.isEmpty()) {
            if (ate == Leitura::Completa)
                lista.puladas.append({numero, palavra, motivo});
            return true;
        }
        lista.texto.append(palavra.toUpper().toUtf8());
        return acrescenta(dica.toUtf8());
    }

    void fim()
    {
        if (comPalavra == 0)
            lista.erro = QString::fromUtf8(Vazio);
        else if (lista.quantas() == 0)
            lista.erro = QString::fromUtf8(Injogavel);
        lista.texto.squeeze();
        lista.fins.squeeze();
    }

private:
    QByteArrayView palavra(quint32 i) const
    {
        const qsizetype inicio = i > 0 ? lista.fins[2 * i - 1] : 0;
        return QByteArrayView(lista.texto).sliced(inicio, lista.fins[2 * i] - inicio);
    }

    // The word just appended to the block, with its hint, kept unless the
    // word is a repeat. The words seen are a table of their numbers, at most
    // half full, looked up from the word's hash onwards.
    bool acrescenta(QByteArrayView dica)
    {
        const quint32 i = quint32(lista.quantas());
        lista.fins.append(quint32(lista.texto.size()));
        lista.texto.append(dica);
        lista.fins.append(quint32(lista.texto.size()));
        if (ate == Leitura::Veredito)
            return false;
        const QByteArrayView nova = palavra(i);
        const size_t mascara = vistas.size() - 1;
        for (size_t lugar = qHash(nova) & mascara;; lugar = (lugar + 1) & mascara) {
            if (vistas[lugar] == Livre) {
                vistas[lugar] = i;
                return true;
            }
            if (palavra(vistas[lugar]) == nova) {
                lista.fins.resize(2 * i);
                lista.texto.truncate(i > 0 ? lista.fins[2 * i - 1] : 0);
                return true;
            }
        }
    }

    // What QString::trimmed takes away, within ASCII.
    static bool espaco(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

    static QByteArrayView aparada(QByteArrayView bytes)
    {
        while (!bytes.isEmpty() && espaco(bytes.front()))
            bytes = bytes.sliced(1);
        while (!bytes.isEmpty() && espaco(bytes.back()))
            bytes.chop(1);
        return bytes;
    }

    // A hint in printable ASCII short enough, as most are.
    static bool dicaSimples(QByteArrayView bytes)
    {
        if (bytes.size() > MaximoDica)
            return false;
        for (char c : bytes) {
            if (c < 0x20 || c > 0x7E)
                return false;
        }
        return true;
    }

    // A word of ASCII letters that fits the board, as most are.
    static bool simples(QByteArrayView bytes)
    {
        if (bytes.size() > MaximoLetras)
            return false;
        for (char c : bytes) {
            if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
                return false;
        }
        return true;
    }

    static constexpr quint32 Livre = ~quint32(0);

    Lista &lista;
    const Leitura ate;
    int comPalavra = 0;
    std::vector<quint32> vistas;
};

Lista leBytes(const QByteArray &bytes, Leitura ate)
{
    Lista lista;
    if (bytes.size() > TamanhoMaximo) {
        lista.erro = QString::fromUtf8(Grande);
        return lista;
    }
    // A NUL byte is valid UTF-8, but only UTF-16 text holds one in every
    // other byte.
    if (!bytes.isValidUtf8() || bytes.contains('\0')) {
        lista.erro = QString::fromUtf8(NaoUtf8);
        return lista;
    }
    QByteArrayView texto(bytes);
    if (texto.startsWith("\xEF\xBB\xBF"))
        texto = texto.sliced(3);

    Leitor leitor(lista, ate, texto);
    int numero = 1;
    for (qsizetype inicio = 0;; ++numero) {
        const qsizetype quebra = texto.indexOf('\n', inicio);
        const qsizetype fim = quebra < 0 ? texto.size() : quebra;
        if (!leitor.linha(numero, texto.sliced(inicio, fim - inicio)))
            return lista;
        if (quebra < 0)
            break;
        inicio = quebra + 1;
    }
    leitor.fim();
    return lista;
}

Lista le(const QString &arquivo, Leitura ate)
{
    Lista lista;
    // A folder or a special file (a pipe would block the read) is not a list.
    const QFileInfo info(arquivo);
    if (!info.isFile()) {
        lista.erro = QString::fromUtf8(NaoLido);
        return lista;
    }
    if (info.size() > TamanhoMaximo) {
        lista.erro = QString::fromUtf8(Grande);
        return lista;
    }
    QFile file(arquivo);
    if (!file.open(QIODevice::ReadOnly)) {
        lista.erro = QString::fromUtf8(NaoLido);
        return lista;
    }
    // The size was read before the file was opened, and it may have grown.
    const QByteArray bytes = file.read(TamanhoMaximo + 1);
    if (file.error() != QFileDevice::NoError) {
        lista.erro = QString::fromUtf8(NaoLido);
        return lista;
    }
    return leBytes(bytes, ate);
}

namespace {

// What was read of one version of a file.
struct Versao
{
    qint64 tamanho = -1;
    QDateTime modificado;
    bool firme = false;
    std::optional<QString> erro;
    std::shared_ptr<const Lista> lista;
};

QHash<QString, Versao> &lidos()
{
    static QHash<QString, Versao> versoes;
    return versoes;
}

// The version of the file as it stands, with what is known of it. A file
// rewritten in the same tick of the file system's clock, at the same size,
// would look unchanged: until its time is safely past, it is read afresh.
Versao &versao(const QString &arquivo)
{
    const QFileInfo info(arquivo);
    const qint64 tamanho = info.isFile() ? info.size() : -1;
    const QDateTime modificado = info.lastModified();
    Versao &v = lidos()[arquivo];
    if (v.firme && v.tamanho == tamanho && v.modificado == modificado)
        return v;
    v = {};
    v.tamanho = tamanho;
    v.modificado = modificado;
    v.firme = arquivo.startsWith(QLatin1Char(':')) ||
              modificado.msecsTo(QDateTime::currentDateTime()) > 2000;
    return v;
}

// Whether a verdict was learnt that the settings file does not hold yet.
bool &novos()
{
    static bool aprendidos = false;
    return aprendidos;
}

bool proprio(const QString &arquivo)
{
    return !arquivo.startsWith(QLatin1Char(':'));
}

const QString ChaveVereditos = QStringLiteral("forca/listas");

} // namespace

QString veredito(const QString &arquivo)
{
    Versao &v = versao(arquivo);
    if (!v.erro) {
        v.erro = v.lista ? v.lista->erro : le(arquivo, Leitura::Veredito).erro;
        novos() = novos() || (v.firme && proprio(arquivo));
    }
    return *v.erro;
}

void lembraVereditos(const QSettings &settings)
{
    static const QSet<QString> motivos = {
        QString(),
        QString::fromUtf8(NaoLido),
        QString::fromUtf8(Grande),
        QString::fromUtf8(NaoUtf8),
        QString::fromUtf8(Vazio),
        QString::fromUtf8(Injogavel),
    };
    const QDateTime agora = QDateTime::currentDateTime();
    const QString pasta = pastaDoUsuario() + QLatin1Char('/');
    const int n = std::min(settings.value(ChaveVereditos + QStringLiteral("/size")).toInt(), 1000);
    for (int i = 1; i <= n; ++i) {
        const QString chave = ChaveVereditos + QStringLiteral("/%1/").arg(i);
        const QString arquivo = settings.value(chave + QStringLiteral("arquivo")).toString();
        bool tamanhoOk = false, horaOk = false;
        const qint64 tamanho =
            settings.value(chave + QStringLiteral("tamanho")).toString().toLongLong(&tamanhoOk);
        const QDateTime modificado = QDateTime::fromMSecsSinceEpoch(
            settings.value(chave + QStringLiteral("modificado")).toString().toLongLong(&horaOk));
        const QString erro = settings.value(chave + QStringLiteral("erro")).toString();
        // Only what this program could have written: a list of the user's
        // folder, a real file's size, a time safely past, one of its verdicts.
        if (!arquivo.startsWith(pasta) || lidos().contains(arquivo) || !tamanhoOk || tamanho < 0 ||
            !horaOk || modificado.msecsTo(agora) <= 2000 || !motivos.contains(erro))
            continue;
        Versao &v = lidos()[arquivo];
        v.tamanho = tamanho;
        v.modificado = modificado;
        v.firme = true;
        v.erro = erro;
    }
}

void guardaVereditos(QSettings &settings)
{
    if (!novos())
        return;
    novos() = false;
    settings.remove(ChaveVereditos);
    settings.beginWriteArray(ChaveVereditos);
    int i = 0;
    for (auto v = lidos().cbegin(); v != lidos().cend(); ++v) {
        if (!v->firme || !v->erro || v->tamanho < 0 || !proprio(v.key()) ||
            !QFileInfo::exists(v.key()))
            continue;
        settings.setArrayIndex(i++);
        settings.setValue(QStringLiteral("arquivo"), v.key());
        settings.setValue(QStringLiteral("tamanho"), v->tamanho);
        settings.setValue(QStringLiteral("modificado"), v->modificado.toMSecsSinceEpoch());
        settings.setValue(QStringLiteral("erro"), *v->erro);
    }
    settings.endArray();
}

std::shared_ptr<const Lista> palavrasDe(const QString &arquivo)
{
    Versao &v = versao(arquivo);
    if (!v.lista) {
        // A user's list stays in memory while it is the one in play.
        for (auto i = lidos().begin(); i != lidos().end(); ++i) {
            if (proprio(i.key()))
                i->lista.reset();
        }
        v.lista = std::make_shared<const Lista>(le(arquivo));
        v.erro = v.lista->erro;
#ifdef __GLIBC__
        // Reading a big list takes several megabytes for a moment, and the
        // list it replaces some more: they go back to the system now rather
        // than staying with the program for as long as it runs.
        malloc_trim(0);
#endif
    }
    return v.lista;
}

namespace {

// The name and the file of each built-in list of a language, in menu order.
// A translation's lists are named by its categorias.txt, so that a new
// language brings its lists without code.
QList<std::pair<QString, QString>> listasDoIdioma(const QString &idioma)
{
    QList<std::pair<QString, QString>> listas;
    if (idioma == Idioma::Original) {
        for (const Embutida &e : ListasEmbutidas)
            listas.append({QString::fromUtf8(e.nome), QString::fromUtf8(e.recurso)});
        return listas;
    }
    const QString pasta = QStringLiteral(":/palavras/%1/").arg(idioma);
    QFile indice(pasta + QStringLiteral("categorias.txt"));
    if (!indice.open(QIODevice::ReadOnly))
        return listasDoIdioma(QString(Idioma::Original));
    for (const QByteArray &bytes : indice.readAll().split('\n')) {
        const QString linha = QString::fromUtf8(bytes).trimmed();
        const qsizetype barra = linha.indexOf(QLatin1Char('|'));
        if (linha.startsWith(QLatin1Char('#')) || barra <= 0)
            continue;
        listas.append({linha.mid(barra + 1).trimmed(),
                       pasta + linha.left(barra).trimmed() + QStringLiteral(".txt")});
    }
    return listas;
}

} // namespace

QList<Categoria> embutidas(const QString &idioma)
{
    QList<Categoria> listas;
    for (const auto &[nome, arquivo] : listasDoIdioma(idioma))
        listas.append({nome, arquivo, veredito(arquivo)});
    return listas;
}

QString traduz(const QString &veredito)
{
    return QCoreApplication::translate("Palavras", veredito.toUtf8().constData());
}

QString pastaDoUsuario()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/palavras");
}

QList<Categoria> doUsuario(const QString &pasta, const QString &idioma)
{
    QSet<QString> tomados;
    for (const auto &lista : listasDoIdioma(idioma))
        tomados.insert(lista.first);

    // Folders and special files are listed too, so that a "Nome.txt" the
    // program cannot read still shows in the menu with the reason.
    const QDir dir(pasta);
    const QFileInfoList arquivos = dir.entryInfoList(
        {QStringLiteral("*.txt")}, QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot,
        QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    QList<Categoria> listas;
    for (const QFileInfo &info : arquivos) {
        QString nome = info.completeBaseName();
        if (nome.isEmpty())
            continue;
        if (tomados.contains(nome))
            nome += QCoreApplication::translate("Palavras", " (lista própria)");
        listas.append({nome, info.filePath(), veredito(info.filePath())});
    }
    return listas;
}

QString categoriaGuardada(const QSettings &settings)
{
    // A list's name is a file's, or a built-in one.
    const QString nome = settings.value(ChaveCategoria).toString();
    if (nome.size() > 255 || nome.contains(QLatin1Char('/')) || nome.contains(QChar(0)))
        return {};
    return nome;
}

} // namespace Palavras
