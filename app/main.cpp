// SPDX-License-Identifier: MIT
#include <cstdio>

#include "app/application.h"
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

    Application app(argc, argv);
    SetApplicationTitle(QStringLiteral("Somnelle"));
    // The menu entry the task bar and Wayland match the window with.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.somnelle.Somnelle"));

    RealPlatform real;
    real.settings.ensureSettingsFile();
    // From argv itself, where Qt has taken out its own options: a start file's name keeps its bytes.
    Somnelle somnelle(real.platform, ProgramArguments(argc, argv));
    const UnixSignals unixSignals;
    QObject::connect(&unixSignals, &UnixSignals::received, &app, [&somnelle] { somnelle.endBySignal(); });
    somnelle.form().show();
    return app.exec();
}
