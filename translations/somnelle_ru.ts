<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
        <translation>Использование: somnelle [registry | MINUTES ACTION [TIME DAY VOLUME FILE]]

Убавляет общую громкость до 0 % за MINUTES минут, затем делает то, что
задано в ACTION. С аргументами поля заполняются и сеанс начинается сразу.

  registry   начать с настройками, сохранёнными прошлым сеансом
  MINUTES    от 1 до 99
  ACTION     sd: выключение; sm: режим сна; am: будильник, с параметрами:
  TIME       время пробуждения, например 07:30 или 7:30 PM
  DAY        tm: завтра (после ближайшей полуночи); td: сегодня
  VOLUME     громкость при пробуждении в процентах, от 1 до 99
  FILE       файл, открываемый при пробуждении, например europe.mid;
             относительное имя ищется в текущей папке, затем в
             %1

Примеры:
  somnelle 30 sd
  somnelle 45 am 07:30 tm 40 europe.mid

  --dry-run [MINUTES ACTION ...]   то же, но в конце только сообщить, что
             компьютер выключился бы или перешёл бы в режим сна;
             само по себе открывает окно, где каждый запуск пробный
  --sleep-until-alarm MINUTES am ...   с будильником: после затухания
             перевести компьютер в режим сна, чтобы он проснулся за минуту до
             пробуждения, если это возможно (это видно по подсказке флажка
             «Спать до пробуждения»)
  --end-with-track ACTION ...   ночь длится столько, сколько играющий сейчас
             трек (без минут): затухание кончается вместе с ним, а
             проигрыватель ставится на паузу перед следующим; --status тогда
             говорит &quot;ends with the track at&quot;
  --decibel-fade MINUTES ACTION ...   затухание, равномерное на слух, в
             децибелах, а не равными шагами громкости
  --resume   слушать дальше с того места, где вы уснули: трек, который играл
             проигрыватель в середине последнего затухания (в течение суток)

Работающему Somnelle (он один на сеанс рабочего стола; повторный запуск
передаёт ему свои аргументы и отклоняется, пока там идёт сеанс):
  --extend MINUTES   добавить к затуханию от 1 до 99 минут; отклоняется,
             если новое окончание оказалось бы позже пробуждения
  --cancel   отменить сеанс, как кнопка «Отмена», или заглушить сигнал
             пробуждения
  --status   вывести одну строку, одну из:
               idle
               fading 37 %, ends at 23:47, then shutdown
                 (или then suspend, then the alarm; &quot; (dry run)&quot; после
                 пробного запуска)
               ending   (затухание окончено, компьютер вот-вот отключится)
               waiting for the wake-up at 07:30
                 (с &quot;; the computer sleeps until then&quot; в конце, пока
                 установлено пробуждение компьютера)
               wake-up sounding   (звучит сигнал)
               not running   (код выхода 3)
             время более чем через сутки указано с днём: 17:49 on Thu 10 Dec
Слова командной строки и ответы --status на всех языках остаются
английскими: их пишут и читают сценарии.
Код выхода: 0 выполнено, 1 отклонено или работающий Somnelle не отвечает,
2 неверный вызов (неизвестный параметр, неверные параметры),
3 Somnelle не запущен.

  --help, -h   показать эту справку
  --version  показать версию
