// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The program's title, as distinct from its window's caption: "Somnelle" at
// rest, the falling percentage during a fade, and the caption of its message
// boxes. It is kept apart from Qt's application display name on purpose: Qt
// appends that name to every window title ("37 % - Somnelle  — Somnelle"),
// and the title bar and task bar must read exactly the caption.
void SetApplicationTitle(const QString &title);
QString ApplicationTitle();
