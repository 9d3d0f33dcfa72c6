// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgressStore.h"

#include "ReviewLogCsv.h"
#include "Schema.h"
#include "Statement.h"
#include "StoreFiles.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

#include <optional>
#include <span>

namespace progress {

namespace {

using review::CardPhase;
using review::Grade;
using review::ReviewEntry;

// The review columns every query reads, in this order (reviewFrom).
#define REVIEW_COLUMNS "verb, tense, grade, reviewed_at, duration_ms, wrong_boxes"

QString boxesText(const QList<int> &boxes)
{
    QStringList numbers;
    for (int box : boxes)
        numbers << QString::number(box);
    return numbers.join(QLatin1Char(' '));
}

QList<int> boxesFrom(const QString &text)
{
    QList<int> boxes;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int box = word.toInt(&ok);
        if (ok && box > 0)
            boxes << box;
    }
    return boxes;
}

std::optional<ReviewEntry> reviewFrom(const Statement &row)
{
    const qint64 grade = row.integer(2);
    if (grade < qint64(Grade::Again) || grade > qint64(Grade::Easy) || row.isNull(3))
        return std::nullopt;
    ReviewEntry entry;
    entry.card = {row.text(0), row.text(1)};
    entry.grade = Grade(grade);
    entry.reviewedAt = row.time(3);
    entry.durationMs = qMax<qint64>(0, row.integer(4));
    entry.wrongBoxes = boxesFrom(row.text(5));
    return entry;
}

QList<ReviewEntry> reviewsFrom(Statement &query)
{
    QList<ReviewEntry> entries;
    while (query.next()) {
        if (const std::optional<ReviewEntry> entry = reviewFrom(query))
            entries << *entry;
    }
    return entries;
}

// The few names a column repeats (a verb in 15 rows on end, 15 tenses), made once and shared.
class NameCache {
public:
    QString name(QByteArrayView utf8)
    {
        for (qsizetype i = names_.size() - 1; i >= 0; --i) {
            if (names_[i].first == utf8)
                return names_[i].second;
        }
        if (names_.size() == 32)
            names_.removeFirst();
        names_.append({utf8.toByteArray(), QString::fromUtf8(utf8)});
        return names_.back().second;
    }

private:
    QList<std::pair<QByteArray, QString>> names_; // the latest last
};

QString asideLabel(StoreOutcome outcome)
{
    switch (outcome) {
    case StoreOutcome::NotOurs:
        return QStringLiteral("not-ours");
    case StoreOutcome::Newer:
        return QStringLiteral("newer");
    default:
        return QStringLiteral("damaged");
    }
}

} // namespace

ProgressStore::ProgressStore(const QString &folder) : folder_(folder)
{
    status_.file = filePath();
}

QString ProgressStore::filePath() const
{
    return QDir(folder_).filePath(fileName());
}

bool ProgressStore::exists() const
{
    return QFileInfo::exists(filePath());
}

StoreStatus ProgressStore::fail(StoreOutcome outcome, const QString &detail)
{
    status_ = {outcome, filePath(), QString(), detail};
    if (outcome == StoreOutcome::Damaged)
        db_.close(); // nothing more is written to a damaged file
    return status_;
}

StoreStatus ProgressStore::failWith(const Connection &connection)
{
    return fail(outcomeOfSqliteError(connection.errorCode()), connection.errorMessage());
}

void ProgressStore::noteReadFailure()
{
    failWith(db_);
}

// Looks at the file through a read-only connection, which can neither roll back another
// program's journal nor fold our log into the file, so a file we turn down stays as it was.
StoreStatus ProgressStore::inspect(bool wholeFile)
{
    Connection look(filePath(), Connection::Access::ReadOnly);
    // One snapshot for every look: another copy may be making the file right now.
    look.execute("BEGIN");
    const std::optional<qint64> applicationId = look.integer("PRAGMA application_id");
    const std::optional<qint64> version = look.integer("PRAGMA user_version");
    if (!applicationId || !version) {
        // Our files are always in WAL mode: a rollback journal left mid-write is another's.
        if (look.errorCode() == SQLITE_READONLY_ROLLBACK)
            return fail(StoreOutcome::NotOurs, QStringLiteral("another program's write to it was "
                                                              "cut short"));
        return failWith(look);
    }
    QStringList tables;
    Statement list(look, "SELECT name FROM sqlite_schema WHERE type = 'table'");
    while (list.next())
        tables << list.text(0);
    if (list.failed())
        return failWith(look);

    // An empty database is one whose making was cut short: nothing in it to lose.
    if (*applicationId == 0 && *version == 0 && tables.isEmpty())
        return fail(StoreOutcome::Ready, QString());
    if (*applicationId != ApplicationId) {
        return fail(StoreOutcome::NotOurs, *applicationId == 0
                                               ? QStringLiteral("its tables are not ours")
                                               : QStringLiteral("application id 0x%1")
                                                     .arg(*applicationId, 8, 16, QLatin1Char('0')));
    }
    if (*version > latestSchemaVersion())
        return fail(StoreOutcome::Newer, QStringLiteral("schema version %1").arg(*version));
    for (const QString &table : schemaTables()) {
        if (!tables.contains(table))
            return fail(StoreOutcome::Damaged,
                        QStringLiteral("the table %1 is missing").arg(table));
    }
    return wholeFile ? checkPages(look, true) : fail(StoreOutcome::Ready, QString());
}

