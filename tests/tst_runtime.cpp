// The runtime layer the three windows stand on: twips, centring, timers,
// message boxes, the random draw, pictures and the settings file.

#include "form.h"
#include "image.h"
#include "msgbox.h"
#include "settings.h"
#include "svgdrawing.h"
#include "system.h"
#include "testsupport.h"
#include "timer.h"
#include "twips.h"

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

class RuntimeTest : public QObject
{
    Q_OBJECT

private slots:
    void twipsRoundToNearestPixel_data();
    void twipsRoundToNearestPixel();
    void touchingControlsStillTouch();
    void centringKeepsHalvesAndNegatives_data();
    void centringKeepsHalvesAndNegatives();
    void fixedWindowHasExactClientAndCannotResize();
    void sizableWindowOpensAtClientSize();
    void centredWindowSitsInTheMiddle();
    void timerTicksOnlyWhileEnabled();
    void enablingARunningTimerRestartsItsInterval();
    void timerSwitchedOnByALateTickMakesUpTheDelay();
    void timerThatFallsBehindKeepsItsBeat();
    void fixedDrawTakesFloorOfRTimesN_data();
    void fixedDrawTakesFloorOfRTimesN();
    void clockSeededDrawCoversEveryValue();
    void beepCanBeHeardByATest();
    void untitledBoxCarriesProgramTitle();
    void realBoxOffersSimAndNao();
    void pictureTakesItsNaturalSize();
    void pictureClicksOnlyOnReleaseInside();
    void picturesDrawnAheadAreTheirSvgDrawn();
    void binaryValuesInTheSettingsFileReadAsText_data();
    void binaryValuesInTheSettingsFileReadAsText();
};

void RuntimeTest::twipsRoundToNearestPixel_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("launcher width") << 7500 << 500;
    QTest::newRow("launcher height") << 5685 << 379;
    QTest::newRow("a third below half") << 610 << 41;
    QTest::newRow("a third above whole") << 1370 << 91;
    QTest::newRow("exact half rounds up") << 7 + 15 * 2 + 1 << 3;
    QTest::newRow("negative") << -1370 << -91;
    QTest::newRow("zero") << 0 << 0;
}

void RuntimeTest::twipsRoundToNearestPixel()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(Twips::toPixels(twips), pixels);
}

// Converting each edge, not each size, keeps designed neighbours flush even
// where the design's values fall between pixels.
void RuntimeTest::touchingControlsStillTouch()
{
    const QRect arm = Twips::toPixels(610, 1650, 255, 615);
    const QRect torso = Twips::toPixels(865, 1650, 505, 645);
    QCOMPARE(arm.right() + 1, torso.left());

    const QRect pad0 = Twips::toPixels(840, 1080, 2250, 2250);
    const QRect pad1 = Twips::toPixels(3090, 1080, 2250, 2250);
    const QRect pad3 = Twips::toPixels(840, 3330, 2250, 2250);
    QCOMPARE(pad0.right() + 1, pad1.left());
    QCOMPARE(pad0.bottom() + 1, pad3.top());
    QCOMPARE(pad0.size(), QSize(150, 150));
}

void RuntimeTest::centringKeepsHalvesAndNegatives_data()
{
    QTest::addColumn<QSizeF>("screen");
    QTest::addColumn<QSizeF>("window");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("even") << QSizeF(15360, 11520) << QSizeF(7530, 6285) << QPointF(3915, 2617.5);
    QTest::newRow("odd difference lands on a half twip")
        << QSizeF(100, 100) << QSizeF(1, 0) << QPointF(49.5, 50);
    QTest::newRow("wider than the screen")
        << QSizeF(1000, 1000) << QSizeF(1501, 3000) << QPointF(-250.5, -1000);
    QTest::newRow("same size") << QSizeF(4500, 4500) << QSizeF(4500, 4500) << QPointF(0, 0);
}

void RuntimeTest::centringKeepsHalvesAndNegatives()
{
    QFETCH(QSizeF, screen);
    QFETCH(QSizeF, window);
    QFETCH(QPointF, expected);
    QCOMPARE(centredPosition(screen, window), expected);
}

void RuntimeTest::fixedWindowHasExactClientAndCannotResize()
{
    Form form(QStringLiteral("Fixa"), 7500, 5685, Form::Border::FixedSingle);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.client()->size(), QSize(500, 379));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
}

