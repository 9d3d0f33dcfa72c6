// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAbstractButton;
class QColor;
class QPainter;
class QRect;
class QWidget;

namespace widgets {

// Text flags that underline a caption's access key where the style shows
// them, and hide the marker otherwise.
int mnemonicFlags(const QWidget &control);

// Draws the button's caption into `area` with `flags` in its font: in `pen`
// while the button is enabled; disabled, greyed the classic way, a lit copy
// one pixel down and right under the shaded one.
void paintButtonCaption(QPainter &painter, const QAbstractButton &button, const QRect &area,
                        int flags, const QColor &pen);

} // namespace widgets
