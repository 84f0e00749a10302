// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMenuBar>

// The window's menu bar, with one menu standing apart at its right end in a bar of its own
// (its corner widget). For the keyboard and for a screen reader the two are one bar.
class CMainMenuBar : public QMenuBar
{
    Q_OBJECT
public:
    explicit CMainMenuBar(QWidget* pParent = nullptr);

    // Adds the menu at the right end; one such menu at most (a second call returns the first).
    QMenu* AddCornerMenu(const QString& strTitle);
    QMenuBar* CornerBar() const { return m_pCornerBar; }
    // The menus in order from left to right, the corner one last.
    QList<QAction*> AllMenus() const;

private:
    QMenuBar* m_pCornerBar = nullptr;
};
