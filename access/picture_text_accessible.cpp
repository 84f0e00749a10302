// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/picture_text_accessible.h"

#include "access/view_accessible.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// Picture pixels: the staff's white field; the judgement stands where the keys are; the banner
// runs across the staff's upper half.
QRect KindRect(CPictureTextAccessible::EKind eKind)
{
    switch (eKind) {
    case CPictureTextAccessible::STAFF:
        return QRect(5, 10, 382, 128);
    case CPictureTextAccessible::JUDGEMENT:
        return QRect(3, 145, 384, 71);
    case CPictureTextAccessible::BANNER:
    default:
        return QRect(3, 45, 384, 60);
    }
}

} // namespace

CPictureTextAccessible::CPictureTextAccessible(CViewAccessible& view, EKind eKind)
    : CPictureItemAccessible(view, KindRect(eKind))
    , m_eKind(eKind)
{ }

QString CPictureTextAccessible::Text() const
{
    const CPictureState now = m_view.State();
    switch (m_eKind) {
    case STAFF:
        return now.StaffText();
    case JUDGEMENT:
        return now.Judgement();
    case BANNER:
    default:
        return now.Banner();
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
    // Smiley i stands at picture x 40 + 40 i; its part runs from 8 pixels before it to the next.
    const CPictureState now = m_view.State();
    std::vector<SRun> runs {{place.left(), 32, now.StaffHead()}};
    for (int i = 0; i < now.nEntered; ++i)
        runs.push_back({32 + 40 * i, 72 + 40 * i, now.StaffPart(i)});
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
