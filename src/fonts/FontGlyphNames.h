// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

namespace fonts {

// The names a font gives its glyphs tell a letter from a picture put in its
// place: a dingbat font that maps the code of "D" to a glyph named "a10"
// claims the Latin letters it does not draw.

// The name of glyph `glyph` in an OpenType font's CFF table. Standard names
// are spelled out for the ASCII letters and digits only; the others come as
// "#" and their number. Empty when the table names no glyphs (CID-keyed) or
// cannot be read.
QString cffGlyphName(const QByteArray &cff, quint32 glyph);

// The same from a TrueType font's post table; its formats 1 and 2 name the
// glyphs, the others do not.
QString postGlyphName(const QByteArray &post, quint32 glyph);

// Whether a glyph named `name` draws the ASCII letter or digit `character`:
// named after it ("A", "zero"), by its code ("uni0041", "u0041"), or a
// variant of either ("A.sc").
bool glyphNameDraws(const QString &name, QChar character);

} // namespace fonts
