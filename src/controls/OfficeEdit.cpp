// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/OfficeEdit.h"

#include "controls/OfficeFramePainter.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <cstdlib>

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

OfficeEdit::OfficeEdit(QWidget *parent) : OfficeFramed(parent, textControlDefaultStyles())
{
    // The base draws no frame; this control paints its own in the outer pixels.
    setFrame(false);
    setContentsMargins(FrameWidth, FrameWidth, FrameWidth, FrameWidth);
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
    const QScopedValueRollback entering(m_beingEntered, true);
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

QRect OfficeEdit::characterRect(int offset) const
{
    const QString shown = displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    // Laid out as the base box lays out its line; placed by the caret, which
    // the base box puts where it draws the text (margins, alignment, scrolling).
    QTextLayout layout(shown, font());
    QTextOption option;
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    // The base box's caret rectangle reaches 5 pixels left of the caret line.
    const QRect caret = cursorRect();
    const int origin = caret.left() + 5 - qRound(line.cursorToX(cursorPosition()));
    const int left = origin + qRound(line.cursorToX(offset));
    const int right = origin + qRound(line.cursorToX(offset + 1));
    return QRect(std::min(left, right), caret.top(), std::abs(right - left), qCeil(line.height()));
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
