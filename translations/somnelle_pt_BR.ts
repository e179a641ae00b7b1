<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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

Diminui o volume geral até 0% em MINUTES minutos e termina como diz ACTION.
Com argumentos, os campos são preenchidos e a sessão começa na hora.

  registry   inicia com a configuração salva pela última sessão
  MINUTES    de 1 a 99
  ACTION     sd: desligar; sm: suspender; am: alarme, que usa o restante:
  TIME       hora de despertar, como 07:30 ou 7:30 PM
  DAY        tm: amanhã (depois da próxima meia-noite); td: hoje
  VOLUME     volume do despertar em porcentagem, de 1 a 99
  FILE       o arquivo a abrir no despertar, como europe.mid; um nome
             relativo é procurado na pasta atual, depois em
             %1

Exemplos:
  somnelle 30 sd
  somnelle 45 am 07:30 tm 40 europe.mid

  --dry-run [MINUTES ACTION ...]   o mesmo, mas no fim só diz que o
             computador seria desligado ou suspenso;
             sozinho, abre uma janela em que cada início é uma simulação
  --sleep-until-alarm MINUTES am ...   com um alarme: após a redução do
             volume, suspende o computador e o deixa despertar sozinho um
             minuto antes do alarme, se ele puder (a dica da caixa
             &quot;Suspender até o despertar&quot; diz se pode)
  --end-with-track ACTION ...   a noite dura o tempo da faixa que toca agora
             (sem os minutos): a diminuição termina com ela, e o player é
             pausado antes da próxima; --status diz então
             &quot;ends with the track at&quot;
  --decibel-fade MINUTES ACTION ...   uma diminuição uniforme para o ouvido, em
             decibéis, em vez de passos iguais do volume
  --resume   voltar a ouvir de onde você adormeceu: a faixa que um player
             tocava na metade da última diminuição, desse ponto (por um dia)

Ao Somnelle em execução (um por sessão gráfica; uma segunda execução lhe
passa os argumentos e é recusada enquanto lá houver uma sessão ativa):
  --extend MINUTES   soma de 1 a 99 minutos à redução do volume; recusado
             quando o novo fim passaria do despertar
  --cancel   cancela a sessão, como o botão Cancelar, ou silencia o toque
             do despertar
  --status   mostra uma linha, uma destas:
               idle
               fading 37 %, ends at 23:47, then shutdown
                 (ou then suspend, then the alarm; &quot; (dry run)&quot; no fim
                 numa simulação)
               ending   (a redução acabou, o computador está para desligar)
               waiting for the wake-up at 07:30
                 (seguido de &quot;; the computer sleeps until then&quot; enquanto
                 um despertar do computador estiver programado)
               wake-up sounding   (o toque está soando)
               not running   (código de saída 3)
             um horário a mais de um dia traz o dia: 17:49 on Thu 10 Dec
