// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>

class CAnnouncementsAccessible;

// One kind of spoken message (the note just entered, the judgement, the level banner) as a
// notification whose name is the last message of its kind. Screen readers speak a notification
// when it shows; under a status bar they speak its name alone, without the word "notification".
class CAnnouncementAccessible : public QAccessibleInterface
{
public:
    explicit CAnnouncementAccessible(CAnnouncementsAccessible& parent);

    const QString& Message() const { return m_strMessage; }
    void SetMessage(const QString& strMessage) { m_strMessage = strMessage; }

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;

private:
    CAnnouncementsAccessible& m_parent;
    QString m_strMessage;
};
