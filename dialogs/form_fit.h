// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Fits a dialog laid out at fixed places (from its form) to its texts and writing direction: a
// label or button whose text needs more room is widened, what stands right of it in its row
// moves along, and its box and the dialog grow by as much; under a right-to-left language every
// child is mirrored within its parent, as Qt's layouts would do. With texts that fit, left to
// right, nothing moves.
class CFormFit
{
public:
    // Call once the texts are set and before the dialog's size is fixed.
    static void Apply(QWidget& dialog);

private:
    // Widens what needs it among container's children, whose right edge was at nOldRight
    // (container pixels) before; returns how many pixels that edge moved (0 when nothing grew).
    static int Widen(QWidget& container, int nOldRight);
    static void Mirror(QWidget& container);
};
