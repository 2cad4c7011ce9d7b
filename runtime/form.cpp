#include "form.h"

#include "twips.h"

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cmath>

QPointF centredPosition(QSizeF screenTwips, QSizeF windowTwips)
{
    const float left = (float(screenTwips.width()) - float(windowTwips.width())) / 2.0f;
    const float top = (float(screenTwips.height()) - float(windowTwips.height())) / 2.0f;
    return {left, top};
}

namespace {

// The client area's own size, so a resizable window opens at the designed size.
class ClientArea : public QWidget
{
public:
    ClientArea(QSize size, QWidget *parent) : QWidget(parent), m_size(size) {}
    QSize sizeHint() const override { return m_size; }

private:
    QSize m_size;
};

} // namespace

Form::Form(const QString &caption, int clientWidth, int clientHeight, Border border,
           QWidget *parent)
    : QMainWindow(parent)
{
    const QSize clientSize(Twips::toPixels(clientWidth), Twips::toPixels(clientHeight));
    m_client = new ClientArea(clientSize, this);
    setCentralWidget(m_client);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);

    if (border == Border::FixedSingle) {
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        m_client->setFixedSize(clientSize);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}

void Form::centreOnScreen()
{
    m_centrePending = true;
    moveToCentre();
}

void Form::moveToCentre()
{
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Until the window has been shown, its size is still the default one.
    if (!isVisible())
        adjustSize();

    const QRect screenRect = screen->geometry();
    const QSize frame = frameGeometry().size();
    const QPointF at = centredPosition(QSizeF(screenRect.size()) * Twips::PerPixel,
                                       QSizeF(frame) * Twips::PerPixel);
    m_centredFrame = frame;
    move(screenRect.x() + int(std::lround(at.x() / Twips::PerPixel)),
         screenRect.y() + int(std::lround(at.y() / Twips::PerPixel)));
}

bool Form::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::Show:
        if (!m_shown) {
            m_shown = true;
            if (m_centrePending) {
                // The frame may already be known once the window is mapped,
                // without any move; later moves or resizes of the frame after
                // framing are the user's own.
                QTimer::singleShot(0, this, &Form::recentreIfFramed);
                QTimer::singleShot(1000, this, [this] { m_centrePending = false; });
            }
            Form_Activate();
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
        recentreIfFramed();
        break;
    default:
        break;
    }
    return handled;
}

void Form::recentreIfFramed()
{
    if (m_centrePending && m_shown && frameGeometry().size() != m_centredFrame) {
        m_centrePending = frameGeometry().size() == size();
        moveToCentre();
    }
}

void Form::showModal(Form *window)
{
    QPointer<Form> guard(window);
    QEventLoop loop;
    connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->setWindowModality(Qt::ApplicationModal);
    // Under Wayland the compositor places every window. Told whose window
    // this is, it floats it above this one; untold, sway tiled the resizable
    // hangman under the floating launcher, which hid half of its board. The
    // native window is made first, so the compositor knows from its first frame.
    window->winId();
    window->windowHandle()->setTransientParent(windowHandle());
    window->show();
    window->activateWindow();
    if (guard)
        loop.exec(QEventLoop::DialogExec);

    activateWindow();
    Form_Activate();
}

void Form::unload()
{
    close();
}
