// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/VerbFile.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>

namespace {

const QByteArray Prefix = "r2345678901234567890123456789x"; // 30 characters

TEST(LinePrefix, IsThirtyCharacters)
{
    ASSERT_EQ(Prefix.size(), data::VerbFile::PrefixLength);
    EXPECT_EQ(data::payloadText(QByteArray(Prefix + "gehe")), u"gehe");
    EXPECT_EQ(data::answerText(QByteArray(Prefix + "gehe")), u"gehe");
}

// A record's header, read with the file, from both kinds of file alike.
struct HeaderCase {
    const char *name;
    QByteArray lines; // record lines 0 to 2, or fewer
    const char *codes;
    std::optional<data::Category> category;
    std::optional<data::VerbType> type;
    int variants;
    bool impersonal;
    bool noImperative;
    std::array<std::string, 3> payloads; // name, principal parts, meaning
};

class Header : public testing::TestWithParam<HeaderCase> {};

TEST_P(Header, IsReadOnceFromLinesZeroToTwo)
{
    const HeaderCase &c = GetParam();
    for (const data::VerbFile &file :
         {data::VerbFile(c.lines), data::VerbFile::payloadsOf(c.lines)}) {
        const data::RecordHeader &h = file.header(0);
        const auto text = [](QByteArrayView bytes) { return bytes.toByteArray().toStdString(); };
        EXPECT_EQ(std::string({h.categoryCode, h.typeCode, h.variantsCode}),
                  std::string(c.codes, 3));
        EXPECT_EQ(std::tuple(h.category, h.type, h.variants, h.impersonal, h.noImperative),
                  std::tuple(c.category, c.type, c.variants, c.impersonal, c.noImperative));
        EXPECT_EQ(std::tuple(text(h.name), text(h.principalParts), text(h.meaning)),
                  std::tuple(c.payloads[0], c.payloads[1], c.payloads[2]));
        EXPECT_EQ(file.header(1), data::RecordHeader()); // no second record
    }
}

using data::Category;
using data::VerbType;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lines, Header, testing::Values(
    HeaderCase{"Codes",
               "n verb (list entry)           gehen\r\n"
               "s00 caption parts             ging, ist gegangen\n"
               "200 caption Engl.             to go\r",
               "ns2", Category::Normal, VerbType::Strong, 2, false, false,
               {"gehen", "ging, ist gegangen", "to go"}},
    HeaderCase{"Impersonal", "n impersonal verb             regnen\nw\n4", "nw4",
               Category::Normal, VerbType::Weak, 4, true, false, {"regnen", "", ""}},
    HeaderCase{"NoImperative", "s verb, no imperative         leidtun\rm\r1", "sm1",
               Category::Separable, VerbType::Mixed, 1, false, true, {"leidtun", "", ""}},
    // Only the label counts: not the code in character 1, not the payload.
    HeaderCase{"WordsOutsideTheLabel", "impersonal-------------------- no imperative\nd\n3",
               "id3", std::nullopt, VerbType::Modal, 3, false, false, {" no imperative", "", ""}},
    HeaderCase{"CodesAreExact", "R\nW\n5", "RW5", std::nullopt, std::nullopt, 1, false, false,
               {"", "", ""}},
    HeaderCase{"EmptyLines", "\n\n\n", "\0\0\0", std::nullopt, std::nullopt, 1, false, false,
               {"", "", ""}},
    // A trailing part-record: its missing lines read as empty.
    HeaderCase{"OnlyLineZero", "d Rad fahren", "d\0\0", Category::TwoWord, std::nullopt, 1, false,
               false, {"", "", ""}}),
    [](const testing::TestParamInfo<HeaderCase> &info) { return std::string(info.param.name); });
// clang-format on

struct PartsCase {
    const char *name;
    QByteArray line;
    QString payload; // untrimmed, as captions show it
    QString answer;  // trimmed, as answer slots hold it
};

class LineParts : public testing::TestWithParam<PartsCase> {};

