<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
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
        <translation>Gebruik: somnelle [registry | MINUTES ACTION [TIME DAY VOLUME FILE]]

Zet het hoofdvolume in MINUTES minuten zachter tot 0% en eindigt dan zoals
ACTION zegt. Met argumenten worden de velden ingevuld en begint de sessie
meteen.

  registry   beginnen met de instellingen die de vorige sessie bewaarde
  MINUTES    1 t/m 99
  ACTION     sd: uitzetten; sm: slaapstand; am: wekker, gevolgd door:
  TIME       wektijd, zoals 07:30 of 7:30 PM
  DAY        tm: morgen (na de volgende middernacht); td: vandaag
  VOLUME     wekvolume in procent, 1 t/m 99
  FILE       het bestand dat bij het wekken opengaat, zoals europe.mid; een
             relatieve naam wordt gezocht in de huidige map, dan in
             %1

Voorbeelden:
  somnelle 30 sd
  somnelle 45 am 07:30 tm 40 europe.mid

  --dry-run [MINUTES ACTION ...]   hetzelfde, maar aan het eind alleen melden
             dat de computer uitgezet of in slaapstand gezet zou worden;
             alleen opent het een venster waarin elke start een testrun is
  --sleep-until-alarm MINUTES am ...   met een wekker: na het uitfaden de
             computer in slaapstand zetten en hem een minuut voor het wekken
             vanzelf laten ontwaken, waar hij dat kan (het keuzevakje
             &quot;Tot dan in slaapstand&quot; laat het zien)
  --end-with-track ACTION ...   de nacht duurt zo lang als het nummer dat nu
             speelt (zonder minuten): het uitfaden eindigt ermee, en de speler
             wordt voor het volgende gepauzeerd; --status zegt dan
             &quot;ends with the track at&quot;
  --decibel-fade MINUTES ACTION ...   uitfaden dat voor het oor gelijkmatig is,
             in decibel, in plaats van in gelijke stappen van het volume
  --resume   verder luisteren waar u in slaap viel: het nummer dat een speler
             halverwege het laatste uitfaden speelde, vanaf die plek (een dag)

Aan de Somnelle die draait (één per bureaubladsessie; een tweede start geeft
zijn argumenten daaraan door, en wordt geweigerd zolang daar een sessie
loopt):
  --extend MINUTES   1 t/m 99 minuten aan het uitfaden toevoegen; geweigerd
             als het nieuwe einde na het wekken zou vallen
  --cancel   de sessie stoppen, zoals de knop &quot;Stoppen&quot; doet, of het
             belsignaal van het wekken stilzetten
  --status   één regel tonen, een van:
               idle
               fading 37 %, ends at 23:47, then shutdown
                 (of then suspend, then the alarm; &quot; (dry run)&quot; na een
                 testrun)
               ending   (het uitfaden is voorbij, de computer gaat zo uit)
               waiting for the wake-up at 07:30
                 (gevolgd door &quot;; the computer sleeps until then&quot; zolang
                 het wekken van de computer is ingesteld)
               wake-up sounding   (het belsignaal klinkt)
               not running   (afsluitstatus 3)
             ligt een tijd meer dan een dag verder, dan staat de dag erbij:
             17:49 on Thu 10 Dec
De woorden van de opdrachtregel en de antwoorden van --status zijn in elke
taal Engels: scripts schrijven en lezen ze.
Afsluitstatus: 0 gedaan, 1 geweigerd of de draaiende Somnelle antwoordt
niet, 2 verkeerd gebruikt (een onbekende optie of ongeldige parameters),
3 er draait geen Somnelle.

  --help, -h   deze tekst tonen
  --version  de versie tonen
