// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/ListAccessible.h"

#include "access/PlainTextRun.h"
#include "access/TextBoundaries.h"
#include "lists/FlatComboBox.h"

#include <QAbstractItemView>

namespace accessibility {

ListAccessible::ListAccessible(lists::FlatComboBox *list)
    : QAccessibleWidget(list, QAccessible::ComboBox)
{
}

lists::FlatComboBox *ListAccessible::list() const
{
    return static_cast<lists::FlatComboBox *>(widget());
}

QString spokenEntry(const lists::FlatComboBox &list)
{
    const int current = list.currentIndex();
    if (current < 0)
        return QStringLiteral("none chosen");
    const QString spoken = list.itemData(current, Qt::AccessibleTextRole).toString();
    return spoken.isEmpty() ? list.itemText(current).trimmed() : spoken;
}

QString ListAccessible::entry() const
{
    return spokenEntry(*list());
}

QString ListAccessible::text(QAccessible::Text which) const
{
    if (which == QAccessible::Value)
        return entry();
    return QAccessibleWidget::text(which);
}

QAccessible::State ListAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = list()->isDropped();
    return state;
}

void *ListAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

int ListAccessible::childCount() const
{
    return 1;
}

QAccessibleInterface *ListAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
}

int ListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == list()->view() ? 0 : -1;
}

QStringList ListAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void ListAccessible::doAction(const QString &action)
{
    if (action != showMenuAction() && action != pressAction())
        return QAccessibleWidget::doAction(action);
    if (list()->isDropped())
        list()->hidePopup();
    else
        list()->showPopup();
}

void ListAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
}

QString ListAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return entry().mid(startOffset, endOffset - startOffset);
}

int ListAccessible::characterCount() const
{
    return int(entry().size());
}

QString ListAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    return plainTextRun(offset, characterCount(), startOffset, endOffset);
}

QString ListAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int *startOffset, int *endOffset) const
{
    return piece(offset, boundaryType, TextSide::Before, startOffset, endOffset);
}

QString ListAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int *startOffset, int *endOffset) const
{
    return piece(offset, boundaryType, TextSide::After, startOffset, endOffset);
}

QString ListAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                     int *startOffset, int *endOffset) const
{
    return piece(offset, boundaryType, TextSide::At, startOffset, endOffset);
}

QString ListAccessible::piece(int offset, QAccessible::TextBoundaryType boundaryType, TextSide side,
                              int *startOffset, int *endOffset) const
{
    // The caret (AT-SPI's offset -2) stands at the entry's start.
    const TextSpan found = textSpan(entry(), offset == -2 ? 0 : offset, boundaryType, side);
    *startOffset = found.start;
    *endOffset = found.end;
    return found.text;
}

} // namespace accessibility
