<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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

Baja el volumen principal hasta 0 % en MINUTES y luego termina según ACTION.
Con argumentos, se rellenan los campos y la sesión empieza enseguida.

  registry   iniciar con la configuración guardada en la última sesión
  MINUTES    de 1 a 99
  ACTION     sd: apagar; sm: suspender; am: alarma, que requiere el resto:
  TIME       hora de despertar, como 07:30 o 7:30 PM
  DAY        tm: mañana (tras la próxima medianoche); td: hoy
  VOLUME     volumen al despertar en porcentaje, de 1 a 99
  FILE       el archivo que se abre al despertar, como europe.mid; un nombre
             relativo se busca en la carpeta actual y después en
             %1

Ejemplos:
  somnelle 30 sd
  somnelle 45 am 07:30 tm 40 europe.mid

  --dry-run [MINUTES ACTION ...]   lo mismo, pero al final solo avisar de que
             el equipo se apagaría o se suspendería;
             solo, abre una ventana en la que cada inicio es una simulación
  --sleep-until-alarm MINUTES am ...   con una alarma: tras el fundido,
             suspender el equipo y dejar que se reactive solo un minuto antes
             de la hora de despertar, si puede (lo indica la casilla
             «Suspender hasta entonces»)
  --end-with-track ACTION ...   la noche dura lo que la pista que suena ahora
             (sin los minutos): el fundido termina con ella, y el reproductor
             se pausa antes de la siguiente; --status dice entonces
             &quot;ends with the track at&quot;
  --decibel-fade MINUTES ACTION ...   un fundido uniforme para el oído, en
             decibelios, en vez de en pasos iguales del volumen
  --resume   volver a escuchar donde se quedó dormido: la pista que sonaba a
             mitad del último fundido, desde ese punto (durante un día)

Para el Somnelle en ejecución (uno por sesión de escritorio; un segundo
inicio le pasa sus argumentos, y se rechaza mientras haya una sesión en curso):
  --extend MINUTES   añadir de 1 a 99 minutos al fundido; se rechaza si el
             nuevo final pasa de la hora de despertar
  --cancel   cancelar la sesión, como el botón Cancelar, o silenciar el tono
             de alarma
  --status   mostrar una línea, una de estas:
               idle
               fading 37 %, ends at 23:47, then shutdown
                 (o then suspend, then the alarm; &quot; (dry run)&quot; tras las
                 de una simulación)
               ending   (el fundido ha terminado, el equipo va a apagarse)
               waiting for the wake-up at 07:30
                 (seguido de &quot;; the computer sleeps until then&quot; mientras
                 haya programado un despertar del equipo)
               wake-up sounding   (suena el tono de alarma)
               not running   (código de salida 3)
             si falta más de un día, se indica el día: 17:49 on Thu 10 Dec
Las palabras de la línea de comandos y las respuestas de --status están en
inglés en todos los idiomas: los scripts las escriben y las leen.
Estado de salida: 0 hecho, 1 rechazado o el Somnelle en ejecución no
responde, 2 mal uso (opción desconocida o parámetros no válidos), 3 no hay
ningún Somnelle en ejecución.

  --help, -h   mostrar este texto
  --version  mostrar la versión
</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>+15 minutes</source>
        <translation>+15 minutos</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>Failed to set data for &apos;Timer&apos;</source>
        <translation>No se pudieron guardar los datos de «Timer»</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>Somnelle (pid %1) runs but does not answer</source>
        <translation>Somnelle (pid %1) está en ejecución pero no responde</translation>
    </message>
    <message>
        <source>%1; nothing was started</source>
        <translation>%1; no se ha iniciado nada</translation>
    </message>
    <message>
        <source>somnelle: no display to open a window on, and no Somnelle runs to hand the command line to</source>
        <translation>somnelle: no hay pantalla donde abrir una ventana ni ningún Somnelle en ejecución al que pasar la línea de órdenes</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>usage: somnelle --extend MINUTES (1 to 99)</source>
        <translation>uso: somnelle --extend MINUTES (de 1 a 99)</translation>
    </message>
    <message>
        <source>somnelle: %1 takes no other arguments</source>
        <translation>somnelle: %1 no admite más argumentos</translation>
    </message>
    <message>
        <source>somnelle: unknown option %1; see somnelle --help</source>
        <translation>somnelle: opción desconocida %1; consulte somnelle --help</translation>
    </message>
    <message>
        <source>somnelle: --sleep-until-alarm goes with an alarm, such as --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</source>
        <translation>somnelle: --sleep-until-alarm se usa con una alarma, como --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</translation>
    </message>
    <message>
        <source>somnelle: --end-with-track goes with an action and no minutes, such as --end-with-track sd</source>
        <translation>somnelle: --end-with-track va con una acción y sin minutos, por ejemplo --end-with-track sd</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Somnelle v%1 (c) 2026 The Somnelle developers, free software</source>
        <translation>Somnelle v%1 (c) 2026 Los desarrolladores de Somnelle, software libre</translation>
    </message>
    <message>
        <source>Open file to start</source>
        <translation>Elegir el archivo de alarma</translation>
    </message>
    <message>
        <source>Suspend the computer after the fade and let it wake itself for the alarm</source>
        <translation>Suspender el equipo tras el fundido y dejar que se reactive solo para la alarma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Mixer initialization error</source>
        <translation>Error al iniciar el mezclador</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>Vol.: </translation>
    </message>
