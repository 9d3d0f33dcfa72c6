// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/VerbFile.h"

#include "data/LineIndexer.h"
#include "data/MemoryPages.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <optional>

namespace data {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes the code
// page leaves undefined keep the control character of the same value.
constexpr std::array<char16_t, 32> HighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

QChar decodeByte(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(HighControlBlock[byte - 0x80]);
    return QChar(byte);
}

// The byte for one character, or -1 when the code page has none.
int encodeChar(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (int i = 0; i < int(HighControlBlock.size()); ++i) {
        if (HighControlBlock[i] == ch)
            return 0x80 + i;
    }
    return -1;
}

bool isBlankOrControl(char byte)
{
    return static_cast<unsigned char>(byte) <= 32;
}

// The whole file in one buffer of exactly its size (readAll would round the
// buffer up to a power of two, almost doubling the memory of a large file).
// Read a piece at a time, each indexed right after it arrives, while it is
// still in the cache.
std::optional<QByteArray> readWhole(QFile &file, LineIndexer &indexer)
{
    constexpr qint64 PieceSize = 256 * 1024;
    const qint64 expected = file.isSequential() ? 0 : file.size();
    QByteArray bytes(expected, Qt::Uninitialized);
    qint64 got = 0;
    while (got < expected) {
        const qint64 want = std::min(PieceSize, expected - got);
        prefaultPages(bytes.data() + got, want);
        const qint64 n = file.read(bytes.data() + got, want);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break; // the file shrank while we read it
        got += n;
        indexer.scan(QByteArrayView(bytes.constData(), got));
    }
    bytes.truncate(got);
    // Anything past the size known at the start: a growing file, or one whose
    // size the system does not report.
    const QByteArray rest = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    if (!rest.isEmpty())
        bytes += rest;
    return bytes;
}

// Only the payloads and codes, the file passing through one small buffer: a
// fraction of the memory to fill, and each piece scanned while it is still in
// the cache. Reads to the end, however far that is from the size known at
// the start.
std::optional<PayloadText> readPayloads(QFile &file)
{
    constexpr qint64 PieceSize = 256 * 1024;
    PayloadGatherer gatherer(VerbFile::LinesPerRecord, VerbFile::PrefixLength,
                             VerbFile::HeaderLines, file.isSequential() ? 0 : file.size());
    const auto piece = std::make_unique_for_overwrite<char[]>(PieceSize);
    prefaultPages(piece.get(), PieceSize);
    for (;;) {
        const qint64 n = file.read(piece.get(), PieceSize);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return gatherer.finish();
        gatherer.take(QByteArrayView(piece.get(), n));
    }
}

} // namespace

VerbFile::VerbFile(QByteArray bytes) : m_bytes(std::move(bytes))
{
    takeIndex(indexLines(m_bytes, LinesPerRecord));
    readHeaders();
}

VerbFile::VerbFile(PayloadText payloads)
    : m_keep(Keep::Payloads), m_bytes(std::move(payloads.payloads)), m_textEnd(m_bytes.size()),
      m_lineCount(payloads.lineCount), m_recordStarts(std::move(payloads.groupStarts))
{
    readHeaders(&payloads);
}

VerbFile VerbFile::payloadsOf(QByteArrayView bytes)
{
    PayloadGatherer gatherer(LinesPerRecord, PrefixLength, HeaderLines, bytes.size());
    gatherer.take(bytes);
    return VerbFile(gatherer.finish());
}

void VerbFile::takeIndex(LineIndex index)
{
    m_textEnd = index.textEnd;
    m_lineCount = index.lineCount;
    m_recordStarts = std::move(index.groupStarts);
}

void VerbFile::readHeaders(const PayloadText *gathered)
{
    const QByteArrayView text(m_bytes.constData(), m_textEnd);
    const qsizetype records = (m_lineCount + LinesPerRecord - 1) / LinesPerRecord;
    m_headers.reserve(records);
    for (qsizetype record = 0; record < records; ++record) {
        std::array<HeaderLine, HeaderLines> lines;
        qsizetype start = m_recordStarts[record];
        for (int i = 0; i < HeaderLines && record * LinesPerRecord + i < m_lineCount; ++i) {
            const qsizetype at = record * HeaderLines + i;
            if (gathered) {
                const qsizetype end = gathered->codedEnds[at];
                const char *prefix = gathered->prefixes.data() + at * PrefixLength;
                lines[i] = {QByteArrayView(prefix, qstrnlen(prefix, PrefixLength)),
                            text.sliced(start, end - start)};
                start = end + 1;
            } else {
                const LineSpan span = nextLine(text, start);
                const QByteArrayView line = text.sliced(start, span.end - start);
                lines[i] = {line.first(std::min<qsizetype>(line.size(), PrefixLength)),
                            payloadBytes(line)};
                start = span.nextStart;
            }
        }
        m_headers.push_back(readRecordHeader(lines));
    }
}

