// SPDX-License-Identifier: MIT
// The application's error handler: a Start whose save fails shows the error
// box, and the program goes on; nothing is thrown through Qt's event dispatch.

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "app/application.h"
#include "app/somnelle.h"
#include "fakes.h"
#include "ui/applicationtitle.h"
#include "ui/picturebutton.h"
#include "ui/mainwindow.h"

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
        QCOMPARE(ErrorMessageText(QStringLiteral("Failed to set data for 'Timer'")),
                 QStringLiteral("Failed to set data for 'Timer'"));
        QCOMPARE(ErrorMessageText(QStringLiteral("'x' is not a valid integer value")),
                 QStringLiteral("'x' is not a valid integer value."));
        QCOMPARE(ErrorMessageText(QStringLiteral("Done.")), QStringLiteral("Done."));
        QCOMPARE(ErrorMessageText(QStringLiteral("Out of range 5")), QStringLiteral("Out of range 5."));
        QCOMPARE(ErrorMessageText(QStringLiteral("Odd)")), QStringLiteral("Odd)"));
        QCOMPARE(ErrorMessageText(QStringLiteral("Gone!")), QStringLiteral("Gone!"));
        QCOMPARE(ErrorMessageText(QString()), QString());
    }

    void failedSaveIsShownAndTheProgramGoesOn()
    {
        FakePlatform fake;
        fake.settings.failWrites = true;
        fake.platform.showError = ShowErrorMessage; // the real error box
        Somnelle somnelle(fake.platform);
        MemorySettingsStore &settings = fake.settings;
        MainWindow &form = somnelle.form();
        form.setChoiceChecked(SetupView::Shutdown, true);
        form.setMinutesText(QStringLiteral("10"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        SetApplicationTitle(QStringLiteral("Somnelle"));

        Shown shown;
        watchMessageBoxes(&shown, 50);
        QTest::mouseClick(form.startCancelButton, Qt::LeftButton);
        QTRY_COMPARE(shown.count, 1);
        QCOMPARE(shown.caption, QStringLiteral("Somnelle"));
        QCOMPARE(shown.text, QStringLiteral("Failed to set data for 'Timer'"));
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QVERIFY(!somnelle.session().isRunning());

        // The next click runs the handler again, and once the store works the session starts.
        QTest::mouseClick(form.startCancelButton, Qt::LeftButton);
        QTRY_COMPARE(shown.count, 2);
        settings.failWrites = false;
        QTest::mouseClick(form.startCancelButton, Qt::LeftButton);
        QVERIFY(somnelle.session().isRunning());
    }
};

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    ErrorsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_errors.moc"
