#pragma once

#include <QPixmap>
#include <QWidget>

#include <future>

// A picture drawn from its vector source at the screen's pixel ratio, either at
// its natural size or stretched to the control's rectangle. Renderings are
// cached, so reopening a window costs no rendering.
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

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap rendering() const;

    QString m_source;
    mutable std::future<QImage> m_early; // a rendering started ahead of the first paint
    QSize m_earlyPixels;
    bool m_pressed = false;
};
