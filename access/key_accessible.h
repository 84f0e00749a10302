// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "access/picture_item_accessible.h"

// One of the eight keys as a button: Press enters its note like a left click, Sound only
// sounds it like a right click. Invisible while the judgement stands in the keyboard's place.
class CKeyAccessible : public CPictureItemAccessible, public QAccessibleActionInterface
{
public:
    static const QString& SoundAction();

    CKeyAccessible(CViewAccessible& view, int nKey);

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    // "Sound" in the player's language; the name itself stays the same in every language.
    QString localizedActionName(const QString& strAction) const override;
    void doAction(const QString& strAction) override;
    QStringList keyBindingsForAction(const QString& strAction) const override;

private:
    int m_nKey;
};
