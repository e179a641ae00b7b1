// SPDX-License-Identifier: MIT
#include "settings/invocation.h"

#include <QCoreApplication>
#include <optional>

#include "settings/commandline.h"

namespace {

using Kind = Invocation::Kind;

// The options that stand alone: nothing may come before or after them.
const std::pair<QLatin1String, Kind> Alone[]
    = {{QLatin1String("--help"), Kind::Help},     {QLatin1String("-h"), Kind::Help},
       {QLatin1String("-help"), Kind::Help},      {QLatin1String("--version"), Kind::Version},
       {QLatin1String("--status"), Kind::Status}, {QLatin1String("--cancel"), Kind::Cancel},
       {QLatin1String("--extend"), Kind::Extend}, {QLatin1String("--resume"), Kind::Resume}};

// A word that looks like an option: a dash, then no digit ("-5" is a signed
// number, for the session to refuse as it refuses any minutes out of range).
bool isOptionLike(const QString &word)
{
    return word.startsWith(QLatin1Char('-')) && !(word.size() > 1 && word[1].isDigit());
}

Invocation misuse(const QString &error)
{
    Invocation asked;
    asked.kind = Kind::Misuse;
    asked.error = error;
    return asked;
}

} // namespace

Invocation Invocation::parse(const QStringList &arguments)
{
    const QString first = arguments.value(0);
    for (const auto &[option, kind] : Alone) {
        if (first != option)
            continue;
        if (kind == Kind::Extend) {
            const std::optional<qint32> minutes = arguments.size() == 2 && arguments[1].size() <= 2
                ? CommandLine::wholeNumber(arguments[1])
                : std::nullopt;
            if (!minutes || *minutes < 1 || *minutes > 99)
                return misuse(QCoreApplication::translate("Invocation", "usage: somnelle --extend MINUTES (1 to 99)"));
            Invocation asked;
            asked.kind = kind;
            asked.minutes = *minutes;
            return asked;
        }
        if (arguments.size() > 1)
            return misuse(
                QCoreApplication::translate("Invocation", "somnelle: %1 takes no other arguments").arg(first));
        Invocation asked;
        asked.kind = kind;
        return asked;
    }

    Invocation asked;
    for (const QString &word : arguments) {
        if (word == QLatin1String("--dry-run")) {
            asked.dryRun = true;
        } else if (word == QLatin1String("--sleep-until-alarm")) {
            asked.sleepUntilAlarm = true;
        } else if (word == QLatin1String("--end-with-track")) {
            asked.endWithTrack = true;
        } else if (word == QLatin1String("--decibel-fade")) {
            asked.decibelFade = true;
        } else if (isOptionLike(word)) {
            const bool known = std::any_of(std::begin(Alone), std::end(Alone),
                                           [&word](const auto &option) { return word == option.first; });
            return misuse(
                known ? QCoreApplication::translate("Invocation", "somnelle: %1 takes no other arguments").arg(word)
                      : QCoreApplication::translate("Invocation", "somnelle: unknown option %1; see somnelle --help")
                            .arg(word));
        } else {
            asked.words << word;
        }
    }
    // The track is the night's length: an action follows, and no minutes; "registry" takes the stored choice.
    if (asked.endWithTrack && (asked.words.isEmpty() || asked.usesStoredSetup()))
        return misuse(QCoreApplication::translate("Invocation",
                                                  "somnelle: --end-with-track goes with an action and no minutes, "
                                                  "such as --end-with-track sd"));
    // Only an alarm has a wake-up to sleep until; "registry" takes the stored choice.
    if (asked.sleepUntilAlarm && asked.action() != QLatin1String("am"))
        return misuse(QCoreApplication::translate("Invocation",
                                                  "somnelle: --sleep-until-alarm goes with an alarm, such as "
                                                  "--sleep-until-alarm 45 am 07:30 tm 40 europe.mid"));
    return asked;
}