// Opening checks the tables the planner reads whole when a review starts, through the
// connection that then reads them (its cache keeps the pages); the log is checked as it is read,
// and whole by checkWhole(), which takes longer than opening may.
StoreStatus ProgressStore::checkPages(Connection &connection, bool wholeFile)
{
    static const char *const tablesRead[] = {"PRAGMA quick_check(cards)",
                                             "PRAGMA quick_check(settings)"};
    static const char *const whole[] = {"PRAGMA quick_check"};
    for (const char *check : wholeFile ? std::span<const char *const>(whole)
                                       : std::span<const char *const>(tablesRead)) {
        const std::optional<QString> result = connection.text(check);
        if (!result)
            return failWith(connection);
        if (*result != QLatin1String("ok"))
            return fail(StoreOutcome::Damaged, *result);
    }
    return fail(StoreOutcome::Ready, QString());
}

StoreStatus ProgressStore::checkWhole()
{
    if (!isOpen())
        return status_;
    return checkPages(db_, true);
}

StoreStatus ProgressStore::openChecked()
{
    Connection connection(filePath(), Connection::Access::ReadWrite);
    if (!connection.isOpen())
        return failWith(connection);
    connection.setCheckpointOnClose(false); // until the file has passed its checks
    if (sqlite3_db_readonly(connection.handle(), "main") == 1)
        return fail(StoreOutcome::Unwritable, QStringLiteral("the file is read-only"));
    // A committed grade survives a power cut too, not only a killed program: the log is synced
    // at every commit, which for one grade every few seconds costs nothing a learner notices.
    const std::optional<QString> journal = connection.text("PRAGMA journal_mode = WAL");
    if (!journal)
        return failWith(connection);
    if (journal->compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        return fail(StoreOutcome::Unwritable,
                    QStringLiteral("the folder does not allow SQLite's write-ahead log"));
    if (connection.execute("PRAGMA synchronous = FULL") != SQLITE_OK)
        return failWith(connection);
    // Checked before a migration writes to it; a file being made has nothing to check yet.
    if (connection.integer("PRAGMA user_version").value_or(0) > 0 &&
        !checkPages(connection, false).isReady())
        return status_;
    switch (migrate(connection)) {
    case MigrationResult::Done:
        break;
    case MigrationResult::Newer:
        return fail(StoreOutcome::Newer, QString());
    case MigrationResult::Failed:
        return failWith(connection);
    }
    connection.setCheckpointOnClose(true);
    db_ = std::move(connection);
    return fail(StoreOutcome::Ready, QString());
}

StoreStatus ProgressStore::open()
{
    close();
    if (!exists())
        return fail(StoreOutcome::NoStore, QString());
    if (!inspect(false).isReady())
        return status_;
    return openChecked();
}

StoreStatus ProgressStore::create()
{
    close();
    if (exists())
        return open();
    if (!QDir().mkpath(folder_)) {
        status_ = {StoreOutcome::Unwritable, folder_, QString(),
                   QStringLiteral("the folder cannot be made")};
        return status_;
    }
    Connection made(filePath(), Connection::Access::Create);
    if (!made.isOpen()) {
        status_ = {StoreOutcome::Unwritable, folder_, QString(), made.errorMessage()};
        return status_;
    }
    // Into WAL mode before anything else, without the rollback journal SQLite would otherwise
    // use for it: a program killed just then leaves an empty database, never a journal that only
    // a writer may roll back (and opening looks read-only).
    if (QFileInfo(filePath()).size() == 0)
        made.execute("PRAGMA journal_mode = OFF; PRAGMA journal_mode = WAL");
    made.close();
    return openChecked();
}

StoreStatus ProgressStore::startFresh(const QDateTime &localTime)
{
    close();
    if (!exists())
        return create();
    const StoreStatus found = inspect(true);
    if (!found.canStartFresh())
        return found.isReady() ? openChecked() : status_;
    QString error;
    const std::optional<QString> aside =
        moveAside(filePath(), asideLabel(found.outcome), localTime, &error);
    if (!aside)
        return fail(StoreOutcome::Unwritable, error);
    create();
    status_.asideFile = *aside;
    return status_;
}

StoreStatus ProgressStore::forgetAll()
{
    close();
    if (exists() && inspect(false).outcome == StoreOutcome::NotOurs)
        return status_; // another program's file is not ours to delete
    QString error;
    if (!removeStoreFiles(filePath(), &error))
        return fail(StoreOutcome::Unwritable, error);
    return fail(StoreOutcome::NoStore, QString());
}

void ProgressStore::close()
{
    db_.close();
}

StoreStatus ProgressStore::recordGrade(const ReviewEntry &entry, const review::CardState &after)
{
    if (!isOpen())
        return status_;
    if (db_.execute("BEGIN IMMEDIATE") != SQLITE_OK)
        return failWith(db_);
    Statement review(db_,
                     "INSERT INTO reviews (" REVIEW_COLUMNS ") VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    review.bind(1, entry.card.verb)
        .bind(2, entry.card.tense)
        .bind(3, qint64(entry.grade))
        .bind(4, entry.reviewedAt)
        .bind(5, entry.durationMs)
        .bind(6, boxesText(entry.wrongBoxes));
    // A card's first review introduces it; later ones only move its state.
    Statement card(db_, R"sql(
INSERT INTO cards (verb, tense, phase, stability, difficulty, due, last_review, reps, lapses,
                   introduced_at)
VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)
ON CONFLICT (verb, tense) DO UPDATE SET
    phase = excluded.phase, stability = excluded.stability, difficulty = excluded.difficulty,
    due = excluded.due, last_review = excluded.last_review, reps = excluded.reps,
    lapses = excluded.lapses)sql");
    card.bind(1, entry.card.verb)
        .bind(2, entry.card.tense)
        .bind(3, qint64(after.phase))
        .bind(4, after.stability)
        .bind(5, after.difficulty)
        .bind(6, after.due)
        .bind(7, after.lastReview)
        .bind(8, qint64(after.reps))
        .bind(9, qint64(after.lapses))
        .bind(10, entry.reviewedAt);
    if (!review.run() || !card.run() || db_.execute("COMMIT") != SQLITE_OK) {
        const int code = db_.errorCode();
        const QString message = db_.errorMessage();
        db_.execute("ROLLBACK");
        return fail(outcomeOfSqliteError(code), message);
    }
    return fail(StoreOutcome::Ready, QString());
}

StoreStatus ProgressStore::setSetting(const QString &key, const QString &value)
{
    if (!isOpen())
        return status_;
    Statement upsert(db_, "INSERT INTO settings (key, value) VALUES (?1, ?2) "
                          "ON CONFLICT (key) DO UPDATE SET value = excluded.value");
    if (!upsert.bind(1, key).bind(2, value).run())
        return failWith(db_);
    return fail(StoreOutcome::Ready, QString());
}

QList<StoredCard> ProgressStore::cards()
{
    if (!isOpen())
        return {};
    QList<StoredCard> cards;
    NameCache verbs, tenses;
    Statement query(db_, "SELECT verb, tense, phase, stability, difficulty, due, last_review, "
                         "reps, lapses FROM cards");
    while (query.next()) {
        const qint64 phase = query.integer(2);
        if (phase < qint64(CardPhase::New) || phase > qint64(CardPhase::Relearning))
            continue;
        StoredCard card;
        card.key = {verbs.name(query.bytes(0)), tenses.name(query.bytes(1))};
        card.state.phase = CardPhase(phase);
        card.state.stability = query.real(3);
        card.state.difficulty = query.real(4);
        card.state.due = query.time(5);
        card.state.lastReview = query.time(6);
        card.state.reps = int(query.integer(7));
        card.state.lapses = int(query.integer(8));
        cards << card;
    }
    if (query.failed())
        noteReadFailure();
    return cards;
}

QList<ReviewEntry> ProgressStore::reviewsGradedAgainSince(const QDateTime &since)
{
    if (!isOpen())
        return {};
    Statement query(db_, "SELECT " REVIEW_COLUMNS " FROM reviews WHERE grade = 1 AND "
                         "reviewed_at >= ?1 ORDER BY reviewed_at, id");
    query.bind(1, since);
    const QList<ReviewEntry> entries = reviewsFrom(query);
    if (query.failed())
        noteReadFailure();
    return entries;
}

int ProgressStore::cardsIntroducedOn(const QDate &day, const QTimeZone &zone)
{
    if (!isOpen())
        return 0;
    Statement query(db_, "SELECT COUNT(*) FROM cards WHERE introduced_at >= ?1 AND "
                         "introduced_at < ?2");
    query.bind(1, day.startOfDay(zone)).bind(2, day.addDays(1).startOfDay(zone));
    if (!query.next()) {
        noteReadFailure();
        return 0;
    }
    return int(query.integer(0));
}

QHash<QString, QString> ProgressStore::settings()
{
    if (!isOpen())
        return {};
    QHash<QString, QString> settings;
    Statement query(db_, "SELECT key, value FROM settings");
    while (query.next())
        settings.insert(query.text(0), query.text(1));
    if (query.failed())
        noteReadFailure();
    return settings;
}

QList<ReviewEntry> ProgressStore::reviewLog()
{
    if (!isOpen())
        return {};
    Statement query(db_, "SELECT " REVIEW_COLUMNS " FROM reviews ORDER BY reviewed_at, id");
    const QList<ReviewEntry> entries = reviewsFrom(query);
    if (query.failed())
        noteReadFailure();
    return entries;
}

bool ProgressStore::exportCsv(const QString &path, const QTimeZone &zone, QString *error)
{
    const QList<ReviewEntry> entries = reviewLog();
    if (!isOpen() || !status_.isReady()) {
        *error = status_.message();
        return false;
    }
    return writeReviewLogCsv(path, reviewLogCsv(entries, zone), error);
}

} // namespace progress
