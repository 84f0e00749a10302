#pragma once

#include "app/main_window.h"
#include "game/settings.h"

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

// A shown main window with its game running: the dialogs' owner.
class CGameWindowTest : public CFreshGlobalsTest
{
protected:
    void SetUp() override
    {
        CFreshGlobalsTest::SetUp();
        m_pWindow = std::make_unique<CMainWindow>();
        m_pWindow->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pWindow.get()));
    }

    std::unique_ptr<CMainWindow> m_pWindow;
};
