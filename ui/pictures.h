// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>

// The window's pictures. A missing or damaged picture gives a null pixmap,
// and the window comes up without it.
namespace Pictures {
// A bitmap whose lower-left pixel colour is drawn transparent.
QPixmap keyed(const QString &resource);
// The same, with its word (from wordLeft on) written anew in another language.
QPixmap worded(const QString &resource, const QString &word, int wordLeft);
// The sky, decoded from its JPEG.
QPixmap sky();
} // namespace Pictures
