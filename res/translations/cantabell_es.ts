<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Access</name>
    <message>
        <source>Sound</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>%1, key %2 or %3</source>
        <translation>%1, tecla %2 o %3</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>Pentagrama</translation>
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
        <translation>correcta</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecta</translation>
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
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Length of Melody</source>
        <translation>Longitud de la melodía</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Increase after</source>
        <translation>Aumentar tras</translation>
    </message>
    <message>
        <source>Fixed length:</source>
        <translation>Longitud fija:</translation>
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
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Credits</name>
    <message>
        <source>by the Cantabell developers</source>
        <translation>por los desarrolladores de Cantabell</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo se ha quedado
sin memoria o recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo especificado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta especificada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo denegó el
acceso al archivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No había memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(no es un .EXE de Win32 o hay un error en la imagen .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se ha producido una infracción de uso compartido.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo
está incompleta o no es válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>No se pudo completar la transacción DDE
porque se agotó el tiempo de espera.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Error en la transacción DDE.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>No se pudo completar la transacción DDE
porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
a la extensión de archivo indicada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca de vínculos dinámicos especificada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se ha producido un error desconocido (%1).</translation>
    </message>
    <message>
        <source>Can&apos;t open link:</source>
        <translation>No se puede abrir el enlace:</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Commands</source>
        <translation>&amp;Comandos</translation>
    </message>
    <message>
        <source>&amp;Hear again	F2</source>
        <translation>&amp;Escuchar otra vez	F2</translation>
    </message>
    <message>
        <source>&amp;New melody	F3</source>
        <translation>Nueva &amp;melodía	F3</translation>
    </message>
    <message>
        <source>&amp;Delete notes	F4</source>
        <translation>&amp;Borrar notas	F4</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Tutorial	F1</source>
        <translation>&amp;Tutorial	F1</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Try again!</source>
        <translation>¡Otra vez!</translation>
    </message>
    <message>
        <source>That&apos;s it!</source>
        <translation>¡Eso es!</translation>
    </message>
    <message>
        <source>Not quite!</source>
        <translation>¡Casi!</translation>
    </message>
    <message>
        <source>That&apos;s right!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>¡Muy bien!</translation>
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
            <numerusform>Nivel %1: %n nota</numerusform>
            <numerusform>Nivel %1: %n notas</numerusform>
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
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor después de «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de «%1».</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Answer by singing: the microphone listens while you answer.</source>
        <translation>Responder cantando: el micrófono escucha mientras respondes.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Usage: cantabell [options]</source>
        <extracomment>The program&apos;s name, cantabell, stays as it is.</extracomment>
        <translation>Uso: cantabell [opciones]</translation>
    </message>
    <message>
        <source>Ear-training game: listen to a short melody and play it back on a little keyboard.</source>
        <translation>Juego de entrenamiento auditivo: escucha una melodía corta y tócala en un pequeño teclado.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Qt&apos;s own options are accepted as well, such as -platform wayland or -style fusion.</source>
        <translation>También se aceptan las opciones propias de Qt, como -platform wayland o -style fusion.</translation>
    </message>
    <message>
        <source>cannot open the display %1: its Qt platform plugin is not installed</source>
        <translation>no se puede abrir la pantalla %1: su complemento de plataforma de Qt no está instalado</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <extracomment>%1: the display&apos;s name and kind, e.g. &quot;:0&quot; (X11).</extracomment>
        <translation>no se puede abrir la pantalla %1</translation>
    </message>
    <message>
        <source>lost the display %1</source>
        <translation>se perdió la conexión con la pantalla %1</translation>
    </message>
    <message>
        <source>(X11, DISPLAY is not set)</source>
        <translation>(X11, DISPLAY no está definida)</translation>
    </message>
    <message>
        <source>(platform &quot;%1&quot;)</source>
        <translation>(plataforma «%1»)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two displays the game tried, e.g. &quot;:0&quot; (X11) or &quot;wayland-0&quot; (Wayland).</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>no sound output; the game plays silently</source>
        <translation>no hay salida de sonido; el juego sigue sin sonido</translation>
    </message>
    <message>
        <source>cannot listen (%1); answer with the keys</source>
        <extracomment>%1: why, in the words of the pitch detector&apos;s library (English).</extracomment>
        <translation>no se puede escuchar (%1); responde con las teclas</translation>
    </message>
    <message>
        <source>no microphone; answer with the keys</source>
        <translation>no hay micrófono; responde con las teclas</translation>
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
        <translation>Escuchar otra vez</translation>
    </message>
    <message>
        <source>New Melody</source>
        <translation>Nueva melodía</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Borrar notas</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Listen to the melody played by the computer, then try to play along with the little blue keyboard.</source>
        <translation>Escucha la melodía que toca el ordenador y luego intenta tocarla en el pequeño teclado azul.</translation>
    </message>
    <message>
        <source>Level of difficulty goes up after 3 succesful tries (1 note is added), but you can change that in the Options/Settings-dialog. You can even set a fixed number of notes.</source>
        <translation>La dificultad aumenta tras 3 intentos acertados (se añade una nota), pero puedes cambiarlo en el diálogo Opciones/Configuración. Incluso puedes fijar un número de notas.</translation>
    </message>
    <message>
        <source>You can use the &apos;Hear Again&apos; button to hear the current melody again, if you didn&apos;t catch it. If a specific melody is too hard for you to remember, get another one with the &apos;New Melody&apos; button.</source>
        <translation>Usa el botón «Escuchar otra vez» para oír de nuevo la melodía actual si no la has captado. Si una melodía te resulta demasiado difícil de recordar, pide otra con el botón «Nueva melodía».</translation>
    </message>
    <message>
        <source>If you have played some wrong notes and you want to start over, delete the notes with the third button.</source>
        <translation>Si has tocado notas equivocadas y quieres empezar de nuevo, borra las notas con el tercer botón.</translation>
    </message>
    <message>
        <source>Use the RIGHT MOUSEBUTTON to klick the blue keys if you want to hear the notes before actually playing them.</source>
        <translation>Haz clic en las teclas azules con el BOTÓN DERECHO del ratón si quieres oír las notas antes de tocarlas de verdad.</translation>
    </message>
    <message>
        <source>Use the menue item &apos;Game - New&apos; to start over with 3 notes if you get into levels too difficult (only applies if fixed length is not set in Options/Settings)</source>
        <translation>Usa la opción de menú «Juego - Nuevo» para volver a empezar con 3 notas si los niveles se vuelven demasiado difíciles (solo si no hay una longitud fija en Opciones/Configuración).</translation>
    </message>
</context>
</TS>
