// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// File names on Linux are bytes, not always UTF-8 (a name from an old
// Latin-1 folder, say), and Qt's own conversions replace the bytes that do
// not decode. These keep them: each such byte becomes the lone surrogate
// U+DC80 + (byte - 0x80), which no decoded text holds, and back again.
namespace FileNameBytes {

QString decode(const QByteArray &bytes);
QByteArray encode(const QString &name);
// Whether the name's bytes are its UTF-8: no byte of it was kept that way.
bool isUtf8(const QString &name);

// The program's arguments after its name, decoded that way.
QStringList programArguments(int argc, char **argv);
// The process's current folder, decoded that way.
QString currentFolder();

} // namespace FileNameBytes
