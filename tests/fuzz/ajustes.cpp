// The settings file, fed any bytes: every value the program reads from it
// comes back within the range its window counts on.
#include "baralho.h"
#include "confere.h"
#include "figura.h"
#include "opcoes.h"
#include "palavras.h"
#include "placar.h"
#include "recordes.h"
#include "settings.h"

#include <QDateTime>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <functional>

namespace {

// What QSettings makes of a value without QDataStream: text, or one of the
// forms it spells out in the file.
bool texto(const QVariant &valor)
{
    switch (valor.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::QString:
    case QMetaType::QStringList:
    case QMetaType::QByteArray:
    case QMetaType::QRect:
    case QMetaType::QSize:
    case QMetaType::QPoint:
        return true;
    case QMetaType::QVariantList: {
        const QVariantList itens = valor.toList();
        return std::all_of(itens.begin(), itens.end(), texto);
    }
    default:
        return false;
    }
}

// Every reader of the settings file, each with its range. A new reader is
// one more line. A reader of a bool can return nothing out of range: reading
// is all it takes for the sanitizers to see what it does with the bytes.
const std::function<bool(const QSettings &)> Leitores[] = {
    // No value of the file reaches QDataStream, which trusts the counts in it.
    [](const QSettings &s) {
        const QStringList chaves = s.allKeys();
        return std::all_of(chaves.begin(), chaves.end(),
                           [&s](const QString &chave) { return texto(s.value(chave)); });
    },
    [](const QSettings &s) {
        const auto nivel = Recordes::nivelGuardado(s);
        return Recordes::Niveis.end() !=
               std::find(Recordes::Niveis.begin(), Recordes::Niveis.end(), nivel);
    },
    // Each level's table: at most five, each entry within what a game can make.
    [](const QSettings &s) {
        for (const Recordes::Nivel nivel : Recordes::Niveis) {
            const QList<Recordes::Entrada> tabela = Recordes::tabelaGuardada(s, nivel);
            if (tabela.size() > Recordes::Tamanho)
                return false;
            for (const Recordes::Entrada &e : tabela) {
                if (e.pontos < 1 || e.pontos > Recordes::MaiorPontos || e.nome.isEmpty() ||
                    e.nome != Recordes::limpaNome(e.nome))
                    return false;
            }
        }
        return true;
    },
    [](const QSettings &s) {
        const QString nome = Recordes::nomeGuardado(s);
        return nome == Recordes::limpaNome(nome);
    },
    [](const QSettings &s) {
        Opcoes::som(s);
        return true;
    },
    [](const QSettings &s) {
        Opcoes::numeros(s);
        return true;
    },
    [](const QSettings &s) {
        const QString nome = Palavras::categoriaGuardada(s);
        return nome.size() <= 255 && !nome.contains(QLatin1Char('/'));
    },
    // A deck goes on from whatever was kept, or starts anew: either way two
    // decks' worth of deals stay within the list.
    [](const QSettings &s) {
        const Baralho::Estado guardado = leBaralho(s, QStringLiteral("Países"));
        quint32 semente = 0;
        Baralho baralho(5, guardado.lista, guardado, [&semente] { return ++semente; });
        for (int k = 0; k < 10; ++k) {
            const int i = baralho.proxima();
            if (i < 0 || i >= 5)
                return false;
        }
        return true;
    },
    [](const QSettings &s) {
        figuraGuardada(s);
        return true;
    },
    // Every scoreboard cell is a count, whatever the file held there.
    [](const QSettings &s) {
        for (const Placar::Linha &linha : Placar::le(s)) {
            const Placar::Contagem &c = linha.contagem;
            for (const int n : {c.vitorias, c.derrotas, c.sequencia, c.melhor, c.comDica}) {
                if (n < 0 || n > 999999)
                    return false;
            }
        }
        return true;
    },
    // No verdict kept for a file that is not there makes it playable.
    [](const QSettings &s) {
        Palavras::lembraVereditos(s);
        return Palavras::veredito(QStringLiteral("/nao/existe.txt")) ==
               QStringLiteral("não foi possível ler o arquivo");
    },
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Qt complains of every odd value on the console; the checks speak here.
    static const QtMessageHandler calado =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    Q_UNUSED(calado);
    // QSettings keeps what it parsed of a file until the file's size or time
    // changes: each input gets a time of its own, so that every one is parsed.
    static QTemporaryDir pasta;
    static qint64 vez = 0;
    const QString arquivo = pasta.filePath(QStringLiteral("Zelvo.conf"));
    {
        QFile file(arquivo);
        CONFERE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        CONFERE(file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
        CONFERE(file.setFileTime(QDateTime::fromSecsSinceEpoch(++vez),
                                 QFileDevice::FileModificationTime));
    }
    // Through the program's own door to the file, which defuses what QSettings
    // must not decode.
    Settings::setFileForTesting(arquivo);
    {
        const std::unique_ptr<QSettings> settings = Settings::open();
        for (const auto &confere : Leitores)
            CONFERE(confere(*settings));
    }
    return 0;
}
