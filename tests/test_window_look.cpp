// SPDX-License-Identifier: MIT
// The main window alone: its layout, how its controls are drawn, and the keyboard.

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyleHints>
#include <QStyleOptionSlider>
#include <QtTest>

#include "form.h"
#include "ui/caretrest.h"

// Counts a widget's paint events.
class PaintCounter : public QObject {
public:
    PaintCounter(QWidget *widget, int &paints)
        : paints_(paints)
    {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints_;
        return false;
    }

private:
    int &paints_;
};

class WindowLookTest : public QObject {
    Q_OBJECT

private slots:
    void layoutDefaults()
    {
        MainWindow window;
        Form f(window);
        QSignalSpy asked(&window, &MainWindow::setupEdited), started(&window, &MainWindow::startCancelClicked);
        QCOMPARE(f.window.size(), QSize(413, 394));
        QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
        QVERIFY(!(f.window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(f.window.windowTitle().startsWith(QStringLiteral("Somnelle v1.05 ")));
        QCOMPARE(f.window.palette().color(QPalette::Window), QColor(0xA6, 0xCA, 0xF0));

        // A sample of positions from each parent, and the hidden picture holders.
        QCOMPARE(f.startCancelButton->geometry(), QRect(164, 328, 105, 33));
        QCOMPARE(f.exitButton->geometry(), QRect(284, 328, 101, 33));
        QCOMPARE(f.statusBar->geometry(), QRect(0, 375, 413, 19));
        QCOMPARE(f.alarmPanel->geometry(), QRect(20, 211, 373, 101));
        QCOMPARE(f.timerPanel->geometry(), QRect(20, 43, 373, 145));
        QCOMPARE(f.volumeSlider->geometry(), QRect(152, 12, 209, 41));
        QCOMPARE(f.minutesEdit->geometry(), QRect(268, 71, 25, 21));
        QCOMPARE(f.alarmTimeEdit->geometry(), QRect(156, 25, 105, 24));
        QCOMPARE(f.browseButton->geometry(), QRect(320, 60, 38, 33));
        QCOMPARE(f.skyPicture->geometry(), QRect(0, 0, 417, 377));
        QCOMPARE(f.minutesEdit->parentWidget(), f.timerPanel);
        QCOMPARE(f.wakeVolumeEdit->parentWidget(), f.alarmPanel);

        // Layout state before any settings.
        QVERIFY(f.alarmChoice->isChecked());
        QVERIFY(!f.shutdownChoice->isChecked() && !f.suspendChoice->isChecked());
        QCOMPARE(f.minutesEdit->text(), QString());
        QCOMPARE(f.wakeVolumeEdit->text(), QString());
        QCOMPARE(f.startFileEdit->text(), QStringLiteral("europe.mid"));
        QVERIFY(!f.tomorrowCheck->isChecked());
        QCOMPARE(f.alarmTimeEdit->dateTime(), QDateTime(QDate(2006, 6, 13), QTime(10, 21, 48, 560)));
        QCOMPARE(f.alarmTimeEdit->text().left(8), QStringLiteral("10:21:48"));
        QCOMPARE(f.volumeSlider->minimum(), 0);
        QCOMPARE(f.volumeSlider->maximum(), 65535);
        QCOMPARE(f.volumeSlider->value(), 0);
        QCOMPARE(f.volumeReadout->text(), QStringLiteral("Volume: "));
        QCOMPARE(f.statusText(), QString());
        QVERIFY(!f.statusBar->isSizeGripEnabled());
        QCOMPARE(f.openDialog->windowTitle(), QStringLiteral("Open file to start"));
        QCOMPARE(f.contactLink->toolTip(), MainWindow::SupportAddress);
        QCOMPARE(f.contactLink->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(f.startCancelButton->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(f.browseButton->focusPolicy(), Qt::NoFocus);
        // Applying the layout runs no handler.
        QCoreApplication::processEvents();
        QVERIFY(asked.isEmpty() && started.isEmpty());
    }

    void labelsDoNotOverlapTheirNeighbours()
    {
        MainWindow window;
        Form f(window);
        const QList<QPair<QWidget *, QWidget *>> neighbours {
            {f.turnDownLabel, f.forLabel},      {f.forLabel, f.minutesEdit},
            {f.minutesEdit, f.minLabel},        {f.setVolumeLabel, f.wakeVolumeEdit},
            {f.wakeVolumeEdit, f.percentLabel}, {f.startFileLabel, f.startFileEdit},
            {f.wakeUpAtLabel, f.alarmTimeEdit}};
        for (const auto &[left, right] : neighbours)
            QVERIFY2(left->geometry().right() < right->geometry().left(),
                     qPrintable(left->objectName() + QLatin1String(" overlaps ") + right->objectName()));

        // The widest readout ends before the slider's groove begins.
        f.volumeReadout->showPercent(100);
        QStyleOptionSlider option;
        option.initFrom(f.volumeSlider);
        option.orientation = Qt::Horizontal;
        option.minimum = f.volumeSlider->minimum();
        option.maximum = f.volumeSlider->maximum();
        option.tickPosition = f.volumeSlider->tickPosition();
        const QRect groove = f.volumeSlider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                                     QStyle::SC_SliderGroove, f.volumeSlider);
        QVERIFY(f.volumeReadout->geometry().right() < f.volumeSlider->x() + groove.left());

        // The tick marks at both ends stand where the handle's middle rests.
        for (const int value : {0, 65535}) {
            f.volumeSlider->setValue(value);
            option.sliderPosition = option.sliderValue = value;
            const int handle = f.volumeSlider->style()
                                   ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, f.volumeSlider)
                                   .center()
                                   .x();
            const QImage image = f.volumeSlider->grab().toImage();
            int tick = -1, darkest = 256;
            for (int x = 0; x < image.width(); ++x) {
                const int grey = qGray(image.pixel(x, 1));
                if (grey < darkest && (value == 0 ? x < image.width() / 2 : x >= image.width() / 2))
                    darkest = grey, tick = x;
            }
            QVERIFY2(qAbs(tick - handle) <= 1, qPrintable(QStringLiteral("tick %1, handle %2").arg(tick).arg(handle)));
        }
    }

    // The slider repaints only when its handle moves, and then only where it
    // moved, yet what the screen shows is always what a full repaint would draw.
    void sliderOnScreenFollowsItsValue()
    {
        MainWindow window;
        Form f(window);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        int paints = 0;
        PaintCounter counter(f.volumeSlider, paints);
        const QRect area(f.volumeSlider->mapTo(&f.window, QPoint(0, 0)), f.volumeSlider->size());
        const auto compareScreenWithFullDrawing = [&] {
            QCoreApplication::processEvents();
            QCOMPARE(f.window.screen()
                         ->grabWindow(f.window.winId(), area.x(), area.y(), area.width(), area.height())
                         .toImage(),
                     f.window.grab(area).toImage().convertToFormat(QImage::Format_RGB32));
        };
        f.volumeSlider->setValue(40000);
        const int steps = 300;
        for (int step = 0; step < steps; ++step) {
            f.volumeSlider->setValue(40000 - 37 * step);
            QCoreApplication::processEvents();
            if (step % 25 == 0 || step == steps - 1)
                compareScreenWithFullDrawing();
        }
        // 11,100 units over a travel of about 190 pixels: some 32 moves.
        QVERIFY2(paints > 10 && paints < steps / 4, qPrintable(QString::number(paints)));
        // Jumps farther than the handle is wide, as the wheel and the keys make.
        for (const int value : {65535, 0, 30000, 31000}) {
            f.volumeSlider->setValue(value);
            compareScreenWithFullDrawing();
        }
    }

    // Put together from pictures drawn once, the slider looks as the style draws it, in every state.
    void sliderLooksAsTheStyleDrawsIt()
    {
        MainWindow window;
        Form f(window);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QSlider *slider = f.volumeSlider;
        const auto styleDrawn = [slider] {
            QStyleOptionSlider option;
            option.initFrom(slider);
            option.orientation = Qt::Horizontal;
            option.state |= QStyle::State_Horizontal;
            option.minimum = slider->minimum();
            option.maximum = slider->maximum();
            option.sliderPosition = option.sliderValue = slider->value();
            option.tickPosition = slider->tickPosition();
            option.tickInterval = slider->tickInterval();
            option.singleStep = slider->singleStep();
            option.pageStep = slider->pageStep();
            option.subControls = QStyle::SC_All;
            QImage image(slider->size(), QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&image);
            painter.fillRect(image.rect(), slider->palette().brush(slider->backgroundRole()));
            slider->style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, slider);
            return image;
        };
        const auto differenceFrom = [slider](const QImage &expected) {
            const QImage shown = slider->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            int most = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) {
                    const QRgb a = shown.pixel(x, y), b = expected.pixel(x, y);
                    most = std::max(
                        {most, qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
                }
            return most;
        };
        const std::function<void()> states[] = {
            [] {},
            [slider] {
                slider->setFocus();
                QTRY_VERIFY(slider->hasFocus());
            },
            [slider] { slider->setEnabled(false); },
        };
        for (const auto &enterState : states) {
            enterState();
            for (const int value : {0, 1, 300, 20000, 32768, 65000, 65535}) {
                slider->setValue(value);
                // Fusion's tick marks come out darker the first time it fills its groove cache: the second drawing is
                // the settled one. Blending a picture drawn apart may round a colour by a unit.
                styleDrawn();
                const int difference = differenceFrom(styleDrawn());
                QVERIFY2(difference <= 2, qPrintable(QStringLiteral("value %1: %2").arg(value).arg(difference)));
            }
        }
    }

    // While a session runs the readout shows pictures, drawn ten percents at a time, exactly as the label draws
    // each text, and draws them again when its look changes.
    void readoutShowsPicturesOfTheLabelsOwnDrawing()
    {
        MainWindow window;
        Form f(window);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        VolumeReadout *readout = f.volumeReadout;
        const auto labelDrawn = [readout](quint8 percent) {
            readout->keepPictures(false);
            readout->showPercent(percent);
            return readout->grab().toImage();
        };
        const quint8 fading[] = {100, 99, 91, 90, 37, 36, 28, 27, 1, 0};
        QMap<quint8, QImage> expected;
        for (const quint8 percent : fading)
            expected[percent] = labelDrawn(percent);
        readout->keepPictures(true);
        for (const quint8 percent : fading) {
            readout->showPercent(percent);
            QCOMPARE(readout->grab().toImage(), expected[percent]);
        }

        // The picture is what shows: a text set past showPercent is not drawn.
        readout->showPercent(37);
        static_cast<QLabel *>(readout)->setText(QStringLiteral("Volume: 99 %"));
        QCOMPARE(readout->grab().toImage(), expected[37]);

        QPalette dark = readout->palette();
        dark.setColor(QPalette::Window, Qt::darkBlue);
        dark.setColor(QPalette::WindowText, Qt::yellow);
        readout->setPalette(dark);
        readout->showPercent(36);
        const QImage darkShown = readout->grab().toImage();
        QVERIFY(darkShown != expected[36]);
        QCOMPARE(darkShown, labelDrawn(36));
    }

    void caretRestsWithoutInputAndBlinksAgainOnIt()
    {
        const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
        QVERIFY(flashTime > 0);
        QLineEdit field;
        CaretRest rest(1500);
        field.show();
        field.activateWindow();
        field.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&field));
        int paints = 0;
        PaintCounter counter(&field, paints);
        // Blinking; on a loaded machine a blink may come late, but before the rest.
        QTest::qWait(1100);
        QTRY_VERIFY_WITH_TIMEOUT(paints >= 2, 350);
        QTest::qWait(500);
        paints = 0;
        QTest::qWait(1200);
        QCOMPARE(paints, 0);
        QTest::keyClick(&field, Qt::Key_A);
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), flashTime);
        paints = 0;
        QTRY_VERIFY_WITH_TIMEOUT(paints >= 2, 1400);
    }

    void accessibleNames()
    {
        MainWindow window;
        Form f(window);
        QCOMPARE(f.startCancelButton->accessibleName(), QStringLiteral("Start"));
        QCOMPARE(f.exitButton->accessibleName(), QStringLiteral("Exit"));
        QCOMPARE(f.browseButton->accessibleName(), QStringLiteral("Browse"));

        for (QWidget *field : {static_cast<QWidget *>(f.minutesEdit), static_cast<QWidget *>(f.startFileEdit),
                               static_cast<QWidget *>(f.wakeVolumeEdit), static_cast<QWidget *>(f.volumeSlider),
                               static_cast<QWidget *>(f.alarmTimeEdit)})
            QVERIFY(!field->accessibleName().isEmpty());
    }

    void tabOrder()
    {
        MainWindow window;
        Form f(window);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        // The first enabled control takes the focus on activation.
        QCOMPARE(QApplication::focusWidget(), f.minutesEdit);
        QList<QWidget *> visited;
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        // Only the checked choice ("Alarm mode") is a tab stop; Start and Exit come last.
        QCOMPARE(
            visited,
            QList<QWidget *>({f.trackCheck, f.volumeSlider, f.alarmChoice, f.alarmTimeEdit, f.startFileEdit,
                              f.tomorrowCheck, f.wakeVolumeEdit, f.sleepCheck, f.startCancelButton, f.exitButton}));
        // Focused, Return and Space press them: Start, then Cancel.
        f.minutesEdit->setText(QStringLiteral("5"));
        f.wakeVolumeEdit->setText(QStringLiteral("40"));
        QSignalSpy started(&window, &MainWindow::startCancelClicked), exited(&window, &MainWindow::exitClicked);
        QTest::keyClick(f.startCancelButton, Qt::Key_Return);
        QTRY_COMPARE(started.size(), 1);
        QTest::keyClick(f.startCancelButton, Qt::Key_Space);
        QTRY_COMPARE(started.size(), 2);
        QTest::keyClick(f.exitButton, Qt::Key_Enter);
        QTRY_COMPARE(exited.size(), 1);
    }

    void keyboardAndWheelOnTheControls()
    {
        MainWindow window;
        Form f(window);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        // The wheel over the time picker is the volume's, and the time stays.
        const QDateTime alarm = f.alarmTimeEdit->dateTime();
        QSignalSpy turned(&window, &MainWindow::wheelTurned), opened(&window, &MainWindow::linkActivated);
        QWheelEvent up(QPointF(5, 5), f.alarmTimeEdit->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.alarmTimeEdit, &up);
        QCOMPARE(turned.size(), 1);
        QCOMPARE(f.alarmTimeEdit->dateTime(), alarm);

        // Keys step the slider like the wheel, Page keys by a tenth.
        f.volumeSlider->setValue(30000);
        const std::pair<Qt::Key, int> steps[]
            = {{Qt::Key_Right, 31000}, {Qt::Key_Left, 30000},  {Qt::Key_PageUp, 36554},
               {Qt::Key_End, 65535},   {Qt::Key_Right, 65535}, {Qt::Key_Home, 0}};
        for (const auto &[key, value] : steps) {
            QTest::keyClick(f.volumeSlider, key);
            QCOMPARE(f.volumeSlider->value(), value);
        }

        // The picker wraps round like a clock.
        f.alarmTimeEdit->setTime(QTime(23, 59, 0));
        f.alarmTimeEdit->setCurrentSection(QDateTimeEdit::HourSection);
        f.alarmTimeEdit->stepBy(1);
        f.alarmTimeEdit->setCurrentSection(QDateTimeEdit::MinuteSection);
        f.alarmTimeEdit->stepBy(1);
        QCOMPARE(f.alarmTimeEdit->time(), QTime(0, 0, 0));

        // Only a left click opens the contact link.
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
            QTest::mouseClick(f.contactLink, button, {}, QPoint(3, 3));
        QVERIFY(opened.isEmpty());
    }
};

QTEST_MAIN(WindowLookTest)
#include "test_window_look.moc"
