<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
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
        <translation>Використання: somnelle [registry | MINUTES ACTION [TIME DAY VOLUME FILE]]

Стишує загальну гучність до 0 % за MINUTES хвилин, потім робить те, що
задано в ACTION. З аргументами поля заповнюються і сеанс починається одразу.

  registry   почати з налаштуваннями, збереженими минулим сеансом
  MINUTES    від 1 до 99
  ACTION     sd: вимкнення; sm: призупинення; am: будильник, з параметрами:
  TIME       час пробудження, наприклад 07:30 або 7:30 PM
  DAY        tm: завтра (після найближчої півночі); td: сьогодні
  VOLUME     гучність під час пробудження у відсотках, від 1 до 99
  FILE       файл, що відкривається під час пробудження, наприклад
             europe.mid; відносну назву шукають у поточній теці, потім у
             %1

Приклади:
  somnelle 30 sd
  somnelle 45 am 07:30 tm 40 europe.mid

  --dry-run [MINUTES ACTION ...]   те саме, але наприкінці лише повідомити,
             що комп&apos;ютер вимкнувся б або призупинився б;
             окремо відкриває вікно, де кожен запуск пробний
  --sleep-until-alarm MINUTES am ...   з будильником: після згасання
             призупинити комп&apos;ютер і дати йому прокинутися за хвилину до
             пробудження, де це можливо (це показує підказка прапорця
             «Призупинити до пробудження»)
  --end-with-track ACTION ...   ніч триває стільки, скільки трек, що грає
             зараз (без хвилин): згасання закінчується разом із ним, а
             програвач ставиться на паузу перед наступним; --status тоді
             каже &quot;ends with the track at&quot;
  --decibel-fade MINUTES ACTION ...   згасання, рівномірне на слух, у
             децибелах, а не рівними кроками гучності
  --resume   слухати далі з місця, де ви заснули: трек, який грав програвач
             посередині останнього згасання (протягом доби)

Для запущеного Somnelle (він один на сеанс стільниці; повторний запуск
передає йому свої аргументи і відхиляється, поки там триває сеанс):
  --extend MINUTES   додати до згасання від 1 до 99 хвилин; відхиляється,
             якщо нове завершення настало б пізніше за пробудження
  --cancel   скасувати сеанс, як кнопка «Стоп», або вимкнути сигнал
             пробудження
  --status   вивести один рядок, один із:
               idle
               fading 37 %, ends at 23:47, then shutdown
                 (або then suspend, then the alarm; &quot; (dry run)&quot; після
                 пробного запуску)
               ending   (згасання завершено, комп&apos;ютер ось-ось вимкнеться)
               waiting for the wake-up at 07:30
                 (з &quot;; the computer sleeps until then&quot; наприкінці, поки
                 встановлено пробудження комп&apos;ютера)
               wake-up sounding   (лунає сигнал)
               not running   (код виходу 3)
             час, до якого більше доби, вказано з днем: 17:49 on Thu 10 Dec
Слова командного рядка і відповіді --status в усіх мовах залишаються
англійськими: їх пишуть і читають скрипти.
Код виходу: 0 виконано, 1 відхилено або запущений Somnelle не відповідає,
2 помилка виклику (невідомий параметр, неправильні параметри),
3 Somnelle не запущено.

  --help, -h   показати цю довідку
  --version  показати версію
