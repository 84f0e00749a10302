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
