// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/FittingLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <limits>

namespace widgets {

FittingLabel::FittingLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

int FittingLabel::room() const
{
    if (!parentWidget())
        return std::numeric_limits<int>::max();
    return std::max(0, parentWidget()->contentsRect().right() + 1 - x());
}

int FittingLabel::horizontalMargins() const
{
    const QMargins margins = contentsMargins();
    return margins.left() + margins.right() + 2 * margin();
}

QFont FittingLabel::fontAt(int pixels) const
{
    QFont sized = font();
    if (pixels != QFontInfo(font()).pixelSize())
        sized.setPixelSize(pixels);
    return sized;
}

CaptionFit FittingLabel::fit() const
{
    const QString caption = text();
    const int available = room() - horizontalMargins();
    if (m_memo && m_memo->text == caption && m_memo->font == font() && m_memo->room == available)
        return m_memo->fit;
    const CaptionFit fitted =
        fitCaption(QFontInfo(font()).pixelSize(), SmallestPixels, available, [&](int pixels) {
            return QFontMetrics(fontAt(pixels)).size(Qt::TextSingleLine, caption).width();
        });
    m_memo = Memo{caption, font(), available, fitted};
    return fitted;
}

QFont FittingLabel::drawnFont() const
{
    return fontAt(fit().pixelSize);
}

QSize FittingLabel::sizeHint() const
{
    const QSize designed = QLabel::sizeHint();
    const CaptionFit fitted = fit();
    if (!fitted.shrunk && !fitted.cut)
        return designed;
    // The height stays the designed one, so the caption keeps its line.
    const int width =
        fitted.cut
            ? room()
            : QFontMetrics(fontAt(fitted.pixelSize)).size(Qt::TextSingleLine, text()).width() +
                  horizontalMargins();
    return {width, designed.height()};
}

QSize FittingLabel::minimumSizeHint() const
{
    return sizeHint();
}

bool FittingLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const CaptionFit fitted = fit();
        if (fitted.shrunk || fitted.cut) {
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
            return true;
        }
    }
    return QLabel::event(event);
}

void FittingLabel::paintEvent(QPaintEvent *event)
{
    const CaptionFit fitted = fit();
    if (!fitted.shrunk && !fitted.cut) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QFont drawn = fontAt(fitted.pixelSize);
    painter.setFont(drawn);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QString shown =
        fitted.cut ? QFontMetrics(drawn).elidedText(text(), Qt::ElideRight, area.width()) : text();
    style()->drawItemText(&painter, area,
                          int(QStyle::visualAlignment(layoutDirection(), alignment())) |
                              Qt::TextSingleLine,
                          palette(), isEnabled(), shown, foregroundRole());
}

} // namespace widgets
