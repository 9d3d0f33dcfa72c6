#include "data/LineScanner.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace data {

namespace {

bool isLineEnd(char byte)
{
    return byte == '\n' || byte == '\r';
}

// Calls onLineEnd(position) for every CR and LF in [from, to), in order.
template <typename OnLineEnd>
void forEachLineEndByte(const char *text, qsizetype from, qsizetype to, OnLineEnd onLineEnd)
{
    qsizetype pos = from;
#if defined(__SSE2__)
    // Sixteen bytes at a time: one compare per end character, then visit the hits.
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    for (; pos + 16 <= to; pos += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + pos));
        unsigned mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, lf), _mm_cmpeq_epi8(chunk, cr))));
        while (mask != 0) {
            onLineEnd(pos + __builtin_ctz(mask));
            mask &= mask - 1;
        }
    }
#endif
    for (; pos < to; ++pos) {
        if (isLineEnd(text[pos]))
            onLineEnd(pos);
    }
}

} // namespace

LineIndex indexLines(QByteArrayView bytes, int linesPerGroup)
{
    LineIndex index;
    const char *text = bytes.data();
    const void *nul = bytes.isEmpty() ? nullptr : std::memchr(text, 0, bytes.size());
    index.textEnd = nul ? static_cast<const char *>(nul) - text : bytes.size();
    if (index.textEnd == 0)
        return index;

    const qsizetype textEnd = index.textEnd;
    index.groupStarts.reserve(textEnd / (linesPerGroup * 16) + 1);
    index.groupStarts.push_back(0);
    qsizetype lineStart = 0;
    qsizetype lineCount = 0;
    int untilGroupStart = linesPerGroup;
    forEachLineEndByte(text, 0, textEnd, [&](qsizetype pos) {
        if (pos < lineStart)
            return; // the LF of a CR LF already taken
        ++lineCount;
        lineStart = pos + 1;
        if (text[pos] == '\r' && lineStart < textEnd && text[lineStart] == '\n')
            ++lineStart;
        if (--untilGroupStart == 0) {
            untilGroupStart = linesPerGroup;
            if (lineStart < textEnd)
                index.groupStarts.push_back(lineStart);
        }
    });
    if (lineStart < textEnd)
        ++lineCount; // a last line without a line end
    index.lineCount = lineCount;
    return index;
}

LineSpan nextLine(QByteArrayView text, qsizetype start)
{
    const char *data = text.data();
    const qsizetype size = text.size();
    qsizetype pos = start;
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
