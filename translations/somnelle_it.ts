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
        <translation>Uso: somnelle [registry | MINUTES ACTION [TIME DAY VOLUME FILE]]

Abbassa il volume principale fino a 0% in MINUTES, poi termina come dice
ACTION. Con argomenti, i campi vengono compilati e la sessione parte subito.

  registry   avvia con le impostazioni salvate dall&apos;ultima sessione
  MINUTES    da 1 a 99
  ACTION     sd: spegni; sm: sospendi; am: sveglia, che richiede il resto:
  TIME       ora della sveglia, come 07:30 o 7:30 PM
  DAY        tm: domani (dopo la prossima mezzanotte); td: oggi
  VOLUME     volume della sveglia in percentuale, da 1 a 99
  FILE       il file da aprire alla sveglia, come europe.mid; un nome
             relativo viene cercato nella cartella corrente, poi in
             %1

Esempi:
  somnelle 30 sd
  somnelle 45 am 07:30 tm 40 europe.mid

  --dry-run [MINUTES ACTION ...]   lo stesso, ma alla fine dice soltanto che
             il computer si spegnerebbe o verrebbe sospeso;
             da solo, apre una finestra in cui ogni avvio è una simulazione
  --sleep-until-alarm MINUTES am ...   con una sveglia: dopo la dissolvenza
             sospende il computer e lascia che si riattivi da solo un minuto
             prima della sveglia, se può (lo indica la casella «Sospendi
             fino ad allora»)
  --end-with-track ACTION ...   la notte dura quanto il brano in riproduzione
             (senza i minuti): la dissolvenza finisce con esso, e il lettore
             va in pausa prima del successivo; --status dice allora
             &quot;ends with the track at&quot;
  --decibel-fade MINUTES ACTION ...   una dissolvenza uniforme all&apos;orecchio, in
             decibel, invece che a passi uguali del volume
  --resume   riascoltare da dove ci si è addormentati: il brano che un lettore
             suonava a metà dell&apos;ultima dissolvenza, da quel punto (per un giorno)

Per il Somnelle in esecuzione (uno per sessione del desktop; un secondo
avvio gli passa i suoi argomenti, ed è rifiutato se c&apos;è una sessione in corso):
  --extend MINUTES   aggiunge da 1 a 99 minuti alla dissolvenza; rifiutato
             se la nuova fine supera l&apos;ora della sveglia
  --cancel   annulla la sessione, come il pulsante Annulla, o zittisce la
             suoneria della sveglia
  --status   stampa una riga, una di queste:
               idle
               fading 37 %, ends at 23:47, then shutdown
                 (o then suspend, then the alarm; &quot; (dry run)&quot; dopo quelle
                 di una simulazione)
               ending   (dissolvenza finita, il computer sta per spegnersi)
               waiting for the wake-up at 07:30
                 (seguita da &quot;; the computer sleeps until then&quot; finché
                 è impostato un risveglio del computer)
               wake-up sounding   (la sveglia sta suonando)
               not running   (codice di uscita 3)
             oltre le 24 ore si indica anche il giorno: 17:49 on Thu 10 Dec
Le parole della riga di comando e le risposte di --status sono in inglese
in ogni lingua: gli script le scrivono e le leggono.
Stato di uscita: 0 fatto, 1 rifiutato o il Somnelle in esecuzione non
risponde, 2 uso errato (opzione sconosciuta o parametri non validi),
3 nessun Somnelle in esecuzione.

  --help, -h   mostra questo testo
  --version  mostra la versione
