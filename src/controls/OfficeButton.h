// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/ButtonContentLayout.h"
#include "controls/OfficeFramed.h"

#include <QPixmap>
#include <QPushButton>

namespace controls {

// Push button that paints itself: button face, a frame in one of the office
// frame styles chosen by state (held down, focused, Flat, pointer inside), a
// window-frame ring while focused, the centred caption (and glyph), and the
// dotted focus rectangle. Return and keypad Enter press it while it has the
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

    // The glyph: a strip of up to four equal images side by side (up,
    // disabled, down, stay-down); its bottom-left pixel's colour is transparent.
    QPixmap glyph() const { return m_glyph; }
    void setGlyph(const QPixmap &glyph);
    int numGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int count); // 1 to 4; others ignored
    ButtonLayout glyphLayout() const { return m_layout; }
    void setGlyphLayout(ButtonLayout layout); // the `Layout` property (QWidget owns layout())
    int margin() const { return m_margin; }
    void setMargin(int margin); // -1 centres the content; below -1 is ignored
    int spacing() const { return m_spacing; }
    void setSpacing(int spacing); // -1 spreads glyph and caption evenly

    // The frame drawn right now.
    ButtonFrame currentFrame() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap glyphImage() const;
    void paintContent(QPainter &painter, const QRect &area);

    QPixmap m_glyph;
    int m_numGlyphs = 1;
    ButtonLayout m_layout = ButtonLayout::blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;
};

} // namespace controls
