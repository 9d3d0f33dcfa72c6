// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

namespace data {

// Gives fresh memory its pages in one call rather than a page fault per page,
// which on a virtual machine is much of the cost of filling a large buffer.
// The pages are faulted in ahead of the writes; the bytes stay as they are;
// where the system cannot, writing faults the pages in as before. Only pages
// the range covers whole are faulted in, from the page holding `from` on (the
// caller's already), so a part page at the end is left to the next range.
void prefaultPages(char *from, qint64 size);

} // namespace data
