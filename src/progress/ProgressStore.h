// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Connection.h"
#include "StoreStatus.h"
#include "StoredCard.h"
#include "review/Card.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QTimeZone>

namespace progress {

// The learner's progress: the review log, the cards' states and the review settings, in one
// SQLite file in a folder the caller gives. Nothing is made or written there until create() (or
// startFresh()) is called, which the window does only once the learner has agreed. Every grade is
// one transaction; the file is in WAL mode and waits for a second copy of the program, so both
// can keep grades at once.
class ProgressStore {
public:
    static QString fileName() { return QStringLiteral("progress.sqlite"); }

    explicit ProgressStore(const QString &folder);

    QString folder() const { return folder_; }
    QString filePath() const;
    // Whether a progress file is there, without opening it.
    bool exists() const;

    // Opens the file that is there; changes nothing in a file it cannot use (see StoreStatus).
    StoreStatus open();
    // Makes the folder and the file, or opens the file when one is there already.
    StoreStatus create();
    // After open() or create() found a file it cannot use: keeps that file (and its log) under
    // another name beside it, then makes a new one. The status names where the old one went.
    StoreStatus startFresh(const QDateTime &localTime = QDateTime::currentDateTime());
    // Closes the store and deletes the file and its log: every grade is gone.
    StoreStatus forgetAll();
    void close();

    // Checks the whole file, the log too, which opening leaves to the reads (about 45 ms with
    // 100,000 grades). A damaged file is closed: nothing more is written to it.
    StoreStatus checkWhole();

    bool isOpen() const { return db_.isOpen(); }
    // The outcome of the last open, create, write or read.
    const StoreStatus &status() const { return status_; }

    // One graded board and the card's state after it, both or neither.
    StoreStatus recordGrade(const review::ReviewEntry &entry, const review::CardState &after);
    StoreStatus setSetting(const QString &key, const QString &value);

    // What the planner reads. Rows a file holds that no version of this program writes (a grade
    // of 7, a phase of -1) are left out.
    QList<StoredCard> cards();
    QList<review::ReviewEntry> reviewsGradedAgainSince(const QDateTime &since);
    // Cards whose first review fell on the given calendar day in the given time zone.
    int cardsIntroducedOn(const QDate &day, const QTimeZone &zone);
    QHash<QString, QString> settings();

    // The whole log, oldest first.
    QList<review::ReviewEntry> reviewLog();
    // The log as CSV (reviewLogCsv), written atomically: the file is whole or not there.
    bool exportCsv(const QString &path, const QTimeZone &zone, QString *error);

    // For the room's read-only queries (Statistics).
    Connection &connection() { return db_; }

private:
    StoreStatus inspect(bool wholeFile);
    StoreStatus checkPages(Connection &connection, bool wholeFile);
    StoreStatus openChecked();
    StoreStatus fail(StoreOutcome outcome, const QString &detail);
    StoreStatus failWith(const Connection &connection);
    void noteReadFailure();

    QString folder_;
    Connection db_;
    StoreStatus status_;
};

} // namespace progress
