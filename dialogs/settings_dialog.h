// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>

class QSpinBox;
namespace Ui {
class CSettingsDlg;
}

// The Settings box: grow the melody after a number of successes, or keep a fixed length.
// A radio click switches the game's mode at once (and is not undone by Escape); the two numbers
// are stored only by "OK". Each number box is a spin box standing in for an edit box with its
// up-down buddy (edit1007 = edit 1007 + up-down 1004, edit1005 = edit 1005 + up-down 1006).
//
// Bad entries are refused, not clamped: the boxes turn away every keystroke that cannot lead to
// a number in range (letters, a minus sign, a digit too many), and a half-typed entry left when
// "OK" is pressed (empty, blanks, a lone 0) falls back to the last number the box showed. The
// boxes take their ranges from CGameSettings, which refuses anything else, so the box ends up
// showing the number that was stored.
class CSettingsDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CSettingsDlg(QWidget* pParent = nullptr);
    ~CSettingsDlg() override;

    // Checks the current mode, shows the current numbers, enables the current mode's box and
    // puts the focus on "OK". Runs once, when the box is first shown.
    void OnInitDialog();
    // Exchange between the number boxes and the members: bSave true reads the boxes.
    void DoDataExchange(bool bSave);
    void OnIncreaseAfter();
    void OnFixedLength();
    void OnOK();

    QSpinBox* m_editIncreaseAfter = nullptr; // successes per level, 1..10
    QSpinBox* m_editFixedLength = nullptr; // fixed melody length, 3..8
    std::uint32_t m_nFixedLength = 0;
    std::uint32_t m_nIncreaseAfter = 0;

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    void EnableBoxes(bool bIncrease);

    std::unique_ptr<Ui::CSettingsDlg> m_pUi;
    bool m_bInitDone = false;
};
