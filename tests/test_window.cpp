// SPDX-License-Identifier: MIT
// The main window: layout, start-up events and the control rules.

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QStyleHints>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QStatusBar>
#include <QTemporaryFile>
#include <QTimer>
#include <QtTest>

#include "windowrig.h"
#include "ui/caretrest.h"
#include "ui/picturebutton.h"
#include "ui/pictures.h"
#include "ui/mainwindow.h"

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

class WindowTest : public QObject {
    Q_OBJECT

    using Window = WindowRig;

    static QColor fieldColour(const QLineEdit *field) { return field->palette().color(QPalette::Base); }
    static QList<QWidget *> alarmGroup(TestWindow &f)
    {
        return {f.alarmPanel,     f.alarmTimeEdit,  f.tomorrowCheck, f.startFileEdit, f.wakeUpAtLabel,
                f.startFileLabel, f.setVolumeLabel, f.percentLabel,  f.wakeVolumeEdit};
    }
    static bool allEnabled(const QList<QWidget *> &widgets, bool enabled)
    {
        for (QWidget *w : widgets)
            if (w->isEnabled() != enabled)
                return false;
        return true;
    }

private slots:
    void layoutDefaults()
    {
        Window w;
        TestWindow &f = w.form;
        QCOMPARE(f.size(), QSize(413, 394));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(f.windowTitle().startsWith(QStringLiteral("Somnelle v1.05 ")));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(0xA6, 0xCA, 0xF0));

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
        QCOMPARE(f.findChild<QFileDialog *>(QStringLiteral("OpenDialog1"))->windowTitle(),
                 QStringLiteral("Open file to start"));
        QCOMPARE(f.contactLink->toolTip(), MainWindow::SupportAddress);
        QCOMPARE(f.contactLink->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(f.startCancelButton->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(f.browseButton->focusPolicy(), Qt::NoFocus);
        // Applying the layout runs no handler.
        QVERIFY(w.calls.isEmpty());
    }

    void labelsDoNotOverlapTheirNeighbours()
    {
        Window w;
        TestWindow &f = w.form;
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

    void startUpOrder()
    {
        Window w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QCOMPARE(w.calls, QStringList({"opening", "firstActivated"}));

        // Hiding, showing and activating again runs neither loadAtShow nor activateOnce.
        w.form.hide();
        w.form.show();
        w.form.activateWindow();
        QTest::qWait(50);
        QCOMPARE(w.calls.size(), 2);
    }

    void setupGroupOperations()
    {
        Window w;
        TestWindow &f = w.form;
        const QList<QWidget *> setup {f.volumeSlider, f.shutdownChoice, f.suspendChoice,
                                      f.alarmChoice,  f.minutesEdit,    f.contactLink};

        f.setStatusText(QStringLiteral("Set timer"));
        f.setRunning(true);
        QVERIFY(allEnabled(setup, false));
        QVERIFY(allEnabled(alarmGroup(f), false));
        QCOMPARE(f.statusText(), QString());
        // Start/Cancel, Exit and the readout work in every state.
        QVERIFY(f.startCancelButton->isEnabled() && f.exitButton->isEnabled() && f.timerPanel->isEnabled());

        f.setRunning(false);
        QVERIFY(allEnabled(setup, true));
        QVERIFY(allEnabled(alarmGroup(f), true));

        // After a session in "Shutdown" the alarm group stays disabled.
        f.shutdownChoice->setChecked(true);
        f.setRunning(true);
        f.setRunning(false);
        QVERIFY(allEnabled(setup, true));
        QVERIFY(allEnabled(alarmGroup(f), false));
    }

    void alarmGroupColoursAndStatus()
    {
        Window w;
        TestWindow &f = w.form;
        // The alarm group enabled: both fields white, the status kept; disabled: the status cleared too.
        for (QRadioButton *choice : {f.shutdownChoice, f.alarmChoice}) {
            f.markMinutesMissing();
            f.markWakeUpPercentMissing();
            f.setStatusText(QStringLiteral("Set volume"));
            choice->setChecked(true);
            QCOMPARE(fieldColour(f.minutesEdit), QColor(Qt::white));
            QCOMPARE(fieldColour(f.wakeVolumeEdit), QColor(Qt::white));
            QCOMPARE(f.statusText(), choice == f.alarmChoice ? QStringLiteral("Set volume") : QString());
        }
    }

    void choiceRules()
    {
        Window w;
        TestWindow &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));

        // Clicking the choice already checked runs no rule: the status stays.
        f.setStatusText(QStringLiteral("Set timer"));
        f.markMinutesMissing();
        QTest::mouseClick(f.alarmChoice, Qt::LeftButton);
        QCOMPARE(f.statusText(), QStringLiteral("Set timer"));
        QCOMPARE(fieldColour(f.minutesEdit), MainWindow::Fuchsia);

        // "Shutdown" greys the alarm group, blocks browse, clears the status, whitens both fields.
        QTest::mouseClick(f.shutdownChoice, Qt::LeftButton);
        QVERIFY(f.shutdownChoice->isChecked() && !f.alarmChoice->isChecked());
        QVERIFY(allEnabled(alarmGroup(f), false));
        QVERIFY(!f.browseButton->isEnabledTo(&f) || !f.alarmPanel->isEnabled());
        QCOMPARE(f.statusText(), QString());
        QCOMPARE(fieldColour(f.minutesEdit), QColor(Qt::white));

        // "Alarm mode" enables the group again and leaves the status alone.
        f.setStatusText(QStringLiteral("Set timer"));
        QTest::mouseClick(f.alarmChoice, Qt::LeftButton);
        QVERIFY(allEnabled(alarmGroup(f), true));
        QCOMPARE(f.statusText(), QStringLiteral("Set timer"));

        // Code that checks a choice runs its rule too.
        f.suspendChoice->setChecked(true);
        QVERIFY(allEnabled(alarmGroup(f), false));
        QVERIFY(!f.alarmChoice->isChecked());
    }

