// The yardstick for start-up and window opening: the least a Qt Widgets program
// of the launcher's shape does. A window with a menu bar over a 500x379
// picture; Ctrl+M opens a second window with a 428x426 picture, as the memory
// game's is, and its close box closes it.
#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>

static QPixmap picture(QSize size, QColor from, QColor to)
{
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    painter.fillRect(pixmap.rect(), gradient);
    painter.setPen(QPen(Qt::white, 6));
    painter.drawEllipse(pixmap.rect().adjusted(40, 40, -40, -40));
    return pixmap;
}

static QMainWindow *window(const QString &title, QSize size, QColor from, QColor to)
{
    auto *w = new QMainWindow;
    w->setWindowTitle(title);
    auto *label = new QLabel;
    label->setPixmap(picture(size, from, to));
    label->setFixedSize(size);
    w->setCentralWidget(label);
    return w;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow *main = window(QStringLiteral("ZelvoReference"), {500, 379}, QColor(30, 120, 60),
                               QColor(200, 180, 40));
    QMenu *menu = main->menuBar()->addMenu(QStringLiteral("&Zelvo"));
    menu->addAction(QStringLiteral("&Memory"), QKeySequence(Qt::CTRL | Qt::Key_M), main, [] {
        QMainWindow *game = window(QStringLiteral("ReferenceGame"), {428, 426},
                                   QColor(200, 40, 40), QColor(40, 40, 200));
        game->setAttribute(Qt::WA_DeleteOnClose);
        game->setWindowModality(Qt::ApplicationModal);
        game->show();
    });
    menu->addAction(QStringLiteral("Sai&r"), QKeySequence(Qt::CTRL | Qt::Key_S), main,
                    &QMainWindow::close);
    main->show();
    return app.exec();
}
