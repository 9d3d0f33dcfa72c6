#include "controls/OfficePanel.h"

#include "controls/OfficeFramePainter.h"

#include <QMouseEvent>
#include <QPainter>

namespace controls {

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
    m_caption = caption;
    update();
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
}

void OfficePanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    OfficeFramed::mouseReleaseEvent(event);
}

} // namespace controls
