// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

struct sqlite3_stmt;

namespace progress {

class Connection;

// A prepared statement. Values only ever enter through bound parameters, so nothing a file or a
// learner supplies is read as SQL. The first failure sticks: later binds and steps do nothing and
// result() reports it.
class Statement {
public:
    Statement(Connection &connection, const char *sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // Parameters are numbered from 1, as in SQL.
    Statement &bind(int index, qint64 value);
    Statement &bind(int index, double value);
    Statement &bind(int index, const QString &value);
    // Milliseconds since 1970 UTC, or NULL for an invalid time.
    Statement &bind(int index, const QDateTime &time);

    // Steps to the next row; false after the last one or on a failure (see result()).
    bool next();
    // Runs a statement that returns no rows; true when it succeeded.
    bool run();
    // SQLite's result code: SQLITE_DONE after the last row, SQLITE_ROW on a row, else the failure.
    int result() const { return result_; }
    bool failed() const;
    // Ready to run again with new parameters.
    void reset();

    bool isNull(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;
    QString text(int column) const;
    // The column's UTF-8 bytes, valid until the next step.
    QByteArrayView bytes(int column) const;
    // A UTC time stored as milliseconds since 1970; invalid for NULL.
    QDateTime time(int column) const;

private:
    void check(int code);

    Connection &connection_;
    sqlite3_stmt *statement_ = nullptr;
    int result_ = 0;
};

} // namespace progress
