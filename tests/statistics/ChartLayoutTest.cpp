// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics/ChartLayout.h"
#include "appearance/Contrast.h"
#include "statistics/ChartColours.h"
#include "statistics/FigureText.h"

#include <QPalette>

#include <gtest/gtest.h>

using namespace statistics;

namespace {

// Every character 10 wide, lines 20 high: positions can be worked out by hand.
const TextMeasure Fixed{[](const QString &text) { return 10.0 * text.size(); }, 20};

struct ScaleRow {
    double largest;
    int maxSteps;
    Scale expected;
};

class RoundScale : public testing::TestWithParam<ScaleRow> {};

TEST_P(RoundScale, HoldsTheLargestInRoundSteps)
{
    EXPECT_EQ(roundScale(GetParam().largest, GetParam().maxSteps), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Counts, RoundScale,
                         testing::Values(ScaleRow{0, 5, {1, 1}}, // no reviews: still an axis
                                         ScaleRow{1, 5, {1, 1}}, // no half boards
                                         ScaleRow{5, 5, {5, 1}}, // exactly on a tick: no extra step
                                         ScaleRow{6, 5, {6, 2}}, // 6 in steps of 1 is one too many
                                         ScaleRow{37, 5, {40, 10}},    // the next round ten
                                         ScaleRow{101, 5, {150, 50}},  // 20 would need 6 steps
                                         ScaleRow{101, 1, {200, 200}}, // a low chart: one step
                                         ScaleRow{1e6, 4, {1e6, 5e5}}));

struct ThinningRow {
    KeptLabel kept;
    const char *first;
    const char *last;
};

class ColumnChart : public testing::TestWithParam<ThinningRow> {};

TEST_P(ColumnChart, BarsStandOnTheBaselineInProportionAndLabelsThinToFit)
{
    QList<ChartValue> days;
    for (int i = 0; i < 30; ++i)
        days.append({QStringLiteral("d%1").arg(i, 2, 10, QLatin1Char('0')), double(i % 7), {}});
    const ChartLayout layout =
        columnChartLayout(days, QRectF(0, 0, 600, 200), Fixed, GetParam().kept);
    ASSERT_EQ(layout.bars.size(), 30);
    const double unit = layout.bars[1].height();
    const double slot = layout.plot.width() / 30;
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(layout.bars[i].isEmpty(), i % 7 == 0) << "a day without reviews has no bar";
        if (i % 7 == 0)
            continue;
        EXPECT_DOUBLE_EQ(layout.bars[i].bottom(), layout.plot.bottom()) << i;
        EXPECT_NEAR(layout.bars[i].height(), unit * (i % 7), 1e-9) << i;
        EXPECT_GE(layout.bars[i].left(), layout.plot.left() + i * slot) << "outside its slot";
        EXPECT_LE(layout.bars[i].right(), layout.plot.left() + (i + 1) * slot) << i;
    }
    // Ticks 0 to 6 in steps of 2 (1 would need 6 steps), then the day labels: 30 px and a
    // 10 px gap need more than two of the 19 px slots, so every third shows, today's included.
    const QList<PlacedText> labels = layout.texts.mid(layout.gridLines.size());
    EXPECT_EQ(layout.gridLines.size(), 4);
    ASSERT_EQ(labels.size(), 10);
    EXPECT_EQ(labels.front().text, QLatin1String(GetParam().first));
    EXPECT_EQ(labels.back().text, QLatin1String(GetParam().last));
    for (qsizetype i = 1; i < labels.size(); ++i)
        EXPECT_GE(labels[i].rect.left(), labels[i - 1].rect.right() - 1e-9) << "overlapping";
    for (const PlacedText &text : layout.texts)
        EXPECT_TRUE(QRectF(0, 0, 600, 200).contains(text.rect)) << text.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(TodayKept, ColumnChart,
                         testing::Values(ThinningRow{KeptLabel::Last, "d02", "d29"},
                                         ThinningRow{KeptLabel::First, "d00", "d27"}));

TEST(RowChart, LongLabelsAreShortenedAndBarsGrowWithTheShare)
{
    const QList<ChartValue> rows = {
        {QStringLiteral("Indikativ Präsens"), 1.0, QStringLiteral("100 % (4 of 4)")},
        {QStringLiteral("Konjunktiv II Plusquamperfekt"), 0.25, QStringLiteral("25 % (1 of 4)")},
        {QStringLiteral("Imperativ"), 0.0, QStringLiteral("0 % (0 of 2)")}};
    const ChartLayout layout = rowChartLayout(rows, 1.0, QRectF(0, 0, 500, 90), Fixed);
    ASSERT_EQ(layout.bars.size(), 3);
    EXPECT_DOUBLE_EQ(layout.bars[0].width(), layout.plot.width());
    EXPECT_DOUBLE_EQ(layout.bars[1].width(), layout.plot.width() / 4);
    EXPECT_TRUE(layout.bars[2].isEmpty());
    // Labels at most 45 % of 500 = 225 px: the longest is cut to 22 characters with "…".
    EXPECT_EQ(layout.texts[1].text, QStringLiteral("Konjunktiv II Plusqua…"));
    EXPECT_EQ(layout.texts[0].text, rows[0].label);
    EXPECT_EQ(layout.texts[3].text, rows[0].valueText);
    EXPECT_GE(layout.texts[3].rect.left(), layout.plot.right());
    EXPECT_LE(layout.texts[3].rect.right(), 500);
}

TEST(ChartColours, TextAndBarsShowOnLightDarkAndPaleThemes)
{
    auto palette = [](const char *base, const char *text, const char *highlight) {
        QPalette p;
        p.setColor(QPalette::Base, QColor(base));
        p.setColor(QPalette::Text, QColor(text));
        p.setColor(QPalette::Highlight, QColor(highlight));
        return p;
    };
    for (const QPalette &p : {palette("#ffffff", "#000000", "#308cc6"),    // light
                              palette("#1e1e1e", "#e0e0e0", "#2a82da"),    // dark
                              palette("#ffffff", "#777777", "#cce8ff")}) { // pale text, highlight
        const ChartColours colours = chartColours(p);
        EXPECT_GE(appearance::contrastRatio(colours.text, colours.background), 4.5);
        EXPECT_GE(appearance::contrastRatio(colours.bar, colours.background), 3.0);
        EXPECT_NE(colours.grid, colours.background);
    }
}

TEST(FigureText, SharesDueDaysAndAgainCountsReadAsTheViewSaysThem)
{
    const QList<ChartValue> rows = shareRows({{QStringLiteral("Weak"), 3, 2}, {"Modal", 0, 0}});
    EXPECT_EQ(rows[0].valueText, QStringLiteral("67 % (2 of 3)"));
    EXPECT_DOUBLE_EQ(rows[1].value, 0.0); // no division by zero
    const QList<progress::DayCount> due = {
        {QDate(2026, 12, 8), 4}, {QDate(2026, 12, 9), 2}, {QDate(2026, 12, 15), 1}};
    EXPECT_EQ(dueSummary(due), QStringLiteral("Due today: 4. Due in the next 2 days: 3."));
    EXPECT_EQ(dueDayColumns(due)[1].label, QStringLiteral("Wed"));
    EXPECT_EQ(reviewDayColumns(due)[0].label, QStringLiteral("8 Dec"));
    EXPECT_EQ(againLines({{QStringLiteral("sein"), 1}, {QStringLiteral("gehen"), 2}}),
              QStringList({"sein: graded Again 1 time", "gehen: graded Again 2 times"}));
}

} // namespace