VerbFile VerbFile::read(const QString &path, Keep keep)
{
    const auto failure = [&path] {
        return VerbFileError(QStringLiteral("Cannot open file %1").arg(path).toStdString());
    };
    // QFile refuses to open a directory, but say so plainly rather than rely on it.
    if (QFileInfo(path).isDir())
        throw failure();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw failure();
    try {
        if (keep == Keep::Payloads) {
            std::optional<PayloadText> payloads = readPayloads(file);
            if (!payloads)
                throw failure();
            return VerbFile(std::move(*payloads));
        }
        LineIndexer indexer(LinesPerRecord);
        std::optional<QByteArray> bytes = readWhole(file, indexer);
        if (!bytes)
            throw failure();
        VerbFile verbFile;
        verbFile.takeIndex(indexer.finish(*bytes));
        verbFile.m_bytes = std::move(*bytes);
        verbFile.readHeaders();
        return verbFile;
    } catch (const std::bad_alloc &) {
        throw failure(); // a file too big for memory is one the program cannot open
    }
}

QByteArrayView VerbFile::line(qsizetype index) const
{
    if (index < 0 || index >= m_lineCount || m_keep != Keep::WholeLines)
        return {};
    const QByteArrayView text(m_bytes.constData(), m_textEnd);
    qsizetype start = m_recordStarts[index / LinesPerRecord];
    for (qsizetype skip = index % LinesPerRecord; skip > 0; --skip)
        start = nextLine(text, start).nextStart;
    const LineSpan span = nextLine(text, start);
    return text.sliced(start, span.end - start);
}

QByteArrayView VerbFile::recordLine(qsizetype record, int lineInRecord) const
{
    if (record < 0 || lineInRecord < 0 || lineInRecord >= LinesPerRecord)
        return {};
    return line(record * LinesPerRecord + lineInRecord);
}

std::vector<QByteArrayView> VerbFile::recordLines(qsizetype record, int firstLine, int count) const
{
    if (m_keep != Keep::WholeLines)
        return std::vector<QByteArrayView>(std::max(count, 0));
    return keptLines(record, firstLine, count);
}

const RecordHeader &VerbFile::header(qsizetype record) const
{
    static const RecordHeader none;
    return record >= 0 && record < qsizetype(m_headers.size()) ? m_headers[record] : none;
}

QByteArrayView VerbFile::recordPayload(qsizetype record, int lineInRecord) const
{
    return recordPayloads(record, lineInRecord, 1).front();
}

std::vector<QByteArrayView> VerbFile::recordPayloads(qsizetype record, int firstLine,
                                                     int count) const
{
    std::vector<QByteArrayView> lines = keptLines(record, firstLine, count);
    if (m_keep == Keep::WholeLines) {
        for (QByteArrayView &line : lines)
            line = payloadBytes(line);
    }
    return lines;
}

std::vector<QByteArrayView> VerbFile::keptLines(qsizetype record, int firstLine, int count) const
{
    std::vector<QByteArrayView> lines(std::max(count, 0));
    if (record < 0 || firstLine < 0 || count <= 0)
        return lines;
    const QByteArrayView text(m_bytes.constData(), m_textEnd);
    const qsizetype firstIndex = record * LinesPerRecord + firstLine;
    const qsizetype lastIndex = std::min<qsizetype>(record * LinesPerRecord + LinesPerRecord,
                                                    std::min(firstIndex + count, m_lineCount));
    if (firstIndex >= lastIndex)
        return lines;
    qsizetype start = m_recordStarts[record];
    for (int skip = firstLine; skip > 0; --skip)
        start = nextLine(text, start).nextStart;
    for (qsizetype index = firstIndex; index < lastIndex; ++index) {
        const LineSpan span = nextLine(text, start);
        lines[index - firstIndex] = text.sliced(start, span.end - start);
        start = span.nextStart;
    }
    return lines;
}

QByteArrayView payloadBytes(QByteArrayView line)
{
    if (line.size() <= VerbFile::PrefixLength)
        return {};
    return line.sliced(VerbFile::PrefixLength);
}

QString payloadText(QByteArrayView line)
{
    return decodeWindows1252(payloadBytes(line));
}

QString answerText(QByteArrayView line)
{
    return answerTextOfPayload(payloadBytes(line));
}

QString answerTextOfPayload(QByteArrayView payload)
{
    while (!payload.isEmpty() && isBlankOrControl(payload.front()))
        payload = payload.sliced(1);
    while (!payload.isEmpty() && isBlankOrControl(payload.back()))
        payload.chop(1);
    return decodeWindows1252(payload);
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char byte : bytes)
        *out++ = decodeByte(static_cast<unsigned char>(byte));
    return text;
}

QByteArray encodeWindows1252(const QString &text, bool *ok)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bool allEncoded = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = encodeChar(text[i].unicode());
        if (byte < 0)
            allEncoded = false;
        bytes[i] = byte < 0 ? '?' : static_cast<char>(byte);
    }
    if (ok)
        *ok = allEncoded;
    return bytes;
}

} // namespace data
