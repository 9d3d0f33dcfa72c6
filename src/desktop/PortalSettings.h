// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QDBusVariant;

namespace desktop {

// The desktop portal's colour scheme (org.freedesktop.portal.Settings on the
// session bus, org.freedesktop.appearance color-scheme): read once, without
// waiting for the answer, and followed through its SettingChanged signal.
// Linux only: the Windows build has no D-Bus.
class PortalSettings : public QObject {
    Q_OBJECT
public:
    explicit PortalSettings(QObject *parent = nullptr);

signals:
    // The portal's color-scheme value: 0 no preference, 1 dark, 2 light.
    void colourSchemeChanged(uint value);

private slots:
    void settingChanged(const QString &settingsNamespace, const QString &key,
                        const QDBusVariant &value);
};

} // namespace desktop
