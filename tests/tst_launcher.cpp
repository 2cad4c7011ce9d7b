// The launcher: its layout, the title that spells itself out, and the menu
// that opens the games modally.

#include "frmForca.h"
#include "frmMemory.h"
#include "frmZelvo.h"
#include "system.h"
#include "testsupport.h"
#include "timer.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

class LauncherTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutMatchesTheDesign();
    void menuHasItsCaptionsAndShortcuts();
    void titleIsBlankUntilTheFirstTick();
    void ticksSpellTheTitleThenBlankIt();
    void stepTextsOtherThanDigitsDoNothing_data();
    void stepTextsOtherThanDigitsDoNothing();
    void activationRestartsFromBlank();
    void focusFromAnotherProgramDoesNotRestart();
    void forcaShowsWholeTitleAndStopsTheClock();
    void memoryFreezesTheTitle();
    void closingAGameRestartsTheTitle();
    void gameWindowIsCreatedAfreshEachTime();
    void sairClosesTheLauncher();

private:
    QList<QLabel *> letters() const;
    QString visibleTitle() const;
    void tick(int times = 1);

    QPointer<frmZelvo> launcher;
    int beeps = 0;
};

void LauncherTest::init()
{
    beeps = 0;
    System::setBeepHook([this] { ++beeps; });
    launcher = new frmZelvo;
    launcher->Form_Load();
    launcher->show();
    QVERIFY(QTest::qWaitForWindowExposed(launcher));
}

void LauncherTest::cleanup()
{
    delete launcher;
    System::setBeepHook({});
}

QList<QLabel *> LauncherTest::letters() const
{
    QList<QLabel *> labels;
    for (int i = 0; i < 5; ++i)
        labels << launcher->findChild<QLabel *>(QStringLiteral("lblLet%1").arg(i));
    return labels;
}

QString LauncherTest::visibleTitle() const
{
    QString title;
    for (QLabel *label : letters())
        title += label->isVisible() ? label->text() : QStringLiteral(".");
    return title;
}

void LauncherTest::tick(int times)
{
    for (int i = 0; i < times; ++i)
        launcher->tmrLetras->fire();
}

