<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
        <translation>使い方: somnelle [registry | MINUTES ACTION [TIME DAY VOLUME FILE]]

MINUTES 分かけてマスター音量を 0% まで下げ、ACTION のとおりに終了します。
引数を付けると、各欄に値を入れてすぐに開始します。

  registry   前回のセッションで保存した設定で開始
  MINUTES    1〜99
  ACTION     sd: 電源オフ、sm: サスペンド、am: アラーム (以下の引数が必要):
  TIME       起床時刻 (例: 07:30、7:30 PM)
  DAY        tm: 明日 (次の午前 0 時より後)、td: 今日
  VOLUME     起床時の音量 (パーセント、1〜99)
  FILE       起床時に開くファイル (例: europe.mid)。相対パスなら
             現在のフォルダー、次に以下のフォルダーで探します:
             %1

例:
  somnelle 30 sd
  somnelle 45 am 07:30 tm 40 europe.mid

  --dry-run [MINUTES ACTION ...]   同じ動作ですが、最後に電源オフや
             サスペンドはせず、そうするはずだったと表示するだけです。
             単独で使うと、開始がすべてテスト実行になるウィンドウを開きます
  --sleep-until-alarm MINUTES am ...   アラームと併用: フェードアウト後に
             コンピューターをサスペンドし、可能なら起床の 1 分前に
             自動で復帰させます (可否は「起床までサスペンド」に表示)
  --end-with-track ACTION ...   再生中の曲の長さだけ続けます (分は指定しない):
             フェードアウトは曲と一緒に終わり、次の曲の前にプレーヤーを
             一時停止します。このとき --status は &quot;ends with the track at&quot;
             と表示します
  --decibel-fade MINUTES ACTION ...   音量の等間隔ではなく、デシベルで
             耳に均等なフェードアウトにします
  --resume   眠った場所から再生を再開します: 前回のフェードアウトの半ばで
             プレーヤーが再生していた曲を、その位置から (1 日以内)

実行中の Somnelle へ (デスクトップセッションごとに 1 つ。2 回目の起動は
引数をそちらへ渡し、そこでセッションが実行中なら拒否されます):
  --extend MINUTES   フェードアウトを 1〜99 分延長します。新しい終了時刻が
             起床時刻を過ぎる場合は拒否されます
  --cancel   「キャンセル」ボタンと同じくセッションをキャンセルするか、
             起床のチャイムを止めます
  --status   次のいずれか 1 行を表示します:
               idle
               fading 37 %, ends at 23:47, then shutdown
                 (または then suspend、then the alarm。テスト実行なら
                 末尾に &quot; (dry run)&quot;)
               ending   (フェードアウトが終わり、まもなく電源オフかサスペンド)
               waiting for the wake-up at 07:30
                 (コンピューターの復帰が設定されている間は、末尾に
                 &quot;; the computer sleeps until then&quot;)
               wake-up sounding   (チャイムが鳴っている)
               not running   (終了ステータス 3)
             1 日より先の時刻には日付が付きます: 17:49 on Thu 10 Dec
コマンドラインの単語と --status の応答は、どの言語でも英語のままです
(スクリプトが書き込み、読み取るため)。
終了ステータス: 0 完了、1 拒否された、または実行中の Somnelle が応答しない、
2 使い方の誤り (不明なオプション、無効なパラメーター)、3 Somnelle が未実行。

  --help, -h   このヘルプを表示
  --version  バージョンを表示
