// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hyperlink/hyperlink.h"
#include "hyperlink/link_opener.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString c_strUrl = QStringLiteral("http://example.invalid/maker");

// A window with a link label and a line edit to take the focus away; the opener and the
// message box are replaced by recorders.
class HyperLinkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window.resize(400, 200);
        m_pLabel = new QLabel(c_strUrl, &m_window);
        m_pLabel->setAlignment(Qt::AlignCenter);
        m_pLabel->setGeometry(50, 40, 300, 60);
        m_pEdit = new QLineEdit(&m_window);
        m_pEdit->setGeometry(50, 150, 100, 25);
        m_fnPrevious = SetOpenErrorPresenter(
            [this](const QString&, const QString& strText) { m_aMessages.push_back(strText); });
    }

    void TearDown() override { SetOpenErrorPresenter(m_fnPrevious); }

    // Binds m_link, shows the window and gives the line edit the focus.
    void Show()
    {
        m_link.SetOpenFunction([this](const QString& strTarget, int nShow) {
            m_aOpened.push_back(strTarget);
            EXPECT_EQ(nShow, 5);
            return m_nOpenResult;
        });
        m_link.SubclassWidget(m_pLabel);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
        m_pEdit->setFocus();
        QApplication::processEvents();
    }

    void Click() { QTest::mouseClick(m_pLabel, Qt::LeftButton, {}, m_pLabel->rect().center()); }

    // The colour the label paints its underline in (the bottom-most text-coloured row).
    QColor PaintedColour()
    {
        const QImage image = m_pLabel->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb background = image.pixel(0, 0);
        for (int y = image.height() - 1; y >= 0; --y) {
            const QRgb pixel = image.pixel(image.width() / 2, y);
            if (pixel != background)
                return QColor(pixel);
        }
        return QColor();
    }

    QWidget m_window;
    QLabel* m_pLabel = nullptr;
    QLineEdit* m_pEdit = nullptr;
    CHyperLink m_link;
    int m_nOpenResult = 42;
    QStringList m_aOpened;
    QStringList m_aMessages;
    OpenErrorPresenter m_fnPrevious;
};

} // namespace

