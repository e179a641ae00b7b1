<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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

  --dry-run [MINUTES ACTION ...]   the same, but at the end only say that the
             computer would shut down or suspend; alone, it opens a window
             whose every Start is a dry run
  --sleep-until-alarm MINUTES am ...   with an alarm: after the fade, suspend
             the computer and let it wake itself a minute before the wake-up,
             where it can (the check box &quot;Sleep until then&quot; tells)
  --end-with-track ACTION ...   the night lasts as long as the track playing
             now (the minutes left out): the fade ends with it, and the
             player is paused before the next one; --status then says
             &quot;ends with the track at&quot;
  --decibel-fade MINUTES ACTION ...   a fade even to the ear, in decibels,
             rather than in even steps of the volume
  --resume   play again where you fell asleep: the track a player played
             half way through the last fade, from that place (for a day)

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
                 (&quot;; the computer sleeps until then&quot; after it while a wake is armed)
               wake-up sounding   (the chime rings)
               not running   (exit status 3)
             a time more than a day away names its day: 17:49 on Thu 10 Dec
The words of the command line and the answers of --status are English in
every language: scripts write and read them.
Exit status: 0 done, 1 refused or the running Somnelle does not answer,
2 misused (an unknown option, or invalid parameters), 3 no Somnelle runs.

  --help, -h   show this text
  --version  show the version
</source>
        <translation>Aufruf: somnelle [registry | MINUTES ACTION [TIME DAY VOLUME FILE]]

Senkt die Gesamtlautstärke in MINUTES Minuten auf 0 % und endet dann, wie
ACTION es sagt. Mit Argumenten werden die Felder ausgefüllt, und die Sitzung
beginnt sofort.

  registry   mit den gespeicherten Einstellungen der letzten Sitzung starten
  MINUTES    1 bis 99
  ACTION     sd: ausschalten; sm: Bereitschaft; am: Wecker, gefolgt von:
  TIME       Weckzeit, etwa 07:30 oder 7:30 PM
  DAY        tm: morgen (nach der nächsten Mitternacht); td: heute
  VOLUME     Lautstärke beim Wecken in Prozent, 1 bis 99
  FILE       die beim Wecken zu öffnende Datei, etwa europe.mid; ein relativer
             Name wird im aktuellen Ordner gesucht, dann in
             %1

Beispiele:
  somnelle 30 sd
  somnelle 45 am 07:30 tm 40 europe.mid

  --dry-run [MINUTES ACTION ...]   dasselbe, aber am Ende nur melden, dass der
             Rechner ausgeschaltet oder in Bereitschaft versetzt würde;
             allein öffnet es ein Fenster, in dem jeder Start ein Probelauf ist
  --sleep-until-alarm MINUTES am ...   mit Wecker: nach dem Ausblenden den
             Rechner in Bereitschaft versetzen und ihn eine Minute vor dem
             Wecken selbst aufwachen lassen, wo er das kann (das Ankreuzfeld
             „Bis dahin Bereitschaft“ zeigt es an)
  --end-with-track ACTION ...   die Nacht dauert so lange wie das Stück, das
             gerade läuft (ohne Minuten): das Ausblenden endet mit ihm, und
             der Player wird vor dem nächsten angehalten; --status sagt dann
             &quot;ends with the track at&quot;
  --decibel-fade MINUTES ACTION ...   gleichmäßig fürs Ohr ausblenden, in
             Dezibel statt in gleichen Schritten der Lautstärke
  --resume   dort weiterhören, wo man eingeschlafen ist: das Stück, das ein
             Player zur Hälfte des letzten Ausblendens spielte, ab dieser
             Stelle (einen Tag lang)

