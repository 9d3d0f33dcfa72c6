// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace progress {

// The database and the files SQLite keeps beside it: its write-ahead log and the log's index
// (and a rollback journal, which a file made elsewhere may have). They go together.
QStringList storeFiles(const QString &databasePath);

// A free name beside the database for keeping it aside: "progress.sqlite.damaged-20261208-101500",
// with "-2", "-3" ... added when that name, or its -wal or -shm, is taken.
QString asideName(const QString &databasePath, const QString &label, const QDateTime &localTime);

// Renames the database and its companions to asideName(...) and the same name with their
// suffixes, never replacing a file. The new name of the database, or nothing when it stayed
// where it was (error says why).
std::optional<QString> moveAside(const QString &databasePath, const QString &label,
                                 const QDateTime &localTime, QString *error);

// Deletes the database and its companions, the database last; false (with the reason) when
// one of them could not be deleted, and then the database is still there.
bool removeStoreFiles(const QString &databasePath, QString *error);

} // namespace progress
