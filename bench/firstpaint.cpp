// Linked into a copy of a program (the game's main or the yardstick's) so that
// it ends right after its first paint: start-up alone, for callgrind, perf
// stat or hyperfine, without the event loop that follows.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <unistd.h>

namespace {

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Every widget of the window paints in the same pass, and the pass
        // ends with the flush to the screen; a zero timer runs after both.
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] { _exit(0); });
        }
        return false;
    }

private:
    bool m_seen = false;
};

void watchFirstPaint()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
