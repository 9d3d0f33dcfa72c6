// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// A small verb file made by the generator from a table of nineteen verbs (one
// or more of every category, an impersonal one, one said only with "es" and
// one without imperative among them, and one the dictionary lacks) and an excerpt of the verb
// dictionary.
namespace minifile {

QString fixturePath(const QString &name);
QString tableText();
QString spellingText();
QByteArray bytes(); // Windows-1252, CR LF

} // namespace minifile
