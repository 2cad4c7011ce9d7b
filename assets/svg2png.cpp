// Renders an SVG to a PNG with Qt Svg, the same renderer the program uses,
// so what the artwork looks like here is what a player sees.
//   svg2png input.svg output.png [width [height]]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: svg2png input.svg output.png [width [height]]\n");
        return 2;
    }
    QSvgRenderer renderer{QString::fromLocal8Bit(argv[1])};
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svg2png: cannot read %s\n", argv[1]);
        return 1;
    }
    QSize size = renderer.defaultSize();
    if (argc > 3) {
        const int w = std::atoi(argv[3]);
        const int h = argc > 4 ? std::atoi(argv[4]) : w * size.height() / size.width();
        size = QSize(w, h);
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
