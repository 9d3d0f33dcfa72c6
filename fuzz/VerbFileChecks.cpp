// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VerbFileChecks.h"

#include "board/Board.h"
#include "data/PayloadGatherer.h"
#include "data/RecordLayout.h"
#include "data/VerbFile.h"
#include "editing/LookUp.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cstring>
#include <set>
#include <vector>

namespace fuzzcheck {

namespace {

constexpr int LinesPerRecord = 395;
constexpr int PrefixLength = 30;

// The first record line of each tense block, straight from the format's
// table, kept apart from the layout code it checks. Row order r, s, n, d.
constexpr std::array<std::array<int, 16>, 4> BlockStarts = {{
    {1, 27, 53, 79, 105, 131, 165, 191, 217, 243, 269, 295, 321, 355, 389, 395},
    {1, 19, 37, 55, 73, 91, 117, 135, 153, 171, 189, 207, 225, 251, 277, 283},
    {1, 11, 21, 39, 57, 75, 101, 111, 121, 139, 157, 175, 193, 219, 245, 250},
    {1, 19, 37, 63, 89, 115, 149, 167, 185, 211, 237, 263, 289, 323, 357, 363},
}};

int categoryRow(char code)
{
    const char *codes = "rsnd";
    const char *at = code ? std::strchr(codes, code) : nullptr;
    return at ? int(at - codes) : -1;
}

// The plainest reading of the format: cut at the first NUL, split at CR LF,
// LF or CR, no empty line after a final line end.
std::vector<QByteArrayView> referenceLines(QByteArrayView bytes)
{
    const void *nul = bytes.isEmpty() ? nullptr : std::memchr(bytes.data(), 0, bytes.size());
    const qsizetype end = nul ? static_cast<const char *>(nul) - bytes.data() : bytes.size();
    const QByteArrayView text = bytes.first(end);
    std::vector<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r')
            continue;
        lines.push_back(text.sliced(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.sliced(start));
    return lines;
}

QByteArrayView payloadOf(QByteArrayView line)
{
    return line.size() > PrefixLength ? line.sliced(PrefixLength) : QByteArrayView();
}

QByteArrayView trimmedOfControls(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.front()) <= 32)
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.back()) <= 32)
        bytes.chop(1);
    return bytes;
}

// Collects the first few disagreements.
class Findings {
public:
    void add(const QString &what)
    {
        if (m_count++ < 8)
            m_text += what + QLatin1Char('\n');
    }
    bool any() const { return m_count > 0; }
    QString text() const { return m_text; }

private:
    int m_count = 0;
    QString m_text;
};

QString quoted(QByteArrayView bytes)
{
    return QStringLiteral("\"%1\"").arg(QString::fromLatin1(
        bytes.first(std::min<qsizetype>(bytes.size(), 40)).toByteArray().toPercentEncoding(" ")));
}

void checkDecoding(QByteArrayView bytes, Findings &findings)
{
    const QString decoded = data::decodeWindows1252(bytes);
    if (decoded.size() != bytes.size()) {
        findings.add(QStringLiteral("decoding changed the length"));
        return;
    }
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool latin1Range = byte < 0x80 || byte >= 0xA0;
        if (latin1Range && decoded[i].unicode() != byte)
            findings.add(QStringLiteral("byte %1 decoded as U+%2")
                             .arg(byte)
                             .arg(decoded[i].unicode(), 4, 16));
    }
    bool ok = false;
    if (data::encodeWindows1252(decoded, &ok) != bytes || !ok)
        findings.add(QStringLiteral("decoding and encoding again changed the bytes"));
}

