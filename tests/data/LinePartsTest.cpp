// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/VerbFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const QByteArray Prefix = "r2345678901234567890123456789x"; // 30 characters

TEST(LinePrefix, IsThirtyCharacters)
{
    ASSERT_EQ(Prefix.size(), data::VerbFile::PrefixLength);
    EXPECT_EQ(data::payloadText(QByteArray(Prefix + "gehe")), u"gehe");
    EXPECT_EQ(data::answerText(QByteArray(Prefix + "gehe")), u"gehe");
}

TEST(LineCode, IsTheFirstCharacterOrNul)
{
    EXPECT_EQ(data::lineCode(QByteArrayView(Prefix)), 'r');
    EXPECT_EQ(data::lineCode(QByteArrayView("R")), 'R');
    EXPECT_EQ(data::lineCode(QByteArrayView()), '\0');
    EXPECT_EQ(data::lineCode(QByteArrayView(" n")), ' ');
}

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
