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

// A desktop number that EWMH gives a window shown on all of them.
constexpr quint32 AllDesktops = 0xFFFFFFFF;

struct Messaging {
    xcb_atom_t activeWindow = XCB_ATOM_NONE;
    xcb_atom_t infoBegin = XCB_ATOM_NONE;
    xcb_atom_t info = XCB_ATOM_NONE;
    xcb_atom_t windowDesktop = XCB_ATOM_NONE;
    xcb_atom_t currentDesktop = XCB_ATOM_NONE;
    xcb_window_t root = XCB_WINDOW_NONE;
};

// All requests go out before the first reply is awaited: one round trip, not six.
Messaging askServer(xcb_connection_t *connection, xcb_window_t window)
{
    const char *names[] = {"_NET_ACTIVE_WINDOW", "_NET_STARTUP_INFO_BEGIN", "_NET_STARTUP_INFO", "_NET_WM_DESKTOP",
                           "_NET_CURRENT_DESKTOP"};
    constexpr int count = int(std::size(names));
    xcb_intern_atom_cookie_t cookies[count];
    for (int i = 0; i < count; ++i)
        cookies[i] = xcb_intern_atom(connection, 0, quint16(qstrlen(names[i])), names[i]);
    const xcb_query_tree_cookie_t tree = xcb_query_tree(connection, window);
    xcb_atom_t atoms[count];
    for (int i = 0; i < count; ++i) {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookies[i], nullptr);
        atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
    }
    xcb_query_tree_reply_t *treeReply = xcb_query_tree_reply(connection, tree, nullptr);
    const xcb_window_t root = treeReply ? treeReply->root : xcb_window_t(XCB_WINDOW_NONE);
    std::free(treeReply);
    return {atoms[0], atoms[1], atoms[2], atoms[3], atoms[4], root};
}

// A desktop number of the window manager's: the one shown (on the root) or a window's.
std::optional<quint32> desktopOf(xcb_connection_t *connection, xcb_get_property_cookie_t cookie)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
    std::optional<quint32> desktop;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
        desktop = *static_cast<const quint32 *>(xcb_get_property_value(reply));
    std::free(reply);
    return desktop;
}

// The X server's time now. A click on the panel reaches us over the bus, not
// as an X event, so Qt's last event time is older than the panel's focus and
// the window manager would take the request for focus stealing. A property
// change on a window of a short connection of our own brings back a notice
// with the server's time: Qt's own connection would take that notice itself.
std::optional<quint32> serverTime()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    std::optional<quint32> time;
    const xcb_screen_t *screen
        = xcb_connection_has_error(connection) ? nullptr : xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen) {
        const xcb_window_t window = xcb_generate_id(connection);
        const quint32 events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
        xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
        xcb_flush(connection);
        while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
            if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY)
                time = reinterpret_cast<xcb_property_notify_event_t *>(event)->time;
            std::free(event);
            if (time)
                break;
        }
    }
    xcb_disconnect(connection);
    return time;
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

// Asks the window manager to put the window on the desktop being shown
// (unless it is on all of them) and to make it active, for a start with this
// token or, without one, for a click the person made just now; the launch's
// startup notification ends. Says whether it could ask.
bool activateOnX11(xcb_connection_t *connection, xcb_window_t window, const QString &startupId)
{
    const Messaging atoms = askServer(connection, window);
    if (atoms.root == XCB_WINDOW_NONE)
        return false;
    const xcb_get_property_cookie_t shown
        = xcb_get_property(connection, 0, atoms.root, atoms.currentDesktop, XCB_ATOM_CARDINAL, 0, 1);
    const xcb_get_property_cookie_t its
        = xcb_get_property(connection, 0, window, atoms.windowDesktop, XCB_ATOM_CARDINAL, 0, 1);
    const std::optional<quint32> current = desktopOf(connection, shown);
    const std::optional<quint32> desktop = desktopOf(connection, its);
    std::optional<quint32> time = WindowActivation::startupIdTime(startupId);
    if (!time)
        time = serverTime();
    if (!time)
        return false;
    if (current && desktop && *desktop != *current && *desktop != AllDesktops) {
        xcb_client_message_event_t move {};
        move.response_type = XCB_CLIENT_MESSAGE;
        move.format = 32;
        move.window = window;
        move.type = atoms.windowDesktop;
        move.data.data32[0] = *current;
        move.data.data32[1] = 1; // asked by the application
        sendToRoot(connection, atoms.root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   move);
    }
    requestActivation(connection, atoms, window, *time);
    if (!startupId.isEmpty())
        removeStartupId(connection, atoms, window, startupId);
    xcb_flush(connection);
    return true;
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
    // Shown and raised, a minimised window would stay minimised.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // Qt's xdg-shell hands this variable to the compositor's xdg-activation as it activates.
        if (!token.isEmpty())
            qputenv(ActivationTokenVariable, token.toUtf8());
        window->activateWindow();
        // Qt unsets it once used; a compositor without xdg-activation leaves it, and a
        // program opened later (the wake-up tune) must not inherit a spent token.
        qunsetenv(ActivationTokenVariable);
        return;
    }
    // Qt's offscreen platform offers the interface too, without a connection.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection() || !activateOnX11(x11->connection(), xcb_window_t(window->winId()), token))
        window->activateWindow();
}
