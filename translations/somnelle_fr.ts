<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Utilisation : somnelle [registry | MINUTES ACTION [TIME DAY VOLUME FILE]]

Baisse le volume principal à 0 % en MINUTES, puis termine selon ACTION.
Avec des arguments, les champs sont remplis et la session démarre aussitôt.

  registry   lancer avec les réglages enregistrés par la dernière session
  MINUTES    1 à 99
  ACTION     sd : éteindre ; sm : mettre en veille ; am : réveil, qui prend
             les arguments suivants :
  TIME       heure du réveil, par exemple 07:30 ou 7:30 PM
  DAY        tm : demain (après le prochain minuit) ; td : aujourd&apos;hui
  VOLUME     volume du réveil en pourcentage, 1 à 99
  FILE       le fichier à ouvrir au réveil, par exemple europe.mid ; un nom
             relatif est cherché dans le dossier courant, puis dans
             %1

Exemples :
  somnelle 30 sd
  somnelle 45 am 07:30 tm 40 europe.mid

  --dry-run [MINUTES ACTION ...]   la même chose, mais à la fin, dire seulement
             que l&apos;ordinateur s&apos;éteindrait ou se mettrait en veille ;
             seul, ouvre une fenêtre dont chaque démarrage est une simulation
  --sleep-until-alarm MINUTES am ...   avec un réveil : après le fondu, mettre
             l&apos;ordinateur en veille et le laisser en sortir seul une minute
             avant le réveil, s&apos;il le peut (la case « Veille jusque-là »
             l&apos;indique)
  --end-with-track ACTION ...   la nuit dure autant que le morceau en cours
             (sans les minutes) : le fondu finit avec lui, et le lecteur est
             mis en pause avant le suivant ; --status dit alors
             &quot;ends with the track at&quot;
  --decibel-fade MINUTES ACTION ...   un fondu régulier pour l&apos;oreille, en
             décibels, plutôt qu&apos;en pas réguliers du volume
  --resume   reprendre là où vous vous êtes endormi : le morceau qu&apos;un lecteur
             jouait à mi-fondu, à cet endroit (pendant un jour)

Pour le Somnelle déjà lancé (un par session de bureau ; un second lancement
lui passe ses arguments, et il est refusé tant qu&apos;une session y est en cours) :
  --extend MINUTES   ajouter 1 à 99 minutes au fondu ; refusé si la nouvelle
             fin dépasse l&apos;heure du réveil
  --cancel   annuler la session, comme le bouton Annuler, ou faire taire la
             sonnerie du réveil
  --status   afficher une ligne, parmi :
               idle
               fading 37 %, ends at 23:47, then shutdown
                 (ou then suspend, then the alarm ; &quot; (dry run)&quot; après
                 celles d&apos;une simulation)
               ending   (le fondu est fini, l&apos;ordinateur va s&apos;arrêter)
               waiting for the wake-up at 07:30
                 (suivi de &quot;; the computer sleeps until then&quot; tant
                 qu&apos;un réveil de l&apos;ordinateur est programmé)
               wake-up sounding   (la sonnerie retentit)
               not running   (code de sortie 3)
             au-delà d&apos;un jour, le jour est ajouté : 17:49 on Thu 10 Dec
Les mots de la ligne de commande et les réponses de --status sont en anglais
dans toutes les langues : des scripts les écrivent et les lisent.
Code de sortie : 0 fait, 1 refusé ou le Somnelle lancé ne répond pas, 2 mal
utilisé (option inconnue ou paramètres non valides), 3 aucun Somnelle lancé.

  --help, -h   afficher ce texte
  --version  afficher la version
