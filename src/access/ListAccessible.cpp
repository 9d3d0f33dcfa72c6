// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/ListAccessible.h"

#include "access/PlainTextRun.h"
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

QString ListAccessible::entry() const
{
    return list()->currentText().trimmed();
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

} // namespace accessibility
