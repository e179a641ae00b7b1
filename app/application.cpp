#include "app/application.h"

#include <QMessageBox>

#include "app/apperror.h"
#include "ui/applicationtitle.h"

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError &error) {
        ShowErrorMessage(error.message());
    } catch (const std::exception &error) {
        ShowErrorMessage(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

QString ErrorMessageText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorMessage(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), ErrorMessageText(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
