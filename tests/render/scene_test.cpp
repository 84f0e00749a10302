// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The composed picture, read back by pixel colours and positions.
#include "picture_fake.h"
#include "picture_probe.h"
#include "render/scene.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr QRgb c_crKeyBlue = 0x006dc4; // RGB(0,109,196)
constexpr QRgb c_crKeyRed = 0xc40000; // RGB(196,0,0)
constexpr QRgb c_crWhite = 0xffffff;
constexpr QRgb c_crRed = 0xff0000;
constexpr QRgb c_crBlack = 0x000000;
constexpr QRgb c_crGold = 0xffd700;
constexpr QRgb c_crLightBlue = 0x5a87ff;
constexpr QRgb c_crDarkGreen = 0x006e00;
constexpr QRgb c_crBanner = 0x0087ff;
constexpr QRgb c_crPink = 0xffb4b4;

const QRect c_rcLabel(320, 12, 70, 26); // around the length label at (325, 15)
const QRect c_rcBanner(0, 40, 400, 70); // around the banner, top at 45
const QRect c_rcKeys(0, 145, 400, 72); // the keyboard and the judgement

bool IsRed(QRgb c)
{
    return qRed(c) >= 200 && qGreen(c) <= 90 && qBlue(c) <= 90;
}

QImage Sprite(int nId)
{
    return QImage(QStringLiteral(":/BITMAP/%1").arg(nId)).convertToFormat(QImage::Format_RGB32);
}

class SceneTest : public ::testing::Test
{
protected:
    SceneTest()
        : m_scene(m_game)
    {
        m_scene.SetDevicePixelRatio(1);
    }

    const QImage& Compose()
    {
        m_scene.Compose();
        return m_scene.BackBuffer();
    }

    int CountNear(const QRect& rc, QRgb want, int tolerance = 8)
    {
        return Probe::Count(
            m_scene.BackBuffer(), rc, [=](QRgb c) { return Probe::Near(c, want, tolerance); });
    }

    CPictureFake m_game;
    CScene m_scene;
};

TEST_F(SceneTest, StartPictureShowsEmptyStaffLabelBlueKeysAndBanner)
{
    const QImage& img = Compose();
    ASSERT_EQ(img.size(), QSize(400, 305));

    EXPECT_GT(Probe::Count(img, c_rcLabel, IsRed), 20) << "3 Notes";
    EXPECT_GT(CountNear(c_rcBanner, c_crBanner), 300) << "banner text";
    EXPECT_GT(CountNear(c_rcBanner, c_crPink), 100) << "banner shadow";
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(Probe::At(img, 3 + 48 * k + 24, 185), c_crKeyBlue) << "key " << k;
    EXPECT_EQ(CountNear(c_rcKeys, c_crKeyRed, 0), 0);
    EXPECT_EQ(CountNear(QRect(6, 11, 379, 125), 0xffff00, 40), 0) << "no smiley yet";

    // The texture repeats every 80 pixels across and down.
    for (int x = 0; x < 80; ++x)
        ASSERT_EQ(Probe::At(img, x, 230), Probe::At(img, x + 80, 230)) << x;
    for (int y = 139; y < 225; ++y)
        ASSERT_EQ(Probe::At(img, 1, y), Probe::At(img, 1, y + 80)) << y;
}

TEST_F(SceneTest, EmptyStaffIsFrameLinesAndLabelOnly)
{
    m_game.m_bShowLevel = false;
    const QImage& img = Compose();

    auto isWhiteOrRed = [](QRgb c) { return c == c_crWhite || c == c_crRed; };
    const QRect rcLeftOfLabel(6, 11, 314, 125), rcBelowLabel(320, 38, 65, 98);
    EXPECT_EQ(Probe::Count(img, rcLeftOfLabel, isWhiteOrRed),
        rcLeftOfLabel.width() * rcLeftOfLabel.height());
    EXPECT_EQ(Probe::Count(img, rcBelowLabel, isWhiteOrRed),
        rcBelowLabel.width() * rcBelowLabel.height());

    // Top row; frame of the field (5,10)-(387,138) with a 2-pixel pen centred on its edges.
    for (QPoint p : {QPoint(0, 0), QPoint(399, 0), QPoint(4, 9), QPoint(5, 10), QPoint(386, 137),
             QPoint(385, 136), QPoint(200, 9), QPoint(200, 137)})
        EXPECT_EQ(Probe::At(img, p.x(), p.y()), c_crBlack) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(6, 11), QPoint(384, 135), QPoint(0, 1), QPoint(3, 50), QPoint(387, 50),
             QPoint(200, 8), QPoint(200, 138)})
        EXPECT_NE(Probe::At(img, p.x(), p.y()), c_crBlack) << p.x() << "," << p.y();
    EXPECT_EQ(Probe::At(img, 6, 11), c_crWhite);
    EXPECT_EQ(Probe::At(img, 384, 135), c_crWhite);

    // Five red lines, 2 pixels at y - 1 and y, from x = 10 to 380.
    for (int j = 0; j < 5; ++j) {
        const int y = 42 + 16 * j;
        EXPECT_EQ(Probe::At(img, 10, y - 1), c_crRed);
        EXPECT_EQ(Probe::At(img, 380, y), c_crRed);
        EXPECT_EQ(Probe::At(img, 9, y), c_crWhite);
        EXPECT_EQ(Probe::At(img, 381, y), c_crWhite);
        EXPECT_EQ(Probe::At(img, 100, y - 2), c_crWhite);
        EXPECT_EQ(Probe::At(img, 100, y + 1), c_crWhite);
    }
}