</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>+15 minutes</source>
        <translation>+15 хвилин</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>Failed to set data for &apos;Timer&apos;</source>
        <translation>Не вдалося записати дані «Timer»</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>Somnelle (pid %1) runs but does not answer</source>
        <translation>Somnelle (pid %1) запущено, але він не відповідає</translation>
    </message>
    <message>
        <source>%1; nothing was started</source>
        <translation>%1; нічого не запущено</translation>
    </message>
    <message>
        <source>somnelle: no display to open a window on, and no Somnelle runs to hand the command line to</source>
        <translation>somnelle: немає дисплея, щоб відкрити вікно, і немає запущеного Somnelle, якому можна передати командний рядок</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>usage: somnelle --extend MINUTES (1 to 99)</source>
        <translation>використання: somnelle --extend MINUTES (від 1 до 99)</translation>
    </message>
    <message>
        <source>somnelle: %1 takes no other arguments</source>
        <translation>somnelle: %1 не приймає інших аргументів</translation>
    </message>
    <message>
        <source>somnelle: unknown option %1; see somnelle --help</source>
        <translation>somnelle: невідомий параметр %1; див. somnelle --help</translation>
    </message>
    <message>
        <source>somnelle: --sleep-until-alarm goes with an alarm, such as --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</source>
        <translation>somnelle: --sleep-until-alarm вказують разом із будильником, наприклад --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</translation>
    </message>
    <message>
        <source>somnelle: --end-with-track goes with an action and no minutes, such as --end-with-track sd</source>
        <translation>somnelle: --end-with-track вказується з дією і без хвилин, наприклад --end-with-track sd</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Somnelle v%1 (c) 2026 The Somnelle developers, free software</source>
        <translation>Somnelle v%1 (c) 2026 Розробники Somnelle, вільна програма</translation>
    </message>
    <message>
        <source>Open file to start</source>
        <translation>Виберіть файл для запуску</translation>
    </message>
    <message>
        <source>Suspend the computer after the fade and let it wake itself for the alarm</source>
        <translation>Після згасання призупинити комп&apos;ютер і дати йому самому прокинутися до будильника</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Mixer initialization error</source>
        <translation>Помилка ініціалізації мікшера</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>Звук: </translation>
    </message>