</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>+15 minutes</source>
        <translation>+15 minutes</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>Failed to set data for &apos;Timer&apos;</source>
        <translation>Impossible d&apos;enregistrer les données de «&#xa0;Timer&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>Somnelle (pid %1) runs but does not answer</source>
        <translation>Somnelle (pid %1) est lancé mais ne répond pas</translation>
    </message>
    <message>
        <source>%1; nothing was started</source>
        <translation>%1&#xa0;; rien n&apos;a été lancé</translation>
    </message>
    <message>
        <source>somnelle: no display to open a window on, and no Somnelle runs to hand the command line to</source>
        <translation>somnelle&#xa0;: aucun écran où ouvrir une fenêtre, et aucun Somnelle lancé à qui passer la ligne de commande</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>usage: somnelle --extend MINUTES (1 to 99)</source>
        <translation>utilisation&#xa0;: somnelle --extend MINUTES (1 à 99)</translation>
    </message>
    <message>
        <source>somnelle: %1 takes no other arguments</source>
        <translation>somnelle&#xa0;: %1 ne prend pas d&apos;autre argument</translation>
    </message>
    <message>
        <source>somnelle: unknown option %1; see somnelle --help</source>
        <translation>somnelle&#xa0;: option inconnue %1&#xa0;; voir somnelle --help</translation>
    </message>
    <message>
        <source>somnelle: --sleep-until-alarm goes with an alarm, such as --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</source>
        <translation>somnelle&#xa0;: --sleep-until-alarm s&apos;utilise avec un réveil, comme --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</translation>
    </message>
    <message>
        <source>somnelle: --end-with-track goes with an action and no minutes, such as --end-with-track sd</source>
        <translation>somnelle&#xa0;: --end-with-track va avec une action, sans minutes, par exemple --end-with-track sd</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Somnelle v%1 (c) 2026 The Somnelle developers, free software</source>
        <translation>Somnelle v%1 (c) 2026 Les développeurs de Somnelle, logiciel libre</translation>
    </message>
    <message>
        <source>Open file to start</source>
        <translation>Choisir le fichier de réveil</translation>
    </message>
    <message>
        <source>Suspend the computer after the fade and let it wake itself for the alarm</source>
        <translation>Mettre l&apos;ordinateur en veille après le fondu et le laisser en sortir seul pour le réveil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Mixer initialization error</source>
        <translation>Erreur d&apos;initialisation du mélangeur</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>Volume </translation>
    </message>
</context>
<context>
    <name>MainWindowForm</name>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Contact author</source>
        <translation>Contacter l&apos;auteur</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Wake up at:</source>
        <translation>Réveil à&#xa0;:</translation>
    </message>
    <message>
        <source>Start file:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Set volume:</source>
        <translation>Volume&#xa0;:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Wake up at</source>
        <translation>Réveil à</translation>
    </message>
    <message>
        <source>Start file</source>
        <translation>Fichier de réveil</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demain</translation>
    </message>
    <message>
        <source>Sleep until then</source>
        <translation>Veille jusque-là</translation>
    </message>
    <message>
        <source>Set volume, percent</source>
        <translation>Volume du réveil, en pourcentage</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Turn down volume up to 0%</source>
        <translation>Baisser le volume à 0&#xa0;%</translation>
    </message>
    <message>
        <source>for: </source>
        <translation>en </translation>
    </message>
    <message>
        <source>Turn down volume up to 0% for minutes</source>
        <translation>Minutes pour baisser le volume à 0&#xa0;%</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Then:</source>
        <translation>Puis&#xa0;:</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Suspend mode</source>
        <translation>Mise en veille</translation>
    </message>
    <message>
        <source>Alarm mode</source>
        <translation>Réveil</translation>
    </message>
    <message>
        <source>with the track</source>
        <translation>avec le morceau</translation>
    </message>
    <message>
        <source>As long as the track playing now: the fade ends with it</source>
        <translation>Aussi longtemps que le morceau en cours&#xa0;: le fondu finit avec lui</translation>
    </message>