TEST_P(LineParts, PayloadUntrimmedAnswerTrimmed)
{
    const PartsCase &c = GetParam();
    EXPECT_EQ(data::payloadText(c.line), c.payload);
    EXPECT_EQ(data::answerText(c.line), c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    Payloads, LineParts,
    testing::Values(PartsCase{"Empty", "", "", ""},
                    PartsCase{"ShorterThanPrefix", "n short", "", ""},
                    PartsCase{"ExactlyPrefix", Prefix, "", ""},
                    PartsCase{"OneCharacter", Prefix + "a", "a", "a"},
                    PartsCase{"BlanksAround", Prefix + "  gehe  ", "  gehe  ", "gehe"},
                    PartsCase{"TabsAround", Prefix + "\tgehe\t", "\tgehe\t", "gehe"},
                    PartsCase{"InnerBlankKept", Prefix + " bin | gegangen ", " bin | gegangen ",
                              "bin | gegangen"},
                    PartsCase{"BlanksOnly", Prefix + "   \t ", "   \t ", ""},
                    PartsCase{"ControlCharacters",
                              Prefix + "\x01\x1f"
                                       "ab\x7f\x02",
                              QString::fromLatin1("\x01\x1f"
                                                  "ab\x7f\x02"),
                              QStringLiteral("ab\x7f")},
                    PartsCase{"NoBreakSpaceIsNotTrimmed",
                              Prefix + "\xa0"
                                       "ab",
                              QStringLiteral(u"\u00a0ab"), QStringLiteral(u"\u00a0ab")},
                    PartsCase{"Umlauts", Prefix + "\xe4\xf6\xfc\xdf", QStringLiteral(u"äöüß"),
                              QStringLiteral(u"äöüß")},
                    PartsCase{"HighBlock", Prefix + " \x80\x84\x93 ", QStringLiteral(u" €„“ "),
                              QStringLiteral(u"€„“")}),
    [](const testing::TestParamInfo<PartsCase> &info) { return std::string(info.param.name); });

TEST(Windows1252, DecodesEveryByteAndEncodesItBack)
{
    QByteArray all;
    for (int byte = 1; byte < 256; ++byte)
        all.append(char(byte));
    const QString text = data::decodeWindows1252(all);
    ASSERT_EQ(text.size(), all.size());
    bool ok = false;
    EXPECT_EQ(data::encodeWindows1252(text, &ok), all);
    EXPECT_TRUE(ok);
}

struct CodePoint {
    unsigned char byte;
    char16_t character;
};

class Windows1252High : public testing::TestWithParam<CodePoint> {};

TEST_P(Windows1252High, MapsTheByte)
{
    const CodePoint c = GetParam();
    EXPECT_EQ(data::decodeWindows1252(QByteArray(1, char(c.byte))), QString(QChar(c.character)));
    EXPECT_EQ(data::encodeWindows1252(QString(QChar(c.character))), QByteArray(1, char(c.byte)));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Windows1252High,
    testing::Values(CodePoint{0x80, u'€'}, CodePoint{0x81, 0x0081}, CodePoint{0x82, u'‚'},
                    CodePoint{0x8A, u'Š'}, CodePoint{0x8C, u'Œ'}, CodePoint{0x8D, 0x008D},
                    CodePoint{0x8E, u'Ž'}, CodePoint{0x8F, 0x008F}, CodePoint{0x90, 0x0090},
                    CodePoint{0x91, u'‘'}, CodePoint{0x96, u'–'}, CodePoint{0x97, u'—'},
                    CodePoint{0x99, u'™'}, CodePoint{0x9D, 0x009D}, CodePoint{0x9F, u'Ÿ'},
                    CodePoint{0xA0, 0x00A0}, CodePoint{0xC4, u'Ä'}, CodePoint{0xFF, u'ÿ'}));

TEST(Windows1252, ReportsCharactersOutsideTheCodePage)
{
    bool ok = true;
    EXPECT_EQ(data::encodeWindows1252(QStringLiteral(u"a\u0100b"), &ok), "a?b");
    EXPECT_FALSE(ok);
    // U+0080 is a control character, not the euro sign the byte 0x80 stands for.
    ok = true;
    data::encodeWindows1252(QString(QChar(0x80)), &ok);
    EXPECT_FALSE(ok);
    ok = true;
    data::encodeWindows1252(QStringLiteral(u"😀"), &ok);
    EXPECT_FALSE(ok);
    ok = false;
    EXPECT_EQ(data::encodeWindows1252(QString(), &ok), QByteArray());
    EXPECT_TRUE(ok);
}

} // namespace
