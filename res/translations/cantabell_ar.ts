<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>Access</name>
    <message>
        <source>Sound</source>
        <translation>استماع</translation>
    </message>
    <message>
        <source>%1, key %2 or %3</source>
        <translation>%1، المفتاح %2 أو %3</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>المدرج الموسيقي</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes.</source>
        <translation>
            <numerusform>%n نغمة.</numerusform>
            <numerusform>نغمة واحدة.</numerusform>
            <numerusform>نغمتان.</numerusform>
            <numerusform>%n نغمات.</numerusform>
            <numerusform>%n نغمة.</numerusform>
            <numerusform>%n نغمة.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1: %2، %3.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>right</source>
        <translation>صحيحة</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>خاطئة</translation>
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
        <translation>حول</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Length of Melody</source>
        <translation>طول اللحن</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Increase after</source>
        <translation>زيادة بعد</translation>
    </message>
    <message>
        <source>Fixed length:</source>
        <translation>طول ثابت:</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>نغمات</translation>
    </message>
</context>
<context>
    <name>CTutorialDlg</name>
    <message>
        <source>Tutorial</source>
        <translation>درس تعليمي</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>Credits</name>
    <message>
        <source>by the Cantabell developers</source>
        <translation>من مطوّري Cantabell</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>نفدت ذاكرة نظام التشغيل
