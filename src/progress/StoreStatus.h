// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace progress {

enum class StoreOutcome {
    Ready,      // open: grades are kept
    NoStore,    // no progress file in the folder (nothing was created)
    Damaged,    // not a database, or its own checks fail
    NotOurs,    // another program's database
    Newer,      // written by a newer version of this program
    Unwritable, // the folder or the file cannot be written: practice goes on without saving
    Busy,       // another copy of the program held the file longer than we wait
};

// What became of the last thing the store tried, in terms the window can say.
struct StoreStatus {
    StoreOutcome outcome = StoreOutcome::NoStore;
    QString file;      // the progress file, or the folder when no file could be made in it
    QString asideFile; // where a file the store could not use was kept, when it was moved
    QString detail;    // SQLite's or the file system's own words, for the curious

    bool isReady() const { return outcome == StoreOutcome::Ready; }
    // The file cannot be used as it is: the learner may keep it aside and start afresh.
    bool canStartFresh() const;
    // One or two sentences for the learner that name the file.
    QString message() const;
};

// The outcome an SQLite result code stands for.
StoreOutcome outcomeOfSqliteError(int code);

} // namespace progress
