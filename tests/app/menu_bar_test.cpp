// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_window.h"
#include "tests/common/game_fixtures.h"
#include "window/main_menu_bar.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class MenuBarTest : public CGameWindowTest
{
protected:
    void SetUp() override
    {
        CGameWindowTest::SetUp();
        m_pWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_pWindow.get()));
        m_pBar = qobject_cast<CMainMenuBar*>(m_pWindow->menuBar());
        ASSERT_NE(m_pBar, nullptr);
        ASSERT_EQ(m_pBar->AllMenus().size(), 4);
    }
    void TearDown() override
    {
        CloseMenus();
        CGameWindowTest::TearDown();
    }

    QMenu* Menu(int i) const { return m_pBar->AllMenus()[i]->menu(); }
    static QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    static void CloseMenus()
    {
        while (QWidget* pPopup = QApplication::activePopupWidget())
            pPopup->close();
    }
    // Presses the key in the open menu and returns the menu open afterwards.
    static QMenu* Step(Qt::Key key)
    {
        QTest::keyClick(OpenMenu(), key);
        return OpenMenu();
    }

    CMainMenuBar* m_pBar = nullptr;
};

} // namespace

TEST_F(MenuBarTest, ArrowsGoRoundAllFourMenusHelpIncluded)
{
    enum
    {
        Game,
        Commands,
        Options,
        Help
    };
    m_pBar->setActiveAction(m_pBar->AllMenus()[Options]);
    ASSERT_EQ(OpenMenu(), Menu(Options));
    EXPECT_EQ(Step(Qt::Key_Right), Menu(Help));
    // Help opens with its first item highlighted, as a menu opened by the keyboard does.
    EXPECT_EQ(Menu(Help)->activeAction(), Menu(Help)->actions()[0]);
    EXPECT_EQ(Step(Qt::Key_Right), Menu(Game));
    EXPECT_EQ(Step(Qt::Key_Left), Menu(Help));
    EXPECT_EQ(Step(Qt::Key_Left), Menu(Options));
    // Inside the main bar its own steps are untouched.
    EXPECT_EQ(Step(Qt::Key_Left), Menu(Commands));
    EXPECT_EQ(Step(Qt::Key_Left), Menu(Game));
    EXPECT_EQ(Step(Qt::Key_Left), Menu(Help));
    // Enter on the highlighted Tutorial item runs it, the item that F1 runs.
    EXPECT_EQ(Menu(Help)->activeAction(), m_pWindow->CommandAction(CMainWindow::ID_TUTORIAL));
}

TEST_F(MenuBarTest, HelpIsTheFourthItemOfTheBarsAccessibleTree)
{
    QAccessible::setActive(true);
    QAccessibleInterface* pBar = QAccessible::queryAccessibleInterface(m_pBar);
    ASSERT_NE(pBar, nullptr);
    EXPECT_EQ(pBar->role(), QAccessible::MenuBar);
    ASSERT_EQ(pBar->childCount(), 4);
    const QStringList names = {"Game", "Commands", "Options", "Help"};
    for (int i = 0; i < 4; ++i) {
        QAccessibleInterface* pItem = pBar->child(i);
        EXPECT_EQ(pItem->text(QAccessible::Name), names[i]);
        EXPECT_EQ(pItem->role(), QAccessible::MenuItem);
        EXPECT_EQ(pItem->parent(), pBar);
        EXPECT_EQ(pBar->indexOfChild(pItem), i);
        ASSERT_EQ(pItem->childCount(), 1);
        EXPECT_EQ(pItem->child(0)->object(), Menu(i));
    }
    // Help's bounds are where it is drawn, at the bar's right end.
    QAccessibleInterface* pHelp = pBar->child(3);
    QMenuBar* pCorner = m_pBar->CornerBar();
    const QRect local = pCorner->actionGeometry(pCorner->actions()[0]);
    EXPECT_EQ(pHelp->rect(), QRect(pCorner->mapToGlobal(local.topLeft()), local.size()));
    EXPECT_EQ(pHelp->rect().right(), m_pBar->mapToGlobal(QPoint(m_pBar->width() - 1, 0)).x());
    EXPECT_EQ(pBar->childAt(pHelp->rect().center().x(), pHelp->rect().center().y()), pHelp);

    pHelp->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_EQ(OpenMenu(), Menu(3));
    EXPECT_TRUE(pHelp->state().expanded);
}

TEST_F(MenuBarTest, TheBarLooksAsItAlwaysDid)
{
    // The bar as it was built before the keyboard and screen readers joined its two parts.
    QMainWindow reference;
    QMenuBar* pOld = reference.menuBar();
    for (const char* title : {"&Game", "&Commands", "&Options"})
        pOld->addMenu(QString::fromLatin1(title));
    auto* pOldHelp = new QMenuBar(pOld);
    pOldHelp->addMenu(QStringLiteral("&Help"));
    pOld->setCornerWidget(pOldHelp, Qt::TopRightCorner);
    auto* pCentral = new QWidget;
    pCentral->setFixedSize(m_pWindow->centralWidget()->size());
    reference.setCentralWidget(pCentral);
    reference.setFixedWidth(m_pWindow->width());
    reference.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&reference));
    ASSERT_EQ(pOld->size(), m_pBar->size());
    EXPECT_EQ(pOld->grab().toImage(), m_pBar->grab().toImage());
}
