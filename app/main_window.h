#pragma once

#include "game/game_host.h"
#include "game/melody_game.h"
#include "render/scene.h"
#include "sound/sound.h"

#include <QBasicTimer>
#include <QMainWindow>
#include <array>

class CGameView;
class QAction;
class QToolBar;

// The game's one window: menu, toolbar, picture, the eight note sounds and the game's timers.
class CMainWindow : public QMainWindow, public CGameHost
{
    Q_OBJECT
public:
    // Command ids of the menu, the accelerators and the toolbar.
    enum : int
    {
        ID_EXIT = 40001,
        ID_ABOUT = 40002,
        ID_HEAR_AGAIN = 40003,
        ID_DELETE_NOTES = 40004,
        ID_NEW_MELODY = 40005,
        ID_TUTORIAL = 40010,
        ID_GAME_NEW = 40011,
        ID_SETTINGS = 40012,
    };
    static constexpr int c_nToolBarHeight = 32; // pixels
    static constexpr int c_nViewWidth = 390; // the width of the picture the window shows
    static constexpr int c_nViewHeight = 226;

    explicit CMainWindow(QWidget* pParent = nullptr);
    ~CMainWindow() override;

    // Runs the command with this id; false for an unknown id.
    bool OnCommand(int nId);
    QAction* CommandAction(int nId) const;
    QToolBar* ToolBar() const { return m_pToolBar; }
    CGameView* View() const { return m_pView; }
    bool IsTimerRunning(int nId) const;

    void OnExit();
    void OnAbout();
    void OnTutorial();
    void OnSettings();

    // CGameHost
    void StartTimer(int nId, int nPeriodMs) override;
    void StopTimer(int nId) override;
    void PlayNote(int nNote) override;
    std::int64_t CurrentTime() override;
    void DrawScene() override;

    int m_nWidth = 400;
    int m_nHeight = 305;
    CMelodyGame m_game;
    CScene m_scene;
    std::array<CSound, 8> m_aSound;

protected:
    void timerEvent(QTimerEvent* pEvent) override;
    // The window has one size: a maximize that the window system offers anyway is undone.
    void changeEvent(QEvent* pEvent) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void LoadSounds();
    QAction* AddCommand(
        QMenu* pMenu, const QString& strText, int nId, const QKeySequence& key = {});
    QBasicTimer* TimerFor(int nId);

    QToolBar* m_pToolBar = nullptr;
    CGameView* m_pView = nullptr;
    std::array<QBasicTimer, 4> m_aTimer; // ids TIMER_REDRAW .. TIMER_LEVEL
    std::array<QAction*, 13> m_aCommand {}; // by id - 40000
};
