// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/scene.h"

#include "game/notes.h"
#include "game/turn_picture.h"
#include "render/picture_fonts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int c_nTile = 80; // texture tile size, pixels; fixed, not read from the bitmap
constexpr QRgb c_crNoTexture = 0xffd89850u; // plain tan in place of a texture that did not load

constexpr qreal c_dMaxRatio = 8; // device pixels per picture pixel

// Width of a pen in whole pixels (at least 1).
int PenWidth(const QPen& pen)
{
    return std::max(1, pen.width());
}

qreal InitialRatio()
{
    return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1;
}

bool IsWhole(qreal ratio)
{
    return ratio == std::floor(ratio);
}

} // namespace

CScene::CScene(const CTurnPicture& game)
    : m_game(game)
    , m_dRatio(std::clamp(InitialRatio(), qreal(1), c_dMaxRatio))
    , m_crTransparent(qRgb(255, 255, 255))
    , m_penRed(QColor(255, 0, 0), 2)
    , m_penBlack(QColor(0, 0, 0), 2)
    , m_penKeyLabel(QColor::fromRgb(m_crTransparent))
    , m_penLengthLabel(QColor(255, 0, 0))
    , m_penJudgementShadow(QColor(0, 110, 0))
    , m_penRight(QColor(255, 215, 0))
    , m_penWrong(QColor(90, 135, 255))
    , m_penBannerShadow(QColor(255, 180, 180))
    , m_penBanner(QColor(0, 135, 255))
{
    // The built-in faces, not whatever the machine has under the classic names.
    m_fontKeys.Create(CPictureFonts::KeyFace(), 16, QFont::Bold);
    m_fontLarge.Create(CPictureFonts::TextFace(), c_nLargeTextCell, QFont::Bold);
    m_fontSmall.Create(CPictureFonts::TextFace(), c_nSmallTextCell, QFont::DemiBold);

    m_bmpKeyUp.LoadBitmap(QStringLiteral(":/BITMAP/122"));
    m_bmpKeyDown.LoadBitmap(QStringLiteral(":/BITMAP/123"));
    m_bmpHappy.LoadBitmap(QStringLiteral(":/BITMAP/124"));
    m_bmpSad.LoadBitmap(QStringLiteral(":/BITMAP/125"));
    m_imgTexture.load(QStringLiteral(":/BITMAP/121"));

    for (int k = 0; k < c_nKeyCount; ++k)
        m_astrKeyLabel[k] = QString::fromLatin1(c_aszNoteLabel[k]);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j)
            m_astrJudgement[i][j] = JudgementWording(i, j == 1);
    CreateBuffers();
}

void CScene::SetDevicePixelRatio(qreal ratio)
{
    const qreal r = std::isfinite(ratio) ? std::clamp(ratio, qreal(1), c_dMaxRatio) : qreal(1);
    if (r == m_dRatio)
        return;
    m_dRatio = r;
    CreateBuffers();
}

QSize CScene::DeviceSize() const
{
    return QSize(static_cast<int>(std::ceil(c_nPictureWidth * m_dRatio)),
        static_cast<int>(std::ceil(c_nPictureHeight * m_dRatio)));
}

void CScene::CreateBuffers()
{
    const QSize size = DeviceSize();
    m_imgBack = QImage(size, QImage::Format_RGB32);
    m_imgBack.setDevicePixelRatio(m_dRatio);
    m_imgStatic = QImage(size, QImage::Format_RGB32);
    m_imgStatic.setDevicePixelRatio(m_dRatio);
    m_nLastRatio = 0; // nothing composed at this ratio yet
    QPainter dc(&m_imgStatic);
    DrawBackground(dc);
}