</context>
<context>
    <name>MainWindowForm</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Contact author</source>
        <translation>Contactar con el autor</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Wake up at:</source>
        <translation>Despertar:</translation>
    </message>
    <message>
        <source>Start file:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Set volume:</source>
        <translation>Volumen:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Wake up at</source>
        <translation>Despertar a las</translation>
    </message>
    <message>
        <source>Start file</source>
        <translation>Archivo de alarma</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Sleep until then</source>
        <translation>Suspender hasta entonces</translation>
    </message>
    <message>
        <source>Set volume, percent</source>
        <translation>Volumen al despertar, en porcentaje</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Turn down volume up to 0%</source>
        <translation>Bajar el volumen hasta 0&#xa0;%</translation>
    </message>
    <message>
        <source>for: </source>
        <translation>en </translation>
    </message>
    <message>
        <source>Turn down volume up to 0% for minutes</source>
        <translation>Minutos para bajar el volumen hasta 0&#xa0;%</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Then:</source>
        <translation>Luego:</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Suspend mode</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>Alarm mode</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>with the track</source>
        <translation>con la pista</translation>
    </message>
    <message>
        <source>As long as the track playing now: the fade ends with it</source>
        <translation>Tanto como la pista que suena ahora: el fundido termina con ella</translation>
    </message>
