#pragma once

#include <QApplication>

// The application object, with the program's error handler: an error that
// escapes an event handler ends that handler and is shown in a message box;
// the program goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// The text of an error message box: a full stop is added when the last
// character sorts after "." ("Failed to set data for 'Timer'" gets none).
QString ErrorMessageText(const QString &message);

// A modal box with the error icon, captioned with the application's title.
void ShowErrorMessage(const QString &message);
