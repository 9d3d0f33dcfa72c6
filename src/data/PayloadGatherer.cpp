// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/PayloadGatherer.h"

#include "data/MemoryPages.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace data {

namespace {

constexpr int StepSize = 16;
// Payloads up to this long are copied in one move of as many bytes.
constexpr int CopySize = 32;
// Pages of the payloads are mapped this far ahead of writing: the payloads of
// a 256 KB piece of a verb file take about 45 KB.
constexpr qsizetype MapAhead = 64 * 1024;

bool endsLineOrText(char byte)
{
    return byte == '\r' || byte == '\n' || byte == '\0';
}

#if defined(__SSE2__)
// Bit i set: byte i of the 16 at `step` is below 14, as CR, LF and NUL are.
unsigned lowBytes(const char *step)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(step));
    return unsigned(
        _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(bytes, _mm_set1_epi8(13)), bytes)));
}
#endif

// The first CR, LF or NUL from `from` on, or `end`. Sixteen bytes at a time,
// each byte below 14 then looked at: few other control bytes ever stand in a
// verb file. (Looking at a whole line's bytes at once, without a branch per
// 16, measured slower: the next line's start then waits for every step.)
const char *findLineEnd(const char *from, const char *end)
{
#if defined(__SSE2__)
    for (; end - from >= StepSize; from += StepSize) {
        for (unsigned low = lowBytes(from); low != 0; low &= low - 1) {
            if (const char *at = from + std::countr_zero(low); endsLineOrText(*at))
                return at;
        }
    }
#endif
    for (; from < end; ++from) {
        if (endsLineOrText(*from))
            return from;
    }
    return end;
}

} // namespace

PayloadGatherer::PayloadGatherer(int linesPerGroup, int prefixLength, int codedLines,
                                 qsizetype expectedSize)
    : m_linesPerGroup(linesPerGroup), m_prefixLength(prefixLength), m_codedLines(codedLines),
      m_prefix(prefixLength, '\0')
{
    // Never more payload bytes than text bytes, and one LF for a last line
    // without a line end. Pages are only used once written to.
    if (expectedSize > 0)
        makeRoom(expectedSize + 1 + CopySize);
    // Room for as many groups as lines of a bare prefix could make, so that
    // the group lists are not copied while they grow: a verb file's lines are
    // longer. Reserved pages, too, are only used once written to.
    if (expectedSize > 0 && prefixLength > 0) {
        const std::size_t groups = expectedSize / (qsizetype(linesPerGroup) * prefixLength) + 1;
        m_text.groupStarts.reserve(groups);
        m_text.prefixes.reserve(groups * codedLines * prefixLength);
        m_text.codedEnds.reserve(groups * codedLines);
    }
}

void PayloadGatherer::take(QByteArrayView piece)
{
    const char *next = piece.data();
    const char *const end = next + piece.size();
    if (m_textEnded || next == end)
        return;
    // Each byte taken gives at most one: a character of a payload, or the LF
    // of a line end. Short payloads are copied 32 bytes at a time.
    makeRoom(piece.size() + CopySize);
    if (m_afterCr && *next == '\n')
        ++next; // the LF of a CR LF that the last piece ended in
    m_afterCr = false;

    // The state in locals while the piece is taken: a write of the payloads
    // through a char pointer could change any member, as far as the compiler knows.
    char *const payloads = m_out;
    const qsizetype prefixLength = m_prefixLength;
    qsizetype written = m_written;
    qsizetype lineStart = m_lineStart;
    qsizetype column = m_column; // characters of the line being read so far
    qsizetype lineCount = m_text.lineCount;
    int lineInGroup = m_lineInGroup;
    const int linesPerGroup = m_linesPerGroup;
    const int codedLines = m_codedLines;
    while (next < end) {
        const char *const stop = findLineEnd(next, end);
        if (stop > next) {
            if (lineInGroup < codedLines && column < prefixLength)
                std::memcpy(m_prefix.data() + column, next,
                            std::min(prefixLength - column, qsizetype(stop - next)));
            const char *const payload =
                next + std::clamp(prefixLength - column, qsizetype(0), qsizetype(stop - next));
            column += stop - next;
            const qsizetype size = stop - payload;
            // Most payloads are a word or two: one copy of 32 bytes where they can be read.
            if (size <= CopySize && end - payload >= CopySize)
                std::memcpy(payloads + written, payload, CopySize);
            else
                std::memcpy(payloads + written, payload, size);
            written += size;
        }
        if (stop == end)
            break; // the line goes on in the next piece
        if (*stop == '\0') {
            m_textEnded = true;
            break;
        }
        if (lineInGroup < codedLines)
            noteCodedLine(lineInGroup, lineStart, written);
        payloads[written++] = '\n';
        lineStart = written;
        column = 0;
        ++lineCount;
        if (++lineInGroup == linesPerGroup)
            lineInGroup = 0;
        next = stop + 1;
        if (*stop == '\r') {
            if (next == end)
                m_afterCr = true;
            else if (*next == '\n')
                ++next;
        }
    }
    m_written = written;
    m_lineStart = lineStart;
    m_column = column;
    m_text.lineCount = lineCount;
    m_lineInGroup = lineInGroup;
}

PayloadText PayloadGatherer::finish()
{
    // The last line needs no line end; a line end at the very end adds no empty line.
    if (m_column > 0) {
        makeRoom(1);
        if (m_lineInGroup < m_codedLines)
            noteCodedLine(m_lineInGroup, m_lineStart, m_written);
        m_out[m_written++] = '\n';
        ++m_text.lineCount;
    }
    m_text.payloads.truncate(m_written);
    m_text.payloads.squeeze();
    return std::move(m_text);
}

void PayloadGatherer::noteCodedLine(int lineInGroup, qsizetype lineStart, qsizetype lineEnd)
{
    const std::size_t groupSize = std::size_t(m_codedLines) * m_prefixLength;
    if (lineInGroup == 0) {
        m_text.groupStarts.push_back(lineStart);
        m_text.prefixes.resize(m_text.prefixes.size() + groupSize, '\0');
        m_text.codedEnds.resize(m_text.codedEnds.size() + m_codedLines, 0);
    }
    m_text.codedEnds[m_text.codedEnds.size() - m_codedLines + lineInGroup] = lineEnd;
    const auto slot = m_text.prefixes.end() - groupSize + std::size_t(lineInGroup) * m_prefixLength;
    std::copy(m_prefix.begin(), m_prefix.end(), slot);
    std::fill(m_prefix.begin(), m_prefix.end(), '\0');
}

void PayloadGatherer::makeRoom(qsizetype bytes)
{
    if (m_written + bytes > m_text.payloads.size()) {
        m_text.payloads.resize(std::max(m_written + bytes, 2 * m_text.payloads.size()));
        m_out = m_text.payloads.data();
        m_mappedTo = std::min(m_mappedTo, m_text.payloads.size());
    }
    if (m_mappedTo < m_written + MapAhead / 2) {
        const qsizetype mapTo = std::min(m_written + MapAhead, m_text.payloads.size());
        prefaultPages(m_out + m_mappedTo, mapTo - m_mappedTo);
        m_mappedTo = mapTo;
    }
}

} // namespace data
