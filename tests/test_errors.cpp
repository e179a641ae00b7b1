// SPDX-License-Identifier: MIT
// The application's error handler: a Start whose save fails shows the error
// box, and the program goes on; nothing is thrown through Qt's event dispatch.

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

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

    // Records and closes every message box that opens while the test runs.
    static void watchMessageBoxes(Shown *shown, int remaining)
    {
        QTimer::singleShot(10, [shown, remaining] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown->caption = box->windowTitle();
                shown->text = box->text();
                shown->icon = box->icon();
                ++shown->count;
                box->accept();
            }
            if (remaining > 0)
                watchMessageBoxes(shown, remaining - 1);
        });
    }

private slots:
    void fullStopRule()
    {
        QCOMPARE(MainWindow::errorMessageText(QStringLiteral("Failed to set data for 'Timer'")),
                 QStringLiteral("Failed to set data for 'Timer'"));
        QCOMPARE(MainWindow::errorMessageText(QStringLiteral("'x' is not a valid integer value")),
                 QStringLiteral("'x' is not a valid integer value."));
        QCOMPARE(MainWindow::errorMessageText(QStringLiteral("Done.")), QStringLiteral("Done."));
        QCOMPARE(MainWindow::errorMessageText(QStringLiteral("Out of range 5")), QStringLiteral("Out of range 5."));
        QCOMPARE(MainWindow::errorMessageText(QStringLiteral("Odd)")), QStringLiteral("Odd)"));
        QCOMPARE(MainWindow::errorMessageText(QStringLiteral("Gone!")), QStringLiteral("Gone!"));
        QCOMPARE(MainWindow::errorMessageText(QStringLiteral("失败了。")), QStringLiteral("失败了。"));
        QCOMPARE(MainWindow::errorMessageText(QString()), QString());
    }

    void failedSaveIsShownAndTheProgramGoesOn()
    {
        WindowRig w;
        w.settings.failWrites = true;
        MainWindow &form = w.form;
        form.shutdownChoice->setChecked(true);
        form.minutesEdit->setText(QStringLiteral("10"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        Shown shown;
        watchMessageBoxes(&shown, 50);
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
