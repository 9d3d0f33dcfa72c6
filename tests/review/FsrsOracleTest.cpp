// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The scheduler against its reference implementation (ts-fsrs, run by Node.js) on the same
// review histories: named edge cases and many random ones. Stability, difficulty and
// retrievability agree to 1e-6, due dates to the millisecond.
#include "review/Fsrs.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>

#include <cmath>
#include <vector>

using review::Fsrs;
using review::Grade;

namespace {

struct Review {
    qint64 at;
    Grade grade;
    qint64 probe; // when retrievability is asked: the next review, or five days on
};
using History = std::vector<Review>;

constexpr qint64 Hour = 3600 * 1000;
constexpr qint64 Day = 24 * Hour;
const qint64 Start = QDateTime(QDate(2024, 3, 1), QTime(8, 30), Qt::UTC).toMSecsSinceEpoch();

// Reviews `days` after the start (fractions are hours), graded by the digits of `grades`.
History named(std::vector<double> days, const char *grades)
{
    History history;
    for (size_t i = 0; i < days.size(); ++i)
        history.push_back({Start + qint64(days[i] * Day), Grade(grades[i] - '0'), 0});
    return history;
}

History randomHistory(QRandomGenerator &random)
{
    History history;
    qint64 at = Start + random.bounded(365) * Day + random.bounded(24) * Hour;
    for (int n = 1 + random.bounded(30); n > 0; --n) {
        const int roll = random.bounded(100);
        const int draw = random.bounded(100);
        const Grade grade = draw < 20   ? Grade::Again
                            : draw < 35 ? Grade::Hard
                            : draw < 85 ? Grade::Good
                                        : Grade::Easy;
        history.push_back({at, grade, 0});
        at += roll < 15   ? random.bounded(20 * Hour) // same day or just past midnight
              : roll < 65 ? random.bounded(1, 31) * Day + random.bounded(Day)
              : roll < 90 ? random.bounded(30, 400) * Day
                          : random.bounded(400, 3000) * Day; // long overdue
    }
    return history;
}

std::vector<History> histories()
{
    std::vector<History> all = {
        named({0, 1, 3, 9}, "1333"),                                 // Again first
        named({0, 10, 40, 200}, "4444"),                             // Easy first
        named({0, 0.1, 0.2, 0.6, 1}, "12341"),                       // same-day reviews
        named({0, 400, 2000, 9000}, "3323"),                         // long gaps
        named({0, 5000, 15000, 30000, 60000, 90000}, "444444"),      // up to the longest interval
        named({0, 2, 3, 5, 6, 8, 9, 12, 13, 14, 20}, "31313131311"), // many lapses
        named({0, 0.64, 0.66}, "233"), // 23:50 and 00:20: one calendar day apart
        named({0, 1, 2, 3, 4, 5}, "222222"),
    };
    QRandomGenerator random(27);
    while (all.size() < 500)
        all.push_back(randomHistory(random));
    for (History &history : all)
        for (size_t i = 0; i < history.size(); ++i)
            history[i].probe = i + 1 < history.size() ? history[i + 1].at : history[i].at + 5 * Day;
    return all;
}

// The reference's replies, one array of rows per history.
QJsonArray runReference(const std::vector<History> &all)
{
    QJsonArray request;
    for (const History &history : all) {
        QJsonArray reviews;
        for (const Review &review : history)
            reviews.append(QJsonArray{review.at, int(review.grade), review.probe});
        request.append(reviews);
    }
    QProcess node;
    node.start(QStringLiteral(ZANDREL_NODE), {QStringLiteral(ZANDREL_FSRS_ORACLE)});
    node.write(QJsonDocument(request).toJson(QJsonDocument::Compact));
    node.closeWriteChannel();
    const bool ran = node.waitForFinished(300000) && node.exitCode() == 0;
    EXPECT_TRUE(ran) << "the reference did not run (scripts/fetch-npm-deps installs it): "
                     << node.readAllStandardError().toStdString();
    const QJsonObject reply = QJsonDocument::fromJson(node.readAllStandardOutput()).object();
    EXPECT_TRUE(reply.value("version").toString().startsWith("v5.2.3"));
    return reply.value("replies").toArray();
}

// Steps where the scheduler and the reference disagree; the first few are reported.
int disagreements(const Fsrs &fsrs, const std::vector<History> &all, const QJsonArray &reference,
                  bool report)
{
    int count = 0;
    for (size_t h = 0; h < all.size(); ++h) {
        review::CardState card;
        const QJsonArray rows = reference.at(qsizetype(h)).toArray();
        for (size_t i = 0; i < all[h].size(); ++i) {
            const Review &step = all[h][i];
            card = fsrs.review(card, step.grade, QDateTime::fromMSecsSinceEpoch(step.at, Qt::UTC));
            const double probeRecall =
                fsrs.retrievability(card, QDateTime::fromMSecsSinceEpoch(step.probe, Qt::UTC));
            const QJsonArray want = rows.at(qsizetype(i)).toArray();
            const bool same = std::abs(card.stability - want[0].toDouble()) <= 1e-6 &&
                              std::abs(card.difficulty - want[1].toDouble()) <= 1e-6 &&
                              card.due.toMSecsSinceEpoch() == qint64(want[2].toDouble()) &&
                              card.lastReview.toMSecsSinceEpoch() == qint64(want[3].toDouble()) &&
                              card.reps == want[4].toInt() && card.lapses == want[5].toInt() &&
                              int(card.phase) == want[6].toInt() &&
                              std::abs(probeRecall - want[7].toDouble()) <= 1e-6;
            if (same)
                continue;
            if (report && count < 5)
                ADD_FAILURE() << "history " << h << ", review " << i << ": got S " << card.stability
                              << " D " << card.difficulty << " due "
                              << card.due.toString(Qt::ISODateWithMs).toStdString() << " R "
                              << probeRecall << "; reference "
                              << QJsonDocument(want).toJson(QJsonDocument::Compact).toStdString();
            ++count;
        }
    }
    return count;
}

class FsrsOracle : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_histories = histories();
        s_reference = runReference(s_histories);
    }
    static inline std::vector<History> s_histories;
    static inline QJsonArray s_reference;
};

TEST_F(FsrsOracle, SchedulesAsTheReference)
{
    ASSERT_EQ(s_reference.size(), qsizetype(s_histories.size()));
    EXPECT_EQ(disagreements(Fsrs(), s_histories, s_reference, true), 0);
}

// The comparison has teeth: a weight changed by 2 % shows. Weights 17 to 19 shape only the
// learning steps within a day, which this scheduler does not take.
TEST_F(FsrsOracle, SeesEveryWeightItUses)
{
    ASSERT_EQ(s_reference.size(), qsizetype(s_histories.size()));
    for (int w : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 20}) {
        Fsrs::Weights weights = Fsrs::defaultWeights();
        weights[w] *= 1.02;
        EXPECT_GT(disagreements(Fsrs(weights), s_histories, s_reference, false), 0) << "w" << w;
    }
}

} // namespace
