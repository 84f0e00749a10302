// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_window.h"
#include "dialogs/settings_dialog.h"
#include "game/settings.h"
#include "tests/common/game_fixtures.h"
#include "tests/common/modal_driver.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QSpinBox* Box(QDialog& dlg, const char* szName)
{
    return dlg.findChild<QSpinBox*>(szName);
}
QRadioButton* Radio(QDialog& dlg, const char* szName)
{
    return dlg.findChild<QRadioButton*>(szName);
}
QPushButton* OkButton(QDialog& dlg)
{
    return dlg.findChild<QPushButton*>("button1");
}

// Clicks one arrow of a spin box where the style draws it.
void ClickArrow(QSpinBox* pBox, QStyle::SubControl arrow)
{
    QStyleOptionSpinBox option;
    option.initFrom(pBox);
    option.rect = pBox->rect();
    option.subControls = QStyle::SC_All;
    option.frame = pBox->hasFrame();
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect rect = pBox->style()->subControlRect(QStyle::CC_SpinBox, &option, arrow, pBox);
    QTest::mouseClick(pBox, Qt::LeftButton, {}, rect.center());
}

// Replaces the whole entry of a box by typed keys, as a player would.
void TypeInto(QSpinBox* pBox, const QString& strKeys)
{
    pBox->selectAll();
    QTest::keyClick(pBox, Qt::Key_Backspace);
    QTest::keyClicks(pBox, strKeys);
}

class SettingsDialogTest : public CFreshGlobalsTest
{
};

class SettingsOverGameTest : public CGameWindowTest
{
protected:
    bool OpenSettings(const std::function<void(CSettingsDlg&)>& fnBody)
    {
        return DriveModal<CSettingsDlg>([this] { m_pWindow->OnSettings(); }, fnBody);
    }
};

} // namespace

TEST_F(SettingsOverGameTest, FirstOpeningShowsTheDefaultsCentredWithFocusOnOk)
{
    const bool bOpened = OpenSettings([this](CSettingsDlg& dlg) {
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Settings"));
        EXPECT_TRUE(dlg.isModal());
        EXPECT_TRUE(Radio(dlg, "radio1002")->isChecked());
        EXPECT_FALSE(Radio(dlg, "radio1003")->isChecked());
        EXPECT_EQ(Box(dlg, "edit1007")->text(), QStringLiteral("3"));
        EXPECT_TRUE(Box(dlg, "edit1007")->isEnabled());
        EXPECT_EQ(Box(dlg, "edit1005")->text(), QStringLiteral("4"));
        EXPECT_FALSE(Box(dlg, "edit1005")->isEnabled());
        EXPECT_EQ(dlg.focusWidget(), OkButton(dlg));
        EXPECT_TRUE(OkButton(dlg)->isDefault());
        const QPoint offset = dlg.frameGeometry().center() - m_pWindow->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 4);
        // The game is not paused behind it.
        EXPECT_FALSE(m_pWindow->Game().IsDialogOpen());
    });
    EXPECT_TRUE(bOpened);
}

TEST_F(SettingsDialogTest, OpensInFixedModeWithTheCurrentNumbers)
{
    CGameSettings::SetIncrease(false);
    CGameSettings::SetIncreaseAfter(7);
    CGameSettings::SetFixedLength(6);
    CSettingsDlg dlg;
    dlg.show();
    EXPECT_FALSE(Radio(dlg, "radio1002")->isChecked());
    EXPECT_TRUE(Radio(dlg, "radio1003")->isChecked());
    EXPECT_EQ(Box(dlg, "edit1007")->text(), QStringLiteral("7"));
    EXPECT_FALSE(Box(dlg, "edit1007")->isEnabled());
    EXPECT_EQ(Box(dlg, "edit1005")->text(), QStringLiteral("6"));
    EXPECT_TRUE(Box(dlg, "edit1005")->isEnabled());
}

