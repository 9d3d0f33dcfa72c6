// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/AccessibilityUpdateFilter.h"

#include "widgets/OfficeEdit.h"

#include <QAccessible>

namespace accessibility {

namespace {

QAccessible::UpdateHandler passedOnTo = nullptr;
const QObject *quietControl = nullptr;

bool isTextCaretOrSelection(QAccessible::Event type)
{
    switch (type) {
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
        return true;
    default:
        return false;
    }
}

void filteredUpdate(QAccessibleEvent *event)
{
    if (!isToldToAssistiveTechnology(*event))
        return;
    if (passedOnTo) {
        passedOnTo(event);
        return;
    }
    // The toolkit has brought a table up to date with its model before
    // calling the handler; handed to the toolkit again it would apply the
    // change twice. Its AT-SPI bridge (Qt 6.4) sends nothing for it anyway.
    if (event->type() == QAccessible::TableModelChanged)
        return;
    // Without a handler the toolkit hands the event to the platform's bridge.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(filteredUpdate);
}

} // namespace

bool isToldToAssistiveTechnology(const QAccessibleEvent &event)
{
    if (!isTextCaretOrSelection(event.type()))
        return true;
    if (event.object() && event.object() == quietControl)
        return false;
    const auto *box = qobject_cast<const widgets::OfficeEdit *>(event.object());
    return !box || (box->hasFocus() && !box->isBeingEntered());
}

QuietTextChange::QuietTextChange(const QObject *control) : m_before(quietControl)
{
    quietControl = control;
}

QuietTextChange::~QuietTextChange()
{
    quietControl = m_before;
}

void installAccessibilityUpdateFilter()
{
    static const bool installed = [] {
        passedOnTo = QAccessible::installUpdateHandler(filteredUpdate);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace accessibility
