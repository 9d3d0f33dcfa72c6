// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/OfficePanel.h"

#include "widgets/KeyPresses.h"
#include "widgets/OfficeFramePainter.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace widgets {

namespace {
constexpr int BorderWidth = 2;
}

OfficePanel::OfficePanel(QWidget *parent) : OfficeFramed(parent, textControlDefaultStyles())
{
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
}

void OfficePanel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
    // The caption is the panel's accessible name unless one is set.
    if (accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void OfficePanel::setPressable(bool pressable)
{
    m_pressable = pressable;
    // Tab reaches it; a click still leaves the focus where it was.
    setFocusPolicy(pressable ? Qt::TabFocus : Qt::NoFocus);
}

void OfficePanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor own = palette().color(backgroundRole());
    painter.fillRect(rect(), own);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    const QRect captionArea = rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    painter.drawText(captionArea, Qt::AlignCenter | Qt::TextSingleLine, m_caption);
    paintControlFrame(painter, rect(), own, currentFrameStyle(), systemColors(palette()));
    // A keyboard user reaching a pressable panel by Tab sees where the focus is,
    // as on the buttons beside it.
    if (m_pressable && hasFocus())
        paintFocusDots(painter, captionArea.adjusted(1, 1, -1, -1),
                       palette().color(foregroundRole()));
}

void OfficePanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    OfficeFramed::mouseReleaseEvent(event);
}

void OfficePanel::keyPressEvent(QKeyEvent *event)
{
    if (m_pressable && (pressesFocusedButton(*event) || isPlainSpace(*event))) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    OfficeFramed::keyPressEvent(event);
}

} // namespace widgets
