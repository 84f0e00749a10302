<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Access</name>
    <message>
        <source>Sound</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>%1, key %2 or %3</source>
        <translation>%1, tecla %2 ou %3</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>Pauta</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes.</source>
        <translation>
            <numerusform>%n nota.</numerusform>
            <numerusform>%n notas.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1: %2, %3.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>right</source>
        <translation>certa</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>errada</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A note just entered (%1, e.g. &quot;E, right&quot;) and the judgement it brought (%2), said together as two sentences.</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Length of Melody</source>
        <translation>Tamanho da melodia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Increase after</source>
        <translation>Aumentar após</translation>
    </message>
    <message>
        <source>Fixed length:</source>
        <translation>Tamanho fixo:</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notas</translation>
    </message>
</context>
<context>
    <name>CTutorialDlg</name>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Credits</name>
    <message>
        <source>by the Cantabell developers</source>
        <translation>pelos desenvolvedores do Cantabell</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>O sistema operacional está sem
memória ou recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>O arquivo especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>O caminho especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>O sistema operacional negou o
acesso ao arquivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Não havia memória suficiente para concluir a operação.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>O arquivo .EXE é inválido
(.EXE não Win32 ou erro na imagem .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Ocorreu uma violação de compartilhamento.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>A associação do nome de arquivo está
incompleta ou é inválida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Não foi possível concluir a transação DDE
porque o tempo da solicitação se esgotou.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>A transação DDE falhou.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Não foi possível concluir a transação DDE
porque outras transações DDE
estavam sendo processadas.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Não há nenhum aplicativo associado
à extensão de nome de arquivo indicada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>A biblioteca de vínculo dinâmico especificada não foi encontrada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ocorreu um erro desconhecido (%1).</translation>
    </message>
    <message>
        <source>Can&apos;t open link:</source>
        <translation>Não é possível abrir o link:</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Commands</source>
        <translation>&amp;Comandos</translation>
    </message>
    <message>
        <source>&amp;Hear again	F2</source>
        <translation>&amp;Ouvir de novo	F2</translation>
    </message>
    <message>
        <source>&amp;New melody	F3</source>
        <translation>Nova &amp;melodia	F3</translation>
    </message>
    <message>
        <source>&amp;Delete notes	F4</source>
        <translation>&amp;Apagar notas	F4</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Tutorial	F1</source>
        <translation>&amp;Tutorial	F1</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Try again!</source>
        <translation>Tente de novo!</translation>
    </message>
    <message>
        <source>That&apos;s it!</source>
        <translation>É isso!</translation>
    </message>
    <message>
        <source>Not quite!</source>
        <translation>Quase!</translation>
    </message>
    <message>
        <source>That&apos;s right!</source>
        <translation>Certo!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Muito bem!</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes</source>
        <translation>
            <numerusform>%n nota</numerusform>
            <numerusform>%n notas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1: %n Notes</source>
        <translation>
            <numerusform>Nível %1: %n nota</numerusform>
            <numerusform>Nível %1: %n notas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pitch</name>
    <message>
        <source>E3</source>
        <translation>Mi3</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>Fá3</translation>
    </message>
    <message>
        <source>G3</source>
        <translation>Sol3</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>Lá3</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>Si3</translation>
    </message>
    <message>
        <source>C4</source>
        <translation>Dó4</translation>
    </message>
    <message>
        <source>D4</source>
        <translation>Ré4</translation>
    </message>
    <message>
        <source>E4</source>
        <translation>Mi4</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;LTR&quot; for a language written left to right, &quot;RTL&quot; for one written right to left.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opções desconhecidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta um valor depois de “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado depois de “%1”.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Answer by singing: the microphone listens while you answer.</source>
        <translation>Responder cantando: o microfone escuta enquanto você responde.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>Usage: cantabell [options]</source>
        <extracomment>The program&apos;s name, cantabell, stays as it is.</extracomment>
        <translation>Uso: cantabell [opções]</translation>
    </message>
    <message>
        <source>Ear-training game: listen to a short melody and play it back on a little keyboard.</source>
        <translation>Jogo de treino auditivo: ouça uma melodia curta e toque-a em um pequeno teclado.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Qt&apos;s own options are accepted as well, such as -platform wayland or -style fusion.</source>
        <translation>As opções do próprio Qt também são aceitas, como -platform wayland ou -style fusion.</translation>
    </message>
    <message>
        <source>cannot open the display %1: its Qt platform plugin is not installed</source>
        <translation>não foi possível abrir a tela %1: o plugin de plataforma do Qt para ela não está instalado</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <extracomment>%1: the display&apos;s name and kind, e.g. &quot;:0&quot; (X11).</extracomment>
        <translation>não foi possível abrir a tela %1</translation>
    </message>
    <message>
        <source>lost the display %1</source>
        <translation>conexão com a tela %1 perdida</translation>
    </message>
    <message>
        <source>(X11, DISPLAY is not set)</source>
        <translation>(X11, DISPLAY não está definida)</translation>
    </message>
    <message>
        <source>(platform &quot;%1&quot;)</source>
        <translation>(plataforma “%1”)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two displays the game tried, e.g. &quot;:0&quot; (X11) or &quot;wayland-0&quot; (Wayland).</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>no sound output; the game plays silently</source>
        <translation>nenhuma saída de som; o jogo continua sem som</translation>
    </message>
    <message>
        <source>cannot listen (%1); answer with the keys</source>
        <extracomment>%1: why, in the words of the pitch detector&apos;s library (English).</extracomment>
        <translation>não é possível ouvir (%1); responda com as teclas</translation>
    </message>
    <message>
        <source>no microphone; answer with the keys</source>
        <translation>nenhum microfone; responda com as teclas</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Hear Again</source>
        <translation>Ouvir de novo</translation>
    </message>
    <message>
        <source>New Melody</source>
        <translation>Nova melodia</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Apagar notas</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Listen to the melody played by the computer, then try to play along with the little blue keyboard.</source>
        <translation>Ouça a melodia tocada pelo computador e depois tente tocá-la no pequeno teclado azul.</translation>
    </message>
    <message>
        <source>Level of difficulty goes up after 3 succesful tries (1 note is added), but you can change that in the Options/Settings-dialog. You can even set a fixed number of notes.</source>
        <translation>O nível de dificuldade sobe após 3 tentativas certas (uma nota é acrescentada), mas você pode mudar isso na janela Opções/Configurações. Você pode até definir um número fixo de notas.</translation>
    </message>
    <message>
        <source>You can use the &apos;Hear Again&apos; button to hear the current melody again, if you didn&apos;t catch it. If a specific melody is too hard for you to remember, get another one with the &apos;New Melody&apos; button.</source>
        <translation>Use o botão &quot;Ouvir de novo&quot; para ouvir a melodia atual outra vez, se não a tiver captado. Se uma melodia for difícil demais de lembrar, pegue outra com o botão &quot;Nova melodia&quot;.</translation>
    </message>
    <message>
        <source>If you have played some wrong notes and you want to start over, delete the notes with the third button.</source>
        <translation>Se você tocou notas erradas e quer recomeçar, apague as notas com o terceiro botão.</translation>
    </message>
    <message>
        <source>Use the RIGHT MOUSEBUTTON to klick the blue keys if you want to hear the notes before actually playing them.</source>
        <translation>Clique nas teclas azuis com o BOTÃO DIREITO do mouse se quiser ouvir as notas antes de tocá-las de verdade.</translation>
    </message>
    <message>
        <source>Use the menue item &apos;Game - New&apos; to start over with 3 notes if you get into levels too difficult (only applies if fixed length is not set in Options/Settings)</source>
        <translation>Use o item de menu &quot;Jogo - Novo&quot; para recomeçar com 3 notas se os níveis ficarem difíceis demais (só vale se não houver tamanho fixo definido em Opções/Configurações).</translation>
    </message>
</context>
</TS>
