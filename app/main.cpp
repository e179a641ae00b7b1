#include "app/application.h"
#include "app/sessionstate.h"
#include "app/somnelle.h"
#include "settings/inisettingsstore.h"
#include "ui/tform1.h"

int main(int argc, char *argv[])
{
    SessionState state;
    IniSettingsStore settings;
    settings.EnsureSettingsKey();

    Application app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Somnelle"));

    Somnelle somnelle(state, settings);
    somnelle.form().show();
    return app.exec();
}
