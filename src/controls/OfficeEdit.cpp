#include "controls/OfficeEdit.h"

#include "controls/OfficeFramePainter.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QPainter>

namespace controls {

namespace {

constexpr int FrameWidth = 2;
constexpr int HeightAboveLine = 8; // frame, margins and room above and below the text

// An entry, as opposed to the focus merely coming back: keyboard focus moves
// and the program's setFocus, while no mouse button is down.
bool isEntryWithoutMouse(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        return false;
    default:
        return QGuiApplication::mouseButtons() == Qt::NoButton;
    }
}

} // namespace

OfficeEdit::OfficeEdit(QWidget *parent) : QLineEdit(parent)
{
    // The base draws no frame; this control paints its own in the outer pixels.
    setFrame(false);
    setContentsMargins(FrameWidth, FrameWidth, FrameWidth, FrameWidth);
}

void OfficeEdit::setStyles(const OfficeFrameStyles &styles)
{
    m_styles = styles;
    update();
}

void OfficeEdit::setBorderStyle(OfficeBorderStyle style)
{
    OfficeFrameStyles styles = m_styles;
    styles.normal = style;
    setStyles(styles);
}

void OfficeEdit::setBorderStyleFlat(OfficeBorderStyle style)
{
    OfficeFrameStyles styles = m_styles;
    styles.flat = style;
    setStyles(styles);
}

void OfficeEdit::setBorderStyleFocused(OfficeBorderStyle style)
{
    OfficeFrameStyles styles = m_styles;
    styles.focused = style;
    setStyles(styles);
}

void OfficeEdit::setFlat(bool flat, FlatStyles styles)
{
    m_flat = flat;
    setStyles(styles == FlatStyles::Reset ? textControlDefaultStyles() : m_styles);
}

OfficeBorderStyle OfficeEdit::currentFrameStyle() const
{
    return chooseTextControlFrame(m_styles, m_flat, hasFocus(), m_pointerInside);
}

void OfficeEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    const QColor own = palette().color(backgroundRole());
    paintRing(painter, rect(), own);
    paintRing(painter, rect().adjusted(1, 1, -1, -1), own);
    paintOfficeFrame(painter, rect(), currentFrameStyle(), systemColors(palette()));
}

void OfficeEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (isEntryWithoutMouse(event->reason()))
        selectAll();
    update();
}

void OfficeEdit::focusOutEvent(QFocusEvent *event)
{
    // The base entry box drops its selection when the focus moves on; keep it,
    // with the caret at the same end, so a later paste() still replaces it.
    const int start = selectionStart();
    const int length = selectionLength();
    const int caret = cursorPosition();
    QLineEdit::focusOutEvent(event);
    if (length > 0 && !hasSelectedText()) {
        if (caret == start)
            setSelection(start + length, -length);
        else
            setSelection(start, length);
    }
    update();
}

void OfficeEdit::enterEvent(QEnterEvent *event)
{
    m_pointerInside = true;
    if (m_flat)
        update();
    QLineEdit::enterEvent(event);
}

void OfficeEdit::leaveEvent(QEvent *event)
{
    m_pointerInside = false;
    if (m_flat)
        update();
    QLineEdit::leaveEvent(event);
}

void OfficeEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        resize(width(), fontMetrics().height() + HeightAboveLine);
}

} // namespace controls