</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>+15 minutes</source>
        <translation>+15 分</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>Failed to set data for &apos;Timer&apos;</source>
        <translation>&apos;Timer&apos; のデータを書き込めませんでした</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>Somnelle (pid %1) runs but does not answer</source>
        <translation>Somnelle (pid %1) は実行中ですが、応答しません</translation>
    </message>
    <message>
        <source>%1; nothing was started</source>
        <translation>%1。何も開始されませんでした</translation>
    </message>
    <message>
        <source>somnelle: no display to open a window on, and no Somnelle runs to hand the command line to</source>
        <translation>somnelle: ウィンドウを開くディスプレイがなく、コマンドラインを渡せる実行中の Somnelle もありません</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>usage: somnelle --extend MINUTES (1 to 99)</source>
        <translation>使い方: somnelle --extend MINUTES (1〜99)</translation>
    </message>
    <message>
        <source>somnelle: %1 takes no other arguments</source>
        <translation>somnelle: %1 には他の引数を付けられません</translation>
    </message>
    <message>
        <source>somnelle: unknown option %1; see somnelle --help</source>
        <translation>somnelle: 不明なオプション %1 です。somnelle --help を参照してください</translation>
    </message>
    <message>
        <source>somnelle: --sleep-until-alarm goes with an alarm, such as --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</source>
        <translation>somnelle: --sleep-until-alarm はアラームと一緒に使います (例: --sleep-until-alarm 45 am 07:30 tm 40 europe.mid)</translation>
    </message>
    <message>
        <source>somnelle: --end-with-track goes with an action and no minutes, such as --end-with-track sd</source>
        <translation>somnelle: --end-with-track は分を指定せず動作と一緒に使います (例: --end-with-track sd)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Somnelle v%1 (c) 2026 The Somnelle developers, free software</source>
        <translation>Somnelle v%1 (c) 2026 Somnelle 開発者、フリーソフトウェア</translation>
    </message>
    <message>
        <source>Open file to start</source>
        <translation>起床時に開くファイルを選択</translation>
    </message>
    <message>
        <source>Suspend the computer after the fade and let it wake itself for the alarm</source>
        <translation>フェードアウト後にコンピューターをサスペンドし、アラームの時刻に自動で復帰させます</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Mixer initialization error</source>
        <translation>ミキサーの初期化に失敗しました</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>音量: </translation>
    </message>