    void digitFilters_data()
    {
        QTest::addColumn<int>("field");
        QTest::newRow("minutes") << 1;
        QTest::newRow("wake-up volume") << 3;
    }

    void digitFilters()
    {
        QFETCH(int, field);
        Window w;
        TestWindow &f = w.form;
        QLineEdit *edit = field == 1 ? f.minutesEdit : f.wakeVolumeEdit;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        edit->setFocus();

        // A letter is dropped but still clears the fuchsia mark; the status text stays.
        if (edit == f.minutesEdit)
            f.markMinutesMissing();
        else
            f.markWakeUpPercentMissing();
        f.setStatusText(QStringLiteral("Set timer"));
        QTest::keyClick(edit, Qt::Key_A);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(fieldColour(edit), QColor(Qt::white));
        QCOMPARE(f.statusText(), QStringLiteral("Set timer"));

        QTest::keyClicks(edit, QStringLiteral("4x -5"));
        QCOMPARE(edit->text(), QStringLiteral("45"));
        // A third digit is refused by the two-character limit.
        QTest::keyClick(edit, Qt::Key_7);
        QCOMPARE(edit->text(), QStringLiteral("45"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("4"));

        // The clipboard shortcuts are characters too, and are dropped.
        QGuiApplication::clipboard()->setText(QStringLiteral("9"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("4"));
        // Pasting through the menu is not filtered, but the limit holds.
        edit->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("ab7"));
        edit->paste();
        QVERIFY(edit->text().size() <= 2);

        // Text put there by code is not limited.
        edit->setText(QStringLiteral("120"));
        QCOMPARE(edit->text(), QStringLiteral("120"));
    }

    void startFileTooltipFollowsText()
    {
        Window w;
        TestWindow &f = w.form;
        QCOMPARE(f.startFileEdit->toolTip(), QString());
        f.startFileEdit->setText(QStringLiteral("/home/me/Music/a rather long name.ogg"));
        QTest::mouseMove(f.startFileEdit, QPoint(5, 5));
        QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), f.startFileEdit->mapToGlobal(QPointF(6, 6)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.startFileEdit, &move);
        QCOMPARE(f.startFileEdit->toolTip(), QStringLiteral("/home/me/Music/a rather long name.ogg"));
    }

