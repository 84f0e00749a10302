#include "dialogs/settings_dialog.h"

#include "dialogs/window_flags.h"
#include "game/settings.h"
#include "ui_settings_dialog.h"

#include <QAbstractSpinBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

namespace {

// A member as the game may store it: the spin boxes already keep to their range, this keeps the
// globals in range even if a member was set some other way.
int Bounded(std::uint32_t uValue, int nMin, int nMax)
{
    return static_cast<int>(std::clamp<std::uint32_t>(
        uValue, static_cast<std::uint32_t>(nMin), static_cast<std::uint32_t>(nMax)));
}

} // namespace

CSettingsDlg::CSettingsDlg(QWidget* pParent)
    : QDialog(pParent)
    , m_pUi(std::make_unique<Ui::CSettingsDlg>())
{
    m_pUi->setupUi(this);
    setWindowFlags(DialogWindowFlags());
    setFixedSize(size());
    m_editIncreaseAfter = m_pUi->edit1007;
    m_editFixedLength = m_pUi->edit1005;
    for (QSpinBox* pBox : {m_editIncreaseAfter, m_editFixedLength})
        pBox->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);

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
    (g_bIncrease ? m_pUi->radio1002 : m_pUi->radio1003)->setChecked(true);
    m_editIncreaseAfter->setRange(c_nMinIncreaseAfter, c_nMaxIncreaseAfter);
    m_editIncreaseAfter->setValue(g_nIncreaseAfter);
    m_editFixedLength->setRange(c_nMinFixedLength, c_nMaxFixedLength);
    m_editFixedLength->setValue(g_nFixedLength);
    EnableBoxes(g_bIncrease);
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
        m_editFixedLength->setValue(Bounded(m_nFixedLength, c_nMinFixedLength, c_nMaxFixedLength));
        m_editIncreaseAfter->setValue(
            Bounded(m_nIncreaseAfter, c_nMinIncreaseAfter, c_nMaxIncreaseAfter));
    }
}

void CSettingsDlg::EnableBoxes(bool bIncrease)
{
    m_editIncreaseAfter->setEnabled(bIncrease);
    m_editFixedLength->setEnabled(!bIncrease);
}

void CSettingsDlg::OnIncreaseAfter()
{
    g_bIncrease = true;
    EnableBoxes(true);
}

void CSettingsDlg::OnFixedLength()
{
    g_bIncrease = false;
    EnableBoxes(false);
}

void CSettingsDlg::OnOK()
{
    // Both numbers are stored, also the one of the mode not chosen.
    DoDataExchange(true);
    g_nFixedLength = Bounded(m_nFixedLength, c_nMinFixedLength, c_nMaxFixedLength);
    g_nIncreaseAfter = Bounded(m_nIncreaseAfter, c_nMinIncreaseAfter, c_nMaxIncreaseAfter);
    DoDataExchange(false);
    accept();
}
