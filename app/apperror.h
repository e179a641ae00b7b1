#pragma once

#include <QString>
#include <stdexcept>

// An error that ends the current event handler and is shown to the user by
// the application's error handler; the program then goes on.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString &message)
        : std::runtime_error(message.toStdString())
    {
    }
    QString message() const { return QString::fromStdString(what()); }
};
