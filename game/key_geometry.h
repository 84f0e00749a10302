// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where things are in the main window, in pixels. Picture coordinates have their origin at the
// picture's top-left corner; client coordinates at the client area's, with the picture below
// the toolbar, so client y = picture y + c_nClientTop. The one source for drawing the keys,
// hitting them with the mouse and pointing at them from anywhere else.

constexpr int c_nPictureWidth = 400; // the back buffer; also the window's outer size
constexpr int c_nPictureHeight = 305;
constexpr int c_nClientTop = 32; // the toolbar's height: client y of the picture's first row
// Picture rows ever copied to the window: what fits below the toolbar in the outer height.
constexpr int c_nShownRows = c_nPictureHeight - c_nClientTop;

constexpr int c_nKeyCount = 8;
constexpr int c_nKeyPitch = 48; // from one key's left edge to the next one's
constexpr int c_nKeyPictureLeft = 3; // picture x of key 0's bitmap
constexpr int c_nKeyPictureTop = 145; // picture y of the key bitmaps
constexpr int c_nKeyWidth = 48; // the key bitmaps' size
constexpr int c_nKeyHeight = 71;
constexpr int c_nKeyHitWidth = 47; // key k is hit from client x 4 + 48k to 50 + 48k
constexpr int c_nKeyHitHeight = 72; // and from client y 177 to 248

// A rectangle in client pixels; right and bottom are inclusive.
struct CKeyRect
{
    int m_nLeft;
    int m_nTop;
    int m_nRight;
    int m_nBottom;
};

// Picture x of key k's bitmap (k = 0..7, left to right).
constexpr int KeyPictureLeft(int k)
{
    return c_nKeyPictureLeft + c_nKeyPitch * k;
}

// The client pixels where a left or right click hits key k: one pixel in from its bitmap's
// left edge, and the rows of the bitmap.
constexpr CKeyRect KeyHitRect(int k)
{
    const int left = KeyPictureLeft(k) + 1;
    const int top = c_nKeyPictureTop + c_nClientTop;
    return {left, top, left + c_nKeyHitWidth - 1, top + c_nKeyHitHeight - 1};
}

// True when client y lies in the rows of the keys.
constexpr bool IsKeyRow(int y)
{
    return y >= KeyHitRect(0).m_nTop && y <= KeyHitRect(0).m_nBottom;
}

// The middle of key k's hit rectangle, client coordinates.
constexpr int KeyCentreX(int k)
{
    return (KeyHitRect(k).m_nLeft + KeyHitRect(k).m_nRight) / 2;
}
constexpr int KeyCentreY()
{
    return (KeyHitRect(0).m_nTop + KeyHitRect(0).m_nBottom) / 2;
}

// The key (0..7) under a client point, or -1 for the gaps between keys and everything off them.
constexpr int KeyAt(int x, int y)
{
    if (!IsKeyRow(y))
        return -1;
    for (int k = 0; k < c_nKeyCount; ++k) {
        if (x >= KeyHitRect(k).m_nLeft && x <= KeyHitRect(k).m_nRight)
            return k;
    }
    return -1;
}

static_assert(KeyHitRect(0).m_nLeft == 4 && KeyHitRect(0).m_nRight == 50);
static_assert(KeyHitRect(0).m_nTop == 177 && KeyHitRect(0).m_nBottom == 248);
static_assert(KeyHitRect(7).m_nRight == 386);
