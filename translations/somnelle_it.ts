<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: somnelle [registry | MINUTES ACTION [TIME DAY VOLUME FILE]]

Turns the master volume down to 0 % over MINUTES, then ends as ACTION says.
With arguments, the fields are filled in and the session starts at once.

  registry   start with the setup stored by the last session
  MINUTES    1 to 99
  ACTION     sd: shut down; sm: suspend; am: alarm, which takes the rest:
  TIME       wake-up time of day, such as 07:30 or 7:30 PM
  DAY        tm: tomorrow (after the next midnight); td: today
  VOLUME     wake-up volume in percent, 1 to 99
  FILE       the file to open at the wake-up, such as europe.mid; a relative
             name is looked for in the current folder, then in
             %1

Examples:
  somnelle 30 sd
  somnelle 45 am 07:30 tm 40 europe.mid

  --dry-run MINUTES ACTION ...   the same, but at the end only say that the
             computer would shut down or suspend
  --sleep-until-alarm MINUTES am ...   with an alarm: after the fade, suspend
             the computer and let it wake itself a minute before the wake-up,
             where it can (the check box &quot;Sleep until then&quot; tells)

To the Somnelle that runs (one per desktop session; a second start hands
its arguments over to it, and is refused while a session runs there):
  --extend MINUTES   add 1 to 99 minutes to the fade; refused when the new
             end would pass the wake-up
  --cancel   cancel the session, as the Cancel button does, or silence the
             wake-up&apos;s chime
  --status   print one line, one of:
               idle
               fading 37 %, ends at 23:47, then shutdown
                 (or then suspend, then the alarm; &quot; (dry run)&quot; after a dry run&apos;s)
               ending   (the fade is over, the computer is about to go off)
               waiting for the wake-up at 07:30
               wake-up sounding   (the chime rings)
             a time more than a day away names its day: 17:49 on Thu 10 Dec
The words of the command line and the answers of --status are English in
every language: scripts write and read them.
Exit status: 0 done, 1 refused or the running Somnelle does not answer,
2 misused (an unknown option, or invalid parameters), 3 no Somnelle runs.

  --help     show this text
  --version  show the version
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+15 minutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>Failed to set data for &apos;Timer&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>Somnelle (pid %1) runs but does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; nothing was started</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>usage: somnelle --extend MINUTES (1 to 99)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>somnelle: %1 takes no other arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>somnelle: unknown option %1; see somnelle --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>somnelle: --dry-run goes with a command line that starts a session, such as --dry-run 30 sd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>somnelle: --sleep-until-alarm goes with an alarm, such as --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Somnelle v%1 (c) 2026 The Somnelle developers, free software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open file to start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suspend the computer after the fade and let it wake itself for the alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer initialization error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm: Somnelle may set its wake-up timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm, through the desktop&apos;s power manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer cannot wake itself for the alarm: it stays on until then, as without this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindowForm</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake up at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set volume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake up at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep until then</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep until the wake-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set volume, percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn down volume up to 0%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn down volume up to 0% for minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suspend mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionController</name>
    <message>
        <source>The computer would suspend in 1 minute (dry run)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer would shut down in 1 minute (dry run)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer will suspend in 1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer will shut down in 1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sleep timer ends at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % - Somnelle </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <comment>a time of day, then a day</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>the day&apos;s format</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the fade is over; waiting for the wake-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no fade is running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes must be 1 to 99</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wake-up at %1 comes before the new end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel or --extend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set timer</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set volume</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fading until %1</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soon to get up...</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dry run: the computer would suspend now</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dry run: the computer would shut down now</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suspend refused: %1</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power-off refused: %1</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dry run: the computer would sleep until %1</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer sleeps until %1</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer cannot wake itself; it stays on until %1</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start file not found: %1</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; no sound device for the chime either</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Somnelle</name>
    <message>
        <source>Invalid parameters</source>
        <comment>status line</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VolumeReadout</name>
    <message>
        <source>Volume: %1 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
