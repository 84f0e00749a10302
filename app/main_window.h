// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/game_host.h"
#include "game/melody_game.h"
#include "game/note_output.h"
#include "game/timers.h"
#include "midi/midi_input.h"
#include "render/scene.h"

#include <QBasicTimer>
#include <QMainWindow>
#include <array>
#include <memory>
#include <vector>

class CGameView;
class CSingMode;
class QAction;
class QToolBar;

// The game's one window: menu, toolbar, picture, the eight note sounds and the game's timers.
class CMainWindow : public QMainWindow, public CGameHost
{
    Q_OBJECT
public:
    // Command ids of the menu, the accelerators and the toolbar (app/command_table.h says
    // where each one appears).
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
    // The window's outer rectangle is the picture's size (game/key_geometry.h). Frame, caption
    // and menu bar take c_nFrameWidth x c_nFrameHeight of it and the toolbar c_nToolBarHeight;
    // the rest shows the picture, so its right and bottom edges are cut off.
    static constexpr int c_nToolBarHeight = c_nClientTop;
    static constexpr int c_nFrameWidth = 10;
    static constexpr int c_nFrameHeight = 47;
    static constexpr int c_nViewWidth = c_nPictureWidth - c_nFrameWidth; // 390
    static constexpr int c_nViewHeight
        = c_nPictureHeight - c_nFrameHeight - c_nToolBarHeight; // 226

    // The notes sound on the process's sound channel.
    explicit CMainWindow(QWidget* pParent = nullptr);
    // The notes go to output, which must outlive the window (tests: no sound channel).
    explicit CMainWindow(CNoteOutput& output, QWidget* pParent = nullptr);
    ~CMainWindow() override;

    // Runs the command with this id; false for an unknown id.
    bool OnCommand(int nId);
    QAction* CommandAction(int nId) const;
    QToolBar* ToolBar() const { return m_pToolBar; }
    CGameView* View() const { return m_pView; }
    CMelodyGame& Game() { return m_game; }
    CMidiInput& Midi() { return m_midi; }
    bool IsTimerRunning(int nId) const;

    // Sing mode: the microphone enters the notes sung while the player answers, without the
    // game sounding them. False (with one line on stderr) when it cannot listen.
    bool StartSinging();

    void OnExit();
    void OnAbout();
    void OnTutorial();
    void OnSettings();
    void OnGameNew() { m_game.OnGameNew(); }
    void OnHearAgain() { m_game.OnHearAgain(); }
    void OnNewMelody() { m_game.OnNewMelody(); }
    void OnDeleteNotes() { m_game.OnDeleteNotes(); }

    // CGameHost
    void StartTimer(int nId, int nPeriodMs) override;
    void StopTimer(int nId) override;
    void PlayNote(int nNote) override;
    std::int64_t CurrentTime() override;
    void DrawScene() override;

protected:
    void timerEvent(QTimerEvent* pEvent) override;
    // The window has one size: a maximize that the window system offers anyway is undone.
    void changeEvent(QEvent* pEvent) override;

private slots:
    // A white key of a MIDI keyboard, folded to key nKey: its note-on is a left click on that
    // key, its note-off releases the key if it is the one shown pressed.
    void OnMidiKey(int nKey, bool bDown);
    // A key sung in sing mode: entered like a left click on it, but silently (the player hears
    // their own voice, and the note would echo into the microphone).
    void OnSungKey(int nKey, bool bDown);

private:
    // pOutput null: the window makes the note output on the sound channel.
    CMainWindow(CNoteOutput* pOutput, QWidget* pParent);

    // The parts, constructed here and nowhere else, in this order.
    CMelodyGame m_game;
    CScene m_scene;
    std::unique_ptr<CNoteOutput> m_pOwnOutput; // the eight note sounds, unless handed one
    CNoteOutput* m_pOutput; // m_pOwnOutput or the one handed in; never null once constructed
    CMidiInput m_midi; // MIDI keyboards; notes arrive at OnMidiKey

    void CreateMenus();
    void CreateToolBar();
    QAction* AddCommand(QMenu* pMenu, std::size_t nIndex);
    QBasicTimer* TimerFor(int nId);

    QToolBar* m_pToolBar = nullptr;
    CGameView* m_pView = nullptr;
    std::array<QBasicTimer, c_nTimerCount> m_aTimer; // ids TIMER_REDRAW .. TIMER_LEVEL
    std::vector<QAction*> m_apCommand; // the menu's actions, by index in c_aCommand
    std::unique_ptr<CSingMode> m_pSing; // only in sing mode
    bool m_bQuietPress = false; // PlayNote sounds nothing: a sung key is being entered
};
