// SPDX-License-Identifier: MIT
#pragma once

#include "platform/shell.h"

// Opens through the desktop's own handler (xdg-open); never through a shell.
class DesktopShell : public Shell {
    Q_OBJECT
public:
    using Shell::Shell;

    void open(const QUrl &url) override;
    void openFile(const QString &pathOrUrl) override;
};
