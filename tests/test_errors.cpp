// SPDX-License-Identifier: MIT
// The application's error handler: a Start whose save fails shows the error
// box, and the program goes on; nothing is thrown through Qt's event dispatch.

#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "ui/picturebutton.h"
#include "programrig.h"

class ErrorsTest : public QObject {
    Q_OBJECT

    struct Shown {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int count = 0;
    };

    // Records and closes every message box that opens while the watch lasts.
    static std::unique_ptr<QTimer> watchMessageBoxes(Shown *shown)
    {
        auto watch = std::make_unique<QTimer>();
        QObject::connect(watch.get(), &QTimer::timeout, [shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown->caption = box->windowTitle();
                shown->text = box->text();
                shown->icon = box->icon();
                ++shown->count;
                box->accept();
            }
        });
        watch->start(10);
        return watch;
    }

private slots:
    // The box adds a full stop when the last character sorts after "." and is no full stop of its own language.
    void fullStopRule()
    {
        const std::pair<const char *, const char *> texts[]
            = {{"Failed to set data for 'Timer'", "Failed to set data for 'Timer'"},
               {"'x' is not a valid integer value", "'x' is not a valid integer value."},
               {"Done.", "Done."},
               {"Out of range 5", "Out of range 5."},
               {"Odd)", "Odd)"},
               {"Gone!", "Gone!"},
               {"失败了。", "失败了。"}};
        MainWindow window;
        Shown shown;
        const auto watch = watchMessageBoxes(&shown);
        for (const auto &[message, shownText] : texts) {
            const int before = shown.count;
            window.showError(QString::fromUtf8(message));
            QTRY_COMPARE(shown.count, before + 1);
            QCOMPARE(shown.text, QString::fromUtf8(shownText));
        }
    }

    void failedSaveIsShownAndTheProgramGoesOn()
    {
        ProgramRig w;
        w.settings.failWrites = true;
        Form &form = w.f;
        form.shutdownChoice->click();
        QTest::keyClicks(form.minutesEdit, QStringLiteral("10"));
        form.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form.window));

        Shown shown;
        const auto watch = watchMessageBoxes(&shown);
        QTest::mouseClick(form.startCancelButton, Qt::LeftButton);
        QTRY_COMPARE(shown.count, 1);
        QCOMPARE(shown.caption, QStringLiteral("Somnelle"));
        QCOMPARE(shown.text, QStringLiteral("Failed to set data for 'Timer'"));
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QCOMPARE(w.app.status(), QStringLiteral("idle"));

        // The next click runs the handler again, and once the store works the session starts.
        QTest::mouseClick(form.startCancelButton, Qt::LeftButton);
        QTRY_COMPARE(shown.count, 2);
        w.settings.failWrites = false;
        QTest::mouseClick(form.startCancelButton, Qt::LeftButton);
        QVERIFY(w.app.status().startsWith(QLatin1String("fading")));
    }
};

QTEST_MAIN(ErrorsTest)

#include "test_errors.moc"
