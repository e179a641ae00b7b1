<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
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
        <translation>Użycie: somnelle [registry | MINUTES ACTION [TIME DAY VOLUME FILE]]

Ścisza głośność główną do 0% w ciągu MINUTES minut, a potem kończy tak, jak
mówi ACTION. Z argumentami pola zostają wypełnione, a sesja zaczyna się
od razu.

  registry   zacznij z ustawieniami zapisanymi przez ostatnią sesję
  MINUTES    od 1 do 99
  ACTION     sd: wyłącz; sm: uśpij; am: budzik, po którym następują:
  TIME       godzina pobudki, np. 07:30 lub 7:30 PM
  DAY        tm: jutro (po najbliższej północy); td: dziś
  VOLUME     głośność pobudki w procentach, od 1 do 99
  FILE       plik otwierany przy pobudce, np. europe.mid; względnej nazwy
             szuka się w bieżącym katalogu, a potem w
             %1

Przykłady:
  somnelle 30 sd
  somnelle 45 am 07:30 tm 40 europe.mid

  --dry-run [MINUTES ACTION ...]   to samo, ale na końcu tylko zgłoś, że
             komputer zostałby wyłączony lub uśpiony;
             samo otwiera okno, w którym każdy start jest próbą
  --sleep-until-alarm MINUTES am ...   z budzikiem: po wyciszeniu uśpij
             komputer i pozwól mu wybudzić się minutę przed pobudką, o ile
             to potrafi (mówi o tym pole wyboru „Uśpij do pobudki”)
  --end-with-track ACTION ...   noc trwa tyle, ile obecnie grany utwór (bez
             minut): wyciszanie kończy się razem z nim, a odtwarzacz zostaje
             wstrzymany przed następnym; --status mówi wtedy
             &quot;ends with the track at&quot;
  --decibel-fade MINUTES ACTION ...   wyciszanie równe dla ucha, w decybelach,
             zamiast równymi krokami głośności
  --resume   słuchaj dalej tam, gdzie zasnąłeś: utwór, który odtwarzacz grał w
             połowie ostatniego wyciszania, od tego miejsca (przez dobę)

Do działającego Somnelle (jednego na sesję pulpitu; drugie uruchomienie
przekazuje mu swoje argumenty i jest odrzucane, gdy trwa tam sesja):
  --extend MINUTES   dodaj od 1 do 99 minut do wyciszania; odrzucane, gdy
             nowy koniec wypadłby po pobudce
  --cancel   anuluj sesję, tak jak przycisk „Anuluj”, albo ucisz dzwonek
             pobudki
  --status   wypisz jeden wiersz, jeden z:
               idle
               fading 37 %, ends at 23:47, then shutdown
                 (lub then suspend, then the alarm; &quot; (dry run)&quot; po próbie)
               ending   (wyciszanie skończone, komputer zaraz się wyłączy)
               waiting for the wake-up at 07:30
                 (z &quot;; the computer sleeps until then&quot; na końcu, dopóki
                 ustawione jest wybudzenie komputera)
               wake-up sounding   (dzwoni dzwonek)
               not running   (kod wyjścia 3)
             czas odległy o ponad dobę podaje dzień: 17:49 on Thu 10 Dec
Słowa wiersza poleceń i odpowiedzi --status są w każdym języku angielskie:
skrypty je piszą i czytają.
Kod wyjścia: 0 wykonano, 1 odmowa lub działające Somnelle nie odpowiada,
2 błędne użycie (nieznana opcja lub nieprawidłowe parametry), 3 nie działa
żadne Somnelle.

  --help, -h   pokaż ten tekst
  --version  pokaż wersję
