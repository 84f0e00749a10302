<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>Access</name>
    <message>
        <source>Sound</source>
        <translation>Poslechnout</translation>
    </message>
    <message>
        <source>%1, key %2 or %3</source>
        <translation>%1, klávesa %2 nebo %3</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>Osnova</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes.</source>
        <translation>
            <numerusform>%n nota.</numerusform>
            <numerusform>%n noty.</numerusform>
            <numerusform>%n not.</numerusform>
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
        <translation>správně</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>špatně</translation>
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
        <translation>O programu</translation>
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
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Length of Melody</source>
        <translation>Délka melodie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Increase after</source>
        <translation>Prodloužit po</translation>
    </message>
    <message>
        <source>Fixed length:</source>
        <translation>Pevná délka:</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>not</translation>
    </message>
</context>
<context>
    <name>CTutorialDlg</name>
    <message>
        <source>Tutorial</source>
        <translation>Návod</translation>
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
        <translation>od vývojářů Cantabell</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Operační systém nemá dostatek
paměti nebo prostředků.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Zadaný soubor nebyl nalezen.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Zadaná cesta nebyla nalezena.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Operační systém odepřel
přístup k zadanému souboru.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>K dokončení operace není dostatek paměti.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Soubor .EXE je neplatný
(nejde o .EXE pro Win32 nebo je v obrazu .EXE chyba).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Došlo k narušení sdílení.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Přiřazení názvu souboru je
neúplné nebo neplatné.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Transakci DDE nelze dokončit,
protože vypršel časový limit požadavku.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Transakce DDE se nezdařila.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Transakci DDE nelze dokončit,
protože se zpracovávaly
jiné transakce DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>K zadané příponě názvu souboru
není přiřazena žádná aplikace.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Zadaná knihovna DLL nebyla nalezena.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Došlo k neznámé chybě (%1).</translation>
    </message>
    <message>
        <source>Can&apos;t open link:</source>
        <translation>Odkaz nelze otevřít:</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Commands</source>
        <translation>&amp;Příkazy</translation>
    </message>
    <message>
        <source>&amp;Hear again	F2</source>
        <translation>&amp;Přehrát znovu	F2</translation>
    </message>
    <message>
        <source>&amp;New melody	F3</source>
        <translation>Nová &amp;melodie	F3</translation>
    </message>
    <message>
        <source>&amp;Delete notes	F4</source>
        <translation>&amp;Smazat noty	F4</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Nastavení</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>&amp;Tutorial	F1</source>
        <translation>&amp;Návod	F1</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programu</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Try again!</source>
        <translation>Zkus znovu!</translation>
    </message>
    <message>
        <source>That&apos;s it!</source>
        <translation>Přesně tak!</translation>
    </message>
    <message>
        <source>Not quite!</source>
        <translation>Skoro!</translation>
    </message>
    <message>
        <source>That&apos;s right!</source>
        <translation>Správně!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Výborně!</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes</source>
        <translation>
            <numerusform>%n nota</numerusform>
            <numerusform>%n noty</numerusform>
            <numerusform>%n not</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1: %n Notes</source>
        <translation>
            <numerusform>Úroveň %1: %n nota</numerusform>
            <numerusform>Úroveň %1: %n noty</numerusform>
            <numerusform>Úroveň %1: %n not</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pitch</name>
    <message>
        <source>E3</source>
        <translation>E3</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>G3</source>
        <translation>G3</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>H3</translation>
    </message>
    <message>
        <source>C4</source>
        <translation>C4</translation>
    </message>
    <message>
        <source>D4</source>
        <translation>D4</translation>
    </message>
    <message>
        <source>E4</source>
        <translation>E4</translation>
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
        <translation>Neznámá volba „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Neznámé volby: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Chybí hodnota za „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Neočekávaná hodnota za „%1“.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zobrazit tuto nápovědu a skončit.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zobrazit verzi a skončit.</translation>
    </message>
    <message>
        <source>Answer by singing: the microphone listens while you answer.</source>
        <translation>Odpovídat zpěvem: mikrofon poslouchá, zatímco odpovídáš.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>neočekávaný argument „%1“.</translation>
    </message>
    <message>
        <source>Usage: cantabell [options]</source>
        <extracomment>The program&apos;s name, cantabell, stays as it is.</extracomment>
        <translation>Použití: cantabell [volby]</translation>
    </message>
    <message>
        <source>Ear-training game: listen to a short melody and play it back on a little keyboard.</source>
        <translation>Hra pro výcvik sluchu: poslechni si krátkou melodii a zahraj ji na malé klaviatuře.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Volby:</translation>
    </message>
    <message>
        <source>Qt&apos;s own options are accepted as well, such as -platform wayland or -style fusion.</source>
        <translation>Přijímají se i vlastní volby Qt, například -platform wayland nebo -style fusion.</translation>
    </message>
    <message>
        <source>cannot open the display %1: its Qt platform plugin is not installed</source>
        <translation>nelze otevřít displej %1: jeho platformní modul Qt není nainstalován</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <extracomment>%1: the display&apos;s name and kind, e.g. &quot;:0&quot; (X11).</extracomment>
        <translation>nelze otevřít displej %1</translation>
    </message>
    <message>
        <source>lost the display %1</source>
        <translation>spojení s displejem %1 bylo ztraceno</translation>
    </message>
    <message>
        <source>(X11, DISPLAY is not set)</source>
        <translation>(X11, proměnná DISPLAY není nastavena)</translation>
    </message>
    <message>
        <source>(platform &quot;%1&quot;)</source>
        <translation>(platforma „%1“)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two displays the game tried, e.g. &quot;:0&quot; (X11) or &quot;wayland-0&quot; (Wayland).</extracomment>
        <translation>%1 nebo %2</translation>
    </message>
    <message>
        <source>no sound output; the game plays silently</source>
        <translation>žádný zvukový výstup; hra běží bez zvuku</translation>
    </message>
    <message>
        <source>cannot listen (%1); answer with the keys</source>
        <extracomment>%1: why, in the words of the pitch detector&apos;s library (English).</extracomment>
        <translation>nelze poslouchat (%1); odpovídej klávesami</translation>
    </message>
    <message>
        <source>no microphone; answer with the keys</source>
        <translation>žádný mikrofon; odpovídej klávesami</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Commands</source>
        <translation>Příkazy</translation>
    </message>
    <message>
        <source>Hear Again</source>
        <translation>Přehrát znovu</translation>
    </message>
    <message>
        <source>New Melody</source>
        <translation>Nová melodie</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Smazat noty</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Listen to the melody played by the computer, then try to play along with the little blue keyboard.</source>
        <translation>Poslechni si melodii, kterou zahraje počítač, a pak ji zkus zahrát na malé modré klaviatuře.</translation>
    </message>
    <message>
        <source>Level of difficulty goes up after 3 succesful tries (1 note is added), but you can change that in the Options/Settings-dialog. You can even set a fixed number of notes.</source>
        <translation>Po 3 úspěšných pokusech se obtížnost zvýší (přibude jedna nota), ale to můžeš změnit v dialogu Možnosti/Nastavení. Můžeš dokonce nastavit pevný počet not.</translation>
    </message>
    <message>
        <source>You can use the &apos;Hear Again&apos; button to hear the current melody again, if you didn&apos;t catch it. If a specific melody is too hard for you to remember, get another one with the &apos;New Melody&apos; button.</source>
        <translation>Tlačítkem „Přehrát znovu“ si aktuální melodii poslechneš ještě jednou, pokud jsi ji nezachytil. Když je nějaká melodie moc těžká na zapamatování, vezmi si jinou tlačítkem „Nová melodie“.</translation>
    </message>
    <message>
        <source>If you have played some wrong notes and you want to start over, delete the notes with the third button.</source>
        <translation>Pokud jsi zahrál špatné noty a chceš začít znovu, smaž noty třetím tlačítkem.</translation>
    </message>
    <message>
        <source>Use the RIGHT MOUSEBUTTON to klick the blue keys if you want to hear the notes before actually playing them.</source>
        <translation>Klikni na modré klávesy PRAVÝM TLAČÍTKEM MYŠI, pokud chceš noty slyšet dřív, než je opravdu zahraješ.</translation>
    </message>
    <message>
        <source>Use the menue item &apos;Game - New&apos; to start over with 3 notes if you get into levels too difficult (only applies if fixed length is not set in Options/Settings)</source>
        <translation>Když jsou úrovně moc těžké, začni znovu se 3 notami položkou nabídky „Hra – Nová hra“ (platí jen tehdy, když v Možnosti/Nastavení není nastavena pevná délka).</translation>
    </message>
</context>
</TS>
