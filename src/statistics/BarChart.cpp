// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics/BarChart.h"

#include "statistics/ChartColours.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace statistics {

BarChart::BarChart(Shape shape, const QString &title, QWidget *parent)
    : QWidget(parent), shape_(shape)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(title);
    setSizePolicy(QSizePolicy::Expanding,
                  shape == Shape::Columns ? QSizePolicy::Expanding : QSizePolicy::Fixed);
}

void BarChart::setValues(const QList<ChartValue> &values, double maximum)
{
    values_ = values;
    maximum_ = maximum;
    QStringList figures;
    for (const ChartValue &value : values)
        figures << value.label + QStringLiteral(": ") +
                       (value.valueText.isEmpty() ? QString::number(value.value) : value.valueText);
    setAccessibleDescription(figures.isEmpty() ? emptyText_ : figures.join(QLatin1Char('\n')));
    updateGeometry();
    update();
}

void BarChart::setEmptyText(const QString &text)
{
    emptyText_ = text;
    if (values_.isEmpty())
        setAccessibleDescription(text);
    update();
}

void BarChart::setKeptLabel(KeptLabel kept)
{
    keptLabel_ = kept;
    update();
}

TextMeasure BarChart::measure() const
{
    const QFontMetricsF metrics(font());
    return {[metrics](const QString &text) { return metrics.horizontalAdvance(text); },
            metrics.height()};
}

QRectF BarChart::chartArea() const
{
    // Room for the focus frame around the chart.
    const double margin = std::ceil(measure().lineHeight / 4) + 2;
    return QRectF(rect()).adjusted(margin, margin, -margin, -margin);
}

ChartLayout BarChart::currentLayout() const
{
    return shape_ == Shape::Columns ? columnChartLayout(values_, chartArea(), measure(), keptLabel_)
                                    : rowChartLayout(values_, maximum_, chartArea(), measure());
}

QSize BarChart::sizeHint() const
{
    const double line = measure().lineHeight;
    const double margin = 2 * (std::ceil(line / 4) + 2);
    if (shape_ == Shape::Columns)
        return QSizeF(std::max(24.0, 1.2 * values_.size()) * line, 10 * line).toSize() +
               QSize(int(margin), int(margin));
    const int rows = std::max<int>(1, int(values_.size()));
    return QSizeF(28 * line, rowChartHeight(rows, measure()) + margin).toSize();
}

QSize BarChart::minimumSizeHint() const
{
    const QSize hint = sizeHint();
    return shape_ == Shape::Columns ? QSize(hint.width() / 2, hint.height() * 2 / 3)
                                    : QSize(hint.width() / 2, hint.height());
}

void BarChart::paintEvent(QPaintEvent *)
{
    const ChartColours colours = chartColours(palette());
    QPainter painter(this);
    painter.fillRect(rect(), colours.background);
    painter.setPen(colours.text);
    if (values_.isEmpty()) {
        painter.drawText(chartArea(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                         emptyText_);
    } else {
        const ChartLayout layout = currentLayout();
        painter.setPen(QPen(colours.grid, 0));
        painter.drawLines(layout.gridLines);
        for (const QRectF &bar : layout.bars)
            if (!bar.isEmpty())
                painter.fillRect(bar, colours.bar);
        painter.setPen(colours.text);
        for (const PlacedText &text : layout.texts) {
            const Qt::Alignment horizontal = text.align == PlacedText::Left    ? Qt::AlignLeft
                                             : text.align == PlacedText::Right ? Qt::AlignRight
                                                                               : Qt::AlignHCenter;
            painter.drawText(text.rect, int(horizontal | Qt::AlignVCenter), text.text);
        }
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = colours.background;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void BarChart::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        updateGeometry();
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace statistics
