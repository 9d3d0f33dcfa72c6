// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts/FontList.h"

#include <gtest/gtest.h>

namespace {

using namespace fonts;

FontFamilyInfo family(const char *name, int typeBits, FontCharset charset, bool fixed = false)
{
    return {QString::fromLatin1(name), typeBits, charset, fixed};
}

const FontFamilyInfo Arial = family("Arial", FontTag::TrueType, FontCharset::Ansi);
const FontFamilyInfo Courier = family("Courier", FontTag::Raster, FontCharset::Ansi, true);
const FontFamilyInfo Symbol = family("Symbol", FontTag::TrueType, FontCharset::Symbol);
const FontFamilyInfo Terminal = family("Terminal", FontTag::Raster, FontCharset::Oem, true);
const FontFamilyInfo Printer = family("Printer Roman", FontTag::Device, FontCharset::Other);

struct AcceptCase {
    const char *name;
    FontOptions options;
    QStringList accepted; // of Arial, Courier, Symbol, Terminal, Printer Roman
};

class FontOptionFilter : public testing::TestWithParam<AcceptCase> {};

TEST_P(FontOptionFilter, AcceptsTheFamiliesOfItsRule)
{
    QStringList accepted;
    for (const FontFamilyInfo &f : {Arial, Courier, Symbol, Terminal, Printer}) {
        if (fontOptionsAccept(GetParam().options, f))
            accepted.append(f.name);
    }
    EXPECT_EQ(accepted, GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Options, FontOptionFilter,
    testing::Values(
        AcceptCase{"Ansi", foAnsi, {"Arial", "Courier"}},
        AcceptCase{"Fixed", foFixed, {"Courier", "Terminal"}},
        AcceptCase{"NoSymbol", foNoSymbol, {"Arial", "Courier", "Terminal", "Printer Roman"}},
        AcceptCase{"NonOEM", foNonOEM, {"Arial", "Courier", "Symbol", "Printer Roman"}},
        AcceptCase{"OEMFont", foOEMFont, {"Terminal"}},
        AcceptCase{"Scalable", foScalable, {"Arial", "Symbol", "Printer Roman"}},
        AcceptCase{"TrueType", foTrueType, {"Arial", "Symbol"}},
        AcceptCase{"None", FontOptions(), {}},
        AcceptCase{"AnyOfTwo", foOEMFont | foTrueType, {"Arial", "Symbol", "Terminal"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FontTags, TypeBitsPlus256ForNonSymbolFonts)
{
    EXPECT_EQ(fontTag(Arial), FontTag::TrueType + FontTag::NotSymbol);
    EXPECT_EQ(fontTag(Symbol), FontTag::TrueType);
    EXPECT_EQ(fontTag(Courier), FontTag::Raster + FontTag::NotSymbol);
    EXPECT_EQ(fontTag(Printer), FontTag::Device + FontTag::NotSymbol);
}

QStringList names(const QList<FontListEntry> &entries)
{
    QStringList result;
    for (const FontListEntry &entry : entries)
        result.append(entry.name);
    return result;
}

TEST(FontListBuild, SortedIgnoringCaseWithoutDuplicates)
{
    const QList<FontFamilyInfo> reported = {
        family("zapf", FontTag::TrueType, FontCharset::Ansi),   Arial, Symbol,
        family("ARIAL", FontTag::Raster, FontCharset::Ansi), // the same family, reported again
        family("Bodoni", FontTag::TrueType, FontCharset::Ansi), Arial};
    const QList<FontListEntry> list = buildFontList(reported, allFontOptions());
    EXPECT_EQ(names(list), (QStringList{"Arial", "Bodoni", "Symbol", "zapf"}));
    // The first report of a name is the one listed.
    EXPECT_EQ(list[0].tag, FontTag::TrueType + FontTag::NotSymbol);
}

TEST(FontListBuild, FilteredOutFamilyDoesNotHideALaterOneOfTheSameName)
{
    const QList<FontFamilyInfo> reported = {family("Mono", FontTag::Raster, FontCharset::Ansi),
                                            family("mono", FontTag::TrueType, FontCharset::Ansi)};
    const QList<FontListEntry> list = buildFontList(reported, foTrueType);
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].name, "mono");
}

TEST(FontListBuild, AllButScalableListsEveryFamily)
{
    const QList<FontFamilyInfo> reported = {Arial, Courier, Symbol, Terminal, Printer};
    EXPECT_EQ(buildFontList(reported, allFontOptions() & ~FontOptions(foScalable)).size(), 5);
}

TEST(FontListBuild, FindsEntriesIgnoringCase)
{
    const QList<FontListEntry> list = buildFontList({Arial, Symbol}, allFontOptions());
    EXPECT_EQ(findFontEntry(list, "symbol"), 1);
    EXPECT_EQ(findFontEntry(list, "Arial "), -1);
    EXPECT_EQ(findFontEntry(list, ""), -1);
}

TEST(FontFamilyNames, TheFoundryTheDatabaseAddsIsDropped)
{
    const std::pair<const char *, const char *> names[] = {
        {"C059 [urw]", "C059"},
        {"D050000L [URW ]", "D050000L"}, // a vendor code padded with a blank
        {"Nimbus Sans Narrow [UKWN]", "Nimbus Sans Narrow"},
        {"DejaVu Sans", "DejaVu Sans"},
        {"[urw]", "[urw]"}, // no family before it
        {"Odd ] Name", "Odd ] Name"},
    };
    for (const auto &[reported, family] : names)
        EXPECT_EQ(familyWithoutFoundry(QString::fromLatin1(reported)), QString::fromLatin1(family))
            << reported;
}

} // namespace
