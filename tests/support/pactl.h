// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <csignal>

// Reads and sets the tests' private PulseAudio sink through pactl.
namespace Pactl {

inline QString run(const QStringList &arguments)
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), arguments);
    pactl.waitForFinished(10000);
    return QString::fromUtf8(pactl.readAllStandardOutput());
}

// The sink's volume in PulseAudio's units (65536 = 100 %), of its first channel.
inline int sinkVolume()
{
    const QString out = run({QStringLiteral("get-sink-volume"), QStringLiteral("@DEFAULT_SINK@")});
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral(":\\s*(\\d+)\\s*/")).match(out);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Every channel's volume, in PulseAudio's units.
inline QList<int> sinkChannels()
{
    const QString out = run({QStringLiteral("get-sink-volume"), QStringLiteral("@DEFAULT_SINK@")});
    QList<int> channels;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral(":\\s*(\\d+)\\s*/")).globalMatch(out);
    while (it.hasNext())
        channels << it.next().captured(1).toInt();
    return channels;
}

inline void setSinkVolume(const QString &volume)
{
    run({QStringLiteral("set-sink-volume"), QStringLiteral("@DEFAULT_SINK@"), volume});
}

inline bool sinkMuted()
{
    return run({QStringLiteral("get-sink-mute"), QStringLiteral("@DEFAULT_SINK@")}).contains(QStringLiteral("yes"));
}

inline void setSinkMuted(bool muted)
{
    run({QStringLiteral("set-sink-mute"), QStringLiteral("@DEFAULT_SINK@"),
         muted ? QStringLiteral("1") : QStringLiteral("0")});
}

// Stops or starts the private sound server ("stop", "start"); whether it did.
inline bool controlServer(const char *command)
{
    return QProcess::execute(qEnvironmentVariable("SOMNELLE_TEST_SOUND_CONTROL"), {QString::fromLatin1(command)}) == 0;
}

// The names of this process's clients of the server, sorted.
inline QStringList ourClients()
{
    QStringList names;
    const QString pid = QString::number(QCoreApplication::applicationPid());
    for (const QString &client :
         run({QStringLiteral("list"), QStringLiteral("clients")}).split(QStringLiteral("Client #"))) {
        const QString name
            = QRegularExpression(QStringLiteral("application\\.name = \"([^\"]*)\"")).match(client).captured(1);
        if (client.contains(QStringLiteral("application.process.id = \"%1\"").arg(pid)))
            names << name;
    }
    names.sort();
    return names;
}

// The private sound server stopped (SIGSTOP, as a hung server) while this
// lives. A call that blocks would never reach the destructor, so the server
// is also resumed from outside after three seconds (or as asked, as a server
// slow to answer): the test fails in seconds rather than hanging.
class StoppedServer {
public:
    explicit StoppedServer(int resumedAfterMs = 3000)
    {
        QFile pgid(QFileInfo(qEnvironmentVariable("SOMNELLE_TEST_SOUND_CONTROL")).dir().filePath("pgid"));
        if (pgid.open(QIODevice::ReadOnly))
            group_ = pgid.readAll().trimmed().toInt();
        if (group_ <= 1 || ::kill(-group_, SIGSTOP) != 0)
            group_ = 0;
        else
            QProcess::startDetached(
                "sh", {"-c", QStringLiteral("sleep %1; kill -CONT -%2").arg(resumedAfterMs / 1000.0).arg(group_)});
    }
    ~StoppedServer()
    {
        if (group_)
            ::kill(-group_, SIGCONT);
    }
    bool stopped() const { return group_ != 0; }

private:
    int group_ = 0;
};

} // namespace Pactl