// The tiles, enlarged without smoothing: at a whole ratio every texture pixel becomes an n x n
// block; otherwise the tiled 1x picture is sampled at the nearest pixel for each device pixel.
void CScene::DrawTexture(QPainter& dc) const
{
    QImage tile = m_imgTexture.copy(0, 0, c_nTile, c_nTile).convertToFormat(QImage::Format_RGB32);
    if (!IsWhole(m_dRatio)) {
        QImage plain(c_nPictureWidth, c_nPictureHeight, QImage::Format_RGB32);
        QPainter tiles(&plain);
        for (int x = 0; x < c_nPictureWidth; x += c_nTile)
            for (int y = 0; y < c_nPictureHeight; y += c_nTile)
                tiles.drawImage(QPoint(x, y), tile);
        tiles.end();
        const QImage device
            = plain.scaled(DeviceSize(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        dc.save();
        dc.setWorldTransform(QTransform::fromScale(1 / m_dRatio, 1 / m_dRatio));
        dc.drawImage(QPoint(0, 0), device);
        dc.restore();
        return;
    }
    const int n = static_cast<int>(m_dRatio);
    tile = tile.scaled(tile.size() * n, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    tile.setDevicePixelRatio(n);
    for (int x = 0; x < c_nPictureWidth; x += c_nTile)
        for (int y = 0; y < c_nPictureHeight; y += c_nTile)
            dc.drawImage(QPoint(x, y), tile);
}

void CScene::FillSnapped(QPainter& dc, const QRect& rc, const QColor& cr) const
{
    if (IsWhole(m_dRatio)) {
        dc.fillRect(rc, cr); // already whole device pixels
        return;
    }
    const auto snap = [this](int v) { return qRound(v * m_dRatio); };
    const QRect device(QPoint(snap(rc.left()), snap(rc.top())),
        QPoint(snap(rc.right() + 1) - 1, snap(rc.bottom() + 1) - 1));
    dc.save();
    dc.setWorldTransform(QTransform::fromScale(1 / m_dRatio, 1 / m_dRatio));
    dc.fillRect(device, cr);
    dc.restore();
}

// A horizontal line from x0 up to but excluding x1, with the pen's width centred on y the way
// the game has always drawn it: a 2-pixel line at y covers rows y - 1 and y.
void CScene::HorizontalLine(QPainter& dc, const QPen& pen, int x0, int x1, int y) const
{
    const int w = PenWidth(pen);
    FillSnapped(dc, QRect(x0, y - w / 2, x1 - x0, w), pen.color());
}

// A filled rectangle outlined with the pen; the outline is centred on the edges of rc.
void CScene::FramedRect(QPainter& dc, const QPen& pen, const QColor& crFill, const QRect& rc) const
{
    const int w = PenWidth(pen);
    const QRect outer = rc.adjusted(-w / 2, -w / 2, w - 1 - w / 2, w - 1 - w / 2);
    FillSnapped(dc, outer, pen.color());
    FillSnapped(dc, outer.adjusted(w, w, -w, -w), crFill);
}

// Steps that never depend on the turn state: tiles, the top line, the staff's field and lines.
void CScene::DrawBackground(QPainter& dc) const
{
    if (m_imgTexture.isNull())
        FillSnapped(
            dc, QRect(0, 0, c_nPictureWidth, c_nPictureHeight), QColor::fromRgb(c_crNoTexture));
    else
        DrawTexture(dc);
    // The picture's top row, a 1-pixel black line.
    FillSnapped(dc, QRect(0, 0, c_nPictureWidth, 1), Qt::black);
    FramedRect(dc, m_penBlack, Qt::white,
        QRect(c_rcStaff.m_nLeft, c_rcStaff.m_nTop, c_rcStaff.m_nWidth, c_rcStaff.m_nHeight));
    for (int j = 0; j < c_nStaffLineCount; ++j)
        HorizontalLine(dc, m_penRed, c_nStaffLineLeft, c_nStaffLineEnd, StaffLineY(j));
}

bool CScene::Compose()
{
    if (m_imgBack.isNull() || m_imgStatic.size() != m_imgBack.size())
        return false;
    // The same turn state gives the same picture: the buffer already holds it.
    const CTurnSnapshot now = CTurnSnapshot::Of(m_game);
    const int nRatio = qRound(m_dRatio * 1000);
    if (nRatio == m_nLastRatio && now == m_lastShown)
        return false;
    m_lastShown = now;
    m_nLastRatio = nRatio;
    std::memcpy(m_imgBack.bits(), m_imgStatic.constBits(), m_imgBack.sizeInBytes());
    if (!m_dcBack.begin(&m_imgBack))
        return true;
    DrawStaff();
    if (m_game.IsShowingResult())
        DrawJudgement();
    else
        DrawKeyboard();
    // The banner last, over the keys or the judgement and over the smileys.
    if (m_game.IsShowingLevel())
        DrawLevelBanner();
    m_dcBack.end();
    return true;
}

void CScene::UpdateLengthTexts()
{
    const int length = m_game.Length();
    if (length == m_nTextLength)
        return;
    m_nTextLength = length;
    m_strLengthLabel = LengthLabel(length);
    m_strBanner = BannerText(length);
}

QString CScene::BannerText(int nLength)
{
    return QCoreApplication::translate("Picture", "Level %1: %n Notes", nullptr, nLength)
        .arg(nLength - 2);
}

QString CScene::LengthLabel(int nLength)
{
    return QCoreApplication::translate("Picture", "%n Notes", nullptr, nLength);
}

QString CScene::JudgementWording(int nFeedback, bool bCorrect)
{
    // By feedback kind (0..2), then wrong / right.
    static const char* const c_aszJudgement[3][2] = {
        {QT_TRANSLATE_NOOP("Picture", "Try again!"), QT_TRANSLATE_NOOP("Picture", "That's it!")},
        {QT_TRANSLATE_NOOP("Picture", "Not quite!"), QT_TRANSLATE_NOOP("Picture", "That's right!")},
        {QT_TRANSLATE_NOOP("Picture", "Not quite!"), QT_TRANSLATE_NOOP("Picture", "Well done!")},
    };
    if (nFeedback < 0 || nFeedback > 2)
        return {};
    return QCoreApplication::translate("Picture", c_aszJudgement[nFeedback][bCorrect ? 1 : 0]);
}

const QString& CScene::JudgementText() const
{
    return JudgementText(m_game.Feedback(), m_game.IsCorrect());
}

const QString& CScene::JudgementText(int nFeedback, bool bCorrect) const
{
    return m_astrJudgement[nFeedback][bCorrect ? 1 : 0];
}

// The smileys and the length label; the field and its lines come with the static background.
void CScene::DrawStaff()
{
    for (int i = 0; i < m_game.EnteredCount(); ++i) {
        const int k = m_game.Entered(i);
        CTransparentBitmap& bmp = k == m_game.Melody(i) ? m_bmpHappy : m_bmpSad;
        bmp.DrawTransparent(&m_dcBack, SmileyLeft(i), SmileyTop(k), m_crTransparent);
    }
    UpdateLengthTexts();
    m_dcBack.setPen(m_penLengthLabel);
    m_fontSmall.DrawText(m_dcBack, c_nLengthLabelLeft, c_nLengthLabelTop, m_strLengthLabel);
}

void CScene::DrawJudgement()
{
    const QString& text = JudgementText();
    m_judgement.Draw(m_dcBack, m_fontLarge, c_nPictureWidth / 2, c_nJudgementTop, text,
        m_penJudgementShadow, m_game.IsCorrect() ? m_penRight : m_penWrong);
}

void CScene::DrawLevelBanner()
{
    UpdateLengthTexts();
    m_banner.Draw(m_dcBack, m_fontLarge, c_nPictureWidth / 2, c_rcBanner.m_nTop, m_strBanner,
        m_penBannerShadow, m_penBanner);
}

// Keys in order left to right, each followed by its label; a held key and its label sit one
// pixel right and one pixel down.
void CScene::DrawKeyboard()
{
    m_dcBack.setPen(m_penKeyLabel);
    for (int k = 0; k < c_nKeyCount; ++k) {
        const int shift = m_game.IsKeyDown(k) ? 1 : 0;
        const int x = KeyPictureLeft(k) + shift;
        const int y = c_nKeyPictureTop + shift;
        CTransparentBitmap& bmp = shift ? m_bmpKeyDown : m_bmpKeyUp;
        bmp.DrawTransparent(&m_dcBack, x, y, m_crTransparent);
        m_fontKeys.DrawText(m_dcBack, x + 7, y + 5, m_astrKeyLabel[k]);
    }
}
