// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/settings_dialog.h"

#include "dialogs/form_fit.h"
#include "dialogs/window_flags.h"
#include "game/settings.h"
#include "ui_settings_dialog.h"

#include <QAbstractSpinBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <climits>

namespace {

// A member as a box can show it (the box then keeps it to its range).
int BoxValue(std::uint32_t uValue)
{
    return uValue > INT_MAX ? INT_MAX : static_cast<int>(uValue);
}

} // namespace

CSettingsDlg::CSettingsDlg(QWidget* pParent)
    : QDialog(pParent)
    , m_pUi(std::make_unique<Ui::CSettingsDlg>())
{
    m_pUi->setupUi(this);
    setWindowFlags(DialogWindowFlags());
    CFormFit::Apply(*this);
    setFixedSize(size());
    m_editIncreaseAfter = m_pUi->edit1007;
    m_editFixedLength = m_pUi->edit1005;
    for (QSpinBox* pBox : {m_editIncreaseAfter, m_editFixedLength})
        pBox->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    m_editIncreaseAfter->setRange(
        CGameSettings::c_nMinIncreaseAfter, CGameSettings::c_nMaxIncreaseAfter);
    m_editFixedLength->setRange(CGameSettings::c_nMinFixedLength, CGameSettings::c_nMaxFixedLength);

    // clicked, not toggled: only the player's own choice (mouse, arrow keys, Space) counts.
    connect(m_pUi->radio1002, &QRadioButton::clicked, this, &CSettingsDlg::OnIncreaseAfter);
    connect(m_pUi->radio1003, &QRadioButton::clicked, this, &CSettingsDlg::OnFixedLength);
    connect(m_pUi->button1, &QPushButton::clicked, this, &CSettingsDlg::OnOK);
}

CSettingsDlg::~CSettingsDlg() = default;

void CSettingsDlg::showEvent(QShowEvent* pEvent)
{
    if (!m_bInitDone) {
        m_bInitDone = true;
        OnInitDialog();
    }
    QDialog::showEvent(pEvent);
}

void CSettingsDlg::OnInitDialog()
{
    const bool bIncrease = CGameSettings::Increase();
    (bIncrease ? m_pUi->radio1002 : m_pUi->radio1003)->setChecked(true);
    m_editIncreaseAfter->setValue(CGameSettings::IncreaseAfter());
    m_editFixedLength->setValue(CGameSettings::FixedLength());
    EnableBoxes(bIncrease);
    m_pUi->button1->setFocus(Qt::OtherFocusReason);
}

void CSettingsDlg::DoDataExchange(bool bSave)
{
    if (bSave) {
        // Settle any half-typed entry first: it is refused and the box shows its last number.
        m_editFixedLength->interpretText();
        m_editIncreaseAfter->interpretText();
        m_nFixedLength = static_cast<std::uint32_t>(m_editFixedLength->value());
        m_nIncreaseAfter = static_cast<std::uint32_t>(m_editIncreaseAfter->value());
    } else {
        m_editFixedLength->setValue(BoxValue(m_nFixedLength));
        m_editIncreaseAfter->setValue(BoxValue(m_nIncreaseAfter));
    }
}

void CSettingsDlg::EnableBoxes(bool bIncrease)
{
    m_editIncreaseAfter->setEnabled(bIncrease);
    m_editFixedLength->setEnabled(!bIncrease);
}

void CSettingsDlg::OnIncreaseAfter()
{
    CGameSettings::SetIncrease(true);
    EnableBoxes(true);
}

void CSettingsDlg::OnFixedLength()
{
    CGameSettings::SetIncrease(false);
    EnableBoxes(false);
}

void CSettingsDlg::OnOK()
{
    // Both numbers are stored, also the one of the mode not chosen. The boxes hold numbers in
    // range, so the settings take them.
    DoDataExchange(true);
    CGameSettings::SetFixedLength(BoxValue(m_nFixedLength));
    CGameSettings::SetIncreaseAfter(BoxValue(m_nIncreaseAfter));
    DoDataExchange(false);
    accept();
}