As palavras da linha de comando e as respostas de --status são em inglês
em todos os idiomas: scripts as escrevem e as leem.
Status de saída: 0 feito, 1 recusado ou o Somnelle em execução não responde,
2 uso incorreto (opção desconhecida ou parâmetros inválidos), 3 nenhum
Somnelle em execução.

  --help, -h   mostra este texto
  --version  mostra a versão
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
        <translation>Falha ao gravar os dados de &apos;Timer&apos;</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>Somnelle (pid %1) runs but does not answer</source>
        <translation>O Somnelle (pid %1) está em execução, mas não responde</translation>
    </message>
    <message>
        <source>%1; nothing was started</source>
        <translation>%1; nada foi iniciado</translation>
    </message>
    <message>
        <source>somnelle: no display to open a window on, and no Somnelle runs to hand the command line to</source>
        <translation>somnelle: não há tela onde abrir uma janela nem um Somnelle em execução para receber a linha de comando</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>usage: somnelle --extend MINUTES (1 to 99)</source>
        <translation>uso: somnelle --extend MINUTES (1 a 99)</translation>
    </message>
    <message>
        <source>somnelle: %1 takes no other arguments</source>
        <translation>somnelle: %1 não aceita outros argumentos</translation>
    </message>
    <message>
        <source>somnelle: unknown option %1; see somnelle --help</source>
        <translation>somnelle: opção desconhecida %1; veja somnelle --help</translation>
    </message>
    <message>
        <source>somnelle: --sleep-until-alarm goes with an alarm, such as --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</source>
        <translation>somnelle: --sleep-until-alarm acompanha um alarme, como --sleep-until-alarm 45 am 07:30 tm 40 europe.mid</translation>
    </message>
    <message>
        <source>somnelle: --end-with-track goes with an action and no minutes, such as --end-with-track sd</source>
        <translation>somnelle: --end-with-track vai com uma ação e sem minutos, por exemplo --end-with-track sd</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Somnelle v%1 (c) 2026 The Somnelle developers, free software</source>
        <translation>Somnelle v%1 (c) 2026 Os desenvolvedores do Somnelle, software livre</translation>
    </message>
    <message>
        <source>Open file to start</source>
        <translation>Escolha o arquivo a abrir</translation>
    </message>
    <message>
        <source>Suspend the computer after the fade and let it wake itself for the alarm</source>
        <translation>Suspender o computador após a redução do volume e deixá-lo despertar sozinho para o alarme</translation>
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
        <translation>Erro ao inicializar o mixer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
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
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Contact author</source>
        <translation>Fale com o autor</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Wake up at:</source>
        <translation>Despertar às:</translation>
    </message>
    <message>
        <source>Start file:</source>
        <translation>Arquivo:</translation>
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
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Wake up at</source>
        <translation>Despertar às</translation>
    </message>
    <message>
        <source>Start file</source>
        <translation>Arquivo a abrir</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Amanhã</translation>
    </message>
    <message>
        <source>Sleep until then</source>
        <translation>Suspender até o despertar</translation>
    </message>
    <message>
        <source>Set volume, percent</source>
        <translation>Volume do despertar, em porcentagem</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Turn down volume up to 0%</source>
        <translation>Diminuir o volume até 0%</translation>
    </message>
    <message>
        <source>for: </source>
        <translation>em</translation>
    </message>
    <message>
        <source>Turn down volume up to 0% for minutes</source>
        <translation>Diminuir o volume até 0% em minutos</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Then:</source>
        <translation>Depois:</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Suspend mode</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>Alarm mode</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>with the track</source>
        <translation>com a faixa</translation>
    </message>
    <message>
        <source>As long as the track playing now: the fade ends with it</source>
        <translation>Pelo tempo da faixa que toca agora: a diminuição termina com ela</translation>
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
        <translation>ddd, d &apos;de&apos; MMM</translation>
    </message>
    <message>
        <source>Fading until %1</source>
        <comment>status line</comment>
        <translation>Diminuindo o volume até %1</translation>
    </message>
    <message>
        <source>Set timer</source>
        <comment>status line</comment>
        <translation>Informe os minutos</translation>
    </message>
    <message>
        <source>Set volume</source>
        <comment>status line</comment>
        <translation>Informe o volume</translation>
    </message>
    <message>
        <source>Soon to get up...</source>
        <comment>status line</comment>
        <translation>Quase na hora de levantar...</translation>
    </message>
    <message>
        <source>Dry run: the computer would sleep until %1</source>
        <comment>status line</comment>
        <translation>Simulação: ficaria suspenso até %1</translation>
    </message>
    <message>
        <source>The computer sleeps until %1</source>
        <comment>status line</comment>
        <translation>O computador está suspenso até %1</translation>
    </message>
    <message>
        <source>Dry run: the computer cannot wake itself; would stay on until %1</source>
        <comment>status line</comment>
        <translation>Simulação: não desperta sozinho; ficaria ligado até %1</translation>
    </message>
    <message>
        <source>This computer cannot wake itself; it stays on until %1</source>
        <comment>status line</comment>
        <translation>Não desperta sozinho; fica ligado até %1</translation>
    </message>
    <message>
        <source>Dry run: the wake-up is too close; it would stay on until %1</source>
        <comment>status line</comment>
        <translation>Simulação: despertar perto demais; ficaria ligado até %1</translation>
    </message>
    <message>
        <source>The wake-up is too close to sleep; the computer stays on until %1</source>
        <comment>status line</comment>
        <translation>Despertar perto demais para suspender; fica ligado até %1</translation>
    </message>
    <message>
        <source>Dry run: the computer would shut down now</source>
        <comment>status line</comment>
        <translation>Simulação: o computador seria desligado agora</translation>
    </message>
    <message>
        <source>Dry run: the computer would suspend now</source>
        <comment>status line</comment>
        <translation>Simulação: o computador seria suspenso agora</translation>
    </message>
    <message>
        <source>Power-off refused: %1</source>
        <comment>status line</comment>
        <translation>Desligamento recusado: %1</translation>
    </message>
    <message>
        <source>Suspend refused: %1</source>
        <comment>status line</comment>
        <translation>Suspensão recusada: %1</translation>
    </message>
    <message>
        <source>Start file not found: %1</source>
        <comment>status line</comment>
        <translation>Arquivo a abrir não encontrado: %1</translation>
    </message>
    <message>
        <source>Start file is not a file: %1</source>
        <comment>status line</comment>
        <translation>O arquivo do despertar não é um arquivo: %1</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <comment>status line</comment>
        <translation>Não foi possível abrir %1</translation>
    </message>
    <message>
        <source>%1; no sound device for the chime either</source>
        <comment>status line</comment>
        <translation>%1; também não há dispositivo de som para o toque</translation>
    </message>
    <message>
        <source>%1 % - Somnelle </source>
        <translation>%1% - Somnelle </translation>
    </message>
    <message>
        <source>The computer would suspend in 1 minute (dry run)</source>
        <translation>O computador seria suspenso em 1 minuto (simulação)</translation>
    </message>
    <message>
        <source>The computer would shut down in 1 minute (dry run)</source>
        <translation>O computador seria desligado em 1 minuto (simulação)</translation>
    </message>
    <message>
        <source>The computer will suspend in 1 minute</source>
        <translation>O computador será suspenso em 1 minuto</translation>
    </message>
    <message>
        <source>The computer will shut down in 1 minute</source>
        <translation>O computador será desligado em 1 minuto</translation>
    </message>
    <message>
        <source>The sleep timer ends at %1.</source>
        <translation>O temporizador de sono termina às %1.</translation>
    </message>
    <message>
        <source>the fade is over; waiting for the wake-up</source>
        <translation>a redução do volume terminou; aguardando o despertar</translation>
    </message>
    <message>
        <source>no fade is running</source>
        <translation>nenhuma redução do volume em andamento</translation>
    </message>
    <message>
        <source>minutes must be 1 to 99</source>
        <translation>os minutos devem ser de 1 a 99</translation>
    </message>
    <message>
        <source>the wake-up at %1 comes before the new end</source>
        <translation>o despertar às %1 vem antes do novo fim</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then shutdown</source>
        <translation>%1 % – termina às %2, depois desligar</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then suspend</source>
        <translation>%1 % – termina às %2, depois suspender</translation>
    </message>
    <message>
        <source>%1 % - ends at %2, then the alarm</source>
        <translation>%1 % – termina às %2, depois alarme</translation>
    </message>
    <message>
        <source>The fade is over</source>
        <translation>A redução acabou</translation>
    </message>
    <message>
        <source>Wake-up at %1; the computer sleeps until then</source>
        <translation>Despertar às %1; o computador fica suspenso até lá</translation>
    </message>
    <message>
        <source>Wake-up at %1</source>
        <translation>Despertar às %1</translation>
    </message>
    <message>
        <source>The wake-up is sounding</source>
        <translation>O despertador está tocando</translation>
    </message>
    <message>
        <source>%1 (dry run)</source>
        <translation>%1 (simulação)</translation>
    </message>
    <message>
        <source>Fading until %1; nothing follows the fade</source>
        <comment>status line</comment>
        <translation>Diminuindo o volume até %1; depois, nada</translation>
    </message>
    <message>
        <source>Awake for the wake-up at %1</source>
        <comment>status line</comment>
        <translation>Acordado para o despertar às %1</translation>
    </message>
    <message>
        <source>Start file cannot be read: %1</source>
        <comment>status line</comment>
        <translation>Não é possível ler o arquivo a abrir: %1</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run)</source>
        <translation>%1% - Somnelle (simulação)</translation>
    </message>
    <message>
        <source>%1 % - ends at %2</source>
        <translation>%1 % – termina às %2</translation>
    </message>
    <message>
        <source>Dry run: the computer stays on</source>
        <comment>status line</comment>
        <translation>Simulação: o computador fica ligado</translation>
    </message>
    <message>
        <source>Invalid parameters</source>
        <comment>status line</comment>
        <translation>Parâmetros inválidos</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm: Somnelle may set its wake-up timer</source>
        <translation>Este computador pode despertar sozinho para o alarme: o Somnelle pode programar o temporizador de despertar dele</translation>
    </message>
    <message>
        <source>This computer can wake itself for the alarm, through the desktop&apos;s power manager</source>
        <translation>Este computador pode despertar sozinho para o alarme, pelo gerenciamento de energia da área de trabalho</translation>
    </message>
    <message>
        <source>This computer cannot wake itself for the alarm: it stays on until then, as without this</source>
        <translation>Este computador não pode despertar sozinho para o alarme: ele fica ligado até lá, como sem esta opção</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel or --extend</source>
        <translation>uma sessão já está em andamento: %1; use --cancel ou --extend</translation>
    </message>
    <message>
        <source>a session is already running: %1; use --cancel</source>
        <translation>uma sessão já está em andamento: %1; use --cancel</translation>
    </message>
    <message>
        <source>Fading with the track until %1</source>
        <comment>status line</comment>
        <translation>Diminuindo com a faixa até %1</translation>
    </message>
    <message>
        <source>The track is paused, and the fade waits for it</source>
        <comment>status line</comment>
        <translation>A faixa está pausada e a diminuição espera</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (dry run, with the track)</source>
        <translation>%1% - Somnelle (simulação, com a faixa)</translation>
    </message>
    <message>
        <source>%1 % - Somnelle (with the track)</source>
        <translation>%1% - Somnelle (com a faixa)</translation>
    </message>
    <message>
        <source>the night ends with the track</source>
        <translation>a noite termina com a faixa</translation>
    </message>
    <message>
        <source>%1 (with the track)</source>
        <translation>%1 (com a faixa)</translation>
    </message>
    <message>
        <source>The music playing has no end to wait for (a stream)</source>
        <comment>status line</comment>
        <translation>A música tocando não tem fim para esperar (uma transmissão)</translation>
    </message>
    <message>
        <source>Nothing is playing: start the music first</source>
        <comment>status line</comment>
        <translation>Nada está tocando: inicie a música primeiro</translation>
    </message>
    <message>
        <source>Resume &quot;%1&quot; from %2</source>
        <translation>Retomar &quot;%1&quot; a partir de %2</translation>
    </message>
    <message>
        <source>The player</source>
        <translation>O player</translation>
    </message>
    <message>
        <source>Playing &quot;%1&quot; again from %2</source>
        <comment>status line</comment>
        <translation>&quot;%1&quot; tocando de novo a partir de %2</translation>
    </message>
    <message>
        <source>Nothing to resume</source>
        <comment>status line</comment>
        <translation>Nada para retomar</translation>
    </message>
    <message>
        <source>%1 is gone: &quot;%2&quot; cannot be resumed</source>
        <comment>status line</comment>
        <translation>%1 não está mais aberto: &quot;%2&quot; não pode ser retomada</translation>
    </message>
    <message>
        <source>%1 cannot go back to a place in &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 não consegue voltar a um ponto de &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 has moved on and cannot open &quot;%2&quot; again</source>
        <comment>status line</comment>
        <translation>%1 passou para outra coisa e não consegue abrir &quot;%2&quot; de novo</translation>
    </message>
    <message>
        <source>%1 did not resume &quot;%2&quot;</source>
        <comment>status line</comment>
        <translation>%1 não retomou &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>A sleep timer is running and its alarm must ring</source>
        <translation>Um timer de sono está ativo e o seu alarme precisa tocar</translation>
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
        <translation>Adicionar 15 minutos</translation>
    </message>
    <message>
        <source>Cancel the timer</source>
        <translation>Cancelar o temporizador</translation>
    </message>
    <message>
        <source>Silence the alarm</source>
        <translation>Silenciar o alarme</translation>
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
        <translation>somnelle: não é possível abrir uma janela aqui: %1
</translation>
    </message>
</context>
</TS>
