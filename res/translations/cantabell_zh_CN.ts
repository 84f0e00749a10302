<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Access</name>
    <message>
        <source>Sound</source>
        <translation>试听</translation>
    </message>
    <message>
        <source>%1, key %2 or %3</source>
        <translation>%1，按键 %2 或 %3</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>五线谱</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes.</source>
        <translation>
            <numerusform>%n 个音。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1：%2，%3。</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>right</source>
        <translation>正确</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A note just entered (%1, e.g. &quot;E, right&quot;) and the judgement it brought (%2), said together as two sentences.</extracomment>
        <translation>%1。%2</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Length of Melody</source>
        <translation>旋律长度</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Increase after</source>
        <translation>答对几次后加长:</translation>
    </message>
    <message>
        <source>Fixed length:</source>
        <translation>固定长度:</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>个音</translation>
    </message>
</context>
<context>
    <name>CTutorialDlg</name>
    <message>
        <source>Tutorial</source>
        <translation>教程</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Credits</name>
    <message>
        <source>by the Cantabell developers</source>
        <translation>Cantabell 开发者</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>操作系统内存或资源不足。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>找不到指定的路径。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>操作系统拒绝访问指定的文件。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>内存不足，无法完成此操作。</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>.EXE 文件无效
（不是 Win32 .EXE 或 .EXE 映像有错误）。</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>发生共享冲突。</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>文件名关联不完整或无效。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>请求超时，
无法完成 DDE 事务。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE 事务失败。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>正在处理其他 DDE 事务，
无法完成 DDE 事务。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>没有与给定文件扩展名
关联的应用程序。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>找不到指定的动态链接库。</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>发生未知错误 (%1)。</translation>
    </message>
    <message>
        <source>Can&apos;t open link:</source>
        <translation>无法打开链接：</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Commands</source>
        <translation>命令(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Hear again	F2</source>
        <translation>再听一遍(&amp;H)	F2</translation>
    </message>
    <message>
        <source>&amp;New melody	F3</source>
        <translation>新旋律(&amp;N)	F3</translation>
    </message>
    <message>
        <source>&amp;Delete notes	F4</source>
        <translation>删除音符(&amp;D)	F4</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tutorial	F1</source>
        <translation>教程(&amp;T)	F1</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Try again!</source>
        <translation>再试一次!</translation>
    </message>
    <message>
        <source>That&apos;s it!</source>
        <translation>就是这样!</translation>
    </message>
    <message>
        <source>Not quite!</source>
        <translation>差一点!</translation>
    </message>
    <message>
        <source>That&apos;s right!</source>
        <translation>正确!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>干得好!</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes</source>
        <translation>
            <numerusform>%n个音</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1: %n Notes</source>
        <translation>
            <numerusform>第%1级: %n个音</numerusform>
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
        <translation>未知选项“%1”。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>未知选项：%1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1”后缺少值。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”后出现意外的值。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Answer by singing: the microphone listens while you answer.</source>
        <translation>用歌声作答：作答时麦克风会聆听。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>Usage: cantabell [options]</source>
        <extracomment>The program&apos;s name, cantabell, stays as it is.</extracomment>
        <translation>用法：cantabell [选项]</translation>
    </message>
    <message>
        <source>Ear-training game: listen to a short melody and play it back on a little keyboard.</source>
        <translation>练耳游戏：听一段简短的旋律，然后在小键盘上把它弹出来。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Qt&apos;s own options are accepted as well, such as -platform wayland or -style fusion.</source>
        <translation>也接受 Qt 自身的选项，例如 -platform wayland 或 -style fusion。</translation>
    </message>
    <message>
        <source>cannot open the display %1: its Qt platform plugin is not installed</source>
        <translation>无法打开显示器 %1：对应的 Qt 平台插件未安装</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <extracomment>%1: the display&apos;s name and kind, e.g. &quot;:0&quot; (X11).</extracomment>
        <translation>无法打开显示器 %1</translation>
    </message>
    <message>
        <source>lost the display %1</source>
        <translation>与显示器 %1 的连接已断开</translation>
    </message>
    <message>
        <source>(X11, DISPLAY is not set)</source>
        <translation>(X11，未设置 DISPLAY)</translation>
    </message>
    <message>
        <source>(platform &quot;%1&quot;)</source>
        <translation>(平台“%1”)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two displays the game tried, e.g. &quot;:0&quot; (X11) or &quot;wayland-0&quot; (Wayland).</extracomment>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>no sound output; the game plays silently</source>
        <translation>没有声音输出；游戏将静音进行</translation>
    </message>
    <message>
        <source>cannot listen (%1); answer with the keys</source>
        <extracomment>%1: why, in the words of the pitch detector&apos;s library (English).</extracomment>
        <translation>无法聆听（%1）；请用按键作答</translation>
    </message>
    <message>
        <source>no microphone; answer with the keys</source>
        <translation>没有麦克风；请用按键作答</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Commands</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Hear Again</source>
        <translation>再听一遍</translation>
    </message>
    <message>
        <source>New Melody</source>
        <translation>新旋律</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>删除音符</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Listen to the melody played by the computer, then try to play along with the little blue keyboard.</source>
        <translation>听电脑弹奏的旋律，然后试着在蓝色小键盘上把它弹出来。</translation>
    </message>
    <message>
        <source>Level of difficulty goes up after 3 succesful tries (1 note is added), but you can change that in the Options/Settings-dialog. You can even set a fixed number of notes.</source>
        <translation>成功 3 次后难度会提高（增加 1 个音），你可以在“选项/设置”对话框中更改这一点，甚至可以设定固定的音符数。</translation>
    </message>
    <message>
        <source>You can use the &apos;Hear Again&apos; button to hear the current melody again, if you didn&apos;t catch it. If a specific melody is too hard for you to remember, get another one with the &apos;New Melody&apos; button.</source>
        <translation>如果没听清，可以用“再听一遍”按钮重新听当前的旋律。如果某段旋律太难记，可以用“新旋律”按钮换一段。</translation>
    </message>
    <message>
        <source>If you have played some wrong notes and you want to start over, delete the notes with the third button.</source>
        <translation>如果弹错了音想重新开始，可以用第三个按钮删除音符。</translation>
    </message>
    <message>
        <source>Use the RIGHT MOUSEBUTTON to klick the blue keys if you want to hear the notes before actually playing them.</source>
        <translation>如果想在正式弹奏前先听听音，请用鼠标右键点击蓝色琴键。</translation>
    </message>
    <message>
        <source>Use the menue item &apos;Game - New&apos; to start over with 3 notes if you get into levels too difficult (only applies if fixed length is not set in Options/Settings)</source>
        <translation>如果关卡太难，可以用菜单项“游戏 - 新游戏”从 3 个音重新开始（仅当“选项/设置”中未设定固定长度时有效）。</translation>
    </message>
</context>
</TS>
