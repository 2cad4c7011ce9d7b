#include "image.h"

#include "svgdrawing.h"

#include <QAccessibleWidget>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>
#include <QScreen>

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

// The pictures the build drew ahead, by source: each size it drew and where
// that bitmap is.
using Prerendered = QHash<QString, QList<QPair<QSize, QString>>>;

const Prerendered &prerendered()
{
    static const Prerendered index = [] {
        Prerendered found;
        QFile file(QStringLiteral(":/prerendered/index"));
        if (!file.open(QIODevice::ReadOnly))
            return found;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(QLatin1Char(' '));
            const QString source = QStringLiteral(":/pictures/") + fields[0];
            for (const QString &entry : fields.mid(1)) {
                const qsizetype at = entry.indexOf(QLatin1Char('@'));
                const QStringList size = entry.left(at).split(QLatin1Char('x'));
                found[source].append(
                    {QSize(size.value(0).toInt(), size.value(1).toInt()),
                     QStringLiteral(":/prerendered/%1%2").arg(fields[0], entry.mid(at))});
            }
        }
        return found;
    }();
    return index;
}

QSize naturalSize(const QString &source)
{
    const auto sizes = prerendered().constFind(source);
    if (sizes != prerendered().cend() && !sizes->isEmpty())
        return sizes->first().first;
    return svgSize(source);
}

// Where the build put its bitmap of that picture at that size, if it drew one.
QString prerenderedPath(const QString &source, QSize pixels)
{
    const auto sizes = prerendered().constFind(source);
    if (sizes != prerendered().cend())
        for (const auto &[size, path] : *sizes)
            if (size == pixels)
                return path;
    return {};
}

// The build's bitmap, used as the resource unpacks it, without a copy; a null
// image if there is none or it is not whole.
QImage prerenderedImage(const QString &source, QSize pixels)
{
    const QString path = prerenderedPath(source, pixels);
    if (path.isEmpty())
        return {};
    auto *data = new QByteArray(QResource(path).uncompressedData());
    const qsizetype header = 2 * sizeof(quint32);
    if (data->size() != header + qsizetype(pixels.width()) * pixels.height() * 4) {
        delete data;
        return {};
    }
    return QImage(
        reinterpret_cast<const uchar *>(data->constData() + header), pixels.width(),
        pixels.height(), pixels.width() * 4, QImage::Format_ARGB32_Premultiplied,
        [](void *bytes) { delete static_cast<QByteArray *>(bytes); }, data);
}

// The build's bitmap of the picture at that size, or else a drawing of its SVG.
QImage picture(const QString &source, QSize pixels)
{
    QImage image = prerenderedImage(source, pixels);
    return image.isNull() ? drawSvg(source, pixels) : image;
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
    resize(naturalSize(source));

    // Drawing a picture from its SVG takes milliseconds, and even unpacking
    // the launcher's big bitmap takes one: do it on another core while the
    // window is still being built, so its first paint finds it ready. A small
    // bitmap unpacks quicker than a thread starts.
    const QScreen *screen = QGuiApplication::primaryScreen();
    m_earlyPixels = (QSizeF(size()) * (screen ? screen->devicePixelRatio() : 1.0)).toSize();
    const bool slow = prerenderedPath(source, m_earlyPixels).isEmpty() ||
                      m_earlyPixels.width() * m_earlyPixels.height() >= 256 * 256;
    QPixmap cached;
    if (slow && !QPixmapCache::find(cacheKey(source, m_earlyPixels), &cached))
        m_early = std::async(std::launch::async, picture, source, m_earlyPixels);
}

QIcon Image::icon(const QString &source)
{
    const auto sizes = prerendered().constFind(source);
    if (sizes == prerendered().cend())
        return QIcon(source);
    // Every window sets its icon again each time it opens: unpacked once.
    static QHash<QString, QList<QImage>> unpacked;
    QList<QImage> &images = unpacked[source];
    if (images.isEmpty())
        for (const auto &drawn : *sizes)
            images.append(prerenderedImage(source, drawn.first));
    QIcon icon;
    for (const QImage &image : images)
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

QPixmap Image::rendering() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    const QString key = cacheKey(m_source, pixels);

    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;

    QImage image =
        m_early.valid() && m_earlyPixels == pixels ? m_early.get() : picture(m_source, pixels);
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
