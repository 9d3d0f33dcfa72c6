// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <vector>

namespace data {

// Where the lines of a text lie. Lines end at CR LF, a lone LF or a lone CR; a
// NUL byte ends the text; a line end at the very end adds no empty line.
struct LineIndex {
    qsizetype textEnd = 0; // first NUL, or the size
    qsizetype lineCount = 0;
    std::vector<qsizetype> groupStarts; // byte offset of line 0, n, 2n, ...
};

// Indexes a text while it is still arriving, so that each piece is scanned
// while it is fresh in the cache: scan() takes the bytes that have come since
// its last call, finish() the rest. One pass, 64 bytes at a time; the lines
// are counted a block at a time, not one by one. Allocates only the group index.
class LineIndexer {
public:
    explicit LineIndexer(int linesPerGroup);

    // `text` is the whole text so far: what earlier calls saw, then new bytes.
    void scan(QByteArrayView text);
    // `text` is the whole text; the indexer is spent afterwards.
    LineIndex finish(QByteArrayView text);

private:
    // One bit per byte of a 64-byte block: which bytes are LF, CR and NUL.
    struct BlockMasks {
        std::uint64_t lf = 0;
        std::uint64_t cr = 0;
        std::uint64_t nul = 0;
    };
    static BlockMasks masksOf(const char *block);
    // The first `size` bytes of a block starting at offset `blockStart`.
    void takeBlock(qsizetype blockStart, const BlockMasks &masks, int size);

    int m_linesPerGroup;
    int m_untilGroupEnd;                // line ends still to come in the current group
    qsizetype m_scanned = 0;            // bytes taken in, a multiple of 64 until finish()
    bool m_afterCr = false;             // the last byte taken in was a CR
    bool m_textEnded = false;           // a NUL has been met
    qsizetype m_textEnd = -1;           // where, once met
    qsizetype m_lineEnds = 0;           // line ends before the text's end
    qsizetype m_lastEnd = -1;           // offset of the last of them
    std::vector<qsizetype> m_groupEnds; // offset of the line end that closes each group
};

// The whole text at once.
LineIndex indexLines(QByteArrayView bytes, int linesPerGroup);

struct LineSpan {
    qsizetype end = 0;       // offset just past the line's last character
    qsizetype nextStart = 0; // offset of the following line (past its line end)
};

// The line starting at `start` in `text` (text already cut at its NUL).
LineSpan nextLine(QByteArrayView text, qsizetype start);

} // namespace data
