// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StoreCheck.h"

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

namespace {

const QString Ours = QStringLiteral("/progress.sqlite");

// Records boards from .. to - 1 of a script.
void record(ProgressStore &store, const QString &label, int from, int to)
{
    QHash<QString, review::CardState> states;
    for (int n = from; n < to; ++n) {
        const review::ReviewEntry board = progresstest::scriptedBoard(label, n);
        review::CardState &state = states[board.card.verb + '|' + board.card.tense];
        state = progresstest::stateAfter(state, board);
        ASSERT_TRUE(store.recordGrade(board, state).isReady());
    }
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
    record(store, "s", 0, 1);
}

void runSql(const QString &path, const char *sql)
{
    Connection connection(path, Connection::Access::Create);
    ASSERT_EQ(connection.execute(sql), 0) << qPrintable(connection.errorMessage());
}

// A table's first page overwritten, in a store of ours.
void garble(const QString &folder, const char *table)
{
    storeWithOneGrade(folder);
    const qint64 page = *Connection(folder + Ours, Connection::Access::ReadOnly)
                             .integer("SELECT rootpage FROM sqlite_schema WHERE name = '" +
                                      QByteArray(table) + "'");
    QFile file(folder + Ours);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek((page - 1) * 4096 + 8));
    file.write(QByteArray(2000, '\xff'));
}

// Every file in the folder but those an SQLite reader makes: the log's index, which any reader
// may rewrite, and an empty log.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        QFile file(QDir(folder).filePath(name));
        if (!name.endsWith("-shm") && file.open(QIODevice::ReadOnly) &&
            !(name.endsWith("-wal") && file.size() == 0))
            files.insert(name, file.readAll());
    }
    return files;
}

#ifdef Q_OS_LINUX
// As root, file modes bind no one: the case runs again in a copy of this test as "nobody".
bool ranAsUnprivilegedUser(const char *testName)
{
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    if (geteuid() != 0 || qEnvironmentVariableIsSet("ZANDREL_UNPRIVILEGED_CHILD") ||
        setpriv.isEmpty())
        return false;
    QTemporaryDir reachable; // a copy "nobody" can run wherever the build lies
    const QString copy = reachable.filePath("test");
    EXPECT_TRUE(QFile::copy(QFile::symLinkTarget("/proc/self/exe"), copy));
    QFile::setPermissions(reachable.path(), QFileDevice::Permissions(0x7055));
    qputenv("ZANDREL_UNPRIVILEGED_CHILD", "1");
    EXPECT_EQ(QProcess::execute(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", copy,
                                          QStringLiteral("--gtest_filter=*") + testName}),
              0);
    qunsetenv("ZANDREL_UNPRIVILEGED_CHILD");
    return true;
}
#endif

enum Call { Open, Create, OpenAndCheckWhole };

struct OpeningCase {
    const char *name;
    std::function<void(const QString &folder)> prepare;
    Call call;
    StoreOutcome expected;
    const char *asideLabel = nullptr; // how startFresh names the file it keeps aside
    bool unprivileged = false;        // needs a user whom file modes bind
};

