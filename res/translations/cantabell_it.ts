<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Access</name>
    <message>
        <source>Sound</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>%1, key %2 or %3</source>
        <translation>%1, tasto %2 o %3</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>Pentagramma</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes.</source>
        <translation>
            <numerusform>%n nota.</numerusform>
            <numerusform>%n note.</numerusform>
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
        <translation>giusta</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>sbagliata</translation>
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
        <translation>Informazioni</translation>
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
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Length of Melody</source>
        <translation>Lunghezza della melodia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Increase after</source>
        <translation>Aumenta dopo</translation>
    </message>
    <message>
        <source>Fixed length:</source>
        <translation>Lunghezza fissa:</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>note</translation>
    </message>
</context>
<context>
    <name>CTutorialDlg</name>
    <message>
        <source>Tutorial</source>
        <translation>Guida</translation>
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
        <translation>dagli sviluppatori di Cantabell</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Memoria o risorse del sistema
operativo esaurite.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Impossibile trovare il file specificato.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Impossibile trovare il percorso specificato.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Il sistema operativo ha negato
l&apos;accesso al file specificato.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Memoria insufficiente per completare l&apos;operazione.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Il file .EXE non è valido
(.EXE non Win32 o errore nell&apos;immagine .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Si è verificata una violazione di condivisione.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;associazione del nome file è
incompleta o non valida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Impossibile completare la transazione DDE
perché la richiesta è scaduta.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Transazione DDE non riuscita.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Impossibile completare la transazione DDE
perché erano in corso altre
transazioni DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nessuna applicazione associata
all&apos;estensione del nome file indicata.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Impossibile trovare la libreria a collegamento dinamico specificata.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Si è verificato un errore sconosciuto (%1).</translation>
    </message>
    <message>
        <source>Can&apos;t open link:</source>
        <translation>Impossibile aprire il collegamento:</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Commands</source>
        <translation>&amp;Comandi</translation>
    </message>
    <message>
        <source>&amp;Hear again	F2</source>
        <translation>&amp;Riascolta	F2</translation>
    </message>
    <message>
        <source>&amp;New melody	F3</source>
        <translation>Nuova &amp;melodia	F3</translation>
    </message>
    <message>
        <source>&amp;Delete notes	F4</source>
        <translation>&amp;Cancella note	F4</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Tutorial	F1</source>
        <translation>&amp;Guida	F1</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Try again!</source>
        <translation>Riprova!</translation>
    </message>
    <message>
        <source>That&apos;s it!</source>
        <translation>Esatto!</translation>
    </message>
    <message>
        <source>Not quite!</source>
        <translation>Quasi!</translation>
    </message>
    <message>
        <source>That&apos;s right!</source>
        <translation>Giusto!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Ben fatto!</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes</source>
        <translation>
            <numerusform>%n nota</numerusform>
            <numerusform>%n note</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1: %n Notes</source>
        <translation>
            <numerusform>Livello %1: %n nota</numerusform>
            <numerusform>Livello %1: %n note</numerusform>
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
        <translation>Fa3</translation>
    </message>
    <message>
        <source>G3</source>
        <translation>Sol3</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>La3</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>Si3</translation>
    </message>
    <message>
        <source>C4</source>
        <translation>Do4</translation>
    </message>
    <message>
        <source>D4</source>
        <translation>Re4</translation>
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
        <translation>Opzione sconosciuta «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opzioni sconosciute: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valore mancante dopo «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valore inatteso dopo «%1».</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Answer by singing: the microphone listens while you answer.</source>
        <translation>Risponde cantando: il microfono ascolta mentre rispondi.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>Usage: cantabell [options]</source>
        <extracomment>The program&apos;s name, cantabell, stays as it is.</extracomment>
        <translation>Uso: cantabell [opzioni]</translation>
    </message>
    <message>
        <source>Ear-training game: listen to a short melody and play it back on a little keyboard.</source>
        <translation>Gioco di educazione dell&apos;orecchio: ascolta una breve melodia e risuonala su una piccola tastiera.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Qt&apos;s own options are accepted as well, such as -platform wayland or -style fusion.</source>
        <translation>Sono accettate anche le opzioni proprie di Qt, come -platform wayland o -style fusion.</translation>
    </message>
    <message>
        <source>cannot open the display %1: its Qt platform plugin is not installed</source>
        <translation>impossibile aprire il display %1: il suo plugin di piattaforma Qt non è installato</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <extracomment>%1: the display&apos;s name and kind, e.g. &quot;:0&quot; (X11).</extracomment>
        <translation>impossibile aprire il display %1</translation>
    </message>
    <message>
        <source>lost the display %1</source>
        <translation>persa la connessione al display %1</translation>
    </message>
    <message>
        <source>(X11, DISPLAY is not set)</source>
        <translation>(X11, DISPLAY non è impostata)</translation>
    </message>
    <message>
        <source>(platform &quot;%1&quot;)</source>
        <translation>(piattaforma «%1»)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two displays the game tried, e.g. &quot;:0&quot; (X11) or &quot;wayland-0&quot; (Wayland).</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>no sound output; the game plays silently</source>
        <translation>nessuna uscita audio; il gioco prosegue senza suono</translation>
    </message>
    <message>
        <source>cannot listen (%1); answer with the keys</source>
        <extracomment>%1: why, in the words of the pitch detector&apos;s library (English).</extracomment>
        <translation>impossibile ascoltare (%1); rispondi con i tasti</translation>
    </message>
    <message>
        <source>no microphone; answer with the keys</source>
        <translation>nessun microfono; rispondi con i tasti</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Commands</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Hear Again</source>
        <translation>Riascolta</translation>
    </message>
    <message>
        <source>New Melody</source>
        <translation>Nuova melodia</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Cancella note</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Listen to the melody played by the computer, then try to play along with the little blue keyboard.</source>
        <translation>Ascolta la melodia suonata dal computer, poi prova a suonarla sulla piccola tastiera blu.</translation>
    </message>
    <message>
        <source>Level of difficulty goes up after 3 succesful tries (1 note is added), but you can change that in the Options/Settings-dialog. You can even set a fixed number of notes.</source>
        <translation>La difficoltà aumenta dopo 3 tentativi riusciti (si aggiunge una nota), ma puoi cambiarlo nella finestra Opzioni/Impostazioni. Puoi anche impostare un numero fisso di note.</translation>
    </message>
    <message>
        <source>You can use the &apos;Hear Again&apos; button to hear the current melody again, if you didn&apos;t catch it. If a specific melody is too hard for you to remember, get another one with the &apos;New Melody&apos; button.</source>
        <translation>Usa il pulsante «Riascolta» per sentire di nuovo la melodia attuale se non l&apos;hai colta. Se una melodia è troppo difficile da ricordare, prendine un&apos;altra con il pulsante «Nuova melodia».</translation>
    </message>
    <message>
        <source>If you have played some wrong notes and you want to start over, delete the notes with the third button.</source>
        <translation>Se hai suonato delle note sbagliate e vuoi ricominciare, cancella le note con il terzo pulsante.</translation>
    </message>
    <message>
        <source>Use the RIGHT MOUSEBUTTON to klick the blue keys if you want to hear the notes before actually playing them.</source>
        <translation>Fai clic sui tasti blu con il TASTO DESTRO del mouse se vuoi sentire le note prima di suonarle davvero.</translation>
    </message>
    <message>
        <source>Use the menue item &apos;Game - New&apos; to start over with 3 notes if you get into levels too difficult (only applies if fixed length is not set in Options/Settings)</source>
        <translation>Usa la voce di menu «Partita - Nuova partita» per ricominciare con 3 note se i livelli diventano troppo difficili (vale solo se in Opzioni/Impostazioni non è impostata una lunghezza fissa).</translation>
    </message>
</context>
</TS>
