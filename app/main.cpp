// SPDX-License-Identifier: MIT
#include <QDBusConnection>
#include <cstdio>
#include <optional>

#include "app/application.h"
#include "app/instanceservice.h"
#include "app/realplatform.h"
#include "app/somnelle.h"
#include "app/unixsignals.h"
#include "session/filenamebytes.h"
#include "session/startfile.h"
#include "settings/commandline.h"
#include "ui/applicationtitle.h"
#include "ui/mainwindow.h"

int main(int argc, char *argv[])
{
    // Answered before anything else: no display needed, no settings touched.
    if (argc == 2 && (qstrcmp(argv[1], "--help") == 0 || qstrcmp(argv[1], "--version") == 0)) {
        const QCoreApplication core(argc, argv); // no display: only to know where the program lives
        const QString text
            = qstrcmp(argv[1], "--help") == 0 ? CommandLineHelp(ProgramDataFolder()) : CommandLineVersion();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    // --extend, --cancel and --status ask the running Somnelle: no window, no settings.
    if (argc >= 2 && QByteArray(argv[1]).startsWith("--") && qstrcmp(argv[1], "--dry-run") != 0) {
        const QCoreApplication core(argc, argv);
        if (const std::optional<int> exitCode
            = RunControlCommand(QDBusConnection::sessionBus(), QCoreApplication::arguments().mid(1)))
            return *exitCode;
    }

    Application app(argc, argv);
    // From argv itself, where Qt has taken out its own options: a start file's name keeps its bytes.
    QStringList arguments = ProgramArguments(argc, argv);
    // A dry run says what it would ask of the system at the end, and asks nothing.
    const bool dryRun = arguments.removeAll(QStringLiteral("--dry-run")) > 0;
    // A second start hands its command line over to the Somnelle that runs.
    switch (TakeNameOrHandOver(QDBusConnection::sessionBus(), arguments)) {
    case NameOutcome::HandedOver:
        return 0;
    case NameOutcome::Refused:
        return 1;
    case NameOutcome::Taken:
    case NameOutcome::RunAlone:
        break;
    }
    SetApplicationTitle(QStringLiteral("Somnelle"));
    // The menu entry the task bar and Wayland match the window with.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.somnelle.Somnelle"));

    RealPlatform real;
    real.settings.ensureSettingsFile();
    Somnelle somnelle(real.platform, arguments);
    somnelle.session().setDryRun(dryRun);
    InstanceService service(somnelle);
    service.publish(QDBusConnection::sessionBus());
    const UnixSignals unixSignals;
    QObject::connect(&unixSignals, &UnixSignals::received, &app, [&somnelle] { somnelle.endBySignal(); });
    somnelle.form().show();
    return app.exec();
}
