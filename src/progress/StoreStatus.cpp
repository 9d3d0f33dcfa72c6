// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StoreStatus.h"

#include <QDir>

#include <sqlite3.h>

namespace progress {

bool StoreStatus::canStartFresh() const
{
    return outcome == StoreOutcome::Damaged || outcome == StoreOutcome::NotOurs ||
           outcome == StoreOutcome::Newer;
}

QString StoreStatus::message() const
{
    const QString name = QDir::toNativeSeparators(file);
    QString text;
    switch (outcome) {
    case StoreOutcome::Ready:
        text = QStringLiteral("Your progress is kept in “%1”.").arg(name);
        break;
    case StoreOutcome::NoStore:
        text = QStringLiteral("No progress has been kept yet (“%1” does not exist).").arg(name);
        break;
    case StoreOutcome::Damaged:
        text = QStringLiteral("The progress file “%1” is damaged and cannot be read.").arg(name);
        break;
    case StoreOutcome::NotOurs:
        text = QStringLiteral("The file “%1” belongs to another program, so German Verb Zandrel "
                              "does not use it.")
                   .arg(name);
        break;
    case StoreOutcome::Newer:
        text = QStringLiteral("The progress file “%1” was written by a newer version of German "
                              "Verb Zandrel, which this version cannot read.")
                   .arg(name);
        break;
    case StoreOutcome::Unwritable:
        text = QStringLiteral("Progress cannot be saved in “%1”: %2. Practice goes on without "
                              "saving.")
                   .arg(name, detail.isEmpty() ? QStringLiteral("it cannot be written") : detail);
        break;
    case StoreOutcome::Busy:
        text = QStringLiteral("The progress file “%1” is in use by another copy of the program. "
                              "Try again in a moment.")
                   .arg(name);
        break;
    }
    if (!asideFile.isEmpty())
        text += QStringLiteral(" The file that could not be used is kept as “%1”.")
                    .arg(QDir::toNativeSeparators(asideFile));
    return text;
}

StoreOutcome outcomeOfSqliteError(int code)
{
    switch (code & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return StoreOutcome::Damaged;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return StoreOutcome::Busy;
    default: // cannot open, read-only, full, an I/O error, no permission
        return StoreOutcome::Unwritable;
    }
}

} // namespace progress
