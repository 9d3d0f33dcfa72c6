// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/OfficeFramed.h"

#include <QPushButton>

namespace widgets {

// Push button that paints itself: button face, a frame in one of the office
// frame styles chosen by state (held down, focused, Flat, pointer inside), a
// window-frame ring while focused, the centred caption, and the dotted focus
// rectangle. Return and keypad Enter press it while it has the
// focus, as Space does.
class OfficeButton : public OfficeFramed<QPushButton> {
    Q_OBJECT
public:
    explicit OfficeButton(QWidget *parent = nullptr);

    OfficeBorderStyle borderStyleDown() const { return styles().down; }
    void setBorderStyleDown(OfficeBorderStyle style) { setStyle(&OfficeFrameStyles::down, style); }

    // Setting Flat always replaces the four styles (see
    // buttonStylesAfterSettingFlat); set the styles after it to keep others.
    void setFlat(bool flat);

    // The frame drawn right now.
    ButtonFrame currentFrame() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The caption, centred in `area`.
    void paintContent(QPainter &painter, const QRect &area);
};

} // namespace widgets
