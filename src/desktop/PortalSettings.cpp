// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/PortalSettings.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace desktop {

namespace {

const QString Service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString Path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString Interface = QStringLiteral("org.freedesktop.portal.Settings");
const QString Appearance = QStringLiteral("org.freedesktop.appearance");
const QString ColourSchemeKey = QStringLiteral("color-scheme");

// Read answers a variant in a variant (older portals); SettingChanged a variant.
uint colourSchemeValue(QVariant value)
{
    while (value.canConvert<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value.toUInt();
}

} // namespace

PortalSettings::PortalSettings(QObject *parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(Service, Path, Interface, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QString, QString, QDBusVariant)));
    QDBusMessage read =
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Read"));
    read << Appearance << ColourSchemeKey;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *call;
                if (reply.isValid()) // no portal, or one without the setting: nothing to follow
                    emit colourSchemeChanged(colourSchemeValue(QVariant::fromValue(reply.value())));
            });
}

void PortalSettings::settingChanged(const QString &settingsNamespace, const QString &key,
                                    const QDBusVariant &value)
{
    if (settingsNamespace == Appearance && key == ColourSchemeKey)
        emit colourSchemeChanged(colourSchemeValue(value.variant()));
}

} // namespace desktop
