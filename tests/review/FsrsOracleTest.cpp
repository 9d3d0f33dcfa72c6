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

using review::Fsrs;

namespace {

struct Review {
    qint64 at;
    int grade;
    qint64 probe; // when retrievability is asked: the next review, or five days on
};
using History = std::vector<Review>;

constexpr qint64 Hour = 3600 * 1000, Day = 24 * Hour;
const qint64 Start = QDateTime(QDate(2024, 3, 1), QTime(8, 30), Qt::UTC).toMSecsSinceEpoch();

// Reviews `days` after the start (fractions are hours), graded by the digits of `grades`.
History named(std::vector<double> days, const char *grades)
{
    History history;
    for (size_t i = 0; i < days.size(); ++i)
        history.push_back({Start + qint64(days[i] * Day), grades[i] - '0', 0});
    return history;
}

History randomHistory(QRandomGenerator &random)
{
    History history;
    qint64 at = Start + random.bounded(365) * Day + random.bounded(24) * Hour;
    for (int n = 1 + random.bounded(30); n > 0; --n) {
        const int draw = random.bounded(100), roll = random.bounded(100);
        history.push_back({at, 1 + (draw >= 20) + (draw >= 35) + (draw >= 85), 0}); // Good most
        at += roll < 15   ? random.bounded(20 * Hour) // same day or just past midnight
              : roll < 65 ? random.bounded(1, 31) * Day + random.bounded(Day)
              : roll < 90 ? random.bounded(30, 400) * Day
                          : random.bounded(400, 3000) * Day; // long overdue
    }
    return history;
}

std::vector<History> makeHistories()
{
    std::vector<History> all = {
        named({0, 1, 3, 9}, "1333"),                                 // Again first
        named({0, 10, 40, 200}, "4444"),                             // Easy first
        named({0, 0.1, 0.2, 0.6, 1}, "12341"),                       // same-day reviews
        named({0, 400, 2000, 9000}, "3323"),                         // long gaps
        named({0, 5000, 15000, 30000, 60000, 90000}, "444444"),      // the longest interval
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

const std::vector<History> &histories()
{
    static const std::vector<History> all = makeHistories();
    return all;
}

// The reference's rows, one array per history: stability, difficulty, due, last review, reps,
// lapses, phase, retrievability at the probe.
const QJsonArray &reference()
{
    static const QJsonArray replies = [] {
        QJsonArray request;
        for (const History &history : histories()) {
            QJsonArray reviews;
            for (const Review &review : history)
                reviews.append(QJsonArray{review.at, review.grade, review.probe});
            request.append(reviews);
        }
        QProcess node;
        node.start(QStringLiteral(ZANDREL_NODE), {QStringLiteral(ZANDREL_FSRS_ORACLE)});
        node.write(QJsonDocument(request).toJson(QJsonDocument::Compact));
        node.closeWriteChannel();
        EXPECT_TRUE(node.waitForFinished(300000) && node.exitCode() == 0)
            << "the reference did not run (scripts/fetch-npm-deps installs it): "
            << node.readAllStandardError().toStdString();
        const QJsonObject reply = QJsonDocument::fromJson(node.readAllStandardOutput()).object();
        EXPECT_TRUE(reply.value("version").toString().startsWith("v5.2.3"));
        return reply.value("replies").toArray();
    }();
    return replies;
}

// Reviews where the scheduler and the reference disagree; the first few are reported.
int disagreements(const Fsrs &fsrs, bool report)
{
    int count = 0;
    for (size_t h = 0; h < histories().size(); ++h) {
        review::CardState card;
        for (size_t i = 0; i < histories()[h].size(); ++i) {
            const Review &step = histories()[h][i];
            const auto time = [](qint64 ms) { return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC); };
            card = fsrs.review(card, review::Grade(step.grade), time(step.at));
            const double got[] = {card.stability,
                                  card.difficulty,
                                  double(card.due.toMSecsSinceEpoch()),
                                  double(card.lastReview.toMSecsSinceEpoch()),
                                  double(card.reps),
                                  double(card.lapses),
                                  double(card.phase),
                                  fsrs.retrievability(card, time(step.probe))};
            const QJsonArray want = reference()[qsizetype(h)].toArray()[qsizetype(i)].toArray();
            bool same = want.size() == 8;
            for (int k = 0; k < 8 && same; ++k) // dates and counts exactly
                same = std::abs(got[k] - want[k].toDouble()) <= (k < 2 || k == 7 ? 1e-6 : 0);
            if (!same && report && count < 5)
                ADD_FAILURE() << "history " << h << ", review " << i << ": got S " << got[0]
                              << " D " << got[1] << " due " << qint64(got[2]) << " R " << got[7]
                              << "; reference "
                              << QJsonDocument(want).toJson(QJsonDocument::Compact).toStdString();
            count += !same;
        }
    }
    return count;
}

TEST(FsrsOracle, SchedulesAsTheReference)
{
    ASSERT_EQ(reference().size(), qsizetype(histories().size()));
    EXPECT_EQ(disagreements(Fsrs(), true), 0);
}

// The comparison has teeth: a weight changed by 2 % shows. Weights 17 to 19 shape only the
// learning steps within a day, which this scheduler does not take.
TEST(FsrsOracle, SeesEveryWeightItUses)
{
    ASSERT_EQ(reference().size(), qsizetype(histories().size()));
    for (int w : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 20}) {
        Fsrs::Weights weights = Fsrs::defaultWeights();
        weights[w] *= 1.02;
        EXPECT_GT(disagreements(Fsrs(weights), false), 0) << "w" << w;
    }
}

} // namespace
