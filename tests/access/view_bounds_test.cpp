// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Key bounds against the painted keys; this file runs at one and at two device pixels per pixel.
#include "accessible_window.h"

#include <QImage>
#include <QPixmap>

namespace {

constexpr QRgb c_crKeyBlue = 0x006dc4;

bool IsKeyBlue(QRgb c)
{
    return std::abs(qRed(c) - qRed(c_crKeyBlue)) < 8
        && std::abs(qGreen(c) - qGreen(c_crKeyBlue)) < 8
        && std::abs(qBlue(c) - qBlue(c_crKeyBlue)) < 8;
}

// Key-blue device pixels of img inside rc (view pixels).
int BlueIn(const QImage& img, const QRect& rc)
{
    const qreal ratio = img.devicePixelRatio();
    const QRect device(qRound(rc.x() * ratio), qRound(rc.y() * ratio), qRound(rc.width() * ratio),
        qRound(rc.height() * ratio));
    int count = 0;
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            count += img.rect().contains(x, y) && IsKeyBlue(img.pixel(x, y)) ? 1 : 0;
    return count;
}

// One name per binary: the suite runs in two of them.
#ifndef VIEW_BOUNDS_SUITE
#define VIEW_BOUNDS_SUITE ViewBoundsTest
#endif

class VIEW_BOUNDS_SUITE : public CAccessibleWindowTest
{
};

} // namespace

TEST_F(VIEW_BOUNDS_SUITE, KeyBoundsCoverThePaintedKeysAtTheScreensRatio)
{
    EndBanner();
    m_pWindow->DrawScene();
    const QImage img = m_pWindow->View()->grab().toImage();
    const qreal ratio = img.devicePixelRatio();
    EXPECT_EQ(ratio, qApp->devicePixelRatio());
    const QPoint origin = m_pWindow->View()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(m_pView->rect(), QRect(origin, QSize(390, 226)));

    int inside = 0;
    for (int k = 0; k < 8; ++k) {
        const QRect rc = Key(k)->rect().translated(-origin);
        EXPECT_EQ(rc.size(), QSize(48, 71)) << k;
        const int blue = BlueIn(img, rc);
        EXPECT_GT(blue, 1500 * ratio * ratio) << k;
        inside += blue;
        // The centre of the bounds is a point of the key: a screen reader's click lands on it.
        EXPECT_EQ(
            m_pView->childAt(Key(k)->rect().center().x(), Key(k)->rect().center().y()), Key(k));
    }
    // Every key-blue pixel of the keyboard's band lies inside some key's bounds.
    EXPECT_EQ(BlueIn(img, QRect(0, 140, 390, 86)), inside);
}