An das laufende Somnelle (eines je Desktop-Sitzung; ein zweiter Start gibt
seine Argumente an dieses weiter und wird abgelehnt, solange dort eine
Sitzung läuft):
  --extend MINUTES   1 bis 99 Minuten zum Ausblenden hinzufügen; abgelehnt,
             wenn das neue Ende nach dem Wecken läge
  --cancel   die Sitzung abbrechen, wie die Schaltfläche „Stopp“, oder den
             Signalton beim Wecken verstummen lassen
  --status   eine Zeile ausgeben, eine von:
               idle
               fading 37 %, ends at 23:47, then shutdown
                 (oder then suspend, then the alarm; &quot; (dry run)&quot; nach
                 einem Probelauf)
               ending   (Ausblenden vorbei, der Rechner geht gleich aus)
               waiting for the wake-up at 07:30
                 (&quot;; the computer sleeps until then&quot; dahinter, solange
                 ein Wecken des Rechners gestellt ist)
               wake-up sounding   (der Signalton klingt)
               not running   (Rückgabewert 3)
             liegt eine Zeit mehr als einen Tag voraus, steht ihr Tag dabei:
             17:49 on Thu 10 Dec
Die Wörter der Befehlszeile und die Antworten von --status sind in jeder
Sprache Englisch: Skripte schreiben und lesen sie.
Rückgabewert: 0 erledigt, 1 abgelehnt oder das laufende Somnelle antwortet
nicht, 2 falsch aufgerufen (unbekannte Option oder ungültige Parameter),
3 es läuft kein Somnelle.

  --help, -h   diesen Text anzeigen
  --version  die Version anzeigen
</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Cancel</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>+15 minutes</source>
        <translation>+15 Minuten</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>Failed to set data for &apos;Timer&apos;</source>
        <translation>Daten für &apos;Timer&apos; konnten nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>Somnelle (pid %1) runs but does not answer</source>
        <translation>Somnelle (PID %1) läuft, antwortet aber nicht</translation>
    </message>
    <message>
        <source>%1; nothing was started</source>
        <translation>%1; es wurde nichts gestartet</translation>
    </message>
    <message>
        <source>somnelle: no display to open a window on, and no Somnelle runs to hand the command line to</source>
        <translation>somnelle: keine Anzeige, auf der sich ein Fenster öffnen ließe, und kein laufendes Somnelle, das die Befehlszeile übernehmen könnte</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>usage: somnelle --extend MINUTES (1 to 99)</source>
        <translation>Aufruf: somnelle --extend MINUTES (1 bis 99)</translation>
    </message>
    <message>
        <source>somnelle: %1 takes no other arguments</source>
        <translation>somnelle: %1 erwartet keine weiteren Argumente</translation>
    </message>
    <message>
        <source>somnelle: unknown option %1; see somnelle --help</source>
        <translation>somnelle: unbekannte Option %1; siehe somnelle --help</translation>
    </message>
    <message>
        <source>somnelle: --sleep-until-alarm goes with an alarm, such as --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</source>
        <translation>somnelle: --sleep-until-alarm gehört zu einem Wecker, etwa --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</translation>
    </message>
    <message>
        <source>somnelle: --end-with-track goes with an action and no minutes, such as --end-with-track sd</source>
        <translation>somnelle: --end-with-track gehört zu einer Aktion ohne Minuten, etwa --end-with-track sd</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Somnelle v%1 (c) 2026 The Somnelle developers, free software</source>
        <translation>Somnelle v%1 (c) 2026 Die Somnelle-Entwickler, freie Software</translation>
    </message>
    <message>
        <source>Open file to start</source>
        <translation>Datei zum Wecken wählen</translation>
    </message>
    <message>
        <source>Suspend the computer after the fade and let it wake itself for the alarm</source>
        <translation>Den Rechner nach dem Ausblenden in Bereitschaft versetzen und zum Wecken selbst aufwachen lassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Mixer initialization error</source>
        <translation>Der Mixer ließ sich nicht initialisieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>Lautst.: </translation>
    </message>
