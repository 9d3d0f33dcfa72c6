// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/LineIndexer.h"

#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace data {

namespace {

constexpr int BlockSize = 64;

bool isLineEnd(char byte)
{
    return byte == '\n' || byte == '\r';
}

// Without a popcount instruction in the baseline instruction set, std::popcount
// is a library call per block; this is a dozen instructions in line.
int bitCount(std::uint64_t bits)
{
    bits -= (bits >> 1) & 0x5555555555555555u;
    bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return int((bits * 0x0101010101010101u) >> 56);
}

// The lowest `count` bits set, for count 0 to 64.
std::uint64_t lowBits(int count)
{
    return count >= BlockSize ? ~std::uint64_t(0) : (std::uint64_t(1) << count) - 1;
}

} // namespace

LineIndexer::BlockMasks LineIndexer::masksOf(const char *block)
{
    BlockMasks masks;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const auto bits = [](__m128i matches, int shift) {
        return std::uint64_t(unsigned(_mm_movemask_epi8(matches))) << shift;
    };
    std::uint64_t lineEnds = 0;
    __m128i lowest = _mm_set1_epi8(char(0xFF));
    for (int i = 0; i < BlockSize; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(block + i));
        const __m128i isCr = _mm_cmpeq_epi8(chunk, cr);
        lineEnds |= bits(_mm_or_si128(_mm_cmpeq_epi8(chunk, lf), isCr), i);
        masks.cr |= bits(isCr, i);
        lowest = _mm_min_epu8(lowest, chunk);
    }
    masks.lf = lineEnds & ~masks.cr;
    // NULs are rare: look for them byte by byte only in a block that has one.
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(lowest, _mm_setzero_si128())) != 0) {
        for (int i = 0; i < BlockSize; i += 16) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(block + i));
            masks.nul |= bits(_mm_cmpeq_epi8(chunk, _mm_setzero_si128()), i);
        }
    }
#else
    for (int i = 0; i < BlockSize; ++i) {
        const std::uint64_t bit = std::uint64_t(1) << i;
        masks.lf |= block[i] == '\n' ? bit : 0;
        masks.cr |= block[i] == '\r' ? bit : 0;
        masks.nul |= block[i] == '\0' ? bit : 0;
    }
#endif
    return masks;
}

LineIndexer::LineIndexer(int linesPerGroup)
    : m_linesPerGroup(linesPerGroup), m_untilGroupEnd(linesPerGroup)
{
}

void LineIndexer::scan(QByteArrayView text)
{
    for (; !m_textEnded && m_scanned + BlockSize <= text.size(); m_scanned += BlockSize)
        takeBlock(m_scanned, masksOf(text.data() + m_scanned), BlockSize);
}

LineIndex LineIndexer::finish(QByteArrayView text)
{
    scan(text);
    if (!m_textEnded && m_scanned < text.size()) {
        // The last, shorter block, padded with a byte that is neither a line end nor a NUL.
        std::array<char, BlockSize> last;
        last.fill('x');
        const int size = int(text.size() - m_scanned);
        std::memcpy(last.data(), text.data() + m_scanned, size);
        takeBlock(m_scanned, masksOf(last.data()), size);
        m_scanned = text.size();
    }

    LineIndex index;
    index.textEnd = m_textEnded ? m_textEnd : text.size();
    if (index.textEnd == 0)
        return index;
    // The line after a line end starts past its CR LF, CR or LF.
    const auto startAfter = [&text, &index](qsizetype end) {
        qsizetype start = end + 1;
        if (text[end] == '\r' && start < index.textEnd && text[start] == '\n')
            ++start;
        return start;
    };
    const qsizetype lastLineStart = m_lastEnd < 0 ? 0 : startAfter(m_lastEnd);
    index.lineCount = m_lineEnds + (lastLineStart < index.textEnd ? 1 : 0);
    index.groupStarts.reserve(m_groupEnds.size() + 1);
    index.groupStarts.push_back(0);
    for (qsizetype end : m_groupEnds) {
        if (const qsizetype start = startAfter(end); start < index.textEnd)
            index.groupStarts.push_back(start);
    }
    return index;
}

void LineIndexer::takeBlock(qsizetype blockStart, const BlockMasks &masks, int size)
{
    std::uint64_t inText = lowBits(size);
    if (const std::uint64_t nuls = masks.nul & inText; nuls != 0) {
        const int at = std::countr_zero(nuls);
        inText = lowBits(at);
        m_textEnded = true;
        m_textEnd = blockStart + at;
    }
    // Every CR ends a line, and every LF but the one of a CR LF.
    const std::uint64_t lfAfterCr = (masks.cr << 1) | (m_afterCr ? 1 : 0);
    std::uint64_t ends = (masks.cr | (masks.lf & ~lfAfterCr)) & inText;
    m_afterCr = (masks.cr >> (BlockSize - 1)) != 0;

    int count = bitCount(ends);
    if (count == 0)
        return;
    m_lineEnds += count;
    m_lastEnd = blockStart + (BlockSize - 1) - std::countl_zero(ends);
    while (count >= m_untilGroupEnd) {
        for (int skip = m_untilGroupEnd - 1; skip > 0; --skip)
            ends &= ends - 1; // drop the lowest line end
        m_groupEnds.push_back(blockStart + std::countr_zero(ends));
        ends &= ends - 1;
        count -= m_untilGroupEnd;
        m_untilGroupEnd = m_linesPerGroup;
    }
    m_untilGroupEnd -= count;
}

LineIndex indexLines(QByteArrayView bytes, int linesPerGroup)
{
    LineIndexer indexer(linesPerGroup);
    return indexer.finish(bytes);
}

LineSpan nextLine(QByteArrayView text, qsizetype start)
{
    const char *data = text.data();
    const qsizetype size = text.size();
    qsizetype pos = start;
#if defined(__SSE2__)
    // Sixteen bytes at a time while that many are left.
    for (; size - pos >= 16; pos += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + pos));
        const unsigned ends =
            unsigned(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')),
                                                    _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')))));
        if (ends != 0) {
            pos += std::countr_zero(ends);
            break;
        }
    }
#endif
    while (pos < size && !isLineEnd(data[pos]))
        ++pos;
    if (pos == size)
        return {size, size};
    qsizetype next = pos + 1;
    if (data[pos] == '\r' && next < size && data[next] == '\n')
        ++next;
    return {pos, next};
}

} // namespace data
