<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>用法：somnelle [registry | MINUTES ACTION [TIME DAY VOLUME FILE]]

在 MINUTES 分钟内把主音量逐渐降到 0%，然后按 ACTION 结束。
带参数启动时，会先填好各个字段，然后立即开始。

  registry   使用上次会话保存的设置开始
  MINUTES    1 到 99
  ACTION     sd: 关机；sm: 挂起；am: 闹钟，还需要后面的参数：
  TIME       唤醒时间，例如 07:30 或 7:30 PM
  DAY        tm: 明天（下一个午夜之后）；td: 今天
  VOLUME     唤醒音量，百分比，1 到 99
  FILE       唤醒时打开的文件（铃声），例如 europe.mid；相对文件名
             先在当前文件夹中查找，再到以下文件夹中查找：
             %1

示例：
  somnelle 30 sd
  somnelle 45 am 07:30 tm 40 europe.mid

  --dry-run [MINUTES ACTION ...]   同上，但结束时只提示计算机本应
             关机或挂起；
             单独使用时，打开的窗口中每次开始都是试运行
  --sleep-until-alarm MINUTES am ...   用于闹钟：渐弱结束后挂起计算机，
             并在能做到时让它在唤醒前一分钟自动唤醒
             （复选框“挂起直到唤醒”会显示能否做到）
  --end-with-track ACTION ...   夜间计时与正在播放的曲目一样长（不写分钟）：
             渐弱随曲目结束，并在下一首开始前暂停播放器；此时 --status
             显示 &quot;ends with the track at&quot;
  --decibel-fade MINUTES ACTION ...   按分贝均匀渐弱，听感更均匀，
             而不是按音量等步长渐弱
  --resume   从您入睡的地方继续播放：上次渐弱进行到一半时播放器正在
             播放的曲目，从该位置开始（一天内有效）

发给正在运行的 Somnelle（每个桌面会话一个；再次启动会把参数转交给它，
但它已有会话在运行时会被拒绝）：
  --extend MINUTES   为渐弱增加 1 到 99 分钟；新的结束时间晚于
             唤醒时间时会被拒绝
  --cancel   取消会话，与“取消”按钮相同；或停止唤醒提示音
  --status   输出一行，为以下之一：
               idle
               fading 37 %, ends at 23:47, then shutdown
                 （或 then suspend、then the alarm；
                 试运行时末尾加上 &quot; (dry run)&quot;）
               ending   （渐弱已结束，计算机即将关机或挂起）
               waiting for the wake-up at 07:30
                 （设定了计算机唤醒时，末尾加上
                 &quot;; the computer sleeps until then&quot;）
               wake-up sounding   （提示音正在响）
               not running   （退出状态 3）
             一天以后的时间会带上日期：17:49 on Thu 10 Dec
命令行中的词语和 --status 的回答在所有语言中都保持英文：
脚本会写入和读取它们。
退出状态：0 完成；1 被拒绝，或正在运行的 Somnelle 没有响应；
2 用法错误（未知选项或参数无效）；3 没有正在运行的 Somnelle。

  --help, -h   显示此帮助
  --version  显示版本
</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>+15 minutes</source>
        <translation>+15 分钟</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>Failed to set data for &apos;Timer&apos;</source>
        <translation>无法写入“Timer”的数据</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>Somnelle (pid %1) runs but does not answer</source>
        <translation>Somnelle（pid %1）正在运行，但没有响应</translation>
    </message>
    <message>
        <source>%1; nothing was started</source>
        <translation>%1；未启动任何内容</translation>
    </message>
    <message>
        <source>somnelle: no display to open a window on, and no Somnelle runs to hand the command line to</source>
        <translation>somnelle：没有可打开窗口的显示器，也没有正在运行的 Somnelle 可接收命令行</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>usage: somnelle --extend MINUTES (1 to 99)</source>
        <translation>用法：somnelle --extend MINUTES（1 到 99）</translation>
    </message>
    <message>
        <source>somnelle: %1 takes no other arguments</source>
        <translation>somnelle: %1 不接受其他参数</translation>
    </message>
    <message>
        <source>somnelle: unknown option %1; see somnelle --help</source>
        <translation>somnelle: 未知选项 %1；请参阅 somnelle --help</translation>
    </message>
    <message>
        <source>somnelle: --sleep-until-alarm goes with an alarm, such as --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</source>
        <translation>somnelle: --sleep-until-alarm 需与闹钟一起使用，例如 --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</translation>
    </message>
    <message>
        <source>somnelle: --end-with-track goes with an action and no minutes, such as --end-with-track sd</source>
        <translation>somnelle：--end-with-track 需与操作一起使用且不带分钟，例如 --end-with-track sd</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Somnelle v%1 (c) 2026 The Somnelle developers, free software</source>
        <translation>Somnelle v%1 (c) 2026 Somnelle 开发者，自由软件</translation>
    </message>
    <message>
        <source>Open file to start</source>
        <translation>选择铃声文件</translation>
    </message>
    <message>
        <source>Suspend the computer after the fade and let it wake itself for the alarm</source>
        <translation>渐弱结束后挂起计算机，并让它到闹钟时间自动唤醒</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Mixer initialization error</source>
        <translation>混音器初始化出错</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>音量：</translation>
    </message>
