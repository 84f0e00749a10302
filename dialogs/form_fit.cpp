// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/form_fit.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

std::vector<QWidget*> Children(QWidget& container)
{
    std::vector<QWidget*> children;
    for (QObject* pObject : container.children()) {
        auto* pWidget = qobject_cast<QWidget*>(pObject);
        if (pWidget != nullptr && !pWidget->isWindow())
            children.push_back(pWidget);
    }
    // Left to right, so that a move caused by one widget is seen by the ones after it.
    std::sort(children.begin(), children.end(),
        [](const QWidget* pA, const QWidget* pB) { return pA->x() < pB->x(); });
    return children;
}

int RightEdge(const std::vector<QWidget*>& children)
{
    int right = 0;
    for (const QWidget* pChild : children)
        right = std::max(right, pChild->geometry().right());
    return right;
}

// The width a text widget needs for its text on one line; 0 for widgets that wrap or scroll.
int NeededWidth(const QWidget& widget)
{
    if (const auto* pLabel = qobject_cast<const QLabel*>(&widget))
        return pLabel->wordWrap() || pLabel->text().isEmpty() ? 0 : pLabel->sizeHint().width();
    if (qobject_cast<const QAbstractButton*>(&widget) != nullptr)
        return widget.sizeHint().width();
    return 0;
}

bool SharesRow(const QWidget& a, const QWidget& b)
{
    return a.y() < b.geometry().bottom() && b.y() < a.geometry().bottom();
}

} // namespace

void CFormFit::Apply(QWidget& dialog)
{
    const int oldRight = RightEdge(Children(dialog));
    for (QWidget* pChild : Children(dialog)) {
        if (auto* pBox = qobject_cast<QGroupBox*>(pChild)) {
            const int grown = Widen(*pBox, RightEdge(Children(*pBox)));
            pBox->resize(pBox->width() + grown, pBox->height());
        }
    }
    const int grown = Widen(dialog, oldRight);
    dialog.resize(dialog.width() + grown, dialog.height());
    if (dialog.layoutDirection() == Qt::RightToLeft) {
        Mirror(dialog);
        for (QWidget* pChild : Children(dialog)) {
            if (qobject_cast<QGroupBox*>(pChild) != nullptr)
                Mirror(*pChild);
        }
    }
}

int CFormFit::Widen(QWidget& container, int nOldRight)
{
    std::vector<QWidget*> children = Children(container);
    for (QWidget* pChild : children) {
        const int extra = NeededWidth(*pChild) - pChild->width();
        if (extra <= 0)
            continue;
        const int oldChildRight = pChild->geometry().right();
        pChild->resize(pChild->width() + extra, pChild->height());
        for (QWidget* pOther : children) {
            if (pOther != pChild && pOther->x() > oldChildRight && SharesRow(*pChild, *pOther))
                pOther->move(pOther->x() + extra, pOther->y());
        }
    }
    const int grown = std::max(0, RightEdge(children) - nOldRight);
    if (grown == 0)
        return 0;
    // What was flush with the old right edge (the OK button under a box) stays flush with it.
    for (QWidget* pChild : children) {
        const int right = pChild->geometry().right();
        if (right >= nOldRight - 2 && right <= nOldRight)
            pChild->move(pChild->x() + grown, pChild->y());
    }
    return grown;
}

void CFormFit::Mirror(QWidget& container)
{
    for (QWidget* pChild : Children(container))
        pChild->move(container.width() - pChild->x() - pChild->width(), pChild->y());
}