أو موارده.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>تعذر العثور على الملف المحدد.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>تعذر العثور على المسار المحدد.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>رفض نظام التشغيل
الوصول إلى الملف المحدد.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>لا توجد ذاكرة كافية لإكمال العملية.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>ملف EXE غير صالح
(ليس ملف EXE لنظام Win32 أو يوجد خطأ في صورة EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>حدث انتهاك للمشاركة.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>اقتران اسم الملف
غير مكتمل أو غير صالح.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>تعذر إكمال معاملة DDE
بسبب انتهاء مهلة الطلب.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>فشلت معاملة DDE.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>تعذر إكمال معاملة DDE
لأن معاملات DDE أخرى
كانت قيد المعالجة.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>لا يوجد تطبيق مقترن
بامتداد اسم الملف المحدد.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>تعذر العثور على مكتبة الارتباط الديناميكي المحددة.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>حدث خطأ غير معروف (%1).</translation>
    </message>
    <message>
        <source>Can&apos;t open link:</source>
        <translation>تعذر فتح الرابط:</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;اللعبة</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>لعبة &amp;جديدة</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Commands</source>
        <translation>&amp;أوامر</translation>
    </message>
    <message>
        <source>&amp;Hear again	F2</source>
        <translation>استمع &amp;مجددًا	F2</translation>
    </message>
    <message>
        <source>&amp;New melody	F3</source>
        <translation>لحن &amp;جديد	F3</translation>
    </message>
    <message>
        <source>&amp;Delete notes	F4</source>
        <translation>&amp;احذف النغمات	F4</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;إعدادات</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Tutorial	F1</source>
        <translation>&amp;درس تعليمي	F1</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Try again!</source>
        <translation>حاول مجددًا!</translation>
    </message>
    <message>
        <source>That&apos;s it!</source>
        <translation>هذا هو!</translation>
    </message>
    <message>
        <source>Not quite!</source>
        <translation>ليس تمامًا!</translation>
    </message>
    <message>
        <source>That&apos;s right!</source>
        <translation>صحيح!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>أحسنت!</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes</source>
        <translation>
            <numerusform>%n نغمة</numerusform>
            <numerusform>نغمة واحدة</numerusform>
            <numerusform>نغمتان</numerusform>
            <numerusform>%n نغمات</numerusform>
            <numerusform>%n نغمة</numerusform>
            <numerusform>%n نغمة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1: %n Notes</source>
        <translation>
            <numerusform>مرحلة %1: %n نغمة</numerusform>
            <numerusform>مرحلة %1: نغمة واحدة</numerusform>
            <numerusform>مرحلة %1: نغمتان</numerusform>
            <numerusform>مرحلة %1: %n نغمات</numerusform>
            <numerusform>مرحلة %1: %n نغمة</numerusform>
            <numerusform>مرحلة %1: %n نغمة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pitch</name>
    <message>
        <source>E3</source>
        <translation>مي3</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>فا3</translation>
    </message>
    <message>
        <source>G3</source>
        <translation>صول3</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>لا3</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>سي3</translation>
    </message>
    <message>
        <source>C4</source>
        <translation>دو4</translation>
    </message>
    <message>
        <source>D4</source>
        <translation>ري4</translation>
    </message>
    <message>
        <source>E4</source>
        <translation>مي4</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;LTR&quot; for a language written left to right, &quot;RTL&quot; for one written right to left.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>خيار غير معروف «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>خيارات غير معروفة: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>قيمة مفقودة بعد «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>قيمة غير متوقعة بعد «%1».</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>عرض هذه المساعدة ثم الخروج.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>عرض الإصدار ثم الخروج.</translation>
    </message>
    <message>
        <source>Answer by singing: the microphone listens while you answer.</source>
        <translation>الإجابة بالغناء: يستمع الميكروفون أثناء إجابتك.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>معامل غير متوقع «%1».</translation>
    </message>
    <message>
        <source>Usage: cantabell [options]</source>
        <extracomment>The program&apos;s name, cantabell, stays as it is.</extracomment>
        <translation>الاستخدام: cantabell [خيارات]</translation>
    </message>
    <message>
        <source>Ear-training game: listen to a short melody and play it back on a little keyboard.</source>
        <translation>لعبة لتدريب الأذن: استمع إلى لحن قصير ثم اعزفه على لوحة مفاتيح صغيرة.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>الخيارات:</translation>
    </message>
    <message>
        <source>Qt&apos;s own options are accepted as well, such as -platform wayland or -style fusion.</source>
        <translation>تُقبل خيارات Qt الخاصة أيضًا، مثل -platform wayland أو -style fusion.</translation>
    </message>
    <message>
        <source>cannot open the display %1: its Qt platform plugin is not installed</source>
        <translation>تعذّر فتح الشاشة %1: ملحق منصة Qt الخاص بها غير مثبّت</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <extracomment>%1: the display&apos;s name and kind, e.g. &quot;:0&quot; (X11).</extracomment>
        <translation>تعذّر فتح الشاشة %1</translation>
    </message>
    <message>
        <source>lost the display %1</source>
        <translation>انقطع الاتصال بالشاشة %1</translation>
    </message>
    <message>
        <source>(X11, DISPLAY is not set)</source>
        <translation>(X11، المتغير DISPLAY غير معيّن)</translation>
    </message>
    <message>
        <source>(platform &quot;%1&quot;)</source>
        <translation>(المنصة «%1»)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two displays the game tried, e.g. &quot;:0&quot; (X11) or &quot;wayland-0&quot; (Wayland).</extracomment>
        <translation>%1 أو %2</translation>
    </message>
    <message>
        <source>no sound output; the game plays silently</source>
        <translation>لا يوجد مخرج صوت؛ ستعمل اللعبة بصمت</translation>
    </message>
    <message>
        <source>cannot listen (%1); answer with the keys</source>
        <extracomment>%1: why, in the words of the pitch detector&apos;s library (English).</extracomment>
        <translation>تعذّر الاستماع (%1)؛ أجب بالمفاتيح</translation>
    </message>
    <message>
        <source>no microphone; answer with the keys</source>
        <translation>لا يوجد ميكروفون؛ أجب بالمفاتيح</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Commands</source>
        <translation>أوامر</translation>
    </message>
    <message>
        <source>Hear Again</source>
        <translation>استمع مجددًا</translation>
    </message>
    <message>
        <source>New Melody</source>
        <translation>لحن جديد</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>احذف النغمات</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Listen to the melody played by the computer, then try to play along with the little blue keyboard.</source>
        <translation>استمع إلى اللحن الذي يعزفه الحاسوب، ثم حاول عزفه على لوحة المفاتيح الزرقاء الصغيرة.</translation>
    </message>
    <message>
        <source>Level of difficulty goes up after 3 succesful tries (1 note is added), but you can change that in the Options/Settings-dialog. You can even set a fixed number of notes.</source>
        <translation>يرتفع مستوى الصعوبة بعد 3 محاولات ناجحة (تُضاف نغمة واحدة)، لكن يمكنك تغيير ذلك من مربع الحوار خيارات/إعدادات. ويمكنك أيضًا تحديد عدد ثابت من النغمات.</translation>
    </message>
    <message>
        <source>You can use the &apos;Hear Again&apos; button to hear the current melody again, if you didn&apos;t catch it. If a specific melody is too hard for you to remember, get another one with the &apos;New Melody&apos; button.</source>
        <translation>استخدم زر «استمع مجددًا» لسماع اللحن الحالي مرة أخرى إن فاتك. وإن كان حفظ لحن ما صعبًا عليك، فاحصل على لحن آخر بزر «لحن جديد».</translation>
    </message>
    <message>
        <source>If you have played some wrong notes and you want to start over, delete the notes with the third button.</source>
        <translation>إن عزفت نغمات خاطئة وأردت البدء من جديد، فاحذف النغمات بالزر الثالث.</translation>
    </message>
    <message>
        <source>Use the RIGHT MOUSEBUTTON to klick the blue keys if you want to hear the notes before actually playing them.</source>
        <translation>انقر المفاتيح الزرقاء بزر الفأرة الأيمن إن أردت سماع النغمات قبل عزفها فعلًا.</translation>
    </message>
    <message>
        <source>Use the menue item &apos;Game - New&apos; to start over with 3 notes if you get into levels too difficult (only applies if fixed length is not set in Options/Settings)</source>
        <translation>استخدم عنصر القائمة «اللعبة - لعبة جديدة» للبدء من جديد بثلاث نغمات إن أصبحت المستويات صعبة جدًا (لا ينطبق ذلك إلا إذا لم يُحدَّد طول ثابت في خيارات/إعدادات).</translation>
    </message>
</context>
</TS>
