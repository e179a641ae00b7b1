// SPDX-License-Identifier: MIT
#include "ui/windowactivation.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <xcb/xcb.h>

namespace {

constexpr char ActivationTokenVariable[] = "XDG_ACTIVATION_TOKEN";

struct Messaging {
    xcb_atom_t activeWindow = XCB_ATOM_NONE;
    xcb_atom_t infoBegin = XCB_ATOM_NONE;
    xcb_atom_t info = XCB_ATOM_NONE;
    xcb_window_t root = XCB_WINDOW_NONE;
};

// All requests go out before the first reply is awaited: one round trip, not four.
Messaging askServer(xcb_connection_t *connection, xcb_window_t window)
{
    const char *names[] = {"_NET_ACTIVE_WINDOW", "_NET_STARTUP_INFO_BEGIN", "_NET_STARTUP_INFO"};
    xcb_intern_atom_cookie_t cookies[3];
    for (int i = 0; i < 3; ++i)
        cookies[i] = xcb_intern_atom(connection, 0, quint16(qstrlen(names[i])), names[i]);
    const xcb_query_tree_cookie_t tree = xcb_query_tree(connection, window);
    xcb_atom_t atoms[3];
    for (int i = 0; i < 3; ++i) {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookies[i], nullptr);
        atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
    }
    xcb_query_tree_reply_t *treeReply = xcb_query_tree_reply(connection, tree, nullptr);
    const xcb_window_t root = treeReply ? treeReply->root : xcb_window_t(XCB_WINDOW_NONE);
    std::free(treeReply);
    return {atoms[0], atoms[1], atoms[2], root};
}

void sendToRoot(xcb_connection_t *connection, xcb_window_t root, quint32 eventMask,
                const xcb_client_message_event_t &event)
{
    xcb_send_event(connection, 0, root, eventMask, reinterpret_cast<const char *>(&event));
}

// What EWMH asks of an application that wants its window active: source 1, and
// the time of the user's action, which the window manager weighs against the
// focus window's to decide whether this is focus stealing.
void requestActivation(xcb_connection_t *connection, const Messaging &atoms, xcb_window_t window, quint32 time)
{
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atoms.activeWindow;
    event.data.data32[0] = 1;
    event.data.data32[1] = time;
    sendToRoot(connection, atoms.root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
               event);
}

// Startup notification's "remove" message, which ends the launcher's busy
// cursor: in 20-byte pieces, the last holding the closing nul.
void removeStartupId(xcb_connection_t *connection, const Messaging &atoms, xcb_window_t window,
                     const QString &startupId)
{
    QString quoted = startupId;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    const QByteArray message = QStringLiteral("remove: ID=\"%1\"").arg(quoted).toUtf8();
    const qsizetype length = message.size() + 1;
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 8;
    event.window = window;
    for (qsizetype at = 0; at < length; at += 20) {
        event.type = at == 0 ? atoms.infoBegin : atoms.info;
        std::fill(std::begin(event.data.data8), std::end(event.data.data8), 0);
        std::copy(message.constData() + at, message.constData() + qMin(at + 20, message.size()), event.data.data8);
        sendToRoot(connection, atoms.root, XCB_EVENT_MASK_PROPERTY_CHANGE, event);
    }
}

// Ends the launch's startup notification and, when its id holds the launch's
// time, asks for the window's activation with it; says whether it asked.
bool endStartupOnX11(xcb_connection_t *connection, xcb_window_t window, const QString &startupId)
{
    const Messaging atoms = askServer(connection, window);
    if (atoms.root == XCB_WINDOW_NONE)
        return false;
    const std::optional<quint32> time = WindowActivation::startupIdTime(startupId);
    if (time)
        requestActivation(connection, atoms, window, *time);
    removeStartupId(connection, atoms, window, startupId);
    xcb_flush(connection);
    return time.has_value();
}

} // namespace

std::optional<quint32> WindowActivation::startupIdTime(const QString &startupId)
{
    const qsizetype at = startupId.lastIndexOf(QLatin1String("_TIME"));
    if (at < 0)
        return std::nullopt;
    const QStringView digits = QStringView(startupId).mid(at + 5);
    bool ok = false;
    const quint32 time = digits.toUInt(&ok);
    // Only plain digits: toUInt takes a sign or blanks too.
    const auto isDigit = [](QChar c) { return QLatin1Char('0') <= c && c <= QLatin1Char('9'); };
    if (!ok || !std::all_of(digits.begin(), digits.end(), isDigit))
        return std::nullopt;
    return time;
}

void WindowActivation::raise(QWidget *window, const QString &token)
{
    window->show();
    window->raise();
    if (!token.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // Qt's xdg-shell hands this variable to the compositor's xdg-activation as it activates.
        qputenv(ActivationTokenVariable, token.toUtf8());
        window->activateWindow();
        // Qt unsets it once used; a compositor without xdg-activation leaves it, and a
        // program opened later (the wake-up tune) must not inherit a spent token.
        qunsetenv(ActivationTokenVariable);
        return;
    }
    auto *x11 = token.isEmpty() ? nullptr : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // Without the launch's time Qt's own request, with the program's last event time, is as good.
    if (!x11 || !endStartupOnX11(x11->connection(), xcb_window_t(window->winId()), token))
        window->activateWindow();
}
