#pragma once

#include <QMainWindow>
#include <QPointF>
#include <QSizeF>

// Where a window of the given outer size lands when centred on a screen of the
// given size, both in twips: true halves, kept in single precision and never
// clamped, so a window larger than the screen gets a negative position.
QPointF centredPosition(QSizeF screenTwips, QSizeF windowTwips);

// A top-level window built from a design: a menu bar over a client area of an
// exact size in twips. Controls are placed on client() by their design
// coordinates, so their Top is measured from the menu bar's lower edge.
class Form : public QMainWindow
{
    Q_OBJECT

public:
    enum class Border
    {
        FixedSingle, // no resizing, no minimize or maximize box
        Sizable,
    };

    Form(const QString &caption, int clientWidth, int clientHeight, Border border,
         QWidget *parent = nullptr);

    QWidget *client() const { return m_client; }

    // Centres the outer frame on the screen. Under a window manager the frame
    // is only known once the window has been framed, so the move is made again
    // then; a window centred on its bare client area lands several pixels off.
    void centreOnScreen();

    // Shows the window modally and returns once it has been unloaded. This
    // window then becomes the program's active window again.
    void showModal(Form *window);

    // Closes and destroys the window, as its close box does.
    void unload();

protected:
    // Runs when the window becomes the program's active window: after its
    // first showing and when a window it showed modally goes away. Focus
    // coming back from another program does not count.
    virtual void Form_Activate() {}

    bool event(QEvent *event) override;

private:
    void moveToCentre();
    void recentreIfFramed();

    QWidget *m_client;
    bool m_shown = false;
    bool m_centrePending = false;
    QSize m_centredFrame;
};
