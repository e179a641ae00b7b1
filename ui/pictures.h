// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>

// The window's pictures. A missing or damaged picture gives a null pixmap,
// and the window comes up without it.
namespace Pictures {
// A bitmap whose lower-left pixel colour is drawn transparent.
QPixmap keyed(const QString &resource);
// The sky, decoded from its JPEG.
QPixmap sky();
} // namespace Pictures