</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>+15 minutes</source>
        <translation>+15 минут</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>Failed to set data for &apos;Timer&apos;</source>
        <translation>Не удалось записать данные «Timer»</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>Somnelle (pid %1) runs but does not answer</source>
        <translation>Somnelle (pid %1) запущен, но не отвечает</translation>
    </message>
    <message>
        <source>%1; nothing was started</source>
        <translation>%1; ничего не запущено</translation>
    </message>
    <message>
        <source>somnelle: no display to open a window on, and no Somnelle runs to hand the command line to</source>
        <translation>somnelle: нет дисплея, чтобы открыть окно, и нет запущенного Somnelle, которому можно передать командную строку</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>usage: somnelle --extend MINUTES (1 to 99)</source>
        <translation>использование: somnelle --extend MINUTES (от 1 до 99)</translation>
    </message>
    <message>
        <source>somnelle: %1 takes no other arguments</source>
        <translation>somnelle: %1 не принимает других аргументов</translation>
    </message>
    <message>
        <source>somnelle: unknown option %1; see somnelle --help</source>
        <translation>somnelle: неизвестный параметр %1; см. somnelle --help</translation>
    </message>
    <message>
        <source>somnelle: --sleep-until-alarm goes with an alarm, such as --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</source>
        <translation>somnelle: --sleep-until-alarm указывается с будильником, например --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</translation>
    </message>
    <message>
        <source>somnelle: --end-with-track goes with an action and no minutes, such as --end-with-track sd</source>
        <translation>somnelle: --end-with-track указывается с действием и без минут, например --end-with-track sd</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Somnelle v%1 (c) 2026 The Somnelle developers, free software</source>
        <translation>Somnelle v%1 (c) 2026 Разработчики Somnelle, свободная программа</translation>
    </message>
    <message>
        <source>Open file to start</source>
        <translation>Выберите файл для запуска</translation>
    </message>
    <message>
        <source>Suspend the computer after the fade and let it wake itself for the alarm</source>
        <translation>После затухания перевести компьютер в режим сна и дать ему самому проснуться к будильнику</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Mixer initialization error</source>
        <translation>Ошибка инициализации микшера</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
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
        <translation>Старт</translation>
    </message>
    <message>
        <source>Contact author</source>
        <translation>Написать автору</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Wake up at:</source>
        <translation>Пробуждение:</translation>
    </message>
    <message>
        <source>Start file:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>Set volume:</source>
        <translation>Громкость:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Wake up at</source>
        <translation>Пробуждение, время</translation>
    </message>
    <message>
        <source>Start file</source>
        <translation>Файл для запуска</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Завтра</translation>
    </message>
    <message>
        <source>Sleep until then</source>
        <translation>Спать до пробуждения</translation>
    </message>
    <message>
        <source>Set volume, percent</source>
        <translation>Громкость при пробуждении, в процентах</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Turn down volume up to 0%</source>
        <translation>Убавлять громкость до 0 %</translation>
    </message>
    <message>
        <source>for: </source>
        <translation>за</translation>
    </message>
    <message>
        <source>Turn down volume up to 0% for minutes</source>
        <translation>Убавлять громкость до 0 %, за сколько минут</translation>
    </message>
    <message>
        <source>min</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>Then:</source>
        <translation>Затем:</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Выкл. ПК</translation>
    </message>
    <message>
        <source>Suspend mode</source>
        <translation>Режим сна</translation>
    </message>
    <message>
        <source>Alarm mode</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>with the track</source>
        <translation>до конца трека</translation>
    </message>
    <message>
        <source>As long as the track playing now: the fade ends with it</source>
        <translation>Столько, сколько длится играющий трек: затухание кончается вместе с ним</translation>
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
        <translation>Затухание до %1</translation>
    </message>
    <message>
        <source>Set timer</source>
        <comment>status line</comment>
        <translation>Укажите минуты</translation>
    </message>
    <message>
        <source>Set volume</source>
        <comment>status line</comment>
        <translation>Укажите громкость</translation>
    </message>
    <message>
        <source>Soon to get up...</source>
        <comment>status line</comment>
        <translation>Скоро вставать...</translation>
    </message>
    <message>
        <source>Dry run: the computer would sleep until %1</source>
        <comment>status line</comment>
        <translation>Пробный запуск: компьютер спал бы до %1</translation>
    </message>
    <message>
        <source>The computer sleeps until %1</source>
        <comment>status line</comment>
        <translation>Компьютер спит до %1</translation>
    </message>
    <message>
        <source>Dry run: the computer cannot wake itself; would stay on until %1</source>
        <comment>status line</comment>
        <translation>Пробный запуск: не проснётся сам; был бы включён до %1</translation>
    </message>
    <message>
        <source>This computer cannot wake itself; it stays on until %1</source>
        <comment>status line</comment>
        <translation>Компьютер не проснётся сам; он включён до %1</translation>
    </message>
    <message>
        <source>Dry run: the wake-up is too close; it would stay on until %1</source>
        <comment>status line</comment>
        <translation>Пробный запуск: пробуждение скоро; был бы включён до %1</translation>
    </message>
    <message>
        <source>The wake-up is too close to sleep; the computer stays on until %1</source>
        <comment>status line</comment>
        <translation>Пробуждение слишком скоро; компьютер включён до %1</translation>
    </message>
    <message>
        <source>Dry run: the computer would shut down now</source>
        <comment>status line</comment>
        <translation>Пробный запуск: сейчас компьютер выключился бы</translation>
    </message>
    <message>
        <source>Dry run: the computer would suspend now</source>
        <comment>status line</comment>
        <translation>Пробный запуск: сейчас компьютер перешёл бы в режим сна</translation>
    </message>
    <message>
        <source>Power-off refused: %1</source>
        <comment>status line</comment>
        <translation>Выключение отклонено: %1</translation>
    </message>
    <message>
        <source>Suspend refused: %1</source>
        <comment>status line</comment>
        <translation>Режим сна отклонён: %1</translation>
    </message>
    <message>
        <source>Start file not found: %1</source>
        <comment>status line</comment>
        <translation>Файл для запуска не найден: %1</translation>
    </message>
    <message>
        <source>Start file is not a file: %1</source>
        <comment>status line</comment>
        <translation>Файл для пробуждения — не файл: %1</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <comment>status line</comment>
        <translation>Не удалось открыть %1</translation>
    </message>
    <message>
        <source>%1; no sound device for the chime either</source>
        <comment>status line</comment>
        <translation>%1; нет и звукового устройства для сигнала</translation>
    </message>
    <message>
        <source>%1 % - Somnelle </source>
        <translation>%1 % - Somnelle </translation>
    </message>
    <message>
        <source>The computer would suspend in 1 minute (dry run)</source>
        <translation>Компьютер перешёл бы в режим сна через 1 минуту (пробный запуск)</translation>
    </message>
    <message>
        <source>The computer would shut down in 1 minute (dry run)</source>
        <translation>Компьютер выключился бы через 1 минуту (пробный запуск)</translation>
    </message>
    <message>
        <source>The computer will suspend in 1 minute</source>
        <translation>Компьютер перейдёт в режим сна через 1 минуту</translation>
    </message>
    <message>
        <source>The computer will shut down in 1 minute</source>
        <translation>Компьютер выключится через 1 минуту</translation>
    </message>
    <message>
        <source>The sleep timer ends at %1.</source>
        <translation>Таймер сна закончится в %1.</translation>
    </message>
    <message>
        <source>the fade is over; waiting for the wake-up</source>
        <translation>затухание окончено; ожидание пробуждения</translation>
    </message>
    <message>
        <source>no fade is running</source>
        <translation>затухание не идёт</translation>
    </message>
    <message>
        <source>minutes must be 1 to 99</source>
        <translation>число минут должно быть от 1 до 99</translation>
    </message>
    <message>
        <source>the wake-up at %1 comes before the new end</source>
        <translation>пробуждение в %1 наступит раньше нового окончания</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then shutdown</source>
        <translation>%1 % – конец в %2, затем выключение</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then suspend</source>
        <translation>%1 % – конец в %2, затем сон</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then the alarm</source>
        <translation>%1 % – конец в %2, затем будильник</translation>
    </message>
    <message>
        <source>The fade is over</source>
        <translation>Затухание окончено</translation>
    </message>
    <message>
        <source>Wake-up at %1; the computer sleeps until then</source>
        <translation>Пробуждение в %1; до тех пор компьютер спит</translation>
    </message>
    <message>
        <source>Wake-up at %1</source>
        <translation>Пробуждение в %1</translation>
    </message>
    <message>
        <source>The wake-up is sounding</source>
        <translation>Звучит будильник</translation>
    </message>
    <message>
        <source>%1 (dry run)</source>
        <translation>%1 (пробный запуск)</translation>
    </message>
    <message>
        <source>Fading until %1; nothing follows the fade</source>
        <comment>status line</comment>
        <translation>Затухание до %1; после него ничего</translation>
    </message>
    <message>
        <source>Awake for the wake-up at %1</source>
        <comment>status line</comment>
        <translation>Компьютер не спит до пробуждения в %1</translation>
    </message>
    <message>
        <source>Start file cannot be read: %1</source>
        <comment>status line</comment>
        <translation>Файл для запуска нельзя прочитать: %1</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run)</source>
        <translation>%1 % - Somnelle (пробный запуск)</translation>
    </message>
    <message>
        <source>%1 % - ends at %2</source>
        <translation>%1 % – конец в %2</translation>
    </message>
    <message>
        <source>Dry run: the computer stays on</source>
        <comment>status line</comment>
        <translation>Пробный запуск: компьютер остаётся включённым</translation>
    </message>
    <message>
        <source>Invalid parameters</source>
        <comment>status line</comment>
        <translation>Неверные параметры</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm: Somnelle may set its wake-up timer</source>
        <translation>Этот компьютер может сам проснуться к будильнику: Somnelle заведёт его таймер пробуждения</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm, through the desktop&apos;s power manager</source>
        <translation>Этот компьютер может сам проснуться к будильнику через управление питанием рабочего стола</translation>
    </message>
    <message>
        <source>This computer cannot wake itself for the alarm: it stays on until then, as without this</source>
        <translation>Этот компьютер не может сам проснуться к будильнику: он останется включённым до будильника, как и без этого флажка</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel or --extend</source>
        <translation>сеанс уже идёт: %1; используйте --cancel или --extend</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel</source>
        <translation>сеанс уже идёт: %1; используйте --cancel</translation>
    </message>
    <message>
        <source>Fading with the track until %1</source>
        <comment>status line</comment>
        <translation>Затухание вместе с треком до %1</translation>
    </message>
    <message>
        <source>The track is paused, and the fade waits for it</source>
        <comment>status line</comment>
        <translation>Трек на паузе, затухание ждёт его</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run, with the track)</source>
        <translation>%1 % - Somnelle (пробный запуск, до конца трека)</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (with the track)</source>
        <translation>%1 % - Somnelle (до конца трека)</translation>
    </message>
    <message>
        <source>the night ends with the track</source>
        <translation>ночь закончится вместе с треком</translation>
    </message>
    <message>
        <source>%1 (with the track)</source>
        <translation>%1 (до конца трека)</translation>
    </message>
    <message>
        <source>The music playing has no end to wait for (a stream)</source>
        <comment>status line</comment>
        <translation>У играющей музыки нет конца, которого можно ждать (поток)</translation>
    </message>
    <message>
        <source>Nothing is playing: start the music first</source>
        <comment>status line</comment>
        <translation>Ничего не играет: сначала включите музыку</translation>
    </message>
    <message>
        <source>Resume &quot;%1&quot; from %2</source>
        <translation>Продолжить «%1» с %2</translation>
    </message>
    <message>
        <source>The player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <source>Playing &quot;%1&quot; again from %2</source>
        <comment>status line</comment>
        <translation>«%1» снова играет с %2</translation>
    </message>
    <message>
        <source>Nothing to resume</source>
        <comment>status line</comment>
        <translation>Нечего продолжать</translation>
    </message>
    <message>
        <source>%1 is gone: &quot;%2&quot; cannot be resumed</source>
        <comment>status line</comment>
        <translation>%1 закрыт: «%2» нельзя продолжить</translation>
    </message>
    <message>
        <source>%1 cannot go back to a place in &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 не может вернуться к месту в «%2»</translation>
    </message>
    <message>
        <source>%1 has moved on and cannot open &quot;%2&quot; again</source>
        <comment>status line</comment>
        <translation>%1 уже играет другое и не может снова открыть «%2»</translation>
    </message>
    <message>
        <source>%1 did not resume &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 не продолжил «%2»</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>A sleep timer is running and its alarm must ring</source>
        <translation>Работает таймер сна, и его будильник должен прозвенеть</translation>
    </message>
</context>
<context>
    <name>TrayIndicator</name>
    <message>
        <source>Show Somnelle</source>
        <translation>Показать Somnelle</translation>
    </message>
    <message>
        <source>Add 15 minutes</source>
        <translation>Добавить 15 минут</translation>
    </message>
    <message>
        <source>Cancel the timer</source>
        <translation>Отменить таймер</translation>
    </message>
    <message>
        <source>Silence the alarm</source>
        <translation>Выключить будильник</translation>
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
        <translation>somnelle: здесь нельзя открыть окно: %1
</translation>
    </message>
</context>
</TS>
