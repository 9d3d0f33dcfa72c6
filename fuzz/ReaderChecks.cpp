// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReaderChecks.h"

#include "data/LineIndexer.h"
#include "data/PayloadGatherer.h"
#include "data/RecordLayout.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <string_view>

namespace fuzzcheck {

namespace {

// The codes in the order of the reader's enums, spelt out apart from its code.
constexpr std::string_view CategoryCodes = "rsnd"; // data::Category
constexpr std::string_view TypeCodes = "wsmid";    // data::VerbType

template <typename Enum> std::optional<Enum> fromCode(std::string_view codes, char code)
{
    const std::size_t at = code == '\0' ? std::string_view::npos : codes.find(code);
    return at == std::string_view::npos ? std::nullopt : std::optional(Enum(at));
}

std::string_view view(QByteArrayView bytes)
{
    return {bytes.data(), std::size_t(bytes.size())};
}

// A header line's label is its prefix after the code.
bool labelSays(QByteArrayView line, std::string_view words)
{
    const std::string_view prefix = view(line.first(std::min<qsizetype>(line.size(), 30)));
    return prefix.size() > 1 && prefix.find(words, 1) != std::string_view::npos;
}

QString described(const data::RecordHeader &h)
{
    return QStringLiteral("codes %1 %2 %3, category %4, type %5, variants %6, marks %7 %8 %9, "
                          "%10 %11 %12")
        .arg(int(h.categoryCode))
        .arg(int(h.typeCode))
        .arg(int(h.variantsCode))
        .arg(h.category ? int(*h.category) : -1)
        .arg(h.type ? int(*h.type) : -1)
        .arg(h.variants)
        .arg(h.impersonal)
        .arg(h.esOnly)
        .arg(h.noImperative)
        .arg(quoted(h.name), quoted(h.principalParts), quoted(h.meaning));
}

void checkCounts(const data::VerbFile &file, const char *kind, qsizetype count, Findings &findings)
{
    if (file.lineCount() != count || file.recordCount() != count / LinesPerRecord ||
        file.lineCountIsWholeRecords() != (count % LinesPerRecord == 0))
        findings.add(QStringLiteral("%1: %2 lines, %3 records, whole %4; reference %5 lines")
                         .arg(QLatin1String(kind))
                         .arg(file.lineCount())
                         .arg(file.recordCount())
                         .arg(file.lineCountIsWholeRecords())
                         .arg(count));
}

// The index made while the text arrives, as a file is read, a piece at a
// time (its sizes taken from the input, so that pieces end anywhere in the
// 64-byte blocks), is the index of the whole text at once.
void checkStreamedIndex(QByteArrayView bytes, Findings &findings)
{
    data::LineIndexer indexer(LinesPerRecord);
    for (qsizetype arrived = 0; arrived < bytes.size();) {
        arrived =
            std::min(bytes.size(), arrived + 1 + static_cast<unsigned char>(bytes[arrived]) % 131);
        indexer.scan(bytes.first(arrived));
    }
    const data::LineIndex streamed = indexer.finish(bytes);
    const data::LineIndex whole = data::indexLines(bytes, LinesPerRecord);
    if (streamed.textEnd != whole.textEnd || streamed.lineCount != whole.lineCount ||
        streamed.groupStarts != whole.groupStarts)
        findings.add(QStringLiteral("streamed index: text end %1, %2 lines, %3 records; whole: "
                                    "%4, %5, %6")
                         .arg(streamed.textEnd)
                         .arg(streamed.lineCount)
                         .arg(streamed.groupStarts.size())
                         .arg(whole.textEnd)
                         .arg(whole.lineCount)
                         .arg(whole.groupStarts.size()));
}

// Every line of the record, from both kinds of file, in one scan each.
void checkRecordLines(const data::VerbFile &wholeLines, const data::VerbFile &payloads,
                      const std::vector<QByteArrayView> &lines, qsizetype record,
                      Findings &findings)
{
    const std::vector<QByteArrayView> whole = wholeLines.recordLines(record, 0, LinesPerRecord);
    const std::vector<QByteArrayView> kept = payloads.recordPayloads(record, 0, LinesPerRecord);
    for (int i = 0; i < LinesPerRecord; ++i) {
        const QByteArrayView expected = recordLine(lines, record, i);
        if (whole[i] != expected || kept[i] != payloadOf(expected))
            findings.add(QStringLiteral("line %1 of record %2 reads %3, payload %4; reference %5")
                             .arg(i)
                             .arg(record)
                             .arg(quoted(whole[i]), quoted(kept[i]), quoted(expected)));
    }
}

// The block of one tense against the format's table, and its lines as the
// refresh reads them: one run of lines from the block's first.
void checkBlock(const data::VerbFile &wholeLines, const data::VerbFile &payloads,
                const std::vector<QByteArrayView> &lines, qsizetype record, int tense,
                Findings &findings)
{
    const data::RecordHeader &header = payloads.header(record);
    const int row = categoryRow(header.categoryCode);
    if (row < 0 || !header.category)
        return;
    const data::TenseBlock block = data::tenseBlock(*header.category, tense);
    const int first = BlockStarts[row][tense];
    const int answerCount = BlockStarts[row][tense + 1] - first - 2;
    const auto where = [&](const QString &what) {
        findings.add(QStringLiteral("record %1, tense %2: %3").arg(record).arg(tense).arg(what));
    };
    if (block.firstLine != first || block.answerCount != answerCount ||
        block.lastLine() >= LinesPerRecord) {
        where(QStringLiteral("block at %1 with %2 answers, expected %3 with %4")
                  .arg(block.firstLine)
                  .arg(block.answerCount)
                  .arg(first)
                  .arg(answerCount));
        return;
    }
    const bool imperative = tense == data::TenseCount - 1;
    std::set<int> boxes;
    for (int j = 0; j < block.answerCount; ++j) {
        const int box = block.boxes[j];
        if (box < (imperative ? 33 : 1) || box > (imperative ? 36 : 32) ||
            !boxes.insert(box).second)
            where(QStringLiteral("answer %1 goes to box %2").arg(j).arg(box));
    }
    const int count = 2 + block.answerCount;
    const std::vector<QByteArrayView> kept = payloads.recordPayloads(record, first, count);
    const std::vector<QByteArrayView> whole = wholeLines.recordPayloads(record, first, count);
    for (int j = 0; j < count; ++j) {
        const QByteArrayView expected = payloadOf(recordLine(lines, record, first + j));
        if (kept[j] != expected || whole[j] != expected)
            where(QStringLiteral("line %1 reads %2 and %3, reference %4")
                      .arg(first + j)
                      .arg(quoted(kept[j]), quoted(whole[j]), quoted(expected)));
    }
}

} // namespace

int categoryRow(char code)
{
    const std::size_t at = code == '\0' ? std::string_view::npos : CategoryCodes.find(code);
    return at == std::string_view::npos ? -1 : int(at);
}

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

QByteArrayView recordLine(const std::vector<QByteArrayView> &lines, qsizetype record, int line)
{
    const qsizetype index = record * LinesPerRecord + line;
    return index >= 0 && index < qsizetype(lines.size()) ? lines[index] : QByteArrayView();
}

QString quoted(QByteArrayView bytes)
{
    return QStringLiteral("\"%1\"").arg(QString::fromLatin1(
        bytes.first(std::min<qsizetype>(bytes.size(), 40)).toByteArray().toPercentEncoding(" ")));
}

data::RecordHeader referenceHeader(const std::vector<QByteArrayView> &lines, qsizetype record)
{
    const QByteArrayView line0 = recordLine(lines, record, 0);
    const QByteArrayView line1 = recordLine(lines, record, 1);
    const QByteArrayView line2 = recordLine(lines, record, 2);
    const auto code = [](QByteArrayView line) { return line.isEmpty() ? '\0' : line.front(); };
    data::RecordHeader header;
    header.categoryCode = code(line0);
    header.typeCode = code(line1);
    header.variantsCode = code(line2);
    header.category = fromCode<data::Category>(CategoryCodes, header.categoryCode);
    header.type = fromCode<data::VerbType>(TypeCodes, header.typeCode);
    header.variants = std::string_view("234").find(header.variantsCode) != std::string_view::npos
                          ? header.variantsCode - '0'
                          : 1;
    header.impersonal = labelSays(line0, "impersonal");
    header.esOnly = labelSays(line0, "es only");
    header.noImperative = labelSays(line0, "no imperative");
    header.name = payloadOf(line0);
    header.principalParts = payloadOf(line1);
    header.meaning = payloadOf(line2);
    return header;
}

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

void checkReader(QByteArrayView bytes, const std::vector<QByteArrayView> &lines,
                 const data::VerbFile &wholeLines, const data::VerbFile &payloads,
                 Findings &findings)
{
    const qsizetype count = qsizetype(lines.size());
    checkCounts(wholeLines, "whole lines", count, findings);
    checkCounts(payloads, "payloads", count, findings);
    checkStreamedIndex(bytes, findings);
    // Every record begun, and the first past the end, which reads as empty.
    for (qsizetype record = 0; record * LinesPerRecord < count + LinesPerRecord; ++record) {
        const data::RecordHeader expected = referenceHeader(lines, record);
        for (const data::VerbFile *file : {&wholeLines, &payloads}) {
            if (!(file->header(record) == expected))
                findings.add(QStringLiteral("record %1's header: %2; reference %3")
                                 .arg(record)
                                 .arg(described(file->header(record)), described(expected)));
        }
        checkRecordLines(wholeLines, payloads, lines, record, findings);
        const int tense =
            bytes.isEmpty()
                ? 0
                : static_cast<unsigned char>(bytes[record % bytes.size()]) % data::TenseCount;
        checkBlock(wholeLines, payloads, lines, record, tense, findings);
    }
    if (!(wholeLines.header(-1) == data::RecordHeader()))
        findings.add(QStringLiteral("record -1 has a header"));
}

QString checkReaderBytes(QByteArrayView bytes)
{
    Findings findings;
    const data::VerbFile wholeLines{QByteArray(bytes.data(), bytes.size())};
    checkReader(bytes, referenceLines(bytes), wholeLines, keptPayloads(bytes), findings);
    return findings.text();
}

} // namespace fuzzcheck
