// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

// Hands a file or a link to the program the desktop associates with it.
class Shell : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void open(const QUrl &url) = 0;
    // The start file: a path or a URL, as one argument to the desktop's
    // handler; fileOpened() tells whether the handler reported success.
    virtual void openFile(const QString &pathOrUrl) = 0;

Q_SIGNALS:
    void fileOpened(bool opened);
};