</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>+15 minutes</source>
        <translation>+15 minuti</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>Failed to set data for &apos;Timer&apos;</source>
        <translation>Impossibile salvare i dati di «Timer»</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>Somnelle (pid %1) runs but does not answer</source>
        <translation>Somnelle (pid %1) è in esecuzione ma non risponde</translation>
    </message>
    <message>
        <source>%1; nothing was started</source>
        <translation>%1; non è stato avviato nulla</translation>
    </message>
    <message>
        <source>somnelle: no display to open a window on, and no Somnelle runs to hand the command line to</source>
        <translation>somnelle: nessuno schermo su cui aprire una finestra e nessun Somnelle in esecuzione a cui passare la riga di comando</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>usage: somnelle --extend MINUTES (1 to 99)</source>
        <translation>uso: somnelle --extend MINUTES (da 1 a 99)</translation>
    </message>
    <message>
        <source>somnelle: %1 takes no other arguments</source>
        <translation>somnelle: %1 non accetta altri argomenti</translation>
    </message>
    <message>
        <source>somnelle: unknown option %1; see somnelle --help</source>
        <translation>somnelle: opzione sconosciuta %1; vedere somnelle --help</translation>
    </message>
    <message>
        <source>somnelle: --sleep-until-alarm goes with an alarm, such as --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</source>
        <translation>somnelle: --sleep-until-alarm va usato con una sveglia, come --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</translation>
    </message>
    <message>
        <source>somnelle: --end-with-track goes with an action and no minutes, such as --end-with-track sd</source>
        <translation>somnelle: --end-with-track va con un&apos;azione e senza minuti, per esempio --end-with-track sd</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Somnelle v%1 (c) 2026 The Somnelle developers, free software</source>
        <translation>Somnelle v%1 (c) 2026 Gli sviluppatori di Somnelle, software libero</translation>
    </message>
    <message>
        <source>Open file to start</source>
        <translation>Scegli il file della sveglia</translation>
    </message>
    <message>
        <source>Suspend the computer after the fade and let it wake itself for the alarm</source>
        <translation>Sospende il computer dopo la dissolvenza e lascia che si riattivi da solo per la sveglia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Mixer initialization error</source>
        <translation>Errore di inizializzazione del mixer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
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
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Contact author</source>
        <translation>Contatta l&apos;autore</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Wake up at:</source>
        <translation>Sveglia alle:</translation>
    </message>
    <message>
        <source>Start file:</source>
        <translation>File:</translation>
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
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Wake up at</source>
        <translation>Sveglia alle</translation>
    </message>
    <message>
        <source>Start file</source>
        <translation>File della sveglia</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Domani</translation>
    </message>
    <message>
        <source>Sleep until then</source>
        <translation>Sospendi fino ad allora</translation>
    </message>
    <message>
        <source>Set volume, percent</source>
        <translation>Volume della sveglia, in percentuale</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Turn down volume up to 0%</source>
        <translation>Abbassa il volume fino a 0%</translation>
    </message>
    <message>
        <source>for: </source>
        <translation>in </translation>
    </message>
    <message>
        <source>Turn down volume up to 0% for minutes</source>
        <translation>Abbassa il volume fino a 0%, in minuti</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Then:</source>
        <translation>Poi:</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Suspend mode</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>Alarm mode</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>with the track</source>
        <translation>con il brano</translation>
    </message>
    <message>
        <source>As long as the track playing now: the fade ends with it</source>
        <translation>Quanto il brano in riproduzione: la dissolvenza finisce con esso</translation>
    </message>
