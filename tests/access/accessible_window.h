// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/main_window.h"
#include "tests/common/game_fixtures.h"
#include "window/game_view.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A shown game window with accessibility switched on, and its picture's interface.
class CAccessibleWindowTest : public CGameWindowTest
{
protected:
    void SetUp() override
    {
        QAccessible::setActive(true);
        CGameWindowTest::SetUp();
        m_pView = QAccessible::queryAccessibleInterface(m_pWindow->View());
        ASSERT_NE(m_pView, nullptr);
        ASSERT_EQ(m_pView->childCount(), 12);
    }
    void TearDown() override
    {
        m_pWindow.reset();
        CGameWindowTest::TearDown();
    }

    // Children in order: banner, staff, keys 0..7, judgement, what is said aloud.
    QAccessibleInterface* Key(int k) const { return m_pView->child(2 + k); }
    QAccessibleInterface* Staff() const { return m_pView->child(1); }
    QAccessibleInterface* Banner() const { return m_pView->child(0); }
    QAccessibleInterface* Judgement() const { return m_pView->child(10); }
    QAccessibleInterface* Said(int nKind) const { return m_pView->child(11)->child(nKind); }

    QAccessibleInterface* m_pView = nullptr;
};
