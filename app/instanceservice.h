// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <optional>

class Somnelle;

// One Somnelle per desktop session: the running one owns org.somnelle.Somnelle
// on the session bus and serves this interface at /org/somnelle/Somnelle. A
// second start hands its command line over to it; --extend, --cancel and
// --status ask it.
class InstanceService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.somnelle.Somnelle")
public:
    static const QString Name;
    static const QString Path;

    InstanceService(Somnelle &somnelle, QObject *parent = nullptr);

    // Serves the interface on the bus, under the name taken by TakeName.
    bool publish(QDBusConnection bus);

public Q_SLOTS:
    // Raises the window.
    Q_SCRIPTABLE void Activate();
    // A second start's arguments; an empty answer when applied, else why not.
    Q_SCRIPTABLE QString HandOver(const QStringList &arguments);
    // Adds minutes to the running fade; an empty answer when done, else why not.
    Q_SCRIPTABLE QString Extend(int minutes);
    // As the Cancel button.
    Q_SCRIPTABLE void Cancel();
    // "idle", "fading 37 %, ends at 23:47, then shutdown", "waiting for the wake-up at 07:30".
    Q_SCRIPTABLE QString Status();

private:
    Somnelle &somnelle_;
};

// What a start does about a Somnelle that may already run on the bus.
enum class NameOutcome {
    Taken,      // this one is the first: it runs and serves
    HandedOver, // the running one took the command line: exit 0
    Refused,    // the running one refused it (a session runs); the reason is on stderr: exit 1
    RunAlone,   // no bus, or the owner did not answer: run without the name (logged)
};
NameOutcome TakeNameOrHandOver(QDBusConnection bus, const QStringList &arguments);

// --extend MINUTES, --cancel and --status: asks the running Somnelle and
// prints what it says. Answers the exit code: 0 done, 1 refused, 2 usage,
// 3 no Somnelle runs. nullopt when the arguments are not one of these.
std::optional<int> RunControlCommand(QDBusConnection bus, const QStringList &arguments);
