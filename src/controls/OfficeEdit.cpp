// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/OfficeEdit.h"

#include "controls/OfficeFramePainter.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

namespace controls {

namespace {

constexpr int FrameWidth = 2;
constexpr int HeightAboveLine = 8; // frame, margins and room above and below the text

// The base entry box shows its caret whenever text gets selected, with or
// without the focus, under a style that blinks the caret over a selection
// (Fusion does): the selection kept on leaving a box, and Copy's select-all,
// left a steady caret in boxes the learner had left. Only the focused box
// shows one.
class CaretWithFocusOnlyStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_BlinkCursorWhenTextSelected && widget && !widget->hasFocus())
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle *caretWithFocusOnlyStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new CaretWithFocusOnlyStyle;
        style->setParent(qApp); // lives as long as the application
    }
    return style;
}

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

OfficeEdit::OfficeEdit(QWidget *parent) : OfficeFramed(parent, textControlDefaultStyles())
{
    // The base draws no frame; this control paints its own in the outer pixels.
    setFrame(false);
    setContentsMargins(FrameWidth, FrameWidth, FrameWidth, FrameWidth);
    QWidget::setStyle(caretWithFocusOnlyStyle());
    followFocusWithSelectionColours();
}

void OfficeEdit::setFlat(bool flat, FlatStyles styles)
{
    setFlatFlag(flat);
    if (styles == FlatStyles::Reset)
        setStyles(textControlDefaultStyles());
}

void OfficeEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    paintControlFrame(painter, rect(), palette().color(backgroundRole()), currentFrameStyle(),
                      systemColors(palette()));
}

void OfficeEdit::focusInEvent(QFocusEvent *event)
{
    OfficeFramed::focusInEvent(event);
    followFocusWithSelectionColours();
    if (isEntryWithoutMouse(event->reason()))
        selectAll();
}

void OfficeEdit::focusOutEvent(QFocusEvent *event)
{
    // The base entry box drops its selection when the focus moves on; keep it,
    // with the caret at the same end, so a later paste() still replaces it.
    const int start = selectionStart();
    const int length = selectionLength();
    const int caret = cursorPosition();
    OfficeFramed::focusOutEvent(event);
    if (length > 0 && !hasSelectedText()) {
        if (caret == start)
            setSelection(start + length, -length);
        else
            setSelection(start, length);
    }
    followFocusWithSelectionColours();
}

void OfficeEdit::changeEvent(QEvent *event)
{
    OfficeFramed::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        resize(width(), fontMetrics().height() + HeightAboveLine);
    if (event->type() == QEvent::PaletteChange) // a new background or text colour
        followFocusWithSelectionColours();
}

void OfficeEdit::followFocusWithSelectionColours()
{
    const QPalette inherited =
        parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    QPalette colours = palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (hasFocus()) {
            colours.setColor(group, QPalette::Highlight,
                             inherited.color(group, QPalette::Highlight));
            colours.setColor(group, QPalette::HighlightedText,
                             inherited.color(group, QPalette::HighlightedText));
        } else {
            colours.setColor(group, QPalette::Highlight, colours.color(group, QPalette::Base));
            colours.setColor(group, QPalette::HighlightedText,
                             colours.color(group, QPalette::Text));
        }
    }
    // Setting an equal palette would only come back here as another change.
    if (colours != palette())
        setPalette(colours);
}

} // namespace controls
