// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/LineIndexer.h"
#include "data/PayloadGatherer.h"
#include "data/VerbFile.h"
#include "support/VerbFileBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

using data::VerbFile;

namespace {

std::vector<std::string> allLines(const VerbFile &file)
{
    std::vector<std::string> lines;
    for (qsizetype i = 0; i < file.lineCount(); ++i)
        lines.emplace_back(file.line(i).toByteArray().toStdString());
    return lines;
}

struct SplitCase {
    const char *name;
    std::string bytes;
    std::vector<std::string> lines;
};

class LineSplitting : public testing::TestWithParam<SplitCase> {};

TEST_P(LineSplitting, GivesTheExpectedLines)
{
    const SplitCase &c = GetParam();
    const VerbFile file(QByteArray(c.bytes.data(), qsizetype(c.bytes.size())));
    EXPECT_EQ(allLines(file), c.lines);
    EXPECT_EQ(file.lineCount(), qsizetype(c.lines.size()));
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    LineEnds, LineSplitting,
    testing::Values(SplitCase{"Empty", "", {}}, SplitCase{"OneLineNoEnd", "abc", {"abc"}},
                    SplitCase{"FinalLfAddsNoLine", "abc\n", {"abc"}},
                    SplitCase{"FinalCrAddsNoLine", "abc\r", {"abc"}},
                    SplitCase{"FinalCrLfAddsNoLine", "abc\r\n", {"abc"}},
                    SplitCase{"CrLf", "a\r\nb\r\nc", {"a", "b", "c"}},
                    SplitCase{"LoneLf", "a\nb\nc\n", {"a", "b", "c"}},
                    SplitCase{"LoneCr", "a\rb\rc\r", {"a", "b", "c"}},
                    SplitCase{"Mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
                    SplitCase{"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
                    SplitCase{"CrCrLfIsTwoEnds", "a\r\r\nb", {"a", "", "b"}},
                    SplitCase{"EmptyLinesKept", "\n\n\nx", {"", "", "", "x"}},
                    SplitCase{"OnlyLineEnd", "\r\n", {""}},
                    SplitCase{"TwoLineEnds", "\n\n", {"", ""}},
                    SplitCase{"NulEndsText", "ab\ncd\0ef\ngh\n"s, {"ab", "cd"}},
                    SplitCase{"NulAtStart", "\0abc"s, {}},
                    SplitCase{"NulAfterLineEnd", "ab\r\n\0cd"s, {"ab"}},
                    SplitCase{"CrBeforeNulIsLoneCr", "ab\r\0\ncd"s, {"ab"}},
                    SplitCase{"TabsAndBlanksKept", " \ta \t\r\n", {" \ta \t"}},
                    // Lines longer than one 16-byte scan step, with ends straddling step edges.
                    SplitCase{"LongLines",
                              std::string(15, 'x') + "\r\n" + std::string(31, 'y') + "\r" + "\n" +
                                  std::string(40, 'z'),
                              {std::string(15, 'x'), std::string(31, 'y'), std::string(40, 'z')}}),
    [](const testing::TestParamInfo<SplitCase> &info) { return std::string(info.param.name); });

// The same lines with every kind of line end give the same file.
class LineEndKinds : public testing::TestWithParam<testdata::LineEnd> {};

TEST_P(LineEndKinds, RecordsReadTheSame)
{
    testdata::VerbRecordBuilder first('r', 'w', '2');
    testdata::VerbRecordBuilder second('d', 'm', '4');
    first.verb("sich freuen").fillEveryForm();
    second.verb("Rad fahren").fillEveryForm();
    const QList<QByteArray> expected = first.lines() + second.lines();

    const VerbFile file(testdata::verbFileBytes({first, second}, GetParam()));
    ASSERT_EQ(file.lineCount(), 790);
    EXPECT_EQ(file.recordCount(), 2);
    for (qsizetype i = 0; i < 790; ++i)
        ASSERT_EQ(file.line(i), expected[i]) << "line " << i;
}

INSTANTIATE_TEST_SUITE_P(AllKinds, LineEndKinds,
                         testing::Values(testdata::LineEnd::CrLf, testdata::LineEnd::Lf,
                                         testdata::LineEnd::Cr));

// "line 0", "line 1", ... with CR LF, LF and CR in turn, so record starts
// fall after every kind of line end.
QByteArray numberedLines(int count, bool finalLineEnd)
{
    const char *ends[] = {"\r\n", "\n", "\r"};
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        bytes += "line " + QByteArray::number(i);
        if (finalLineEnd || i + 1 < count)
            bytes += ends[i % 3];
    }
    return bytes;
}

struct CountCase {
    int lines;
    bool finalLineEnd;
    qsizetype records;
    bool whole;
};

class RecordCounting : public testing::TestWithParam<CountCase> {};

TEST_P(RecordCounting, CountsWholeRecordsAndReachesEveryLine)
{
    const CountCase c = GetParam();
    const VerbFile file(numberedLines(c.lines, c.finalLineEnd));
    EXPECT_EQ(file.lineCount(), c.lines);
    EXPECT_EQ(file.recordCount(), c.records);
    EXPECT_EQ(file.lineCountIsWholeRecords(), c.whole);
    for (int i = 0; i < c.lines; ++i)
        ASSERT_EQ(file.line(i), "line " + QByteArray::number(i));
    EXPECT_TRUE(file.line(c.lines).isEmpty());
    EXPECT_TRUE(file.line(-1).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Counts, RecordCounting,
    testing::Values(CountCase{0, true, 0, true}, CountCase{1, false, 0, false},
                    CountCase{394, true, 0, false}, CountCase{395, true, 1, true},
                    CountCase{395, false, 1, true}, CountCase{396, false, 1, false},
                    CountCase{790, true, 2, true}, CountCase{790, false, 2, true},
                    CountCase{791, true, 2, false}, CountCase{791, false, 2, false},
                    CountCase{1185, true, 3, true}));

// The plainest index of a text, byte by byte, in groups of `linesPerGroup` lines.
data::LineIndex referenceIndex(const QByteArray &bytes, int linesPerGroup)
{
    data::LineIndex index;
    index.textEnd = bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0');
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < index.textEnd; ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        if (index.lineCount++ % linesPerGroup == 0)
            index.groupStarts.push_back(lineStart);
        if (bytes[i] == '\r' && i + 1 < index.textEnd && bytes[i + 1] == '\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < index.textEnd && index.lineCount++ % linesPerGroup == 0)
        index.groupStarts.push_back(lineStart);
    return index;
}

// A text arriving in pieces of any size is indexed as the whole text is, with
// line ends, CR LF pairs and NULs falling on every edge of the 64-byte blocks.
class PieceByPiece : public testing::TestWithParam<int> {};

TEST_P(PieceByPiece, IndexesAsTheReferenceDoes)
{
    const int pieceSize = GetParam();
    std::mt19937 random(pieceSize);
    const char bytes[] = {'a', 'b', ' ', '\r', '\n', '\r', '\n', '\0'};
    for (int text = 0; text < 300; ++text) {
        QByteArray input(std::uniform_int_distribution<int>(0, 400)(random), Qt::Uninitialized);
        // Fewer NULs and line ends in some texts, so that they run long.
        const int kinds = text % 3 == 0 ? 7 : text % 3 == 1 ? 5 : 3;
        for (char &byte : input)
            byte = bytes[std::uniform_int_distribution<int>(0, kinds)(random)];
        const int linesPerGroup = 1 + text % 4;

        data::LineIndexer indexer(linesPerGroup);
        for (qsizetype arrived = 0; arrived < input.size(); arrived += pieceSize)
            indexer.scan(QByteArrayView(input).first(std::min(input.size(), arrived + pieceSize)));
        const data::LineIndex got = indexer.finish(input);
        const data::LineIndex expected = referenceIndex(input, linesPerGroup);
        ASSERT_EQ(got.textEnd, expected.textEnd) << input.toHex().toStdString();
        ASSERT_EQ(got.lineCount, expected.lineCount) << input.toHex().toStdString();
        ASSERT_EQ(got.groupStarts, expected.groupStarts) << input.toHex().toStdString();
    }
}

// Letters, blanks, tabs (control bytes that end no line), line ends and NULs;
// in some texts line ends are rare, so that lines run past 64 bytes.
QByteArray randomText(std::mt19937 &random, int text)
{
    const auto roll = [&random](int below) {
        return std::uniform_int_distribution<int>(0, below - 1)(random);
    };
    const int lineEndOneIn = std::array{3, 20, 80}[text % 3];
    const std::array<QByteArray, 6> ends = {"\r",   "\n",   "\r\n",
                                            "\r\n", "\n\r", QByteArray(1, '\0')};
    QByteArray bytes;
    for (const int size = roll(400); bytes.size() < size;) {
        if (roll(lineEndOneIn) != 0)
            bytes += "ab \t"[roll(4)];
        else
            bytes += ends[roll(text % 4 == 0 ? 6 : 5)]; // NULs in a quarter of the texts
    }
    return bytes;
}

// What a gatherer must keep: the plainest reading's lines, cut after their prefix.
data::PayloadText referencePayloads(const QByteArray &bytes, int linesPerGroup, int prefix,
                                    int codedLines)
{
    data::PayloadText expected;
    const auto keepLine = [&](QByteArrayView line) {
        const int inGroup = int(expected.lineCount++ % linesPerGroup);
        if (inGroup == 0) {
            expected.groupStarts.push_back(expected.payloads.size());
            expected.prefixes.resize(expected.prefixes.size() + codedLines * prefix, '\0');
            expected.codedEnds.resize(expected.codedEnds.size() + codedLines, 0);
        }
        if (inGroup < codedLines) {
            const QByteArrayView kept = line.first(std::min<qsizetype>(line.size(), prefix));
            std::copy(kept.begin(), kept.end(),
                      expected.prefixes.end() - (codedLines - inGroup) * prefix);
        }
        if (line.size() > prefix)
            expected.payloads += line.sliced(prefix);
        if (inGroup < codedLines)
            expected.codedEnds.end()[inGroup - codedLines] = expected.payloads.size();
        expected.payloads += '\n';
    };
    const qsizetype textEnd = bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0');
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < textEnd; ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        keepLine(QByteArrayView(bytes).sliced(lineStart, i - lineStart));
        if (bytes[i] == '\r' && i + 1 < textEnd && bytes[i + 1] == '\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < textEnd)
        keepLine(QByteArrayView(bytes).sliced(lineStart, textEnd - lineStart));
    return expected;
}

// What the trainer keeps of a text arriving in pieces is what its lines hold,
// whatever edges the pieces, the prefix and the line ends fall on.
TEST_P(PieceByPiece, GathersThePayloadsAndPrefixesTheLinesHold)
{
    const int pieceSize = GetParam();
    std::mt19937 random(pieceSize);
    for (int text = 0; text < 400; ++text) {
        const QByteArray input = randomText(random, text);
        const int linesPerGroup = 1 + text % 4;
        const int prefix = std::array{0, 1, 2, 30}[text / 4 % 4];
        const int codedLines = std::min(linesPerGroup, 1 + text % 3);

        data::PayloadGatherer gatherer(linesPerGroup, prefix, codedLines,
                                       text % 2 ? input.size() : 0);
        for (qsizetype at = 0; at < input.size(); at += pieceSize)
            gatherer.take(QByteArrayView(input).sliced(
                at, std::min<qsizetype>(pieceSize, input.size() - at)));
        const data::PayloadText got = gatherer.finish();
        const data::PayloadText expected =
            referencePayloads(input, linesPerGroup, prefix, codedLines);
        const std::string where = input.toHex().toStdString();
        ASSERT_EQ(got.payloads, expected.payloads) << where;
        ASSERT_EQ(got.lineCount, expected.lineCount) << where;
        ASSERT_EQ(got.groupStarts, expected.groupStarts) << where;
        ASSERT_EQ(got.prefixes, expected.prefixes) << where;
        ASSERT_EQ(got.codedEnds, expected.codedEnds) << where;
    }
}

INSTANTIATE_TEST_SUITE_P(PieceSizes, PieceByPiece, testing::Values(1, 17, 63, 64, 65, 100000));

TEST(RecordLines, AddressRecordsByNumberAndLine)
{
    const VerbFile file(numberedLines(791, true));
    EXPECT_EQ(file.recordLine(0, 0), "line 0");
    EXPECT_EQ(file.recordLine(1, 0), "line 395");
    EXPECT_EQ(file.recordLine(1, 394), "line 789");
    // The trailing part-record's line is still in the file.
    EXPECT_EQ(file.recordLine(2, 0), "line 790");
    EXPECT_TRUE(file.recordLine(2, 1).isEmpty());
    // A line number outside a record never reaches into the next one.
    EXPECT_TRUE(file.recordLine(0, 395).isEmpty());
    EXPECT_TRUE(file.recordLine(0, -1).isEmpty());
    EXPECT_TRUE(file.recordLine(-1, 0).isEmpty());
}

TEST(RecordLines, ReadARunInOneScanAndStopAtTheRecordEnd)
{
    const VerbFile file(numberedLines(791, false));
    const std::vector<QByteArrayView> run = file.recordLines(1, 390, 8);
    ASSERT_EQ(run.size(), 8u);
    for (int j = 0; j < 5; ++j)
        EXPECT_EQ(run[j], "line " + QByteArray::number(395 + 390 + j));
    for (int j = 5; j < 8; ++j)
        EXPECT_TRUE(run[j].isEmpty()) << j;

    const std::vector<QByteArrayView> tail = file.recordLines(2, 0, 3);
    EXPECT_EQ(tail[0], "line 790");
    EXPECT_TRUE(tail[1].isEmpty());
    EXPECT_TRUE(file.recordLines(5, 0, 3)[0].isEmpty());
    EXPECT_TRUE(file.recordLines(0, 0, 0).empty());
}

} // namespace
