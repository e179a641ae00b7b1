// SPDX-License-Identifier: MIT
// The application's error handler: a Start whose save fails shows the error
// box, and the program goes on; nothing is thrown through Qt's event dispatch.

#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "ui/picturebutton.h"
#include "windowrig.h"

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
        WindowRig w;
        Shown shown;
        const auto watch = watchMessageBoxes(&shown);
        for (const auto &[message, shownText] : texts) {
            const int before = shown.count;
            w.form.showError(QString::fromUtf8(message));
            QTRY_COMPARE(shown.count, before + 1);
            QCOMPARE(shown.text, QString::fromUtf8(shownText));
        }
    }

    void failedSaveIsShownAndTheProgramGoesOn()
    {
        WindowRig w;
        w.settings.failWrites = true;
        TestWindow &form = w.form;
        form.shutdownChoice->setChecked(true);
        form.minutesEdit->setText(QStringLiteral("10"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        Shown shown;
        const auto watch = watchMessageBoxes(&shown);
        QTest::mouseClick(form.startCancelButton, Qt::LeftButton);
        QTRY_COMPARE(shown.count, 1);
        QCOMPARE(shown.caption, QStringLiteral("Somnelle"));
        QCOMPARE(shown.text, QStringLiteral("Failed to set data for 'Timer'"));
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QVERIFY(!w.rig.session.isRunning());

        // The next click runs the handler again, and once the store works the session starts.
        QTest::mouseClick(form.startCancelButton, Qt::LeftButton);
        QTRY_COMPARE(shown.count, 2);
        w.settings.failWrites = false;
        QTest::mouseClick(form.startCancelButton, Qt::LeftButton);
        QVERIFY(w.rig.session.isRunning());
    }
};

QTEST_MAIN(ErrorsTest)

#include "test_errors.moc"