void checkLines(const data::VerbFile &file, const std::vector<QByteArrayView> &lines,
                Findings &findings)
{
    const qsizetype count = qsizetype(lines.size());
    if (file.lineCount() != count)
        findings.add(
            QStringLiteral("line count %1, reference %2").arg(file.lineCount()).arg(count));
    if (file.recordCount() != count / LinesPerRecord)
        findings.add(
            QStringLiteral("record count %1 for %2 lines").arg(file.recordCount()).arg(count));
    if (file.lineCountIsWholeRecords() != (count % LinesPerRecord == 0))
        findings.add(QStringLiteral("whole-record check wrong for %1 lines").arg(count));

    // Every line, one record at a time (one scan each), as the refresh reads them.
    for (qsizetype record = 0; record * LinesPerRecord < count + LinesPerRecord; ++record) {
        const std::vector<QByteArrayView> read = file.recordLines(record, 0, LinesPerRecord);
        for (int i = 0; i < LinesPerRecord; ++i) {
            const qsizetype index = record * LinesPerRecord + i;
            const QByteArrayView expected = index < count ? lines[index] : QByteArrayView();
            if (read[i] != expected)
                findings.add(QStringLiteral("line %1 reads %2, reference %3")
                                 .arg(index)
                                 .arg(quoted(read[i]), quoted(expected)));
        }
    }
    // Single lines at the edges, and out of range.
    for (qsizetype index : {qsizetype(-1), qsizetype(0), count / 2, count - 1, count, count + 1}) {
        const QByteArrayView expected =
            index >= 0 && index < count ? lines[index] : QByteArrayView();
        if (file.line(index) != expected)
            findings.add(QStringLiteral("line(%1) disagrees").arg(index));
    }
}

// What the trainer keeps of each line, gathered a piece at a time: the pieces'
// sizes are taken from the input itself, so that lines, CR LF pairs and NULs
// fall on every edge of them.
data::VerbFile keptPayloads(QByteArrayView bytes)
{
    data::PayloadGatherer gatherer(LinesPerRecord, PrefixLength, data::VerbFile::HeaderLines);
    for (qsizetype at = 0, piece = 0; at < bytes.size(); at += piece) {
        piece =
            std::min(bytes.size() - at, qsizetype(1 + static_cast<unsigned char>(bytes[at]) % 97));
        gatherer.take(bytes.sliced(at, piece));
    }
    return data::VerbFile(gatherer.finish());
}

void checkPayloads(const data::VerbFile &file, const std::vector<QByteArrayView> &lines,
                   Findings &findings)
{
    const qsizetype count = qsizetype(lines.size());
    if (file.lineCount() != count)
        findings.add(QStringLiteral("payloads: line count %1, reference %2")
                         .arg(file.lineCount())
                         .arg(count));
    for (qsizetype record = 0; record * LinesPerRecord < count + LinesPerRecord; ++record) {
        const std::vector<QByteArrayView> read = file.recordPayloads(record, 0, LinesPerRecord);
        for (int i = 0; i < LinesPerRecord; ++i) {
            const qsizetype index = record * LinesPerRecord + i;
            const QByteArrayView line = index < count ? lines[index] : QByteArrayView();
            if (read[i] != payloadOf(line))
                findings.add(QStringLiteral("payload of line %1 reads %2, reference %3")
                                 .arg(index)
                                 .arg(quoted(read[i]), quoted(payloadOf(line))));
            const char code = line.isEmpty() ? '\0' : line.front();
            if (i < data::VerbFile::HeaderLines && file.headerCode(record, i) != code)
                findings.add(QStringLiteral("code of line %1 differs").arg(index));
        }
    }
}

QByteArrayView recordLine(const std::vector<QByteArrayView> &lines, qsizetype record, int line)
{
    const qsizetype index = record * LinesPerRecord + line;
    return index < qsizetype(lines.size()) ? lines[index] : QByteArrayView();
}