TEST_F(SettingsDialogTest, ArrowsStopAtTheEndsOfTheRanges)
{
    CSettingsDlg dlg;
    dlg.show();
    QSpinBox* pIncrease = Box(dlg, "edit1007");
    for (int i = 0; i < 12; ++i)
        ClickArrow(pIncrease, QStyle::SC_SpinBoxUp);
    EXPECT_EQ(pIncrease->text(), QStringLiteral("10"));
    for (int i = 0; i < 12; ++i)
        ClickArrow(pIncrease, QStyle::SC_SpinBoxDown);
    EXPECT_EQ(pIncrease->text(), QStringLiteral("1"));

    QTest::mouseClick(Radio(dlg, "radio1003"), Qt::LeftButton);
    QSpinBox* pFixed = Box(dlg, "edit1005");
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(pFixed, Qt::Key_Up);
    EXPECT_EQ(pFixed->text(), QStringLiteral("8"));
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(pFixed, Qt::Key_Down);
    EXPECT_EQ(pFixed->text(), QStringLiteral("3"));
    // Arrows alone store nothing.
    EXPECT_EQ(CGameSettings::IncreaseAfter(), 3);
    EXPECT_EQ(CGameSettings::FixedLength(), 4);
}

TEST_F(SettingsDialogTest, RadioClickSwitchesTheModeAtOnceAndEnablesItsBox)
{
    CSettingsDlg dlg;
    dlg.show();
    QTest::mouseClick(Radio(dlg, "radio1003"), Qt::LeftButton);
    EXPECT_FALSE(CGameSettings::Increase());
    EXPECT_TRUE(Box(dlg, "edit1005")->isEnabled());
    EXPECT_FALSE(Box(dlg, "edit1007")->isEnabled());

    QTest::mouseClick(Radio(dlg, "radio1002"), Qt::LeftButton);
    EXPECT_TRUE(CGameSettings::Increase());
    EXPECT_TRUE(Box(dlg, "edit1007")->isEnabled());
    EXPECT_FALSE(Box(dlg, "edit1005")->isEnabled());
}

TEST_F(SettingsOverGameTest, EscapeOrCloseBoxKeepsTheModeButNotTheNumbers)
{
    for (const bool bEscape : {true, false}) {
        ResetGameGlobals();
        const bool bOpened = OpenSettings([bEscape](CSettingsDlg& dlg) {
            TypeInto(Box(dlg, "edit1007"), QStringLiteral("9"));
            QTest::mouseClick(Radio(dlg, "radio1003"), Qt::LeftButton);
            TypeInto(Box(dlg, "edit1005"), QStringLiteral("7"));
            if (bEscape)
                QTest::keyClick(dlg.focusWidget() ? dlg.focusWidget() : &dlg, Qt::Key_Escape);
            else
                dlg.close();
            EXPECT_FALSE(dlg.isVisible());
        });
        EXPECT_TRUE(bOpened);
        EXPECT_FALSE(CGameSettings::Increase()) << (bEscape ? "Escape" : "close box");
        EXPECT_EQ(CGameSettings::FixedLength(), 4);
        EXPECT_EQ(CGameSettings::IncreaseAfter(), 3);
    }
}

