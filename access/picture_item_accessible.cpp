// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/picture_item_accessible.h"

#include "access/view_accessible.h"

CPictureItemAccessible::CPictureItemAccessible(CViewAccessible& view, const QRect& rcPicture)
    : m_view(view)
    , m_rcPicture(rcPicture)
{ }

QAccessibleInterface* CPictureItemAccessible::parent() const
{
    return &m_view;
}

QRect CPictureItemAccessible::rect() const
{
    return m_rcPicture.translated(m_view.rect().topLeft());
}
