// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/FontPictures.h"

#include <QBitmap>
#include <QPainter>

namespace controls {

namespace {

constexpr QSize PictureSize(20, 12);
const QColor Magenta(255, 0, 255);
const QColor Black(0, 0, 0);
const QColor Grey(128, 128, 128);
const QColor Silver(192, 192, 192);
const QColor White(255, 255, 255);

QImage blankPicture()
{
    QImage picture(PictureSize, QImage::Format_RGB32);
    picture.fill(Magenta);
    return picture;
}

// A capital T with its bar's top-left corner at (x, y): bar 8 x 2, stem 2 x 7.
void paintT(QPainter &painter, int x, int y, const QColor &color)
{
    painter.fillRect(QRect(x, y, 8, 2), color);
    painter.fillRect(QRect(x + 3, y + 2, 2, 7), color);
}

} // namespace

QImage trueTypeMarkImage()
{
    QImage picture = blankPicture();
    QPainter painter(&picture);
    paintT(painter, 2, 0, Grey);
    paintT(painter, 8, 3, Black);
    return picture;
}

QImage printerMarkImage()
{
    QImage picture = blankPicture();
    QPainter painter(&picture);
    // The sheet, sticking out of the top.
    painter.fillRect(QRect(6, 0, 8, 5), White);
    painter.fillRect(QRect(6, 0, 8, 1), Black);
    painter.fillRect(QRect(6, 0, 1, 5), Black);
    painter.fillRect(QRect(13, 0, 1, 5), Black);
    // The body, with its paper slot and a button.
    painter.fillRect(QRect(2, 5, 16, 6), Silver);
    painter.fillRect(QRect(2, 5, 16, 1), Black);
    painter.fillRect(QRect(2, 10, 16, 1), Black);
    painter.fillRect(QRect(2, 5, 1, 6), Black);
    painter.fillRect(QRect(17, 5, 1, 6), Black);
    painter.fillRect(QRect(5, 7, 10, 1), Grey);
    painter.fillRect(QRect(15, 8, 1, 1), Black);
    // The feet.
    painter.fillRect(QRect(3, 11, 2, 1), Black);
    painter.fillRect(QRect(15, 11, 2, 1), Black);
    return picture;
}

QPixmap withTransparentCorner(const QImage &picture)
{
    QPixmap pixmap = QPixmap::fromImage(picture);
    const QRgb transparent = picture.pixel(0, picture.height() - 1);
    pixmap.setMask(QBitmap::fromImage(picture.createMaskFromColor(transparent, Qt::MaskInColor)));
    return pixmap;
}

} // namespace controls
