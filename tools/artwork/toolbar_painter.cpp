// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolbar_painter.h"

#include "palette.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

// The Fusion window colour: the strip's background blends with the toolbar around the cells.
const QRgb c_crBackground = qRgb(239, 239, 239);
const QColor c_crInk(24, 24, 24);
const QColor c_crSkin(244, 196, 156);
const QColor c_crSkinEdge(150, 88, 52);
const QColor c_crBlue(0, 109, 196);
const QColor c_crRed(200, 32, 32);
constexpr int c_nCellWidth = 96;
constexpr int c_nCellHeight = 16;

} // namespace

QVector<QRgb> CToolbarPainter::Palette()
{
    return {
        c_crBackground,
        qRgb(0, 0, 0),
        c_crInk.rgb(),
        qRgb(84, 84, 84), // grey ramp for the anti-aliased captions
        qRgb(132, 132, 132),
        qRgb(178, 178, 178),
        qRgb(212, 212, 212),
        qRgb(255, 255, 255),
        c_crBlue.rgb(),
        qRgb(0, 62, 124),
        qRgb(128, 178, 224),
        c_crSkin.rgb(),
        c_crSkinEdge.rgb(),
        qRgb(206, 150, 120),
        c_crRed.rgb(),
        qRgb(228, 150, 140),
    };
}

void CToolbarPainter::DrawEar(QPainter& painter)
{
    // An ear seen from the side, turned towards two sound waves on its left.
    QPainterPath ear;
    ear.moveTo(7.0, 5.5);
    ear.cubicTo(7.0, 1.8, 13.6, 0.8, 14.2, 5.6);
    ear.cubicTo(14.6, 9.0, 11.4, 9.4, 11.2, 12.0);
    ear.cubicTo(11.0, 15.0, 7.4, 15.4, 6.8, 12.8);
    ear.cubicTo(8.6, 13.4, 9.0, 11.0, 9.4, 10.0);
    ear.cubicTo(10.2, 8.0, 7.0, 8.0, 7.0, 5.5);
    painter.setPen(QPen(c_crSkinEdge, 1.1));
    painter.setBrush(c_crSkin);
    painter.drawPath(ear);

    QPainterPath curl;
    curl.moveTo(9.2, 6.6);
    curl.cubicTo(9.0, 4.2, 12.4, 4.0, 12.2, 6.2);
    curl.cubicTo(12.1, 7.4, 10.8, 7.6, 10.6, 8.6);
    painter.setPen(QPen(c_crSkinEdge, 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curl);

    painter.setPen(QPen(c_crBlue, 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(2.2, 5.0, 4, 6), 100 * 16, 160 * 16);
    painter.drawArc(QRectF(-0.6, 3.0, 5, 10), 105 * 16, 150 * 16);
}

void CToolbarPainter::DrawNotes(QPainter& painter)
{
    // Two beamed quavers.
    painter.setPen(Qt::NoPen);
    painter.setBrush(c_crBlue);
    for (const QPointF head : {QPointF(4.3, 12.6), QPointF(11.8, 11.0)}) {
        painter.save();
        painter.translate(head);
        painter.rotate(-22);
        painter.drawEllipse(QPointF(0, 0), 3.0, 2.2);
        painter.restore();
    }
    painter.drawRect(QRectF(6.2, 3.6, 1.4, 9.0));
    painter.drawRect(QRectF(13.7, 2.0, 1.4, 9.0));
    QPainterPath beam;
    beam.moveTo(6.2, 3.2);
    beam.lineTo(15.1, 1.4);
    beam.lineTo(15.1, 4.2);
    beam.lineTo(6.2, 6.0);
    beam.closeSubpath();
    painter.drawPath(beam);
}

void CToolbarPainter::DrawRewind(QPainter& painter)
{
    // A curved arrow turning back to the left: the entry starts over.
    QPainterPath arc;
    arc.moveTo(13.0, 14.0);
    arc.lineTo(13.0, 8.5);
    arc.arcTo(QRectF(5.0, 3.5, 8.0, 10.0), 0, 180);
    painter.setPen(QPen(c_crRed, 2.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arc);

    QPainterPath head;
    head.moveTo(1.6, 7.6);
    head.lineTo(8.4, 7.6);
    head.lineTo(5.0, 12.6);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(c_crRed);
    painter.drawPath(head);
}

void CToolbarPainter::DrawCell(QPainter& painter, int nCell, const char* szCaption)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setHintingPreference(QFont::PreferFullHinting);
    const QFontMetrics metrics(font);
    const QString strCaption = QString::fromLatin1(szCaption);

    // Symbol and caption are centred together in the cell, 3 px apart.
    const int nWidth = 16 + 3 + metrics.horizontalAdvance(strCaption);
    const int nLeft = nCell * c_nCellWidth + (c_nCellWidth - nWidth) / 2;
    painter.save();
    painter.translate(nLeft, 0);
    if (nCell == 0)
        DrawEar(painter);
    else if (nCell == 1)
        DrawNotes(painter);
    else
        DrawRewind(painter);
    painter.restore();

    painter.setFont(font);
    painter.setPen(c_crInk);
    const int nBaseline = (c_nCellHeight + metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(nLeft + 19, nBaseline, strCaption);
}

QImage CToolbarPainter::Strip(int nScale)
{
    QImage img(3 * c_nCellWidth * nScale, c_nCellHeight * nScale, QImage::Format_RGB32);
    img.fill(c_crBackground);
    QPainter painter(&img);
    painter.scale(nScale, nScale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawCell(painter, 0, "Hear Again");
    DrawCell(painter, 1, "New Melody");
    DrawCell(painter, 2, "Delete Notes");
    painter.end();
    return QuantizeToPalette(img, Palette());
}
