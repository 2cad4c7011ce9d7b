#include "image.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace {

// Screen readers should present a picture as one, not as an empty pane.
QAccessibleInterface *accessibleImage(const QString &className, QObject *object)
{
    if (className == QLatin1String("Image") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

Image::Image(const QString &source, Fit fit, QWidget *parent) : QWidget(parent), m_source(source)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleImage);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    if (fit == Fit::Natural)
        resize(QSvgRenderer(source).defaultSize());
}

QPixmap Image::rendering() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    const QString key =
        QStringLiteral("%1@%2x%3").arg(m_source).arg(pixels.width()).arg(pixels.height());

    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;

    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(m_source).render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();

    pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void Image::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, rendering());
}

void Image::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

// A click is a press and a release over the picture, as on a button.
void Image::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}
