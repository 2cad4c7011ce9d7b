// The word-list reader, fed any bytes: what it gives the game must be
// playable, and what it tells the player must point into the file.
#include "confere.h"
#include "palavras.h"

#include <QSet>
#include <QStringDecoder>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const Palavras::Lista lista = Palavras::leBytes(bytes);
    if (bytes.size() > Palavras::TamanhoMaximo) {
        CONFERE(lista.erro == QStringLiteral("arquivo grande demais") && lista.quantas() == 0);
        return 0;
    }

    QSet<QString> vistas;
    for (int i = 0; i < lista.quantas(); ++i) {
        const QString palavra = lista.palavra(i);
        CONFERE(Palavras::defeito(palavra).isEmpty() && palavra.size() <= 8);
        CONFERE(palavra == palavra.toUpper() && !vistas.contains(palavra));
        // A hint fits its label: at most 80 characters, none of them a
        // control character, no space at either end.
        const QString dica = lista.dica(i);
        CONFERE(dica.toUcs4().size() <= 80);
        for (QChar c : dica)
            CONFERE(c.category() != QChar::Other_Control && c != QChar::LineSeparator);
        CONFERE(dica == dica.trimmed());
        vistas.insert(palavra);
    }
    const qsizetype linhas = bytes.count('\n') + 1;
    for (const Palavras::Problema &p : lista.puladas)
        CONFERE(p.linha >= 1 && p.linha <= linhas && !p.motivo.isEmpty());
    CONFERE(lista.erro.isEmpty() == (lista.quantas() > 0));

    // The reader checks the encoding on the bytes; Qt's decoder is the judge,
    // and a character cut off at the end of the file is an error too.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = utf8(bytes);
    const bool naoUtf8 = utf8.hasError() || texto.contains(QChar(0));
    CONFERE(naoUtf8 == (lista.erro == QStringLiteral("o arquivo não está em UTF-8")));

    // The menu's quick verdict is the full reading's.
    CONFERE(Palavras::leBytes(bytes, Palavras::Leitura::Veredito).erro == lista.erro);
    return 0;
}
