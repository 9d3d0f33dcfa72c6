// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QString>

namespace accessibility {

// Which piece of a text a screen reader asks for: the one at an offset, the
// one before it or the one after it.
enum class TextSide { At, Before, After };

// A piece of a text: its offsets and its characters.
struct TextSpan {
    int start = -1;
    int end = -1;
    QString text;

    friend bool operator==(const TextSpan &, const TextSpan &) = default;
};

// The character, word, sentence or line at, before or after `offset` in a
// single-line text, as assistive technology asks for it. The toolkit's own
// answer loops forever for a word at the end of the text; this one walks a
// list of boundaries and always returns.
//
// The text is cut into consecutive pieces: characters (grapheme clusters);
// words and the runs of spaces and signs between them; sentences; lines
// (each with its line break); the whole text for no boundary. "At" is the
// piece that holds the offset; at the end of the text the last piece (no
// character there: an empty span at the end). "Before" and "after" are the
// pieces next to it, an empty span at the text's start or end when there is
// none. An offset of -1 stands for the text's end; any other offset outside
// the text gives an empty span at -1.
TextSpan textSpan(const QString &text, int offset, QAccessible::TextBoundaryType boundary,
                  TextSide side);

} // namespace accessibility
