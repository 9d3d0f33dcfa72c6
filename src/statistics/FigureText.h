// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress/Statistics.h"
#include "review/VerbGroups.h"
#include "statistics/ChartLayout.h"

#include <QHash>
#include <QStringList>

namespace statistics {

// The store's figures as the charts and lines of the statistics view show them, in English
// whatever the desktop's language, as the rest of the program's words are.

// A column per day labelled with its date ("9 Nov").
QList<ChartValue> reviewDayColumns(const QList<progress::DayCount> &days);
// A column per day from today: "Today", then the weekdays ("Wed").
QList<ChartValue> dueDayColumns(const QList<progress::DayCount> &days);
// "Due today: 4. Due in the next 7 days: 12." (today's own are not counted again).
QString dueSummary(const QList<progress::DayCount> &days);
// A row per group, its share as the bar and "73 % (11 of 15)" after it.
QList<ChartValue> shareRows(const QList<progress::FirstTestShare> &shares);
// "sprechen: graded Again 5 times".
QStringList againLines(const QList<progress::VerbCount> &verbs);
// Each verb's type as the view names it ("Weak", "Irregular"), for the share by verb type;
// verbs of an unknown type are left out.
QHash<QString, QString> verbTypeNames(const QList<review::OfferedVerb> &verbs);

} // namespace statistics
