// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/about_dialog.h"

#include "cantabell/build_info.h"
#include "dialogs/credits.h"
#include "dialogs/form_fit.h"
#include "dialogs/window_flags.h"
#include "ui_about_dialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* pParent)
    : QDialog(pParent)
    , m_pUi(std::make_unique<Ui::CAboutDlg>())
{
    m_pUi->setupUi(this);
    setWindowFlags(DialogWindowFlags());
    m_pUi->staticTitle->setText(QStringLiteral("Cantabell v") + QString::fromLatin1(c_szVersion)
        + QStringLiteral("\n") + QCoreApplication::translate("Credits", c_szCreditLine));

    // The picture label takes the picture's size; without the picture it stays empty.
    const QPixmap picture(QStringLiteral(":/BITMAP/112"));
    if (!picture.isNull()) {
        m_pUi->bitmap112->setPixmap(picture);
        m_pUi->bitmap112->resize(picture.size());
    }
    // The address is the same in every language: the box fits the translated texts only.
    CFormFit::Apply(*this);
    setFixedSize(size());
    m_pUi->static1008->setText(QString::fromLatin1(c_szWebAddress));

    connect(m_pUi->button1, &QPushButton::clicked, this, &QDialog::accept);
    DoDataExchange();
    // Tab goes from OK to the link and back; OK has the focus first.
    m_pUi->static1008->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(m_pUi->button1, m_pUi->static1008);
    m_pUi->button1->setFocus(Qt::OtherFocusReason);
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange()
{
    m_link.SubclassWidget(m_pUi->static1008);
}
