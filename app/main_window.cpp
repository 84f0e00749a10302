// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_window.h"

#include "access/accessibility.h"
#include "app/command_table.h"
#include "app/sing_mode.h"
#include "app/wave_note_output.h"
#include "dialogs/about_dialog.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/tutorial_dialog.h"
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

// The menus' titles, by EMenu.
const char* const c_aszMenuTitle[MENU_COUNT]
    = {QT_TRANSLATE_NOOP("Menu", "&Game"), QT_TRANSLATE_NOOP("Menu", "&Commands"),
        QT_TRANSLATE_NOOP("Menu", "&Options"), QT_TRANSLATE_NOOP("Menu", "&Help")};

// The one table of commands: menus, shortcuts, toolbar, dispatch and script names.
const SCommand c_aCommand[] = {
    {CMainWindow::ID_GAME_NEW, MENU_GAME, QT_TRANSLATE_NOOP("Menu", "&New"), Qt::Key_unknown, false,
        "new-game", -1, nullptr, &CMainWindow::OnGameNew},
    {CMainWindow::ID_EXIT, MENU_GAME, QT_TRANSLATE_NOOP("Menu", "&Exit"), Qt::Key_unknown, true,
        "exit", -1, nullptr, &CMainWindow::OnExit},
    {CMainWindow::ID_HEAR_AGAIN, MENU_COMMANDS, QT_TRANSLATE_NOOP("Menu", "&Hear again\tF2"),
        Qt::Key_F2, false, "hear-again", 0, QT_TRANSLATE_NOOP("Toolbar", "Hear Again"),
        &CMainWindow::OnHearAgain},
    {CMainWindow::ID_NEW_MELODY, MENU_COMMANDS, QT_TRANSLATE_NOOP("Menu", "&New melody\tF3"),
        Qt::Key_F3, false, "new-melody", 1, QT_TRANSLATE_NOOP("Toolbar", "New Melody"),
        &CMainWindow::OnNewMelody},
    {CMainWindow::ID_DELETE_NOTES, MENU_COMMANDS, QT_TRANSLATE_NOOP("Menu", "&Delete notes\tF4"),
        Qt::Key_F4, false, "delete-notes", 2, QT_TRANSLATE_NOOP("Toolbar", "Delete Notes"),
        &CMainWindow::OnDeleteNotes},
    {CMainWindow::ID_SETTINGS, MENU_OPTIONS, QT_TRANSLATE_NOOP("Menu", "&Settings"),
        Qt::Key_unknown, false, "settings", -1, nullptr, &CMainWindow::OnSettings},
    {CMainWindow::ID_TUTORIAL, MENU_HELP, QT_TRANSLATE_NOOP("Menu", "&Tutorial\tF1"), Qt::Key_F1,
        false, "tutorial", -1, nullptr, &CMainWindow::OnTutorial},
    {CMainWindow::ID_ABOUT, MENU_HELP, QT_TRANSLATE_NOOP("Menu", "&About"), Qt::Key_unknown, true,
        "about", -1, nullptr, &CMainWindow::OnAbout},
};
const std::size_t c_nCommandCount = std::size(c_aCommand);

const SCommand* FindCommand(int nId)
{
    for (const SCommand& command : c_aCommand) {
        if (command.nId == nId)
            return &command;
    }
    return nullptr;
}

CMainWindow::CMainWindow(QWidget* pParent)
    : CMainWindow(nullptr, pParent)
{ }

CMainWindow::CMainWindow(CNoteOutput& output, QWidget* pParent)
    : CMainWindow(&output, pParent)
{ }

