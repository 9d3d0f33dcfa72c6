// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/VerbFile.h"

#include <QByteArrayView>
#include <QString>

#include <array>
#include <vector>

// The reader's checks, which both fuzz targets run, and the plain reference
// reading of the format they compare with.
namespace fuzzcheck {

constexpr int LinesPerRecord = 395;
constexpr int PrefixLength = 30;

// Collects the first few disagreements; costs nothing while there are none.
class Findings {
public:
    void add(const QString &what)
    {
        if (m_count++ < 8)
            m_text += what + QLatin1Char('\n');
    }
    QString text() const { return m_text; }

private:
    int m_count = 0;
    QString m_text;
};

// The first record line of each tense block and the line after the last,
// straight from the format's table, kept apart from the layout code it checks.
// Row order r, s, n, d.
inline constexpr std::array<std::array<int, 16>, 4> BlockStarts = {{
    {1, 27, 53, 79, 105, 131, 165, 191, 217, 243, 269, 295, 321, 355, 389, 395},
    {1, 19, 37, 55, 73, 91, 117, 135, 153, 171, 189, 207, 225, 251, 277, 283},
    {1, 11, 21, 39, 57, 75, 101, 111, 121, 139, 157, 175, 193, 219, 245, 250},
    {1, 19, 37, 63, 89, 115, 149, 167, 185, 211, 237, 263, 289, 323, 357, 363},
}};
int categoryRow(char code); // 0 to 3 for r, s, n, d; -1 for any other

// The plainest reading of the format: cut at the first NUL, split at CR LF,
// LF or CR, no empty line after a final line end.
std::vector<QByteArrayView> referenceLines(QByteArrayView bytes);
QByteArrayView payloadOf(QByteArrayView line);
// Line `line` of record `record`; empty past the end.
QByteArrayView recordLine(const std::vector<QByteArrayView> &lines, qsizetype record, int line);
QString quoted(QByteArrayView bytes); // the first 40 bytes, percent-encoded, for messages
// Record `record`'s header read from the reference lines, apart from the
// reader's code: what every check expects of lines 0 to 2.
data::RecordHeader referenceHeader(const std::vector<QByteArrayView> &lines, qsizetype record);

// What the trainer keeps of the bytes, gathered a piece at a time: the pieces'
// sizes are taken from the input itself, so that lines, CR LF pairs and NULs
// fall on every edge of them.
data::VerbFile keptPayloads(QByteArrayView bytes);

// The reader alone, on both kinds of file, against the reference lines: the
// line and record counts, the index made a piece at a time as a file is read,
// every line of every record, each record's header, and for each record one
// tense block the input chooses, with the layout's invariants for it. No text
// is decoded.
void checkReader(QByteArrayView bytes, const std::vector<QByteArrayView> &lines,
                 const data::VerbFile &wholeLines, const data::VerbFile &payloads,
                 Findings &findings);

// Loads the bytes both ways and runs checkReader; empty when everything agrees.
QString checkReaderBytes(QByteArrayView bytes);

} // namespace fuzzcheck
