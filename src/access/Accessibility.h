// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace accessibility {

// Makes the flat controls known to assistive technology like the toolkit's
// own: OfficePanel (a button named by its caption when pressable, else a
// named group), GroupPanel (a group), StatusAnnouncer (a notification),
// OfficeEdit (EntryBoxAccessible) and the flat lists (ListAccessible).
// OfficeButton, OfficeMemo and the flat check box report text and role
// through their Qt bases. Also installs the update filter that keeps entry
// boxes without the focus quiet (AccessibilityUpdateFilter). Safe to call
// again.
void installAccessibleInterfaces();

} // namespace accessibility
