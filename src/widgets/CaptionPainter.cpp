// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/CaptionPainter.h"

#include "widgets/SystemColors.h"

#include <QAbstractButton>
#include <QPainter>
#include <QStyle>

namespace widgets {

int mnemonicFlags(const QWidget &control)
{
    const bool shown = control.style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, &control);
    return shown ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
}

void paintButtonCaption(QPainter &painter, const QAbstractButton &button, const QRect &area,
                        int flags, const QColor &pen)
{
    painter.setFont(button.font());
    if (button.isEnabled()) {
        painter.setPen(pen);
        painter.drawText(area, flags, button.text());
        return;
    }
    const SystemColors colors = systemColors(button.palette());
    painter.setPen(colors.litEdge);
    painter.drawText(area.translated(1, 1), flags, button.text());
    painter.setPen(colors.shadow);
    painter.drawText(area, flags, button.text());
}

} // namespace widgets
