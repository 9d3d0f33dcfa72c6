// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/OfficeButton.h"

#include "widgets/CaptionPainter.h"
#include "widgets/KeyPresses.h"
#include "widgets/OfficeFramePainter.h"

#include <QPainter>

namespace widgets {

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

ButtonFrame OfficeButton::currentFrame() const
{
    return chooseButtonFrame(styles(), isFlat(), hasFocus(), isPointerInside(), isDown());
}

void OfficeButton::paintContent(QPainter &painter, const QRect &area)
{
    if (text().isEmpty())
        return;
    const int flags = Qt::TextSingleLine | mnemonicFlags(*this);
    const QSize size = fontMetrics().size(flags, text());
    // Centred, an odd pixel left over going to the right and bottom.
    QRect caption(area.left() + (area.width() - size.width()) / 2,
                  area.top() + (area.height() - size.height()) / 2, size.width(), size.height());
    if (isDown())
        caption.translate(1, 1);
    paintButtonCaption(painter, *this, caption, flags | Qt::AlignCenter,
                       palette().color(QPalette::ButtonText));
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

} // namespace widgets