    // Whether the computer can wake itself is asked again each time the box's hint shows.
    void sleepBoxHintFollowsTheWakeRoute()
    {
        Window w;
        TestWindow &f = w.form;
        f.alarmChoice->setChecked(true);
        f.sleepCheck->setChecked(true);
        QVERIFY(f.sleepCheck->toolTip().startsWith(QStringLiteral("This computer can wake itself")));
        w.wake.route = WakeAlarm::Route::None;
        QHelpEvent hint(QEvent::ToolTip, QPoint(5, 5), f.sleepCheck->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(f.sleepCheck, &hint);
        QVERIFY(f.sleepCheck->toolTip().startsWith(QStringLiteral("This computer cannot wake itself")));
    }

    void contactLink()
    {
        Window w;
        TestWindow &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));

        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), f.contactLink->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.contactLink, &move);
        QCOMPARE(f.contactLink->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(f.contactLink, &leave);
        QCOMPARE(f.contactLink->palette().color(QPalette::WindowText), MainWindow::DesktopColour);

        QTest::mouseClick(f.contactLink, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(w.shell.opened, QList<QUrl>({QUrl(QStringLiteral("mailto:support@somnelle.org"))}));

        // During a session the link is part of the disabled setup controls.
        f.setRunning(true);
        QTest::mouseClick(f.contactLink, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(w.shell.opened.size(), 1);
    }

    void browseKeepsTextWhenCancelled()
    {
        Window w;
        TestWindow &f = w.form;
        auto *dialog = f.findChild<QFileDialog *>(QStringLiteral("OpenDialog1"));
        const auto browse = [&f] { f.browseButton->click(); };
        QTimer::singleShot(0, dialog, &QDialog::reject);
        browse();
        QCOMPARE(f.startFileEdit->text(), QStringLiteral("europe.mid"));

        QTemporaryFile tune(QDir::tempPath() + QStringLiteral("/tune-XXXXXX.mid"));
        QVERIFY(tune.open());
        QTimer::singleShot(0, dialog, [&, dialog] {
            // Type the name into the dialog, as a user would, and press Open.
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(tune.fileName());
            QTest::keyClick(name, Qt::Key_Return);
        });
        browse();
        QCOMPARE(f.startFileEdit->text(), QFileInfo(tune.fileName()).absoluteFilePath());

        // A name that does not exist yet is taken as it stands.
        const QString later = QDir::tempPath() + QStringLiteral("/not-there-yet.mid");
        QTimer::singleShot(0, dialog, [&, dialog] {
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            name->setText(later);
            QTest::keyClick(name, Qt::Key_Return);
        });
        browse();
        QCOMPARE(f.startFileEdit->text(), later);
    }

    void buttonsForwardAndExit()
    {
        Window w;
        TestWindow &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        w.calls.clear();
        // Start with the fields as they stand: the new window's lack the minutes and the volume.
        QTest::mouseClick(f.startCancelButton, Qt::LeftButton);
        QCOMPARE(f.statusText(), QStringLiteral("Set volume"));
        QCOMPARE(fieldColour(f.minutesEdit), MainWindow::Fuchsia);
        QCOMPARE(fieldColour(f.wakeVolumeEdit), MainWindow::Fuchsia);
        QVERIFY(w.calls.isEmpty());
        QTest::mouseClick(f.exitButton, Qt::LeftButton);
        QCOMPARE(w.calls, QStringList({"exit"}));
    }

    void sliderChangesAndWheel()
    {
        Window w;
        TestWindow &f = w.form;
        f.volumeSlider->setValue(1234);
        f.volumeSlider->setValue(1234); // no change, nothing to set

        // Wheel notches over the window, and over the slider, are whole steps of the volume.
        QWheelEvent up(QPointF(5, 5), f.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 240), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&f, &up);
        QWheelEvent halfDown(QPointF(5, 5), f.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -60), Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&f, &halfDown);
        QApplication::sendEvent(&f, &halfDown);
        QCOMPARE(w.mixer.writes, QList<quint16>({1234, 2234, 3234, 2234}));
        // The slider shows the level, moved without taking it for the user's move.
        QCOMPARE(f.volumeSlider->value(), 2234);
        QCOMPARE(f.volumeReadout->text(), QStringLiteral("Volume: 3 %"));
    }

    // The slider repaints only when its handle moves, and then only where it
    // moved, yet what the screen shows is always what a full repaint would draw.
    void sliderOnScreenFollowsItsValue()
    {
        Window w;
        TestWindow &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        int paints = 0;
        PaintCounter counter(f.volumeSlider, paints);
        const QRect area(f.volumeSlider->mapTo(&f, QPoint(0, 0)), f.volumeSlider->size());
        const auto compareScreenWithFullDrawing = [&] {
            QCoreApplication::processEvents();
            QCOMPARE(f.screen()->grabWindow(f.winId(), area.x(), area.y(), area.width(), area.height()).toImage(),
                     f.grab(area).toImage().convertToFormat(QImage::Format_RGB32));
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
        Window w;
        TestWindow &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
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
        Window w;
        TestWindow &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
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
        QTest::qWait(1100);
        QVERIFY(paints >= 2); // blinking
        QTest::qWait(500);
        paints = 0;
        QTest::qWait(1200);
        QCOMPARE(paints, 0);
        QTest::keyClick(&field, Qt::Key_A);
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), flashTime);
        paints = 0;
        QTest::qWait(1100);
        QVERIFY(paints >= 2);
    }

    // The setup is the fields; a setup shown fills them, and a choice it makes runs its rule.
    void setupFromAndToTheFields()
    {
        Window w;
        TestWindow &f = w.form;
        Setup setup = f.setup();
        QCOMPARE(setup.endAction, EndAction::Alarm);
        QCOMPARE(setup.wakeUpTime, QTime(10, 21, 48, 560));
        setup.minutes = QStringLiteral("120");
        setup.endAction = EndAction::PowerOff;
        setup.wakeUpTime = QTime(7, 30);
        setup.tomorrow = true;
        setup.wakeUpPercent = QStringLiteral("40");
        setup.startFile = QStringLiteral("tune.ogg");
        f.showSetup(setup);
        const Setup shown = f.setup();
        QCOMPARE(std::tie(shown.minutes, shown.endAction, shown.wakeUpTime, shown.tomorrow, shown.wakeUpPercent,
                          shown.startFile),
                 std::tie(setup.minutes, setup.endAction, setup.wakeUpTime, setup.tomorrow, setup.wakeUpPercent,
                          setup.startFile));
        QCOMPARE(f.alarmTimeEdit->date(), QDate(2006, 6, 13)); // the picker keeps its date
        QVERIFY(!f.alarmPanel->isEnabled());
        // None chosen (a settings file may say so): all three unchecked, and no rule runs.
        setup.endAction = EndAction::None;
        f.showSetup(setup);
        QVERIFY(!f.shutdownChoice->isChecked() && !f.suspendChoice->isChecked() && !f.alarmChoice->isChecked());
        QCOMPARE(f.setup().endAction, EndAction::None);
        QVERIFY(!f.alarmPanel->isEnabled());
        // A dry-run window: its setups are dry runs, and at rest it says so.
        QVERIFY(!f.setup().dryRun);
        f.setDryRun(true);
        QVERIFY(f.setup().dryRun);
        QCOMPARE(f.statusText(), QStringLiteral("Dry run: the computer stays on"));
        f.setStatusText(QStringLiteral("Set timer"));
        f.setStatusText(QString());
        QCOMPARE(f.statusText(), QStringLiteral("Dry run: the computer stays on"));
    }

    // The window shows the session: the running look, the percent in the
    // title; while it runs the window stays when closed, and while the chime
    // sounds a press anywhere only silences it.
    void followsTheSession()
    {
        Window w;
        TestWindow &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        w.mixer.level = 30000;
        w.rig.volume.readAtStart();
        f.minutesEdit->setText(QStringLiteral("1"));
        f.wakeVolumeEdit->setText(QStringLiteral("40"));
        f.alarmTimeEdit->setTime(QTime(22, 1));
        f.startFileEdit->setText(QStringLiteral("gone.mid"));
        QTest::mouseClick(f.startCancelButton, Qt::LeftButton);
        QCOMPARE(f.startCancelButton->accessibleName(), QStringLiteral("Cancel"));
        QCOMPARE(f.startCancelButton->picture().toImage(),
                 Pictures::keyed(QStringLiteral(":/pictures/cancel.bmp")).toImage());
        QVERIFY(!f.minutesEdit->isEnabled() && !f.volumeSlider->isEnabled() && !f.alarmPanel->isEnabled());
        QCOMPARE(f.statusText(), QStringLiteral("Fading until 22:01"));
        w.clock.advance(1);
        QCOMPARE(f.windowTitle(), QStringLiteral("45 % - Somnelle "));
        QCOMPARE(f.title(), QStringLiteral("45 % - Somnelle "));
        QCOMPARE(f.volumeSlider->value(), int(w.rig.volume.level()));
        QCloseEvent close;
        QApplication::sendEvent(&f, &close);
        QVERIFY(!close.isAccepted());

        w.clock.advance(59); // the wake-up at once, and the chime for the missing file
        QCOMPARE(w.rig.session.phase(), SessionController::Phase::Chiming);
        QCOMPARE(f.startCancelButton->accessibleName(), QStringLiteral("Start"));
        QCOMPARE(f.windowTitle(), MainWindow::restCaption());
        QCOMPARE(f.title(), QStringLiteral("Somnelle"));
        QCOMPARE(f.volumeReadout->text(), QStringLiteral("Volume: 40 %"));
        QTest::mouseClick(f.tomorrowCheck, Qt::LeftButton);
        QVERIFY(!w.chime.playing);
        QVERIFY(!f.tomorrowCheck->isChecked()); // the press did nothing else
        QCOMPARE(w.rig.finishes, 1);            // closed during the night: the program ends now
    }

    void accessibleNames()
    {
        Window w;
        TestWindow &f = w.form;
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
        Window w;
        TestWindow &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        // The first enabled control takes the focus on activation.
        QCOMPARE(QApplication::focusWidget(), f.minutesEdit);
        QList<QWidget *> visited;
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        // Only the checked choice ("Alarm mode") is a tab stop; Start and Exit come last.
        QCOMPARE(visited,
                 QList<QWidget *>({f.volumeSlider, f.alarmChoice, f.alarmTimeEdit, f.startFileEdit, f.tomorrowCheck,
                                   f.wakeVolumeEdit, f.sleepCheck, f.startCancelButton, f.exitButton}));
        // Focused, Return and Space press them: Start, then Cancel.
        f.minutesEdit->setText(QStringLiteral("5"));
        f.wakeVolumeEdit->setText(QStringLiteral("40"));
        QTest::keyClick(f.startCancelButton, Qt::Key_Return);
        QTRY_VERIFY(w.rig.session.isRunning());
        QTest::keyClick(f.startCancelButton, Qt::Key_Space);
        QTRY_VERIFY(!w.rig.session.isRunning());
        QTest::keyClick(f.exitButton, Qt::Key_Enter);
        QTRY_COMPARE(w.calls.last(), QStringLiteral("exit"));
    }

    void keyboardAndWheelOnTheControls()
    {
        Window w;
        TestWindow &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        // The wheel over the time picker is the volume's, and the time stays.
        const QDateTime alarm = f.alarmTimeEdit->dateTime();
        QWheelEvent up(QPointF(5, 5), f.alarmTimeEdit->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.alarmTimeEdit, &up);
        QCOMPARE(w.mixer.writes, QList<quint16>({1000}));
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
        QVERIFY(w.shell.opened.isEmpty());
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
