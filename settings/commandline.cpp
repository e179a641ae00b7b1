// SPDX-License-Identifier: MIT
#include "settings/commandline.h"

#include <QCoreApplication>
#include <limits>

#include "somnelleversion.h"
#include "settings/setup.h"

namespace {

bool isBlank(QChar c)
{
    return c.unicode() < 33;
}

int hexDigit(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    const QChar lower = c.toLower();
    if (lower >= QLatin1Char('a') && lower <= QLatin1Char('f'))
        return lower.unicode() - 'a' + 10;
    return -1;
}

// Reads a text from its start, one part after another.
class Scanner {
public:
    explicit Scanner(const QString &text)
        : text_(text)
    {
    }

    bool atEnd() const { return at_ >= text_.size(); }
    void skipBlanks()
    {
        while (!atEnd() && isBlank(text_[at_]))
            ++at_;
    }
    // Takes the word when the text continues with it, in any case.
    bool take(const QString &word)
    {
        if (word.isEmpty() || text_.mid(at_, word.size()).compare(word, Qt::CaseInsensitive) != 0)
            return false;
        at_ += word.size();
        return true;
    }
    // Decimal digits, at least one; none of the numbers here has more than a few.
    std::optional<int> number()
    {
        const qsizetype start = at_;
        qint64 value = 0;
        while (!atEnd() && text_[at_] >= QLatin1Char('0') && text_[at_] <= QLatin1Char('9') && at_ - start < 9)
            value = value * 10 + (text_[at_++].unicode() - '0');
        if (at_ == start || (!atEnd() && text_[at_].isDigit()))
            return std::nullopt;
        return int(value);
    }

private:
    const QString &text_;
    qsizetype at_ = 0;
};

enum class Marker { None, Am, Pm };

Marker takeMarker(Scanner &scanner)
{
    for (const auto &[word, marker] :
         {std::pair {QStringLiteral("AM"), Marker::Am}, {QStringLiteral("PM"), Marker::Pm}})
        if (scanner.take(word))
            return marker;
    return Marker::None;
}

// A two-character number from the command line, as the field's decimal text.
bool putNumber(const QString &argument, QString &field)
{
    if (argument.size() > 2)
        return false;
    const std::optional<qint32> number = CommandLine::wholeNumber(argument);
    if (!number)
        return false;
    field = QString::number(*number);
    return true;
}

} // namespace

