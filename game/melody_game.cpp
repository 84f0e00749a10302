// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/melody_game.h"

#include "game/game_globals.h"
#include "game/settings.h"
#include "game/timers.h"

CMelodyGame::CMelodyGame(CGameHost& host)
    : m_host(host)
{ }

void CMelodyGame::Start()
{
    m_nLength = c_nStartLength;
    m_bShowLevel = true;
    m_host.StartTimer(TIMER_REDRAW, c_nRedrawPeriodMs);
    m_host.StartTimer(TIMER_PLAY, c_nPlayPeriodMs);
    m_host.StartTimer(TIMER_LEVEL, c_nLevelPeriodMs);
}

int CMelodyGame::RandomBelow(int n)
{
    if (g_bSeedPending) {
        g_bSeedPending = false;
        g_uRandomState = static_cast<std::uint32_t>(m_host.CurrentTime());
    }
    g_uRandomState = g_uRandomState * 214013u + 2531011u;
    const int r = static_cast<int>((g_uRandomState >> 16) & 0x7FFF);
    if (n <= 1)
        return 0;
    const int divisor = 32767 / n;
    const int value = divisor > 0 ? r / divisor : r % n;
    return value < n - 1 ? value : n - 1;
}

void CMelodyGame::NewMelody()
{
    m_bPlayRequest = true;
    for (int& note : m_aMelody)
        note = RandomBelow(c_nKeyCount);
    for (int& note : m_aEntered)
        note = 0;
}

void CMelodyGame::PlayStep(int n)
{
    if (m_bPlayRequest)
        g_bPlaying = true;
    if (g_bPlaying && g_nPlayIndex >= 0 && g_nPlayIndex < c_nNoteCapacity)
        m_host.PlayNote(m_aMelody[g_nPlayIndex]);
    if (g_nPlayIndex < n - 1) {
        ++g_nPlayIndex;
    } else {
        g_bPlaying = false;
        m_bPlayRequest = false;
        g_nPlayIndex = 0;
    }
}

void CMelodyGame::OnTimer(int nId)
{
    if (m_bDialogOpen)
        return;
    switch (nId) {
    case TIMER_REDRAW:
        m_host.DrawScene();
        break;
    case TIMER_PLAY:
        if (m_bPlayRequest)
            PlayStep(m_nLength);
        if (!CGameSettings::Increase())
            ApplyFixedLength();
        break;
    case TIMER_RESULT:
        OnResultTimer();
        break;
    case TIMER_LEVEL:
        OnLevelTimer();
        break;
    default:
        break;
    }
}

void CMelodyGame::OnResultTimer()
{
    m_host.StopTimer(TIMER_RESULT);
    m_bShowResult = false;
    m_nEntered = 0;
    if (m_bCorrect) {
        const int after = CGameSettings::IncreaseAfter();
        if (g_nSuccessCount < after - 1)
            ++g_nSuccessCount;
        else
            g_nSuccessCount = 0;
        if (CGameSettings::Increase()) {
            if (m_nLength < c_nMaxLength && g_nSuccessCount > after - 2) {
                ++m_nLength;
                StartLevelBanner();
            }
        } else {
            ApplyFixedLength();
        }
        if (!m_bLevelPending)
            NewMelody();
    } else {
        m_bPlayRequest = true;
    }
    // The feedback kind is drawn after the new melody's twelve notes, from the same generator:
    // moving this draw before NewMelody() would change every melody that follows a success.
    m_nFeedback = RandomBelow(3);
}

void CMelodyGame::OnLevelTimer()
{
    m_host.StopTimer(TIMER_LEVEL);
    m_bShowLevel = false;
    NewMelody();
    m_bLevelPending = false;
}

void CMelodyGame::ApplyFixedLength()
{
    m_nLength = CGameSettings::FixedLength();
}

void CMelodyGame::StartLevelBanner()
{
    m_bShowLevel = true;
    m_host.StartTimer(TIMER_LEVEL, c_nLevelPeriodMs);
    m_bLevelPending = true;
}

void CMelodyGame::OnLButtonDown(int x, int y)
{
    // The commands that start an attempt over (New melody, Delete notes, Game > New) only ask
    // for the click counter to be reset; it happens here, at the next press, wherever that
    // press lands. Until then the old count stands.
    if (m_bResetClicks) {
        g_nClickCount = 0;
        m_bResetClicks = false;
    }
    // A press above or below the key rows leaves the held-key flags as they are, so a key
    // stays red; only a press in the rows (on a key or in a gap) sets them anew.
    if (!IsKeyRow(y))
        return;
    const int hit = KeyAt(x, y);
    for (int k = 0; k < c_nKeyCount; ++k)
        m_abKeyDown[k] = (k == hit);
    if (hit < 0)
        return;
    m_host.PlayNote(hit);
    ++g_nClickCount;
    // The click that brings the count to the melody length records its note twice: the first
    // record fills the last place, the second finds the attempt full and judges it. That is
    // how the judgement comes on the last click; it is not a duplicate to be removed.
    if (g_nClickCount == m_nLength) {
        g_nClickCount = 0;
        RecordNote(hit);
    }
    RecordNote(hit);
}

void CMelodyGame::OnLButtonUp()
{
    for (bool& down : m_abKeyDown)
        down = false;
}

void CMelodyGame::OnRButtonDown(int x, int y)
{
    const int hit = KeyAt(x, y);
    if (hit >= 0)
        m_host.PlayNote(hit);
}

void CMelodyGame::RecordNote(int k)
{
    // m_nEntered never passes the longest melody (8), well inside the 12 places.
    m_aEntered[m_nEntered] = k;
    if (m_nEntered < m_nLength)
        ++m_nEntered;
    else
        Judge();
}

void CMelodyGame::Judge()
{
    int wrong = 0;
    for (int i = 0; i < m_nLength && i < c_nNoteCapacity; ++i) {
        if (m_aMelody[i] != m_aEntered[i])
            ++wrong;
    }
    m_bCorrect = (wrong == 0);
    m_bShowResult = true;
    m_host.StartTimer(TIMER_RESULT, c_nResultPeriodMs);
}

void CMelodyGame::OnHearAgain()
{
    m_bPlayRequest = true;
}

void CMelodyGame::OnNewMelody()
{
    m_nEntered = 0;
    m_bResetClicks = true;
    NewMelody();
    m_bPlayRequest = true;
}

void CMelodyGame::OnDeleteNotes()
{
    m_nEntered = 0;
    m_bResetClicks = true;
}

void CMelodyGame::OnGameNew()
{
    m_nEntered = 0;
    m_bResetClicks = true;
    m_nLength = c_nStartLength;
    StartLevelBanner();
}
