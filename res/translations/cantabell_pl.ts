<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Access</name>
    <message>
        <source>Sound</source>
        <translation>Odsłuchaj</translation>
    </message>
    <message>
        <source>%1, key %2 or %3</source>
        <translation>%1, klawisz %2 lub %3</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>Pięciolinia</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes.</source>
        <translation>
            <numerusform>%n nuta.</numerusform>
            <numerusform>%n nuty.</numerusform>
            <numerusform>%n nut.</numerusform>
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
        <translation>dobrze</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>źle</translation>
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
        <translation>O programie</translation>
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
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Length of Melody</source>
        <translation>Długość melodii</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Increase after</source>
        <translation>Zwiększaj po</translation>
    </message>
    <message>
        <source>Fixed length:</source>
        <translation>Stała długość:</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>nut</translation>
    </message>
</context>
<context>
    <name>CTutorialDlg</name>
    <message>
        <source>Tutorial</source>
        <translation>Samouczek</translation>
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
        <translation>autorstwa twórców Cantabell</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>System operacyjny nie ma
wystarczającej pamięci lub zasobów.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Nie znaleziono określonego pliku.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Nie znaleziono określonej ścieżki.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>System operacyjny odmówił
dostępu do określonego pliku.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Za mało pamięci, aby ukończyć operację.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Plik .EXE jest nieprawidłowy
(nie jest to plik .EXE Win32 lub obraz .EXE zawiera błąd).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Wystąpiło naruszenie zasad udostępniania.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Skojarzenie nazwy pliku jest
niekompletne lub nieprawidłowe.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Nie można ukończyć transakcji DDE,
ponieważ upłynął limit czasu żądania.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Transakcja DDE nie powiodła się.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Nie można ukończyć transakcji DDE,
ponieważ były przetwarzane
inne transakcje DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Z podanym rozszerzeniem nazwy pliku
nie skojarzono żadnej aplikacji.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Nie znaleziono określonej biblioteki DLL.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Wystąpił nieznany błąd (%1).</translation>
    </message>
    <message>
        <source>Can&apos;t open link:</source>
        <translation>Nie można otworzyć łącza:</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Commands</source>
        <translation>&amp;Polecenia</translation>
    </message>
    <message>
        <source>&amp;Hear again	F2</source>
        <translation>&amp;Posłuchaj ponownie	F2</translation>
    </message>
    <message>
        <source>&amp;New melody	F3</source>
        <translation>Nowa &amp;melodia	F3</translation>
    </message>
    <message>
        <source>&amp;Delete notes	F4</source>
        <translation>&amp;Usuń nuty	F4</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Tutorial	F1</source>
        <translation>&amp;Samouczek	F1</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Try again!</source>
        <translation>Jeszcze raz!</translation>
    </message>
    <message>
        <source>That&apos;s it!</source>
        <translation>O to chodzi!</translation>
    </message>
    <message>
        <source>Not quite!</source>
        <translation>Prawie!</translation>
    </message>
    <message>
        <source>That&apos;s right!</source>
        <translation>Dobrze!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Brawo!</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes</source>
        <translation>
            <numerusform>%n nuta</numerusform>
            <numerusform>%n nuty</numerusform>
            <numerusform>%n nut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1: %n Notes</source>
        <translation>
            <numerusform>Poziom %1: %n nuta</numerusform>
            <numerusform>Poziom %1: %n nuty</numerusform>
            <numerusform>Poziom %1: %n nut</numerusform>
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
        <translation>Nieznana opcja „%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nieznane opcje: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Brak wartości po „%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nieoczekiwana wartość po „%1”.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Pokaż tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Pokaż wersję i zakończ.</translation>
    </message>
    <message>
        <source>Answer by singing: the microphone listens while you answer.</source>
        <translation>Odpowiadaj śpiewem: mikrofon słucha, gdy odpowiadasz.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Usage: cantabell [options]</source>
        <extracomment>The program&apos;s name, cantabell, stays as it is.</extracomment>
        <translation>Użycie: cantabell [opcje]</translation>
    </message>
    <message>
        <source>Ear-training game: listen to a short melody and play it back on a little keyboard.</source>
        <translation>Gra do kształcenia słuchu: posłuchaj krótkiej melodii i zagraj ją na małej klawiaturze.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>Qt&apos;s own options are accepted as well, such as -platform wayland or -style fusion.</source>
        <translation>Przyjmowane są też opcje samego Qt, na przykład -platform wayland lub -style fusion.</translation>
    </message>
    <message>
        <source>cannot open the display %1: its Qt platform plugin is not installed</source>
        <translation>nie można otworzyć ekranu %1: jego wtyczka platformy Qt nie jest zainstalowana</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <extracomment>%1: the display&apos;s name and kind, e.g. &quot;:0&quot; (X11).</extracomment>
        <translation>nie można otworzyć ekranu %1</translation>
    </message>
    <message>
        <source>lost the display %1</source>
        <translation>utracono połączenie z ekranem %1</translation>
    </message>
    <message>
        <source>(X11, DISPLAY is not set)</source>
        <translation>(X11, zmienna DISPLAY nie jest ustawiona)</translation>
    </message>
    <message>
        <source>(platform &quot;%1&quot;)</source>
        <translation>(platforma „%1”)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two displays the game tried, e.g. &quot;:0&quot; (X11) or &quot;wayland-0&quot; (Wayland).</extracomment>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>no sound output; the game plays silently</source>
        <translation>brak wyjścia dźwięku; gra toczy się bez dźwięku</translation>
    </message>
    <message>
        <source>cannot listen (%1); answer with the keys</source>
        <extracomment>%1: why, in the words of the pitch detector&apos;s library (English).</extracomment>
        <translation>nie można słuchać (%1); odpowiadaj klawiszami</translation>
    </message>
    <message>
        <source>no microphone; answer with the keys</source>
        <translation>brak mikrofonu; odpowiadaj klawiszami</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Commands</source>
        <translation>Polecenia</translation>
    </message>
    <message>
        <source>Hear Again</source>
        <translation>Posłuchaj ponownie</translation>
    </message>
    <message>
        <source>New Melody</source>
        <translation>Nowa melodia</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Usuń nuty</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Listen to the melody played by the computer, then try to play along with the little blue keyboard.</source>
        <translation>Posłuchaj melodii zagranej przez komputer, a potem spróbuj zagrać ją na małej niebieskiej klawiaturze.</translation>
    </message>
    <message>
        <source>Level of difficulty goes up after 3 succesful tries (1 note is added), but you can change that in the Options/Settings-dialog. You can even set a fixed number of notes.</source>
        <translation>Poziom trudności rośnie po 3 udanych próbach (dochodzi jedna nuta), ale możesz to zmienić w oknie Opcje/Ustawienia. Możesz nawet ustawić stałą liczbę nut.</translation>
    </message>
    <message>
        <source>You can use the &apos;Hear Again&apos; button to hear the current melody again, if you didn&apos;t catch it. If a specific melody is too hard for you to remember, get another one with the &apos;New Melody&apos; button.</source>
        <translation>Przyciskiem „Posłuchaj ponownie” odtworzysz bieżącą melodię jeszcze raz, jeśli jej nie uchwyciłeś. Jeśli jakaś melodia jest zbyt trudna do zapamiętania, weź inną przyciskiem „Nowa melodia”.</translation>
    </message>
    <message>
        <source>If you have played some wrong notes and you want to start over, delete the notes with the third button.</source>
        <translation>Jeśli zagrałeś złe nuty i chcesz zacząć od nowa, usuń nuty trzecim przyciskiem.</translation>
    </message>
    <message>
        <source>Use the RIGHT MOUSEBUTTON to klick the blue keys if you want to hear the notes before actually playing them.</source>
        <translation>Klikaj niebieskie klawisze PRAWYM PRZYCISKIEM MYSZY, jeśli chcesz usłyszeć nuty, zanim naprawdę je zagrasz.</translation>
    </message>
    <message>
        <source>Use the menue item &apos;Game - New&apos; to start over with 3 notes if you get into levels too difficult (only applies if fixed length is not set in Options/Settings)</source>
        <translation>Jeśli poziomy staną się zbyt trudne, wybierz z menu „Gra – Nowa gra”, aby zacząć od nowa z 3 nutami (tylko gdy w Opcje/Ustawienia nie ustawiono stałej długości).</translation>
    </message>
</context>
</TS>
