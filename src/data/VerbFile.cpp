#include "data/VerbFile.h"

#include "data/LineScanner.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <new>
#include <optional>
#include <system_error>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#include <unistd.h>
#endif

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

QByteArrayView payloadBytes(QByteArrayView line)
{
    if (line.size() <= VerbFile::PrefixLength)
        return {};
    return line.sliced(VerbFile::PrefixLength);
}

// Gives fresh memory its pages in one call rather than a page fault per
// page, which on a virtual machine is much of the cost of reading a large file.
// The bytes stay as they are; where the system cannot, reading faults the
// pages in as before.
void mapPages(char *from, qint64 size)
{
#if defined(Q_OS_LINUX) && defined(MADV_POPULATE_WRITE)
    static const std::uintptr_t pageMask = std::uintptr_t(sysconf(_SC_PAGESIZE)) - 1;
    // From the page holding `from` (already ours) to the last page that the
    // range fills whole; a part page at the end is left to the next range.
    const std::uintptr_t first = std::uintptr_t(from) & ~pageMask;
    const std::uintptr_t end = (std::uintptr_t(from) + std::uintptr_t(size)) & ~pageMask;
    if (end > first)
        madvise(reinterpret_cast<void *>(first), end - first, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(from);
    Q_UNUSED(size);
#endif
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
        mapPages(bytes.data() + got, want);
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

} // namespace

VerbFile::VerbFile(QByteArray bytes) : m_bytes(std::move(bytes))
{
    takeIndex(indexLines(m_bytes, LinesPerRecord));
}

void VerbFile::takeIndex(LineIndex index)
{
    m_textEnd = index.textEnd;
    m_lineCount = index.lineCount;
    m_recordStarts = std::move(index.groupStarts);
}

VerbFile VerbFile::read(const QString &path)
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
        LineIndexer indexer(LinesPerRecord);
        std::optional<QByteArray> bytes = readWhole(file, indexer);
        if (!bytes)
            throw failure();
        VerbFile verbFile;
        verbFile.takeIndex(indexer.finish(*bytes));
        verbFile.m_bytes = std::move(*bytes);
        return verbFile;
    } catch (const std::bad_alloc &) {
        throw failure(); // a file too big for memory is one the program cannot open
    }
}

std::future<VerbFile> VerbFile::readInBackground(const QString &path)
{
    const auto readPath = [path] { return read(path); };
    try {
        return std::async(std::launch::async, readPath);
    } catch (const std::system_error &) {
        return std::async(std::launch::deferred, readPath); // no thread to spare
    }
}

QByteArrayView VerbFile::line(qsizetype index) const
{
    if (index < 0 || index >= m_lineCount)
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

char lineCode(QByteArrayView line)
{
    return line.isEmpty() ? '\0' : line.front();
}

QString linePayload(QByteArrayView line)
{
    return decodeWindows1252(payloadBytes(line));
}

QString answerText(QByteArrayView line)
{
    QByteArrayView payload = payloadBytes(line);
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
