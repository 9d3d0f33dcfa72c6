// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/ProgressStore.h"
#include "progress/Connection.h"
#include "progress/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

using progress::Connection;
using progress::ProgressStore;
using progress::StoreOutcome;
using review::Grade;

namespace {

const QDateTime Noon = QDateTime(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);

review::ReviewEntry entry(const QString &verb, Grade grade, int minute)
{
    return {{verb, QStringLiteral("Indikativ Präsens")},
            grade,
            Noon.addSecs(60 * minute),
            4200 + minute,
            grade == Grade::Again ? QList<int>{3, 17} : QList<int>{}};
}

review::CardState stateAfter(int reps, int minute)
{
    return {review::CardPhase::Review, 2.5 * reps, 6.25,    Noon.addDays(reps),
            Noon.addSecs(60 * minute), reps,       reps - 1};
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A store of ours with one grade, closed (its log folded into the file).
void storeWithOneGrade(const QString &folder)
{
    ProgressStore store(folder);
    ASSERT_TRUE(store.create().isReady());
    ASSERT_TRUE(
        store.recordGrade(entry(QStringLiteral("sprechen"), Grade::Good, 0), stateAfter(1, 0))
            .isReady());
}

void runSql(const QString &path, const char *sql)
{
    Connection connection(path, Connection::Access::Create);
    ASSERT_EQ(connection.execute(sql), 0) << qPrintable(connection.errorMessage());
}

// Every file in the folder but those an SQLite reader makes: the log's index, which any reader
// may rewrite, and an empty log.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        QFile file(QDir(folder).filePath(name));
        if (!name.endsWith(QLatin1String("-shm")) && file.open(QIODevice::ReadOnly) &&
            !(name.endsWith(QLatin1String("-wal")) && file.size() == 0))
            files.insert(name, file.readAll());
    }
    return files;
}

// A table's first page overwritten, in a store of ours.
void garble(const QString &folder, const char *table)
{
    storeWithOneGrade(folder);
    const QByteArray query =
        "SELECT rootpage FROM sqlite_schema WHERE name = '" + QByteArray(table) + "'";
    const qint64 page = *Connection(folder + "/progress.sqlite", Connection::Access::ReadOnly)
                             .integer(query.constData());
    QFile file(folder + "/progress.sqlite");
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek((page - 1) * 4096 + 8));
    file.write(QByteArray(2000, '\xff'));
}

enum Call { Open, Create, OpenAndCheckWhole };

struct OpeningCase {
    const char *name;
    std::function<void(const QString &folder)> prepare;
    Call call;
    StoreOutcome expected;
    bool unprivileged = false; // needs a user whom file modes bind
};

class Opening : public testing::TestWithParam<OpeningCase> {};

