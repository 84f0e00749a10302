// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleInterface>

class CViewAccessible;

// A part of the picture that a screen reader sees as an object of its own: a leaf under the
// picture's interface, which owns it. Bounds are given in picture pixels and reported in
// screen coordinates.
class CPictureItemAccessible : public QAccessibleInterface
{
public:
    CPictureItemAccessible(CViewAccessible& view, const QRect& rcPicture);

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;

protected:
    CViewAccessible& m_view;

private:
    QRect m_rcPicture;
};