</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Cancel</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>+15 minutes</source>
        <translation>+15 minuten</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>Failed to set data for &apos;Timer&apos;</source>
        <translation>Kan de gegevens voor &apos;Timer&apos; niet opslaan</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>Somnelle (pid %1) runs but does not answer</source>
        <translation>Somnelle (pid %1) draait maar antwoordt niet</translation>
    </message>
    <message>
        <source>%1; nothing was started</source>
        <translation>%1; er is niets gestart</translation>
    </message>
    <message>
        <source>somnelle: no display to open a window on, and no Somnelle runs to hand the command line to</source>
        <translation>somnelle: geen scherm om een venster op te openen, en geen draaiende Somnelle om de opdrachtregel aan door te geven</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>usage: somnelle --extend MINUTES (1 to 99)</source>
        <translation>gebruik: somnelle --extend MINUTES (1 t/m 99)</translation>
    </message>
    <message>
        <source>somnelle: %1 takes no other arguments</source>
        <translation>somnelle: %1 accepteert geen andere argumenten</translation>
    </message>
    <message>
        <source>somnelle: unknown option %1; see somnelle --help</source>
        <translation>somnelle: onbekende optie %1; zie somnelle --help</translation>
    </message>
    <message>
        <source>somnelle: --sleep-until-alarm goes with an alarm, such as --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</source>
        <translation>somnelle: --sleep-until-alarm hoort bij een wekker, zoals --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</translation>
    </message>
    <message>
        <source>somnelle: --end-with-track goes with an action and no minutes, such as --end-with-track sd</source>
        <translation>somnelle: --end-with-track hoort bij een actie zonder minuten, zoals --end-with-track sd</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Somnelle v%1 (c) 2026 The Somnelle developers, free software</source>
        <translation>Somnelle v%1 (c) 2026 De ontwikkelaars van Somnelle, vrije software</translation>
    </message>
    <message>
        <source>Open file to start</source>
        <translation>Bestand kiezen voor het wekken</translation>
    </message>
    <message>
        <source>Suspend the computer after the fade and let it wake itself for the alarm</source>
        <translation>Na het uitfaden de computer in slaapstand zetten en hem vanzelf laten ontwaken voor het wekken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Mixer initialization error</source>
        <translation>Fout bij het initialiseren van de mixer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>Volume: </translation>
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
        <translation>Contact met de auteur</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Wake up at:</source>
        <translation>Wekken om:</translation>
    </message>
    <message>
        <source>Start file:</source>
        <translation>Bestand:</translation>
    </message>
    <message>
        <source>Set volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>Wake up at</source>
        <translation>Wekken om</translation>
    </message>
    <message>
        <source>Start file</source>
        <translation>Bestand voor het wekken</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Sleep until then</source>
        <translation>Tot dan in slaapstand</translation>
    </message>
    <message>
        <source>Set volume, percent</source>
        <translation>Volume bij het wekken, procent</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Turn down volume up to 0%</source>
        <translation>Volume uitfaden tot 0%</translation>
    </message>
    <message>
        <source>for: </source>
        <translation>in: </translation>
    </message>
    <message>
        <source>Turn down volume up to 0% for minutes</source>
        <translation>Volume uitfaden tot 0% in minuten</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Then:</source>
        <translation>Dan:</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Uitzetten</translation>
    </message>
    <message>
        <source>Suspend mode</source>
        <translation>Slaapstand</translation>
    </message>
    <message>
        <source>Alarm mode</source>
        <translation>Wekker</translation>
    </message>
    <message>
        <source>with the track</source>
        <translation>met het nummer</translation>
    </message>
    <message>
        <source>As long as the track playing now: the fade ends with it</source>
        <translation>Zo lang als het nummer dat nu speelt: het uitfaden eindigt ermee</translation>
    </message>