void LauncherTest::layoutMatchesTheDesign()
{
    QCOMPARE(launcher->windowTitle(), QStringLiteral("Zelvo"));
    QCOMPARE(launcher->client()->size(), QSize(500, 379));
    QCOMPARE(launcher->minimumSize(), launcher->maximumSize());

    auto *picture = launcher->findChild<QWidget *>(QStringLiteral("Image1"));
    QCOMPARE(picture->geometry(), QRect(0, 0, 500, 379));

    const QList<int> lefts = {104, 160, 232, 304, 384}; // 1560, 2400, 3480, 4560, 5760 twips
    const QList<QLabel *> labels = letters();
    QCOMPARE(labels.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(labels[i]->text(), QString(QStringLiteral("ZELVO")[i]));
        QCOMPARE(labels[i]->pos(), QPoint(lefts[i], 0));
        QCOMPARE(labels[i]->height(), 73);
        QCOMPARE(labels[i]->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QVERIFY(labels[i]->font().bold());
        QCOMPARE(labels[i]->font().pointSizeF(), 48.0);
        // Above the illustration: later siblings are drawn on top.
        const QObjectList siblings = launcher->client()->children();
        QVERIFY(siblings.indexOf(labels[i]) > siblings.indexOf(picture));
        QVERIFY(!labels[i]->autoFillBackground());
        // A screen reader hears the word, not five loose letters.
        QCOMPARE(QAccessible::queryAccessibleInterface(labels[i])->text(QAccessible::Name),
                 QStringLiteral("Zelvo"));
    }
    QCOMPARE(launcher->tmrLetras->interval(), 500);
}

void LauncherTest::menuHasItsCaptionsAndShortcuts()
{
    const QList<QAction *> top = launcher->menuBar()->actions();
    QCOMPARE(top.size(), 1);
    QCOMPARE(top[0]->text(), QStringLiteral("&Zelvo"));
    const QList<QAction *> items = top[0]->menu()->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[0]->text(), QStringLiteral("&Forca"));
    QCOMPARE(items[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    QCOMPARE(items[1]->text(), QStringLiteral("&Memory"));
    QCOMPARE(items[1]->shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
    QVERIFY(items[2]->isSeparator());
    QCOMPARE(items[3]->text(), QStringLiteral("Sai&r"));
    QCOMPARE(items[3]->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    for (QAction *item : items)
        QVERIFY(item->isEnabled() && item->isVisible() && !item->isChecked());
}

void LauncherTest::titleIsBlankUntilTheFirstTick()
{
    frmZelvo fresh;
    for (int i = 0; i < 5; ++i)
        QVERIFY(fresh.findChild<QLabel *>(QStringLiteral("lblLet%1").arg(i))->isHidden());
    QVERIFY(fresh.tmrLetras->isEnabled());

    QCOMPARE(visibleTitle(), QStringLiteral("....."));
    QVERIFY(launcher->tmrLetras->isEnabled());
}

void LauncherTest::ticksSpellTheTitleThenBlankIt()
{
    const QStringList expected = {
        QStringLiteral("Z...."), QStringLiteral("ZE..."), QStringLiteral("ZEL.."),
        QStringLiteral("ZELV."), QStringLiteral("ZELVO"), QStringLiteral("....."),
        QStringLiteral("Z...."), QStringLiteral("ZE..."),
    };
    const QList<int> beepsAfter = {1, 2, 3, 4, 5, 5, 6, 7};
    for (int i = 0; i < expected.size(); ++i) {
        tick();
        QCOMPARE(visibleTitle(), expected[i]);
        QCOMPARE(beeps, beepsAfter[i]);
    }
}

void LauncherTest::stepTextsOtherThanDigitsDoNothing_data()
{
    QTest::addColumn<QString>("step");
    QTest::newRow("empty, before the first activation") << QString();
    QTest::newRow("leading blank") << QStringLiteral(" 0");
    QTest::newRow("two digits") << QStringLiteral("00");
    QTest::newRow("past the cycle") << QStringLiteral("6");
}

void LauncherTest::stepTextsOtherThanDigitsDoNothing()
{
    QFETCH(QString, step);
    tick(2);
    launcher->Contador = step;
    tick(3);
    QCOMPARE(visibleTitle(), QStringLiteral("ZE..."));
    QCOMPARE(beeps, 2);
    QCOMPARE(launcher->Contador, step);
}

void LauncherTest::activationRestartsFromBlank()
{
    tick(3);
    QCOMPARE(visibleTitle(), QStringLiteral("ZEL.."));
    launcher->Form_Activate();
    QCOMPARE(visibleTitle(), QStringLiteral("....."));
    tick();
    QCOMPARE(visibleTitle(), QStringLiteral("Z...."));
}

// The window system reports focus coming back from another program as an
// activation too; the title must carry on where it was.
void LauncherTest::focusFromAnotherProgramDoesNotRestart()
{
    tick(3);
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(launcher, &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(launcher, &activate);
    QCOMPARE(visibleTitle(), QStringLiteral("ZEL.."));
    tick();
    QCOMPARE(visibleTitle(), QStringLiteral("ZELV."));
}

void LauncherTest::forcaShowsWholeTitleAndStopsTheClock()
{
    tick(2);
    QString titleDuringGame;
    bool timerDuringGame = true;
    int beepsBefore = -1;
    whenModalOpens([&](QWidget *game) {
        titleDuringGame = visibleTitle();
        timerDuringGame = launcher->tmrLetras->isEnabled();
        QCOMPARE(game->objectName(), QStringLiteral("frmForca"));
        QVERIFY(game->isModal());
        beepsBefore = beeps;
        QTest::qWait(1200); // more than two intervals: no tick may come
        QCOMPARE(beeps, beepsBefore);
        QCOMPARE(visibleTitle(), QStringLiteral("ZELVO"));
        game->close();
    });
    launcher->findChild<QAction *>(QStringLiteral("mnuForca"))->trigger();
    QCOMPARE(titleDuringGame, QStringLiteral("ZELVO"));
    QVERIFY(!timerDuringGame);
}

void LauncherTest::memoryFreezesTheTitle()
{
    tick(2);
    whenModalOpens([&](QWidget *game) {
        QCOMPARE(game->objectName(), QStringLiteral("frmMemory"));
        QVERIFY(!launcher->tmrLetras->isEnabled());
        QTest::qWait(1200);
        QCOMPARE(visibleTitle(), QStringLiteral("ZE..."));
        game->close();
    });
    launcher->findChild<QAction *>(QStringLiteral("mnuMemory"))->trigger();
}

void LauncherTest::closingAGameRestartsTheTitle()
{
    for (const QString &menu : {QStringLiteral("mnuForca"), QStringLiteral("mnuMemory")}) {
        tick(3);
        whenModalOpens([](QWidget *game) { game->close(); });
        launcher->findChild<QAction *>(menu)->trigger();
        QCOMPARE(visibleTitle(), QStringLiteral("....."));
        QVERIFY(launcher->tmrLetras->isEnabled());
        QCOMPARE(launcher->Contador, QStringLiteral("0"));
        tick();
        QCOMPARE(visibleTitle(), QStringLiteral("Z...."));
    }
}

// A word typed into the first hangman window must not be there in the second:
// the window is built and loaded again, and the old one is gone.
void LauncherTest::gameWindowIsCreatedAfreshEachTime()
{
    QPointer<QWidget> first;
    whenModalOpens([&](QWidget *game) {
        first = game;
        auto *box = game->findChild<QLineEdit *>(QStringLiteral("txtPalavra"));
        QTest::keyClicks(box, QStringLiteral("CASA"));
        QCOMPARE(box->text(), QStringLiteral("CASA"));
        game->close();
    });
    launcher->findChild<QAction *>(QStringLiteral("mnuForca"))->trigger();
    QTRY_VERIFY(first.isNull());

    QString secondText = QStringLiteral("unset");
    QPoint secondPos;
    whenModalOpens([&](QWidget *game) {
        secondText = game->findChild<QLineEdit *>(QStringLiteral("txtPalavra"))->text();
        const QRect screen = game->screen()->geometry();
        const QRect frame = game->frameGeometry();
        QVERIFY(qAbs((frame.left() - screen.left()) - (screen.right() - frame.right())) <= 1);
        game->close();
    });
    launcher->findChild<QAction *>(QStringLiteral("mnuForca"))->trigger();
    QCOMPARE(secondText, QString());
}

void LauncherTest::sairClosesTheLauncher()
{
    launcher->findChild<QAction *>(QStringLiteral("mnuSair"))->trigger();
    QTRY_VERIFY(launcher.isNull());
}

QTEST_MAIN(LauncherTest)
#include "tst_launcher.moc"