</context>
<context>
    <name>MainWindowForm</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Contact author</source>
        <translation>联系作者</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Wake up at:</source>
        <translation>唤醒时间：</translation>
    </message>
    <message>
        <source>Start file:</source>
        <translation>铃声：</translation>
    </message>
    <message>
        <source>Set volume:</source>
        <translation>唤醒音量：</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Wake up at</source>
        <translation>唤醒时间</translation>
    </message>
    <message>
        <source>Start file</source>
        <translation>铃声文件</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>明天</translation>
    </message>
    <message>
        <source>Sleep until then</source>
        <translation>挂起直到唤醒</translation>
    </message>
    <message>
        <source>Set volume, percent</source>
        <translation>唤醒音量，百分比</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Turn down volume up to 0%</source>
        <translation>音量渐弱至 0%</translation>
    </message>
    <message>
        <source>for: </source>
        <translation>用时</translation>
    </message>
    <message>
        <source>Turn down volume up to 0% for minutes</source>
        <translation>音量渐弱至 0% 的用时，分钟</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Then:</source>
        <translation>然后：</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Suspend mode</source>
        <translation>挂起</translation>
    </message>
    <message>
        <source>Alarm mode</source>
        <translation>闹钟</translation>
    </message>
    <message>
        <source>with the track</source>
        <translation>随曲目结束</translation>
    </message>
    <message>
        <source>As long as the track playing now: the fade ends with it</source>
        <translation>与正在播放的曲目一样长：渐弱随曲目一同结束</translation>
    </message>
