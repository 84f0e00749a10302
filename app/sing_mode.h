// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sing/listen_window.h"
#include "sing/voice_capture.h"

#include <QObject>
#include <atomic>
#include <memory>

class CMelodyGame;

// Sing mode: the microphone listens while the player answers and its keys arrive as Key
// signals on the window's thread, like a MIDI keyboard's. Made only when asked for, so that
// without it no capture device opens and aubio is never loaded.
class CSingMode : public QObject, public CKeySink
{
    Q_OBJECT
public:
    explicit CSingMode(const CMelodyGame& game, QObject* pParent = nullptr);
    ~CSingMode() override;

    // Loads the detector and starts the microphone's thread; false with one line on stderr when
    // the detector cannot be loaded. A missing microphone is reported by Tick, once.
    bool Start();
    // From the window's redraw tick: whether the game listens now. bDialogOpen: a modal dialog.
    void Tick(bool bDialogOpen);
    // The game began sounding a note: the microphone is deaf until it has died away.
    void NoteSounded();
    // Whether sung keys count now (on the window's thread).
    bool IsListening() const { return m_bListening; }

signals:
    // A sung key (0..7) was taken up (bDown) or left.
    void Key(int nKey, bool bDown);

public:
    // CKeySink, called on the capture's analysis thread.
    void KeyDown(int nKey, int nNote) override;
    void KeyUp() override;

private:
    const CMelodyGame& m_game;
    CListenWindow m_window;
    std::unique_ptr<CVoiceCapture> m_pCapture;
    bool m_bListening = false;
    bool m_bReported = false; // the missing microphone has been reported
    std::atomic<int> m_nHeld {-1}; // the key the voice holds, for its KeyUp
};
