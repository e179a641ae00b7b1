// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

// A desktop notification shortly before the computer goes off, with actions
// that still stop it or put it off.
class EndWarning : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Shows the warning, replacing one shown before.
    virtual void show(const QString &summary, const QString &body, int expireMs) = 0;
    // After this, neither of its actions is asked for.
    virtual void withdraw() = 0;

Q_SIGNALS:
    void cancelRequested();
    void extendRequested();
};
