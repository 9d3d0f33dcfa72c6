// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

struct sqlite3;

namespace progress {

// One connection to an SQLite file, closed with the object; used by one thread at a time.
class Connection {
public:
    enum class Access {
        ReadOnly,  // looks without changing anything, not even a checkpoint on close
        ReadWrite, // the file must exist
        Create,    // made when missing
    };

    Connection() = default;
    Connection(const QString &path, Access access);
    ~Connection();
    Connection(Connection &&other) noexcept;
    Connection &operator=(Connection &&other) noexcept;
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    bool isOpen() const { return db_ != nullptr; }
    sqlite3 *handle() const { return db_; }
    void close();

    // SQLite's result code of the open, or of the last call that failed.
    int errorCode() const { return errorCode_; }
    QString errorMessage() const { return errorMessage_; }

    // Statements without parameters or results (a pragma, BEGIN, a migration's SQL);
    // SQLite's result code.
    int execute(const char *sql);
    // The first column of the first row as a number: a pragma's value, a count.
    std::optional<qint64> integer(const char *sql);
    // The same as text.
    std::optional<QString> text(const char *sql);

    // Whether the last connection to close folds the log into the file (the default, but not
    // for a read-only one): off until the file is known to be ours and sound.
    void setCheckpointOnClose(bool checkpoint);

    // Remembers a failure reported by a statement on this connection.
    int noteError(int code);

private:
    sqlite3 *db_ = nullptr;
    int errorCode_ = 0;
    QString errorMessage_;
};

} // namespace progress
