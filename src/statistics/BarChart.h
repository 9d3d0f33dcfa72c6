// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "statistics/ChartLayout.h"

#include <QWidget>

namespace statistics {

// A bar chart painted in the system palette's colours. Screen readers read its title as its
// name and every figure, one a line, as its description; it takes the focus so they can reach it.
class BarChart : public QWidget {
    Q_OBJECT
public:
    enum class Shape {
        Columns, // one column per value, a count scale on the left (days)
        Rows     // one labelled row per value, its value text after it (shares)
    };

    BarChart(Shape shape, const QString &title, QWidget *parent = nullptr);

    // `maximum` is the row bars' full length (1 for shares); columns find their own scale.
    void setValues(const QList<ChartValue> &values, double maximum = 1);
    // What the chart says in place of bars when it has no values.
    void setEmptyText(const QString &text);
    // The column whose label stays when not all fit (the last by default).
    void setKeptLabel(KeptLabel kept);
    const QList<ChartValue> &values() const { return values_; }

    // Where the bars and texts go at the chart's present size and lettering.
    ChartLayout currentLayout() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    TextMeasure measure() const;
    QRectF chartArea() const;

    Shape shape_;
    QList<ChartValue> values_;
    double maximum_ = 1;
    QString emptyText_;
    KeptLabel keptLabel_ = KeptLabel::Last;
};

} // namespace statistics
