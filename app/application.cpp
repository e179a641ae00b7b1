// SPDX-License-Identifier: MIT
#include "app/application.h"

#include <QMessageBox>

#include "ui/applicationtitle.h"

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

QString ErrorMessageText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorMessage(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), ErrorMessageText(message), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
