// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// A small verb file made by the generator from a table of twenty-one verbs
// (one or more of every category, an impersonal one, one said only with "es"
// and one without imperative among them, and one the dictionary lacks) and an
// excerpt of the verb dictionary; and the alternatives file beside it, with a
// reviewed list.
namespace minifile {

QString fixturePath(const QString &name);
QString tableText();
QString spellingText();
QString reviewedAlternativesText();
QByteArray bytes();             // Windows-1252, CR LF
QByteArray alternativesBytes(); // UTF-8, CR LF

} // namespace minifile
