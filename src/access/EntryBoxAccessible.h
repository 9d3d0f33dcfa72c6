// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "access/TextBoundaries.h"

#include <QAccessibleWidget>

namespace widgets {
class OfficeEdit;
} // namespace widgets

namespace accessibility {

// An entry box as assistive technology reads it: its text, caret and
// selection, edited through the box as typing would. The toolkit's own line
// edit interface reports every character as a text run of its own, which
// makes screen readers cut the last letter off the text they read; here the
// whole text is one run. The selection a box keeps while another control has
// the focus (for pasting) is reported only while the box has the focus, so a
// screen reader does not read it as selected text beside the focused box.
class EntryBoxAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit EntryBoxAccessible(widgets::OfficeEdit *box);

    QString text(QAccessible::Text which) const override;
    void setText(QAccessible::Text which, const QString &text) override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int *startOffset, int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int *startOffset, int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    widgets::OfficeEdit *box() const;
    // AT-SPI's offset -2 stands for the caret.
    int resolved(int offset) const;
    // Computed here: the toolkit's own word search never returns at the text's end.
    QString piece(int offset, QAccessible::TextBoundaryType boundaryType, TextSide side,
                  int *startOffset, int *endOffset) const;
};

} // namespace accessibility
