// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "game/melody_game.h"
#include "game/settings.h"
#include "render/cell_font.h"
#include "render/picture_fonts.h"
#include "render/scene.h"
#include "tests/i18n/language_switch.h"

#include <QGlyphRun>
#include <QTextLayout>

namespace {

class PictureTextsTest : public CEveryLanguageTest
{
protected:
    void SetUp() override
    {
        m_large.Create(CPictureFonts::TextFace(), CScene::c_nLargeTextCell, QFont::Bold);
        m_small.Create(CPictureFonts::TextFace(), CScene::c_nSmallTextCell, QFont::DemiBold);
    }

    // Glyph index 0 is a face's "missing glyph" box: every character must come from a face
    // that has it, the built-in one or the fallback fontconfig picks.
    static void ExpectNoBoxes(const QFont& font, const QString& text)
    {
        QTextLayout layout(text, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        int glyphs = 0;
        for (const QGlyphRun& run : layout.glyphRuns()) {
            for (quint32 index : run.glyphIndexes()) {
                EXPECT_NE(index, 0u)
                    << text.toStdString() << " in " << run.rawFont().familyName().toStdString();
                ++glyphs;
            }
        }
        EXPECT_GT(glyphs, 0) << text.toStdString();
    }

    CCellFont m_large;
    CCellFont m_small;
};

// Centred texts with their 2-pixel shadow stay inside the region of the picture the window shows.
constexpr int c_nShadow = 2;
constexpr int c_nShown = CMainWindow::c_nViewWidth;

} // namespace

TEST_F(PictureTextsTest, EveryTextFitsItsBoxWithoutBoxes)
{
    ForEachLanguage([this](const QString&) {
        for (int length = CGameSettings::c_nMinFixedLength; length <= CMelodyGame::c_nMaxLength;
             ++length) {
            const QString banner = CScene::BannerText(length);
            EXPECT_LE(m_large.TextWidth(banner) + c_nShadow, c_nShown) << banner.toStdString();
            ExpectNoBoxes(m_large.Font(), banner);
            const QString label = CScene::LengthLabel(length);
            EXPECT_LE(c_nLengthLabelLeft + m_small.TextWidth(label), c_nShown)
                << label.toStdString();
            ExpectNoBoxes(m_small.Font(), label);
        }
        for (int feedback = 0; feedback < 3; ++feedback) {
            for (bool right : {false, true}) {
                const QString text = CScene::JudgementWording(feedback, right);
                EXPECT_LE(m_large.TextWidth(text) + c_nShadow, c_nShown) << text.toStdString();
                ExpectNoBoxes(m_large.Font(), text);
            }
        }
    });
}

TEST_F(PictureTextsTest, EnglishKeepsItsWording)
{
    EXPECT_EQ(CScene::BannerText(3), QStringLiteral("Level 1: 3 Notes"));
    EXPECT_EQ(CScene::LengthLabel(8), QStringLiteral("8 Notes"));
    EXPECT_EQ(CScene::JudgementWording(1, true), QStringLiteral("That's right!"));
    EXPECT_EQ(CScene::JudgementWording(0, false), QStringLiteral("Try again!"));
}