</context>
<context>
    <name>SessionText</name>
    <message>
        <source>%1 on %2</source>
        <comment>a time of day, then a day</comment>
        <translation>%1 op %2</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>the day&apos;s format</comment>
        <translation>ddd d MMM</translation>
    </message>
    <message>
        <source>Fading until %1</source>
        <comment>status line</comment>
        <translation>Uitfaden tot %1</translation>
    </message>
    <message>
        <source>Set timer</source>
        <comment>status line</comment>
        <translation>Minuten instellen</translation>
    </message>
    <message>
        <source>Set volume</source>
        <comment>status line</comment>
        <translation>Wekvolume instellen</translation>
    </message>
    <message>
        <source>Soon to get up...</source>
        <comment>status line</comment>
        <translation>Straks weer opstaan…</translation>
    </message>
    <message>
        <source>Dry run: the computer would sleep until %1</source>
        <comment>status line</comment>
        <translation>Testrun: de computer zou tot %1 in slaapstand zijn</translation>
    </message>
    <message>
        <source>The computer sleeps until %1</source>
        <comment>status line</comment>
        <translation>De computer is tot %1 in slaapstand</translation>
    </message>
    <message>
        <source>Dry run: the computer cannot wake itself; would stay on until %1</source>
        <comment>status line</comment>
        <translation>Testrun: kan niet vanzelf ontwaken; hij zou aan blijven tot %1</translation>
    </message>
    <message>
        <source>This computer cannot wake itself; it stays on until %1</source>
        <comment>status line</comment>
        <translation>De computer kan niet vanzelf ontwaken; hij blijft aan tot %1</translation>
    </message>
    <message>
        <source>Dry run: the wake-up is too close; it would stay on until %1</source>
        <comment>status line</comment>
        <translation>Testrun: wekken te dichtbij; hij zou aan blijven tot %1</translation>
    </message>
    <message>
        <source>The wake-up is too close to sleep; the computer stays on until %1</source>
        <comment>status line</comment>
        <translation>Wekken te dichtbij voor slaapstand; blijft aan tot %1</translation>
    </message>
    <message>
        <source>Dry run: the computer would shut down now</source>
        <comment>status line</comment>
        <translation>Testrun: de computer zou nu uitgezet worden</translation>
    </message>
    <message>
        <source>Dry run: the computer would suspend now</source>
        <comment>status line</comment>
        <translation>Testrun: de computer zou nu in slaapstand gaan</translation>
    </message>
    <message>
        <source>Power-off refused: %1</source>
        <comment>status line</comment>
        <translation>Uitzetten geweigerd: %1</translation>
    </message>
    <message>
        <source>Suspend refused: %1</source>
        <comment>status line</comment>
        <translation>Slaapstand geweigerd: %1</translation>
    </message>
    <message>
        <source>Start file not found: %1</source>
        <comment>status line</comment>
        <translation>Bestand niet gevonden: %1</translation>
    </message>
    <message>
        <source>Start file is not a file: %1</source>
        <comment>status line</comment>
        <translation>Het bestand voor het wekken is geen bestand: %1</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <comment>status line</comment>
        <translation>Kan %1 niet openen</translation>
    </message>
    <message>
        <source>%1; no sound device for the chime either</source>
        <comment>status line</comment>
        <translation>%1; ook geen geluidsapparaat voor het belsignaal</translation>
    </message>
    <message>
        <source>%1 % - Somnelle </source>
        <translation>%1% - Somnelle </translation>
    </message>
    <message>
        <source>The computer would suspend in 1 minute (dry run)</source>
        <translation>De computer zou over 1 minuut in slaapstand gaan (testrun)</translation>
    </message>
    <message>
        <source>The computer would shut down in 1 minute (dry run)</source>
        <translation>De computer zou over 1 minuut uitgezet worden (testrun)</translation>
    </message>
    <message>
        <source>The computer will suspend in 1 minute</source>
        <translation>De computer gaat over 1 minuut in slaapstand</translation>
    </message>
    <message>
        <source>The computer will shut down in 1 minute</source>
        <translation>De computer wordt over 1 minuut uitgezet</translation>
    </message>
    <message>
        <source>The sleep timer ends at %1.</source>
        <translation>De slaaptimer eindigt om %1.</translation>
    </message>
    <message>
        <source>the fade is over; waiting for the wake-up</source>
        <translation>het uitfaden is voorbij; wachten op het wekken</translation>
    </message>
    <message>
        <source>no fade is running</source>
        <translation>er loopt geen uitfaden</translation>
    </message>
    <message>
        <source>minutes must be 1 to 99</source>
        <translation>het aantal minuten moet tussen 1 en 99 liggen</translation>
    </message>
    <message>
        <source>the wake-up at %1 comes before the new end</source>
        <translation>het wekken om %1 valt voor het nieuwe einde</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then shutdown</source>
        <translation>%1 % – eindigt om %2, dan uitschakelen</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then suspend</source>
        <translation>%1 % – eindigt om %2, dan slaapstand</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then the alarm</source>
        <translation>%1 % – eindigt om %2, dan wekker</translation>
    </message>
    <message>
        <source>The fade is over</source>
        <translation>Het uitfaden is voorbij</translation>
    </message>
    <message>
        <source>Wake-up at %1; the computer sleeps until then</source>
        <translation>Wekken om %1; de computer is tot dan in slaapstand</translation>
    </message>
    <message>
        <source>Wake-up at %1</source>
        <translation>Wekken om %1</translation>
    </message>
    <message>
        <source>The wake-up is sounding</source>
        <translation>De wekker gaat af</translation>
    </message>
    <message>
        <source>%1 (dry run)</source>
        <translation>%1 (testrun)</translation>
    </message>
    <message>
        <source>Fading until %1; nothing follows the fade</source>
        <comment>status line</comment>
        <translation>Uitfaden tot %1; daarna gebeurt niets</translation>
    </message>
    <message>
        <source>Awake for the wake-up at %1</source>
        <comment>status line</comment>
        <translation>Wakker voor het wekken om %1</translation>
    </message>
    <message>
        <source>Start file cannot be read: %1</source>
        <comment>status line</comment>
        <translation>Bestand kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run)</source>
        <translation>%1% - Somnelle (testrun)</translation>
    </message>
    <message>
        <source>%1 % - ends at %2</source>
        <translation>%1 % – eindigt om %2</translation>
    </message>
    <message>
        <source>Dry run: the computer stays on</source>
        <comment>status line</comment>
        <translation>Testrun: de computer blijft aan</translation>
    </message>
    <message>
        <source>Invalid parameters</source>
        <comment>status line</comment>
        <translation>Ongeldige parameters</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm: Somnelle may set its wake-up timer</source>
        <translation>Deze computer kan vanzelf ontwaken voor het wekken: Somnelle mag zijn wektimer instellen</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm, through the desktop&apos;s power manager</source>
        <translation>Deze computer kan vanzelf ontwaken voor het wekken, via het energiebeheer van het bureaublad</translation>
    </message>
    <message>
        <source>This computer cannot wake itself for the alarm: it stays on until then, as without this</source>
        <translation>Deze computer kan niet vanzelf ontwaken voor het wekken: hij blijft tot dan aan, net als zonder deze optie</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel or --extend</source>
        <translation>er loopt al een sessie: %1; gebruik --cancel of --extend</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel</source>
        <translation>er loopt al een sessie: %1; gebruik --cancel</translation>
    </message>
    <message>
        <source>Fading with the track until %1</source>
        <comment>status line</comment>
        <translation>Uitfaden met het nummer tot %1</translation>
    </message>
    <message>
        <source>The track is paused, and the fade waits for it</source>
        <comment>status line</comment>
        <translation>Het nummer is gepauzeerd en het uitfaden wacht</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run, with the track)</source>
        <translation>%1% - Somnelle (testrun, met het nummer)</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (with the track)</source>
        <translation>%1% - Somnelle (met het nummer)</translation>
    </message>
    <message>
        <source>the night ends with the track</source>
        <translation>de nacht eindigt met het nummer</translation>
    </message>
    <message>
        <source>%1 (with the track)</source>
        <translation>%1 (met het nummer)</translation>
    </message>
    <message>
        <source>The music playing has no end to wait for (a stream)</source>
        <comment>status line</comment>
        <translation>Deze muziek heeft geen einde om op te wachten (stream)</translation>
    </message>
    <message>
        <source>Nothing is playing: start the music first</source>
        <comment>status line</comment>
        <translation>Er speelt niets: start eerst de muziek</translation>
    </message>
    <message>
        <source>Resume &quot;%1&quot; from %2</source>
        <translation>&quot;%1&quot; hervatten vanaf %2</translation>
    </message>
    <message>
        <source>The player</source>
        <translation>De speler</translation>
    </message>
    <message>
        <source>Playing &quot;%1&quot; again from %2</source>
        <comment>status line</comment>
        <translation>&quot;%1&quot; speelt weer vanaf %2</translation>
    </message>
    <message>
        <source>Nothing to resume</source>
        <comment>status line</comment>
        <translation>Niets om te hervatten</translation>
    </message>
    <message>
        <source>%1 is gone: &quot;%2&quot; cannot be resumed</source>
        <comment>status line</comment>
        <translation>%1 is weg: &quot;%2&quot; kan niet worden hervat</translation>
    </message>
    <message>
        <source>%1 cannot go back to a place in &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 kan niet terug naar een plek in &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 has moved on and cannot open &quot;%2&quot; again</source>
        <comment>status line</comment>
        <translation>%1 is verder gegaan en kan &quot;%2&quot; niet opnieuw openen</translation>
    </message>
    <message>
        <source>%1 did not resume &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 heeft &quot;%2&quot; niet hervat</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>A sleep timer is running and its alarm must ring</source>
        <translation>Er loopt een slaaptimer en zijn wekker moet afgaan</translation>
    </message>
</context>
<context>
    <name>TrayIndicator</name>
    <message>
        <source>Show Somnelle</source>
        <translation>Somnelle tonen</translation>
    </message>
    <message>
        <source>Add 15 minutes</source>
        <translation>15 minuten toevoegen</translation>
    </message>
    <message>
        <source>Cancel the timer</source>
        <translation>Timer stoppen</translation>
    </message>
    <message>
        <source>Silence the alarm</source>
        <translation>Wekker stilzetten</translation>
    </message>
</context>
<context>
    <name>VolumeReadout</name>
    <message>
        <source>Volume: %1 %</source>
        <translation>Volume: %1%</translation>
    </message>
</context>
<context>
    <name>WindowOpening</name>
    <message>
        <source>somnelle: no window can be opened here: %1
</source>
        <translation>somnelle: hier kan geen venster worden geopend: %1
</translation>
    </message>
</context>
</TS>
