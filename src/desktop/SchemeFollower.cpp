// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/SchemeFollower.h"

#include "desktop/SchemePalette.h"

#include <QEvent>
#include <QGuiApplication>

#ifdef ZANDREL_DESKTOP_PORTAL
#include "desktop/PortalSettings.h"
#endif
#ifdef ZANDREL_XSETTINGS
#include "desktop/XSettings.h"

#include <QAbstractNativeEventFilter>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>
#endif

namespace desktop {

#ifdef ZANDREL_XSETTINGS
// The X settings manager's Net/ThemeName, read on Qt's own X connection, and
// its changes, seen among the X events Qt receives.
class SchemeFollower::XSettingsWatch : public QAbstractNativeEventFilter {
public:
    XSettingsWatch(xcb_connection_t *connection, SchemeFollower *follower)
        : m_connection(connection), m_follower(follower),
          m_selection(atom("_XSETTINGS_S0")), // the first screen's manager
          m_settings(atom("_XSETTINGS_SETTINGS"))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~XSettingsWatch() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if (eventType == "xcb_generic_event_t" &&
            (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY &&
            static_cast<const xcb_property_notify_event_t *>(message)->atom == m_settings)
            QMetaObject::invokeMethod(m_follower, &SchemeFollower::readThemeName,
                                      Qt::QueuedConnection);
        return false;
    }

    QString themeName()
    {
        xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
            m_connection, xcb_get_selection_owner(m_connection, m_selection), nullptr);
        const xcb_window_t window = owner ? owner->owner : XCB_NONE;
        free(owner);
        if (window == XCB_NONE)
            return {};
        // Qt watches the manager's window too; the same mask, asked again, is harmless.
        const quint32 mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, window, XCB_CW_EVENT_MASK, &mask);
        xcb_get_property_reply_t *property = xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, false, window, m_settings, m_settings, 0, 1 << 16),
            nullptr);
        QByteArray data;
        if (property)
            data = QByteArray(static_cast<const char *>(xcb_get_property_value(property)),
                              xcb_get_property_value_length(property));
        free(property);
        return xsettingsString(data, "Net/ThemeName").value_or(QString());
    }

private:
    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, false, uint16_t(strlen(name)), name),
            nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return atom;
    }

    xcb_connection_t *m_connection;
    SchemeFollower *m_follower;
    xcb_atom_t m_selection;
    xcb_atom_t m_settings;
};
#else
class SchemeFollower::XSettingsWatch {
public:
    QString themeName() { return {}; }
};
#endif

SchemeFollower::SchemeFollower(QObject *parent) : QObject(parent)
{
    // The offscreen platform has no desktop to follow (and the tests set their own palettes).
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
#ifdef ZANDREL_XSETTINGS
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        m_xsettings = std::make_unique<XSettingsWatch>(x11->connection(), this);
#endif
    QCoreApplication::instance()->installEventFilter(this);
    readThemeName();
#ifdef ZANDREL_DESKTOP_PORTAL
    // Once the window is up: connecting to the session bus waits for its answer.
    QMetaObject::invokeMethod(
        this,
        [this] {
            auto *portal = new PortalSettings(this);
            connect(portal, &PortalSettings::colourSchemeChanged, this,
                    &SchemeFollower::setPortalValue);
        },
        Qt::QueuedConnection);
#endif
}

SchemeFollower::~SchemeFollower() = default;

bool SchemeFollower::eventFilter(QObject *watched, QEvent *event)
{
    // The GTK platform theme's word that the theme name changed.
    if (event->type() == QEvent::ThemeChange && watched->isWindowType())
        readThemeName();
    return QObject::eventFilter(watched, event);
}

void SchemeFollower::readThemeName()
{
    if (!m_xsettings)
        return;
    m_themeName = schemeOfThemeName(m_xsettings->themeName());
    follow();
}

void SchemeFollower::setPortalValue(uint value)
{
    m_portal = schemeOfPortalValue(value);
    follow();
}

void SchemeFollower::follow()
{
    const ColourScheme scheme = followedScheme(m_portal, m_themeName);
    if (scheme == m_followed)
        return;
    m_followed = scheme;
    if (m_paletteSet) { // back to the desktop's own palette first
        QGuiApplication::setPalette(QPalette());
        m_paletteSet = false;
    }
    if (const auto palette = paletteForScheme(scheme, QGuiApplication::palette())) {
        QGuiApplication::setPalette(*palette);
        m_paletteSet = true;
    }
    emit schemeChanged(scheme);
}

} // namespace desktop
