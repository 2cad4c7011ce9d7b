#pragma once

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

// The one way a picture is drawn from its SVG source, shared by the program
// and the build step that draws the common sizes ahead of time, so that a
// picture drawn ahead is the very bitmap the program would draw. Safe on any
// thread: it touches nothing but its own renderer and image.
inline QImage drawSvg(const QString &source, QSize pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(source).render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    return image;
}
