// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/main_window.h"
#include "game/settings.h"
#include "game/timers.h"
#include "tests/common/fake_note_output.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// Dialog tests start and end with the game's globals at their start values.
class CFreshGlobalsTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetGameGlobals(); }
    void TearDown() override { ResetGameGlobals(); }
};

// A shown main window with its game running: the dialogs' owner. Its notes go to m_output.
class CGameWindowTest : public CFreshGlobalsTest
{
protected:
    void SetUp() override
    {
        CFreshGlobalsTest::SetUp();
        m_pWindow = std::make_unique<CMainWindow>(m_output);
        m_pWindow->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pWindow.get()));
    }

    CMelodyGame& Game() const { return m_pWindow->Game(); }
    // Melodies of n notes from now on, as the Settings box's fixed length sets them.
    void UseFixedLength(int n)
    {
        CGameSettings::SetIncrease(false);
        ASSERT_TRUE(CGameSettings::SetFixedLength(n));
        Game().OnTimer(TIMER_PLAY);
        ASSERT_EQ(Game().Length(), n);
    }
    // The level banner ends as its timer would end it: the first melody is drawn.
    void EndBanner() { Game().OnTimer(TIMER_LEVEL); }

    CFakeNoteOutput m_output; // outlives the window
    std::unique_ptr<CMainWindow> m_pWindow;
};
