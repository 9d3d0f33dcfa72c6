// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics/ChartLayout.h"

#include <algorithm>
#include <cmath>

namespace statistics {

namespace {

double widest(const QList<QString> &texts, const TextMeasure &measure)
{
    double width = 0;
    for (const QString &text : texts)
        width = std::max(width, measure.width(text));
    return width;
}

QString tickText(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

Scale roundScale(double largest, int maxSteps, double minimumStep)
{
    maxSteps = std::max(maxSteps, 1);
    if (!(largest > 0)) // zero, negative or NaN: an empty axis up to one step
        return {minimumStep, minimumStep};
    // Walk 1, 2, 5, 10, 20, ... times the power of ten below the finest step that could do.
    double power = std::pow(10.0, std::floor(std::log10(largest / maxSteps)));
    for (;; power *= 10) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            const double step = factor * power;
            if (step < minimumStep)
                continue;
            const double steps = std::ceil(largest / step - 1e-9);
            if (steps <= maxSteps)
                return {steps * step, step};
        }
    }
}

QString elidedToWidth(const QString &text, double width, const TextMeasure &measure)
{
    if (measure.width(text) <= width)
        return text;
    const QString ellipsis(QChar(0x2026));
    for (qsizetype keep = text.size() - 1; keep >= 0; --keep) {
        const QString shortened = text.left(keep).trimmed() + ellipsis;
        if (measure.width(shortened) <= width)
            return shortened;
    }
    return {};
}

ChartLayout columnChartLayout(const QList<ChartValue> &values, const QRectF &area,
                              const TextMeasure &measure, KeptLabel kept)
{
    ChartLayout layout;
    const double line = measure.lineHeight;
    const double gap = line / 2;
    // Half a line above for the top tick's label; a line and a gap below for the day labels.
    const double top = area.top() + line / 2;
    const double bottom = area.bottom() - line - gap;
    if (values.isEmpty() || bottom - top < line)
        return layout;

    double largest = 0;
    for (const ChartValue &value : values)
        largest = std::max(largest, value.value);
    // Ticks at least a line and a half apart, so their labels never touch.
    const int maxSteps = std::clamp(int((bottom - top) / (1.5 * line)), 1, 5);
    const Scale scale = roundScale(largest, maxSteps);
    QList<QString> ticks;
    for (double tick = 0; tick <= scale.maximum + scale.step / 2; tick += scale.step)
        ticks << tickText(tick);
    const double axisWidth = widest(ticks, measure) + gap;
    QList<QString> labels;
    for (const ChartValue &value : values)
        labels << value.label;
    const double widestLabel = widest(labels, measure);
    // Room on the right for half of the last column's label, centred under it.
    const double lastSlot = (area.width() - axisWidth) / values.size();
    const double rightMargin = std::max(0.0, (widestLabel - lastSlot) / 2);
    layout.plot =
        QRectF(area.left() + axisWidth, top, area.width() - axisWidth - rightMargin, bottom - top);
    const QRectF &plot = layout.plot;
    if (plot.width() <= 0)
        return layout;

    auto heightOf = [&](double value) {
        return std::clamp(value / scale.maximum, 0.0, 1.0) * plot.height();
    };
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        const double y = plot.bottom() - heightOf(i * scale.step);
        layout.gridLines << QLineF(plot.left(), y, plot.right(), y);
        layout.texts.append({ticks[i], QRectF(area.left(), y - line / 2, axisWidth - gap, line),
                             PlacedText::Right});
    }

    const double slot = plot.width() / values.size();
    const double barWidth = std::max(1.0, slot * 0.7);
    for (qsizetype i = 0; i < values.size(); ++i) {
        const double height = heightOf(values[i].value);
        const double left = plot.left() + i * slot + (slot - barWidth) / 2;
        layout.bars << (height > 0 ? QRectF(left, plot.bottom() - height, barWidth, height)
                                   : QRectF());
    }

    const int every = std::max(1, int(std::ceil((widestLabel + gap) / slot)));
    const qsizetype keptIndex = kept == KeptLabel::Last ? values.size() - 1 : 0;
    for (qsizetype i = keptIndex % every; i < values.size(); i += every) {
        // Centred under its column, as wide as the columns it stands for; the first is kept
        // clear of the scale's labels.
        const double centre = plot.left() + (i + 0.5) * slot;
        const double left = std::max(centre - every * slot / 2, plot.left());
        const double right = std::min(centre + every * slot / 2, area.right());
        layout.texts.append({elidedToWidth(labels[i], right - left, measure),
                             QRectF(left, plot.bottom() + gap / 2, right - left, line),
                             PlacedText::Centre});
    }
    return layout;
}

double rowChartHeight(int rows, const TextMeasure &measure)
{
    return std::max(rows, 0) * 1.5 * measure.lineHeight;
}

ChartLayout rowChartLayout(const QList<ChartValue> &values, double maximum, const QRectF &area,
                           const TextMeasure &measure)
{
    ChartLayout layout;
    const double line = measure.lineHeight;
    const double gap = line / 2;
    const double rowHeight = 1.5 * line;
    QList<QString> labels, valueTexts;
    for (const ChartValue &value : values) {
        labels << value.label;
        valueTexts << value.valueText;
    }
    const double labelWidth = std::min(widest(labels, measure), 0.45 * area.width()) + gap;
    const double valueWidth = std::min(widest(valueTexts, measure), 0.3 * area.width()) + gap;
    layout.plot = QRectF(area.left() + labelWidth, area.top(),
                         area.width() - labelWidth - valueWidth, values.size() * rowHeight);
    const QRectF &plot = layout.plot;
    if (values.isEmpty() || plot.width() <= 0 || !(maximum > 0))
        return layout;

    layout.gridLines << QLineF(plot.topLeft(), plot.bottomLeft())
                     << QLineF(plot.topRight(), plot.bottomRight());
    for (qsizetype i = 0; i < values.size(); ++i) {
        const double y = area.top() + i * rowHeight;
        const double length = std::clamp(values[i].value / maximum, 0.0, 1.0) * plot.width();
        layout.bars << (length > 0
                            ? QRectF(plot.left(), y + 0.2 * rowHeight, length, 0.6 * rowHeight)
                            : QRectF());
        layout.texts.append({elidedToWidth(labels[i], labelWidth - gap, measure),
                             QRectF(area.left(), y, labelWidth - gap, rowHeight),
                             PlacedText::Left});
    }
    for (qsizetype i = 0; i < values.size(); ++i)
        layout.texts.append(
            {elidedToWidth(valueTexts[i], valueWidth - gap, measure),
             QRectF(plot.right() + gap, area.top() + i * rowHeight, valueWidth - gap, rowHeight),
             PlacedText::Left});
    return layout;
}

} // namespace statistics
