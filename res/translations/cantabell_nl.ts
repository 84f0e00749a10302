<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Access</name>
    <message>
        <source>Sound</source>
        <translation>Beluisteren</translation>
    </message>
    <message>
        <source>%1, key %2 or %3</source>
        <translation>%1, toets %2 of %3</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>Notenbalk</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes.</source>
        <translation>
            <numerusform>%n noot.</numerusform>
            <numerusform>%n noten.</numerusform>
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
        <translation>goed</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>fout</translation>
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
        <translation>Over</translation>
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
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Length of Melody</source>
        <translation>Lengte van de melodie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Increase after</source>
        <translation>Verhogen na</translation>
    </message>
    <message>
        <source>Fixed length:</source>
        <translation>Vaste lengte:</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>noten</translation>
    </message>
</context>
<context>
    <name>CTutorialDlg</name>
    <message>
        <source>Tutorial</source>
        <translation>Uitleg</translation>
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
        <translation>door de ontwikkelaars van Cantabell</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Het besturingssysteem heeft onvoldoende
geheugen of bronnen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Het opgegeven bestand is niet gevonden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Het opgegeven pad is niet gevonden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Het besturingssysteem heeft de toegang
tot het opgegeven bestand geweigerd.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Er was onvoldoende geheugen om de bewerking te voltooien.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Het .EXE-bestand is ongeldig
(geen Win32-.EXE of fout in de .EXE-image).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Er is een schending bij het delen opgetreden.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>De koppeling van de bestandsnaam is
onvolledig of ongeldig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>De DDE-transactie kon niet worden voltooid
omdat er een time-out voor de aanvraag optrad.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>De DDE-transactie is mislukt.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>De DDE-transactie kon niet worden voltooid
omdat er andere DDE-transacties
werden verwerkt.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Er is geen toepassing gekoppeld
aan de opgegeven bestandsnaamextensie.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>De opgegeven DLL (dynamic-link library) is niet gevonden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Er is een onbekende fout (%1) opgetreden.</translation>
    </message>
    <message>
        <source>Can&apos;t open link:</source>
        <translation>Kan de koppeling niet openen:</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Commands</source>
        <translation>Op&amp;drachten</translation>
    </message>
    <message>
        <source>&amp;Hear again	F2</source>
        <translation>Opnieuw &amp;beluisteren	F2</translation>
    </message>
    <message>
        <source>&amp;New melody	F3</source>
        <translation>Nieuwe &amp;melodie	F3</translation>
    </message>
    <message>
        <source>&amp;Delete notes	F4</source>
        <translation>Noten &amp;wissen	F4</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Tutorial	F1</source>
        <translation>&amp;Uitleg	F1</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Try again!</source>
        <translation>Nog eens!</translation>
    </message>
    <message>
        <source>That&apos;s it!</source>
        <translation>Dat is &apos;m!</translation>
    </message>
    <message>
        <source>Not quite!</source>
        <translation>Net niet!</translation>
    </message>
    <message>
        <source>That&apos;s right!</source>
        <translation>Goed zo!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Knap gedaan!</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes</source>
        <translation>
            <numerusform>%n noot</numerusform>
            <numerusform>%n noten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1: %n Notes</source>
        <translation>
            <numerusform>Niveau %1: %n noot</numerusform>
            <numerusform>Niveau %1: %n noten</numerusform>
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
        <translation>B3</translation>
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
        <translation>Onbekende optie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Onbekende opties: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Ontbrekende waarde na &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Onverwachte waarde na &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Answer by singing: the microphone listens while you answer.</source>
        <translation>Antwoorden door te zingen: de microfoon luistert terwijl je antwoordt.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>onverwacht argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Usage: cantabell [options]</source>
        <extracomment>The program&apos;s name, cantabell, stays as it is.</extracomment>
        <translation>Gebruik: cantabell [opties]</translation>
    </message>
    <message>
        <source>Ear-training game: listen to a short melody and play it back on a little keyboard.</source>
        <translation>Gehoortrainingsspel: luister naar een korte melodie en speel die na op een klein toetsenbord.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>Qt&apos;s own options are accepted as well, such as -platform wayland or -style fusion.</source>
        <translation>Ook de eigen opties van Qt worden aanvaard, zoals -platform wayland of -style fusion.</translation>
    </message>
    <message>
        <source>cannot open the display %1: its Qt platform plugin is not installed</source>
        <translation>kan het scherm %1 niet openen: de bijbehorende Qt-platformplug-in is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <extracomment>%1: the display&apos;s name and kind, e.g. &quot;:0&quot; (X11).</extracomment>
        <translation>kan het scherm %1 niet openen</translation>
    </message>
    <message>
        <source>lost the display %1</source>
        <translation>verbinding met het scherm %1 verloren</translation>
    </message>
    <message>
        <source>(X11, DISPLAY is not set)</source>
        <translation>(X11, DISPLAY is niet ingesteld)</translation>
    </message>
    <message>
        <source>(platform &quot;%1&quot;)</source>
        <translation>(platform &apos;%1&apos;)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two displays the game tried, e.g. &quot;:0&quot; (X11) or &quot;wayland-0&quot; (Wayland).</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>no sound output; the game plays silently</source>
        <translation>geen geluidsuitvoer; het spel speelt zonder geluid</translation>
    </message>
    <message>
        <source>cannot listen (%1); answer with the keys</source>
        <extracomment>%1: why, in the words of the pitch detector&apos;s library (English).</extracomment>
        <translation>kan niet luisteren (%1); antwoord met de toetsen</translation>
    </message>
    <message>
        <source>no microphone; answer with the keys</source>
        <translation>geen microfoon; antwoord met de toetsen</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Commands</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Hear Again</source>
        <translation>Opnieuw beluisteren</translation>
    </message>
    <message>
        <source>New Melody</source>
        <translation>Nieuwe melodie</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Noten wissen</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Listen to the melody played by the computer, then try to play along with the little blue keyboard.</source>
        <translation>Luister naar de melodie die de computer speelt en probeer die dan na te spelen op het kleine blauwe toetsenbord.</translation>
    </message>
    <message>
        <source>Level of difficulty goes up after 3 succesful tries (1 note is added), but you can change that in the Options/Settings-dialog. You can even set a fixed number of notes.</source>
        <translation>Na 3 geslaagde pogingen wordt het moeilijker (er komt een noot bij), maar dat kun je veranderen in het venster Opties/Instellingen. Je kunt zelfs een vast aantal noten instellen.</translation>
    </message>
    <message>
        <source>You can use the &apos;Hear Again&apos; button to hear the current melody again, if you didn&apos;t catch it. If a specific melody is too hard for you to remember, get another one with the &apos;New Melody&apos; button.</source>
        <translation>Met de knop &apos;Opnieuw beluisteren&apos; hoor je de huidige melodie nog een keer als je die gemist hebt. Is een melodie te moeilijk om te onthouden, neem dan een andere met de knop &apos;Nieuwe melodie&apos;.</translation>
    </message>
    <message>
        <source>If you have played some wrong notes and you want to start over, delete the notes with the third button.</source>
        <translation>Heb je verkeerde noten gespeeld en wil je opnieuw beginnen, wis de noten dan met de derde knop.</translation>
    </message>
    <message>
        <source>Use the RIGHT MOUSEBUTTON to klick the blue keys if you want to hear the notes before actually playing them.</source>
        <translation>Klik met de RECHTERMUISKNOP op de blauwe toetsen als je de noten wilt horen voordat je ze echt speelt.</translation>
    </message>
    <message>
        <source>Use the menue item &apos;Game - New&apos; to start over with 3 notes if you get into levels too difficult (only applies if fixed length is not set in Options/Settings)</source>
        <translation>Kies het menu-item &apos;Spel - Nieuw&apos; om opnieuw te beginnen met 3 noten als de niveaus te moeilijk worden (alleen als er in Opties/Instellingen geen vaste lengte is ingesteld).</translation>
    </message>
</context>
</TS>
