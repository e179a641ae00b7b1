#include "session/desktopshell.h"

#include <QDesktopServices>

void DesktopShell::open(const QUrl &url)
{
    // The result is not examined: a missing handler is not the user's problem at 3 a.m.
    QDesktopServices::openUrl(url);
}