</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>+15 minutes</source>
        <translation>+15 minut</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>Failed to set data for &apos;Timer&apos;</source>
        <translation>Nie udało się zapisać danych dla &apos;Timer&apos;</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>Somnelle (pid %1) runs but does not answer</source>
        <translation>Somnelle (pid %1) działa, ale nie odpowiada</translation>
    </message>
    <message>
        <source>%1; nothing was started</source>
        <translation>%1; niczego nie uruchomiono</translation>
    </message>
    <message>
        <source>somnelle: no display to open a window on, and no Somnelle runs to hand the command line to</source>
        <translation>somnelle: brak ekranu, na którym można otworzyć okno, i brak działającego Somnelle, któremu można przekazać wiersz poleceń</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>usage: somnelle --extend MINUTES (1 to 99)</source>
        <translation>użycie: somnelle --extend MINUTES (od 1 do 99)</translation>
    </message>
    <message>
        <source>somnelle: %1 takes no other arguments</source>
        <translation>somnelle: %1 nie przyjmuje innych argumentów</translation>
    </message>
    <message>
        <source>somnelle: unknown option %1; see somnelle --help</source>
        <translation>somnelle: nieznana opcja %1; zobacz somnelle --help</translation>
    </message>
    <message>
        <source>somnelle: --sleep-until-alarm goes with an alarm, such as --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</source>
        <translation>somnelle: --sleep-until-alarm wymaga budzika, np. --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</translation>
    </message>
    <message>
        <source>somnelle: --end-with-track goes with an action and no minutes, such as --end-with-track sd</source>
        <translation>somnelle: --end-with-track wymaga akcji bez minut, np. --end-with-track sd</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Somnelle v%1 (c) 2026 The Somnelle developers, free software</source>
        <translation>Somnelle v%1 (c) 2026 Twórcy Somnelle, wolne oprogramowanie</translation>
    </message>
    <message>
        <source>Open file to start</source>
        <translation>Wybierz plik do otwarcia przy pobudce</translation>
    </message>
    <message>
        <source>Suspend the computer after the fade and let it wake itself for the alarm</source>
        <translation>Po wyciszeniu uśpij komputer i pozwól mu samemu wybudzić się na pobudkę</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Uruchom</translation>
    </message>
    <message>
        <source>Mixer initialization error</source>
        <translation>Błąd inicjalizacji miksera</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>Dźwięk: </translation>
    </message>
</context>
<context>
    <name>MainWindowForm</name>
    <message>
        <source>Start</source>
        <translation>Uruchom</translation>
    </message>
    <message>
        <source>Contact author</source>
        <translation>Kontakt z autorem</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Wake up at:</source>
        <translation>Pobudka o:</translation>
    </message>
    <message>
        <source>Start file:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Set volume:</source>
        <translation>Głośność:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Wake up at</source>
        <translation>Pobudka o</translation>
    </message>
    <message>
        <source>Start file</source>
        <translation>Plik do otwarcia przy pobudce</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Jutro</translation>
    </message>
    <message>
        <source>Sleep until then</source>
        <translation>Uśpij do pobudki</translation>
    </message>
    <message>
        <source>Set volume, percent</source>
        <translation>Głośność pobudki, procent</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Turn down volume up to 0%</source>
        <translation>Wyciszaj do 0%</translation>
    </message>
    <message>
        <source>for: </source>
        <translation>w: </translation>
    </message>
    <message>
        <source>Turn down volume up to 0% for minutes</source>
        <translation>Wyciszaj do 0%, w minutach</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Then:</source>
        <translation>Potem:</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Suspend mode</source>
        <translation>Uśpij</translation>
    </message>
    <message>
        <source>Alarm mode</source>
        <translation>Budzik</translation>
    </message>
    <message>
        <source>with the track</source>
        <translation>z utworem</translation>
    </message>
    <message>
        <source>As long as the track playing now: the fade ends with it</source>
        <translation>Tak długo jak obecnie grany utwór: wyciszanie kończy się razem z nim</translation>
    </message>
