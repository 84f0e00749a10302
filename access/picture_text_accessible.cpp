// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/picture_text_accessible.h"

#include "access/view_accessible.h"
#include "game/key_geometry.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// A note's part of the staff's text starts this many pixels before its smiley.
constexpr int c_nPartLead = 8;

QRect ToQRect(const CPictureRect& rc)
{
    return QRect(rc.m_nLeft, rc.m_nTop, rc.m_nWidth, rc.m_nHeight);
}

// Picture pixels: the staff's white field; the judgement stands where the keys are; the banner
// runs across the staff's upper half.
QRect KindRect(CPictureTextAccessible::EKind eKind)
{
    switch (eKind) {
    case CPictureTextAccessible::STAFF:
        return ToQRect(c_rcStaff);
    case CPictureTextAccessible::JUDGEMENT:
        return ToQRect(c_rcKeys);
    case CPictureTextAccessible::BANNER:
    default:
        return ToQRect(c_rcBanner);
    }
}

} // namespace

CPictureTextAccessible::CPictureTextAccessible(CViewAccessible& view, EKind eKind)
    : CPictureItemAccessible(view, KindRect(eKind))
    , m_eKind(eKind)
{ }

QString CPictureTextAccessible::Text() const
{
    const CTurnSnapshot now = m_view.State();
    const CPictureWords words = m_view.Words(now);
    switch (m_eKind) {
    case STAFF:
        return words.StaffText();
    case JUDGEMENT:
        return words.Judgement();
    case BANNER:
    default:
        return words.Banner();
    }
}

QString CPictureTextAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return {};
    return m_eKind == STAFF ? QCoreApplication::translate("Access", "Staff") : Text();
}

QAccessible::State CPictureTextAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = m_eKind != STAFF && Text().isEmpty();
    return state;
}

void* CPictureTextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return nullptr;
}

QString CPictureTextAccessible::text(int nStart, int nEnd) const
{
    const QString all = Text();
    // An end of -1 stands for the end of the text.
    const int size = static_cast<int>(all.size());
    const int end = nEnd < 0 ? size : std::min(nEnd, size);
    const int start = std::clamp(nStart, 0, end);
    return all.mid(start, end - start);
}

std::vector<CPictureTextAccessible::SRun> CPictureTextAccessible::Runs() const
{
    const QRect place = KindRect(m_eKind);
    if (m_eKind != STAFF)
        return {{place.left(), place.right() + 1, Text()}};
    // Each note's part runs from a little before its smiley to the same place before the next.
    const CTurnSnapshot now = m_view.State();
    const CPictureWords words = m_view.Words(now);
    std::vector<SRun> runs {{place.left(), SmileyLeft(0) - c_nPartLead, words.StaffHead()}};
    for (int i = 0; i < now.nEntered; ++i)
        runs.push_back(
            {SmileyLeft(i) - c_nPartLead, SmileyLeft(i + 1) - c_nPartLead, words.StaffPart(i)});
    return runs;
}

QRect CPictureTextAccessible::characterRect(int nOffset) const
{
    const QRect place = KindRect(m_eKind);
    // From picture to screen coordinates, as rect() places the item.
    const QPoint shift = rect().topLeft() - place.topLeft();
    int start = 0;
    for (const SRun& run : Runs()) {
        const int count = static_cast<int>(run.strText.size());
        if (nOffset >= start && nOffset < start + count) {
            const int left = run.nLeft;
            const int width = run.nRight - left;
            const int x0 = left + width * (nOffset - start) / count;
            const int x1 = left + width * (nOffset - start + 1) / count;
            return QRect(x0, place.top(), std::max(1, x1 - x0), place.height()).translated(shift);
        }
        start += count;
    }
    return {};
}

int CPictureTextAccessible::offsetAtPoint(const QPoint& point) const
{
    const int count = characterCount();
    for (int i = 0; i < count; ++i) {
        if (characterRect(i).contains(point))
            return i;
    }
    return -1;
}

QString CPictureTextAccessible::attributes(int, int* pStart, int* pEnd) const
{
    *pStart = 0;
    *pEnd = characterCount(); // one run without attributes over the whole text
    return {};
}
