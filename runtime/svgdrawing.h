#pragma once

#include <QImage>
#include <QImageReader>

// The one way a picture is drawn from its SVG source, shared by the program
// and the build step that draws the common sizes ahead of time, so that a
// picture drawn ahead is the very bitmap the program would draw. It goes
// through Qt's SVG image plugin rather than Qt Svg itself, so the program only
// loads Qt Svg when it draws a picture at a size the build did not. Safe on any
// thread: it touches nothing but its own reader and image.
inline QImage drawSvg(const QString &source, QSize pixels)
{
    QImageReader reader(source, "svg");
    reader.setScaledSize(pixels);
    QImage image = reader.read();
    if (image.isNull()) {
        image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The size the SVG gives itself; invalid if it cannot be read.
inline QSize svgSize(const QString &source)
{
    return QImageReader(source, "svg").size();
}
