// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/Accessibility.h"

#include "access/AccessibilityUpdateFilter.h"
#include "access/EntryBoxAccessible.h"
#include "access/ListAccessible.h"
#include "access/StatusAnnouncer.h"
#include "lists/FlatComboBox.h"
#include "widgets/GroupPanel.h"
#include "widgets/OfficeEdit.h"
#include "widgets/OfficePanel.h"

#include <QAccessibleWidget>

namespace accessibility {

namespace {

class OfficePanelAccessible : public QAccessibleWidget {
public:
    explicit OfficePanelAccessible(widgets::OfficePanel *panel)
        : QAccessibleWidget(panel,
                            panel->isPressable() ? QAccessible::Button : QAccessible::Grouping)
    {
    }

    QAccessible::Role role() const override
    {
        // Pressability may be set after the interface was made.
        return panel()->isPressable() ? QAccessible::Button : QAccessible::Grouping;
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name && panel()->accessibleName().isEmpty())
            return panel()->caption();
        return QAccessibleWidget::text(which);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (panel()->isPressable() && panel()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && panel()->isPressable() && panel()->isEnabled())
            panel()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    widgets::OfficePanel *panel() const { return static_cast<widgets::OfficePanel *>(widget()); }
};

QAccessibleInterface *flatControlInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(widgets::OfficePanel::staticMetaObject.className()))
        return new OfficePanelAccessible(static_cast<widgets::OfficePanel *>(object));
    if (className == QLatin1String(widgets::OfficeEdit::staticMetaObject.className()))
        return new EntryBoxAccessible(static_cast<widgets::OfficeEdit *>(object));
    // The font list too, asked for under its base class's name after its own.
    if (className == QLatin1String(lists::FlatComboBox::staticMetaObject.className()))
        return new ListAccessible(static_cast<lists::FlatComboBox *>(object));
    if (className == QLatin1String(widgets::GroupPanel::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    if (className == QLatin1String(StatusAnnouncer::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(flatControlInterface);
        installAccessibilityUpdateFilter();
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace accessibility
