// SPDX-License-Identifier: MIT
#include "settings/filenamebytes.h"

#include <cerrno>
#include <climits>
#include <unistd.h>

namespace {

constexpr char16_t EscapeBase = 0xDC00; // U+DC80..U+DCFF stand for the bytes 0x80..0xFF

// The length of the valid UTF-8 sequence at bytes[at], or 0 when it does not decode.
int validSequence(const QByteArray &bytes, int at)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || at + length > bytes.size())
        return 0;
    const QByteArray sequence = bytes.mid(at, length);
    // Overlong forms, surrogates and stray continuation bytes do not survive the round trip.
    return QString::fromUtf8(sequence).toUtf8() == sequence ? length : 0;
}

} // namespace

QString FileNameBytes::decode(const QByteArray &bytes)
{
    QString name;
    name.reserve(bytes.size());
    for (int at = 0; at < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte < 0x80) {
            name += QLatin1Char(char(byte));
            ++at;
        } else if (const int length = validSequence(bytes, at)) {
            name += QString::fromUtf8(bytes.mid(at, length));
            at += length;
        } else {
            name += QChar(char16_t(EscapeBase + byte));
            ++at;
        }
    }
    return name;
}

QByteArray FileNameBytes::encode(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype textStart = 0;
    for (qsizetype at = 0; at <= name.size(); ++at) {
        const bool escape
            = at < name.size() && name[at].unicode() >= EscapeBase + 0x80 && name[at].unicode() <= EscapeBase + 0xFF;
        if (at < name.size() && !escape)
            continue;
        bytes += QStringView(name).mid(textStart, at - textStart).toUtf8();
        if (escape)
            bytes += char(name[at].unicode() - EscapeBase);
        textStart = at + 1;
    }
    return bytes;
}

bool FileNameBytes::isUtf8(const QString &name)
{
    return encode(name) == name.toUtf8();
}

QStringList FileNameBytes::programArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << decode(QByteArray(argv[i]));
    return arguments;
}

QString FileNameBytes::currentFolder()
{
    // getcwd itself: Qt's current path has lost the bytes that are not UTF-8.
    QByteArray bytes(PATH_MAX, Qt::Uninitialized);
    while (!::getcwd(bytes.data(), size_t(bytes.size()))) {
        if (errno != ERANGE)
            return QString();
        bytes.resize(bytes.size() * 2);
    }
    return decode(QByteArray(bytes.constData()));
}
