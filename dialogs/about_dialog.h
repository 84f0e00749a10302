// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "hyperlink/hyperlink.h"

#include <QDialog>
#include <memory>

namespace Ui {
class CAboutDlg;
}

// The About box: picture 112, name and version with the credit line, a link to the game's web
// page, and "OK". The main window stops its game ticks for as long as it is open.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);
    ~CAboutDlg() override;

    // Binds m_link to the address label; its target is the label's own text. Binding again
    // does nothing.
    void DoDataExchange();

    CHyperLink m_link;

private:
    std::unique_ptr<Ui::CAboutDlg> m_pUi;
};