void RuntimeTest::sizableWindowOpensAtClientSize()
{
    Form form(QStringLiteral("Livre"), 6585, 4860, Form::Border::Sizable);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.client()->size(), QSize(439, 324));
    QVERIFY(form.minimumSize() != form.maximumSize());
}

void RuntimeTest::centredWindowSitsInTheMiddle()
{
    Form form(QStringLiteral("Centro"), 6420, 6390, Form::Border::FixedSingle);
    form.centreOnScreen();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect screen = form.screen()->geometry();
    const QRect frame = form.frameGeometry();
    QVERIFY(qAbs(frame.left() - screen.left() - (screen.right() - frame.right())) <= 1);
    QVERIFY(qAbs(frame.top() - screen.top() - (screen.bottom() - frame.bottom())) <= 1);
}

void RuntimeTest::timerTicksOnlyWhileEnabled()
{
    Timer timer(150, false, nullptr);
    QSignalSpy ticks(&timer, &Timer::tick);
    QCOMPARE(timer.interval(), 150);
    timer.fire();
    QCOMPARE(ticks.count(), 0);
    timer.setEnabled(true);
    timer.fire();
    QCOMPARE(ticks.count(), 1);
    QVERIFY(ticks.wait(1000)); // and it ticks by itself
    timer.setEnabled(false);
    QVERIFY(!ticks.wait(400));
}

void RuntimeTest::enablingARunningTimerRestartsItsInterval()
{
    Timer timer(300, true, nullptr);
    QSignalSpy ticks(&timer, &Timer::tick);
    QTest::qWait(200);
    timer.setEnabled(true);
    QTest::qWait(200); // 400 ms after the first start, 200 ms after the second
    QCOMPARE(ticks.count(), 0);
    QVERIFY(ticks.wait(1000));
}

// Pads pass from one timer to the other at every step; a late tick must not
// push the whole rest of the sequence later.
void RuntimeTest::timerSwitchedOnByALateTickMakesUpTheDelay()
{
    Timer first(20, true, nullptr);
    Timer second(1000, false, nullptr);
    int remaining = -1;
    connect(&first, &Timer::tick, [&] {
        first.setEnabled(false);
        QThread::msleep(100); // and the handler is slow to switch
        second.setEnabled(true);
        remaining = second.remainingTime();
    });
    QThread::msleep(220); // the first tick is now 200 ms late
    QTRY_VERIFY(remaining >= 0);
    QVERIFY2(remaining < 760, qPrintable(QString::number(remaining)));

    // Switched on outside a tick, a timer waits its whole interval.
    second.setEnabled(false);
    second.setEnabled(true);
    QVERIFY(second.remainingTime() > 900);
}

// The title ticks on a fixed beat: a tick held up by a busy handler is followed
// by the next one on the beat, not a whole interval after the late one.
void RuntimeTest::timerThatFallsBehindKeepsItsBeat()
{
    Timer timer(100, true, nullptr);
    QList<int> remaining;
    connect(&timer, &Timer::tick, [&] {
        if (remaining.isEmpty())
            QThread::msleep(250); // the next tick, due 100 ms on, comes 150 ms late
        remaining.append(timer.remainingTime());
        // Stopped here: a test slowed by a busy machine may look in only
        // after ticks that came on time.
        if (remaining.size() == 2)
            timer.setEnabled(false);
    });
    QTRY_COMPARE(remaining.size(), 2);
    // The late tick is due at 200 ms and came at 350: the next is due at 400.
    QVERIFY2(remaining[1] < 75, qPrintable(QString::number(remaining[1])));
}

void RuntimeTest::fixedDrawTakesFloorOfRTimesN_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero") << 0.0f << 13 << 0;
    QTest::newRow("just below a step") << 0.2499f << 4 << 0;
    QTest::newRow("on a step") << 0.25f << 4 << 1;
    QTest::newRow("largest r") << 1.0f - 1.0f / 16777216.0f << 13 << 12;
    QTest::newRow("middle word") << 6.5f / 13.0f << 13 << 6;
}

void RuntimeTest::fixedDrawTakesFloorOfRTimesN()
{
    QFETCH(float, r);
    QFETCH(int, n);
    QFETCH(int, expected);
    System::setRandomSource([r] { return r; });
    QCOMPARE(System::randomIndex(n), expected);
    System::setRandomSource({});
}