</context>
<context>
    <name>MainWindowForm</name>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Contact author</source>
        <translation>Написати авторові</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Wake up at:</source>
        <translation>Пробудження:</translation>
    </message>
    <message>
        <source>Start file:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>Set volume:</source>
        <translation>Гучність:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Огляд</translation>
    </message>
    <message>
        <source>Wake up at</source>
        <translation>Пробудження, час</translation>
    </message>
    <message>
        <source>Start file</source>
        <translation>Файл для запуску</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Завтра</translation>
    </message>
    <message>
        <source>Sleep until then</source>
        <translation>Призупинити до пробудження</translation>
    </message>
    <message>
        <source>Set volume, percent</source>
        <translation>Гучність під час пробудження, у відсотках</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Гучність</translation>
    </message>
    <message>
        <source>Turn down volume up to 0%</source>
        <translation>Стишувати гучність до 0 %</translation>
    </message>
    <message>
        <source>for: </source>
        <translation>за</translation>
    </message>
    <message>
        <source>Turn down volume up to 0% for minutes</source>
        <translation>Стишувати гучність до 0 %, за скільки хвилин</translation>
    </message>
    <message>
        <source>min</source>
        <translation>хв</translation>
    </message>
    <message>
        <source>Then:</source>
        <translation>Потім:</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Suspend mode</source>
        <translation>Призупинити</translation>
    </message>
    <message>
        <source>Alarm mode</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>with the track</source>
        <translation>до кінця треку</translation>
    </message>
    <message>
        <source>As long as the track playing now: the fade ends with it</source>
        <translation>Стільки, скільки триває трек, що грає: згасання закінчується разом із ним</translation>
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
        <translation>Згасання до %1</translation>
    </message>
    <message>
        <source>Set timer</source>
        <comment>status line</comment>
        <translation>Вкажіть хвилини</translation>
    </message>
    <message>
        <source>Set volume</source>
        <comment>status line</comment>
        <translation>Вкажіть гучність</translation>
    </message>
    <message>
        <source>Soon to get up...</source>
        <comment>status line</comment>
        <translation>Скоро вставати...</translation>
    </message>
    <message>
        <source>Dry run: the computer would sleep until %1</source>
        <comment>status line</comment>
        <translation>Пробний запуск: призупинення до %1</translation>
    </message>
    <message>
        <source>The computer sleeps until %1</source>
        <comment>status line</comment>
        <translation>Комп&apos;ютер призупинено до %1</translation>
    </message>
    <message>
        <source>Dry run: the computer cannot wake itself; would stay on until %1</source>
        <comment>status line</comment>
        <translation>Пробний запуск: не прокинеться сам; працював би до %1</translation>
    </message>
    <message>
        <source>This computer cannot wake itself; it stays on until %1</source>
        <comment>status line</comment>
        <translation>Комп&apos;ютер не прокинеться сам; працює до %1</translation>
    </message>
    <message>
        <source>Dry run: the wake-up is too close; it would stay on until %1</source>
        <comment>status line</comment>
        <translation>Пробний запуск: пробудження скоро; працював би до %1</translation>
    </message>
    <message>
        <source>The wake-up is too close to sleep; the computer stays on until %1</source>
        <comment>status line</comment>
        <translation>Пробудження надто скоро; комп&apos;ютер працює до %1</translation>
    </message>
    <message>
        <source>Dry run: the computer would shut down now</source>
        <comment>status line</comment>
        <translation>Пробний запуск: зараз комп&apos;ютер вимкнувся б</translation>
    </message>
    <message>
        <source>Dry run: the computer would suspend now</source>
        <comment>status line</comment>
        <translation>Пробний запуск: зараз комп&apos;ютер призупинився б</translation>
    </message>
    <message>
        <source>Power-off refused: %1</source>
        <comment>status line</comment>
        <translation>Вимкнення відхилено: %1</translation>
    </message>
    <message>
        <source>Suspend refused: %1</source>
        <comment>status line</comment>
        <translation>Призупинення відхилено: %1</translation>
    </message>
    <message>
        <source>Start file not found: %1</source>
        <comment>status line</comment>
        <translation>Файл для запуску не знайдено: %1</translation>
    </message>
    <message>
        <source>Start file is not a file: %1</source>
        <comment>status line</comment>
        <translation>Файл для пробудження — не файл: %1</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <comment>status line</comment>
        <translation>Не вдалося відкрити %1</translation>
    </message>
    <message>
        <source>%1; no sound device for the chime either</source>
        <comment>status line</comment>
        <translation>%1; немає й звукового пристрою для сигналу</translation>
    </message>
    <message>
        <source>%1 % - Somnelle </source>
        <translation>%1 % - Somnelle </translation>
    </message>
    <message>
        <source>The computer would suspend in 1 minute (dry run)</source>
        <translation>Комп&apos;ютер призупинився б за 1 хвилину (пробний запуск)</translation>
    </message>
    <message>
        <source>The computer would shut down in 1 minute (dry run)</source>
        <translation>Комп&apos;ютер вимкнувся б за 1 хвилину (пробний запуск)</translation>
    </message>
    <message>
        <source>The computer will suspend in 1 minute</source>
        <translation>Комп&apos;ютер буде призупинено за 1 хвилину</translation>
    </message>
    <message>
        <source>The computer will shut down in 1 minute</source>
        <translation>Комп&apos;ютер вимкнеться за 1 хвилину</translation>
    </message>
    <message>
        <source>The sleep timer ends at %1.</source>
        <translation>Таймер сну завершиться о %1.</translation>
    </message>
    <message>
        <source>the fade is over; waiting for the wake-up</source>
        <translation>згасання завершено; очікування пробудження</translation>
    </message>
    <message>
        <source>no fade is running</source>
        <translation>згасання не триває</translation>
    </message>
    <message>
        <source>minutes must be 1 to 99</source>
        <translation>кількість хвилин має бути від 1 до 99</translation>
    </message>
    <message>
        <source>the wake-up at %1 comes before the new end</source>
        <translation>пробудження о %1 настане раніше за нове завершення</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then shutdown</source>
        <translation>%1 % – кінець о %2, потім вимкнення</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then suspend</source>
        <translation>%1 % – кінець о %2, потім призупинення</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then the alarm</source>
        <translation>%1 % – кінець о %2, потім будильник</translation>
    </message>
    <message>
        <source>The fade is over</source>
        <translation>Згасання завершено</translation>
    </message>
    <message>
        <source>Wake-up at %1; the computer sleeps until then</source>
        <translation>Пробудження о %1; до того комп’ютер призупинено</translation>
    </message>
    <message>
        <source>Wake-up at %1</source>
        <translation>Пробудження о %1</translation>
    </message>
    <message>
        <source>The wake-up is sounding</source>
        <translation>Лунає будильник</translation>
    </message>
    <message>
        <source>%1 (dry run)</source>
        <translation>%1 (пробний запуск)</translation>
    </message>
    <message>
        <source>Fading until %1; nothing follows the fade</source>
        <comment>status line</comment>
        <translation>Згасання до %1; після нього нічого</translation>
    </message>
    <message>
        <source>Awake for the wake-up at %1</source>
        <comment>status line</comment>
        <translation>Комп’ютер не спить до пробудження о %1</translation>
    </message>
    <message>
        <source>Start file cannot be read: %1</source>
        <comment>status line</comment>
        <translation>Файл для запуску не вдається прочитати: %1</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run)</source>
        <translation>%1 % - Somnelle (пробний запуск)</translation>
    </message>
    <message>
        <source>%1 % - ends at %2</source>
        <translation>%1 % – кінець о %2</translation>
    </message>
    <message>
        <source>Dry run: the computer stays on</source>
        <comment>status line</comment>
        <translation>Пробний запуск: комп&apos;ютер лишається увімкненим</translation>
    </message>
    <message>
        <source>Invalid parameters</source>
        <comment>status line</comment>
        <translation>Неправильні параметри</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm: Somnelle may set its wake-up timer</source>
        <translation>Цей комп&apos;ютер може сам прокинутися до будильника: Somnelle встановить його таймер пробудження</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm, through the desktop&apos;s power manager</source>
        <translation>Цей комп&apos;ютер може сам прокинутися до будильника через керування живленням стільниці</translation>
    </message>
    <message>
        <source>This computer cannot wake itself for the alarm: it stays on until then, as without this</source>
        <translation>Цей комп&apos;ютер не може сам прокинутися до будильника: він залишиться увімкненим до будильника, як і без цього прапорця</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel or --extend</source>
        <translation>сеанс уже триває: %1; скористайтеся --cancel або --extend</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel</source>
        <translation>сеанс уже триває: %1; скористайтеся --cancel</translation>
    </message>
    <message>
        <source>Fading with the track until %1</source>
        <comment>status line</comment>
        <translation>Згасання разом із треком до %1</translation>
    </message>
    <message>
        <source>The track is paused, and the fade waits for it</source>
        <comment>status line</comment>
        <translation>Трек на паузі, згасання чекає на нього</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run, with the track)</source>
        <translation>%1 % - Somnelle (пробний запуск, до кінця треку)</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (with the track)</source>
        <translation>%1 % - Somnelle (до кінця треку)</translation>
    </message>
    <message>
        <source>the night ends with the track</source>
        <translation>ніч закінчиться разом із треком</translation>
    </message>
    <message>
        <source>%1 (with the track)</source>
        <translation>%1 (до кінця треку)</translation>
    </message>
    <message>
        <source>The music playing has no end to wait for (a stream)</source>
        <comment>status line</comment>
        <translation>Музика, що грає, не має кінця, на який можна чекати (потік)</translation>
    </message>
    <message>
        <source>Nothing is playing: start the music first</source>
        <comment>status line</comment>
        <translation>Нічого не грає: спершу увімкніть музику</translation>
    </message>
    <message>
        <source>Resume &quot;%1&quot; from %2</source>
        <translation>Продовжити «%1» з %2</translation>
    </message>
    <message>
        <source>The player</source>
        <translation>Програвач</translation>
    </message>
    <message>
        <source>Playing &quot;%1&quot; again from %2</source>
        <comment>status line</comment>
        <translation>«%1» знову грає з %2</translation>
    </message>
    <message>
        <source>Nothing to resume</source>
        <comment>status line</comment>
        <translation>Нічого продовжувати</translation>
    </message>
    <message>
        <source>%1 is gone: &quot;%2&quot; cannot be resumed</source>
        <comment>status line</comment>
        <translation>%1 закрито: «%2» не можна продовжити</translation>
    </message>
    <message>
        <source>%1 cannot go back to a place in &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 не може повернутися до місця в «%2»</translation>
    </message>
    <message>
        <source>%1 has moved on and cannot open &quot;%2&quot; again</source>
        <comment>status line</comment>
        <translation>%1 уже грає інше і не може знову відкрити «%2»</translation>
    </message>
    <message>
        <source>%1 did not resume &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 не продовжив «%2»</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>A sleep timer is running and its alarm must ring</source>
        <translation>Працює таймер сну, і його будильник має задзвонити</translation>
    </message>
</context>
<context>
    <name>TrayIndicator</name>
    <message>
        <source>Show Somnelle</source>
        <translation>Показати Somnelle</translation>
    </message>
    <message>
        <source>Add 15 minutes</source>
        <translation>Додати 15 хвилин</translation>
    </message>
    <message>
        <source>Cancel the timer</source>
        <translation>Скасувати таймер</translation>
    </message>
    <message>
        <source>Silence the alarm</source>
        <translation>Вимкнути будильник</translation>
    </message>
</context>
<context>
    <name>VolumeReadout</name>
    <message>
        <source>Volume: %1 %</source>
        <translation>Звук: %1 %</translation>
    </message>
</context>
<context>
    <name>WindowOpening</name>
    <message>
        <source>somnelle: no window can be opened here: %1
</source>
        <translation>somnelle: тут неможливо відкрити вікно: %1
</translation>
    </message>
</context>
</TS>