</context>
<context>
    <name>MainWindowForm</name>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Contact author</source>
        <translation>作者に連絡</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Wake up at:</source>
        <translation>起床時刻:</translation>
    </message>
    <message>
        <source>Start file:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>Set volume:</source>
        <translation>起床音量:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Wake up at</source>
        <translation>起床時刻</translation>
    </message>
    <message>
        <source>Start file</source>
        <translation>起床時に開くファイル</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>明日</translation>
    </message>
    <message>
        <source>Sleep until then</source>
        <translation>起床までサスペンド</translation>
    </message>
    <message>
        <source>Set volume, percent</source>
        <translation>起床音量 (パーセント)</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Turn down volume up to 0%</source>
        <translation>音量を 0% まで下げる</translation>
    </message>
    <message>
        <source>for: </source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Turn down volume up to 0% for minutes</source>
        <translation>音量を 0% まで下げる時間 (分)</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Then:</source>
        <translation>その後:</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>電源オフ</translation>
    </message>
    <message>
        <source>Suspend mode</source>
        <translation>サスペンド</translation>
    </message>
    <message>
        <source>Alarm mode</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>with the track</source>
        <translation>曲の終わりまで</translation>
    </message>
    <message>
        <source>As long as the track playing now: the fade ends with it</source>
        <translation>再生中の曲の長さだけ: フェードアウトは曲と一緒に終わります</translation>
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
        <translation>M月d日(ddd)</translation>
    </message>
    <message>
        <source>Fading until %1</source>
        <comment>status line</comment>
        <translation>フェードアウト中 (%1 まで)</translation>
    </message>
    <message>
        <source>Set timer</source>
        <comment>status line</comment>
        <translation>タイマーを設定してください</translation>
    </message>
    <message>
        <source>Set volume</source>
        <comment>status line</comment>
        <translation>起床音量を設定してください</translation>
    </message>
    <message>
        <source>Soon to get up...</source>
        <comment>status line</comment>
        <translation>まもなく起床時刻です…</translation>
    </message>
    <message>
        <source>Dry run: the computer would sleep until %1</source>
        <comment>status line</comment>
        <translation>テスト実行: 本来なら %1 までサスペンドします</translation>
    </message>
    <message>
        <source>The computer sleeps until %1</source>
        <comment>status line</comment>
        <translation>%1 までサスペンドします</translation>
    </message>
    <message>
        <source>Dry run: the computer cannot wake itself; would stay on until %1</source>
        <comment>status line</comment>
        <translation>テスト実行: 自動で復帰できないため、%1 まで電源オンのまま</translation>
    </message>
    <message>
        <source>This computer cannot wake itself; it stays on until %1</source>
        <comment>status line</comment>
        <translation>自動で復帰できないため、%1 まで電源を入れたままにします</translation>
    </message>
    <message>
        <source>Dry run: the wake-up is too close; it would stay on until %1</source>
        <comment>status line</comment>
        <translation>テスト実行: 起床時刻が近すぎるため、%1 まで電源オンのまま</translation>
    </message>
    <message>
        <source>The wake-up is too close to sleep; the computer stays on until %1</source>
        <comment>status line</comment>
        <translation>起床時刻が近すぎるため、%1 まで電源を入れたままにします</translation>
    </message>
    <message>
        <source>Dry run: the computer would shut down now</source>
        <comment>status line</comment>
        <translation>テスト実行: 本来ならここで電源をオフにします</translation>
    </message>
    <message>
        <source>Dry run: the computer would suspend now</source>
        <comment>status line</comment>
        <translation>テスト実行: 本来ならここでサスペンドします</translation>
    </message>
    <message>
        <source>Power-off refused: %1</source>
        <comment>status line</comment>
        <translation>電源オフが拒否されました: %1</translation>
    </message>
    <message>
        <source>Suspend refused: %1</source>
        <comment>status line</comment>
        <translation>サスペンドが拒否されました: %1</translation>
    </message>
    <message>
        <source>Start file not found: %1</source>
        <comment>status line</comment>
        <translation>ファイルが見つかりません: %1</translation>
    </message>
    <message>
        <source>Start file is not a file: %1</source>
        <comment>status line</comment>
        <translation>起床時に開くファイルがファイルではありません: %1</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <comment>status line</comment>
        <translation>%1 を開けませんでした</translation>
    </message>
    <message>
        <source>%1; no sound device for the chime either</source>
        <comment>status line</comment>
        <translation>%1。チャイムを鳴らすサウンドデバイスもありません</translation>
    </message>
    <message>
        <source>%1 % - Somnelle </source>
        <translation>%1% - Somnelle </translation>
    </message>
    <message>
        <source>The computer would suspend in 1 minute (dry run)</source>
        <translation>本来なら 1 分後にサスペンドします (テスト実行)</translation>
    </message>
    <message>
        <source>The computer would shut down in 1 minute (dry run)</source>
        <translation>本来なら 1 分後に電源をオフにします (テスト実行)</translation>
    </message>
    <message>
        <source>The computer will suspend in 1 minute</source>
        <translation>1 分後にコンピューターをサスペンドします</translation>
    </message>
    <message>
        <source>The computer will shut down in 1 minute</source>
        <translation>1 分後にコンピューターの電源をオフにします</translation>
    </message>
    <message>
        <source>The sleep timer ends at %1.</source>
        <translation>おやすみタイマーは %1 に終了します。</translation>
    </message>
    <message>
        <source>the fade is over; waiting for the wake-up</source>
        <translation>フェードアウトは終了し、起床時刻を待っています</translation>
    </message>
    <message>
        <source>no fade is running</source>
        <translation>実行中のフェードアウトはありません</translation>
    </message>
    <message>
        <source>minutes must be 1 to 99</source>
        <translation>分は 1〜99 で指定してください</translation>
    </message>
    <message>
        <source>the wake-up at %1 comes before the new end</source>
        <translation>起床時刻 %1 が新しい終了時刻より前になります</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then shutdown</source>
        <translation>%1 % – %2 に終了、その後電源オフ</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then suspend</source>
        <translation>%1 % – %2 に終了、その後サスペンド</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then the alarm</source>
        <translation>%1 % – %2 に終了、その後アラーム</translation>
    </message>
    <message>
        <source>The fade is over</source>
        <translation>フェードアウトが終わりました</translation>
    </message>
    <message>
        <source>Wake-up at %1; the computer sleeps until then</source>
        <translation>%1 に起床、それまでコンピューターはサスペンド</translation>
    </message>
    <message>
        <source>Wake-up at %1</source>
        <translation>%1 に起床</translation>
    </message>
    <message>
        <source>The wake-up is sounding</source>
        <translation>アラームが鳴っています</translation>
    </message>
    <message>
        <source>%1 (dry run)</source>
        <translation>%1 (テスト実行)</translation>
    </message>
    <message>
        <source>Fading until %1; nothing follows the fade</source>
        <comment>status line</comment>
        <translation>フェードアウト中 (%1 まで)、その後は何もしません</translation>
    </message>
    <message>
        <source>Awake for the wake-up at %1</source>
        <comment>status line</comment>
        <translation>%1 の起床のために起動中</translation>
    </message>
    <message>
        <source>Start file cannot be read: %1</source>
        <comment>status line</comment>
        <translation>ファイルを読み込めません: %1</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run)</source>
        <translation>%1% - Somnelle (テスト実行)</translation>
    </message>
    <message>
        <source>%1 % - ends at %2</source>
        <translation>%1 % – %2 に終了</translation>
    </message>
    <message>
        <source>Dry run: the computer stays on</source>
        <comment>status line</comment>
        <translation>テスト実行: 電源は入ったままです</translation>
    </message>
    <message>
        <source>Invalid parameters</source>
        <comment>status line</comment>
        <translation>パラメーターが無効です</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm: Somnelle may set its wake-up timer</source>
        <translation>このコンピューターはアラームに合わせて自動で復帰できます。Somnelle が復帰タイマーを設定します</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm, through the desktop&apos;s power manager</source>
        <translation>このコンピューターはデスクトップの電源管理を通じて、アラームに合わせて自動で復帰できます</translation>
    </message>
    <message>
        <source>This computer cannot wake itself for the alarm: it stays on until then, as without this</source>
        <translation>このコンピューターはアラームに合わせて自動で復帰できません。チェックしない場合と同じく、その時刻まで電源が入ったままになります</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel or --extend</source>
        <translation>すでにセッションが実行中です: %1。--cancel か --extend を使ってください</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel</source>
        <translation>すでにセッションが実行中です: %1。--cancel を使ってください</translation>
    </message>
    <message>
        <source>Fading with the track until %1</source>
        <comment>status line</comment>
        <translation>曲と一緒にフェードアウト中 (%1 まで)</translation>
    </message>
    <message>
        <source>The track is paused, and the fade waits for it</source>
        <comment>status line</comment>
        <translation>曲が一時停止中のため、フェードアウトは待機中です</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run, with the track)</source>
        <translation>%1% - Somnelle (テスト実行、曲の終わりまで)</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (with the track)</source>
        <translation>%1% - Somnelle (曲の終わりまで)</translation>
    </message>
    <message>
        <source>the night ends with the track</source>
        <translation>夜は曲と一緒に終わります</translation>
    </message>
    <message>
        <source>%1 (with the track)</source>
        <translation>%1 (曲の終わりまで)</translation>
    </message>
    <message>
        <source>The music playing has no end to wait for (a stream)</source>
        <comment>status line</comment>
        <translation>再生中の音楽には終わりがありません (ストリーム)</translation>
    </message>
    <message>
        <source>Nothing is playing: start the music first</source>
        <comment>status line</comment>
        <translation>何も再生されていません: 先に音楽を再生してください</translation>
    </message>
    <message>
        <source>Resume &quot;%1&quot; from %2</source>
        <translation>「%1」を %2 から再開</translation>
    </message>
    <message>
        <source>The player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Playing &quot;%1&quot; again from %2</source>
        <comment>status line</comment>
        <translation>「%1」を %2 から再び再生中</translation>
    </message>
    <message>
        <source>Nothing to resume</source>
        <comment>status line</comment>
        <translation>再開するものはありません</translation>
    </message>
    <message>
        <source>%1 is gone: &quot;%2&quot; cannot be resumed</source>
        <comment>status line</comment>
        <translation>%1 は終了しています: 「%2」を再開できません</translation>
    </message>
    <message>
        <source>%1 cannot go back to a place in &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 は「%2」の途中に戻れません</translation>
    </message>
    <message>
        <source>%1 has moved on and cannot open &quot;%2&quot; again</source>
        <comment>status line</comment>
        <translation>%1 は別の再生に移っていて「%2」を開き直せません</translation>
    </message>
    <message>
        <source>%1 did not resume &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 は「%2」を再開しませんでした</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>A sleep timer is running and its alarm must ring</source>
        <translation>スリープタイマーが動作中で、アラームを鳴らす必要があります</translation>
    </message>
</context>
<context>
    <name>TrayIndicator</name>
    <message>
        <source>Show Somnelle</source>
        <translation>Somnelle を表示</translation>
    </message>
    <message>
        <source>Add 15 minutes</source>
        <translation>15 分延長</translation>
    </message>
    <message>
        <source>Cancel the timer</source>
        <translation>タイマーをキャンセル</translation>
    </message>
    <message>
        <source>Silence the alarm</source>
        <translation>アラームを止める</translation>
    </message>
</context>
<context>
    <name>VolumeReadout</name>
    <message>
        <source>Volume: %1 %</source>
        <translation>音量: %1%</translation>
    </message>
</context>
<context>
    <name>WindowOpening</name>
    <message>
        <source>somnelle: no window can be opened here: %1
</source>
        <translation>somnelle: ここではウィンドウを開けません: %1
</translation>
    </message>
</context>
</TS>
