// SPDX-License-Identifier: MIT
#include <QApplication>
#include <memory>
#include <QDBusConnection>
#include <cstdio>
#include <optional>

#include "app/displayloss.h"
#include "app/instanceservice.h"
#include "app/realplatform.h"
#include "app/somnelle.h"
#include "app/unixsignals.h"
#include "app/windowopening.h"
#include "platform/startfile.h"
#include "settings/commandline.h"
#include "settings/filenamebytes.h"
#include "settings/invocation.h"
#include "ui/mainwindow.h"
#include "ui/translations.h"

int main(int argc, char *argv[])
{
    // What is asked is known before Qt starts: a misuse, a question to the
    // running Somnelle, or a start where no window can be opened (which hands
    // its command line over) needs no display, and opens no window.
    const QStringList words = FileNameBytes::programArguments(argc, argv);
    if (Invocation::parse(words).kind != Invocation::Kind::Start || !WindowOpening::possible(argc, argv)) {
        const QCoreApplication core(argc, argv); // for the language, and to know where the program lives
        Translations::use(QLocale::system().uiLanguages());
        const Invocation asked = Invocation::parse(words); // its message in that language
        switch (asked.kind) {
        case Invocation::Kind::Misuse:
            std::fputs((asked.error + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
            return 2;
        case Invocation::Kind::Help:
            std::fputs(CommandLine::help(StartFile::programDataFolder()).toLocal8Bit().constData(), stdout);
            return 0;
        case Invocation::Kind::Version:
            std::fputs(CommandLine::version().toLocal8Bit().constData(), stdout);
            return 0;
        case Invocation::Kind::Start:
            return Instance::handOverWithoutWindow(QDBusConnection::sessionBus(), words, Instance::launcherToken());
        case Invocation::Kind::Status:
        case Invocation::Kind::Cancel:
        case Invocation::Kind::Extend:
        case Invocation::Kind::Resume:
            break;
        }
        return Instance::runControlCommand(QDBusConnection::sessionBus(), asked);
    }

    const QString activationToken = Instance::launcherToken();
    // The panel indicator's title, and the window's class on X11 (as the desktop entry names it).
    QCoreApplication::setApplicationName(QStringLiteral("Somnelle"));
    const std::unique_ptr<QApplication> app = WindowOpening::application(argc, argv);
    Translations::use(QLocale::system().uiLanguages());
    // From argv itself, where Qt has taken out its own options: a start file's name keeps its bytes.
    const QStringList arguments = FileNameBytes::programArguments(argc, argv);
    // A second start hands its command line over to the Somnelle that runs.
    if (const std::optional<int> handedOver
        = Instance::takeNameOrHandOver(QDBusConnection::sessionBus(), arguments, activationToken))
        return *handedOver;
    // The menu entry the task bar and Wayland match the window with.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.somnelle.Somnelle"));

    RealPlatform real;
    real.settings.ensureSettingsFile();
    MainWindow window;
    Invocation asked = Invocation::parse(arguments);
    asked.folder = FileNameBytes::currentFolder();
    Somnelle somnelle(real.platform, window, asked);
    InstanceService service(somnelle);
    service.publish(QDBusConnection::sessionBus());
    const UnixSignals unixSignals;
    QObject::connect(&unixSignals, &UnixSignals::received, &somnelle, &Somnelle::endBySignal);
    // Losing the display ends the session as a signal does; the process then
    // ends at once, so the mixer gives the sound back before.
    const DisplayLoss displayLoss(&somnelle, [&somnelle, &real] {
        somnelle.endBySignal();
        real.mixer.finish();
    });
    // The event loop ends whatever the window says: Exit ends the program at once, also during a session.
    QObject::connect(&somnelle, &Somnelle::ended, app.get(), [] { QCoreApplication::exit(0); });
    somnelle.window().show();
    return QApplication::exec();
}