TEST_F(SceneTest, SmileysCompareEachPositionAndSitAtTheEnteredNote)
{
    m_game.m_bShowLevel = false;
    const int melody[3] = {0, 2, 4}, entered[3] = {0, 3, 4}; // E G B against E A B
    for (int i = 0; i < 3; ++i) {
        m_game.m_aMelody[i] = melody[i];
        m_game.m_aEntered[i] = entered[i];
    }
    m_game.m_nEntered = 3;
    const QImage& img = Compose();
    const QImage happy = Sprite(124), sad = Sprite(125);
    ASSERT_FALSE(happy.isNull());
    ASSERT_FALSE(sad.isNull());

    const struct
    {
        int x, y;
        bool bHappy;
    } expected[3] = {{40, 94, true}, {80, 70, false}, {120, 62, true}};
    for (const auto& e : expected) {
        const QImage& right = e.bHappy ? happy : sad;
        const QImage& wrong = e.bHappy ? sad : happy;
        EXPECT_EQ(Probe::SpriteMismatches(img, right, e.x, e.y, right.rect()), 0) << e.x;
        EXPECT_GT(Probe::SpriteMismatches(img, wrong, e.x, e.y, wrong.rect()), 50) << e.x;
    }
    // Nothing where a fourth smiley would go.
    EXPECT_EQ(Probe::Count(img, QRect(160, 11, 40, 125),
                  [](QRgb c) { return c != c_crWhite && c != c_crRed; }),
        0);
}

TEST_F(SceneTest, HeldKeyIsRedAndShiftedWithItsLabelUntilReleased)
{
    m_game.m_bShowLevel = false;
    const QImage up = Sprite(122), down = Sprite(123);
    const QRect belowLabel(
        0, 22, 47, 49); // the strip of a key that no label and no neighbour covers
    auto isWhite = [](QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; };
    const QRect rcLabelArea(100, 146, 30, 24);

    const QRect labelAtRest = Probe::Bounds(Compose(), rcLabelArea, isWhite);
    ASSERT_FALSE(labelAtRest.isNull());

    m_game.m_abKeyDown[2] = true;
    const QImage& held = Compose();
    EXPECT_EQ(Probe::SpriteMismatches(held, down, 100, 146, belowLabel), 0);
    for (int k = 0; k < 8; ++k) {
        if (k == 2)
            continue;
        EXPECT_EQ(Probe::SpriteMismatches(held, up, 3 + 48 * k, 145, belowLabel), 0) << k;
    }
    EXPECT_EQ(Probe::Bounds(held, rcLabelArea, isWhite), labelAtRest.translated(1, 1));

    m_game.m_abKeyDown[2] = false;
    const QImage& released = Compose();
    EXPECT_EQ(Probe::SpriteMismatches(released, up, 99, 145, belowLabel), 0);
    EXPECT_EQ(CountNear(c_rcKeys, c_crKeyRed, 0), 0);
}