</context>
<context>
    <name>SessionText</name>
    <message>
        <source>%1 on %2</source>
        <comment>a time of day, then a day</comment>
        <translation>%1 del %2</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>the day&apos;s format</comment>
        <translation>ddd d MMM</translation>
    </message>
    <message>
        <source>Fading until %1</source>
        <comment>status line</comment>
        <translation>Fundido hasta las %1</translation>
    </message>
    <message>
        <source>Set timer</source>
        <comment>status line</comment>
        <translation>Indique los minutos</translation>
    </message>
    <message>
        <source>Set volume</source>
        <comment>status line</comment>
        <translation>Indique el volumen</translation>
    </message>
    <message>
        <source>Soon to get up...</source>
        <comment>status line</comment>
        <translation>Pronto habrá que levantarse…</translation>
    </message>
    <message>
        <source>Dry run: the computer would sleep until %1</source>
        <comment>status line</comment>
        <translation>Simulación: el equipo se suspendería hasta las %1</translation>
    </message>
    <message>
        <source>The computer sleeps until %1</source>
        <comment>status line</comment>
        <translation>El equipo está suspendido hasta las %1</translation>
    </message>
    <message>
        <source>Dry run: the computer cannot wake itself; would stay on until %1</source>
        <comment>status line</comment>
        <translation>Simulación: no se reactiva solo; seguiría encendido hasta las %1</translation>
    </message>
    <message>
        <source>This computer cannot wake itself; it stays on until %1</source>
        <comment>status line</comment>
        <translation>El equipo no se reactiva solo; sigue encendido hasta las %1</translation>
    </message>
    <message>
        <source>Dry run: the wake-up is too close; it would stay on until %1</source>
        <comment>status line</comment>
        <translation>Simulación: despertar cercano; seguiría encendido hasta las %1</translation>
    </message>
    <message>
        <source>The wake-up is too close to sleep; the computer stays on until %1</source>
        <comment>status line</comment>
        <translation>Despertar muy cercano; el equipo sigue encendido hasta las %1</translation>
    </message>
    <message>
        <source>Dry run: the computer would shut down now</source>
        <comment>status line</comment>
        <translation>Simulación: el equipo se apagaría ahora</translation>
    </message>
    <message>
        <source>Dry run: the computer would suspend now</source>
        <comment>status line</comment>
        <translation>Simulación: el equipo se suspendería ahora</translation>
    </message>
    <message>
        <source>Power-off refused: %1</source>
        <comment>status line</comment>
        <translation>Apagado rechazado: %1</translation>
    </message>
    <message>
        <source>Suspend refused: %1</source>
        <comment>status line</comment>
        <translation>Suspensión rechazada: %1</translation>
    </message>
    <message>
        <source>Start file not found: %1</source>
        <comment>status line</comment>
        <translation>No se encuentra el archivo de alarma: %1</translation>
    </message>
    <message>
        <source>Start file is not a file: %1</source>
        <comment>status line</comment>
        <translation>El archivo de alarma no es un archivo: %1</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <comment>status line</comment>
        <translation>No se pudo abrir %1</translation>
    </message>
    <message>
        <source>%1; no sound device for the chime either</source>
        <comment>status line</comment>
        <translation>%1; tampoco hay dispositivo de sonido para el tono</translation>
    </message>
    <message>
        <source>%1 % - Somnelle </source>
        <translation>%1&#xa0;% - Somnelle </translation>
    </message>
    <message>
        <source>The computer would suspend in 1 minute (dry run)</source>
        <translation>El equipo se suspendería en 1 minuto (simulación)</translation>
    </message>
    <message>
        <source>The computer would shut down in 1 minute (dry run)</source>
        <translation>El equipo se apagaría en 1 minuto (simulación)</translation>
    </message>
    <message>
        <source>The computer will suspend in 1 minute</source>
        <translation>El equipo se suspenderá en 1 minuto</translation>
    </message>
    <message>
        <source>The computer will shut down in 1 minute</source>
        <translation>El equipo se apagará en 1 minuto</translation>
    </message>
    <message>
        <source>The sleep timer ends at %1.</source>
        <translation>El temporizador de sueño termina a las %1.</translation>
    </message>
    <message>
        <source>the fade is over; waiting for the wake-up</source>
        <translation>el fundido ha terminado; esperando la hora de despertar</translation>
    </message>
    <message>
        <source>no fade is running</source>
        <translation>no hay ningún fundido en curso</translation>
    </message>
    <message>
        <source>minutes must be 1 to 99</source>
        <translation>los minutos deben ser de 1 a 99</translation>
    </message>
    <message>
        <source>the wake-up at %1 comes before the new end</source>
        <translation>la hora de despertar (%1) llega antes del nuevo final</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then shutdown</source>
        <translation>%1 % – termina a las %2, luego apagar</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then suspend</source>
        <translation>%1 % – termina a las %2, luego suspender</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then the alarm</source>
        <translation>%1 % – termina a las %2, luego alarma</translation>
    </message>
    <message>
        <source>The fade is over</source>
        <translation>El fundido ha terminado</translation>
    </message>
    <message>
        <source>Wake-up at %1; the computer sleeps until then</source>
        <translation>Despertar a las %1; el equipo está suspendido hasta entonces</translation>
    </message>
    <message>
        <source>Wake-up at %1</source>
        <translation>Despertar a las %1</translation>
    </message>
    <message>
        <source>The wake-up is sounding</source>
        <translation>La alarma está sonando</translation>
    </message>
    <message>
        <source>%1 (dry run)</source>
        <translation>%1 (simulación)</translation>
    </message>
    <message>
        <source>Fading until %1; nothing follows the fade</source>
        <comment>status line</comment>
        <translation>Fundido hasta las %1; después, nada</translation>
    </message>
    <message>
        <source>Awake for the wake-up at %1</source>
        <comment>status line</comment>
        <translation>Despierto para el despertar de las %1</translation>
    </message>
    <message>
        <source>Start file cannot be read: %1</source>
        <comment>status line</comment>
        <translation>No se puede leer el archivo de alarma: %1</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run)</source>
        <translation>%1 % - Somnelle (simulación)</translation>
    </message>
    <message>
        <source>%1 % - ends at %2</source>
        <translation>%1 % – termina a las %2</translation>
    </message>
    <message>
        <source>Dry run: the computer stays on</source>
        <comment>status line</comment>
        <translation>Simulación: el equipo sigue encendido</translation>
    </message>
    <message>
        <source>Invalid parameters</source>
        <comment>status line</comment>
        <translation>Parámetros no válidos</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm: Somnelle may set its wake-up timer</source>
        <translation>Este equipo puede reactivarse solo para la alarma: Somnelle puede programar su temporizador de activación</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm, through the desktop&apos;s power manager</source>
        <translation>Este equipo puede reactivarse solo para la alarma, mediante el gestor de energía del escritorio</translation>
    </message>
    <message>
        <source>This computer cannot wake itself for the alarm: it stays on until then, as without this</source>
        <translation>Este equipo no puede reactivarse solo para la alarma: sigue encendido hasta entonces, como sin esta casilla</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel or --extend</source>
        <translation>ya hay una sesión en curso: %1; use --cancel o --extend</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel</source>
        <translation>ya hay una sesión en curso: %1; use --cancel</translation>
    </message>
    <message>
        <source>Fading with the track until %1</source>
        <comment>status line</comment>
        <translation>Fundido con la pista hasta las %1</translation>
    </message>
    <message>
        <source>The track is paused, and the fade waits for it</source>
        <comment>status line</comment>
        <translation>La pista está en pausa y el fundido la espera</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run, with the track)</source>
        <translation>%1 % - Somnelle (simulación, con la pista)</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (with the track)</source>
        <translation>%1 % - Somnelle (con la pista)</translation>
    </message>
    <message>
        <source>the night ends with the track</source>
        <translation>la noche termina con la pista</translation>
    </message>
    <message>
        <source>%1 (with the track)</source>
        <translation>%1 (con la pista)</translation>
    </message>
    <message>
        <source>The music playing has no end to wait for (a stream)</source>
        <comment>status line</comment>
        <translation>La música que suena no tiene un final que esperar (una emisión)</translation>
    </message>
    <message>
        <source>Nothing is playing: start the music first</source>
        <comment>status line</comment>
        <translation>No suena nada: inicie primero la música</translation>
    </message>
    <message>
        <source>Resume &quot;%1&quot; from %2</source>
        <translation>Reanudar «%1» desde %2</translation>
    </message>
    <message>
        <source>The player</source>
        <translation>El reproductor</translation>
    </message>
    <message>
        <source>Playing &quot;%1&quot; again from %2</source>
        <comment>status line</comment>
        <translation>«%1» suena de nuevo desde %2</translation>
    </message>
    <message>
        <source>Nothing to resume</source>
        <comment>status line</comment>
        <translation>Nada que reanudar</translation>
    </message>
    <message>
        <source>%1 is gone: &quot;%2&quot; cannot be resumed</source>
        <comment>status line</comment>
        <translation>%1 ya no está: «%2» no se puede reanudar</translation>
    </message>
    <message>
        <source>%1 cannot go back to a place in &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 no puede volver a un punto de «%2»</translation>
    </message>
    <message>
        <source>%1 has moved on and cannot open &quot;%2&quot; again</source>
        <comment>status line</comment>
        <translation>%1 ha pasado a otra cosa y no puede volver a abrir «%2»</translation>
    </message>
    <message>
        <source>%1 did not resume &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 no reanudó «%2»</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>A sleep timer is running and its alarm must ring</source>
        <translation>Hay un temporizador de sueño en marcha y su alarma debe sonar</translation>
    </message>
</context>
<context>
    <name>TrayIndicator</name>
    <message>
        <source>Show Somnelle</source>
        <translation>Mostrar Somnelle</translation>
    </message>
    <message>
        <source>Add 15 minutes</source>
        <translation>Añadir 15 minutos</translation>
    </message>
    <message>
        <source>Cancel the timer</source>
        <translation>Cancelar el temporizador</translation>
    </message>
    <message>
        <source>Silence the alarm</source>
        <translation>Silenciar la alarma</translation>
    </message>
</context>
<context>
    <name>VolumeReadout</name>
    <message>
        <source>Volume: %1 %</source>
        <translation>Vol.: %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>WindowOpening</name>
    <message>
        <source>somnelle: no window can be opened here: %1
</source>
        <translation>somnelle: aquí no se puede abrir ninguna ventana: %1
</translation>
    </message>
</context>
</TS>
