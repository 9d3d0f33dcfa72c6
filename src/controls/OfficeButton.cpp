// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/OfficeButton.h"

#include "controls/KeyPresses.h"
#include "controls/OfficeFramePainter.h"

#include <QApplication>
#include <QBitmap>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace controls {

namespace {

constexpr int FocusRectInset = 4;
constexpr int ContentInset = 2; // inside the rectangle the frame was drawn in

} // namespace

OfficeButton::OfficeButton(QWidget *parent) : OfficeFramed(parent, buttonDefaultStyles()) {}

void OfficeButton::setFlat(bool flat)
{
    setFlatFlag(flat);
    setStyles(buttonStylesAfterSettingFlat(flat));
}

void OfficeButton::setGlyph(const QPixmap &glyph)
{
    m_glyph = glyph;
    update();
}

void OfficeButton::setNumGlyphs(int count)
{
    if (count < 1 || count > 4)
        return;
    m_numGlyphs = count;
    update();
}

void OfficeButton::setGlyphLayout(ButtonLayout layout)
{
    m_layout = layout;
    update();
}

void OfficeButton::setMargin(int margin)
{
    if (margin < -1)
        return;
    m_margin = margin;
    update();
}

void OfficeButton::setSpacing(int spacing)
{
    m_spacing = spacing;
    update();
}

ButtonFrame OfficeButton::currentFrame() const
{
    return chooseButtonFrame(styles(), isFlat(), hasFocus(), isPointerInside(), isDown());
}

QPixmap OfficeButton::glyphImage() const
{
    if (m_glyph.isNull())
        return {};
    const int width = m_glyph.width() / m_numGlyphs;
    int index = 0;
    if (!isEnabled() && m_numGlyphs > 1)
        index = 1;
    else if (isDown() && m_numGlyphs > 2)
        index = 2;
    QPixmap image = m_glyph.copy(index * width, 0, width, m_glyph.height());
    const QImage pixels = image.toImage();
    image.setMask(QBitmap::fromImage(
        pixels.createMaskFromColor(pixels.pixel(0, pixels.height() - 1), Qt::MaskInColor)));
    if (!isEnabled() && m_numGlyphs == 1) {
        QStyleOption option;
        option.initFrom(this);
        image = style()->generatedIconPixmap(QIcon::Disabled, image, &option);
    }
    return image;
}

void OfficeButton::paintContent(QPainter &painter, const QRect &area)
{
    const QPixmap glyph = glyphImage();
    const bool mnemonics = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this);
    const int textFlags =
        Qt::TextSingleLine | (mnemonics ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
    const QSize captionSize = text().isEmpty() ? QSize() : fontMetrics().size(textFlags, text());
    const ButtonContent content =
        layoutButtonContent(area, glyph.isNull() ? QSize() : glyph.deviceIndependentSize().toSize(),
                            captionSize, m_layout, m_margin, m_spacing);
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    if (!glyph.isNull())
        painter.drawPixmap(content.glyph.topLeft() + shift, glyph);
    if (text().isEmpty())
        return;
    const QRect caption = content.caption.translated(shift);
    painter.setFont(font());
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(caption, textFlags | Qt::AlignCenter, text());
        return;
    }
    // Greyed the classic way: a lit copy one pixel down and right, the shaded on top.
    const SystemColors colors = systemColors(palette());
    painter.setPen(colors.highlight);
    painter.drawText(caption.translated(1, 1), textFlags | Qt::AlignCenter, text());
    painter.setPen(colors.shadow);
    painter.drawText(caption, textFlags | Qt::AlignCenter, text());
}

void OfficeButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const SystemColors colors = systemColors(palette());
    painter.fillRect(rect(), colors.buttonFace);

    const ButtonFrame frame = currentFrame();
    if (frame.windowFrameRing)
        paintRing(painter, rect(), colors.windowFrame);
    const QRect framed = rect().adjusted(frame.inset, frame.inset, -frame.inset, -frame.inset);
    paintOfficeFrame(painter, framed, frame.style, colors);

    const QRect inside = framed.adjusted(ContentInset, ContentInset, -ContentInset, -ContentInset);
    painter.fillRect(inside, colors.buttonFace);
    paintContent(painter, inside);

    if (hasFocus()) {
        paintFocusDots(
            painter,
            rect().adjusted(FocusRectInset, FocusRectInset, -FocusRectInset, -FocusRectInset),
            colors.windowText);
    }
}

void OfficeButton::changeEvent(QEvent *event)
{
    OfficeFramed::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange)
        update();
}

void OfficeButton::keyPressEvent(QKeyEvent *event)
{
    if (!clickOnReturn(*this, event))
        OfficeFramed::keyPressEvent(event);
}

} // namespace controls
