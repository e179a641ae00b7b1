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

#include "fakes.h"
#include "ui/caretrest.h"
#include "ui/picturebutton.h"
#include "ui/tform1.h"

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

    struct Window {
        RecordingHandlers handlers;
        RecordingShell shell;
        int exits = 0;
        TForm1 form {handlers, shell, [this] { ++exits; }};
    };

    static QList<QWidget *> alarmGroup(TForm1 &f)
    {
        return {f.Panel1, f.DateTimePicker1, f.CheckBox1, f.Edit2, f.Label10,
                f.Label11, f.Label12, f.Label13, f.Edit3};
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
        TForm1 &f = w.form;
        QCOMPARE(f.size(), QSize(413, 394));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(f.windowTitle().startsWith(QStringLiteral("Somnelle v1.05 ")));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(0xA6, 0xCA, 0xF0));

        // A sample of positions from each parent, and the hidden picture holders.
        QCOMPARE(f.SpeedButton1->geometry(), QRect(164, 328, 105, 33));
        QCOMPARE(f.SpeedButton4->geometry(), QRect(284, 328, 101, 33));
        QCOMPARE(f.StatusBar1->geometry(), QRect(0, 375, 413, 19));
        QCOMPARE(f.Panel1->geometry(), QRect(20, 211, 373, 101));
        QCOMPARE(f.Panel2->geometry(), QRect(20, 43, 373, 145));
        QCOMPARE(f.TrackBar3->geometry(), QRect(152, 12, 209, 41));
        QCOMPARE(f.Edit1->geometry(), QRect(268, 71, 25, 21));
        QCOMPARE(f.DateTimePicker1->geometry(), QRect(156, 25, 105, 24));
        QCOMPARE(f.SpeedButton5->geometry(), QRect(320, 60, 38, 33));
        QCOMPARE(f.Image4->geometry(), QRect(0, 0, 417, 377));
        QCOMPARE(f.Edit1->parentWidget(), f.Panel2);
        QCOMPARE(f.Edit3->parentWidget(), f.Panel1);
        QVERIFY(!f.SpeedButton2->isVisibleTo(&f));
        QVERIFY(!f.SpeedButton3->isVisibleTo(&f));

        // Layout state before any settings.
        QVERIFY(f.RadioButton3->isChecked());
        QVERIFY(!f.RadioButton1->isChecked() && !f.RadioButton2->isChecked());
        QCOMPARE(f.Edit1->text(), QString());
        QCOMPARE(f.Edit3->text(), QString());
        QCOMPARE(f.Edit2->text(), QStringLiteral("europe.mid"));
        QVERIFY(!f.CheckBox1->isChecked());
        QCOMPARE(f.DateTimePicker1->dateTime(), QDateTime(QDate(2006, 6, 13), QTime(10, 21, 48, 560)));
        QCOMPARE(f.DateTimePicker1->text().left(8), QStringLiteral("10:21:48"));
        QCOMPARE(f.TrackBar3->minimum(), 0);
        QCOMPARE(f.TrackBar3->maximum(), 65535);
        QCOMPARE(f.TrackBar3->value(), 0);
        QCOMPARE(f.Label6->text(), QStringLiteral("Volume: "));
        QCOMPARE(f.statusText(), QString());
        QVERIFY(!f.StatusBar1->isSizeGripEnabled());
        QCOMPARE(f.OpenDialog1->windowTitle(), QStringLiteral("Open file to start"));
        QCOMPARE(f.Label7->toolTip(), TForm1::SupportAddress);
        QCOMPARE(f.Label7->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(f.SpeedButton1->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(f.SpeedButton5->focusPolicy(), Qt::NoFocus);
        // Applying the layout runs no handler.
        QVERIFY(w.handlers.calls.isEmpty());
    }

    void labelsDoNotOverlapTheirNeighbours()
    {
        Window w;
        TForm1 &f = w.form;
        const QList<QPair<QWidget *, QWidget *>> neighbours {
            {f.Label1, f.Label2}, {f.Label2, f.Edit1}, {f.Edit1, f.Label3}, {f.Label12, f.Edit3},
            {f.Edit3, f.Label13}, {f.Label11, f.Edit2}, {f.Label10, f.DateTimePicker1}};
        for (const auto &[left, right] : neighbours)
            QVERIFY2(left->geometry().right() < right->geometry().left(),
                     qPrintable(left->objectName() + QLatin1String(" overlaps ") + right->objectName()));

        // The widest readout ends before the slider's groove begins.
        f.ShowVolumeReadout(100);
        QStyleOptionSlider option;
        option.initFrom(f.TrackBar3);
        option.orientation = Qt::Horizontal;
        option.minimum = f.TrackBar3->minimum();
        option.maximum = f.TrackBar3->maximum();
        option.tickPosition = f.TrackBar3->tickPosition();
        const QRect groove = f.TrackBar3->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove,
                                                                  f.TrackBar3);
        QVERIFY(f.Label6->geometry().right() < f.TrackBar3->x() + groove.left());

        // The tick marks at both ends stand where the handle's middle rests.
        for (const int value : {0, 65535}) {
            f.TrackBar3->setValue(value);
            option.sliderPosition = option.sliderValue = value;
            const int handle = f.TrackBar3->style()
                                   ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, f.TrackBar3)
                                   .center()
                                   .x();
            const QImage image = f.TrackBar3->grab().toImage();
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
        QCOMPARE(w.handlers.calls,
                 QStringList({"loadSettings", "readMasterVolume", "applyCommandLine"}));

        // Hiding, showing and activating again runs neither FormShow nor FormActivate.
        w.form.hide();
        w.form.show();
        w.form.activateWindow();
        QTest::qWait(50);
        QCOMPARE(w.handlers.calls.size(), 3);
    }

    void setupGroupOperations()
    {
        Window w;
        TForm1 &f = w.form;
        const QList<QWidget *> setup {f.TrackBar3, f.RadioButton1, f.RadioButton2, f.RadioButton3, f.Edit1, f.Label7};

        f.setStatusText(QStringLiteral("Set timer"));
        f.DisableSetupControls();
        QVERIFY(allEnabled(setup, false));
        QVERIFY(allEnabled(alarmGroup(f), false));
        QCOMPARE(f.statusText(), QString());
        // Start/Cancel, Exit and the readout work in every state.
        QVERIFY(f.SpeedButton1->isEnabled() && f.SpeedButton4->isEnabled() && f.Panel2->isEnabled());

        f.EnableSetupControls();
        QVERIFY(allEnabled(setup, true));
        QVERIFY(allEnabled(alarmGroup(f), true));

        // After a session in "Shutdown" the alarm group stays disabled.
        f.RadioButton1->setChecked(true);
        f.DisableSetupControls();
        f.EnableSetupControls();
        QVERIFY(allEnabled(setup, true));
        QVERIFY(allEnabled(alarmGroup(f), false));
    }

    void alarmGroupColoursAndStatus()
    {
        Window w;
        TForm1 &f = w.form;
        TForm1::setFieldColour(f.Edit1, TForm1::Fuchsia);
        TForm1::setFieldColour(f.Edit3, TForm1::Fuchsia);
        f.setStatusText(QStringLiteral("Set volume"));
        f.EnableAlarmControls();
        QCOMPARE(TForm1::fieldColour(f.Edit1), QColor(Qt::white));
        QCOMPARE(TForm1::fieldColour(f.Edit3), QColor(Qt::white));
        QCOMPARE(f.statusText(), QStringLiteral("Set volume"));
        f.DisableAlarmControls();
        QCOMPARE(f.statusText(), QString());
    }

    void choiceRules()
    {
        Window w;
        TForm1 &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));

        // Clicking the choice already checked runs no rule: the status stays.
        f.setStatusText(QStringLiteral("Set timer"));
        TForm1::setFieldColour(f.Edit1, TForm1::Fuchsia);
        QTest::mouseClick(f.RadioButton3, Qt::LeftButton);
        QCOMPARE(f.statusText(), QStringLiteral("Set timer"));
        QCOMPARE(TForm1::fieldColour(f.Edit1), TForm1::Fuchsia);

        // "Shutdown" greys the alarm group, blocks browse, clears the status, whitens both fields.
        QTest::mouseClick(f.RadioButton1, Qt::LeftButton);
        QVERIFY(f.RadioButton1->isChecked() && !f.RadioButton3->isChecked());
        QVERIFY(allEnabled(alarmGroup(f), false));
        QVERIFY(!f.SpeedButton5->isEnabledTo(&f) || !f.Panel1->isEnabled());
        QCOMPARE(f.statusText(), QString());
        QCOMPARE(TForm1::fieldColour(f.Edit1), QColor(Qt::white));

        // "Alarm mode" enables the group again and leaves the status alone.
        f.setStatusText(QStringLiteral("Set timer"));
        QTest::mouseClick(f.RadioButton3, Qt::LeftButton);
        QVERIFY(allEnabled(alarmGroup(f), true));
        QCOMPARE(f.statusText(), QStringLiteral("Set timer"));

        // Code that checks a choice runs its rule too.
        f.RadioButton2->setChecked(true);
        QVERIFY(allEnabled(alarmGroup(f), false));
        QVERIFY(!f.RadioButton3->isChecked());
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
        TForm1 &f = w.form;
        QLineEdit *edit = field == 1 ? f.Edit1 : f.Edit3;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        edit->setFocus();

        // A letter is dropped but still clears the fuchsia mark; the status text stays.
        TForm1::setFieldColour(edit, TForm1::Fuchsia);
        f.setStatusText(QStringLiteral("Set timer"));
        QTest::keyClick(edit, Qt::Key_A);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(TForm1::fieldColour(edit), QColor(Qt::white));
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
        TForm1 &f = w.form;
        QCOMPARE(f.Edit2->toolTip(), QString());
        f.Edit2->setText(QStringLiteral("/home/me/Music/a rather long name.ogg"));
        QTest::mouseMove(f.Edit2, QPoint(5, 5));
        QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), f.Edit2->mapToGlobal(QPointF(6, 6)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.Edit2, &move);
        QCOMPARE(f.Edit2->toolTip(), QStringLiteral("/home/me/Music/a rather long name.ogg"));
    }

    void contactLink()
    {
        Window w;
        TForm1 &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));

        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), f.Label7->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.Label7, &move);
        QCOMPARE(f.Label7->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(f.Label7, &leave);
        QCOMPARE(f.Label7->palette().color(QPalette::WindowText), TForm1::DesktopColour);

        QTest::mouseClick(f.Label7, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(w.shell.opened, QList<QUrl>({QUrl(QStringLiteral("mailto:support@somnelle.org"))}));

        // During a session the link is part of the disabled setup controls.
        f.DisableSetupControls();
        QTest::mouseClick(f.Label7, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(w.shell.opened.size(), 1);
    }

    void browseKeepsTextWhenCancelled()
    {
        Window w;
        TForm1 &f = w.form;
        QTimer::singleShot(0, f.OpenDialog1, &QDialog::reject);
        f.SpeedButton5Click();
        QCOMPARE(f.Edit2->text(), QStringLiteral("europe.mid"));

        QTemporaryFile tune(QDir::tempPath() + QStringLiteral("/tune-XXXXXX.mid"));
        QVERIFY(tune.open());
        QTimer::singleShot(0, f.OpenDialog1, [&] {
            // Type the name into the dialog, as a user would, and press Open.
            auto *name = f.OpenDialog1->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(tune.fileName());
            QTest::keyClick(name, Qt::Key_Return);
        });
        f.SpeedButton5Click();
        QCOMPARE(f.Edit2->text(), QFileInfo(tune.fileName()).absoluteFilePath());

        // A name that does not exist yet is taken as it stands.
        const QString later = QDir::tempPath() + QStringLiteral("/not-there-yet.mid");
        QTimer::singleShot(0, f.OpenDialog1, [&] {
            auto *name = f.OpenDialog1->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            name->setText(later);
            QTest::keyClick(name, Qt::Key_Return);
        });
        f.SpeedButton5Click();
        QCOMPARE(f.Edit2->text(), later);
    }

    void buttonsForwardAndExit()
    {
        Window w;
        TForm1 &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        w.handlers.calls.clear();
        QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
        QCOMPARE(w.handlers.calls, QStringList({"startCancelClicked"}));
        QCOMPARE(w.exits, 0);
        QTest::mouseClick(f.SpeedButton4, Qt::LeftButton);
        QCOMPARE(w.exits, 1);
    }

    void sliderChangesAndWheel()
    {
        Window w;
        TForm1 &f = w.form;
        f.TrackBar3->setValue(1234);
        f.TrackBar3->setValue(1234); // no change, no call
        QCOMPARE(w.handlers.calls, QStringList({"trackBarChanged"}));

        // Wheel notches over the window, and over the slider, reach the window's handler.
        w.handlers.calls.clear();
        QWheelEvent up(QPointF(5, 5), f.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 240), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&f, &up);
        QWheelEvent halfDown(QPointF(5, 5), f.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -60), Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&f, &halfDown);
        QApplication::sendEvent(&f, &halfDown);
        QCOMPARE(w.handlers.calls, QStringList({"wheelUp", "wheelUp", "wheelDown"}));
        QCOMPARE(f.TrackBar3->value(), 1234);
    }

    // The slider repaints only when its handle moves, and then only where it
    // moved, yet what the screen shows is always what a full repaint would draw.
    void sliderOnScreenFollowsItsValue()
    {
        Window w;
        TForm1 &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        int paints = 0;
        PaintCounter counter(f.TrackBar3, paints);
        const QRect area(f.TrackBar3->mapTo(&f, QPoint(0, 0)), f.TrackBar3->size());
        const auto compareScreenWithFullDrawing = [&] {
            QCoreApplication::processEvents();
            QCOMPARE(f.screen()->grabWindow(f.winId(), area.x(), area.y(), area.width(), area.height()).toImage(),
                     f.grab(area).toImage().convertToFormat(QImage::Format_RGB32));
        };
        f.TrackBar3->setValue(40000);
        const int steps = 300;
        for (int step = 0; step < steps; ++step) {
            f.TrackBar3->setValue(40000 - 37 * step);
            QCoreApplication::processEvents();
            if (step % 25 == 0 || step == steps - 1)
                compareScreenWithFullDrawing();
        }
        // 11,100 units over a travel of about 190 pixels: some 32 moves.
        QVERIFY2(paints > 10 && paints < steps / 4, qPrintable(QString::number(paints)));
        // Jumps farther than the handle is wide, as the wheel and the keys make.
        for (const int value : {65535, 0, 30000, 31000}) {
            f.TrackBar3->setValue(value);
            compareScreenWithFullDrawing();
        }
    }

    // Put together from pictures drawn once, the slider looks as the style draws it, in every state.
    void sliderLooksAsTheStyleDrawsIt()
    {
        Window w;
        TForm1 &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QSlider *slider = f.TrackBar3;
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
                    most = std::max({most, qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)),
                                 qAbs(qBlue(a) - qBlue(b))});
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
        TForm1 &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        VolumeReadout *readout = f.Label6;
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

    void accessibleNames()
    {
        Window w;
        TForm1 &f = w.form;
        QCOMPARE(f.SpeedButton1->accessibleName(), QStringLiteral("Start"));
        QCOMPARE(f.SpeedButton4->accessibleName(), QStringLiteral("Exit"));
        QCOMPARE(f.SpeedButton5->accessibleName(), QStringLiteral("Browse"));
        f.showCancelPicture();
        QCOMPARE(f.SpeedButton1->accessibleName(), QStringLiteral("Cancel"));
        QCOMPARE(f.SpeedButton1->picture().toImage(), f.SpeedButton2->picture().toImage());
        f.showStartPicture();
        QCOMPARE(f.SpeedButton1->accessibleName(), QStringLiteral("Start"));
        for (QWidget *field : {static_cast<QWidget *>(f.Edit1), static_cast<QWidget *>(f.Edit2),
                               static_cast<QWidget *>(f.Edit3), static_cast<QWidget *>(f.TrackBar3),
                               static_cast<QWidget *>(f.DateTimePicker1)})
            QVERIFY(!field->accessibleName().isEmpty());
    }

    void tabOrder()
    {
        Window w;
        TForm1 &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        // The first enabled control takes the focus on activation.
        QCOMPARE(QApplication::focusWidget(), f.Edit1);
        QList<QWidget *> visited;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        // Only the checked choice ("Alarm mode") is a tab stop; Start and Exit come last.
        QCOMPARE(visited, QList<QWidget *>({f.TrackBar3, f.RadioButton3, f.DateTimePicker1, f.Edit2, f.CheckBox1,
                                            f.Edit3, f.SpeedButton1, f.SpeedButton4}));
        // Focused, Return and Space press them.
        w.handlers.calls.clear();
        QTest::keyClick(f.SpeedButton1, Qt::Key_Return);
        QTest::keyClick(f.SpeedButton1, Qt::Key_Space);
        QTRY_COMPARE(w.handlers.calls, QStringList({"startCancelClicked", "startCancelClicked"}));
        QTest::keyClick(f.SpeedButton4, Qt::Key_Enter);
        QTRY_COMPARE(w.exits, 1);
    }

    void keyboardAndWheelOnTheControls()
    {
        Window w;
        TForm1 &f = w.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        // The wheel over the time picker is the volume's, and the time stays.
        const QDateTime alarm = f.DateTimePicker1->dateTime();
        w.handlers.calls.clear();
        QWheelEvent up(QPointF(5, 5), f.DateTimePicker1->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.DateTimePicker1, &up);
        QCOMPARE(w.handlers.calls, QStringList({"wheelUp"}));
        QCOMPARE(f.DateTimePicker1->dateTime(), alarm);

        // Keys step the slider like the wheel, Page keys by a tenth.
        f.TrackBar3->setValue(30000);
        const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Right, 31000}, {Qt::Key_Left, 30000},
                                                 {Qt::Key_PageUp, 36554}, {Qt::Key_End, 65535},
                                                 {Qt::Key_Right, 65535}, {Qt::Key_Home, 0}};
        for (const auto &[key, value] : steps) {
            QTest::keyClick(f.TrackBar3, key);
            QCOMPARE(f.TrackBar3->value(), value);
        }

        // The picker wraps round like a clock.
        f.setAlarmDateTime(QDateTime(QDate(2006, 6, 13), QTime(23, 59, 0)));
        f.DateTimePicker1->setCurrentSection(QDateTimeEdit::HourSection);
        f.DateTimePicker1->stepBy(1);
        f.DateTimePicker1->setCurrentSection(QDateTimeEdit::MinuteSection);
        f.DateTimePicker1->stepBy(1);
        QCOMPARE(f.DateTimePicker1->time(), QTime(0, 0, 0));

        // Only a left click opens the contact link.
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
            QTest::mouseClick(f.Label7, button, {}, QPoint(3, 3));
        QVERIFY(w.shell.opened.isEmpty());
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
