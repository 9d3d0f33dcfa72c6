// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace bench {

// One whole run of a program: wall-clock time from spawning it to reaping it,
// its peak resident memory and what it printed.
struct ProcessRun {
    double seconds = 0;
    double peakMegabytes = 0;
    int exitCode = -1;
    QString output;
};

// Runs `program` with `arguments` in `directory`, with `extraEnvironment`
// ("NAME=value") added to this process's environment.
ProcessRun runProcess(const QString &program, const QStringList &arguments,
                      const QString &directory, const QStringList &extraEnvironment = {});

double median(std::vector<double> values);
// The value below which `fraction` (0..1) of the values lie (nearest rank).
double percentile(std::vector<double> values, double fraction);

} // namespace bench
