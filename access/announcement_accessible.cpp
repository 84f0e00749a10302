// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/announcement_accessible.h"

#include "access/announcements_accessible.h"

CAnnouncementAccessible::CAnnouncementAccessible(CAnnouncementsAccessible& parent)
    : m_parent(parent)
{ }

QAccessibleInterface* CAnnouncementAccessible::parent() const
{
    return &m_parent;
}

QString CAnnouncementAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? m_strMessage : QString();
}

QRect CAnnouncementAccessible::rect() const
{
    return m_parent.rect();
}

QAccessible::State CAnnouncementAccessible::state() const
{
    // Shown as far as the reader asks: it speaks a notification that shows. Its hidden parent
    // keeps it out of flat review.
    QAccessible::State state;
    state.readOnly = true;
    return state;
}
