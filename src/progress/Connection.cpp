// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Connection.h"

#include "Statement.h"

#include <sqlite3.h>

#include <utility>

namespace progress {

Connection::Connection(const QString &path, Access access)
{
    // A connection is used by one thread at a time, so SQLite need not lock it at every call.
    int flags = SQLITE_OPEN_NOMUTEX |
                (access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
    if (access == Access::Create)
        flags |= SQLITE_OPEN_CREATE;
    const int code = sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr);
    if (code != SQLITE_OK) {
        noteError(code);
        close();
        return;
    }
    sqlite3_extended_result_codes(db_, 1);
    // A second copy of the program waits for the other's grade (a few milliseconds) rather
    // than fail; five seconds covers a slow disk.
    sqlite3_busy_timeout(db_, 5000);
    // A file may come from anywhere: its schema runs no functions of ours, and no statement may
    // write the schema or the file's pages behind SQLite's back. (A file being made is ours, and
    // goes into WAL mode by way of journal_mode OFF, which the defensive mode forbids.)
    if (access != Access::Create)
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    if (access == Access::ReadOnly)
        setCheckpointOnClose(false);
}

void Connection::setCheckpointOnClose(bool checkpoint)
{
    if (db_)
        sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, checkpoint ? 0 : 1, nullptr);
}

Connection::~Connection()
{
    close();
}

Connection::Connection(Connection &&other) noexcept
    : db_(std::exchange(other.db_, nullptr)), errorCode_(other.errorCode_),
      errorMessage_(std::move(other.errorMessage_))
{
}

Connection &Connection::operator=(Connection &&other) noexcept
{
    if (this != &other) {
        close();
        db_ = std::exchange(other.db_, nullptr);
        errorCode_ = other.errorCode_;
        errorMessage_ = std::move(other.errorMessage_);
    }
    return *this;
}

void Connection::close()
{
    // Every statement is finalized by its owner first, so the close cannot be refused.
    sqlite3_close_v2(std::exchange(db_, nullptr));
}

int Connection::noteError(int code)
{
    errorCode_ = code;
    const char *message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
    if (db_ && sqlite3_errcode(db_) != code)
        message = sqlite3_errstr(code);
    errorMessage_ = QString::fromUtf8(message);
    return code;
}

int Connection::execute(const char *sql)
{
    if (!db_)
        return errorCode_ ? errorCode_ : SQLITE_MISUSE;
    const int code = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    return code == SQLITE_OK ? code : noteError(code);
}

std::optional<qint64> Connection::integer(const char *sql)
{
    Statement statement(*this, sql);
    if (!statement.next())
        return std::nullopt;
    return statement.integer(0);
}

std::optional<QString> Connection::text(const char *sql)
{
    Statement statement(*this, sql);
    if (!statement.next())
        return std::nullopt;
    return statement.text(0);
}

} // namespace progress