TEST_F(HyperLinkTest, BindingMakesABlueUnderlinedLinkToItsText)
{
    EXPECT_EQ(m_link.m_dwLinkStyle, HLS_UNDERLINE | HLS_AUTOSIZE | HLS_FOCUSONCLICK);
    Show();
    EXPECT_EQ(m_link.m_strTarget, c_strUrl);
    EXPECT_EQ(m_pLabel->toolTip(), c_strUrl);
    EXPECT_TRUE(m_pLabel->font().underline());
    EXPECT_EQ(m_pLabel->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(PaintedColour(), g_crLink);
    EXPECT_FALSE(m_link.m_bActive || m_link.m_bHover || m_link.m_bFollowed);
}

TEST_F(HyperLinkTest, AnEmptyLabelShowsItsTarget)
{
    m_pLabel->clear();
    m_link.m_strTarget = c_strUrl;
    Show();
    EXPECT_EQ(m_pLabel->text(), c_strUrl);
}

TEST_F(HyperLinkTest, ColourFollowsTheFlagsInOrder)
{
    Show();
    struct CCase
    {
        bool bHover, bActive, bFollowed;
        std::uint32_t dwExtraStyle;
        QColor crExpected;
    };
    const CCase aCases[] = {
        {false, false, false, 0, g_crLink},
        {false, false, true, 0, g_crFollowed},
        {false, true, true, 0, g_crActive},
        {true, true, true, 0, g_crActive},
        {true, true, true, HLS_HOVERCOLOR, g_crHover},
        {false, true, true, HLS_HOVERCOLOR, g_crActive},
        {false, true, true, HLS_NOACTIVECOLOR, g_crFollowed},
        {false, true, false, HLS_NOACTIVECOLOR, g_crLink},
    };
    for (const CCase& c : aCases) {
        m_link.m_bHover = c.bHover;
        m_link.m_bActive = c.bActive;
        m_link.m_bFollowed = c.bFollowed;
        m_link.m_dwLinkStyle = HLS_UNDERLINE | HLS_AUTOSIZE | HLS_FOCUSONCLICK | c.dwExtraStyle;
        EXPECT_EQ(m_link.CtlColor(), c.crExpected)
            << c.bHover << c.bActive << c.bFollowed << " style " << m_link.m_dwLinkStyle;
    }
}

TEST_F(HyperLinkTest, PressFocusesAndReleaseOpensThenVisitedOnceFocusLeaves)
{
    Show();
    QTest::mousePress(m_pLabel, Qt::LeftButton, {}, m_pLabel->rect().center());
    EXPECT_TRUE(m_pLabel->hasFocus());
    EXPECT_TRUE(m_link.m_bActive);
    EXPECT_TRUE(m_aOpened.isEmpty());
    EXPECT_EQ(PaintedColour(), g_crActive);

    QTest::mouseRelease(m_pLabel, Qt::LeftButton, {}, m_pLabel->rect().center());
    EXPECT_EQ(m_aOpened, QStringList {c_strUrl});
    EXPECT_TRUE(m_link.m_bFollowed);
    EXPECT_EQ(PaintedColour(), g_crActive); // active ranks above visited

    m_pEdit->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(m_link.m_bActive);
    EXPECT_EQ(PaintedColour(), g_crFollowed);
    EXPECT_TRUE(m_aMessages.isEmpty());
}

TEST_F(HyperLinkTest, ReleaseOpensOnlyOverTheLinkWhereverThePressWas)
{
    Show();
    const QPoint centre = m_pLabel->rect().center();
    // Pressed on the link, dragged off: the label has the mouse, the release is outside it.
    QTest::mousePress(m_pLabel, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(m_pLabel, Qt::LeftButton, {}, QPoint(-10, centre.y()));
    QTest::mousePress(m_pLabel, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(m_pLabel, Qt::LeftButton, {}, QPoint(centre.x(), m_pLabel->height() + 5));
    EXPECT_TRUE(m_aOpened.isEmpty());
    EXPECT_TRUE(m_link.m_bActive);

    // The link keeps the focus; a press on the window's background, released over the link:
    // the window has the mouse, and the link opens.
    const QPoint overLink = m_pLabel->mapTo(&m_window, centre);
    QTest::mousePress(&m_window, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&m_window, Qt::LeftButton, {}, overLink);
    EXPECT_EQ(m_aOpened, QStringList {c_strUrl});
    // Released elsewhere it does not; nor over the link once the focus has left it.
    QTest::mousePress(&m_window, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&m_window, Qt::LeftButton, {}, QPoint(20, 10));
    m_pEdit->setFocus();
    QApplication::processEvents();
    QTest::mousePress(&m_window, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&m_window, Qt::LeftButton, {}, overLink);
    EXPECT_EQ(m_aOpened.size(), 1);
}

TEST_F(HyperLinkTest, AFailedOpenShowsTheMessageAndLeavesTheLinkUnvisited)
{
    m_nOpenResult = 31;
    Show();
    Click();
    ASSERT_EQ(m_aMessages.size(), 1);
    EXPECT_EQ(m_aMessages[0], OpenErrorText(31));
    EXPECT_FALSE(m_link.m_bFollowed);
    m_pEdit->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(PaintedColour(), g_crLink);
}

TEST_F(HyperLinkTest, HoverNeverTurnsTheDefaultLinkRed)
{
    Show();
    for (int x = 10; x < m_pLabel->width(); x += 40)
        QTest::mouseMove(m_pLabel, QPoint(x, m_pLabel->height() / 2));
    EXPECT_TRUE(m_link.m_bHover);
    EXPECT_EQ(PaintedColour(), g_crLink);
    Click();
    EXPECT_NE(PaintedColour(), g_crHover);
}

TEST_F(HyperLinkTest, SpaceOpensOnlyWhileTheLinkHasTheFocus)
{
    Show();
    QTest::keyClick(m_window.windowHandle(), Qt::Key_Space);
    EXPECT_TRUE(m_aOpened.isEmpty());
    EXPECT_EQ(m_pEdit->text(), " "); // the key went where the focus was

    m_pLabel->setFocus();
    QApplication::processEvents();
    QTest::keyClick(m_window.windowHandle(), Qt::Key_A);
    EXPECT_TRUE(m_aOpened.isEmpty());
    QTest::keyClick(m_window.windowHandle(), Qt::Key_Space);
    EXPECT_EQ(m_aOpened, QStringList {c_strUrl});
}

TEST_F(HyperLinkTest, ANewLinkStartsBlueAgain)
{
    Show();
    Click();
    ASSERT_TRUE(m_link.m_bFollowed);

    QLabel label(c_strUrl, &m_window);
    auto pSecond = std::make_unique<CHyperLink>();
    pSecond->SubclassWidget(&label);
    EXPECT_FALSE(pSecond->m_bFollowed);
    EXPECT_EQ(pSecond->m_dwLinkStyle, HLS_UNDERLINE | HLS_AUTOSIZE | HLS_FOCUSONCLICK);
    EXPECT_EQ(pSecond->CtlColor(), g_crLink);
}

TEST(HyperLinkFit, CentredLabelsShrinkOrGrowByWholeHalves)
{
    QWidget parent;
    QFont font = parent.font();
    font.setUnderline(true);
    const QFontMetrics metrics(font);
    const QString strText = c_strUrl;
    const int cx = metrics.horizontalAdvance(strText);
    const int cy = metrics.height();

    // Differences between the label and its text: even, odd larger, odd smaller.
    struct CCase
    {
        int nExtraX, nExtraY, nWidth, nHeight;
    };
    for (const CCase& c :
        {CCase {10, 8, cx, cy}, CCase {11, 9, cx + 1, cy + 1}, CCase {-5, -3, cx - 1, cy - 1}}) {
        QLabel label(strText, &parent);
        label.setAlignment(Qt::AlignCenter);
        label.setGeometry(100, 50, cx + c.nExtraX, cy + c.nExtraY);
        CHyperLink link;
        link.SubclassWidget(&label);
        EXPECT_EQ(
            label.geometry(), QRect(100 + c.nExtraX / 2, 50 + c.nExtraY / 2, c.nWidth, c.nHeight))
            << c.nExtraX << "," << c.nExtraY;
    }

    QLabel left(strText, &parent);
    left.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    left.setGeometry(10, 20, cx + 33, cy + 7);
    QLabel right(strText, &parent);
    right.setAlignment(Qt::AlignRight | Qt::AlignTop);
    right.setGeometry(10, 20, cx + 33, cy + 7);
    CHyperLink linkLeft;
    CHyperLink linkRight;
    linkLeft.SubclassWidget(&left);
    linkRight.SubclassWidget(&right);
    EXPECT_EQ(left.geometry(), QRect(10, 20, cx, cy));
    EXPECT_EQ(right.geometry(), QRect(43, 20, cx, cy));
}
