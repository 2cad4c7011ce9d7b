// Draws each picture at the common pixel ratios ahead of time, so the program
// copies a bitmap instead of drawing the SVG when a window first shows.
//   prerender OUTDIR RATIO,RATIO... PICTURE.svg...
// For each picture and ratio it writes OUTDIR/NAME.svg@RATIO: the width and
// height as two 32-bit words, then the pixels, premultiplied ARGB in the
// machine's byte order, row by row. The resource compiler compresses them;
// unpacking one is several times quicker than decoding a PNG of it.
// OUTDIR/index has a line per picture: its name, then WIDTHxHEIGHT@RATIO for
// each ratio, its natural size first.
#include "svgdrawing.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: prerender OUTDIR RATIO,RATIO... PICTURE.svg...\n");
        return 2;
    }
    const QString outdir = QString::fromLocal8Bit(argv[1]);
    const QStringList ratios = QString::fromLocal8Bit(argv[2]).split(QLatin1Char(','));
    QString index;
    QTextStream lines(&index);
    for (int i = 3; i < argc; ++i) {
        const QString source = QString::fromLocal8Bit(argv[i]);
        const QSize natural = svgSize(source);
        if (!natural.isValid()) {
            std::fprintf(stderr, "prerender: cannot read %s\n", argv[i]);
            return 1;
        }
        const QString name = QFileInfo(source).fileName();
        lines << name;
        for (const QString &ratio : ratios) {
            // Sized as the program sizes a picture on a screen of that ratio.
            const QSize pixels = (QSizeF(natural) * ratio.toDouble()).toSize();
            const QImage image = drawSvg(source, pixels);
            const QString size = QStringLiteral("%1x%2").arg(pixels.width()).arg(pixels.height());
            QFile out(QStringLiteral("%1/%2@%3").arg(outdir, name, ratio));
            const quint32 header[2] = {quint32(pixels.width()), quint32(pixels.height())};
            if (!out.open(QIODevice::WriteOnly) ||
                out.write(reinterpret_cast<const char *>(header), sizeof header) != sizeof header ||
                out.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) !=
                    image.sizeInBytes()) {
                std::fprintf(stderr, "prerender: cannot write %s\n", qPrintable(out.fileName()));
                return 1;
            }
            lines << ' ' << size << '@' << ratio;
        }
        lines << '\n';
    }
    lines.flush();
    QFile file(outdir + QStringLiteral("/index"));
    if (!file.open(QIODevice::WriteOnly) || file.write(index.toUtf8()) < 0)
        return 1;
    return 0;
}
