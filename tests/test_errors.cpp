// The application's error handler.

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/application.h"
#include "ui/applicationtitle.h"
#include "app/apperror.h"

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

    void errorInAHandlerIsShownAndTheProgramGoesOn()
    {
        SetApplicationTitle(QStringLiteral("12 % - Somnelle "));
        QPushButton button(QStringLiteral("Start"));
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&] {
            ++clicks;
            throw AppError(QStringLiteral("Failed to set data for 'Timer'"));
        });
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));

        Shown shown;
        watchMessageBoxes(&shown, 50);
        QTest::mouseClick(&button, Qt::LeftButton);
        QTRY_COMPARE(shown.count, 1);
        QCOMPARE(shown.caption, QStringLiteral("12 % - Somnelle "));
        QCOMPARE(shown.text, QStringLiteral("Failed to set data for 'Timer'"));
        QCOMPARE(shown.icon, QMessageBox::Critical);

        // The handler ended at the error, and the next click runs it again.
        QTest::mouseClick(&button, Qt::LeftButton);
        QTRY_COMPARE(shown.count, 2);
        QCOMPARE(clicks, 2);
    }

    void otherErrorsGetTheFullStop()
    {
        SetApplicationTitle(QStringLiteral("Somnelle"));
        QObject target;
        Shown shown;
        watchMessageBoxes(&shown, 50);
        QTimer::singleShot(0, &target, [] { throw std::runtime_error("something went wrong"); });
        QTRY_COMPARE(shown.count, 1);
        QCOMPARE(shown.text, QStringLiteral("something went wrong."));
        QCOMPARE(shown.caption, QStringLiteral("Somnelle"));
    }
};

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    ErrorsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_errors.moc"
