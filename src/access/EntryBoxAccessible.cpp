// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/EntryBoxAccessible.h"

#include "access/PlainTextRun.h"
#include "access/TextBoundaries.h"
#include "widgets/OfficeEdit.h"

namespace accessibility {

namespace {

constexpr int CaretOffset = -2;

} // namespace

EntryBoxAccessible::EntryBoxAccessible(widgets::OfficeEdit *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

widgets::OfficeEdit *EntryBoxAccessible::box() const
{
    return static_cast<widgets::OfficeEdit *>(widget());
}

int EntryBoxAccessible::resolved(int offset) const
{
    return offset == CaretOffset ? cursorPosition() : offset;
}

QString EntryBoxAccessible::text(QAccessible::Text which) const
{
    if (which == QAccessible::Value)
        return box()->displayText();
    return QAccessibleWidget::text(which);
}

void EntryBoxAccessible::setText(QAccessible::Text which, const QString &text)
{
    if (which == QAccessible::Value)
        replaceText(0, characterCount(), text);
    else
        QAccessibleWidget::setText(which, text);
}

QAccessible::State EntryBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (box()->isReadOnly())
        state.readOnly = true;
    else
        state.editable = true;
    state.selectableText = true;
    return state;
}

void *EntryBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void EntryBoxAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || selectionCount() == 0)
        return;
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

int EntryBoxAccessible::selectionCount() const
{
    return box()->hasFocus() && box()->hasSelectedText() ? 1 : 0;
}

void EntryBoxAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void EntryBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void EntryBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int EntryBoxAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void EntryBoxAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString EntryBoxAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return box()->displayText().mid(startOffset, endOffset - startOffset);
}

QString EntryBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    return piece(offset, boundaryType, TextSide::Before, startOffset, endOffset);
}

QString EntryBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    return piece(offset, boundaryType, TextSide::After, startOffset, endOffset);
}

QString EntryBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int *startOffset, int *endOffset) const
{
    return piece(offset, boundaryType, TextSide::At, startOffset, endOffset);
}

QString EntryBoxAccessible::piece(int offset, QAccessible::TextBoundaryType boundaryType,
                                  TextSide side, int *startOffset, int *endOffset) const
{
    const TextSpan found = textSpan(box()->displayText(), resolved(offset), boundaryType, side);
    *startOffset = found.start;
    *endOffset = found.end;
    return found.text;
}

int EntryBoxAccessible::characterCount() const
{
    return int(box()->displayText().size());
}

QRect EntryBoxAccessible::characterRect(int offset) const
{
    const QRect inBox = box()->characterRect(offset);
    if (inBox.isNull())
        return {};
    return {box()->mapToGlobal(inBox.topLeft()), inBox.size()};
}

int EntryBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void EntryBoxAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    // The box scrolls to show its caret: the end first, then the start.
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

QString EntryBoxAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    return plainTextRun(resolved(offset), characterCount(), startOffset, endOffset);
}

void EntryBoxAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void EntryBoxAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void EntryBoxAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    // A read-only box takes text from the program only; offsets outside the
    // text change nothing.
    const int length = int(box()->text().size());
    if (box()->isReadOnly() || startOffset < 0 || startOffset > endOffset || endOffset > length)
        return;
    box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
}

} // namespace accessibility