</context>
<context>
    <name>SessionText</name>
    <message>
        <source>%1 on %2</source>
        <comment>a time of day, then a day</comment>
        <translation>%1 le %2</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>the day&apos;s format</comment>
        <translation>ddd d MMM</translation>
    </message>
    <message>
        <source>Fading until %1</source>
        <comment>status line</comment>
        <translation>Fondu jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>Set timer</source>
        <comment>status line</comment>
        <translation>Indiquez les minutes</translation>
    </message>
    <message>
        <source>Set volume</source>
        <comment>status line</comment>
        <translation>Indiquez le volume</translation>
    </message>
    <message>
        <source>Soon to get up...</source>
        <comment>status line</comment>
        <translation>Bientôt le réveil…</translation>
    </message>
    <message>
        <source>Dry run: the computer would sleep until %1</source>
        <comment>status line</comment>
        <translation>Simulation&#xa0;: l&apos;ordinateur serait en veille jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>The computer sleeps until %1</source>
        <comment>status line</comment>
        <translation>L&apos;ordinateur est en veille jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>Dry run: the computer cannot wake itself; would stay on until %1</source>
        <comment>status line</comment>
        <translation>Simulation&#xa0;: pas de sortie de veille&#xa0;; resterait allumé jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>This computer cannot wake itself; it stays on until %1</source>
        <comment>status line</comment>
        <translation>Sortie de veille impossible&#xa0;; l&apos;ordinateur reste allumé jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>Dry run: the wake-up is too close; it would stay on until %1</source>
        <comment>status line</comment>
        <translation>Simulation&#xa0;: réveil trop proche&#xa0;; resterait allumé jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>The wake-up is too close to sleep; the computer stays on until %1</source>
        <comment>status line</comment>
        <translation>Réveil trop proche pour la veille&#xa0;; reste allumé jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>Dry run: the computer would shut down now</source>
        <comment>status line</comment>
        <translation>Simulation&#xa0;: l&apos;ordinateur s&apos;éteindrait maintenant</translation>
    </message>
    <message>
        <source>Dry run: the computer would suspend now</source>
        <comment>status line</comment>
        <translation>Simulation&#xa0;: l&apos;ordinateur se mettrait en veille maintenant</translation>
    </message>
    <message>
        <source>Power-off refused: %1</source>
        <comment>status line</comment>
        <translation>Extinction refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Suspend refused: %1</source>
        <comment>status line</comment>
        <translation>Mise en veille refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Start file not found: %1</source>
        <comment>status line</comment>
        <translation>Fichier de réveil introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Start file is not a file: %1</source>
        <comment>status line</comment>
        <translation>Le fichier de réveil n&apos;est pas un fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <comment>status line</comment>
        <translation>Impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>%1; no sound device for the chime either</source>
        <comment>status line</comment>
        <translation>%1&#xa0;; pas de périphérique audio pour la sonnerie non plus</translation>
    </message>
    <message>
        <source>%1 % - Somnelle </source>
        <translation>%1&#xa0;% - Somnelle </translation>
    </message>
    <message>
        <source>The computer would suspend in 1 minute (dry run)</source>
        <translation>L&apos;ordinateur se mettrait en veille dans 1 minute (simulation)</translation>
    </message>
    <message>
        <source>The computer would shut down in 1 minute (dry run)</source>
        <translation>L&apos;ordinateur s&apos;éteindrait dans 1 minute (simulation)</translation>
    </message>
    <message>
        <source>The computer will suspend in 1 minute</source>
        <translation>L&apos;ordinateur va se mettre en veille dans 1 minute</translation>
    </message>
    <message>
        <source>The computer will shut down in 1 minute</source>
        <translation>L&apos;ordinateur va s&apos;éteindre dans 1 minute</translation>
    </message>
    <message>
        <source>The sleep timer ends at %1.</source>
        <translation>Le minuteur de sommeil se termine à %1.</translation>
    </message>
    <message>
        <source>the fade is over; waiting for the wake-up</source>
        <translation>le fondu est terminé&#xa0;; en attente du réveil</translation>
    </message>
    <message>
        <source>no fade is running</source>
        <translation>aucun fondu en cours</translation>
    </message>
    <message>
        <source>minutes must be 1 to 99</source>
        <translation>les minutes doivent aller de 1 à 99</translation>
    </message>
    <message>
        <source>the wake-up at %1 comes before the new end</source>
        <translation>le réveil à %1 arrive avant la nouvelle fin</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then shutdown</source>
        <translation>%1 % – se termine à %2, puis arrêt</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then suspend</source>
        <translation>%1 % – se termine à %2, puis veille</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then the alarm</source>
        <translation>%1 % – se termine à %2, puis réveil</translation>
    </message>
    <message>
        <source>The fade is over</source>
        <translation>Le fondu est terminé</translation>
    </message>
    <message>
        <source>Wake-up at %1; the computer sleeps until then</source>
        <translation>Réveil à %1 ; l’ordinateur est en veille jusque-là</translation>
    </message>
    <message>
        <source>Wake-up at %1</source>
        <translation>Réveil à %1</translation>
    </message>
    <message>
        <source>The wake-up is sounding</source>
        <translation>Le réveil sonne</translation>
    </message>
    <message>
        <source>%1 (dry run)</source>
        <translation>%1 (simulation)</translation>
    </message>
    <message>
        <source>Fading until %1; nothing follows the fade</source>
        <comment>status line</comment>
        <translation>Fondu jusqu&apos;à %1&#xa0;; rien ne suit le fondu</translation>
    </message>
    <message>
        <source>Awake for the wake-up at %1</source>
        <comment>status line</comment>
        <translation>Éveillé pour le réveil à %1</translation>
    </message>
    <message>
        <source>Start file cannot be read: %1</source>
        <comment>status line</comment>
        <translation>Fichier de réveil illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run)</source>
        <translation>%1 % - Somnelle (simulation)</translation>
    </message>
    <message>
        <source>%1 % - ends at %2</source>
        <translation>%1 % – se termine à %2</translation>
    </message>
    <message>
        <source>Dry run: the computer stays on</source>
        <comment>status line</comment>
        <translation>Simulation&#xa0;: l&apos;ordinateur reste allumé</translation>
    </message>
    <message>
        <source>Invalid parameters</source>
        <comment>status line</comment>
        <translation>Paramètres non valides</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm: Somnelle may set its wake-up timer</source>
        <translation>Cet ordinateur peut sortir de veille seul pour le réveil&#xa0;: Somnelle peut en régler l&apos;heure</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm, through the desktop&apos;s power manager</source>
        <translation>Cet ordinateur peut sortir de veille seul pour le réveil, grâce au gestionnaire d&apos;énergie du bureau</translation>
    </message>
    <message>
        <source>This computer cannot wake itself for the alarm: it stays on until then, as without this</source>
        <translation>Cet ordinateur ne peut pas sortir de veille seul pour le réveil&#xa0;: il reste allumé jusque-là, comme sans cette case</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel or --extend</source>
        <translation>une session est déjà en cours&#xa0;: %1&#xa0;; utilisez --cancel ou --extend</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel</source>
        <translation>une session est déjà en cours&#xa0;: %1&#xa0;; utilisez --cancel</translation>
    </message>
    <message>
        <source>Fading with the track until %1</source>
        <comment>status line</comment>
        <translation>Fondu avec le morceau jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>The track is paused, and the fade waits for it</source>
        <comment>status line</comment>
        <translation>Le morceau est en pause, le fondu l&apos;attend</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run, with the track)</source>
        <translation>%1 % - Somnelle (simulation, avec le morceau)</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (with the track)</source>
        <translation>%1 % - Somnelle (avec le morceau)</translation>
    </message>
    <message>
        <source>the night ends with the track</source>
        <translation>la nuit finit avec le morceau</translation>
    </message>
    <message>
        <source>%1 (with the track)</source>
        <translation>%1 (avec le morceau)</translation>
    </message>
    <message>
        <source>The music playing has no end to wait for (a stream)</source>
        <comment>status line</comment>
        <translation>La musique en cours n&apos;a pas de fin à attendre (un flux)</translation>
    </message>
    <message>
        <source>Nothing is playing: start the music first</source>
        <comment>status line</comment>
        <translation>Rien ne joue&#xa0;: lancez d&apos;abord la musique</translation>
    </message>
    <message>
        <source>Resume &quot;%1&quot; from %2</source>
        <translation>Reprendre «&#xa0;%1&#xa0;» à %2</translation>
    </message>
    <message>
        <source>The player</source>
        <translation>Le lecteur</translation>
    </message>
    <message>
        <source>Playing &quot;%1&quot; again from %2</source>
        <comment>status line</comment>
        <translation>«&#xa0;%1&#xa0;» rejoue à partir de %2</translation>
    </message>
    <message>
        <source>Nothing to resume</source>
        <comment>status line</comment>
        <translation>Rien à reprendre</translation>
    </message>
    <message>
        <source>%1 is gone: &quot;%2&quot; cannot be resumed</source>
        <comment>status line</comment>
        <translation>%1 n&apos;est plus là&#xa0;: «&#xa0;%2&#xa0;» ne peut pas reprendre</translation>
    </message>
    <message>
        <source>%1 cannot go back to a place in &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 ne peut pas revenir à un endroit de «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 has moved on and cannot open &quot;%2&quot; again</source>
        <comment>status line</comment>
        <translation>%1 est passé à autre chose et ne peut pas rouvrir «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 did not resume &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 n&apos;a pas repris «&#xa0;%2&#xa0;»</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>A sleep timer is running and its alarm must ring</source>
        <translation>Un minuteur de sommeil est en cours et son réveil doit sonner</translation>
    </message>
</context>
<context>
    <name>TrayIndicator</name>
    <message>
        <source>Show Somnelle</source>
        <translation>Afficher Somnelle</translation>
    </message>
    <message>
        <source>Add 15 minutes</source>
        <translation>Ajouter 15 minutes</translation>
    </message>
    <message>
        <source>Cancel the timer</source>
        <translation>Annuler le minuteur</translation>
    </message>
    <message>
        <source>Silence the alarm</source>
        <translation>Arrêter la sonnerie</translation>
    </message>
</context>
<context>
    <name>VolumeReadout</name>
    <message>
        <source>Volume: %1 %</source>
        <translation>Volume %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>WindowOpening</name>
    <message>
        <source>somnelle: no window can be opened here: %1
</source>
        <translation>somnelle&#xa0;: impossible d&apos;ouvrir une fenêtre ici&#xa0;: %1
</translation>
    </message>
</context>
</TS>
