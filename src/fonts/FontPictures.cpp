// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts/FontPictures.h"

#include <QBitmap>
#include <QPainter>

namespace fonts {

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

// `rect` filled with `fill` in a one-pixel black outline, its bottom edge
// left open unless `closed`.
void paintOutlined(QPainter &painter, const QRect &rect, const QColor &fill, bool closed = true)
{
    painter.fillRect(rect, fill);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), Black);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), Black);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), Black);
    if (closed)
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), Black);
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
    paintOutlined(painter, QRect(6, 0, 8, 5), White, false); // the sheet, out of the top
    paintOutlined(painter, QRect(2, 5, 16, 6), Silver);      // the body
    painter.fillRect(QRect(5, 7, 10, 1), Grey);              // its paper slot
    painter.fillRect(QRect(15, 8, 1, 1), Black);             // a button
    painter.fillRect(QRect(3, 11, 2, 1), Black);             // the feet
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

} // namespace fonts
