// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>

#include <functional>

namespace statistics {

// One figure of a chart: a day's count, a tense's share.
struct ChartValue {
    QString label;     // under a column, or before a row's bar
    double value = 0;  // in the chart's own unit (a count, a share from 0 to 1)
    QString valueText; // what a row shows after its bar ("73 % of 15"); columns show none
};

// An axis from 0 to a round maximum, in steps of 1, 2 or 5 times a power of ten.
struct Scale {
    double maximum = 1;
    double step = 1;

    friend bool operator==(const Scale &, const Scale &) = default;
};

// The smallest round scale that holds `largest` in at most `maxSteps` steps no finer than
// `minimumStep` (1 for counts, which have no half boards).
Scale roundScale(double largest, int maxSteps = 5, double minimumStep = 1);

// How wide a text is and how tall a line, in the lettering the chart is painted with.
struct TextMeasure {
    std::function<double(const QString &)> width;
    double lineHeight = 0;
};

// `text` shortened with "…" until it is no wider than `width`; empty when not even "…" fits.
QString elidedToWidth(const QString &text, double width, const TextMeasure &measure);

struct PlacedText {
    QString text;
    QRectF rect;
    enum Align { Left, Right, Centre } align = Left;

    friend bool operator==(const PlacedText &, const PlacedText &) = default;
};

// Where everything of a chart goes, in the widget's coordinates.
struct ChartLayout {
    QRectF plot;             // the area the bars grow in
    QList<QRectF> bars;      // one per value, in the values' order; empty for a zero value
    QList<QLineF> gridLines; // the value axis's ticks across the plot, 0 first
    QList<PlacedText> texts; // tick labels, then category labels, then value texts
};

// Which column's label a chart keeps when its labels are too many to fit: today's, which is
// the last of the days past and the first of the days ahead.
enum class KeptLabel { Last, First };

// Columns growing up from a baseline, the scale's ticks on the left, the labels underneath.
// Labels too many to fit are thinned to every n-th, counted from the one kept.
ChartLayout columnChartLayout(const QList<ChartValue> &values, const QRectF &area,
                              const TextMeasure &measure, KeptLabel kept = KeptLabel::Last);

// One row per value: its label on the left (shortened to at most 45 % of the width), the bar
// growing right to `maximum`, its value text after the bar area.
ChartLayout rowChartLayout(const QList<ChartValue> &values, double maximum, const QRectF &area,
                           const TextMeasure &measure);

// The height a row chart of `rows` rows needs.
double rowChartHeight(int rows, const TextMeasure &measure);

} // namespace statistics
