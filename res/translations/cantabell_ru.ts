<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Access</name>
    <message>
        <source>Sound</source>
        <translation>Прослушать</translation>
    </message>
    <message>
        <source>%1, key %2 or %3</source>
        <translation>%1, клавиша %2 или %3</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>Нотный стан</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes.</source>
        <translation>
            <numerusform>%n нота.</numerusform>
            <numerusform>%n ноты.</numerusform>
            <numerusform>%n нот.</numerusform>
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
        <translation>верно</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>неверно</translation>
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
        <translation>О программе</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Length of Melody</source>
        <translation>Длина мелодии</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Increase after</source>
        <translation>Увеличивать после</translation>
    </message>
    <message>
        <source>Fixed length:</source>
        <translation>Постоянная длина:</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>нот</translation>
    </message>
</context>
<context>
    <name>CTutorialDlg</name>
    <message>
        <source>Tutorial</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>Credits</name>
    <message>
        <source>by the Cantabell developers</source>
        <translation>от разработчиков Cantabell</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Операционной системе не хватает
памяти или ресурсов.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Указанный файл не найден.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Указанный путь не найден.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Операционная система запретила
доступ к указанному файлу.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Недостаточно памяти для завершения операции.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Файл .EXE повреждён
(не Win32 .EXE или ошибка в образе .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Произошло нарушение совместного доступа.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Сопоставление имени файла
неполно или неверно.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Не удалось завершить транзакцию DDE:
истекло время ожидания запроса.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Сбой транзакции DDE.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Не удалось завершить транзакцию DDE:
обрабатывались другие
транзакции DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>С данным расширением имени файла
не сопоставлено ни одно приложение.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Указанная динамическая библиотека не найдена.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Произошла неизвестная ошибка (%1).</translation>
    </message>
    <message>
        <source>Can&apos;t open link:</source>
        <translation>Не удаётся открыть ссылку:</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Commands</source>
        <translation>&amp;Команды</translation>
    </message>
    <message>
        <source>&amp;Hear again	F2</source>
        <translation>&amp;Прослушать снова	F2</translation>
    </message>
    <message>
        <source>&amp;New melody	F3</source>
        <translation>Новая &amp;мелодия	F3</translation>
    </message>
    <message>
        <source>&amp;Delete notes	F4</source>
        <translation>&amp;Удалить ноты	F4</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Tutorial	F1</source>
        <translation>&amp;Руководство	F1</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Try again!</source>
        <translation>Ещё раз!</translation>
    </message>
    <message>
        <source>That&apos;s it!</source>
        <translation>Точно!</translation>
    </message>
    <message>
        <source>Not quite!</source>
        <translation>Почти!</translation>
    </message>
    <message>
        <source>That&apos;s right!</source>
        <translation>Верно!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Молодец!</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes</source>
        <translation>
            <numerusform>%n нота</numerusform>
            <numerusform>%n ноты</numerusform>
            <numerusform>%n нот</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1: %n Notes</source>
        <translation>
            <numerusform>Этап %1: %n нота</numerusform>
            <numerusform>Этап %1: %n ноты</numerusform>
            <numerusform>Этап %1: %n нот</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pitch</name>
    <message>
        <source>E3</source>
        <translation>ми3</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>фа3</translation>
    </message>
    <message>
        <source>G3</source>
        <translation>соль3</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>ля3</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>си3</translation>
    </message>
    <message>
        <source>C4</source>
        <translation>до4</translation>
    </message>
    <message>
        <source>D4</source>
        <translation>ре4</translation>
    </message>
    <message>
        <source>E4</source>
        <translation>ми4</translation>
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
        <translation>Неизвестный параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Неизвестные параметры: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Нет значения после «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Неожиданное значение после «%1».</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Answer by singing: the microphone listens while you answer.</source>
        <translation>Отвечать пением: микрофон слушает, пока вы отвечаете.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>Usage: cantabell [options]</source>
        <extracomment>The program&apos;s name, cantabell, stays as it is.</extracomment>
        <translation>Использование: cantabell [параметры]</translation>
    </message>
    <message>
        <source>Ear-training game: listen to a short melody and play it back on a little keyboard.</source>
        <translation>Игра для развития слуха: послушайте короткую мелодию и сыграйте её на маленькой клавиатуре.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Qt&apos;s own options are accepted as well, such as -platform wayland or -style fusion.</source>
        <translation>Принимаются и собственные параметры Qt, например -platform wayland или -style fusion.</translation>
    </message>
    <message>
        <source>cannot open the display %1: its Qt platform plugin is not installed</source>
        <translation>не удаётся открыть дисплей %1: его платформенный модуль Qt не установлен</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <extracomment>%1: the display&apos;s name and kind, e.g. &quot;:0&quot; (X11).</extracomment>
        <translation>не удаётся открыть дисплей %1</translation>
    </message>
    <message>
        <source>lost the display %1</source>
        <translation>потеряно соединение с дисплеем %1</translation>
    </message>
    <message>
        <source>(X11, DISPLAY is not set)</source>
        <translation>(X11, переменная DISPLAY не задана)</translation>
    </message>
    <message>
        <source>(platform &quot;%1&quot;)</source>
        <translation>(платформа «%1»)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two displays the game tried, e.g. &quot;:0&quot; (X11) or &quot;wayland-0&quot; (Wayland).</extracomment>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>no sound output; the game plays silently</source>
        <translation>нет вывода звука; игра идёт без звука</translation>
    </message>
    <message>
        <source>cannot listen (%1); answer with the keys</source>
        <extracomment>%1: why, in the words of the pitch detector&apos;s library (English).</extracomment>
        <translation>не удаётся слушать (%1); отвечайте клавишами</translation>
    </message>
    <message>
        <source>no microphone; answer with the keys</source>
        <translation>микрофона нет; отвечайте клавишами</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Commands</source>
        <translation>Команды</translation>
    </message>
    <message>
        <source>Hear Again</source>
        <translation>Прослушать снова</translation>
    </message>
    <message>
        <source>New Melody</source>
        <translation>Новая мелодия</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Удалить ноты</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Listen to the melody played by the computer, then try to play along with the little blue keyboard.</source>
        <translation>Послушайте мелодию, которую играет компьютер, а затем попробуйте повторить её на маленькой синей клавиатуре.</translation>
    </message>
    <message>
        <source>Level of difficulty goes up after 3 succesful tries (1 note is added), but you can change that in the Options/Settings-dialog. You can even set a fixed number of notes.</source>
        <translation>После 3 удачных попыток сложность растёт (добавляется одна нота), но это можно изменить в диалоге Параметры/Настройки. Можно даже задать постоянное число нот.</translation>
    </message>
    <message>
        <source>You can use the &apos;Hear Again&apos; button to hear the current melody again, if you didn&apos;t catch it. If a specific melody is too hard for you to remember, get another one with the &apos;New Melody&apos; button.</source>
        <translation>Кнопка «Прослушать снова» ещё раз проигрывает текущую мелодию, если вы её не расслышали. Если мелодию слишком трудно запомнить, возьмите другую кнопкой «Новая мелодия».</translation>
    </message>
    <message>
        <source>If you have played some wrong notes and you want to start over, delete the notes with the third button.</source>
        <translation>Если вы сыграли неверные ноты и хотите начать заново, удалите ноты третьей кнопкой.</translation>
    </message>
    <message>
        <source>Use the RIGHT MOUSEBUTTON to klick the blue keys if you want to hear the notes before actually playing them.</source>
        <translation>Щёлкайте по синим клавишам ПРАВОЙ КНОПКОЙ МЫШИ, чтобы услышать ноты, прежде чем сыграть их по-настоящему.</translation>
    </message>
    <message>
        <source>Use the menue item &apos;Game - New&apos; to start over with 3 notes if you get into levels too difficult (only applies if fixed length is not set in Options/Settings)</source>
        <translation>Если уровни стали слишком трудными, выберите в меню «Игра – Новая игра», чтобы начать снова с 3 нот (только если в Параметры/Настройки не задана постоянная длина).</translation>
    </message>
</context>
</TS>
