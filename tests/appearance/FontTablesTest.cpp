// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance/FontGroups.h"
#include "appearance/FontStyle.h"

#include <gtest/gtest.h>

#include <QSet>

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

TEST(FontGroups, SeventyNineDistinctControls)
{
    const QStringList names = allGroupControls();
    EXPECT_EQ(names.size(), 79);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 79);
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
