<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Access</name>
    <message>
        <source>Sound</source>
        <translation>試聴</translation>
    </message>
    <message>
        <source>%1, key %2 or %3</source>
        <translation>%1、キー %2 または %3</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>五線譜</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes.</source>
        <translation>
            <numerusform>%n音。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1: %2、%3。</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>right</source>
        <translation>正解</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>不正解</translation>
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
        <translation>バージョン情報</translation>
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
        <translation>設定</translation>
    </message>
    <message>
        <source>Length of Melody</source>
        <translation>メロディーの長さ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Increase after</source>
        <translation>増やすまでの正解数:</translation>
    </message>
    <message>
        <source>Fixed length:</source>
        <translation>固定の長さ:</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>音</translation>
    </message>
</context>
<context>
    <name>CTutorialDlg</name>
    <message>
        <source>Tutorial</source>
        <translation>チュートリアル</translation>
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
        <translation>Cantabell 開発者一同</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>オペレーティング システムのメモリ
またはリソースが不足しています。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>指定されたファイルが見つかりません。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>指定されたパスが見つかりません。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>オペレーティング システムにより、
指定されたファイルへのアクセスが拒否されました。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>この操作を完了するのに十分なメモリがありません。</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>この .EXE ファイルは無効です
(Win32 の .EXE ではないか、.EXE イメージにエラーがあります)。</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>共有違反が発生しました。</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>ファイル名の関連付けが
不完全または無効です。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>要求がタイムアウトしたため、
DDE トランザクションを完了できませんでした。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE トランザクションに失敗しました。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>ほかの DDE トランザクションを処理中のため、
DDE トランザクションを
完了できませんでした。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>指定されたファイル名拡張子に
関連付けられたアプリケーションがありません。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>指定されたダイナミック リンク ライブラリが見つかりません。</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>不明なエラー (%1) が発生しました。</translation>
    </message>
    <message>
        <source>Can&apos;t open link:</source>
        <translation>リンクを開けません:</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Commands</source>
        <translation>コマンド(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Hear again	F2</source>
        <translation>もう一度聴く(&amp;H)	F2</translation>
    </message>
    <message>
        <source>&amp;New melody	F3</source>
        <translation>新しいメロディー(&amp;N)	F3</translation>
    </message>
    <message>
        <source>&amp;Delete notes	F4</source>
        <translation>音符を消す(&amp;D)	F4</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tutorial	F1</source>
        <translation>チュートリアル(&amp;T)	F1</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Try again!</source>
        <translation>もう一度!</translation>
    </message>
    <message>
        <source>That&apos;s it!</source>
        <translation>それだ!</translation>
    </message>
    <message>
        <source>Not quite!</source>
        <translation>おしい!</translation>
    </message>
    <message>
        <source>That&apos;s right!</source>
        <translation>正解!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>お見事!</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes</source>
        <translation>
            <numerusform>%n音</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1: %n Notes</source>
        <translation>
            <numerusform>レベル%1: %n音</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pitch</name>
    <message>
        <source>E3</source>
        <translation>ミ3</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>ファ3</translation>
    </message>
    <message>
        <source>G3</source>
        <translation>ソ3</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>ラ3</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>シ3</translation>
    </message>
    <message>
        <source>C4</source>
        <translation>ド4</translation>
    </message>
    <message>
        <source>D4</source>
        <translation>レ4</translation>
    </message>
    <message>
        <source>E4</source>
        <translation>ミ4</translation>
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
        <translation>不明なオプション「%1」です。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>不明なオプションがあります: %1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>「%1」の後に値がありません。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>「%1」の後に予期しない値があります。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Answer by singing: the microphone listens while you answer.</source>
        <translation>歌って答えます。答えている間はマイクが聞き取ります。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>Usage: cantabell [options]</source>
        <extracomment>The program&apos;s name, cantabell, stays as it is.</extracomment>
        <translation>使い方: cantabell [オプション]</translation>
    </message>
    <message>
        <source>Ear-training game: listen to a short melody and play it back on a little keyboard.</source>
        <translation>聴音ゲーム: 短いメロディーを聴いて、小さな鍵盤で弾いてみましょう。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>Qt&apos;s own options are accepted as well, such as -platform wayland or -style fusion.</source>
        <translation>Qt 自体のオプション（-platform wayland や -style fusion など）も使えます。</translation>
    </message>
    <message>
        <source>cannot open the display %1: its Qt platform plugin is not installed</source>
        <translation>ディスプレイ %1 を開けません: 対応する Qt プラットフォームプラグインがインストールされていません</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <extracomment>%1: the display&apos;s name and kind, e.g. &quot;:0&quot; (X11).</extracomment>
        <translation>ディスプレイ %1 を開けません</translation>
    </message>
    <message>
        <source>lost the display %1</source>
        <translation>ディスプレイ %1 との接続が切れました</translation>
    </message>
    <message>
        <source>(X11, DISPLAY is not set)</source>
        <translation>(X11、DISPLAY が設定されていません)</translation>
    </message>
    <message>
        <source>(platform &quot;%1&quot;)</source>
        <translation>(プラットフォーム「%1」)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two displays the game tried, e.g. &quot;:0&quot; (X11) or &quot;wayland-0&quot; (Wayland).</extracomment>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>no sound output; the game plays silently</source>
        <translation>音声を出力できません。ゲームは音なしで進みます</translation>
    </message>
    <message>
        <source>cannot listen (%1); answer with the keys</source>
        <extracomment>%1: why, in the words of the pitch detector&apos;s library (English).</extracomment>
        <translation>聞き取りを開始できません（%1）。キーで答えてください</translation>
    </message>
    <message>
        <source>no microphone; answer with the keys</source>
        <translation>マイクがありません。キーで答えてください</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Commands</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Hear Again</source>
        <translation>もう一度聴く</translation>
    </message>
    <message>
        <source>New Melody</source>
        <translation>新しいメロディー</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>音符を消す</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Listen to the melody played by the computer, then try to play along with the little blue keyboard.</source>
        <translation>コンピューターが弾くメロディーを聴いて、小さな青い鍵盤で同じように弾いてみましょう。</translation>
    </message>
    <message>
        <source>Level of difficulty goes up after 3 succesful tries (1 note is added), but you can change that in the Options/Settings-dialog. You can even set a fixed number of notes.</source>
        <translation>3回成功すると難易度が上がります（音符が1つ増えます）。これは「オプション/設定」ダイアログで変更できます。音符の数を固定することもできます。</translation>
    </message>
    <message>
        <source>You can use the &apos;Hear Again&apos; button to hear the current melody again, if you didn&apos;t catch it. If a specific melody is too hard for you to remember, get another one with the &apos;New Melody&apos; button.</source>
        <translation>メロディーを聴き逃したときは、「もう一度聴く」ボタンで今のメロディーをもう一度聴けます。覚えるのが難しすぎるメロディーなら、「新しいメロディー」ボタンで別のメロディーにしましょう。</translation>
    </message>
    <message>
        <source>If you have played some wrong notes and you want to start over, delete the notes with the third button.</source>
        <translation>間違った音を弾いてしまい、最初からやり直したいときは、3つ目のボタンで音符を消しましょう。</translation>
    </message>
    <message>
        <source>Use the RIGHT MOUSEBUTTON to klick the blue keys if you want to hear the notes before actually playing them.</source>
        <translation>実際に弾く前に音を聴いてみたいときは、青い鍵盤をマウスの「右ボタン」でクリックしてください。</translation>
    </message>
    <message>
        <source>Use the menue item &apos;Game - New&apos; to start over with 3 notes if you get into levels too difficult (only applies if fixed length is not set in Options/Settings)</source>
        <translation>レベルが難しくなりすぎたら、メニューの「ゲーム - 新しいゲーム」で3音からやり直せます（「オプション/設定」で長さを固定していない場合のみ）。</translation>
    </message>
</context>
</TS>
