// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

// The application object.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int &argc, char **argv);
};

// The text of an error message box: a full stop is added when the last
// character sorts after "." ("Failed to set data for 'Timer'" gets none).
QString ErrorMessageText(const QString &message);

// The program's error handler: a modal box with the error icon, captioned
// with the application's title. The handler that met the error ends there and
// the program goes on.
void ShowErrorMessage(const QString &message);
