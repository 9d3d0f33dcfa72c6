// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/FlatCheckBox.h"

#include "widgets/CaptionPainter.h"
#include "widgets/KeyPresses.h"
#include "widgets/OfficeFramePainter.h"

#include <QPainter>

namespace lists {

namespace {

constexpr int BoxSize = 13;
constexpr int CaptionGap = 4; // between the box and the caption
constexpr int PushLikeInset = 3;

Qt::Alignment horizontalAlignment(FlatCheckBox::Alignment alignment)
{
    switch (alignment) {
    case FlatCheckBox::taRightJustify:
        return Qt::AlignRight;
    case FlatCheckBox::taCenter:
        return Qt::AlignHCenter;
    case FlatCheckBox::taLeftJustify:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

FlatCheckBox::FlatCheckBox(QWidget *parent) : QCheckBox(parent) {}

void FlatCheckBox::setFlat(bool flat)
{
    m_flat = flat;
    updateGeometry();
    update();
}

void FlatCheckBox::setButtonStyle(bool buttonStyle)
{
    m_buttonStyle = buttonStyle;
    updateGeometry();
    update();
}

void FlatCheckBox::setAlignment(Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void FlatCheckBox::setButtonAlignment(Alignment alignment)
{
    if (alignment == taCenter)
        return;
    m_buttonAlignment = alignment;
    update();
}

QRect FlatCheckBox::boxRect() const
{
    if (m_buttonStyle)
        return rect();
    const int top = (height() - BoxSize) / 2;
    const int left = m_buttonAlignment == taRightJustify ? width() - BoxSize : 0;
    return {left, top, BoxSize, BoxSize};
}

QRect FlatCheckBox::captionRect() const
{
    if (m_buttonStyle)
        return rect().adjusted(PushLikeInset, PushLikeInset, -PushLikeInset, -PushLikeInset);
    const int room = std::max(0, width() - BoxSize - CaptionGap);
    const int left = m_buttonAlignment == taRightJustify ? 0 : BoxSize + CaptionGap;
    return {left, 0, room, height()};
}

QSize FlatCheckBox::sizeHint() const
{
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    if (m_buttonStyle)
        return caption + QSize(2 * PushLikeInset + 8, 2 * PushLikeInset + 4);
    return {BoxSize + CaptionGap + caption.width() + 2, std::max(BoxSize, caption.height())};
}

bool FlatCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void FlatCheckBox::keyPressEvent(QKeyEvent *event)
{
    if (!widgets::clickOnReturn(*this, event))
        QCheckBox::keyPressEvent(event);
}

void FlatCheckBox::paintCaption(QPainter &painter, const QRect &area, Qt::Alignment alignment)
{
    const int flags =
        int(alignment | Qt::AlignVCenter) | Qt::TextSingleLine | widgets::mnemonicFlags(*this);
    widgets::paintButtonCaption(painter, *this, area, flags, palette().color(foregroundRole()));
    if (hasFocus() && !text().isEmpty()) {
        const QRect bounds = painter.boundingRect(area, flags, text()).adjusted(-1, 0, 1, 0);
        widgets::paintFocusDots(painter, bounds.intersected(rect()),
                                widgets::systemColors(palette()).windowText);
    }
}

void FlatCheckBox::paintCheckBox(QPainter &painter)
{
    const widgets::SystemColors colors = widgets::systemColors(palette());
    const QRect box = boxRect();
    painter.fillRect(box, isEnabled() && !isDown() ? colors.window : colors.buttonFace);
    if (m_flat)
        widgets::paintRing(painter, box, colors.shadow);
    else
        widgets::paintOfficeFrame(painter, box, widgets::OfficeBorderStyle::Sunken, colors);
    if (checkState() != Qt::Unchecked) {
        // A tick, seven pixels wide, three thick.
        const QColor mark = checkState() == Qt::PartiallyChecked || !isEnabled()
                                ? colors.shadow
                                : palette().color(QPalette::Text);
        const QPoint origin = box.topLeft() + QPoint(3, 3);
        for (int x = 0; x < 7; ++x) {
            const int y = x <= 2 ? 2 + x : 6 - x;
            painter.fillRect(QRect(origin.x() + x, origin.y() + y, 1, 3), mark);
        }
    }
    paintCaption(painter, captionRect(), horizontalAlignment(m_alignment));
}

void FlatCheckBox::paintPushLike(QPainter &painter)
{
    const widgets::SystemColors colors = widgets::systemColors(palette());
    const bool down = isChecked() || isDown();
    painter.fillRect(rect(), down ? colors.light : colors.buttonFace);
    widgets::OfficeBorderStyle frame = widgets::OfficeBorderStyle::Raised;
    if (m_flat)
        frame = down ? widgets::OfficeBorderStyle::Down : widgets::OfficeBorderStyle::Single;
    else if (down)
        frame = widgets::OfficeBorderStyle::Sunken;
    widgets::paintOfficeFrame(painter, rect(), frame, colors);
    const QPoint shift = down ? QPoint(1, 1) : QPoint();
    paintCaption(painter, captionRect().translated(shift), horizontalAlignment(m_alignment));
}

void FlatCheckBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_buttonStyle)
        paintPushLike(painter);
    else
        paintCheckBox(painter);
}

} // namespace lists