void RuntimeTest::clockSeededDrawCoversEveryValue()
{
    QList<int> seen(13, 0);
    for (int i = 0; i < 2000; ++i) {
        const int value = System::randomIndex(13);
        QVERIFY(value >= 0 && value < 13);
        ++seen[value];
    }
    // Each value is expected about 154 times; a reseeding fault (the same seed
    // twice) or a bias shows up as a value never or rarely drawn.
    for (int count : seen)
        QVERIFY2(count > 60, qPrintable(QString::number(count)));
}

void RuntimeTest::beepCanBeHeardByATest()
{
    int beeps = 0;
    System::setBeepHook([&beeps] { ++beeps; });
    System::beep();
    System::beep();
    System::setBeepHook({});
    QCOMPARE(beeps, 2);
}

void RuntimeTest::untitledBoxCarriesProgramTitle()
{
    MsgBoxAnswers answers(MsgBox::No);
    answers.queue({MsgBox::Yes});
    QCOMPARE(MsgBox::show(QStringLiteral("Olá"), MsgBox::YesNo + MsgBox::Information),
             int(MsgBox::Yes));
    QCOMPARE(MsgBox::show(QStringLiteral("De novo"), MsgBox::OKOnly, QStringLiteral("Outro")),
             int(MsgBox::No));
    QCOMPARE(answers.asked.size(), 2);
    QCOMPARE(answers.asked[0].title, QStringLiteral("Zelvo"));
    QCOMPARE(answers.asked[0].buttons, 68);
    QCOMPARE(answers.asked[1].title, QStringLiteral("Outro"));
}

// The real box, answered by clicking its button as a player would.
void RuntimeTest::realBoxOffersSimAndNao()
{
    QStringList captions;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            captions << button->text();
        for (QAbstractButton *button : box->buttons())
            if (button->text() == QLatin1String("&Sim"))
                button->click();
    });
    const int answer = MsgBox::show(QStringLiteral("Sair?"), MsgBox::YesNo + MsgBox::Information);
    QCOMPARE(answer, int(MsgBox::Yes));
    QCOMPARE(title, QStringLiteral("Zelvo"));
    QCOMPARE(icon, QMessageBox::Information);
    captions.sort();
    QCOMPARE(captions, QStringList({QStringLiteral("&Não"), QStringLiteral("&Sim")}));

    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        icon = box->icon();
        box->buttons().constFirst()->click();
    });
    QCOMPARE(MsgBox::show(QStringLiteral("Erro"), MsgBox::OKOnly + MsgBox::Critical),
             int(MsgBox::OK));
    QCOMPARE(icon, QMessageBox::Critical);
}

void RuntimeTest::pictureTakesItsNaturalSize()
{
    QWidget parent;
    Image natural(QStringLiteral(":/pictures/zelvo.svg"), Image::Fit::Natural, &parent);
    QCOMPARE(natural.size(), QSize(500, 379));
    QCOMPARE(QAccessible::queryAccessibleInterface(&natural)->role(), QAccessible::Graphic);
    Image stretched(QStringLiteral(":/pictures/memory-clara0.svg"), Image::Fit::Stretch, &parent);
    stretched.resize(40, 20);
    QCOMPARE(stretched.size(), QSize(40, 20));

    // Rendered, not left blank: the illustration covers every pixel.
    parent.resize(500, 379);
    const QImage shot = natural.grab().toImage();
    QCOMPARE(shot.pixelColor(0, 0).alpha(), 255);
    QCOMPARE(shot.pixelColor(499, 378).alpha(), 255);
}

void RuntimeTest::pictureClicksOnlyOnReleaseInside()
{
    QWidget parent;
    Image pad(QStringLiteral(":/pictures/memory-escura0.svg"), Image::Fit::Natural, &parent);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy clicks(&pad, &Image::clicked);

    QTest::mouseClick(&pad, Qt::LeftButton, {}, QPoint(75, 75));
    QCOMPARE(clicks.count(), 1);

    QTest::mousePress(&pad, Qt::LeftButton, {}, QPoint(75, 75));
    QTest::mouseRelease(&pad, Qt::LeftButton, {}, QPoint(200, 75));
    QCOMPARE(clicks.count(), 1);

    QTest::mouseClick(&pad, Qt::RightButton, {}, QPoint(75, 75));
    QCOMPARE(clicks.count(), 1);
}