CMainWindow::CMainWindow(CNoteOutput* pOutput, QWidget* pParent)
    : QMainWindow(pParent)
    , m_game(*this)
    , m_scene(m_game)
    , m_pOutput(pOutput)
{
    CAccessibility::Install();
    setWindowTitle(QStringLiteral("Cantabell"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setContextMenuPolicy(Qt::NoContextMenu);
    CreateMenus();
    // The window keeps its size in every language: the menu bar keeps the height it has with
    // the game's own titles, whatever face a translation's script falls back to.
    QMenuBar probe;
    probe.addMenu(QStringLiteral("&Game"));
    menuBar()->setFixedHeight(probe.sizeHint().height());
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

    if (m_pOutput == nullptr) {
        m_pOwnOutput = std::make_unique<CWaveNoteOutput>();
        m_pOutput = m_pOwnOutput.get();
    }
    // Opening the sound device can take a while: do it just after the first frame.
    QTimer::singleShot(100, this, [this] { m_pOutput->Prepare(); });
    m_scene.Compose();
    m_game.Start();
    connect(&m_midi, &CMidiInput::Key, this, &CMainWindow::OnMidiKey);
    m_midi.Start();
}

CMainWindow::~CMainWindow()
{
    for (QBasicTimer& timer : m_aTimer)
        timer.stop();
    m_pOutput->Stop(); // the window's notes end with it
}

bool CMainWindow::StartSinging()
{
    if (m_pSing)
        return true;
    auto pSing = std::make_unique<CSingMode>(m_game);
    if (!pSing->Start())
        return false;
    connect(pSing.get(), &CSingMode::Key, this, &CMainWindow::OnSungKey, Qt::QueuedConnection);
    m_pSing = std::move(pSing);
    return true;
}

QAction* CMainWindow::AddCommand(QMenu* pMenu, std::size_t nIndex)
{
    const SCommand& command = c_aCommand[nIndex];
    if (command.bSeparatorBefore)
        pMenu->addSeparator();
    QAction* pAction = pMenu->addAction(QCoreApplication::translate("Menu", command.szText));
    if (command.eKey != Qt::Key_unknown) {
        pAction->setShortcut(QKeySequence(command.eKey));
        pAction->setShortcutContext(Qt::WindowShortcut);
    }
    const int nId = command.nId;
    connect(pAction, &QAction::triggered, this, [this, nId] { OnCommand(nId); });
    m_apCommand[nIndex] = pAction;
    return pAction;
}

// Menus, and their items in table order; Help sits at the right end of the menu bar.
void CMainWindow::CreateMenus()
{
    auto* pBar = new CMainMenuBar(this);
    setMenuBar(pBar);
    m_apCommand.assign(c_nCommandCount, nullptr);
    for (int nMenu = 0; nMenu < MENU_COUNT; ++nMenu) {
        const QString title = QCoreApplication::translate("Menu", c_aszMenuTitle[nMenu]);
        QMenu* pMenu = nMenu == MENU_HELP ? pBar->AddCornerMenu(title) : pBar->addMenu(title);
        for (std::size_t i = 0; i < c_nCommandCount; ++i) {
            if (c_aCommand[i].eMenu == nMenu)
                AddCommand(pMenu, i);
        }
    }
}

void CMainWindow::CreateToolBar()
{
    m_pToolBar = addToolBar(QCoreApplication::translate("Toolbar", "Commands"));
    m_pToolBar->setObjectName(QStringLiteral("toolbar144"));
    m_pToolBar->setMovable(false);
    m_pToolBar->setFloatable(false);
    m_pToolBar->toggleViewAction()->setVisible(false);
    m_pToolBar->setFixedHeight(c_nToolBarHeight);
    m_pToolBar->setIconSize(QSize(96, 16));

    // The strip holds 96 x 16 images that carry their own captions, in table order.
    for (const SCommand& command : c_aCommand) {
        if (command.nToolbarCell < 0)
            continue;
        // No text on the action: the button then shows no tooltip.
        auto* pAction = new QAction(m_pToolBar);
        pAction->setIcon(CStripIconEngine::Icon(command.nToolbarCell)); // sharp at every ratio
        const int nId = command.nId;
        connect(pAction, &QAction::triggered, this, [this, nId] { OnCommand(nId); });
        m_pToolBar->addAction(pAction);
        if (QWidget* pButton = m_pToolBar->widgetForAction(pAction)) {
            pButton->setFixedSize(100, 24);
            pButton->setAccessibleName(
                QCoreApplication::translate("Toolbar", command.szToolbarName));
            pButton->setObjectName(QString::fromLatin1(command.szToolbarName));
        }
    }
}

bool CMainWindow::OnCommand(int nId)
{
    const SCommand* pCommand = FindCommand(nId);
    if (pCommand == nullptr)
        return false;
    (this->*pCommand->pfnRun)();
    return true;
}

QAction* CMainWindow::CommandAction(int nId) const
{
    const SCommand* pCommand = FindCommand(nId);
    if (pCommand == nullptr || m_apCommand.empty())
        return nullptr;
    return m_apCommand[static_cast<std::size_t>(pCommand - c_aCommand)];
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
    if (m_bQuietPress)
        return;
    if (m_pSing)
        m_pSing->NoteSounded();
    m_pOutput->Play(nNote);
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
    // Refused while a modal dialog is open (CNoteInput's gate).
    input.Press(nKey);
}

void CMainWindow::OnSungKey(int nKey, bool bDown)
{
    CNoteInput input(m_game);
    if (!bDown) {
        if (CNoteInput::IsKey(nKey) && m_game.IsKeyDown(nKey))
            input.Release();
        return;
    }
    // A key that arrives after listening stopped (the judgement began, a dialog opened, the
    // game sounds) was sung too late to count.
    if (!m_pSing || !m_pSing->IsListening() || CNoteInput::IsBlocked())
        return;
    m_bQuietPress = true;
    input.Press(nKey);
    m_bQuietPress = false;
}

void CMainWindow::timerEvent(QTimerEvent* pEvent)
{
    for (int i = 0; i < static_cast<int>(m_aTimer.size()); ++i) {
        if (m_aTimer[i].timerId() == pEvent->timerId()) {
            m_game.OnTimer(TIMER_REDRAW + i);
            if (m_pSing && TIMER_REDRAW + i == TIMER_REDRAW)
                m_pSing->Tick(QApplication::activeModalWidget() != nullptr);
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