</context>
<context>
    <name>SessionText</name>
    <message>
        <source>%1 on %2</source>
        <comment>a time of day, then a day</comment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>the day&apos;s format</comment>
        <translation>ddd d MMM</translation>
    </message>
    <message>
        <source>Fading until %1</source>
        <comment>status line</comment>
        <translation>Dissolvenza fino alle %1</translation>
    </message>
    <message>
        <source>Set timer</source>
        <comment>status line</comment>
        <translation>Imposta i minuti</translation>
    </message>
    <message>
        <source>Set volume</source>
        <comment>status line</comment>
        <translation>Imposta il volume</translation>
    </message>
    <message>
        <source>Soon to get up...</source>
        <comment>status line</comment>
        <translation>Tra poco la sveglia…</translation>
    </message>
    <message>
        <source>Dry run: the computer would sleep until %1</source>
        <comment>status line</comment>
        <translation>Simulazione: il computer sarebbe sospeso fino alle %1</translation>
    </message>
    <message>
        <source>The computer sleeps until %1</source>
        <comment>status line</comment>
        <translation>Il computer è sospeso fino alle %1</translation>
    </message>
    <message>
        <source>Dry run: the computer cannot wake itself; would stay on until %1</source>
        <comment>status line</comment>
        <translation>Simulazione: non si riattiva; resterebbe acceso fino alle %1</translation>
    </message>
    <message>
        <source>This computer cannot wake itself; it stays on until %1</source>
        <comment>status line</comment>
        <translation>Il computer non può riattivarsi da solo; resta acceso fino alle %1</translation>
    </message>
    <message>
        <source>Dry run: the wake-up is too close; it would stay on until %1</source>
        <comment>status line</comment>
        <translation>Simulazione: sveglia vicina; resterebbe acceso fino alle %1</translation>
    </message>
    <message>
        <source>The wake-up is too close to sleep; the computer stays on until %1</source>
        <comment>status line</comment>
        <translation>Sveglia troppo vicina; il computer resta acceso fino alle %1</translation>
    </message>
    <message>
        <source>Dry run: the computer would shut down now</source>
        <comment>status line</comment>
        <translation>Simulazione: ora il computer si spegnerebbe</translation>
    </message>
    <message>
        <source>Dry run: the computer would suspend now</source>
        <comment>status line</comment>
        <translation>Simulazione: ora il computer verrebbe sospeso</translation>
    </message>
    <message>
        <source>Power-off refused: %1</source>
        <comment>status line</comment>
        <translation>Spegnimento rifiutato: %1</translation>
    </message>
    <message>
        <source>Suspend refused: %1</source>
        <comment>status line</comment>
        <translation>Sospensione rifiutata: %1</translation>
    </message>
    <message>
        <source>Start file not found: %1</source>
        <comment>status line</comment>
        <translation>File della sveglia non trovato: %1</translation>
    </message>
    <message>
        <source>Start file is not a file: %1</source>
        <comment>status line</comment>
        <translation>Il file della sveglia non è un file: %1</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <comment>status line</comment>
        <translation>Impossibile aprire %1</translation>
    </message>
    <message>
        <source>%1; no sound device for the chime either</source>
        <comment>status line</comment>
        <translation>%1; nessun dispositivo audio nemmeno per la suoneria</translation>
    </message>
    <message>
        <source>%1 % - Somnelle </source>
        <translation>%1% - Somnelle </translation>
    </message>
    <message>
        <source>The computer would suspend in 1 minute (dry run)</source>
        <translation>Il computer verrebbe sospeso tra 1 minuto (simulazione)</translation>
    </message>
    <message>
        <source>The computer would shut down in 1 minute (dry run)</source>
        <translation>Il computer si spegnerebbe tra 1 minuto (simulazione)</translation>
    </message>
    <message>
        <source>The computer will suspend in 1 minute</source>
        <translation>Il computer verrà sospeso tra 1 minuto</translation>
    </message>
    <message>
        <source>The computer will shut down in 1 minute</source>
        <translation>Il computer si spegnerà tra 1 minuto</translation>
    </message>
    <message>
        <source>The sleep timer ends at %1.</source>
        <translation>Il timer del sonno finisce alle %1.</translation>
    </message>
    <message>
        <source>the fade is over; waiting for the wake-up</source>
        <translation>la dissolvenza è finita; in attesa della sveglia</translation>
    </message>
    <message>
        <source>no fade is running</source>
        <translation>nessuna dissolvenza in corso</translation>
    </message>
    <message>
        <source>minutes must be 1 to 99</source>
        <translation>i minuti devono essere da 1 a 99</translation>
    </message>
    <message>
        <source>the wake-up at %1 comes before the new end</source>
        <translation>la sveglia delle %1 arriva prima della nuova fine</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then shutdown</source>
        <translation>%1 % – finisce alle %2, poi spegnimento</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then suspend</source>
        <translation>%1 % – finisce alle %2, poi sospensione</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then the alarm</source>
        <translation>%1 % – finisce alle %2, poi sveglia</translation>
    </message>
    <message>
        <source>The fade is over</source>
        <translation>La dissolvenza è finita</translation>
    </message>
    <message>
        <source>Wake-up at %1; the computer sleeps until then</source>
        <translation>Sveglia alle %1; il computer è sospeso fino ad allora</translation>
    </message>
    <message>
        <source>Wake-up at %1</source>
        <translation>Sveglia alle %1</translation>
    </message>
    <message>
        <source>The wake-up is sounding</source>
        <translation>La sveglia sta suonando</translation>
    </message>
    <message>
        <source>%1 (dry run)</source>
        <translation>%1 (simulazione)</translation>
    </message>
    <message>
        <source>Fading until %1; nothing follows the fade</source>
        <comment>status line</comment>
        <translation>Dissolvenza fino alle %1; dopo, nulla</translation>
    </message>
    <message>
        <source>Awake for the wake-up at %1</source>
        <comment>status line</comment>
        <translation>Acceso per la sveglia alle %1</translation>
    </message>
    <message>
        <source>Start file cannot be read: %1</source>
        <comment>status line</comment>
        <translation>Impossibile leggere il file della sveglia: %1</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run)</source>
        <translation>%1% - Somnelle (simulazione)</translation>
    </message>
    <message>
        <source>%1 % - ends at %2</source>
        <translation>%1 % – finisce alle %2</translation>
    </message>
    <message>
        <source>Dry run: the computer stays on</source>
        <comment>status line</comment>
        <translation>Simulazione: il computer resta acceso</translation>
    </message>
    <message>
        <source>Invalid parameters</source>
        <comment>status line</comment>
        <translation>Parametri non validi</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm: Somnelle may set its wake-up timer</source>
        <translation>Questo computer può riattivarsi da solo per la sveglia: Somnelle può impostarne il timer di riattivazione</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm, through the desktop&apos;s power manager</source>
        <translation>Questo computer può riattivarsi da solo per la sveglia, tramite la gestione energetica del desktop</translation>
    </message>
    <message>
        <source>This computer cannot wake itself for the alarm: it stays on until then, as without this</source>
        <translation>Questo computer non può riattivarsi da solo per la sveglia: resta acceso fino ad allora, come senza questa casella</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel or --extend</source>
        <translation>una sessione è già in corso: %1; usare --cancel o --extend</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel</source>
        <translation>una sessione è già in corso: %1; usare --cancel</translation>
    </message>
    <message>
        <source>Fading with the track until %1</source>
        <comment>status line</comment>
        <translation>Dissolvenza con il brano fino alle %1</translation>
    </message>
    <message>
        <source>The track is paused, and the fade waits for it</source>
        <comment>status line</comment>
        <translation>Il brano è in pausa e la dissolvenza lo aspetta</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run, with the track)</source>
        <translation>%1% - Somnelle (simulazione, con il brano)</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (with the track)</source>
        <translation>%1% - Somnelle (con il brano)</translation>
    </message>
    <message>
        <source>the night ends with the track</source>
        <translation>la notte finisce con il brano</translation>
    </message>
    <message>
        <source>%1 (with the track)</source>
        <translation>%1 (con il brano)</translation>
    </message>
    <message>
        <source>The music playing has no end to wait for (a stream)</source>
        <comment>status line</comment>
        <translation>La musica in riproduzione non ha una fine da attendere (uno stream)</translation>
    </message>
    <message>
        <source>Nothing is playing: start the music first</source>
        <comment>status line</comment>
        <translation>Non suona nulla: avvia prima la musica</translation>
    </message>
    <message>
        <source>Resume &quot;%1&quot; from %2</source>
        <translation>Riprendi «%1» da %2</translation>
    </message>
    <message>
        <source>The player</source>
        <translation>Il lettore</translation>
    </message>
    <message>
        <source>Playing &quot;%1&quot; again from %2</source>
        <comment>status line</comment>
        <translation>«%1» riprende da %2</translation>
    </message>
    <message>
        <source>Nothing to resume</source>
        <comment>status line</comment>
        <translation>Niente da riprendere</translation>
    </message>
    <message>
        <source>%1 is gone: &quot;%2&quot; cannot be resumed</source>
        <comment>status line</comment>
        <translation>%1 non c&apos;è più: «%2» non si può riprendere</translation>
    </message>
    <message>
        <source>%1 cannot go back to a place in &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 non può tornare a un punto di «%2»</translation>
    </message>
    <message>
        <source>%1 has moved on and cannot open &quot;%2&quot; again</source>
        <comment>status line</comment>
        <translation>%1 è passato ad altro e non può riaprire «%2»</translation>
    </message>
    <message>
        <source>%1 did not resume &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 non ha ripreso «%2»</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>A sleep timer is running and its alarm must ring</source>
        <translation>È attivo un timer per dormire e la sua sveglia deve suonare</translation>
    </message>
</context>
<context>
    <name>TrayIndicator</name>
    <message>
        <source>Show Somnelle</source>
        <translation>Mostra Somnelle</translation>
    </message>
    <message>
        <source>Add 15 minutes</source>
        <translation>Aggiungi 15 minuti</translation>
    </message>
    <message>
        <source>Cancel the timer</source>
        <translation>Annulla il timer</translation>
    </message>
    <message>
        <source>Silence the alarm</source>
        <translation>Ferma la sveglia</translation>
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
        <translation>somnelle: qui non si può aprire nessuna finestra: %1
</translation>
    </message>
</context>
</TS>
