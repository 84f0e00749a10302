// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/home_row.h"

#include "window/note_input.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

namespace {

// X keycodes of the home row, A S D F G H J K on a US keyboard, and of the digits 1 .. 8.
constexpr std::uint32_t c_uFirstHomeScanCode = 38;
constexpr std::uint32_t c_uFirstDigitScanCode = 10;

// The character on a key in a layout: its first level's symbol, in upper case; empty when the
// key makes no printable character.
QString KeyLabel(xkb_keymap* pKeymap, xkb_keycode_t uCode, xkb_layout_index_t uLayout)
{
    const xkb_keysym_t* pSyms = nullptr;
    if (xkb_keymap_key_get_syms_by_level(pKeymap, uCode, uLayout, 0, &pSyms) < 1)
        return {};
    const std::uint32_t ch = xkb_keysym_to_utf32(xkb_keysym_to_upper(pSyms[0]));
    if (ch < 0x20 || ch == 0x7f)
        return {};
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(&ch), 1);
}

} // namespace

int CHomeRow::NoteOfScanCode(std::uint32_t uScanCode)
{
    if (uScanCode >= c_uFirstHomeScanCode && uScanCode < c_uFirstHomeScanCode + c_nKeys)
        return static_cast<int>(uScanCode - c_uFirstHomeScanCode);
    if (uScanCode >= c_uFirstDigitScanCode && uScanCode < c_uFirstDigitScanCode + c_nKeys)
        return static_cast<int>(uScanCode - c_uFirstDigitScanCode);
    return -1;
}

std::uint32_t CHomeRow::ScanCodeOf(int k)
{
    return c_uFirstHomeScanCode + static_cast<std::uint32_t>(k);
}

std::array<QString, CHomeRow::c_nKeys>& CHomeRow::Labels()
{
    static std::array<QString, c_nKeys> s_astrLabel = [] {
        std::array<QString, c_nKeys> labels;
        for (int k = 0; k < c_nKeys; ++k)
            labels[k] = QString(QChar::fromLatin1(c_szKeyLetters[k]));
        return labels;
    }();
    return s_astrLabel;
}

QString CHomeRow::Label(int k)
{
    return k >= 0 && k < c_nKeys ? Labels()[k] : QString();
}

void CHomeRow::ReadLayout()
{
    auto* pX11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                    : nullptr;
    xcb_connection_t* pConnection = pX11 != nullptr ? pX11->connection() : nullptr;
    if (pConnection == nullptr
        || !xkb_x11_setup_xkb_extension(pConnection, XKB_X11_MIN_MAJOR_XKB_VERSION,
            XKB_X11_MIN_MINOR_XKB_VERSION, XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr,
            nullptr, nullptr))
        return;
    xkb_context* pContext = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(pConnection);
    xkb_keymap* pKeymap = device < 0 || pContext == nullptr
        ? nullptr
        : xkb_x11_keymap_new_from_device(
            pContext, pConnection, device, XKB_KEYMAP_COMPILE_NO_FLAGS);
    xkb_state* pState = pKeymap != nullptr
        ? xkb_x11_state_new_from_device(pKeymap, pConnection, device)
        : nullptr;
    if (pState != nullptr) {
        for (int k = 0; k < c_nKeys; ++k) {
            const xkb_keycode_t code = ScanCodeOf(k);
            const QString label = KeyLabel(pKeymap, code, xkb_state_key_get_layout(pState, code));
            if (!label.isEmpty())
                Labels()[k] = label;
        }
    }
    xkb_state_unref(pState);
    xkb_keymap_unref(pKeymap);
    xkb_context_unref(pContext);
}

void CHomeRow::Learn(std::uint32_t uScanCode, const QString& strText)
{
    if (uScanCode < c_uFirstHomeScanCode || uScanCode >= c_uFirstHomeScanCode + c_nKeys)
        return;
    if (strText.size() == 1 && strText.at(0).isPrint() && !strText.at(0).isSpace())
        Labels()[uScanCode - c_uFirstHomeScanCode] = strText.toUpper();
}
