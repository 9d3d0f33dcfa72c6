// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

namespace bench {

enum class LineEnd { CrLf, Lf, Cr };

// A verb file of `verbs` full records, categories r, s, n, d in turn, with
// 30-character prefixes and word-sized payloads where the layout reads them
// (the lines a category never reads stay empty, as in a real file). The same
// arguments always give the same bytes.
QByteArray syntheticVerbFile(int verbs, LineEnd lineEnd);

// The yardstick for loading: counts the LFs with memchr and nothing else.
qsizetype memchrLineCount(const QByteArray &bytes);

} // namespace bench
