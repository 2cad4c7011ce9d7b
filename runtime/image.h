#pragma once

#include <QIcon>
#include <QPixmap>
#include <QWidget>

#include <future>

// A picture drawn from its vector source at the screen's pixel ratio, either at
// its natural size or stretched to the control's rectangle. At the ratios
// desktops commonly use the build has drawn it already, and the program only
// unpacks that bitmap. Renderings are cached, so reopening a window costs no
// rendering.
class Image : public QWidget
{
    Q_OBJECT

public:
    enum class Fit
    {
        Natural,
        Stretch,
    };

    Image(const QString &source, Fit fit, QWidget *parent);

    QString source() const { return m_source; }

    // A window's icon from its picture: the bitmaps the build drew of it, or
    // the SVG itself where it drew none. Drawing the SVG at each icon size is
    // what a window's first showing would otherwise spend its time on.
    static QIcon icon(const QString &source);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap rendering() const;

    QString m_source;
    mutable std::future<QImage> m_early; // a picture made ready ahead of the first paint
    QSize m_earlyPixels;
    bool m_pressed = false;
};