TEST_F(SettingsOverGameTest, OkStoresBothNumbersWhateverTheMode)
{
    const bool bOpened = OpenSettings([](CSettingsDlg& dlg) {
        TypeInto(Box(dlg, "edit1007"), QStringLiteral("5"));
        QTest::mouseClick(Radio(dlg, "radio1003"), Qt::LeftButton);
        TypeInto(Box(dlg, "edit1005"), QStringLiteral("7"));
        QTest::mouseClick(OkButton(dlg), Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    });
    EXPECT_TRUE(bOpened);
    EXPECT_FALSE(CGameSettings::Increase());
    EXPECT_EQ(CGameSettings::IncreaseAfter(), 5);
    EXPECT_EQ(CGameSettings::FixedLength(), 7);
}

TEST_F(SettingsDialogTest, EnterRightAfterTypingStoresTheTypedNumber)
{
    CGameSettings::SetIncrease(false);
    CSettingsDlg dlg;
    dlg.show();
    QSpinBox* pFixed = Box(dlg, "edit1005");
    pFixed->setFocus();
    TypeInto(pFixed, QStringLiteral("6"));
    QTest::keyClick(pFixed, Qt::Key_Return);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(CGameSettings::FixedLength(), 6);
}

// Entries that are no number in range are refused: the box keeps (or falls back to) the last
// number it showed, and that is what "OK" stores and the box shows afterwards.
TEST_F(SettingsDialogTest, BadEntriesNeverLeaveTheRanges)
{
    struct Row
    {
        const char* szBox;
        const char* szKeys;
        int nExpected;
    };
    const Row aRow[] = {
        {"edit1007", "abc", 3},
        {"edit1007", "-5", 5},
        {"edit1007", "0", 3},
        {"edit1007", "11", 1},
        {"edit1007", "99999", 9},
        {"edit1007", "4294967296", 4},
        {"edit1007", " 7 ", 7},
        {"edit1007", "", 3},
        {"edit1007", "   ", 3},
        {"edit1005", "abc", 4},
        {"edit1005", "-3", 3},
        {"edit1005", "0", 4},
        {"edit1005", "2", 4},
        {"edit1005", "9", 4},
        {"edit1005", "99999", 4},
        {"edit1005", "4294967296", 4},
        {"edit1005", " 6 ", 6},
        {"edit1005", "", 4},
    };
    for (const Row& row : aRow) {
        ResetGameGlobals();
        const bool bFixed = QByteArray(row.szBox) == "edit1005";
        CGameSettings::SetIncrease(!bFixed);
        CSettingsDlg dlg;
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        // Typed with the box focused, as a player would, so that leaving it settles the entry.
        QSpinBox* pBox = Box(dlg, row.szBox);
        pBox->setFocus();
        ASSERT_TRUE(pBox->hasFocus());
        TypeInto(pBox, QString::fromLatin1(row.szKeys));
        QTest::mouseClick(OkButton(dlg), Qt::LeftButton);

        const int nStored = bFixed ? CGameSettings::FixedLength() : CGameSettings::IncreaseAfter();
        SCOPED_TRACE(std::string(row.szBox) + " <- \"" + row.szKeys + "\"");
        EXPECT_EQ(nStored, row.nExpected);
        EXPECT_EQ(pBox->text(), QString::number(nStored));
        EXPECT_TRUE(CGameSettings::IncreaseAfter() >= 1 && CGameSettings::IncreaseAfter() <= 10);
        EXPECT_TRUE(CGameSettings::FixedLength() >= 3 && CGameSettings::FixedLength() <= 8);
    }
}

TEST_F(SettingsOverGameTest, GameFollowsTheFixedLengthWhileTheBoxIsOpen)
{
    CGameSettings::SetFixedLength(6);
    const bool bOpened = OpenSettings([this](CSettingsDlg& dlg) {
        CMelodyGame& game = m_pWindow->Game();
        ASSERT_EQ(game.Length(), 3);
        QTest::mouseClick(Radio(dlg, "radio1003"), Qt::LeftButton);
        // One play tick (600 ms) later the game behind the box has the stored fixed length ...
        EXPECT_TRUE(QTest::qWaitFor([&game] { return game.Length() == 6; }, 2000));
        // ... and a number merely typed into the box does not count before "OK".
        TypeInto(Box(dlg, "edit1005"), QStringLiteral("8"));
        QTest::qWait(700);
        EXPECT_EQ(game.Length(), 6);
        QTest::mouseClick(OkButton(dlg), Qt::LeftButton);
    });
    EXPECT_TRUE(bOpened);
    const CMelodyGame& game = m_pWindow->Game();
    EXPECT_TRUE(QTest::qWaitFor([&game] { return game.Length() == 8; }, 2000));
}
