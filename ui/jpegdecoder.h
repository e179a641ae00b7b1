// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a JPEG with libjpeg. Damaged or truncated data gives a null image,
// never a crash.
QImage DecodeJpeg(const QByteArray &data);
