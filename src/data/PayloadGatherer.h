// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace data {

// Of a text made of groups of lines, only what is read of it: each line's
// payload (what follows its fixed-length prefix) and the prefixes of each
// group's first few lines, which carry codes. Lines end at CR LF, a lone LF or
// a lone CR; a NUL byte ends the text; a line end at the very end adds no
// empty line.
struct PayloadText {
    QByteArray payloads; // every line's payload, each followed by an LF
    qsizetype lineCount = 0;
    std::vector<qsizetype> groupStarts; // offset in payloads of line 0, n, 2n, ...
    // Per group, the prefixes of its first lines one after another, each in
    // prefix-length bytes padded with NULs (which no line holds); all NULs for
    // an empty line or one the group lacks.
    std::vector<char> prefixes;
    // Per group, where the payload of each of those lines ends (at its LF) in
    // payloads, 0 for a line the group lacks; line 0's begins at the group's
    // start, each next one after the LF before it.
    std::vector<qsizetype> codedEnds;
};

// Gathers a PayloadText while the text streams past, a piece of any size at a
// time, so that the text itself is never held whole: a verb file, whose lines
// are three quarters prefix, keeps about a sixth of its bytes. Each line is
// looked through 16 bytes at a time, in one pass.
class PayloadGatherer {
public:
    // `expectedSize`, the text's size if known, spares growing the payloads.
    PayloadGatherer(int linesPerGroup, int prefixLength, int codedLines,
                    qsizetype expectedSize = 0);

    // The text's next bytes.
    void take(QByteArrayView piece);
    // The gatherer is spent afterwards.
    PayloadText finish();

private:
    // A line of a group's first few, whose prefixes are kept, has ended; its
    // payload lies from `lineStart` to `lineEnd`.
    void noteCodedLine(int lineInGroup, qsizetype lineStart, qsizetype lineEnd);
    // Room for writing `bytes` more, with its pages mapped ahead.
    void makeRoom(qsizetype bytes);

    int m_linesPerGroup;
    int m_prefixLength;
    int m_codedLines;
    PayloadText m_text;
    char *m_out = nullptr; // m_text.payloads' bytes, m_written of them used so far
    qsizetype m_written = 0;
    qsizetype m_mappedTo = 0;   // pages mapped up to here
    qsizetype m_lineStart = 0;  // where the payload of the line being read starts
    qsizetype m_column = 0;     // its characters so far
    std::vector<char> m_prefix; // and its prefix so far, for a coded line
    int m_lineInGroup = 0;
    bool m_afterCr = false;   // the last piece ended with a CR: an LF may follow
    bool m_textEnded = false; // a NUL has been met
};

} // namespace data