</context>
<context>
    <name>MainWindowForm</name>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Contact author</source>
        <translation>Autor kontaktieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Wake up at:</source>
        <translation>Wecken um:</translation>
    </message>
    <message>
        <source>Start file:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Set volume:</source>
        <translation>Lautstärke:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Wake up at</source>
        <translation>Wecken um</translation>
    </message>
    <message>
        <source>Start file</source>
        <translation>Datei zum Wecken</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Sleep until then</source>
        <translation>Bis dahin Bereitschaft</translation>
    </message>
    <message>
        <source>Set volume, percent</source>
        <translation>Lautstärke beim Wecken, Prozent</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Turn down volume up to 0%</source>
        <translation>Ausblenden bis 0 %</translation>
    </message>
    <message>
        <source>for: </source>
        <translation>in: </translation>
    </message>
    <message>
        <source>Turn down volume up to 0% for minutes</source>
        <translation>Ausblenden bis 0 % in Minuten</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Then:</source>
        <translation>Dann:</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>PC aus</translation>
    </message>
    <message>
        <source>Suspend mode</source>
        <translation>Bereitschaft</translation>
    </message>
    <message>
        <source>Alarm mode</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>with the track</source>
        <translation>bis Stückende</translation>
    </message>
    <message>
        <source>As long as the track playing now: the fade ends with it</source>
        <translation>So lange wie das Stück, das gerade läuft: das Ausblenden endet mit ihm</translation>
    </message>
