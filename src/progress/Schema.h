// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <span>

namespace progress {

class Connection;

// Marks a progress file as this program's (PRAGMA application_id): "GVZR".
constexpr int ApplicationId = 0x47565A52;

// One step of the schema's history: the SQL that takes a file from version - 1 to version.
struct MigrationStep {
    int version;
    const char *sql;
};

// Every step so far, oldest first. A new version appends a step; no step ever changes.
std::span<const MigrationStep> schemaSteps();
int latestSchemaVersion(std::span<const MigrationStep> steps = schemaSteps());
// The tables a file of the current schema has; a file of ours without one of them is damaged.
QStringList schemaTables();

enum class MigrationResult {
    Done,   // the file is at the last step's version
    Newer,  // the file's version is beyond the last step: left as it is
    Failed, // the connection's error says why; nothing was changed
};

// Runs the steps the file has not had yet, in order, in one transaction that also sets the
// application id and user_version, so a file is always at one version or the next. The file's
// version is read inside the transaction, so two programs migrating at once run each step once.
MigrationResult migrate(Connection &connection,
                        std::span<const MigrationStep> steps = schemaSteps());

} // namespace progress