</context>
<context>
    <name>SessionText</name>
    <message>
        <source>%1 on %2</source>
        <comment>a time of day, then a day</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>the day&apos;s format</comment>
        <translation>ddd, d MMM</translation>
    </message>
    <message>
        <source>Fading until %1</source>
        <comment>status line</comment>
        <translation>Wyciszanie do %1</translation>
    </message>
    <message>
        <source>Set timer</source>
        <comment>status line</comment>
        <translation>Ustaw minuty</translation>
    </message>
    <message>
        <source>Set volume</source>
        <comment>status line</comment>
        <translation>Ustaw głośność pobudki</translation>
    </message>
    <message>
        <source>Soon to get up...</source>
        <comment>status line</comment>
        <translation>Niedługo pobudka…</translation>
    </message>
    <message>
        <source>Dry run: the computer would sleep until %1</source>
        <comment>status line</comment>
        <translation>Próba: komputer byłby uśpiony do %1</translation>
    </message>
    <message>
        <source>The computer sleeps until %1</source>
        <comment>status line</comment>
        <translation>Komputer jest uśpiony do %1</translation>
    </message>
    <message>
        <source>Dry run: the computer cannot wake itself; would stay on until %1</source>
        <comment>status line</comment>
        <translation>Próba: komputer nie wybudzi się sam; byłby włączony do %1</translation>
    </message>
    <message>
        <source>This computer cannot wake itself; it stays on until %1</source>
        <comment>status line</comment>
        <translation>Komputer nie wybudzi się sam; pozostanie włączony do %1</translation>
    </message>
    <message>
        <source>Dry run: the wake-up is too close; it would stay on until %1</source>
        <comment>status line</comment>
        <translation>Próba: pobudka zbyt blisko; komputer byłby włączony do %1</translation>
    </message>
    <message>
        <source>The wake-up is too close to sleep; the computer stays on until %1</source>
        <comment>status line</comment>
        <translation>Pobudka zbyt blisko, by uśpić; komputer włączony do %1</translation>
    </message>
    <message>
        <source>Dry run: the computer would shut down now</source>
        <comment>status line</comment>
        <translation>Próba: komputer zostałby teraz wyłączony</translation>
    </message>
    <message>
        <source>Dry run: the computer would suspend now</source>
        <comment>status line</comment>
        <translation>Próba: komputer zostałby teraz uśpiony</translation>
    </message>
    <message>
        <source>Power-off refused: %1</source>
        <comment>status line</comment>
        <translation>Odmowa wyłączenia: %1</translation>
    </message>
    <message>
        <source>Suspend refused: %1</source>
        <comment>status line</comment>
        <translation>Odmowa uśpienia: %1</translation>
    </message>
    <message>
        <source>Start file not found: %1</source>
        <comment>status line</comment>
        <translation>Nie znaleziono pliku: %1</translation>
    </message>
    <message>
        <source>Start file is not a file: %1</source>
        <comment>status line</comment>
        <translation>Plik pobudki nie jest plikiem: %1</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <comment>status line</comment>
        <translation>Nie można otworzyć %1</translation>
    </message>
    <message>
        <source>%1; no sound device for the chime either</source>
        <comment>status line</comment>
        <translation>%1; brak też urządzenia audio dla dzwonka</translation>
    </message>
    <message>
        <source>%1 % - Somnelle </source>
        <translation>%1% - Somnelle </translation>
    </message>
    <message>
        <source>The computer would suspend in 1 minute (dry run)</source>
        <translation>Komputer zostałby uśpiony za 1 minutę (próba)</translation>
    </message>
    <message>
        <source>The computer would shut down in 1 minute (dry run)</source>
        <translation>Komputer zostałby wyłączony za 1 minutę (próba)</translation>
    </message>
    <message>
        <source>The computer will suspend in 1 minute</source>
        <translation>Komputer zostanie uśpiony za 1 minutę</translation>
    </message>
    <message>
        <source>The computer will shut down in 1 minute</source>
        <translation>Komputer zostanie wyłączony za 1 minutę</translation>
    </message>
    <message>
        <source>The sleep timer ends at %1.</source>
        <translation>Wyłącznik czasowy kończy odliczanie o %1.</translation>
    </message>
    <message>
        <source>the fade is over; waiting for the wake-up</source>
        <translation>wyciszanie skończone; trwa oczekiwanie na pobudkę</translation>
    </message>
    <message>
        <source>no fade is running</source>
        <translation>nie trwa żadne wyciszanie</translation>
    </message>
    <message>
        <source>minutes must be 1 to 99</source>
        <translation>liczba minut musi wynosić od 1 do 99</translation>
    </message>
    <message>
        <source>the wake-up at %1 comes before the new end</source>
        <translation>pobudka o %1 wypada przed nowym końcem wyciszania</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then shutdown</source>
        <translation>%1 % – koniec o %2, potem wyłączenie</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then suspend</source>
        <translation>%1 % – koniec o %2, potem uśpienie</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then the alarm</source>
        <translation>%1 % – koniec o %2, potem budzik</translation>
    </message>
    <message>
        <source>The fade is over</source>
        <translation>Wyciszanie skończone</translation>
    </message>
    <message>
        <source>Wake-up at %1; the computer sleeps until then</source>
        <translation>Pobudka o %1; komputer jest do tego czasu uśpiony</translation>
    </message>
    <message>
        <source>Wake-up at %1</source>
        <translation>Pobudka o %1</translation>
    </message>
    <message>
        <source>The wake-up is sounding</source>
        <translation>Budzik dzwoni</translation>
    </message>
    <message>
        <source>%1 (dry run)</source>
        <translation>%1 (próba)</translation>
    </message>
    <message>
        <source>Fading until %1; nothing follows the fade</source>
        <comment>status line</comment>
        <translation>Wyciszanie do %1; potem nic więcej</translation>
    </message>
    <message>
        <source>Awake for the wake-up at %1</source>
        <comment>status line</comment>
        <translation>Włączony na pobudkę o %1</translation>
    </message>
    <message>
        <source>Start file cannot be read: %1</source>
        <comment>status line</comment>
        <translation>Nie można odczytać pliku: %1</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run)</source>
        <translation>%1% - Somnelle (próba)</translation>
    </message>
    <message>
        <source>%1 % - ends at %2</source>
        <translation>%1 % – koniec o %2</translation>
    </message>
    <message>
        <source>Dry run: the computer stays on</source>
        <comment>status line</comment>
        <translation>Próba: komputer pozostaje włączony</translation>
    </message>
    <message>
        <source>Invalid parameters</source>
        <comment>status line</comment>
        <translation>Nieprawidłowe parametry</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm: Somnelle may set its wake-up timer</source>
        <translation>Ten komputer potrafi sam wybudzić się na pobudkę: Somnelle może ustawić jego czasomierz wybudzania</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm, through the desktop&apos;s power manager</source>
        <translation>Ten komputer potrafi sam wybudzić się na pobudkę, przez zarządzanie energią pulpitu</translation>
    </message>
    <message>
        <source>This computer cannot wake itself for the alarm: it stays on until then, as without this</source>
        <translation>Ten komputer nie potrafi sam wybudzić się na pobudkę: do tego czasu pozostanie włączony, jak bez tej opcji</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel or --extend</source>
        <translation>sesja już trwa: %1; użyj --cancel lub --extend</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel</source>
        <translation>sesja już trwa: %1; użyj --cancel</translation>
    </message>
    <message>
        <source>Fading with the track until %1</source>
        <comment>status line</comment>
        <translation>Wyciszanie z utworem do %1</translation>
    </message>
    <message>
        <source>The track is paused, and the fade waits for it</source>
        <comment>status line</comment>
        <translation>Utwór wstrzymany, wyciszanie czeka</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run, with the track)</source>
        <translation>%1% - Somnelle (próba, z utworem)</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (with the track)</source>
        <translation>%1% - Somnelle (z utworem)</translation>
    </message>
    <message>
        <source>the night ends with the track</source>
        <translation>noc kończy się wraz z utworem</translation>
    </message>
    <message>
        <source>%1 (with the track)</source>
        <translation>%1 (z utworem)</translation>
    </message>
    <message>
        <source>The music playing has no end to wait for (a stream)</source>
        <comment>status line</comment>
        <translation>Grana muzyka nie ma końca, na który można czekać (strumień)</translation>
    </message>
    <message>
        <source>Nothing is playing: start the music first</source>
        <comment>status line</comment>
        <translation>Nic nie gra: najpierw włącz muzykę</translation>
    </message>
    <message>
        <source>Resume &quot;%1&quot; from %2</source>
        <translation>Wznów „%1” od %2</translation>
    </message>
    <message>
        <source>The player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <source>Playing &quot;%1&quot; again from %2</source>
        <comment>status line</comment>
        <translation>„%1” gra znowu od %2</translation>
    </message>
    <message>
        <source>Nothing to resume</source>
        <comment>status line</comment>
        <translation>Nie ma czego wznowić</translation>
    </message>
    <message>
        <source>%1 is gone: &quot;%2&quot; cannot be resumed</source>
        <comment>status line</comment>
        <translation>%1 już nie działa: nie można wznowić „%2”</translation>
    </message>
    <message>
        <source>%1 cannot go back to a place in &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 nie może wrócić do miejsca w „%2”</translation>
    </message>
    <message>
        <source>%1 has moved on and cannot open &quot;%2&quot; again</source>
        <comment>status line</comment>
        <translation>%1 gra już co innego i nie może ponownie otworzyć „%2”</translation>
    </message>
    <message>
        <source>%1 did not resume &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 nie wznowił „%2”</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>A sleep timer is running and its alarm must ring</source>
        <translation>Działa wyłącznik czasowy snu, a jego budzik musi zadzwonić</translation>
    </message>
</context>
<context>
    <name>TrayIndicator</name>
    <message>
        <source>Show Somnelle</source>
        <translation>Pokaż Somnelle</translation>
    </message>
    <message>
        <source>Add 15 minutes</source>
        <translation>Dodaj 15 minut</translation>
    </message>
    <message>
        <source>Cancel the timer</source>
        <translation>Anuluj wyłącznik czasowy</translation>
    </message>
    <message>
        <source>Silence the alarm</source>
        <translation>Wycisz budzik</translation>
    </message>
</context>
<context>
    <name>VolumeReadout</name>
    <message>
        <source>Volume: %1 %</source>
        <translation>Dźwięk: %1%</translation>
    </message>
</context>
<context>
    <name>WindowOpening</name>
    <message>
        <source>somnelle: no window can be opened here: %1
</source>
        <translation>somnelle: tutaj nie można otworzyć okna: %1
</translation>
    </message>
</context>
</TS>
