#include "app/main_window.h"

#include "access/accessibility.h"
#include "dialogs/about_dialog.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/tutorial_dialog.h"
#include "game/notes.h"
#include "game/timers.h"
#include "window/game_view.h"
#include "window/main_menu_bar.h"
#include "window/note_input.h"
#include "window/note_keys.h"
#include "window/strip_icon.h"
#include "window/view_focus_keeper.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QTimerEvent>
#include <QToolBar>
#include <QToolButton>
#include <ctime>

namespace {

constexpr int c_nFirstCommand = 40000;

} // namespace

CMainWindow::CMainWindow(QWidget* pParent)
    : QMainWindow(pParent)
    , m_game(*this)
    , m_scene(m_game)
{
    CAccessibility::Install();
    setWindowTitle(QStringLiteral("Cantabell"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setContextMenuPolicy(Qt::NoContextMenu);
    CreateMenus();
    CreateToolBar();
    m_pView = new CGameView(m_scene, m_game, this);
    m_pView->setFixedSize(c_nViewWidth, c_nViewHeight);
    setCentralWidget(m_pView);
    new CNoteKeys(m_game, this);
    m_pView->setFocus();
    new CViewFocusKeeper(this, m_pView);
    new CViewFocusKeeper(this, m_pView);
    setFixedSize(sizeHint());

    // The outer rectangle of 400 x 305 is centred on the primary screen, not clamped.
    if (const QScreen* pScreen = QGuiApplication::primaryScreen()) {
        const QRect screen = pScreen->geometry();
        move(screen.x() + (screen.width() - c_nPictureWidth) / 2,
            screen.y() + (screen.height() - c_nPictureHeight) / 2);
    }

    LoadSounds();
    // Opening the sound device can take a while: do it just after the first frame.
    QTimer::singleShot(100, this, &CSound::PrepareOutput);
    m_scene.Compose();
    m_game.Start();
    connect(&m_midi, &CMidiInput::Key, this, &CMainWindow::OnMidiKey);
    m_midi.Start();
}

CMainWindow::~CMainWindow()
{
    for (QBasicTimer& timer : m_aTimer)
        timer.stop();
}

QAction* CMainWindow::AddCommand(
    QMenu* pMenu, const QString& strText, int nId, const QKeySequence& key)
{
    QAction* pAction = pMenu->addAction(strText);
    if (!key.isEmpty()) {
        pAction->setShortcut(key);
        pAction->setShortcutContext(Qt::WindowShortcut);
    }
    connect(pAction, &QAction::triggered, this, [this, nId] { OnCommand(nId); });
    m_aCommand[nId - c_nFirstCommand] = pAction;
    return pAction;
}

void CMainWindow::CreateMenus()
{
    auto* pBar = new CMainMenuBar(this);
    setMenuBar(pBar);
    QMenu* pGame = pBar->addMenu(QStringLiteral("&Game"));
    AddCommand(pGame, QStringLiteral("&New"), ID_GAME_NEW);
    pGame->addSeparator();
    AddCommand(pGame, QStringLiteral("&Exit"), ID_EXIT);

    QMenu* pCommands = pBar->addMenu(QStringLiteral("&Commands"));
    AddCommand(pCommands, QStringLiteral("&Hear again\tF2"), ID_HEAR_AGAIN, Qt::Key_F2);
    AddCommand(pCommands, QStringLiteral("&New melody\tF3"), ID_NEW_MELODY, Qt::Key_F3);
    AddCommand(pCommands, QStringLiteral("&Delete notes\tF4"), ID_DELETE_NOTES, Qt::Key_F4);

    QMenu* pOptions = pBar->addMenu(QStringLiteral("&Options"));
    AddCommand(pOptions, QStringLiteral("&Settings"), ID_SETTINGS);

    // Help sits at the right end of the menu bar.
    QMenu* pHelp = pBar->AddCornerMenu(QStringLiteral("&Help"));
    AddCommand(pHelp, QStringLiteral("&Tutorial\tF1"), ID_TUTORIAL, Qt::Key_F1);
    pHelp->addSeparator();
    AddCommand(pHelp, QStringLiteral("&About"), ID_ABOUT);
}

void CMainWindow::CreateToolBar()
{
    m_pToolBar = addToolBar(QStringLiteral("Commands"));
    m_pToolBar->setObjectName(QStringLiteral("toolbar144"));
    m_pToolBar->setMovable(false);
    m_pToolBar->setFloatable(false);
    m_pToolBar->toggleViewAction()->setVisible(false);
    m_pToolBar->setFixedHeight(c_nToolBarHeight);
    m_pToolBar->setIconSize(QSize(96, 16));

    // The strip holds three 96 x 16 images that carry their own captions.
    const int aId[3] = {ID_HEAR_AGAIN, ID_NEW_MELODY, ID_DELETE_NOTES};
    const char* const aszName[3] = {"Hear Again", "New Melody", "Delete Notes"};
    for (int i = 0; i < 3; ++i) {
        // No text on the action: the button then shows no tooltip.
        auto* pAction = new QAction(m_pToolBar);
        pAction->setIcon(CStripIconEngine::Icon(i)); // sharp at every device pixel ratio
        const int nId = aId[i];
        connect(pAction, &QAction::triggered, this, [this, nId] { OnCommand(nId); });
        m_pToolBar->addAction(pAction);
        if (QWidget* pButton = m_pToolBar->widgetForAction(pAction)) {
            pButton->setFixedSize(100, 24);
            pButton->setAccessibleName(QString::fromLatin1(aszName[i]));
            pButton->setObjectName(QString::fromLatin1(aszName[i]));
        }
    }
}

void CMainWindow::LoadSounds()
{
    for (int k = 0; k < c_nKeyCount; ++k)
        m_aSound[k].LoadFromResource(QString::fromLatin1(c_aszNoteSound[k]));
}

bool CMainWindow::OnCommand(int nId)
{
    switch (nId) {
    case ID_EXIT:
        OnExit();
        return true;
    case ID_ABOUT:
        OnAbout();
        return true;
    case ID_HEAR_AGAIN:
        m_game.OnHearAgain();
        return true;
    case ID_DELETE_NOTES:
        m_game.OnDeleteNotes();
        return true;
    case ID_NEW_MELODY:
        m_game.OnNewMelody();
        return true;
    case ID_TUTORIAL:
        OnTutorial();
        return true;
    case ID_GAME_NEW:
        m_game.OnGameNew();
        return true;
    case ID_SETTINGS:
        OnSettings();
        return true;
    default:
        return false;
    }
}

QAction* CMainWindow::CommandAction(int nId) const
{
    const int index = nId - c_nFirstCommand;
    if (index < 0 || index >= static_cast<int>(m_aCommand.size()))
        return nullptr;
    return m_aCommand[index];
}

void CMainWindow::OnExit()
{
    close();
}

void CMainWindow::OnAbout()
{
    // The game stands still behind the About box: its ticks are dropped until the box closes,
    // however it is closed.
    m_game.SetDialogOpen(true);
    CAboutDlg dlg(this);
    dlg.exec();
    m_game.SetDialogOpen(false);
}

void CMainWindow::OnTutorial()
{
    // The game runs on behind it: the modal loop keeps delivering this window's timers.
    CTutorialDlg dlg(this);
    dlg.exec();
}

void CMainWindow::OnSettings()
{
    // The game runs on behind it and follows a mode change at its next play tick.
    CSettingsDlg dlg(this);
    dlg.exec();
}

QBasicTimer* CMainWindow::TimerFor(int nId)
{
    if (nId < TIMER_REDRAW || nId > TIMER_LEVEL)
        return nullptr;
    return &m_aTimer[nId - TIMER_REDRAW];
}

bool CMainWindow::IsTimerRunning(int nId) const
{
    if (nId < TIMER_REDRAW || nId > TIMER_LEVEL)
        return false;
    return m_aTimer[nId - TIMER_REDRAW].isActive();
}

void CMainWindow::StartTimer(int nId, int nPeriodMs)
{
    if (QBasicTimer* pTimer = TimerFor(nId))
        pTimer->start(nPeriodMs, Qt::PreciseTimer, this);
}

void CMainWindow::StopTimer(int nId)
{
    if (QBasicTimer* pTimer = TimerFor(nId))
        pTimer->stop();
}

void CMainWindow::PlayNote(int nNote)
{
    if (nNote >= 0 && nNote < static_cast<int>(m_aSound.size()))
        m_aSound[nNote].Play(false);
}

std::int64_t CMainWindow::CurrentTime()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

// The picture is recomposed on every tick; copying it to the window again is skipped when it
// is the same picture as before (exposed parts are repainted by paint events regardless).
void CMainWindow::DrawScene()
{
    if (m_scene.Compose())
        m_pView->ShowNewPicture();
}

void CMainWindow::OnMidiKey(int nKey, bool bDown)
{
    CNoteInput input(m_game);
    if (!bDown) {
        // Of two keys held together the later one shows; letting go of the other changes nothing.
        if (CNoteInput::IsKey(nKey) && m_game.IsKeyDown(nKey))
            input.Release();
        return;
    }
    // A modal dialog keeps clicks away from this window; it keeps the keyboard's away too.
    if (!QApplication::activeModalWidget())
        input.Press(nKey);
}

void CMainWindow::timerEvent(QTimerEvent* pEvent)
{
    for (int i = 0; i < static_cast<int>(m_aTimer.size()); ++i) {
        if (m_aTimer[i].timerId() == pEvent->timerId()) {
            m_game.OnTimer(TIMER_REDRAW + i);
            return;
        }
    }
    QMainWindow::timerEvent(pEvent);
}

void CMainWindow::changeEvent(QEvent* pEvent)
{
    QMainWindow::changeEvent(pEvent);
    // Wayland decorations drawn by Qt show a maximize button whatever the window's flags say.
    if (pEvent->type() == QEvent::WindowStateChange
        && (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
}
