// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows the statistics view on a month of scripted reviews ending now, in a store in a
// temporary folder, for scripts/statistics-screenshot: statistics_screenshot
#include "MonthOfReviews.h"

#include "statistics/StatisticsDialog.h"

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    progress::ProgressStore store(folder.path());
    if (!folder.isValid() || !store.create().isReady())
        return 1;
    statisticstest::recordMonthOfReviews(store, QDateTime::currentDateTime());
    statistics::StatisticsDialog dialog(&store);
    dialog.setVerbTypes(statisticstest::monthVerbTypes());
    return dialog.exec() == QDialog::Rejected ? 0 : 1;
}
