// Replays the inputs saved for a fuzz target, as an ordinary test of the
// normal build: an input that once broke a reader stays a test for good.
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char **argv)
{
    int lidos = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir pasta(QString::fromLocal8Bit(argv[i]));
        for (const QFileInfo &info : pasta.entryInfoList(QDir::Files, QDir::Name)) {
            QFile file(info.filePath());
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(info.filePath()));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                   std::size_t(bytes.size()));
            ++lidos;
        }
    }
    std::printf("%d inputs replayed\n", lidos);
    // An empty or missing folder would make a test that checks nothing.
    return lidos > 0 ? 0 : 1;
}
