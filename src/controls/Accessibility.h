// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace controls {

// Makes the flat controls known to assistive technology like the toolkit's
// own: OfficePanel (a button named by its caption when pressable, else a
// named group), GroupPanel (a group) and StatusAnnouncer (a notification).
// OfficeEdit, OfficeButton, OfficeMemo and the flat lists and check box
// already report text and role through their Qt bases. Safe to call again.
void installAccessibleInterfaces();

} // namespace controls