class Opening : public testing::TestWithParam<OpeningCase> {};

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
    const QString folder = temporary.filePath("data");
    ASSERT_TRUE(QDir().mkpath(folder));
    c.prepare(folder);
    const auto before = contents(folder);
    ProgressStore store(folder);
    progress::StoreStatus status = c.call == Create ? store.create() : store.open();
    if (c.call == OpenAndCheckWhole && status.isReady())
        status = store.checkWhole();
    EXPECT_EQ(status.outcome, c.expected) << qPrintable(status.message());
    EXPECT_EQ(store.isOpen(), c.expected == StoreOutcome::Ready);
    EXPECT_TRUE(status.message().contains(QDir::toNativeSeparators(status.file)));
    QFile::setPermissions(folder, QFileDevice::Permissions(0x7000));
    const review::ReviewEntry later = progresstest::scriptedBoard("s", 1);
    if (c.expected != StoreOutcome::Ready) {
        EXPECT_FALSE(store.recordGrade(later, {}).isReady());
        EXPECT_EQ(contents(folder), before) << "a file it could not use was changed";
    }
    if (!c.asideLabel)
        return;
    // Kept aside under a name of its own, never over one kept earlier in the same second.
    const QString taken = store.filePath() + '.' + c.asideLabel + "-20261208-101500";
    write(taken, "earlier");
    const progress::StoreStatus fresh = store.startFresh({QDate(2026, 12, 8), QTime(10, 15)});
    ASSERT_TRUE(fresh.isReady()) << qPrintable(fresh.message());
    EXPECT_EQ(fresh.asideFile, taken + "-2");
    auto after = contents(folder);
    EXPECT_EQ(after.take(QFileInfo(taken).fileName()), "earlier");
    for (auto file = before.cbegin(); file != before.cend(); ++file)
        EXPECT_EQ(after.value(QFileInfo(fresh.asideFile).fileName() +
                              file.key().mid(ProgressStore::fileName().size())),
                  file.value())
            << qPrintable(file.key());
    EXPECT_TRUE(store.recordGrade(later, {}).isReady());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Opening,
    testing::Values(
        OpeningCase{"NothingThere", [](auto) {}, Open, StoreOutcome::NoStore},
        OpeningCase{"Fresh", [](auto) {}, Create, StoreOutcome::Ready},
        OpeningCase{"Existing", storeWithOneGrade, Open, StoreOutcome::Ready},
        OpeningCase{"CreateFindsExisting", storeWithOneGrade, Create, StoreOutcome::Ready},
        OpeningCase{"EmptyFileOfACreationCutShort", [](auto f) { write(f + Ours, {}); }, Open,
                    StoreOutcome::Ready},
        OpeningCase{"NotADatabase", [](auto f) { write(f + Ours, QByteArray(3000, 'x')); }, Open,
                    StoreOutcome::Damaged, "damaged"},
        OpeningCase{"DamagedCards", [](auto f) { garble(f, "cards"); }, Open, StoreOutcome::Damaged,
                    "damaged"},
        OpeningCase{"DamagedLog", [](auto f) { garble(f, "reviews"); }, OpenAndCheckWhole,
                    StoreOutcome::Damaged, "damaged"},
        OpeningCase{"ForeignTables", [](auto f) { runSql(f + Ours, "CREATE TABLE notes (t)"); },
                    Create, StoreOutcome::NotOurs, "not-ours"},
        OpeningCase{"ForeignApplicationId",
                    [](auto f) { runSql(f + Ours, "PRAGMA application_id = 7"); }, Open,
                    StoreOutcome::NotOurs, "not-ours"},
        OpeningCase{"NewerSchemaWithItsLog",
                    [](auto f) {
                        // Copied while open, as after a crash: the version is in the log.
                        QTemporaryDir live;
                        storeWithOneGrade(live.path());
                        Connection newer(live.path() + Ours, Connection::Access::ReadWrite);
                        newer.execute("PRAGMA journal_mode = WAL; PRAGMA user_version = 2");
                        QFile::copy(live.path() + Ours, f + Ours);
                        QFile::copy(live.path() + Ours + "-wal", f + Ours + "-wal");
                    },
                    Open, StoreOutcome::Newer, "newer"},
        OpeningCase{"FolderIsAFile", [](auto f) { QDir(f).removeRecursively(), write(f, "x"); },
                    Create, StoreOutcome::Unwritable},
        OpeningCase{"ReadOnlyFolder",
                    [](auto f) {
                        storeWithOneGrade(f);
                        QFile::setPermissions(f, QFileDevice::Permissions(0x5000));
                    },
                    Open, StoreOutcome::Unwritable, nullptr, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Grades, ComeBackAsRecordedAfterReopening)
{
    QTemporaryDir folder;
    const QString hostile = "x');DROP_TABLE_reviews;--";
    {
        ProgressStore store(folder.path());
        ASSERT_TRUE(store.create().isReady());
        record(store, hostile, 0, 16); // 15 cards, the first one twice
        store.setSetting("newCardsPerDay", "8");
        store.setSetting("newCardsPerDay", "12");
    }
    EXPECT_EQ(progresstest::checkScriptedStore(folder.path(), {hostile}), 16);
    ProgressStore store(folder.path());
    ASSERT_TRUE(store.open().isReady());
    const QDateTime start = progresstest::scriptedBoard(hostile, 0).reviewedAt; // 08:00 UTC
    EXPECT_EQ(store.reviewsGradedAgainSince(start).size(), 4); // boards 0, 4, 8 and 12
    EXPECT_EQ(store.reviewsGradedAgainSince(start.addSecs(1)).size(), 3);
    // 08:00 UTC is still the 30th of November at UTC-9, the 1st of December at UTC+14.
    EXPECT_EQ(store.cardsIntroducedOn(QDate(2026, 11, 30), QTimeZone(-9 * 3600)), 15);
    EXPECT_EQ(store.cardsIntroducedOn(QDate(2026, 12, 1), QTimeZone(14 * 3600)), 15);
    EXPECT_EQ(store.cardsIntroducedOn(QDate(2026, 12, 1), QTimeZone(-9 * 3600)), 0);
    EXPECT_EQ(store.settings().value("newCardsPerDay"), "12");
    EXPECT_TRUE(store.forgetAll().outcome == StoreOutcome::NoStore && !store.exists());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST(Migration, EachStepRunsOnceAndInOrder)
{
    QTemporaryDir folder;
    Connection connection(folder.filePath("m.sqlite"), Connection::Access::Create);
    // Step 2 fails if run twice (the column exists); step 3 fails if run before step 2.
    const progress::MigrationStep steps[] = {
        progress::schemaSteps()[0],
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
