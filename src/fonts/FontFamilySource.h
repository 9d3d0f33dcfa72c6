// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fonts/FontList.h"

#include <QFontDatabase>

namespace fonts {

// The installed font families as the font database reports them for a device.
//
// The font database knows one set of fonts, used for the screen and for
// printing alike, so the printer reports the screen's families (fdBoth reports
// each twice; the chooser lists it once). It knows no printer-resident fonts,
// so no family carries the device bit. Outline fonts (TrueType, OpenType,
// Type 1) count as TrueType, bitmap-only fonts as raster. Families are named
// without the foundry the database adds when several foundries make one.
QList<FontFamilyInfo> installedFontFamilies(FontDevice device);

FontFamilyInfo describeFontFamily(const QString &family);

// The character set a family is made for, from the writing systems the font
// database says it supports: symbol fonts support no real writing system (or
// are marked as symbol fonts), fonts for Western text support Latin, all
// others are "other". The font database has no notion of the DOS (OEM) code
// page, so no family is an OEM font: foNonOEM accepts every family and
// foOEMFont none.
FontCharset charsetOfWritingSystems(const QList<QFontDatabase::WritingSystem> &systems);

// Whether `family` itself draws the ASCII letters and digits of `text` as
// letters: it has a glyph for each, and where its tables name the glyphs, each
// is named after its letter. A picture font that claims the Latin letters (a
// dingbat font whose "D" is a pencil) does not.
bool familyDrawsLetters(const QString &family, const QString &text);

} // namespace fonts
