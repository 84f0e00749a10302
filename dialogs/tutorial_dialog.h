// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class CTutorialDlg;
}

// The Tutorial box: a read-only, word-wrapped, scrollable explanation of the game and "OK".
// The game goes on behind it.
class CTutorialDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CTutorialDlg(QWidget* pParent = nullptr);
    ~CTutorialDlg() override;

    // The tutorial's lines joined by CR LF, without one after the last line.
    static QString TutorialText();

    // Puts m_strText into the text box. The box is read-only, so nothing is ever read back.
    void DoDataExchange();

    QString m_strText;

private:
    std::unique_ptr<Ui::CTutorialDlg> m_pUi;
};
