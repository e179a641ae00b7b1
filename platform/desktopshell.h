// SPDX-License-Identifier: MIT
#pragma once

#include "platform/shell.h"

// Opens through the desktop's own handler (xdg-open); never through a shell.
class DesktopShell : public Shell {
public:
    void open(const QUrl &url) override;
    void openFile(const QString &pathOrUrl, std::function<void(bool opened)> done = {}) override;
};
