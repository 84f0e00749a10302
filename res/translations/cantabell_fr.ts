<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Access</name>
    <message>
        <source>Sound</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>%1, key %2 or %3</source>
        <translation>%1, touche %2 ou %3</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>Portée</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes.</source>
        <translation>
            <numerusform>%n note.</numerusform>
            <numerusform>%n notes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1&#xa0;: %2, %3.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>fausse</translation>
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
        <translation>À propos</translation>
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
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Length of Melody</source>
        <translation>Longueur de la mélodie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Increase after</source>
        <translation>Augmenter après</translation>
    </message>
    <message>
        <source>Fixed length:</source>
        <translation>Longueur fixe&#xa0;:</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notes</translation>
    </message>
</context>
<context>
    <name>CTutorialDlg</name>
    <message>
        <source>Tutorial</source>
        <translation>Tutoriel</translation>
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
        <translation>par les développeurs de Cantabell</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d&apos;exploitation n&apos;a plus
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin d&apos;accès spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé
l&apos;accès au fichier spécifié.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Mémoire insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n&apos;est pas valide
(.EXE non Win32 ou erreur dans l&apos;image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s&apos;est produite.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;association du nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu aboutir
car le délai de la demande a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu aboutir
car d&apos;autres transactions DDE
étaient en cours de traitement.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n&apos;est associée
à l&apos;extension de nom de fichier indiquée.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques spécifiée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s&apos;est produite.</translation>
    </message>
    <message>
        <source>Can&apos;t open link:</source>
        <translation>Impossible d&apos;ouvrir le lien&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Commands</source>
        <translation>&amp;Commandes</translation>
    </message>
    <message>
        <source>&amp;Hear again	F2</source>
        <translation>&amp;Réécouter	F2</translation>
    </message>
    <message>
        <source>&amp;New melody	F3</source>
        <translation>Nouvelle &amp;mélodie	F3</translation>
    </message>
    <message>
        <source>&amp;Delete notes	F4</source>
        <translation>&amp;Effacer les notes	F4</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Tutorial	F1</source>
        <translation>&amp;Tutoriel	F1</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Try again!</source>
        <translation>Réessaie&#xa0;!</translation>
    </message>
    <message>
        <source>That&apos;s it!</source>
        <translation>C&apos;est ça&#xa0;!</translation>
    </message>
    <message>
        <source>Not quite!</source>
        <translation>Presque&#xa0;!</translation>
    </message>
    <message>
        <source>That&apos;s right!</source>
        <translation>C&apos;est juste&#xa0;!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>%n Notes</source>
        <translation>
            <numerusform>%n note</numerusform>
            <numerusform>%n notes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1: %n Notes</source>
        <translation>
            <numerusform>Niveau %1&#xa0;: %n note</numerusform>
            <numerusform>Niveau %1&#xa0;: %n notes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pitch</name>
    <message>
        <source>E3</source>
        <translation>mi3</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>fa3</translation>
    </message>
    <message>
        <source>G3</source>
        <translation>sol3</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>la3</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>si3</translation>
    </message>
    <message>
        <source>C4</source>
        <translation>do4</translation>
    </message>
    <message>
        <source>D4</source>
        <translation>ré4</translation>
    </message>
    <message>
        <source>E4</source>
        <translation>mi4</translation>
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
        <translation>Option inconnue « %1 ».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues : %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après « %1 ».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après « %1 ».</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Answer by singing: the microphone listens while you answer.</source>
        <translation>Répondre en chantant : le micro écoute pendant que tu réponds.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>Usage: cantabell [options]</source>
        <extracomment>The program&apos;s name, cantabell, stays as it is.</extracomment>
        <translation>Utilisation : cantabell [options]</translation>
    </message>
    <message>
        <source>Ear-training game: listen to a short melody and play it back on a little keyboard.</source>
        <translation>Jeu d&apos;oreille musicale : écoute une courte mélodie et rejoue-la sur un petit clavier.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Qt&apos;s own options are accepted as well, such as -platform wayland or -style fusion.</source>
        <translation>Les options propres à Qt sont acceptées aussi, comme -platform wayland ou -style fusion.</translation>
    </message>
    <message>
        <source>cannot open the display %1: its Qt platform plugin is not installed</source>
        <translation>impossible d&apos;ouvrir l&apos;affichage %1 : son greffon de plateforme Qt n&apos;est pas installé</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <extracomment>%1: the display&apos;s name and kind, e.g. &quot;:0&quot; (X11).</extracomment>
        <translation>impossible d&apos;ouvrir l&apos;affichage %1</translation>
    </message>
    <message>
        <source>lost the display %1</source>
        <translation>connexion perdue avec l&apos;affichage %1</translation>
    </message>
    <message>
        <source>(X11, DISPLAY is not set)</source>
        <translation>(X11, DISPLAY n&apos;est pas définie)</translation>
    </message>
    <message>
        <source>(platform &quot;%1&quot;)</source>
        <translation>(plateforme « %1 »)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two displays the game tried, e.g. &quot;:0&quot; (X11) or &quot;wayland-0&quot; (Wayland).</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>no sound output; the game plays silently</source>
        <translation>pas de sortie son ; le jeu continue en silence</translation>
    </message>
    <message>
        <source>cannot listen (%1); answer with the keys</source>
        <extracomment>%1: why, in the words of the pitch detector&apos;s library (English).</extracomment>
        <translation>écoute impossible (%1) ; réponds avec les touches</translation>
    </message>
    <message>
        <source>no microphone; answer with the keys</source>
        <translation>pas de micro ; réponds avec les touches</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Hear Again</source>
        <translation>Réécouter</translation>
    </message>
    <message>
        <source>New Melody</source>
        <translation>Nouvelle mélodie</translation>
    </message>
    <message>
        <source>Delete Notes</source>
        <translation>Effacer les notes</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Listen to the melody played by the computer, then try to play along with the little blue keyboard.</source>
        <translation>Écoute la mélodie jouée par l&apos;ordinateur, puis essaie de la rejouer sur le petit clavier bleu.</translation>
    </message>
    <message>
        <source>Level of difficulty goes up after 3 succesful tries (1 note is added), but you can change that in the Options/Settings-dialog. You can even set a fixed number of notes.</source>
        <translation>La difficulté augmente après 3 essais réussis (une note de plus), mais tu peux changer cela dans la boîte de dialogue Options/Paramètres. Tu peux même fixer le nombre de notes.</translation>
    </message>
    <message>
        <source>You can use the &apos;Hear Again&apos; button to hear the current melody again, if you didn&apos;t catch it. If a specific melody is too hard for you to remember, get another one with the &apos;New Melody&apos; button.</source>
        <translation>Le bouton «&#xa0;Réécouter&#xa0;» rejoue la mélodie en cours si tu ne l&apos;as pas bien saisie. Si une mélodie est trop difficile à retenir, prends-en une autre avec le bouton «&#xa0;Nouvelle mélodie&#xa0;».</translation>
    </message>
    <message>
        <source>If you have played some wrong notes and you want to start over, delete the notes with the third button.</source>
        <translation>Si tu as joué de fausses notes et que tu veux recommencer, efface les notes avec le troisième bouton.</translation>
    </message>
    <message>
        <source>Use the RIGHT MOUSEBUTTON to klick the blue keys if you want to hear the notes before actually playing them.</source>
        <translation>Clique sur les touches bleues avec le BOUTON DROIT de la souris pour entendre les notes avant de vraiment les jouer.</translation>
    </message>
    <message>
        <source>Use the menue item &apos;Game - New&apos; to start over with 3 notes if you get into levels too difficult (only applies if fixed length is not set in Options/Settings)</source>
        <translation>Si les niveaux deviennent trop difficiles, choisis «&#xa0;Partie – Nouvelle partie&#xa0;» dans le menu pour recommencer avec 3 notes (seulement si aucune longueur fixe n&apos;est réglée dans Options/Paramètres).</translation>
    </message>
</context>
</TS>
