// SPDX-License-Identifier: MIT
// The window as a master-volume control, on the tests' private PulseAudio server.

#include <QLabel>
#include <QMessageBox>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include "app/somnelle.h"
#include "pactl.h"
#include "audio/alsamixer.h"
#include "fakes.h"
#include "platform/systemclock.h"
#include "platform/desktopshell.h"
#include "settings/inisettingsstore.h"
#include "form.h"
#include "ui/mainwindow.h"

class VolumeWindowTest : public QObject {
    Q_OBJECT

    QByteArray server_ = qgetenv("PULSE_SERVER");

    struct RealPlatform : FakePlatform {
        IniSettingsStore settings;
        AlsaMixer mixer;
        DesktopShell shell;
        SystemClock clock;
        RealPlatform() { use(settings).use(mixer).use(shell).use(clock); }
    };

    static void wheel(Form &form, int delta)
    {
        QWheelEvent event(QPointF(5, 5), form.window.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&form.window, &event);
    }

    // Closes the next message box and hands back its text.
    static void closeNextMessageBox(QString *text)
    {
        QTimer::singleShot(0, [text] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return closeNextMessageBox(text);
            *text = box->text();
            box->accept();
        });
    }

private slots:
    void init() { qputenv("PULSE_SERVER", server_); }

    void opensOnTheCurrentVolumeAndSetsIt()
    {
        Pactl::setSinkVolume(QStringLiteral("37%"));
        RealPlatform real;
        MainWindow window;
        Form form(window);
        Somnelle somnelle(real.platform, window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(form.volumeReadout->text(), QStringLiteral("Volume: 37 %"));
        QCOMPARE(form.volumeSlider->value(), qRound(0.37 * 65536 * 65535 / 65536.0));

        form.volumeSlider->setValue(50000);
        QCOMPARE(form.volumeReadout->text(), QStringLiteral("Volume: 76 %"));
        QTRY_COMPARE(Pactl::sinkVolume(), qRound(50000 * 65536.0 / 65535.0));

        wheel(form, 120);
        QTRY_COMPARE(form.volumeSlider->value(), 51000);
        QTRY_COMPARE(Pactl::sinkVolume(), qRound(51000 * 65536.0 / 65535.0));
        wheel(form, -240);
        QTRY_COMPARE(Pactl::sinkVolume(), qRound(49000 * 65536.0 / 65535.0));
    }

    void followsOtherControlsAndKeepsTheBalance()
    {
        Pactl::run({QStringLiteral("set-sink-volume"), QStringLiteral("@DEFAULT_SINK@"), QStringLiteral("45876"),
                    QStringLiteral("19661")}); // 70 % / 30 %
        const QList<int> unbalanced = Pactl::sinkChannels();
        QCOMPARE(unbalanced, QList<int>({45876, 19661}));
        RealPlatform real;
        MainWindow window;
        Form form(window);
        Somnelle somnelle(real.platform, window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(form.volumeReadout->text(), QStringLiteral("Volume: 70 %"));
        // Opening the window wrote nothing.
        QTest::qWait(200);
        QCOMPARE(Pactl::sinkChannels(), unbalanced);

        // A notch keeps the balance: the louder channel gets the level, the other its share.
        wheel(form, -120);
        const int left = qRound(form.volumeSlider->value() * 65536.0 / 65535.0);
        QTRY_COMPARE(Pactl::sinkChannels(), QList<int>({left, qRound(19661.0 * left / 45876)}));

        // Raised by another program: the window follows, and a notch goes up from there.
        Pactl::setSinkVolume(QStringLiteral("52429")); // 80 %
        QTRY_COMPARE(form.volumeReadout->text(), QStringLiteral("Volume: 80 %"));
        wheel(form, 120);
        const quint16 eighty = quint16(qRound(52429.0 * 65535 / 65536));
        QTRY_COMPARE(form.volumeSlider->value(), eighty + 1000);
        QTRY_COMPARE(Pactl::sinkVolume(), qRound((eighty + 1000) * 65536.0 / 65535.0));
    }

    void noServerAtShowTime()
    {
        Pactl::setSinkVolume(QStringLiteral("60%"));
        const int before = Pactl::sinkVolume();
        qputenv("PULSE_SERVER", "unix:/nonexistent/somnelle/native");
        {
            RealPlatform real;
            MainWindow window;
            Form form(window);
            Somnelle somnelle(real.platform, window);
            QString message;
            closeNextMessageBox(&message);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTRY_COMPARE(message, QStringLiteral("Mixer initialization error"));
            QCOMPARE(form.volumeReadout->text(), QStringLiteral("Volume: 0 %"));
            QCOMPARE(form.volumeSlider->value(), 0);

            // Slider and wheel change nothing on the server and do not crash.
            form.volumeSlider->setValue(30000);
            QTRY_COMPARE(form.volumeReadout->text(), QStringLiteral("Volume: 0 %"));
            wheel(form, 120);
            QTRY_COMPARE(form.volumeReadout->text(), QStringLiteral("Volume: 1 %"));
        } // the mixer's end waits for what it was asked to write
        qputenv("PULSE_SERVER", server_);
        QCOMPARE(Pactl::sinkVolume(), before);
    }
};

QTEST_MAIN(VolumeWindowTest)
#include "test_volume_window.moc"
