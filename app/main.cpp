#include <QDBusConnection>
#include <cstdio>
#include <cstdlib>

#include "app/application.h"
#include "app/somnelle.h"
#include "app/unixsignals.h"
#include "audio/alsachime.h"
#include "audio/alsamixer.h"
#include "session/desktopshell.h"
#include "session/filenamebytes.h"
#include "session/logindpower.h"
#include "session/mprisplayers.h"
#include "session/sleepinhibitor.h"
#include "session/systemclock.h"
#include "settings/commandline.h"
#include "settings/inisettingsstore.h"
#include "ui/mainwindow.h"
#include "ui/applicationtitle.h"

int main(int argc, char *argv[])
{
    // Answered before anything else: no display needed, no settings touched.
    if (argc == 2 && (qstrcmp(argv[1], "--help") == 0 || qstrcmp(argv[1], "--version") == 0)) {
        const QCoreApplication core(argc, argv); // no display: only to know where the program lives
        const QString text = qstrcmp(argv[1], "--help") == 0 ? CommandLineHelp() : CommandLineVersion();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    IniSettingsStore settings;
    settings.ensureSettingsFile();

    Application app(argc, argv);
    SetApplicationTitle(QStringLiteral("Somnelle"));
    // The menu entry the task bar and Wayland match the window with.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.somnelle.Somnelle"));

    AlsaMixer mixer;
    DesktopShell shell;
    LogindPower power(QDBusConnection::systemBus());
    SleepInhibitor awake(QDBusConnection::sessionBus(), QDBusConnection::systemBus());
    SystemClock clock;
    MprisPlayers players(QDBusConnection::sessionBus());
    AlsaChime chime;
    const Platform platform {settings, mixer, shell, power, awake, clock, players, chime, [] { std::_Exit(0); },
                             [] { QCoreApplication::exit(0); }};
    // From argv itself, where Qt has taken out its own options: a start file's name keeps its bytes.
    Somnelle somnelle(platform, ProgramArguments(argc, argv));
    const UnixSignals unixSignals;
    QObject::connect(&unixSignals, &UnixSignals::received, &app, [&somnelle] { somnelle.endBySignal(); });
    somnelle.form().show();
    return app.exec();
}
