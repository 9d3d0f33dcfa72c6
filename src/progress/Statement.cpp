// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Statement.h"

#include "Connection.h"

#include <sqlite3.h>

namespace progress {

Statement::Statement(Connection &connection, const char *sql) : connection_(connection)
{
    if (!connection.isOpen()) {
        result_ = SQLITE_MISUSE;
        return;
    }
    check(sqlite3_prepare_v2(connection.handle(), sql, -1, &statement_, nullptr));
}

Statement::~Statement()
{
    sqlite3_finalize(statement_);
}

bool Statement::failed() const
{
    return result_ != SQLITE_OK && result_ != SQLITE_ROW && result_ != SQLITE_DONE;
}

void Statement::check(int code)
{
    result_ = code;
    if (failed())
        connection_.noteError(code);
}

Statement &Statement::bind(int index, qint64 value)
{
    if (!failed())
        check(sqlite3_bind_int64(statement_, index, value));
    return *this;
}

Statement &Statement::bind(int index, double value)
{
    if (!failed())
        check(sqlite3_bind_double(statement_, index, value));
    return *this;
}

Statement &Statement::bind(int index, const QString &value)
{
    if (!failed()) {
        const QByteArray utf8 = value.toUtf8();
        check(sqlite3_bind_text(statement_, index, utf8.constData(), int(utf8.size()),
                                SQLITE_TRANSIENT));
    }
    return *this;
}

Statement &Statement::bind(int index, const QDateTime &time)
{
    if (!time.isValid()) {
        if (!failed())
            check(sqlite3_bind_null(statement_, index));
        return *this;
    }
    return bind(index, time.toMSecsSinceEpoch());
}

bool Statement::next()
{
    if (failed() || result_ == SQLITE_DONE)
        return false;
    check(sqlite3_step(statement_));
    return result_ == SQLITE_ROW;
}

bool Statement::run()
{
    while (next()) {
    }
    return result_ == SQLITE_DONE;
}

void Statement::reset()
{
    if (!statement_)
        return;
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    result_ = SQLITE_OK;
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

qint64 Statement::integer(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

double Statement::real(int column) const
{
    return sqlite3_column_double(statement_, column);
}

QString Statement::text(int column) const
{
    return QString::fromUtf8(bytes(column));
}

QByteArrayView Statement::bytes(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement_, column));
    return QByteArrayView(text, sqlite3_column_bytes(statement_, column));
}

QDateTime Statement::time(int column) const
{
    if (isNull(column))
        return {};
    return QDateTime::fromMSecsSinceEpoch(integer(column), Qt::UTC);
}

} // namespace progress
