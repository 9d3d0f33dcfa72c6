// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Schema.h"

#include "Connection.h"

#include <sqlite3.h>

#include <QByteArray>

namespace progress {

namespace {

// Times are milliseconds since 1970 UTC. A review row names its card (verb, tense) itself, so
// the log stays whole on its own: it can be exported, merged by union and replayed.
constexpr MigrationStep Steps[] = {
    {1, R"sql(
CREATE TABLE reviews (
    id INTEGER PRIMARY KEY,
    verb TEXT NOT NULL,
    tense TEXT NOT NULL,
    grade INTEGER NOT NULL CHECK (grade BETWEEN 1 AND 4),
    reviewed_at INTEGER NOT NULL,
    duration_ms INTEGER NOT NULL CHECK (duration_ms >= 0),
    wrong_boxes TEXT NOT NULL DEFAULT ''
);
CREATE INDEX reviews_by_time ON reviews (reviewed_at);
CREATE INDEX reviews_by_verb ON reviews (verb, grade);
CREATE INDEX reviews_by_tense ON reviews (tense, grade);

CREATE TABLE cards (
    verb TEXT NOT NULL,
    tense TEXT NOT NULL,
    phase INTEGER NOT NULL CHECK (phase BETWEEN 0 AND 3),
    stability REAL NOT NULL,
    difficulty REAL NOT NULL,
    due INTEGER,
    last_review INTEGER,
    reps INTEGER NOT NULL,
    lapses INTEGER NOT NULL,
    introduced_at INTEGER NOT NULL,
    PRIMARY KEY (verb, tense)
) WITHOUT ROWID;
CREATE INDEX cards_by_due ON cards (due);
CREATE INDEX cards_by_introduction ON cards (introduced_at);

CREATE TABLE settings (
    key TEXT PRIMARY KEY,
    value TEXT NOT NULL
) WITHOUT ROWID;
)sql"},
};

} // namespace

std::span<const MigrationStep> schemaSteps()
{
    return Steps;
}

int latestSchemaVersion(std::span<const MigrationStep> steps)
{
    return steps.empty() ? 0 : steps.back().version;
}

QStringList schemaTables()
{
    return {QStringLiteral("reviews"), QStringLiteral("cards"), QStringLiteral("settings")};
}

MigrationResult migrate(Connection &connection, std::span<const MigrationStep> steps)
{
    if (connection.execute("BEGIN IMMEDIATE") != SQLITE_OK)
        return MigrationResult::Failed;
    const auto rollBack = [&connection](MigrationResult result) {
        connection.execute("ROLLBACK");
        return result;
    };
    const std::optional<qint64> version = connection.integer("PRAGMA user_version");
    if (!version)
        return rollBack(MigrationResult::Failed);
    const int latest = latestSchemaVersion(steps);
    if (*version > latest)
        return rollBack(MigrationResult::Newer);
    if (*version == latest)
        return connection.execute("COMMIT") == SQLITE_OK ? MigrationResult::Done
                                                         : rollBack(MigrationResult::Failed);
    for (const MigrationStep &step : steps) {
        if (step.version > *version && connection.execute(step.sql) != SQLITE_OK)
            return rollBack(MigrationResult::Failed);
    }
    // Pragmas take no parameters; both values are our own numbers.
    const QByteArray stamp = QByteArray("PRAGMA application_id = ") +
                             QByteArray::number(ApplicationId) +
                             "; PRAGMA user_version = " + QByteArray::number(latest);
    if (connection.execute(stamp.constData()) != SQLITE_OK ||
        connection.execute("COMMIT") != SQLITE_OK)
        return rollBack(MigrationResult::Failed);
    return MigrationResult::Done;
}

} // namespace progress
