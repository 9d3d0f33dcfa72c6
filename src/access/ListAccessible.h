// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "access/TextBoundaries.h"

#include <QAccessibleWidget>

namespace lists {
class FlatComboBox;
} // namespace lists

namespace accessibility {

// What a screen reader says of a list's current entry: its spoken form where
// the list gives one (Qt::AccessibleTextRole: "size 8" for "8"), else the
// entry without its blanks; "none chosen" when the list shows none.
QString spokenEntry(const lists::FlatComboBox &list);

// A drop-down list as assistive technology reads it: named by its accessible
// name or its label, with its current entry (without the blanks some entries
// start with) as its value and as a read-only text. The toolkit's own combo
// box offers neither a text nor a selection, so screen readers found no entry
// to read. Its child is the drop-down list; opening it is its action.
class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ListAccessible(lists::FlatComboBox *list);

    QString text(QAccessible::Text which) const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QStringList actionNames() const override;
    void doAction(const QString &action) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int *startOffset, int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int *startOffset, int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;

private:
    lists::FlatComboBox *list() const;
    QString entry() const;
    // Computed here: the toolkit's own word search never returns at the text's end.
    QString piece(int offset, QAccessible::TextBoundaryType boundaryType, TextSide side,
                  int *startOffset, int *endOffset) const;
};

} // namespace accessibility
