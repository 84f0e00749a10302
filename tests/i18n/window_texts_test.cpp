// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "game/settings.h"
#include "tests/i18n/language_switch.h"
#include "window/game_view.h"

#include <QMenuBar>
#include <QTest>
#include <memory>

namespace {

class WindowTextsTest : public CEveryLanguageTest
{
protected:
    void SetUp() override { ResetGameGlobals(); }
    void TearDown() override
    {
        CEveryLanguageTest::TearDown();
        ResetGameGlobals();
    }

    static std::unique_ptr<CMainWindow> ShownWindow()
    {
        auto pWindow = std::make_unique<CMainWindow>();
        pWindow->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(pWindow.get()));
        return pWindow;
    }

    // The keys row of the picture as the view shows it (view pixels).
    static QImage KeysRow(CMainWindow& window)
    {
        return window.View()->grab().toImage().copy(0, 145, 390, 71);
    }
};

} // namespace

TEST_F(WindowTextsTest, TheWindowKeepsItsSizeAndThePictureItsDirection)
{
    auto pEnglish = ShownWindow();
    const QSize size = pEnglish->size();
    const QImage keys = KeysRow(*pEnglish);
    const QString gameTitle = pEnglish->menuBar()->actions().value(0)->text();
    pEnglish.reset();
    ForEachLanguage([&](const QString& language) {
        auto pWindow = ShownWindow();
        EXPECT_EQ(pWindow->size(), size);
        EXPECT_NE(pWindow->menuBar()->actions().value(0)->text(), gameTitle);
        const bool rtl = language == QLatin1String("ar");
        EXPECT_EQ(pWindow->menuBar()->layoutDirection(), rtl ? Qt::RightToLeft : Qt::LeftToRight);
        // Keys run low to high from the left in every language.
        EXPECT_EQ(KeysRow(*pWindow), keys);
    });
}
