// SPDX-License-Identifier: MIT
#include "app/windowopening.h"

#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

// A Qt option's value from the command line ("-platform xcb"), as Qt reads it.
QByteArray option(int argc, char **argv, const char *name)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], name) == 0 || (argv[i][0] == '-' && qstrcmp(argv[i] + 1, name) == 0))
            return argv[i + 1];
    return {};
}

bool x11Answers(const QByteArray &display)
{
    xcb_connection_t *connection = xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

bool waylandAnswers()
{
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET"))
        return true; // handed over by the compositor itself
    const QByteArray name
        = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? QByteArray("wayland-0") : qgetenv("WAYLAND_DISPLAY");
    const QByteArray path = name.startsWith('/') ? name : qgetenv("XDG_RUNTIME_DIR") + '/' + name;
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    qstrcpy(address.sun_path, path.constData());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool answers = socket >= 0 && ::connect(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    if (socket >= 0)
        ::close(socket);
    return answers;
}

QtMessageHandler qtHandler = nullptr;

void giveUpInOneLine(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        qtHandler(type, context, message);
        return;
    }
    std::fputs(qPrintable(QCoreApplication::translate("WindowOpening", "somnelle: no window can be opened here: %1\n")
                              .arg(message.section(QLatin1Char('\n'), 0, 0))),
               stderr);
    std::_Exit(1);
}

} // namespace

bool WindowOpening::possible(int argc, char **argv)
{
    QByteArray platforms = option(argc, argv, "-platform");
    if (platforms.isEmpty())
        platforms
            = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? QByteArray("wayland;xcb") : qgetenv("QT_QPA_PLATFORM");
    for (const QByteArray &platform : platforms.split(';')) {
        const QByteArray name = platform.split(':').value(0);
        if (name == "xcb" ? x11Answers(option(argc, argv, "-display"))
                          : !name.startsWith("wayland") || waylandAnswers())
            return true;
    }
    return false;
}

std::unique_ptr<QApplication> WindowOpening::application(int &argc, char **argv)
{
    qtHandler = qInstallMessageHandler(giveUpInOneLine);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    return application;
}
