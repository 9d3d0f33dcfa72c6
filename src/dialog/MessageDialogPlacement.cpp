// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/MessageDialogPlacement.h"

#include <algorithm>

namespace dialog {

namespace {

int clampToScreen(int position, int extent, int screenStart, int screenExtent)
{
    // Right or bottom edge first, so that a box wider than the screen keeps
    // its left or top edge (and title bar) visible.
    position = std::min(position, screenStart + screenExtent - extent);
    return std::max(position, screenStart);
}

} // namespace

QPoint placeMessageBox(MessageDialogAlign align, QSize box, QRect screen,
                       std::optional<QRect> owner, int offsetLeft, int offsetTop)
{
    using A = MessageDialogAlign;
    if (!owner) {
        if (align == A::mdaFormCentre)
            align = A::mdaScreenCentre;
        else if (align == A::mdaFormOffset)
            align = A::mdaScreenOffset;
    }
    QPoint at;
    switch (align) {
    case A::mdaScreenCentre:
        at = {screen.left() + (screen.width() - box.width()) / 2,
              screen.top() + (screen.height() - box.height()) / 2};
        break;
    case A::mdaScreenOffset:
        at = {screen.left() + offsetLeft, screen.top() + offsetTop};
        break;
    case A::mdaFormCentre:
        at = {owner->left() + (owner->width() - box.width()) / 2,
              owner->top() + (owner->height() - box.height()) / 2};
        break;
    case A::mdaFormOffset:
        at = {owner->left() + offsetLeft, owner->top() + offsetTop};
        break;
    }
    return {clampToScreen(at.x(), box.width(), screen.left(), screen.width()),
            clampToScreen(at.y(), box.height(), screen.top(), screen.height())};
}

} // namespace dialog
