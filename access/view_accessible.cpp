// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/view_accessible.h"

#include "access/announcements_accessible.h"
#include "access/key_accessible.h"
#include "access/picture_text_accessible.h"
#include "access/visibility_signal.h"
#include "game/melody_game.h"
#include "window/game_view.h"

#include <QCoreApplication>

namespace {

CViewAccessible::EventObserver g_fnEventObserver = nullptr;

} // namespace

void CViewAccessible::SetEventObserver(EventObserver fnObserver)
{
    g_fnEventObserver = fnObserver;
}

void CViewAccessible::Send(QAccessibleEvent& event)
{
    QAccessible::updateAccessibility(&event);
    if (g_fnEventObserver != nullptr)
        g_fnEventObserver(&event);
}

CViewAccessible::CViewAccessible(CGameView* pView)
    : QAccessibleWidget(pView, QAccessible::Pane)
    , m_view(*pView)
    , m_input(pView->Game())
    , m_lastState(State())
{
    m_apChild[c_nBannerIndex] = new CPictureTextAccessible(*this, CPictureTextAccessible::BANNER);
    m_apChild[c_nStaffIndex] = new CPictureTextAccessible(*this, CPictureTextAccessible::STAFF);
    for (int k = 0; k < 8; ++k)
        m_apChild[c_nFirstKeyIndex + k] = new CKeyAccessible(*this, k);
    m_apChild[c_nJudgementIndex]
        = new CPictureTextAccessible(*this, CPictureTextAccessible::JUDGEMENT);
    m_apChild[c_nAnnouncementsIndex] = new CAnnouncementsAccessible(*this);
    // Each new picture is compared with the last one told.
    m_connection = QObject::connect(pView, &CGameView::PictureShown, [this] { Refresh(); });
    // Registered, the children get ids and are found again by the platform's bridge.
    for (int i = 0; i < c_nChildCount; ++i)
        m_aChildId[i] = QAccessible::registerAccessibleInterface(m_apChild[i]);
}

CViewAccessible::~CViewAccessible()
{
    QObject::disconnect(m_connection);
    // The cache owns registered interfaces; one it already deleted is no longer found by id.
    for (QAccessible::Id id : m_aChildId)
        QAccessible::deleteAccessibleInterface(id);
}

CTurnSnapshot CViewAccessible::State() const
{
    return CTurnSnapshot::Of(m_view.Game());
}

CPictureWords CViewAccessible::Words(const CTurnSnapshot& turn) const
{
    return CPictureWords(turn, m_view.Scene());
}

QAccessibleInterface* CViewAccessible::child(int nIndex) const
{
    if (nIndex < 0 || nIndex >= c_nChildCount)
        return nullptr;
    return m_apChild[nIndex];
}

int CViewAccessible::indexOfChild(const QAccessibleInterface* pChild) const
{
    for (int i = 0; i < c_nChildCount; ++i) {
        if (m_apChild[i] == pChild)
            return i;
    }
    return -1;
}

QAccessibleInterface* CViewAccessible::childAt(int x, int y) const
{
    // Keys and the judgement share their place: the visible one is there.
    for (int i = c_nChildCount - 1; i >= 0; --i) {
        QAccessibleInterface* pChild = m_apChild[i];
        if (!pChild->state().invisible && pChild->rect().contains(x, y))
            return pChild;
    }
    return nullptr;
}

CAnnouncementsAccessible& CViewAccessible::Announcements() const
{
    return *static_cast<CAnnouncementsAccessible*>(m_apChild[c_nAnnouncementsIndex]);
}

void CViewAccessible::SendVisibility(QAccessibleInterface* pObject, bool bVisible)
{
    QAccessibleEvent event(pObject, bVisible ? QAccessible::ObjectShow : QAccessible::ObjectHide);
    Send(event);
    CVisibilitySignal::Send(pObject, bVisible);
}

QString CViewAccessible::NewEntry(const CTurnSnapshot& before, const CTurnSnapshot& now) const
{
    // One more note of the same melody; a new melody or cleared notes say nothing.
    if (now.nLength != before.nLength || now.nEntered != before.nEntered + 1)
        return {};
    for (int i = 0; i < before.nEntered; ++i) {
        if (now.aEntered[i] != before.aEntered[i])
            return {};
    }
    return Words(now).EntryText(now.nEntered - 1);
}

void CViewAccessible::Refresh()
{
    const CTurnSnapshot now = State();
    if (now == m_lastState)
        return;
    const CTurnSnapshot before = m_lastState;
    m_lastState = now;
    const CPictureWords wordsBefore = Words(before);
    const CPictureWords wordsNow = Words(now);

    const QString oldStaff = wordsBefore.StaffText();
    const QString newStaff = wordsNow.StaffText();
    if (oldStaff != newStaff) {
        QAccessibleTextUpdateEvent event(m_apChild[c_nStaffIndex], 0, oldStaff, newStaff);
        Send(event);
    }
    if (before.bShowResult != now.bShowResult) {
        for (int k = 0; k < 8; ++k)
            SendVisibility(m_apChild[c_nFirstKeyIndex + k], !now.bShowResult);
    }
    // A note that brings the judgement is said with it: the judgement would cut it short.
    QString entry = NewEntry(before, now);
    const QString judgement = wordsNow.Judgement();
    if (!entry.isEmpty() && judgement.isEmpty())
        Announcements().Say(CAnnouncementsAccessible::NOTE, entry, &Send);
    //: A note just entered (%1, e.g. "E, right") and the judgement it brought (%2), said
    //: together as two sentences.
    const QString spokenJudgement = entry.isEmpty()
        ? judgement
        : QCoreApplication::translate("Access", "%1. %2").arg(entry, judgement);
    AnnounceShownText(*static_cast<CPictureTextAccessible*>(m_apChild[c_nJudgementIndex]),
        wordsBefore.Judgement(), judgement, spokenJudgement);
    AnnounceShownText(*static_cast<CPictureTextAccessible*>(m_apChild[c_nBannerIndex]),
        wordsBefore.Banner(), wordsNow.Banner(), wordsNow.Banner());
}

// A text that appears is spoken: its name changes, it shows, and it raises an alert; the
// message goes to the notification of its kind.
void CViewAccessible::AnnounceShownText(CPictureTextAccessible& item, const QString& strOld,
    const QString& strNew, const QString& strSpoken) const
{
    if (strOld == strNew)
        return;
    QAccessibleEvent nameChanged(&item, QAccessible::NameChanged);
    Send(nameChanged);
    if (strOld.isEmpty() != strNew.isEmpty())
        SendVisibility(&item, !strNew.isEmpty());
    if (strNew.isEmpty())
        return;
    QAccessibleEvent alert(&item, QAccessible::Alert);
    Send(alert);
    Announcements().Say(&item == m_apChild[c_nBannerIndex] ? CAnnouncementsAccessible::BANNER
                                                           : CAnnouncementsAccessible::JUDGEMENT,
        strSpoken, &Send);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(&item, strSpoken);
    Send(announcement);
#endif
}