</context>
<context>
    <name>SessionText</name>
    <message>
        <source>%1 on %2</source>
        <comment>a time of day, then a day</comment>
        <translation>%1 am %2</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>the day&apos;s format</comment>
        <translation>ddd, d. MMM</translation>
    </message>
    <message>
        <source>Fading until %1</source>
        <comment>status line</comment>
        <translation>Ausblenden bis %1</translation>
    </message>
    <message>
        <source>Set timer</source>
        <comment>status line</comment>
        <translation>Minuten einstellen</translation>
    </message>
    <message>
        <source>Set volume</source>
        <comment>status line</comment>
        <translation>Lautstärke zum Wecken einstellen</translation>
    </message>
    <message>
        <source>Soon to get up...</source>
        <comment>status line</comment>
        <translation>Bald heißt es aufstehen …</translation>
    </message>
    <message>
        <source>Dry run: the computer would sleep until %1</source>
        <comment>status line</comment>
        <translation>Probelauf: Der Rechner wäre bis %1 in Bereitschaft</translation>
    </message>
    <message>
        <source>The computer sleeps until %1</source>
        <comment>status line</comment>
        <translation>Der Rechner ist bis %1 in Bereitschaft</translation>
    </message>
    <message>
        <source>Dry run: the computer cannot wake itself; would stay on until %1</source>
        <comment>status line</comment>
        <translation>Probelauf: Rechner wacht nicht selbst auf; bliebe bis %1 an</translation>
    </message>
    <message>
        <source>This computer cannot wake itself; it stays on until %1</source>
        <comment>status line</comment>
        <translation>Der Rechner kann nicht selbst aufwachen; er bleibt bis %1 an</translation>
    </message>
    <message>
        <source>Dry run: the wake-up is too close; it would stay on until %1</source>
        <comment>status line</comment>
        <translation>Probelauf: Wecken zu nah; der Rechner bliebe bis %1 an</translation>
    </message>
    <message>
        <source>The wake-up is too close to sleep; the computer stays on until %1</source>
        <comment>status line</comment>
        <translation>Wecken zu nah für Bereitschaft; der Rechner bleibt bis %1 an</translation>
    </message>
    <message>
        <source>Dry run: the computer would shut down now</source>
        <comment>status line</comment>
        <translation>Probelauf: Der Rechner würde jetzt ausgeschaltet</translation>
    </message>
    <message>
        <source>Dry run: the computer would suspend now</source>
        <comment>status line</comment>
        <translation>Probelauf: Der Rechner ginge jetzt in Bereitschaft</translation>
    </message>
    <message>
        <source>Power-off refused: %1</source>
        <comment>status line</comment>
        <translation>Ausschalten abgelehnt: %1</translation>
    </message>
    <message>
        <source>Suspend refused: %1</source>
        <comment>status line</comment>
        <translation>Bereitschaft abgelehnt: %1</translation>
    </message>
    <message>
        <source>Start file not found: %1</source>
        <comment>status line</comment>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Start file is not a file: %1</source>
        <comment>status line</comment>
        <translation>Die Datei zum Wecken ist keine Datei: %1</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <comment>status line</comment>
        <translation>%1 ließ sich nicht öffnen</translation>
    </message>
    <message>
        <source>%1; no sound device for the chime either</source>
        <comment>status line</comment>
        <translation>%1; auch kein Audiogerät für den Signalton</translation>
    </message>
    <message>
        <source>%1 % - Somnelle </source>
        <translation>%1 % - Somnelle </translation>
    </message>
    <message>
        <source>The computer would suspend in 1 minute (dry run)</source>
        <translation>Der Rechner ginge in 1 Minute in Bereitschaft (Probelauf)</translation>
    </message>
    <message>
        <source>The computer would shut down in 1 minute (dry run)</source>
        <translation>Der Rechner würde in 1 Minute ausgeschaltet (Probelauf)</translation>
    </message>
    <message>
        <source>The computer will suspend in 1 minute</source>
        <translation>Der Rechner geht in 1 Minute in Bereitschaft</translation>
    </message>
    <message>
        <source>The computer will shut down in 1 minute</source>
        <translation>Der Rechner wird in 1 Minute ausgeschaltet</translation>
    </message>
    <message>
        <source>The sleep timer ends at %1.</source>
        <translation>Der Einschlaf-Timer endet um %1.</translation>
    </message>
    <message>
        <source>the fade is over; waiting for the wake-up</source>
        <translation>das Ausblenden ist vorbei; es wird auf das Wecken gewartet</translation>
    </message>
    <message>
        <source>no fade is running</source>
        <translation>es läuft kein Ausblenden</translation>
    </message>
    <message>
        <source>minutes must be 1 to 99</source>
        <translation>die Minuten müssen zwischen 1 und 99 liegen</translation>
    </message>
    <message>
        <source>the wake-up at %1 comes before the new end</source>
        <translation>das Wecken um %1 käme vor dem neuen Ende</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then shutdown</source>
        <translation>%1 % – endet um %2, dann Ausschalten</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then suspend</source>
        <translation>%1 % – endet um %2, dann Bereitschaft</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then the alarm</source>
        <translation>%1 % – endet um %2, dann Wecker</translation>
    </message>
    <message>
        <source>The fade is over</source>
        <translation>Das Ausblenden ist vorbei</translation>
    </message>
    <message>
        <source>Wake-up at %1; the computer sleeps until then</source>
        <translation>Wecken um %1; der Rechner ist bis dahin in Bereitschaft</translation>
    </message>
    <message>
        <source>Wake-up at %1</source>
        <translation>Wecken um %1</translation>
    </message>
    <message>
        <source>The wake-up is sounding</source>
        <translation>Der Wecker klingt</translation>
    </message>
    <message>
        <source>%1 (dry run)</source>
        <translation>%1 (Probelauf)</translation>
    </message>
    <message>
        <source>Fading until %1; nothing follows the fade</source>
        <comment>status line</comment>
        <translation>Ausblenden bis %1; danach geschieht nichts</translation>
    </message>
    <message>
        <source>Awake for the wake-up at %1</source>
        <comment>status line</comment>
        <translation>Wach für das Wecken um %1</translation>
    </message>
    <message>
        <source>Start file cannot be read: %1</source>
        <comment>status line</comment>
        <translation>Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run)</source>
        <translation>%1 % - Somnelle (Probelauf)</translation>
    </message>
    <message>
        <source>%1 % - ends at %2</source>
        <translation>%1 % – endet um %2</translation>
    </message>
    <message>
        <source>Dry run: the computer stays on</source>
        <comment>status line</comment>
        <translation>Probelauf: Der Rechner bleibt an</translation>
    </message>
    <message>
        <source>Invalid parameters</source>
        <comment>status line</comment>
        <translation>Ungültige Parameter</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm: Somnelle may set its wake-up timer</source>
        <translation>Dieser Rechner kann zum Wecken selbst aufwachen: Somnelle darf seinen Aufwach-Timer stellen</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm, through the desktop&apos;s power manager</source>
        <translation>Dieser Rechner kann zum Wecken selbst aufwachen, über die Energieverwaltung der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>This computer cannot wake itself for the alarm: it stays on until then, as without this</source>
        <translation>Dieser Rechner kann zum Wecken nicht selbst aufwachen: Er bleibt bis dahin an, wie ohne diese Option</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel or --extend</source>
        <translation>es läuft schon eine Sitzung: %1; --cancel oder --extend verwenden</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel</source>
        <translation>es läuft schon eine Sitzung: %1; --cancel verwenden</translation>
    </message>
    <message>
        <source>Fading with the track until %1</source>
        <comment>status line</comment>
        <translation>Ausblenden mit dem Stück bis %1</translation>
    </message>
    <message>
        <source>The track is paused, and the fade waits for it</source>
        <comment>status line</comment>
        <translation>Das Stück ist angehalten, das Ausblenden wartet</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run, with the track)</source>
        <translation>%1 % - Somnelle (Probelauf, mit dem Stück)</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (with the track)</source>
        <translation>%1 % - Somnelle (mit dem Stück)</translation>
    </message>
    <message>
        <source>the night ends with the track</source>
        <translation>die Nacht endet mit dem Stück</translation>
    </message>
    <message>
        <source>%1 (with the track)</source>
        <translation>%1 (mit dem Stück)</translation>
    </message>
    <message>
        <source>The music playing has no end to wait for (a stream)</source>
        <comment>status line</comment>
        <translation>Die Musik hat kein Ende zum Abwarten (ein Stream)</translation>
    </message>
    <message>
        <source>Nothing is playing: start the music first</source>
        <comment>status line</comment>
        <translation>Es läuft nichts: zuerst die Musik starten</translation>
    </message>
    <message>
        <source>Resume &quot;%1&quot; from %2</source>
        <translation>„%1“ ab %2 fortsetzen</translation>
    </message>
    <message>
        <source>The player</source>
        <translation>Der Player</translation>
    </message>
    <message>
        <source>Playing &quot;%1&quot; again from %2</source>
        <comment>status line</comment>
        <translation>„%1“ läuft wieder ab %2</translation>
    </message>
    <message>
        <source>Nothing to resume</source>
        <comment>status line</comment>
        <translation>Nichts zum Fortsetzen</translation>
    </message>
    <message>
        <source>%1 is gone: &quot;%2&quot; cannot be resumed</source>
        <comment>status line</comment>
        <translation>%1 ist fort: „%2“ lässt sich nicht fortsetzen</translation>
    </message>
    <message>
        <source>%1 cannot go back to a place in &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 kann nicht zu einer Stelle in „%2“ springen</translation>
    </message>
    <message>
        <source>%1 has moved on and cannot open &quot;%2&quot; again</source>
        <comment>status line</comment>
        <translation>%1 spielt etwas anderes und kann „%2“ nicht wieder öffnen</translation>
    </message>
    <message>
        <source>%1 did not resume &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 hat „%2“ nicht fortgesetzt</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>A sleep timer is running and its alarm must ring</source>
        <translation>Ein Schlaf-Timer läuft, und sein Wecker muss klingeln</translation>
    </message>
</context>
<context>
    <name>TrayIndicator</name>
    <message>
        <source>Show Somnelle</source>
        <translation>Somnelle zeigen</translation>
    </message>
    <message>
        <source>Add 15 minutes</source>
        <translation>15 Minuten hinzufügen</translation>
    </message>
    <message>
        <source>Cancel the timer</source>
        <translation>Timer stoppen</translation>
    </message>
    <message>
        <source>Silence the alarm</source>
        <translation>Wecker verstummen lassen</translation>
    </message>
</context>
<context>
    <name>VolumeReadout</name>
    <message>
        <source>Volume: %1 %</source>
        <translation>Lautst.: %1 %</translation>
    </message>
</context>
<context>
    <name>WindowOpening</name>
    <message>
        <source>somnelle: no window can be opened here: %1
</source>
        <translation>somnelle: hier lässt sich kein Fenster öffnen: %1
</translation>
    </message>
</context>
</TS>