</context>
<context>
    <name>SessionText</name>
    <message>
        <source>%1 on %2</source>
        <comment>a time of day, then a day</comment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>the day&apos;s format</comment>
        <translation>M月d日 ddd</translation>
    </message>
    <message>
        <source>Fading until %1</source>
        <comment>status line</comment>
        <translation>音量渐弱中，%1 结束</translation>
    </message>
    <message>
        <source>Set timer</source>
        <comment>status line</comment>
        <translation>请设置分钟数</translation>
    </message>
    <message>
        <source>Set volume</source>
        <comment>status line</comment>
        <translation>请设置唤醒音量</translation>
    </message>
    <message>
        <source>Soon to get up...</source>
        <comment>status line</comment>
        <translation>快到起床时间了……</translation>
    </message>
    <message>
        <source>Dry run: the computer would sleep until %1</source>
        <comment>status line</comment>
        <translation>试运行：计算机本应挂起至 %1</translation>
    </message>
    <message>
        <source>The computer sleeps until %1</source>
        <comment>status line</comment>
        <translation>计算机挂起至 %1</translation>
    </message>
    <message>
        <source>Dry run: the computer cannot wake itself; would stay on until %1</source>
        <comment>status line</comment>
        <translation>试运行：此计算机无法自动唤醒；本应保持开机至 %1</translation>
    </message>
    <message>
        <source>This computer cannot wake itself; it stays on until %1</source>
        <comment>status line</comment>
        <translation>此计算机无法自动唤醒，将保持开机至 %1</translation>
    </message>
    <message>
        <source>Dry run: the wake-up is too close; it would stay on until %1</source>
        <comment>status line</comment>
        <translation>试运行：唤醒时间太近；本应保持开机至 %1</translation>
    </message>
    <message>
        <source>The wake-up is too close to sleep; the computer stays on until %1</source>
        <comment>status line</comment>
        <translation>唤醒时间太近，来不及挂起；计算机将保持开机至 %1</translation>
    </message>
    <message>
        <source>Dry run: the computer would shut down now</source>
        <comment>status line</comment>
        <translation>试运行：计算机本应在此时关机</translation>
    </message>
    <message>
        <source>Dry run: the computer would suspend now</source>
        <comment>status line</comment>
        <translation>试运行：计算机本应在此时挂起</translation>
    </message>
    <message>
        <source>Power-off refused: %1</source>
        <comment>status line</comment>
        <translation>关机被拒绝：%1</translation>
    </message>
    <message>
        <source>Suspend refused: %1</source>
        <comment>status line</comment>
        <translation>挂起被拒绝：%1</translation>
    </message>
    <message>
        <source>Start file not found: %1</source>
        <comment>status line</comment>
        <translation>找不到铃声文件：%1</translation>
    </message>
    <message>
        <source>Start file is not a file: %1</source>
        <comment>status line</comment>
        <translation>铃声不是文件：%1</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <comment>status line</comment>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <source>%1; no sound device for the chime either</source>
        <comment>status line</comment>
        <translation>%1；也没有可播放提示音的声音设备</translation>
    </message>
    <message>
        <source>%1 % - Somnelle </source>
        <translation>%1% - Somnelle </translation>
    </message>
    <message>
        <source>The computer would suspend in 1 minute (dry run)</source>
        <translation>计算机本应在 1 分钟后挂起（试运行）</translation>
    </message>
    <message>
        <source>The computer would shut down in 1 minute (dry run)</source>
        <translation>计算机本应在 1 分钟后关机（试运行）</translation>
    </message>
    <message>
        <source>The computer will suspend in 1 minute</source>
        <translation>计算机将在 1 分钟后挂起</translation>
    </message>
    <message>
        <source>The computer will shut down in 1 minute</source>
        <translation>计算机将在 1 分钟后关机</translation>
    </message>
    <message>
        <source>The sleep timer ends at %1.</source>
        <translation>睡眠定时器将于 %1 结束。</translation>
    </message>
    <message>
        <source>the fade is over; waiting for the wake-up</source>
        <translation>渐弱已结束，正在等待唤醒</translation>
    </message>
    <message>
        <source>no fade is running</source>
        <translation>没有正在进行的渐弱</translation>
    </message>
    <message>
        <source>minutes must be 1 to 99</source>
        <translation>分钟数必须在 1 到 99 之间</translation>
    </message>
    <message>
        <source>the wake-up at %1 comes before the new end</source>
        <translation>唤醒时间 %1 早于新的结束时间</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then shutdown</source>
        <translation>%1 % – %2 结束，然后关机</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then suspend</source>
        <translation>%1 % – %2 结束，然后挂起</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then the alarm</source>
        <translation>%1 % – %2 结束，然后闹钟</translation>
    </message>
    <message>
        <source>The fade is over</source>
        <translation>渐弱已结束</translation>
    </message>
    <message>
        <source>Wake-up at %1; the computer sleeps until then</source>
        <translation>%1 唤醒；在此之前计算机处于挂起状态</translation>
    </message>
    <message>
        <source>Wake-up at %1</source>
        <translation>%1 唤醒</translation>
    </message>
    <message>
        <source>The wake-up is sounding</source>
        <translation>闹钟正在响</translation>
    </message>
    <message>
        <source>%1 (dry run)</source>
        <translation>%1（试运行）</translation>
    </message>
    <message>
        <source>Fading until %1; nothing follows the fade</source>
        <comment>status line</comment>
        <translation>音量渐弱中，%1 结束；之后不做任何操作</translation>
    </message>
    <message>
        <source>Awake for the wake-up at %1</source>
        <comment>status line</comment>
        <translation>已唤醒，等待 %1 的闹钟</translation>
    </message>
    <message>
        <source>Start file cannot be read: %1</source>
        <comment>status line</comment>
        <translation>无法读取铃声文件：%1</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run)</source>
        <translation>%1% - Somnelle（试运行）</translation>
    </message>
    <message>
        <source>%1 % - ends at %2</source>
        <translation>%1 % – %2 结束</translation>
    </message>
    <message>
        <source>Dry run: the computer stays on</source>
        <comment>status line</comment>
        <translation>试运行：计算机保持开机</translation>
    </message>
    <message>
        <source>Invalid parameters</source>
        <comment>status line</comment>
        <translation>参数无效</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm: Somnelle may set its wake-up timer</source>
        <translation>此计算机可以为闹钟自动唤醒：Somnelle 可以设置它的唤醒定时器</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm, through the desktop&apos;s power manager</source>
        <translation>此计算机可以通过桌面的电源管理器为闹钟自动唤醒</translation>
    </message>
    <message>
        <source>This computer cannot wake itself for the alarm: it stays on until then, as without this</source>
        <translation>此计算机无法为闹钟自动唤醒：它会保持开机直到唤醒时间，与不勾选此项相同</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel or --extend</source>
        <translation>已有会话正在运行：%1；请使用 --cancel 或 --extend</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel</source>
        <translation>已有会话正在运行：%1；请使用 --cancel</translation>
    </message>
    <message>
        <source>Fading with the track until %1</source>
        <comment>status line</comment>
        <translation>随曲目渐弱中，%1 结束</translation>
    </message>
    <message>
        <source>The track is paused, and the fade waits for it</source>
        <comment>status line</comment>
        <translation>曲目已暂停，渐弱等待中</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run, with the track)</source>
        <translation>%1% - Somnelle（试运行，随曲目）</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (with the track)</source>
        <translation>%1% - Somnelle（随曲目）</translation>
    </message>
    <message>
        <source>the night ends with the track</source>
        <translation>夜间计时随曲目结束</translation>
    </message>
    <message>
        <source>%1 (with the track)</source>
        <translation>%1（随曲目）</translation>
    </message>
    <message>
        <source>The music playing has no end to wait for (a stream)</source>
        <comment>status line</comment>
        <translation>正在播放的音乐没有可等待的结尾（流媒体）</translation>
    </message>
    <message>
        <source>Nothing is playing: start the music first</source>
        <comment>status line</comment>
        <translation>没有正在播放的内容：请先播放音乐</translation>
    </message>
    <message>
        <source>Resume &quot;%1&quot; from %2</source>
        <translation>从 %2 继续播放“%1”</translation>
    </message>
    <message>
        <source>The player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Playing &quot;%1&quot; again from %2</source>
        <comment>status line</comment>
        <translation>“%1”已从 %2 继续播放</translation>
    </message>
    <message>
        <source>Nothing to resume</source>
        <comment>status line</comment>
        <translation>没有可继续播放的内容</translation>
    </message>
    <message>
        <source>%1 is gone: &quot;%2&quot; cannot be resumed</source>
        <comment>status line</comment>
        <translation>%1 已关闭：无法继续播放“%2”</translation>
    </message>
    <message>
        <source>%1 cannot go back to a place in &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 无法回到“%2”中的位置</translation>
    </message>
    <message>
        <source>%1 has moved on and cannot open &quot;%2&quot; again</source>
        <comment>status line</comment>
        <translation>%1 已切换到其他内容，无法再次打开“%2”</translation>
    </message>
    <message>
        <source>%1 did not resume &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 未继续播放“%2”</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>A sleep timer is running and its alarm must ring</source>
        <translation>睡眠定时器正在运行，其闹钟必须响起</translation>
    </message>
</context>
<context>
    <name>TrayIndicator</name>
    <message>
        <source>Show Somnelle</source>
        <translation>显示 Somnelle</translation>
    </message>
    <message>
        <source>Add 15 minutes</source>
        <translation>增加 15 分钟</translation>
    </message>
    <message>
        <source>Cancel the timer</source>
        <translation>取消定时器</translation>
    </message>
    <message>
        <source>Silence the alarm</source>
        <translation>让闹钟停止</translation>
    </message>
</context>
<context>
    <name>VolumeReadout</name>
    <message>
        <source>Volume: %1 %</source>
        <translation>音量：%1%</translation>
    </message>
</context>
<context>
    <name>WindowOpening</name>
    <message>
        <source>somnelle: no window can be opened here: %1
</source>
        <translation>somnelle：此处无法打开窗口：%1
</translation>
    </message>
</context>
</TS>
