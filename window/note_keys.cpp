// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/note_keys.h"

#include "window/home_row.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>

CNoteKeys::CNoteKeys(CMelodyGame& game, QWidget* pWindow)
    : QObject(pWindow)
    , m_input(game)
    , m_pWindow(pWindow)
{
    pWindow->installEventFilter(this);
}

int CNoteKeys::NoteOf(const QKeyEvent& event)
{
    const int key = event.key();
    const bool digit = key >= Qt::Key_1 && key <= Qt::Key_8;
    // On X11 and Wayland the physical key decides, whatever the layout prints on it: the home
    // row and the digit row (AZERTY's digits need Shift); the keypad's digits by their meaning.
    if (const quint32 scan = event.nativeScanCode(); scan != 0) {
        const int k = CHomeRow::NoteOfScanCode(scan);
        if (k >= 0 || !digit || !(event.modifiers() & Qt::KeypadModifier))
            return k;
        return key - Qt::Key_1;
    }
    // Without a scan code (synthesised events): by the character, on the US layout.
    if (digit)
        return key - Qt::Key_1;
    for (int k = 0; k < 8; ++k) {
        if (key == Qt::Key_A + (c_szKeyLetters[k] - 'A'))
            return k;
    }
    return -1;
}

int CNoteKeys::Identity(const QKeyEvent& event)
{
    return event.nativeScanCode() != 0 ? static_cast<int>(event.nativeScanCode()) : -event.key();
}

bool CNoteKeys::MayPlay() const
{
    if (CNoteInput::IsBlocked() || QApplication::activePopupWidget() != nullptr)
        return false;
    // A menu bar in keyboard mode reads letters as its mnemonics.
    return qobject_cast<QMenuBar*>(QApplication::focusWidget()) == nullptr;
}

bool CNoteKeys::OnKeyPress(QKeyEvent& event)
{
    const Qt::KeyboardModifiers others
        = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const int k = NoteOf(event);
    if (k < 0 || others != Qt::NoModifier)
        return false;
    if (!MayPlay()) {
        ReleaseAll();
        return false;
    }
    event.accept();
    if (event.isAutoRepeat())
        return true;
    CHomeRow::Learn(event.nativeScanCode(), event.text());
    if (event.modifiers() & Qt::ShiftModifier) {
        m_input.Sound(k);
        return true;
    }
    const int identity = Identity(event);
    if (std::find(m_aHeld.begin(), m_aHeld.end(), identity) == m_aHeld.end())
        m_aHeld.push_back(identity);
    m_input.Press(k);
    m_nShown = identity;
    return true;
}

bool CNoteKeys::OnKeyRelease(QKeyEvent& event)
{
    if (event.isAutoRepeat())
        return NoteOf(event) >= 0;
    const int identity = Identity(event);
    const auto it = std::find(m_aHeld.begin(), m_aHeld.end(), identity);
    if (it == m_aHeld.end())
        return false;
    m_aHeld.erase(it);
    event.accept();
    // Only the key pressed last shows held; letting go of an earlier one changes nothing.
    if (identity == m_nShown) {
        m_nShown = -1;
        m_input.Release();
    }
    return true;
}

void CNoteKeys::ReleaseAll()
{
    const bool bShown = m_nShown != -1;
    m_aHeld.clear();
    m_nShown = -1;
    if (bShown)
        m_input.Release();
}

bool CNoteKeys::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched != m_pWindow)
        return QObject::eventFilter(pWatched, pEvent);
    switch (pEvent->type()) {
    case QEvent::KeyPress:
        return OnKeyPress(*static_cast<QKeyEvent*>(pEvent));
    case QEvent::KeyRelease:
        return OnKeyRelease(*static_cast<QKeyEvent*>(pEvent));
    case QEvent::WindowDeactivate:
    case QEvent::WindowBlocked: // a modal dialog opened: its keys are its own
    case QEvent::Hide:
        ReleaseAll();
        return false;
    default:
        return false;
    }
}
