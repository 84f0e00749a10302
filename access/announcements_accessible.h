// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>
#include <array>

class CAnnouncementAccessible;
class CViewAccessible;

// What the picture says aloud, as a status bar the picture owns: it is never shown itself (flat
// review skips it) and holds one notification per kind of message. Say() puts a message in its
// notification and shows it again, which is what a screen reader speaks.
class CAnnouncementsAccessible : public QAccessibleInterface
{
public:
    enum EKind
    {
        NOTE, // what the smiley of the note just entered shows: "F, right"
        JUDGEMENT,
        BANNER,
        KIND_COUNT,
    };

    explicit CAnnouncementsAccessible(CViewAccessible& view);
    ~CAnnouncementsAccessible() override;

    CAnnouncementAccessible* Announcement(EKind eKind) const { return m_apItem[eKind]; }
    // Sends the events through fnSend (the view's way of sending them).
    void Say(EKind eKind, const QString& strMessage, void (*fnSend)(QAccessibleEvent&));

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int nIndex) const override;
    int childCount() const override { return KIND_COUNT; }
    int indexOfChild(const QAccessibleInterface* pChild) const override;
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override;

private:
    CViewAccessible& m_view;
    std::array<CAnnouncementAccessible*, KIND_COUNT> m_apItem {};
    std::array<QAccessible::Id, KIND_COUNT> m_aId {};
};
