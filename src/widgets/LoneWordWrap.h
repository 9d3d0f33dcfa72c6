// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>
#include <QTextOption>

namespace widgets {

// How much narrower than `width` to wrap `paragraph` so that its last row does
// not hold one word alone, laid out as a text box lays it out in `font` with
// `option` (tab stops, wrap mode): the least narrowing that does it, whole
// pixels. 0 when the paragraph needs none, or when no narrowing up to
// `mostNarrowing` helps (a last word that would stay alone anyway).
int narrowingAgainstLoneLastWord(const QString &paragraph, const QFont &font,
                                 const QTextOption &option, int width, int mostNarrowing);

} // namespace widgets
