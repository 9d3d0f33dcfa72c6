// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPixmap>

namespace fonts {

// The two 20 x 12 marks of the font chooser, drawn in the sixteen standard
// colours on a magenta background.
QImage trueTypeMarkImage(); // two capital Ts, a grey one behind and up-left of a black one
QImage printerMarkImage();  // a small printer with a sheet of paper on top

// The picture with its transparent colour (that of its bottom-left pixel)
// masked out, so it shows whatever it is drawn over.
QPixmap withTransparentCorner(const QImage &picture);

} // namespace fonts
