// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/Board.h"
#include "support/VerbFileBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using board::BoardContent;
using testdata::VerbRecordBuilder;

namespace {

data::VerbFile fileOf(const QList<VerbRecordBuilder> &records,
                      testdata::LineEnd lineEnd = testdata::LineEnd::CrLf)
{
    return data::VerbFile(testdata::verbFileBytes(records, lineEnd));
}

// Every category and tense: the block's boxes get exactly their own forms.
class EveryBlock : public testing::TestWithParam<std::tuple<char, int>> {};

TEST_P(EveryBlock, FillsItsBoxesAndNoOthers)
{
    const auto [category, tense] = GetParam();
    VerbRecordBuilder record(category, 'm', '3');
    record.fillEveryForm();
    const data::TenseBlock block = data::tenseBlock(*data::categoryFromCode(category), tense);

    const BoardContent content = board::readBoard(fileOf({record}), 0, tense);
    ASSERT_TRUE(content.categoryKnown());
    EXPECT_EQ(content.caption1, VerbRecordBuilder::sampleCaption(tense, 1));
    EXPECT_EQ(content.caption2, VerbRecordBuilder::sampleCaption(tense, 2));
    int filled = 0;
    for (int box = 1; box <= data::BoxCount; ++box) {
        const QString &answer = content.answers[box - 1];
        if (answer.isEmpty())
            continue;
        EXPECT_EQ(answer, VerbRecordBuilder::sampleForm(tense, box));
        ++filled;
    }
    EXPECT_EQ(filled, block.answerCount);
    EXPECT_EQ(content.typeName, QStringLiteral("Mixed"));
    EXPECT_EQ(content.variantsDigit, u"3");
}

INSTANTIATE_TEST_SUITE_P(AllCategoriesAndTenses, EveryBlock,
                         testing::Combine(testing::Values('r', 's', 'n', 'd'),
                                          testing::Range(0, data::TenseCount)),
                         [](const testing::TestParamInfo<std::tuple<char, int>> &info) {
                             return std::string(1, std::get<0>(info.param)) + "_tense" +
                                    std::to_string(std::get<1>(info.param));
                         });

TEST(WorkedExample, SeparablePresentPerfectLinesGoToTheirBoxes)
{
    VerbRecordBuilder record('s');
    QList<QByteArray> lines = record.lines();
    for (int line = 55; line <= 72; ++line)
        lines[line] = QByteArray(30, '.') + "line" + QByteArray::number(line);
    const data::VerbFile file(testdata::joinLines(lines));

    const BoardContent content = board::readBoard(file, 0, 3);
    EXPECT_EQ(content.caption1, u"line55");
    EXPECT_EQ(content.caption2, u"line56");
    const int boxes[] = {1, 2, 3, 4, 9, 10, 11, 12, 17, 18, 19, 20, 25, 26, 27, 28};
    for (int j = 0; j < 16; ++j)
        EXPECT_EQ(content.answers[boxes[j] - 1], QStringLiteral("line%1").arg(57 + j));
}

TEST(WorkedExample, ReflexivePresentSharesItsCaptionsWithTheHeader)
{
    VerbRecordBuilder record('r', 's', '2');
    record.captions(0, QStringLiteral("freuen, freute, gefreut"), QStringLiteral("to be glad"));
    record.form(0, 5, QStringLiteral("freue")).form(0, 32, QStringLiteral("auf"));
    const BoardContent content = board::readBoard(fileOf({record}), 0, 0);
    EXPECT_EQ(content.caption1, u"freuen, freute, gefreut");
    EXPECT_EQ(content.caption2, u"to be glad");
    EXPECT_EQ(content.typeName, QStringLiteral("Strong"));
    EXPECT_EQ(content.variantsDigit, u"2");
    EXPECT_EQ(content.answers[4], u"freue");
    EXPECT_EQ(content.answers[31], u"auf");
}

TEST(Texts, AnswersTrimmedCaptionsNot)
{
    VerbRecordBuilder record('n');
    record.captions(1, QStringLiteral("  gehen, ging  "), QStringLiteral("\tto go "));
    record.form(1, 5, QStringLiteral(" \tging\t "));
    record.form(1, 6, QStringLiteral("    "));
    record.form(1, 7, QStringLiteral(u"gingst  "));
    const BoardContent content = board::readBoard(fileOf({record}), 0, 1);
    EXPECT_EQ(content.caption1, u"  gehen, ging  ");
    EXPECT_EQ(content.caption2, u"\tto go ");
    EXPECT_EQ(content.answers[4], u"ging");
    EXPECT_TRUE(content.answers[5].isEmpty());
    EXPECT_EQ(content.answers[6], u"gingst");
}

TEST(Texts, ShortLinesGiveEmptyCaptionsAndAnswers)
{
    VerbRecordBuilder record('n');
    record.fillEveryForm();
    record.rawLine(11, "n caption");
    record.rawLine(13, "");
    record.rawLine(14, QByteArray(30, 'x'));
    const BoardContent content = board::readBoard(fileOf({record}), 0, 1);
    EXPECT_TRUE(content.caption1.isEmpty());
    EXPECT_TRUE(content.answers[4].isEmpty());
    EXPECT_TRUE(content.answers[5].isEmpty());
    EXPECT_EQ(content.answers[6], VerbRecordBuilder::sampleForm(1, 7));
}

TEST(Imperative, NormalVerbsNeverFillTheFourthBox)
{
    VerbRecordBuilder record('n');
    record.fillEveryForm();
    record.payload(250, QStringLiteral("not an answer")); // the line after the block
    const BoardContent content = board::readBoard(fileOf({record}), 0, 14);
    EXPECT_EQ(content.answers[32], VerbRecordBuilder::sampleForm(14, 33));
    EXPECT_EQ(content.answers[34], VerbRecordBuilder::sampleForm(14, 35));
    EXPECT_TRUE(content.answers[35].isEmpty());
}

struct CodeCase {
    const char *name;
    char code;
    std::optional<QString> typeName;
    QString variantsDigit;
};

class HeaderCodes : public testing::TestWithParam<CodeCase> {};

TEST_P(HeaderCodes, SetTypeAndVariants)
{
    const CodeCase &c = GetParam();
    VerbRecordBuilder record('d', c.code, c.code);
    const BoardContent content = board::readBoard(fileOf({record}), 0, 0);
    ASSERT_TRUE(content.categoryKnown());
    EXPECT_EQ(content.typeName, c.typeName);
    EXPECT_EQ(content.variantsDigit, c.variantsDigit);
}

INSTANTIATE_TEST_SUITE_P(Codes, HeaderCodes,
                         testing::Values(CodeCase{"Weak", 'w', QStringLiteral("Weak"), "1"},
                                         CodeCase{"Strong", 's', QStringLiteral("Strong"), "1"},
                                         CodeCase{"Mixed", 'm', QStringLiteral("Mixed"), "1"},
                                         CodeCase{"Irreg", 'i', QStringLiteral("Irreg"), "1"},
                                         CodeCase{"Modal", 'd', QStringLiteral("Modal"), "1"},
                                         CodeCase{"UpperCaseW", 'W', std::nullopt, "1"},
                                         CodeCase{"EmptyLine", '\0', std::nullopt, "1"},
                                         CodeCase{"Blank", ' ', std::nullopt, "1"},
                                         CodeCase{"One", '1', std::nullopt, "1"},
                                         CodeCase{"Two", '2', std::nullopt, "2"},
                                         CodeCase{"Three", '3', std::nullopt, "3"},
                                         CodeCase{"Four", '4', std::nullopt, "4"},
                                         CodeCase{"Five", '5', std::nullopt, "1"},
                                         CodeCase{"Zero", '0', std::nullopt, "1"}),
                         [](const testing::TestParamInfo<CodeCase> &info) {
                             return std::string(info.param.name);
                         });

class UnknownCategory : public testing::TestWithParam<char> {};

TEST_P(UnknownCategory, ReadsNothingElse)
{
    VerbRecordBuilder record(GetParam(), 'w', '3');
    QList<QByteArray> lines = record.lines();
    // Payloads everywhere, so anything read would show.
    for (int i = 1; i < lines.size(); ++i)
        lines[i] += "text";
    const BoardContent content = board::readBoard(data::VerbFile(testdata::joinLines(lines)), 0, 0);
    EXPECT_FALSE(content.categoryKnown());
    EXPECT_FALSE(content.typeName.has_value());
    EXPECT_TRUE(content.caption1.isEmpty());
    EXPECT_TRUE(content.caption2.isEmpty());
    for (const QString &answer : content.answers)
        EXPECT_TRUE(answer.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Codes, UnknownCategory, testing::Values('R', 'S', 'x', ' ', '\0'));

TEST(NoTense, ReadsTheHeaderOnly)
{
    VerbRecordBuilder record('r', 'i', '4');
    record.fillEveryForm();
    const BoardContent content = board::readBoard(fileOf({record}), 0, -1);
    EXPECT_TRUE(content.categoryKnown());
    EXPECT_EQ(content.typeName, QStringLiteral("Irreg"));
    EXPECT_EQ(content.variantsDigit, u"4");
    EXPECT_TRUE(content.caption1.isEmpty());
    for (const QString &answer : content.answers)
        EXPECT_TRUE(answer.isEmpty());
}

TEST(Records, EachReadsOnlyItsOwnLines)
{
    VerbRecordBuilder first('n', 'w', '1');
    VerbRecordBuilder second('r', 's', '2');
    VerbRecordBuilder third('d', 'd', '3');
    first.form(13, 1, QStringLiteral("erste"));
    second.form(13, 1, QStringLiteral("zweite"));
    third.form(13, 1, QStringLiteral("dritte"));
    for (auto lineEnd : {testdata::LineEnd::CrLf, testdata::LineEnd::Lf, testdata::LineEnd::Cr}) {
        const data::VerbFile file = fileOf({first, second, third}, lineEnd);
        EXPECT_EQ(board::readBoard(file, 0, 13).answers[0], u"erste");
        EXPECT_EQ(board::readBoard(file, 1, 13).answers[0], u"zweite");
        EXPECT_EQ(board::readBoard(file, 2, 13).answers[0], u"dritte");
        EXPECT_EQ(board::readBoard(file, 1, 13).typeName, QStringLiteral("Strong"));
    }
}

TEST(Records, MissingRecordReadsAsUnknown)
{
    const data::VerbFile file = fileOf({VerbRecordBuilder('n')});
    EXPECT_FALSE(board::readBoard(file, 1, 0).categoryKnown());
    EXPECT_FALSE(board::readBoard(file, -1, 0).categoryKnown());
    EXPECT_FALSE(board::readBoard(data::VerbFile(), 0, 0).categoryKnown());
}

TEST(Records, TruncatedRecordGivesEmptyLinesNotOthersLines)
{
    VerbRecordBuilder record('r');
    record.fillEveryForm();
    QList<QByteArray> lines = record.lines();
    lines.resize(380); // cuts into tense 13's block
    const BoardContent content =
        board::readBoard(data::VerbFile(testdata::joinLines(lines)), 0, 13);
    EXPECT_EQ(content.answers[0], VerbRecordBuilder::sampleForm(13, 1));
    EXPECT_TRUE(content.answers[31].isEmpty());
    EXPECT_TRUE(
        board::readBoard(data::VerbFile(testdata::joinLines(lines)), 0, 14).caption1.isEmpty());
}

} // namespace
