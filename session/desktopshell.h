#pragma once

#include "session/shell.h"

// Opens through the desktop's own handler (xdg-open); never through a shell.
class DesktopShell : public Shell {
public:
    void open(const QUrl &url) override;
};
