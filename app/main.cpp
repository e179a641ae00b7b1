// SPDX-License-Identifier: MIT
#include <QDBusConnection>
#include <cstdio>
#include <optional>

#include "app/application.h"
#include "app/instanceservice.h"
#include "app/realplatform.h"
#include "app/somnelle.h"
#include "app/unixsignals.h"
#include "session/startfile.h"
#include "settings/commandline.h"
#include "settings/filenamebytes.h"
#include "settings/invocation.h"
#include "ui/applicationtitle.h"
#include "ui/mainwindow.h"

int main(int argc, char *argv[])
{
    // What is asked is known before Qt starts: a misuse or a question to the
    // running Somnelle needs no display, and opens no window.
    const Invocation asked = ParseInvocation(ProgramArguments(argc, argv));
    switch (asked.kind) {
    case Invocation::Kind::Misuse:
        std::fputs((asked.error + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
        return 2;
    case Invocation::Kind::Help:
    case Invocation::Kind::Version: {
        const QCoreApplication core(argc, argv); // only to know where the program lives
        const QString text
            = asked.kind == Invocation::Kind::Help ? CommandLineHelp(ProgramDataFolder()) : CommandLineVersion();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    case Invocation::Kind::Status:
    case Invocation::Kind::Cancel:
    case Invocation::Kind::Extend: {
        const QCoreApplication core(argc, argv);
        return RunControlCommand(QDBusConnection::sessionBus(), asked);
    }
    case Invocation::Kind::Start:
        break;
    }

    const QString activationToken = LauncherActivationToken();
    Application app(argc, argv);
    // From argv itself, where Qt has taken out its own options: a start file's name keeps its bytes.
    const QStringList arguments = ProgramArguments(argc, argv);
    // A second start hands its command line over to the Somnelle that runs.
    if (const std::optional<int> handedOver
        = TakeNameOrHandOver(QDBusConnection::sessionBus(), arguments, activationToken))
        return *handedOver;
    SetApplicationTitle(QStringLiteral("Somnelle"));
    // The menu entry the task bar and Wayland match the window with.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.somnelle.Somnelle"));

    RealPlatform real;
    real.settings.ensureSettingsFile();
    Somnelle somnelle(real.platform, ParseInvocation(arguments));
    InstanceService service(somnelle);
    service.publish(QDBusConnection::sessionBus());
    const UnixSignals unixSignals;
    QObject::connect(&unixSignals, &UnixSignals::received, &app, [&somnelle] { somnelle.endBySignal(); });
    somnelle.form().show();
    return app.exec();
}
