#include "controls/OfficePanel.h"

#include "controls/OfficeFramePainter.h"

#include <QMouseEvent>
#include <QPainter>

namespace controls {

namespace {
constexpr int BorderWidth = 2;
}

OfficePanel::OfficePanel(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
}

void OfficePanel::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void OfficePanel::setStyles(const OfficeFrameStyles &styles)
{
    m_styles = styles;
    update();
}

void OfficePanel::setBorderStyle(OfficeBorderStyle style)
{
    OfficeFrameStyles styles = m_styles;
    styles.normal = style;
    setStyles(styles);
}

void OfficePanel::setBorderStyleFlat(OfficeBorderStyle style)
{
    OfficeFrameStyles styles = m_styles;
    styles.flat = style;
    setStyles(styles);
}

void OfficePanel::setBorderStyleFocused(OfficeBorderStyle style)
{
    OfficeFrameStyles styles = m_styles;
    styles.focused = style;
    setStyles(styles);
}

void OfficePanel::setFlat(bool flat)
{
    m_flat = flat;
    update();
}

OfficeBorderStyle OfficePanel::currentFrameStyle() const
{
    return chooseTextControlFrame(m_styles, m_flat, hasFocus(), m_pointerInside);
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
    paintRing(painter, rect(), own);
    paintRing(painter, rect().adjusted(1, 1, -1, -1), own);
    paintOfficeFrame(painter, rect(), currentFrameStyle(), systemColors(palette()));
}

void OfficePanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void OfficePanel::enterEvent(QEnterEvent *event)
{
    m_pointerInside = true;
    if (m_flat)
        update();
    QFrame::enterEvent(event);
}

void OfficePanel::leaveEvent(QEvent *event)
{
    m_pointerInside = false;
    if (m_flat)
        update();
    QFrame::leaveEvent(event);
}

} // namespace controls
