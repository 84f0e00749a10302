// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where things are in the main window, in pixels. Picture coordinates have their origin at the
// picture's top-left corner; client coordinates at the client area's, with the picture below
// the toolbar, so client y = picture y + c_nClientTop. The one source for drawing the keys, the
// staff, the smileys and the texts, hitting the keys with the mouse and pointing at any of them
// from anywhere else.

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

// A rectangle in picture pixels.
struct CPictureRect
{
    int m_nLeft;
    int m_nTop;
    int m_nWidth;
    int m_nHeight;
};

// Where the eight keys stand, side by side; the judgement takes their place while it shows.
constexpr CPictureRect c_rcKeys
    = {c_nKeyPictureLeft, c_nKeyPictureTop, c_nKeyCount* c_nKeyPitch, c_nKeyHeight};

// The staff: a white field whose 2-pixel black frame is centred on this rectangle's edges, and
// five red lines across it, 16 pixels apart, from x c_nStaffLineLeft up to but excluding
// c_nStaffLineEnd.
constexpr CPictureRect c_rcStaff = {5, 10, c_nPictureWidth - 18, 128};
constexpr int c_nStaffLineCount = 5;
constexpr int c_nStaffLineLeft = 10;
constexpr int c_nStaffLineEnd = c_nPictureWidth - 19;

// Row of staff line j (0..4, top to bottom), at the middle of its 2-pixel width.
constexpr int StaffLineY(int j)
{
    return 42 + 16 * j;
}

// The top-left corner of the smiley of entered note i (0..11) when that note is key k (0..7):
// one column per note, one step of 8 pixels up per key.
constexpr int SmileyLeft(int i)
{
    return 40 + 40 * i;
}
constexpr int SmileyTop(int k)
{
    return 94 - 8 * k;
}

// The texts over the picture. The judgement and the level banner are centred on the picture's
// middle column, their first rows at c_nJudgementTop and at the banner box's top; the banner's
// box spans the keys' width across the staff's upper half. The length label starts at
// (c_nLengthLabelLeft, c_nLengthLabelTop) and must end by the picture's right edge.
constexpr int c_nJudgementTop = 150;
constexpr CPictureRect c_rcBanner = {c_rcKeys.m_nLeft, 45, c_rcKeys.m_nWidth, 60};
constexpr int c_nLengthLabelLeft = 325;
constexpr int c_nLengthLabelTop = 15;

static_assert(c_rcKeys.m_nLeft == 3 && c_rcKeys.m_nWidth == 384);
static_assert(c_rcStaff.m_nLeft + c_rcStaff.m_nWidth - 1 == 386);
