// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The progress file of a keen learner: 100,000 graded boards over a year on 10,000 cards
// (667 verbs in 15 tenses). What the planner reads when a review starts, the statistics view's
// queries, and one grade kept.
#include "board/Board.h"
#include "progress/Connection.h"
#include "progress/ProgressStore.h"
#include "progress/Statement.h"
#include "progress/Statistics.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Reviews = 100000;
constexpr int Verbs = 667;
constexpr int Tenses = data::TenseCount;
const QDateTime Now(QDate(2026, 12, 8), QTime(18, 0), Qt::UTC);
const QTimeZone Zone(3600);

QString verbName(int verb)
{
    return QStringLiteral("verb%1en").arg(verb);
}

QString tenseName(int tense)
{
    return board::tenseCaptions()[tense];
}

// Made once per run, in one transaction (a learner's store grows one grade at a time).
QString storeFolder()
{
    static QTemporaryDir folder;
    static const bool made = [] {
        progress::ProgressStore store(folder.path());
        if (!store.create().isReady())
            return false;
        progress::Connection &db = store.connection();
        db.execute("BEGIN");
        progress::Statement review(db, "INSERT INTO reviews (verb, tense, grade, reviewed_at, "
                                       "duration_ms, wrong_boxes) VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
        progress::Statement card(
            db, "INSERT OR REPLACE INTO cards (verb, tense, phase, stability, difficulty, due, "
                "last_review, reps, lapses, introduced_at) VALUES (?1, ?2, 2, 4.5, 5.5, ?3, ?4, "
                "?5, 0, ?6)");
        QRandomGenerator random(27);
        const qint64 yearStart = Now.addDays(-365).toMSecsSinceEpoch();
        for (int n = 0; n < Reviews; ++n) {
            const int cardIndex = n % (Verbs * Tenses);
            const qint64 at = yearStart + qint64(n) * 365 * 86400000 / Reviews;
            const int roll = random.bounded(100);
            const int grade = roll < 15 ? 1 : roll < 30 ? 2 : roll < 85 ? 3 : 4;
            review.reset();
            review.bind(1, verbName(cardIndex / Tenses)).bind(2, tenseName(cardIndex % Tenses));
            review.bind(3, qint64(grade)).bind(4, at).bind(5, qint64(random.bounded(3000, 60000)));
            review.bind(6, grade == 1 ? QStringLiteral("3 17") : QString());
            card.reset();
            card.bind(1, verbName(cardIndex / Tenses)).bind(2, tenseName(cardIndex % Tenses));
            card.bind(3, at + qint64(random.bounded(1, 60)) * 86400000).bind(4, at);
            card.bind(5, qint64(n / (Verbs * Tenses) + 1)).bind(6, at);
            if (!review.run() || !card.run())
                return false;
        }
        return db.execute("COMMIT") == 0;
    }();
    if (!made)
        std::abort();
    return folder.path();
}

// Opening (the file's checks included) and everything the planner needs to choose a card. The
// closing, with its checkpoint, is left out: the program does that when it quits.
void BM_OpenAndLoadForPlanner(benchmark::State &state)
{
    const QString folder = storeFolder();
    qint64 cards = 0, again = 0;
    for (auto _ : state) {
        auto store = std::make_unique<progress::ProgressStore>(folder);
        if (!store->open().isReady())
            state.SkipWithError("the store did not open");
        cards = store->cards().size();
        again = store->reviewsGradedAgainSince(Now.addDays(-30)).size();
        benchmark::DoNotOptimize(store->cardsIntroducedOn(Now.toTimeZone(Zone).date(), Zone));
        benchmark::DoNotOptimize(store->settings());
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    state.counters["cards"] = double(cards);
    state.counters["again_30_days"] = double(again);
}
BENCHMARK(BM_OpenAndLoadForPlanner)->Unit(benchmark::kMillisecond);

// The parts of it. Argument: 0 opening alone, 1 the cards, 2 the Again grades of 30 days.
void BM_OpenAndLoadParts(benchmark::State &state)
{
    progress::ProgressStore store(storeFolder());
    store.open();
    for (auto _ : state) {
        if (state.range(0) == 0) {
            progress::ProgressStore opened(storeFolder());
            benchmark::DoNotOptimize(opened.open());
        } else if (state.range(0) == 1) {
            benchmark::DoNotOptimize(store.cards());
        } else {
            benchmark::DoNotOptimize(store.reviewsGradedAgainSince(Now.addDays(-30)));
        }
    }
}
BENCHMARK(BM_OpenAndLoadParts)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Argument: 0 all five figures, 1 reviews per day, 2 cards due, 3 share by tense, 4 share by
// verb type, 5 the verbs most often Again.
void BM_Statistics(benchmark::State &state)
{
    progress::ProgressStore store(storeFolder());
    if (!store.open().isReady())
        state.SkipWithError("the store did not open");
    QHash<QString, QString> types;
    for (int verb = 0; verb < Verbs; ++verb)
        types.insert(verbName(verb), verb % 5 ? QStringLiteral("weak") : QStringLiteral("strong"));
    const int which = int(state.range(0));
    for (auto _ : state) {
        const progress::Statistics statistics(store, Now, Zone);
        if (which == 0 || which == 1)
            benchmark::DoNotOptimize(statistics.reviewsPerDay());
        if (which == 0 || which == 2)
            benchmark::DoNotOptimize(statistics.cardsDue());
        if (which == 0 || which == 3)
            benchmark::DoNotOptimize(statistics.firstTestShareByTense());
        if (which == 0 || which == 4)
            benchmark::DoNotOptimize(statistics.firstTestShareByVerbType(types));
        if (which == 0 || which == 5)
            benchmark::DoNotOptimize(statistics.mostOftenAgain());
    }
}
BENCHMARK(BM_Statistics)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// One grade: the log row and the card's state in one transaction, synced to the disk.
void BM_RecordGrade(benchmark::State &state)
{
    QTemporaryDir folder;
    progress::ProgressStore store(folder.path());
    store.create();
    int n = 0;
    for (auto _ : state) {
        const review::ReviewEntry entry{{verbName(n % Verbs), tenseName(n % Tenses)},
                                        review::Grade::Good, Now.addSecs(n), 5000, {}};
        review::CardState after;
        after.phase = review::CardPhase::Review;
        after.due = Now.addDays(3);
        if (!store.recordGrade(entry, after).isReady())
            state.SkipWithError("the grade was not kept");
        ++n;
    }
}
BENCHMARK(BM_RecordGrade)->Unit(benchmark::kMillisecond);

} // namespace
