// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/announcements_accessible.h"

#include "access/announcement_accessible.h"
#include "access/view_accessible.h"

CAnnouncementsAccessible::CAnnouncementsAccessible(CViewAccessible& view)
    : m_view(view)
{
    for (int i = 0; i < KIND_COUNT; ++i) {
        m_apItem[i] = new CAnnouncementAccessible(*this);
        m_aId[i] = QAccessible::registerAccessibleInterface(m_apItem[i]);
    }
}

CAnnouncementsAccessible::~CAnnouncementsAccessible()
{
    // The cache owns registered interfaces; one it already deleted is no longer found by id.
    for (QAccessible::Id id : m_aId)
        QAccessible::deleteAccessibleInterface(id);
}

void CAnnouncementsAccessible::Say(
    EKind eKind, const QString& strMessage, void (*fnSend)(QAccessibleEvent&))
{
    CAnnouncementAccessible* pItem = m_apItem[eKind];
    pItem->SetMessage(strMessage);
    QAccessibleEvent nameChanged(pItem, QAccessible::NameChanged);
    fnSend(nameChanged);
    // Qt's bridge turns this into the showing state's change, which readers speak for a
    // notification (Qt 6.4 has no announcement event).
    QAccessibleEvent shown(pItem, QAccessible::ObjectShow);
    fnSend(shown);
}

QAccessibleInterface* CAnnouncementsAccessible::parent() const
{
    return &m_view;
}

QAccessibleInterface* CAnnouncementsAccessible::child(int nIndex) const
{
    if (nIndex < 0 || nIndex >= KIND_COUNT)
        return nullptr;
    return m_apItem[nIndex];
}

int CAnnouncementsAccessible::indexOfChild(const QAccessibleInterface* pChild) const
{
    for (int i = 0; i < KIND_COUNT; ++i) {
        if (m_apItem[i] == pChild)
            return i;
    }
    return -1;
}

QRect CAnnouncementsAccessible::rect() const
{
    return {};
}

QAccessible::State CAnnouncementsAccessible::state() const
{
    QAccessible::State state;
    state.invisible = true;
    state.readOnly = true;
    return state;
}