#ifdef Q_OS_LINUX
// As root, file modes bind no one: the case runs again in a copy of this test as "nobody".
bool ranAsUnprivilegedUser(const char *testName)
{
    if (geteuid() != 0 || qEnvironmentVariableIsSet("ZANDREL_UNPRIVILEGED_CHILD"))
        return false;
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        return false;
    QTemporaryDir reachable;
    const QString copy = reachable.filePath(QStringLiteral("test"));
    EXPECT_TRUE(QFile::copy(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")), copy));
    QFile::setPermissions(reachable.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadOther | QFile::ExeOther);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ZANDREL_UNPRIVILEGED_CHILD"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(QDir::tempPath());
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(setpriv, {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                          QStringLiteral("--clear-groups"), copy,
                          QStringLiteral("--gtest_filter=*") + QLatin1String(testName)});
    EXPECT_TRUE(child.waitForFinished(60000));
    const QByteArray output = child.readAll();
    EXPECT_TRUE(child.exitCode() == 0 && output.contains("[  PASSED  ] 1 test")) << output.data();
    return true;
}
#endif

TEST_P(Opening, SaysWhatItFoundAndKeepsWhatItCannotUse)
{
    const OpeningCase &c = GetParam();
#ifdef Q_OS_LINUX
    if (c.unprivileged && ranAsUnprivilegedUser(c.name))
        return;
#else
    if (c.unprivileged)
        GTEST_SKIP() << "Windows has no folder mode that keeps its owner from writing";
#endif
    QTemporaryDir temporary;
    const QString folder = temporary.filePath(QStringLiteral("data"));
    ASSERT_TRUE(QDir().mkpath(folder));
    c.prepare(folder);
    const auto before = contents(folder);
    ProgressStore store(folder);
    progress::StoreStatus status = c.call == Create ? store.create() : store.open();
    if (c.call == OpenAndCheckWhole && status.isReady())
        status = store.checkWhole();
    EXPECT_EQ(status.outcome, c.expected) << qPrintable(status.message());
    EXPECT_EQ(store.isOpen(), c.expected == StoreOutcome::Ready);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(status.message().contains(QDir::toNativeSeparators(status.file)));
    if (c.expected != StoreOutcome::Ready) {
        EXPECT_FALSE(
            store.recordGrade(entry(QStringLiteral("gehen"), Grade::Easy, 1), stateAfter(1, 1))
                .isReady());
        EXPECT_EQ(contents(folder), before) << "a file it could not use was changed";
    }
    if (!status.canStartFresh())
        return;
    // Keeping it aside never replaces an earlier file kept aside at the same second.
    const QDateTime at(QDate(2026, 12, 8), QTime(10, 15));
    const QString taken = store.filePath() + QStringLiteral(".%1-20261208-101500");
    const QString label = c.expected == StoreOutcome::Damaged ? QStringLiteral("damaged")
                          : c.expected == StoreOutcome::Newer ? QStringLiteral("newer")
                                                              : QStringLiteral("not-ours");
    write(taken.arg(label), "earlier");
    const progress::StoreStatus fresh = store.startFresh(at);
    ASSERT_TRUE(fresh.isReady()) << qPrintable(fresh.message());
    EXPECT_EQ(fresh.asideFile, taken.arg(label) + QStringLiteral("-2"));
    auto after = contents(folder);
    EXPECT_EQ(after.take(QFileInfo(taken.arg(label)).fileName()), "earlier");
    for (auto file = before.cbegin(); file != before.cend(); ++file)
        EXPECT_EQ(after.value(QString(file.key())
                                  .replace(ProgressStore::fileName(),
                                           QFileInfo(fresh.asideFile).fileName())),
                  file.value())
            << qPrintable(file.key());
    EXPECT_TRUE(store.recordGrade(entry(QStringLiteral("gehen"), Grade::Easy, 1), stateAfter(1, 1))
                    .isReady());
}

const QString Ours = QStringLiteral("/progress.sqlite");

INSTANTIATE_TEST_SUITE_P(
    Cases, Opening,
    testing::Values(
        OpeningCase{"NothingThere", [](const QString &) {}, Open, StoreOutcome::NoStore},
        OpeningCase{"Fresh", [](const QString &) {}, Create, StoreOutcome::Ready},
        OpeningCase{"Existing", storeWithOneGrade, Open, StoreOutcome::Ready},
        OpeningCase{"CreateFindsExisting", storeWithOneGrade, Create, StoreOutcome::Ready},
        OpeningCase{"EmptyFileOfACreationCutShort", [](const QString &f) { write(f + Ours, {}); },
                    Open, StoreOutcome::Ready},
        OpeningCase{"NotADatabase",
                    [](const QString &f) { write(f + Ours, QByteArray(3000, 'x')); }, Open,
                    StoreOutcome::Damaged},
        OpeningCase{"DamagedCards", [](const QString &f) { garble(f, "cards"); }, Open,
                    StoreOutcome::Damaged},
        OpeningCase{"DamagedLog", [](const QString &f) { garble(f, "reviews"); }, OpenAndCheckWhole,
                    StoreOutcome::Damaged},
        OpeningCase{"ForeignTables",
                    [](const QString &f) { runSql(f + Ours, "CREATE TABLE notes (text)"); }, Create,
                    StoreOutcome::NotOurs},
        OpeningCase{"ForeignApplicationId",
                    [](const QString &f) { runSql(f + Ours, "PRAGMA application_id = 7"); }, Open,
                    StoreOutcome::NotOurs},
        OpeningCase{"NewerSchemaWithItsLog",
                    [](const QString &f) {
                        // Copied while open, as after a crash: the version is in the log.
                        QTemporaryDir live;
                        storeWithOneGrade(live.path());
                        Connection newer(live.path() + Ours, Connection::Access::ReadWrite);
                        newer.execute("PRAGMA journal_mode = WAL; PRAGMA user_version = 2");
                        QFile::copy(live.path() + Ours, f + Ours);
                        QFile::copy(live.path() + Ours + "-wal", f + Ours + "-wal");
                    },
                    Open, StoreOutcome::Newer},
        OpeningCase{"FolderIsAFile",
                    [](const QString &f) {
                        QDir(f).removeRecursively();
                        write(f, "x");
                    },
                    Create, StoreOutcome::Unwritable},
        OpeningCase{"ReadOnlyFolder",
                    [](const QString &f) {
                        storeWithOneGrade(f);
                        QFile::setPermissions(f, QFile::ReadOwner | QFile::ExeOwner);
                    },
                    Open, StoreOutcome::Unwritable, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Grades, ComeBackAsRecordedAfterReopening)
{
    QTemporaryDir folder;
    const QString hostile = QStringLiteral("x'); DROP TABLE reviews; --");
    const QList<review::ReviewEntry> entries = {
        entry(QStringLiteral("sich ärgern"), Grade::Again, 0), entry(hostile, Grade::Hard, 1),
        entry(QStringLiteral("sich ärgern"), Grade::Good, 2)};
    {
        ProgressStore store(folder.path());
        ASSERT_TRUE(store.create().isReady());
        for (int i = 0; i < entries.size(); ++i)
            store.recordGrade(entries[i], stateAfter(i == 2 ? 2 : 1, i));
        store.setSetting(QStringLiteral("newCardsPerDay"), QStringLiteral("8"));
        store.setSetting(QStringLiteral("newCardsPerDay"), QStringLiteral("12"));
    }
    ProgressStore store(folder.path());
    ASSERT_TRUE(store.open().isReady());
    const QList<review::ReviewEntry> log = store.reviewLog();
    ASSERT_EQ(log.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(log[i].card == entries[i].card && log[i].grade == entries[i].grade);
        EXPECT_EQ(log[i].reviewedAt, entries[i].reviewedAt);
        EXPECT_EQ(log[i].durationMs, entries[i].durationMs);
        EXPECT_EQ(log[i].wrongBoxes, entries[i].wrongBoxes);
    }
    const QList<progress::StoredCard> cards = store.cards();
    ASSERT_EQ(cards.size(), 2);
    for (const progress::StoredCard &card : cards) {
        const bool again = card.key == entries[0].card;
        const review::CardState expected = stateAfter(again ? 2 : 1, again ? 2 : 1);
        EXPECT_EQ(card.state.due, expected.due);
        EXPECT_EQ(card.state.lastReview, expected.lastReview);
        EXPECT_EQ(card.state.reps, expected.reps);
        EXPECT_EQ(card.state.lapses, expected.lapses);
        EXPECT_EQ(card.state.stability, expected.stability);
        EXPECT_EQ(card.state.phase, expected.phase);
    }
    EXPECT_EQ(store.reviewsGradedAgainSince(Noon).size(), 1);
    EXPECT_EQ(store.reviewsGradedAgainSince(Noon.addSecs(1)).size(), 0);
    EXPECT_EQ(store.cardsIntroducedOn(QDate(2026, 12, 8), QTimeZone(0)), 2);
    // Noon UTC is still the 8th at UTC+11, already the 9th at UTC+13.
    EXPECT_EQ(store.cardsIntroducedOn(QDate(2026, 12, 9), QTimeZone(13 * 3600)), 2);
    EXPECT_EQ(store.settings().value(QStringLiteral("newCardsPerDay")), QStringLiteral("12"));
    EXPECT_TRUE(store.forgetAll().outcome == StoreOutcome::NoStore && !store.exists());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST(Migration, EachStepRunsOnceAndInOrder)
{
    QTemporaryDir folder;
    Connection connection(folder.filePath(QStringLiteral("m.sqlite")), Connection::Access::Create);
    const progress::MigrationStep first = progress::schemaSteps()[0];
    // Step 2 fails if run twice (the column exists); step 3 fails if run before step 2.
    const progress::MigrationStep steps[] = {
        first,
        {2, "ALTER TABLE settings ADD COLUMN note TEXT"},
        {3, "INSERT INTO settings (key, value, note) VALUES ('k', 'v', 'three')"}};
    using progress::MigrationResult;
    ASSERT_EQ(progress::migrate(connection, std::span(steps, 1)), MigrationResult::Done);
    EXPECT_EQ(connection.integer("PRAGMA user_version"), 1);
    ASSERT_EQ(progress::migrate(connection, steps), MigrationResult::Done);
    ASSERT_EQ(progress::migrate(connection, steps), MigrationResult::Done);
    EXPECT_EQ(connection.integer("PRAGMA user_version"), 3);
    EXPECT_EQ(connection.integer("SELECT COUNT(*) FROM settings"), 1);
    EXPECT_EQ(progress::migrate(connection, std::span(steps, 2)), MigrationResult::Newer);
    EXPECT_EQ(connection.integer("PRAGMA application_id"), progress::ApplicationId);
}

} // namespace