TEST_F(SceneTest, JudgementStandsInPlaceOfTheKeysInItsVerdictColour)
{
    m_game.m_bShowLevel = false;
    m_game.m_bShowResult = true;
    m_game.m_abKeyDown[1] = true; // has no visible effect while the judgement stands
    std::vector<QImage> shots;
    int widths[3][2] = {};
    for (int feedback = 0; feedback < 3; ++feedback) {
        for (int correct = 0; correct < 2; ++correct) {
            m_game.m_nFeedback = feedback;
            m_game.m_bCorrect = correct != 0;
            const QImage& img = Compose();
            const QRgb verdict = correct ? c_crGold : c_crLightBlue;
            const QRgb other = correct ? c_crLightBlue : c_crGold;
            EXPECT_EQ(Probe::Count(img, c_rcKeys,
                          [](QRgb c) { return c == c_crKeyBlue || c == c_crKeyRed; }),
                0);
            EXPECT_GT(CountNear(c_rcKeys, verdict), 300) << feedback << correct;
            EXPECT_EQ(CountNear(c_rcKeys, other), 0) << feedback << correct;
            EXPECT_GT(CountNear(c_rcKeys, c_crDarkGreen), 50) << "shadow";
            const QRect text
                = Probe::Bounds(img, c_rcKeys, [=](QRgb c) { return Probe::Near(c, verdict, 8); });
            EXPECT_NEAR(text.left() + text.width() / 2.0, 200, 3) << "centred on x = 200";
            EXPECT_GE(text.top(), 150);
            widths[feedback][correct] = text.width();
            shots.push_back(img.copy());
        }
    }
    EXPECT_GT(widths[1][1], widths[0][1]) << "That's right! is longer than That's it!";
    EXPECT_EQ(shots[2], shots[4]) << "Not quite! for feedback 1 and 2";
    EXPECT_NE(shots[0], shots[2]) << "Try again! differs from Not quite!";
}

TEST_F(SceneTest, JudgementAndBannerShowTogether)
{
    m_game.m_bShowResult = true;
    m_game.m_bCorrect = true;
    m_game.m_bShowLevel = true;
    Compose();
    EXPECT_GT(CountNear(c_rcBanner, c_crBanner), 300);
    EXPECT_GT(CountNear(c_rcKeys, c_crGold), 300);
    EXPECT_EQ(CountNear(c_rcKeys, c_crKeyBlue, 0), 0);
}

TEST_F(SceneTest, LabelAndBannerFollowTheLengthAtTheNextFrame)
{
    std::vector<QImage> labels, banners;
    for (int length = 3; length <= 8; ++length) {
        m_game.m_nLength = length;
        const QImage& img = Compose();
        EXPECT_GT(Probe::Count(img, c_rcLabel, IsRed), 20) << length;
        EXPECT_GT(CountNear(c_rcBanner, c_crBanner), 300) << length;
        labels.push_back(img.copy(c_rcLabel));
        banners.push_back(img.copy(c_rcBanner));
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            EXPECT_NE(labels[i], labels[j]) << i + 3 << " vs " << j + 3;
            EXPECT_NE(banners[i], banners[j]) << i + 3 << " vs " << j + 3;
        }
    }
    m_game.m_nLength = 3;
    EXPECT_EQ(Compose().copy(c_rcLabel), labels[0]);
}

} // namespace

TEST_F(SceneTest, ComposeTellsWhetherThePictureChanged)
{
    EXPECT_TRUE(m_scene.Compose()); // the first picture
    EXPECT_FALSE(m_scene.Compose());
    const QImage first = m_scene.BackBuffer().copy();

    // Each thing the picture shows counts; a melody note beyond the entry does not.
    m_game.m_aMelody[5] = (m_game.m_aMelody[5] + 1) % 8;
    EXPECT_FALSE(m_scene.Compose());
    EXPECT_EQ(m_scene.BackBuffer(), first);
    m_game.m_abKeyDown[3] = true;
    EXPECT_TRUE(m_scene.Compose());
    m_game.m_abKeyDown[3] = false;
    EXPECT_TRUE(m_scene.Compose());
    EXPECT_EQ(m_scene.BackBuffer(), first);
    m_game.m_aEntered[0] = m_game.m_aMelody[0];
    m_game.m_nEntered = 1;
    EXPECT_TRUE(m_scene.Compose());
    m_game.m_aEntered[0] = (m_game.m_aMelody[0] + 1) % 8; // same count, now a worried smiley
    EXPECT_TRUE(m_scene.Compose());
    m_game.m_bShowLevel = false;
    EXPECT_TRUE(m_scene.Compose());
    m_game.m_nLength = 5;
    EXPECT_TRUE(m_scene.Compose());
    m_game.m_bShowResult = true;
    EXPECT_TRUE(m_scene.Compose());
    m_game.m_nFeedback = 2;
    EXPECT_TRUE(m_scene.Compose());
    EXPECT_FALSE(m_scene.Compose());
}
