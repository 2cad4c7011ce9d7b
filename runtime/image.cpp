#include "image.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QScreen>
#include <QSvgRenderer>

namespace {

// Screen readers should present a picture as one, not as an empty pane, and
// should not read a picture that another one covers exactly (a pad's lit
// picture lies under its dark one until the pad lights).
class AccessibleImage : public QAccessibleWidget
{
public:
    explicit AccessibleImage(QWidget *image) : QAccessibleWidget(image, QAccessible::Graphic) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (covered())
            state.invisible = true;
        return state;
    }

private:
    bool covered() const
    {
        const QWidget *image = widget();
        const QWidget *parent = image->parentWidget();
        if (!parent)
            return false;
        const QObjectList &siblings = parent->children();
        for (qsizetype i = siblings.indexOf(image) + 1; i < siblings.size(); ++i) {
            const auto *above = qobject_cast<const Image *>(siblings[i]);
            if (above && above->isVisible() && above->geometry() == image->geometry())
                return true;
        }
        return false;
    }
};

QAccessibleInterface *accessibleImage(const QString &className, QObject *object)
{
    if (className == QLatin1String("Image") && object && object->isWidgetType())
        return new AccessibleImage(static_cast<QWidget *>(object));
    return nullptr;
}

QString cacheKey(const QString &source, QSize pixels)
{
    return QStringLiteral("%1@%2x%3").arg(source).arg(pixels.width()).arg(pixels.height());
}

// Safe on any thread: it touches nothing but its own renderer and image.
QImage drawPicture(const QString &source, QSize pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(source).render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    return image;
}

} // namespace

Image::Image(const QString &source, Fit fit, QWidget *parent) : QWidget(parent), m_source(source)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleImage);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    if (fit != Fit::Natural)
        return;
    resize(QSvgRenderer(source).defaultSize());

    // A large picture takes milliseconds to draw: draw it on another core
    // while the window is still being built, so its first paint finds it ready.
    const QScreen *screen = QGuiApplication::primaryScreen();
    m_earlyPixels = (QSizeF(size()) * (screen ? screen->devicePixelRatio() : 1.0)).toSize();
    QPixmap cached;
    if (!QPixmapCache::find(cacheKey(source, m_earlyPixels), &cached))
        m_early = std::async(std::launch::async, drawPicture, source, m_earlyPixels);
}

QPixmap Image::rendering() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    const QString key = cacheKey(m_source, pixels);

    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;

    const bool early = m_early.valid() && m_earlyPixels == pixels;
    pixmap = QPixmap::fromImage(early ? m_early.get() : drawPicture(m_source, pixels));
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