// The build draws every picture ahead at the common pixel ratios; each bitmap
// must be exactly what the program would draw from the SVG at that size.
void RuntimeTest::picturesDrawnAheadAreTheirSvgDrawn()
{
    const QStringList names = QDir(QStringLiteral(":/pictures")).entryList();
    QVERIFY(names.contains(QStringLiteral("zelvo.svg")));
    for (const QString &name : names) {
        const QString source = QStringLiteral(":/pictures/") + name;
        const QSize natural = svgSize(source);
        const QList<QSize> sizes = Image::icon(source).availableSizes();
        QCOMPARE(sizes.size(), 4);
        for (qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
            const QSize pixels = (QSizeF(natural) * ratio).toSize();
            QVERIFY2(sizes.contains(pixels), qPrintable(name));
            const QImage ahead = Image::icon(source).pixmap(pixels).toImage().convertToFormat(
                QImage::Format_ARGB32_Premultiplied);
            QVERIFY2(ahead == drawSvg(source, pixels),
                     qPrintable(QStringLiteral("%1 at %2x").arg(name).arg(ratio)));
        }
    }
}

void RuntimeTest::binaryValuesInTheSettingsFileReadAsText_data()
{
    QTest::addColumn<QByteArray>("valor");
    QTest::addColumn<QString>("lido");
    QTest::addColumn<bool>("reescrito");

    // A list of four billion items in eleven bytes, spelt every way the
    // reader would still decode it.
    QTest::newRow("plain") << QByteArray(R"(@Variant(\0\0\0\t\0\xff\xff\xff\xfe))")
                           << QStringLiteral("@Variant(") << true;
    QTest::newRow("escaped @") << QByteArray(R"(\x40Variant(\0\0\0\t\0\xff\xff\xff\xfe))")
                               << QStringLiteral("@Variant(") << true;
    QTest::newRow("quoted, after a dropped escape")
        << QByteArray(R"(\z"@"  Variant(\0\0\0\t\0\xff\xff\xff\xfe))")
        << QStringLiteral("@Variant(") << true;
    QTest::newRow("over two lines")
        << QByteArray("@\\\r\nVariant(\\0\\0\\0\\t\\0\\xff\\xff\\xff\\xfe)")
        << QStringLiteral("@Variant(") << true;
    QTest::newRow("date in a list") << QByteArray(R"(a, @DateTime(\0\0\0\t\0\xff\xff\xff\xfe))")
                                    << QStringLiteral("a|@DateTime(") << true;
    // What the program or a player wrote stays as it was.
    QTest::newRow("doubled @") << QByteArray("@@Variant(x)") << QStringLiteral("@Variant(x)")
                               << false;
    QTest::newRow("@ inside a name")
        << QByteArray("ana@Variant(x)") << QStringLiteral("ana@Variant(x)") << false;
    QTest::newRow("other @ forms") << QByteArray("@Size(3 4)") << QString() << false;
}

void RuntimeTest::binaryValuesInTheSettingsFileReadAsText()
{
    QFETCH(QByteArray, valor);
    QFETCH(QString, lido);
    QFETCH(bool, reescrito);

    const QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("Zelvo.conf"));
    const QByteArray texto = "[memory]\nnome=Bia\nk=" + valor + "\nfim=1\n";
    {
        QFile file(arquivo);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(texto);
    }
    Settings::setFileForTesting(arquivo);
    const auto settings = Settings::open();
    Settings::setFileForTesting({});

    const QVariant v = settings->value(QStringLiteral("memory/k"));
    if (lido.isEmpty()) {
        QCOMPARE(v.typeId(), QMetaType::QSize);
    } else {
        const QStringList itens = v.toStringList();
        QVERIFY2(v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QStringList,
                 v.typeName());
        QVERIFY2(itens.join(QLatin1Char('|')).startsWith(lido), qPrintable(itens.join('|')));
    }
    // The values around it are untouched.
    QCOMPARE(settings->value(QStringLiteral("memory/nome")).toString(), QStringLiteral("Bia"));
    QCOMPARE(settings->value(QStringLiteral("memory/fim")).toInt(), 1);
    QFile file(arquivo);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll() != texto, reescrito);
}

QTEST_MAIN(RuntimeTest)
#include "tst_runtime.moc"
