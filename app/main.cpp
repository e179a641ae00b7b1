#include <cstdlib>

#include "app/application.h"
#include "app/sessionstate.h"
#include "app/somnelle.h"
#include "audio/alsamixer.h"
#include "session/desktopshell.h"
#include "session/pendingendactions.h"
#include "session/systemclock.h"
#include "settings/inisettingsstore.h"
#include "ui/tform1.h"

int main(int argc, char *argv[])
{
    SessionState state;
    IniSettingsStore settings;
    settings.EnsureSettingsKey();

    Application app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Somnelle"));

    AlsaMixer mixer;
    DesktopShell shell;
    PendingEndActions endActions;
    SystemClock clock;
    const Platform platform {settings,  mixer, shell, endActions, clock, [] { std::_Exit(0); },
                             [] { QCoreApplication::exit(0); }};
    Somnelle somnelle(state, platform);
    somnelle.form().show();
    return app.exec();
}
