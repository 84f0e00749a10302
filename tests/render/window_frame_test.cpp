// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's frame: one size only, and toolbar images drawn for the screen's scale.
#include "app/main_window.h"
#include "dialogs/about_dialog.h"

#include <QAction>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

TEST(WindowFrameTest, EachRatioGetsTheToolbarStripDrawnForIt)
{
    CMainWindow window;
    const QList<QAction*> actions = window.ToolBar()->actions();
    ASSERT_EQ(actions.size(), 3);
    for (int n = 1; n <= 3; ++n) {
        const QString path
            = n == 1 ? QStringLiteral(":/BITMAP/144") : QStringLiteral(":/BITMAP/144@%1x").arg(n);
        const QImage strip = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(strip.size(), QSize(288 * n, 16 * n)) << n;
        for (int cell = 0; cell < 3; ++cell) {
            const QImage shown = actions[cell]->icon().pixmap(QSize(96, 16), n).toImage();
            ASSERT_EQ(shown.size(), QSize(96 * n, 16 * n)) << n;
            EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
                strip.copy(96 * n * cell, 0, 96 * n, 16 * n))
                << "ratio " << n << " cell " << cell;
        }
    }
    // Between the sizes the larger image is scaled down, never the smaller one up.
    const QImage between = actions[0]->icon().pixmap(QSize(96, 16), 1.5).toImage();
    const QImage fromOne = QImage(QStringLiteral(":/BITMAP/144"))
                               .copy(0, 0, 96, 16)
                               .scaled(144, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(between.size(), QSize(144, 24));
    EXPECT_NE(between.convertToFormat(QImage::Format_RGB32), fromOne);
}

TEST(WindowFrameTest, OneSizeNoMaximizeAndDialogsOverTheWindow)
{
    CMainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    const QSize size = window.size();
    // Asked to maximize (or go full screen), as a decoration's button would, it stays as it is.
    for (Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        window.setWindowState(state);
        QCoreApplication::processEvents();
        EXPECT_FALSE(window.windowState() & state);
        EXPECT_EQ(window.size(), size);
    }
    // A dialog: transient for the game window, title and close button only.
    CAboutDlg dlg(&window);
    EXPECT_EQ(dlg.parentWidget(), &window);
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dlg.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    dlg.show();
    ASSERT_NE(dlg.windowHandle(), nullptr);
    EXPECT_EQ(dlg.windowHandle()->transientParent(), window.windowHandle());
}
