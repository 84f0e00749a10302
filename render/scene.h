// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/key_geometry.h"
#include "game/turn_snapshot.h"
#include "render/cell_font.h"
#include "render/shadowed_text.h"
#include "render/transparent_bitmap.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QString>

// The picture of the main window, composed from the turn state into a back buffer of
// c_nPictureWidth x c_nPictureHeight pixels (picture coordinates: origin at client (0, 32)). On a
// screen with r device pixels per pixel (r may be fractional) the buffer holds the picture at that
// screen's device pixels: texts are drawn at that resolution, lines and fills cover whole device
// pixels, and bitmaps are enlarged without smoothing. All coordinates stay in picture pixels.
class CScene
{
public:
    explicit CScene(const CTurnPicture& game);

    // Brings the back buffer up to date with the turn state; changes nothing of the game. True
    // when the picture differs from the one the previous call left (only then is it redrawn).
    bool Compose();
    const QImage& BackBuffer() const { return m_imgBack; }

    // Device pixels per picture pixel, 1 to 8 (values outside are clamped). A new ratio makes
    // new buffers; the back buffer is undefined until the next Compose, which draws it anew.
    void SetDevicePixelRatio(qreal ratio);
    qreal DevicePixelRatio() const { return m_dRatio; }

    // The judgement the turn state calls for (drawn only while it is shown), and the level
    // banner's text for a melody length: the texts of the picture for anyone who reads them.
    const QString& JudgementText() const;
    // The judgement for a feedback kind (0..2) and verdict, as the picture words it.
    const QString& JudgementText(int nFeedback, bool bCorrect) const;
    static QString BannerText(int nLength);
    // The length label for a melody of nLength notes, and the judgement for a feedback kind
    // (0..2), in the player's language.
    static QString LengthLabel(int nLength);
    static QString JudgementWording(int nFeedback, bool bCorrect);

    // The picture's own texts: cell heights of the large (judgement, banner) and small (length
    // label) faces. Where they stand: game/key_geometry.h.
    static constexpr int c_nLargeTextCell = 50;
    static constexpr int c_nSmallTextCell = 18;

private:
    QSize DeviceSize() const; // of the buffers, device pixels
    void CreateBuffers();
    void DrawBackground(QPainter& dc) const;
    void DrawTexture(QPainter& dc) const;
    // Fills a rectangle of picture pixels, its edges moved to the nearest device pixel edges.
    void FillSnapped(QPainter& dc, const QRect& rc, const QColor& cr) const;
    void HorizontalLine(QPainter& dc, const QPen& pen, int x0, int x1, int y) const;
    void FramedRect(QPainter& dc, const QPen& pen, const QColor& crFill, const QRect& rc) const;
    void DrawStaff();
    void DrawJudgement();
    void DrawKeyboard();
    void DrawLevelBanner();
    void UpdateLengthTexts();

    const CTurnPicture& m_game;
    qreal m_dRatio = 1;

    QImage m_imgBack; // the back buffer (m_bmpBack), painted through m_dcBack during Compose
    QPainter m_dcBack;
    QImage m_imgTexture; // bitmap 121, one 80 x 80 tile
    // What every frame starts from: the tiled texture, the top line and the empty staff. It
    // never changes, so it is painted once and copied, which gives the same picture.
    QImage m_imgStatic;

    CTransparentBitmap m_bmpKeyUp;
    CTransparentBitmap m_bmpKeyDown;
    CTransparentBitmap m_bmpHappy;
    CTransparentBitmap m_bmpSad;
    CCellFont m_fontKeys;
    CCellFont m_fontLarge;
    CCellFont m_fontSmall;
    QRgb m_crTransparent;
    QPen m_penRed; // staff lines
    QPen m_penBlack; // staff frame

    // Text colours as ready pens: a pen made from a colour allocates, and this runs 20 times a
    // second.
    QPen m_penKeyLabel;
    QPen m_penLengthLabel;
    QPen m_penJudgementShadow;
    QPen m_penRight;
    QPen m_penWrong;
    QPen m_penBannerShadow;
    QPen m_penBanner;

    // The judgement and the banner, each with its shadow (shadow first, then the text).
    CShadowedText m_judgement;
    CShadowedText m_banner;

    QString m_astrKeyLabel[c_nKeyCount];
    QString m_astrJudgement[3][2]; // by feedback kind, then wrong / right
    // The length label and the banner text, rebuilt whenever m_nLength differs from m_nTextLength.
    int m_nTextLength = -1;
    CTurnSnapshot m_lastShown; // what the previous Compose showed
    int m_nLastRatio = 0; // and at which ratio, in thousandths (0: nothing yet)
    QString m_strLengthLabel;
    QString m_strBanner;
};
