#include "controls/OfficeMemo.h"

#include "controls/OfficeFramePainter.h"

#include <QGuiApplication>
#include <QPainter>

namespace controls {

namespace {
constexpr int FrameWidth = 2;
constexpr int CreatedHeight = 40;
} // namespace

OfficeMemo::OfficeMemo(QWidget *parent) : OfficeFramed(parent, textControlDefaultStyles())
{
    // The scroll area's own frame is replaced by the painted one; text and
    // scroll bars sit inside it.
    setFrameShape(QFrame::NoFrame);
    setContentsMargins(FrameWidth, FrameWidth, FrameWidth, FrameWidth);
    resize(width(), CreatedHeight);
}

bool OfficeMemo::event(QEvent *event)
{
    // The scroll area paints only its frame area itself (the text is the
    // viewport's); the painted frame goes on top of it.
    const bool handled = OfficeFramed::event(event);
    if (event->type() == QEvent::Paint)
        paintFrame();
    return handled;
}

void OfficeMemo::paintFrame()
{
    QPainter painter(this);
    paintControlFrame(painter, rect(), palette().color(backgroundRole()), currentFrameStyle(),
                      systemColors(palette()));
}

void OfficeMemo::followEnabledColour()
{
    // Enabled: the system's window colour; disabled: the button face.
    const SystemColors system = systemColors(QGuiApplication::palette());
    QPalette colours = palette();
    colours.setColor(QPalette::Base, isEnabled() ? system.window : system.buttonFace);
    setPalette(colours);
}

void OfficeMemo::changeEvent(QEvent *event)
{
    OfficeFramed::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        followEnabledColour();
}

} // namespace controls
