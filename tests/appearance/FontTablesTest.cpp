// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ControlTable.h"
#include "appearance/FontGroups.h"
#include "appearance/FontStyle.h"

#include <gtest/gtest.h>

#include <QSet>

#include <algorithm>

namespace {

const QString Franklin = QStringLiteral("Franklin Gothic Medium");

QStringList numbered(const QString &prefix, int first, int last)
{
    QStringList names;
    for (int number = first; number <= last; ++number)
        names.append(prefix + QString::number(number));
    return names;
}

QStringList allGroupControls()
{
    QStringList names;
    for (const auto &group : appearance::fontGroups())
        names += group.controls;
    return names;
}

// What each group must hold, written out independently of the code's table.
struct GroupCase {
    const char *label;
    QStringList controls;
    int defaultSize;
    int sizeAfterChangeWithEntrySize12;
    bool takesChosenTypeface;
};

void PrintTo(const GroupCase &c, std::ostream *os)
{
    *os << c.label;
}

class FontGroupTable : public testing::TestWithParam<GroupCase> {};

TEST_P(FontGroupTable, DefaultSetGivesTheDesignTypefaceAtTheDefaultSize)
{
    const GroupCase &expected = GetParam();
    const auto steps = appearance::defaultFontSet();
    for (const QString &control : expected.controls) {
        const auto step = std::find_if(steps.begin(), steps.end(),
                                       [&](const auto &s) { return s.control == control; });
        ASSERT_NE(step, steps.end()) << control.toStdString();
        EXPECT_EQ(step->typeface, Franklin) << control.toStdString();
        EXPECT_EQ(step->pointSize, expected.defaultSize) << control.toStdString();
    }
}

TEST_P(FontGroupTable, FontChangeGivesTheChosenTypefaceAndItsSize)
{
    const GroupCase &expected = GetParam();
    const auto steps = appearance::fontChange(QStringLiteral("DejaVu Serif"), 12);
    for (const QString &control : expected.controls) {
        const auto step = std::find_if(steps.begin(), steps.end(),
                                       [&](const auto &s) { return s.control == control; });
        ASSERT_NE(step, steps.end()) << control.toStdString();
        EXPECT_EQ(step->typeface,
                  expected.takesChosenTypeface ? QStringLiteral("DejaVu Serif") : Franklin)
            << control.toStdString();
        EXPECT_EQ(step->pointSize, expected.sizeAfterChangeWithEntrySize12)
            << control.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    SixGroups, FontGroupTable,
    testing::Values(
        GroupCase{"Headings", {"Label10", "Label11", "Label14"}, 14, 14, true},
        GroupCase{"PersonLabels",
                  numbered("Label", 1, 8) + QStringList{"Label19", "Label20", "Label21"}, 12, 12,
                  true},
        GroupCase{"Lists",
                  {"ComboBox1", "ComboBox2", "AlphaEdit", "ComboBox5", "ComboBox6"},
                  12,
                  12,
                  true},
        GroupCase{"Commands",
                  {"btnTestAnswers", "btnTestAnswersRestore",
                   "btnShowAll",     "btnShowAllRestore",
                   "btnShowCorrect", "btnShowCorrectRestore",
                   "btnShowRand",    "leftCopy",
                   "leftPaste",      "btnVar",
                   "rightCopy",      "rightPaste",
                   "panTy",          "btnUmlauta",
                   "btnUmlauto",     "btnUmlautu",
                   "btnSzet",        "btnUmlautaR",
                   "btnUmlautoR",    "btnUmlautuR",
                   "btnSzetR"},
                  12,
                  12,
                  true},
        GroupCase{"AnswerBoxes", numbered("E", 1, 36) + QStringList{"EdS4"}, 10, 12, true},
        GroupCase{"RecordCaptions", {"Label9", "Label15"}, 16, 16, false}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(FontGroups, SeventyNineDistinctControlsThatAllExistOnTheWindow)
{
    const QStringList names = allGroupControls();
    EXPECT_EQ(names.size(), 79);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 79);
    QSet<QString> windowControls;
    for (const app::ControlSpec &control : app::controlTable())
        windowControls.insert(control.name);
    for (const QString &name : names)
        EXPECT_TRUE(windowControls.contains(name)) << name.toStdString();
}

TEST(FontGroups, LeaveOutTheChooserTheSmallButtonsTheHelpPanelAndTheScratchBox)
{
    const QStringList names = allGroupControls() + appearance::styleGroup();
    for (const char *outside :
         {"ComboBox4", "btnFont", "btnHelp", "btnAlpha", "helppanel", "HelpMemo", "btnHelpClose",
          "SecretCheckBox", "SpChar", "Panel1", "Panel2", "MessageDialog1"})
        EXPECT_FALSE(names.contains(QString::fromLatin1(outside))) << outside;
    EXPECT_FALSE(allGroupControls().contains(QStringLiteral("Label12")));
}

TEST(FontChange, RoutinesVisitTheControlsInTableOrderWithCaptionsLast)
{
    const auto defaults = appearance::defaultFontSet();
    const auto change = appearance::fontChange(QStringLiteral("X"), 9);
    ASSERT_EQ(defaults.size(), 79u);
    ASSERT_EQ(change.size(), 79u);
    const QStringList names = allGroupControls();
    for (int i = 0; i < 79; ++i) {
        EXPECT_EQ(defaults[i].control, names[i]);
        EXPECT_EQ(change[i].control, names[i]);
    }
    EXPECT_EQ(change.front().control, u"Label10");
    EXPECT_EQ(change[77].control, u"Label9");
    EXPECT_EQ(change[78].control, u"Label15");
}

TEST(FontChange, WithoutASelectionOnlySizesApplyExceptOnTheCaptions)
{
    for (const auto &step : appearance::fontChange(QString(), 8)) {
        const bool caption = step.control == u"Label9" || step.control == u"Label15";
        EXPECT_EQ(step.typeface, caption ? Franklin : QString()) << step.control.toStdString();
        EXPECT_GE(step.pointSize, 8) << step.control.toStdString();
    }
}

TEST(FontChange, AnswerBoxesTakeTheEntryFontSizeThatTheDefaultSetIgnores)
{
    const QStringList answerBoxes = numbered("E", 1, 36) + QStringList{"EdS4"};
    const auto at8 = appearance::fontChange(QStringLiteral("Y"), 8);
    const auto at12 = appearance::fontChange(QStringLiteral("Y"), 12);
    ASSERT_EQ(at8.size(), at12.size());
    for (size_t i = 0; i < at8.size(); ++i) {
        if (answerBoxes.contains(at8[i].control)) {
            EXPECT_EQ(at8[i].pointSize, 8) << at8[i].control.toStdString();
            EXPECT_EQ(at12[i].pointSize, 12) << at12[i].control.toStdString();
        } else {
            EXPECT_EQ(at8[i].pointSize, at12[i].pointSize) << at8[i].control.toStdString();
        }
    }
    for (const auto &step : appearance::defaultFontSet()) {
        if (answerBoxes.contains(step.control)) {
            EXPECT_EQ(step.pointSize, 10) << step.control.toStdString();
        }
    }
}

TEST(StyleGroup, EightyControlsInTheirOrderWithLabel12)
{
    const QStringList &names = appearance::styleGroup();
    ASSERT_EQ(names.size(), 80);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 80);
    QStringList expectedStart = numbered("Label", 1, 12);
    expectedStart += QStringList{"Label14",   "Label15",   "Label19",   "Label20",   "Label21",
                                 "ComboBox1", "ComboBox2", "AlphaEdit", "ComboBox5", "ComboBox6"};
    EXPECT_EQ(names.mid(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(names.indexOf(QStringLiteral("panTy")), 31);
    EXPECT_EQ(names.indexOf(QStringLiteral("btnVar")), 40);
    EXPECT_EQ(names.indexOf(QStringLiteral("rightPaste")), 42);
    EXPECT_EQ(names.mid(43, 36), numbered("E", 1, 36));
    EXPECT_EQ(names.last(), u"EdS4");
    // The font groups and Label12, nothing else.
    const QStringList groupControls = allGroupControls();
    QSet<QString> groups(groupControls.begin(), groupControls.end());
    groups.insert(QStringLiteral("Label12"));
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()), groups);
}

struct StyleCase {
    int index;
    bool bold;
    bool italic;
};

class StyleChoice : public testing::TestWithParam<StyleCase> {};

TEST_P(StyleChoice, ReplacesBoldAndItalicAndKeepsUnderlineAndStrikeOut)
{
    const StyleCase &c = GetParam();
    for (int before = 0; before < 16; ++before) {
        const appearance::FontStyle current{bool(before & 1), bool(before & 2), bool(before & 4),
                                            bool(before & 8)};
        const appearance::FontStyle after = appearance::withStyleChoice(current, c.index);
        EXPECT_EQ(after.bold, c.bold) << before;
        EXPECT_EQ(after.italic, c.italic) << before;
        EXPECT_EQ(after.underline, current.underline) << before;
        EXPECT_EQ(after.strikeOut, current.strikeOut) << before;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryIndex, StyleChoice,
                         testing::Values(StyleCase{-1, false, false}, StyleCase{0, false, false},
                                         StyleCase{1, true, false}, StyleCase{2, false, true},
                                         StyleCase{3, true, true}, StyleCase{4, false, false}));

TEST(SizeChoice, IndexesZeroToFourGiveEightToTwelvePoints)
{
    EXPECT_EQ(appearance::entryFontSizeForChoice(-1), std::nullopt);
    for (int index = 0; index <= 4; ++index)
        EXPECT_EQ(appearance::entryFontSizeForChoice(index), 8 + index) << index;
    EXPECT_EQ(appearance::entryFontSizeForChoice(5), std::nullopt);
    EXPECT_EQ(appearance::InitialEntryFontSize, 10);
}

} // namespace
