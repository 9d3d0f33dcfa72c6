// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "desktop/ColourScheme.h"

#include <QObject>

#include <memory>

namespace desktop {

// Follows the desktop's switch between light and dark while the program runs
// and sets the application palette to match. Qt 6.4 follows neither way a
// desktop tells it: the GTK platform theme passes an X settings change of
// Net/ThemeName (Adwaita <-> Adwaita-dark) on as a theme change but keeps
// its light palette, and nothing listens to the desktop portal's
// color-scheme. Both are read here: the theme name from the X settings
// manager (at start, on each change of its settings and on each theme
// change), the portal's value through PortalSettings. Where neither is
// there (Windows, the offscreen platform) it does nothing.
class SchemeFollower : public QObject {
    Q_OBJECT
public:
    explicit SchemeFollower(QObject *parent = nullptr);
    ~SchemeFollower() override;

    ColourScheme scheme() const { return m_followed; }

signals:
    void schemeChanged(desktop::ColourScheme scheme);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class XSettingsWatch;

    void readThemeName();
    void setPortalValue(uint value);
    void follow();

    std::unique_ptr<XSettingsWatch> m_xsettings;
    ColourScheme m_portal = ColourScheme::NoPreference;
    ColourScheme m_themeName = ColourScheme::NoPreference;
    ColourScheme m_followed = ColourScheme::NoPreference;
    bool m_paletteSet = false; // the palette is ours, not the desktop's
};

} // namespace desktop
