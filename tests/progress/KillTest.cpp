// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StoreCheck.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The last grade the driver said was kept, or -1.
int lastCommitted(const QByteArray &output)
{
    const qsizetype at = output.lastIndexOf("committed ");
    return at < 0 ? -1 : output.mid(at + 10).split('\n').front().toInt();
}

QProcess *startDriver(const QString &folder, const QString &label, int boards)
{
    auto *driver = new QProcess;
    driver->start(QStringLiteral(ZANDREL_REVIEW_DRIVER), {folder, label, QString::number(boards)});
    EXPECT_TRUE(driver->waitForStarted());
    return driver;
}

TEST(Killed, AReviewLosesAtMostTheGradeInProgress)
{
    const quint32 seed = qEnvironmentVariableIsSet("ZANDREL_KILL_SEED")
                             ? quint32(qEnvironmentVariableIntValue("ZANDREL_KILL_SEED"))
                             : QRandomGenerator::system()->generate();
    std::printf("seed %u (ZANDREL_KILL_SEED=%u repeats these kills)\n", seed, seed);
    QRandomGenerator random(seed);
    std::unique_ptr<QTemporaryDir> folder;
    int kept = 0, killedWriting = 0;
    for (int run = 0; run < 100; ++run) {
        // Every tenth run a new learner, whose file is being made when the kill comes.
        const bool making = run % 10 == 0;
        if (making) {
            folder = std::make_unique<QTemporaryDir>();
            kept = 0;
        }
        const int delayMs = making ? random.bounded(0, 10) : random.bounded(1, 150);
        SCOPED_TRACE(testing::Message() << "run " << run << ", killed after " << delayMs << " ms");
        std::unique_ptr<QProcess> driver(startDriver(folder->path(), QStringLiteral("k"), 1 << 30));
        if (making)
            driver->waitForReadyRead();   // "opening"
        driver->waitForFinished(delayMs); // the driver never ends by itself
        driver->kill();                   // SIGKILL
        ASSERT_TRUE(driver->waitForFinished());
        const QByteArray output = driver->readAllStandardOutput();
        ASSERT_FALSE(output.contains("failed")) << output.data();
        const int reported = lastCommitted(output);
        killedWriting += output.contains("ready") ? 1 : 0;
        if (kept == 0 && !QFile::exists(folder->filePath(QStringLiteral("progress.sqlite"))))
            continue; // killed before it made the file
        const int boards = progresstest::checkScriptedStore(folder->path(), {QStringLiteral("k")});
        EXPECT_GE(boards, std::max(kept, reported + 1)) << "a grade the driver kept is missing";
        EXPECT_LE(boards, reported + 2 + (reported < 0 ? kept : 0)) << "more than one unreported";
        kept = boards;
        if (testing::Test::HasFailure())
            break;
    }
    std::printf("%d of 100 kills came after the store was open\n", killedWriting);
}

TEST(TwoCopies, BothKeepEveryGrade)
{
    QTemporaryDir folder;
    std::unique_ptr<QProcess> first(startDriver(folder.path(), QStringLiteral("a"), 150));
    std::unique_ptr<QProcess> second(startDriver(folder.path(), QStringLiteral("b"), 150));
    for (QProcess *driver : {first.get(), second.get()}) {
        ASSERT_TRUE(driver->waitForFinished(120000));
        const QByteArray output = driver->readAllStandardOutput();
        EXPECT_EQ(driver->exitCode(), 0) << output.data();
        EXPECT_EQ(lastCommitted(output), 149);
    }
    EXPECT_EQ(
        progresstest::checkScriptedStore(folder.path(), {QStringLiteral("a"), QStringLiteral("b")}),
        150);
    EXPECT_EQ(
        progresstest::checkScriptedStore(folder.path(), {QStringLiteral("b"), QStringLiteral("a")}),
        150);
}

} // namespace
