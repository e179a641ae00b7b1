// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayList>
#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QStringList>
#include <optional>

class Somnelle;
struct Invocation;

// One Somnelle per desktop session: the running one owns org.somnelle.Somnelle
// on the session bus and serves this interface at /org/somnelle/Somnelle. A
// second start hands its command line over to it; --extend, --cancel and
// --status ask it.
class InstanceService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.somnelle.Somnelle")
public:
    static const QString Name;
    static const QString Path;

    InstanceService(Somnelle &somnelle, QObject *parent = nullptr);

    // Serves the interface on the bus, under the name taken by TakeNameOrHandOver.
    bool publish(QDBusConnection bus);

public Q_SLOTS:
    // A second start's arguments and its current folder, as the bytes it was
    // given (a file name need not be UTF-8), and the launcher's token for
    // raising the window. Answers the second start's exit status (0 applied,
    // 1 refused, 2 invalid parameters) and, unless applied, why.
    Q_SCRIPTABLE int HandOver(const QByteArrayList &arguments, const QByteArray &folder, const QString &activationToken,
                              QString &message);
    // Adds minutes to the running fade; an empty answer when done, else why not.
    Q_SCRIPTABLE QString Extend(int minutes);
    // As the Cancel button; the wake-up's chime it silences.
    Q_SCRIPTABLE void Cancel();
    // Plays again where the listener fell asleep; answers whether it did, and
    // what the status line says of it.
    Q_SCRIPTABLE bool Resume(QString &said);
    // One line for scripts: what the night is doing.
    Q_SCRIPTABLE QString Status();

private:
    // The reply to the call being answered goes out when answered is emitted,
    // with the arguments reply makes of what it carries.
    template <typename Signal, typename Reply>
    void replyWhen(Signal answered, Reply reply);

    Somnelle &somnelle_;
};

// A start's side of the service: the second start and the commands to the running one.
namespace Instance {

// The launcher's token for raising a window: XDG_ACTIVATION_TOKEN (Wayland) or
// DESKTOP_STARTUP_ID (X11). Read before Qt's own start-up, which takes them.
QString launcherToken();

// Takes the name, or hands the command line over to the Somnelle that owns it.
// Answers this start's exit status when it is done (0 handed over, 1 refused
// or the owner does not answer, 2 invalid parameters there); nullopt when this
// one is to run: it took the name, or there is no session bus (logged).
std::optional<int> takeNameOrHandOver(QDBusConnection bus, const QStringList &arguments,
                                      const QString &activationToken);

// A start with no display to open a window on (ssh, cron, a systemd timer):
// hands the command line over to the Somnelle that runs, which needs only the
// bus, or says that no window can be opened. Answers the exit status.
int handOverWithoutWindow(QDBusConnection bus, const QStringList &arguments, const QString &activationToken);

// --extend MINUTES, --cancel, --status and --resume: asks the running
// Somnelle and prints what it says (with none running, --resume resumes
// itself). Answers the exit code: 0 done, 1 refused or no answer, 3 no
// Somnelle runs.
int runControlCommand(QDBusConnection bus, const Invocation &asked);
// --resume through the Somnelle that runs, which says it in its window too;
// with none running, here.
int resumeThere(QDBusConnection bus);
int resumeHere(QDBusConnection bus);

} // namespace Instance
