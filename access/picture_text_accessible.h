// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "access/picture_item_accessible.h"

#include <vector>

// A text of the picture as a read-only text object: the staff's summary of the entered notes,
// or the judgement or the level banner, whose name is the text shown (empty and invisible while
// not shown).
class CPictureTextAccessible : public CPictureItemAccessible, public QAccessibleTextInterface
{
public:
    enum EKind
    {
        STAFF,
        JUDGEMENT,
        BANNER,
    };

    CPictureTextAccessible(CViewAccessible& view, EKind eKind);

    // The text as the picture shows it now.
    QString Text() const;

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface: no caret and no selection.
    void selection(int, int* pStart, int* pEnd) const override { *pStart = *pEnd = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QString text(int nStart, int nEnd) const override;
    int characterCount() const override { return static_cast<int>(Text().size()); }
    // Screen coordinates. The staff's head stands over the clef and each note's part over its
    // smiley; a judgement or banner spreads its letters over its place.
    QRect characterRect(int nOffset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int* pStart, int* pEnd) const override;

private:
    // A piece of the text over picture x [nLeft, nRight).
    struct SRun
    {
        int nLeft;
        int nRight;
        QString strText;
    };
    std::vector<SRun> Runs() const;

    EKind m_eKind;
};
