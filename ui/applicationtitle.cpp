// SPDX-License-Identifier: MIT
#include "ui/applicationtitle.h"

namespace {
QString &title()
{
    static QString current = QStringLiteral("Somnelle");
    return current;
}
} // namespace

void SetApplicationTitle(const QString &newTitle)
{
    title() = newTitle;
}

QString ApplicationTitle()
{
    return title();
}
