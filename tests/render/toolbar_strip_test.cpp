// The toolbar images come from the strip drawn at the screen's scale, not from an enlarged
// 1x strip.
#include "app/main_window.h"

#include <QAction>
#include <QToolBar>
#include <gtest/gtest.h>

TEST(ToolbarStripTest, EachRatioGetsTheStripDrawnForIt)
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
