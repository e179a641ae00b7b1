// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout, a shutdown, Ctrl+C) delivered on the
// event loop instead of ending the process where it stands: the handler only
// writes the signal's number into a socket that the loop reads. One at a
// time; the default handling comes back when it is destroyed.
class UnixSignals : public QObject {
    Q_OBJECT
public:
    explicit UnixSignals(QObject *parent = nullptr);
    ~UnixSignals() override;

Q_SIGNALS:
    void received(int signal);

private:
    QSocketNotifier *notifier_ = nullptr;
};