void checkBoard(const data::VerbFile &file, const std::vector<QByteArrayView> &lines,
                qsizetype record, int tense, Findings &findings)
{
    const board::BoardContent content = board::readBoard(file, record, tense);
    const auto where = [&](const QString &what) {
        findings.add(QStringLiteral("record %1, tense %2: %3").arg(record).arg(tense).arg(what));
    };
    const QByteArrayView line0 = recordLine(lines, record, 0);
    const int row = categoryRow(line0.isEmpty() ? '\0' : line0.front());
    if (content.categoryKnown() != (row >= 0))
        where(QStringLiteral("category known %1").arg(content.categoryKnown()));

    std::array<QString, data::BoxCount> answers;
    QString caption1;
    QString caption2;
    if (row >= 0) {
        const QByteArrayView line1 = recordLine(lines, record, 1);
        const QByteArrayView line2 = recordLine(lines, record, 2);
        // The letters' meanings are the board's own tables; checked here is
        // that the codes are read from the right lines.
        const QString type = board::typeNameFromCode(line1.isEmpty() ? '\0' : line1.front());
        if (content.typeName.value_or(QString()) != type)
            where(QStringLiteral("type %1, expected %2")
                      .arg(content.typeName.value_or(QStringLiteral("none")), type));
        const QString digit = board::variantsDigitFromCode(line2.isEmpty() ? '\0' : line2.front());
        if (content.variantsDigit != digit)
            where(QStringLiteral("variants %1, expected %2").arg(content.variantsDigit, digit));
    }
    if (row >= 0 && tense >= 0 && tense < data::TenseCount) {
        const int first = BlockStarts[row][tense];
        const int answerCount = BlockStarts[row][tense + 1] - first - 2;
        const data::TenseBlock block =
            data::tenseBlock(*data::categoryFromCode(line0.front()), tense);
        if (block.firstLine != first || block.answerCount != answerCount)
            where(QStringLiteral("block at %1 with %2 answers, expected %3 with %4")
                      .arg(block.firstLine)
                      .arg(block.answerCount)
                      .arg(first)
                      .arg(answerCount));
        caption1 = data::decodeWindows1252(payloadOf(recordLine(lines, record, first)));
        caption2 = data::decodeWindows1252(payloadOf(recordLine(lines, record, first + 1)));
        std::set<int> boxes;
        for (int j = 0; j < std::min(block.answerCount, answerCount); ++j) {
            const int box = block.boxes[j];
            const bool imperative = tense == data::TenseCount - 1;
            if (box < (imperative ? 33 : 1) || box > (imperative ? 36 : 32) ||
                !boxes.insert(box).second) {
                where(QStringLiteral("answer %1 goes to box %2").arg(j).arg(box));
                continue;
            }
            answers[box - 1] = data::decodeWindows1252(
                trimmedOfControls(payloadOf(recordLine(lines, record, first + 2 + j))));
        }
    }
    if (content.caption1 != caption1 || content.caption2 != caption2)
        where(QStringLiteral("captions differ"));
    for (int box = 1; box <= data::BoxCount; ++box) {
        if (content.answers[box - 1] != answers[box - 1])
            where(QStringLiteral("box %1 holds \"%2\", expected \"%3\"")
                      .arg(box)
                      .arg(content.answers[box - 1].left(40), answers[box - 1].left(40)));
    }
}

void checkLookUp(const data::VerbFile &file, const std::vector<QByteArrayView> &lines,
                 QByteArrayView bytes, Findings &findings)
{
    QStringList entries;
    for (qsizetype record = 0; record < qsizetype(lines.size()) / LinesPerRecord; ++record)
        entries.append(QLatin1Char(' ') +
                       data::decodeWindows1252(payloadOf(lines[record * LinesPerRecord])));
    if (board::verbListEntries(file) != entries)
        findings.add(QStringLiteral("the verb list's entries differ"));
    // A few typed texts: the input's last bytes, a verb's own beginning, nothing.
    QStringList typed = {data::decodeWindows1252(bytes.last(std::min<qsizetype>(bytes.size(), 12))),
                         QString(), QStringLiteral(" ")};
    if (!entries.isEmpty())
        typed.append(entries.back().mid(1, 4));
    const auto byCodePoint = [](const QString &a, const QString &b) { return a.compare(b) <= 0; };
    for (const QString &text : typed) {
        const int entry = editing::lookUpEntry(entries, text, byCodePoint);
        const bool inRange = entries.isEmpty() ? entry == -1 : entry >= 0 && entry < entries.size();
        if (!inRange)
            findings.add(
                QStringLiteral("look-up gave entry %1 of %2").arg(entry).arg(entries.size()));
    }
}

} // namespace

QString checkVerbFileBytes(QByteArrayView bytes)
{
    Findings findings;
    const data::VerbFile file{QByteArray(bytes.data(), bytes.size())};
    const std::vector<QByteArrayView> lines = referenceLines(bytes);
    checkDecoding(bytes, findings);
    checkLines(file, lines, findings);
    for (qsizetype record = 0; record < file.recordCount(); ++record) {
        for (int tense = -1; tense <= data::TenseCount; ++tense)
            checkBoard(file, lines, record, tense, findings);
    }
    checkLookUp(file, lines, bytes, findings);

    // The same from what the trainer keeps of the file.
    const data::VerbFile payloads = keptPayloads(bytes);
    checkPayloads(payloads, lines, findings);
    for (qsizetype record = 0; record < payloads.recordCount(); ++record) {
        for (int tense = -1; tense <= data::TenseCount; ++tense)
            checkBoard(payloads, lines, record, tense, findings);
    }
    checkLookUp(payloads, lines, bytes, findings);
    return findings.text();
}

} // namespace fuzzcheck