std::optional<qint32> CommandLine::wholeNumber(const QString &text)
{
    qsizetype at = 0;
    while (at < text.size() && isBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')))
        negative = text[at++] == QLatin1Char('-');
    int base = 10;
    if (text.mid(at, 2).compare(QLatin1String("0x"), Qt::CaseInsensitive) == 0) {
        base = 16;
        at += 2;
    } else if (at < text.size()
               && (text[at] == QLatin1Char('$') || text[at] == QLatin1Char('x') || text[at] == QLatin1Char('X'))) {
        base = 16;
        ++at;
    }
    if (at >= text.size())
        return std::nullopt;
    qint64 magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = hexDigit(text[at]);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > qint64(1) << 32)
            return std::nullopt;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

std::optional<QTime> CommandLine::timeOfDay(const QString &text)
{
    Scanner scanner(text);
    scanner.skipBlanks();
    Marker marker = takeMarker(scanner);
    scanner.skipBlanks();

    int parts[4] = {0, 0, 0, 0}; // hour, minute, second, millisecond
    const int limits[4] = {23, 59, 59, 999};
    int count = 0;
    for (; count < 4; ++count) {
        if (count > 0) {
            scanner.skipBlanks();
            if (!scanner.take(count == 3 ? QStringLiteral(".") : QStringLiteral(":")))
                break;
            scanner.skipBlanks();
        }
        const std::optional<int> part = scanner.number();
        if (!part || *part > limits[count])
            return std::nullopt;
        parts[count] = *part;
    }

    scanner.skipBlanks();
    if (marker == Marker::None)
        marker = takeMarker(scanner);
    scanner.skipBlanks();
    if (!scanner.atEnd())
        return std::nullopt;

    if (marker != Marker::None) {
        if (parts[0] < 1 || parts[0] > 12)
            return std::nullopt;
        parts[0] = parts[0] % 12 + (marker == Marker::Pm ? 12 : 0);
    }
    return QTime(parts[0], parts[1], parts[2], parts[3]);
}

CommandLine::Outcome CommandLine::apply(const QStringList &words, Setup &setup, bool withTrack)
{
    if (words.isEmpty())
        return Outcome::Nothing;
    // With the track the minutes are left out: the action comes first.
    const int shift = withTrack ? 1 : 0;
    const auto word = [&words, shift](int position) { return words.value(position - 1 - shift); };

    bool invalid = false;
    // The words a form takes; one more is a word that would be dropped without a trace.
    qsizetype taken = 1;
    if (withTrack || word(1) != QLatin1String("registry")) {
        if (!withTrack)
            invalid |= !putNumber(word(1), setup.minutes);
        setup.endWithTrack = withTrack;

        const QString action = word(2);
        taken = (action == QLatin1String("am") ? 6 : 2) - shift;
        if (action == QLatin1String("sd")) {
            setup.endAction = EndAction::PowerOff;
        } else if (action == QLatin1String("sm")) {
            setup.endAction = EndAction::Suspend;
        } else if (action == QLatin1String("am")) {
            setup.endAction = EndAction::Alarm;
            if (const std::optional<QTime> time = timeOfDay(word(3)))
                setup.wakeUpTime = *time;
            else
                invalid = true;

            if (word(4) == QLatin1String("tm"))
                setup.tomorrow = true;
            else if (word(4) == QLatin1String("td"))
                setup.tomorrow = false;
            else
                invalid = true;

            invalid |= !putNumber(word(5), setup.wakeUpPercent);

            if (word(6).isEmpty())
                invalid = true;
            else
                setup.startFile = word(6);
        } else {
            invalid = true;
        }
    }
    invalid |= words.size() > taken;
    return invalid ? Outcome::InvalidParameters : Outcome::Start;
}

QString CommandLine::help(const QString &dataFolder)
{
    // The words of the command line and the answers of --status stay as they are: scripts write and read them.
    return QCoreApplication::translate(
               "CommandLine",
               "Usage: somnelle [registry | MINUTES ACTION [TIME DAY VOLUME FILE]]\n"
               "\n"
               "Turns the master volume down to 0 % over MINUTES, then ends as ACTION says.\n"
               "With arguments, the fields are filled in and the session starts at once.\n"
               "\n"
               "  registry   start with the setup stored by the last session\n"
               "  MINUTES    1 to 99\n"
               "  ACTION     sd: shut down; sm: suspend; am: alarm, which takes the rest:\n"
               "  TIME       wake-up time of day, such as 07:30 or 7:30 PM\n"
               "  DAY        tm: tomorrow (after the next midnight); td: today\n"
               "  VOLUME     wake-up volume in percent, 1 to 99\n"
               "  FILE       the file to open at the wake-up, such as europe.mid; a relative\n"
               "             name is looked for in the current folder, then in\n"
               "             %1\n"
               "\n"
               "Examples:\n"
               "  somnelle 30 sd\n"
               "  somnelle 45 am 07:30 tm 40 europe.mid\n"
               "\n"
               "  --dry-run [MINUTES ACTION ...]   the same, but at the end only say that the\n"
               "             computer would shut down or suspend; alone, it opens a window\n"
               "             whose every Start is a dry run\n"
               "  --sleep-until-alarm MINUTES am ...   with an alarm: after the fade, suspend\n"
               "             the computer and let it wake itself a minute before the wake-up,\n"
               "             where it can (the check box \"Sleep until then\" tells)\n"
               "  --end-with-track ACTION ...   the night lasts as long as the track playing\n"
               "             now (the minutes left out): the fade ends with it, and the\n"
               "             player is paused before the next one; --status then says\n"
               "             \"ends with the track at\"\n"
               "  --decibel-fade MINUTES ACTION ...   a fade even to the ear, in decibels,\n"
               "             rather than in even steps of the volume\n"
               "  --resume   play again where you fell asleep: the track a player played\n"
               "             half way through the last fade, from that place (for a day)\n"
               "\n"
               "To the Somnelle that runs (one per desktop session; a second start hands\n"
               "its arguments over to it, and is refused while a session runs there):\n"
               "  --extend MINUTES   add 1 to 99 minutes to the fade; refused when the new\n"
               "             end would pass the wake-up\n"
               "  --cancel   cancel the session, as the Cancel button does, or silence the\n"
               "             wake-up's chime\n"
               "  --status   print one line, one of:\n"
               "               idle\n"
               "               fading 37 %, ends at 23:47, then shutdown\n"
               "                 (or then suspend, then the alarm; \" (dry run)\" after a dry run's)\n"
               "               ending   (the fade is over, the computer is about to go off)\n"
               "               waiting for the wake-up at 07:30\n"
               "                 (\"; the computer sleeps until then\" after it while a wake is armed)\n"
               "               wake-up sounding   (the chime rings)\n"
               "               not running   (exit status 3)\n"
               "             a time more than a day away names its day: 17:49 on Thu 10 Dec\n"
               "The words of the command line and the answers of --status are English in\n"
               "every language: scripts write and read them.\n"
               "Exit status: 0 done, 1 refused or the running Somnelle does not answer,\n"
               "2 misused (an unknown option, or invalid parameters), 3 no Somnelle runs.\n"
               "\n"
               "  --help, -h   show this text\n"
               "  --version  show the version\n")
        .arg(dataFolder);
}

QString CommandLine::version()
{
    return QStringLiteral("Somnelle " SOMNELLE_VERSION "\n");
}
