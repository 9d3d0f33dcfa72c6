// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace desktop {

// The string setting `name` ("Net/ThemeName") of an X settings manager's
// _XSETTINGS_SETTINGS property, as xsettingsd and GNOME's settings daemon
// write it: a byte order, a serial, a count, then each setting's type, name,
// serial and value, padded to four bytes. None when the setting is missing,
// not a string, or the data is cut short or malformed.
std::optional<QString> xsettingsString(const QByteArray &property, const QByteArray &name);

} // namespace desktop
