#include "controls/OfficeMemo.h"

#include "controls/OfficeFramePainter.h"

#include <QGuiApplication>
#include <QPainter>

namespace controls {

namespace {
constexpr int FrameWidth = 2;
constexpr int CreatedHeight = 40;
} // namespace

OfficeMemo::OfficeMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    // The scroll area's own frame is replaced by the painted one; text and
    // scroll bars sit inside it.
    setFrameShape(QFrame::NoFrame);
    setContentsMargins(FrameWidth, FrameWidth, FrameWidth, FrameWidth);
    resize(width(), CreatedHeight);
}

void OfficeMemo::setStyles(const OfficeFrameStyles &styles)
{
    m_styles = styles;
    update();
}

void OfficeMemo::setBorderStyle(OfficeBorderStyle style)
{
    OfficeFrameStyles styles = m_styles;
    styles.normal = style;
    setStyles(styles);
}

void OfficeMemo::setBorderStyleFlat(OfficeBorderStyle style)
{
    OfficeFrameStyles styles = m_styles;
    styles.flat = style;
    setStyles(styles);
}

void OfficeMemo::setBorderStyleFocused(OfficeBorderStyle style)
{
    OfficeFrameStyles styles = m_styles;
    styles.focused = style;
    setStyles(styles);
}

void OfficeMemo::setFlat(bool flat)
{
    m_flat = flat;
    update();
}

OfficeBorderStyle OfficeMemo::currentFrameStyle() const
{
    return chooseTextControlFrame(m_styles, m_flat, hasFocus(), m_pointerInside);
}

bool OfficeMemo::event(QEvent *event)
{
    // The scroll area paints only its frame area itself (the text is the
    // viewport's); the painted frame goes on top of it.
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint)
        paintFrame();
    return handled;
}

void OfficeMemo::paintFrame()
{
    QPainter painter(this);
    const QColor own = palette().color(backgroundRole());
    paintRing(painter, rect(), own);
    paintRing(painter, rect().adjusted(1, 1, -1, -1), own);
    paintOfficeFrame(painter, rect(), currentFrameStyle(), systemColors(palette()));
}

void OfficeMemo::followEnabledColour()
{
    // Enabled: the system's window colour; disabled: the button face.
    const SystemColors system = systemColors(QGuiApplication::palette());
    QPalette colours = palette();
    colours.setColor(QPalette::Base, isEnabled() ? system.window : system.buttonFace);
    setPalette(colours);
}

void OfficeMemo::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    update();
}

void OfficeMemo::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    update();
}

void OfficeMemo::enterEvent(QEnterEvent *event)
{
    m_pointerInside = true;
    if (m_flat)
        update();
    QPlainTextEdit::enterEvent(event);
}

void OfficeMemo::leaveEvent(QEvent *event)
{
    m_pointerInside = false;
    if (m_flat)
        update();
    QPlainTextEdit::leaveEvent(event);
}

void OfficeMemo::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        followEnabledColour();
}

} // namespace controls
