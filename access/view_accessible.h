// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/turn_snapshot.h"
#include "window/note_input.h"
#include "window/picture_words.h"

#include <QAccessibleWidget>
#include <array>
#include <memory>

class CAnnouncementsAccessible;
class CGameView;
class CKeyAccessible;
class CPictureTextAccessible;

// The picture as a screen reader sees it: the level banner, the staff, the eight keys, the
// judgement and, never shown, what it says aloud, in that order. Refresh() tells the reader what
// changed since the last call.
class CViewAccessible : public QAccessibleWidget
{
public:
    enum : int
    {
        c_nBannerIndex = 0,
        c_nStaffIndex = 1,
        c_nFirstKeyIndex = 2, // keys 0..7 follow
        c_nJudgementIndex = 10,
        c_nAnnouncementsIndex = 11,
        c_nChildCount = 12,
    };

    // Also hands every event this picture sends to fnObserver (nullptr: to nobody). Qt passes
    // events on only to a platform bridge, and platforms without one (offscreen) have none.
    using EventObserver = void (*)(QAccessibleEvent* pEvent);
    static void SetEventObserver(EventObserver fnObserver);

    explicit CViewAccessible(CGameView* pView);
    ~CViewAccessible() override;

    CTurnSnapshot State() const;
    // A snapshot of this picture's turn in words; turn must outlive them.
    CPictureWords Words(const CTurnSnapshot& turn) const;
    CNoteInput& Input() { return m_input; }
    // Sends the events for what differs from the state of the previous call.
    void Refresh();

    QAccessibleInterface* child(int nIndex) const override;
    int childCount() const override { return c_nChildCount; }
    int indexOfChild(const QAccessibleInterface* pChild) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    static void Send(QAccessibleEvent& event);
    // An object shown or hidden: both of the states that go with it, for the reader's cache.
    static void SendVisibility(QAccessibleInterface* pObject, bool bVisible);
    void AnnounceShownText(CPictureTextAccessible& item, const QString& strOld,
        const QString& strNew, const QString& strSpoken) const;
    // What the smiley of the one note entered since `before` shows, or empty.
    QString NewEntry(const CTurnSnapshot& before, const CTurnSnapshot& now) const;
    CAnnouncementsAccessible& Announcements() const;

    const CGameView& m_view;
    CNoteInput m_input;
    CTurnSnapshot m_lastState;
    std::array<QAccessibleInterface*, c_nChildCount> m_apChild {};
    std::array<QAccessible::Id, c_nChildCount> m_aChildId {};
    QMetaObject::Connection m_connection; // the view's PictureShown to Refresh
};
