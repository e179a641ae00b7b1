// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <functional>

// The display gone first (a logout that ends the X server or the compositor
// before the programs): Qt then ends the program on the spot, without
// returning from the event loop, on X11 through exit() and on Wayland through
// _exit() right after its warning, from a thread of its own. The ending given
// runs before that, once, on the context's thread, as a signal's would: the
// output muted for the night is not left muted for the next login. One at a
// time; once it is destroyed nothing more is done.
class DisplayLoss {
public:
    DisplayLoss(QObject *context, std::function<void()> ending);
    ~DisplayLoss();
    DisplayLoss(const DisplayLoss &) = delete;
    DisplayLoss &operator=(const DisplayLoss &) = delete;

private:
    static void end();
    static void onMessage(QtMsgType type, const QMessageLogContext &context, const QString &message);

    QPointer<QObject> context_;
    std::function<void()> ending_;
};
