// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Choosing a review session's boards among every card of a 2,148-verb file in its 15 tenses,
// after about 100,000 graded boards: nine cards in ten reviewed, over the months before.
#include "board/Board.h"
#include "review/SessionPlan.h"

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

namespace {

using namespace review;

constexpr int Verbs = 2148;
const QDateTime Now(QDate(2025, 3, 1), QTime(9, 0), Qt::UTC);

struct Progress {
    QList<OfferedVerb> verbs;
    QHash<CardKey, CardState> states;
    QList<ReviewEntry> mistakes; // graded Again in the last 30 days
    int reviews = 0;
};

const Progress &progress()
{
    static const Progress made = [] {
        Progress p;
        QRandomGenerator random(2148);
        const Fsrs fsrs;
        for (int v = 0; v < Verbs; ++v)
            p.verbs.append({QStringLiteral("verb%1").arg(v), VerbType(v % VerbTypeCount),
                            VerbKind(v / 7 % VerbKindCount), Level(v * LevelCount / Verbs), v});
        for (const OfferedVerb &verb : p.verbs)
            for (const QString &tense : board::tenseCaptions()) {
                if (random.bounded(10) == 0)
                    continue; // not introduced yet
                const CardKey key{verb.name, tense};
                CardState state;
                QDateTime at = Now.addDays(-random.bounded(20, 110));
                while (at < Now) {
                    const Grade grade = Grade(1 + random.bounded(4));
                    state = fsrs.review(state, grade, at);
                    ++p.reviews;
                    if (grade == Grade::Again && at > Now.addDays(-30))
                        p.mistakes.append({key, grade, at, 20000, {}});
                    at = state.due.addSecs(random.bounded(-86400, 20 * 86400));
                }
                p.states.insert(key, state);
            }
        return p;
    }();
    return made;
}

// Argument: 0 the default choice (three tenses), 1 every tense, 2 "my mistakes".
void BM_PlanSession(benchmark::State &state)
{
    const Progress &p = progress();
    ReviewChoice choice = ReviewChoice::defaults();
    if (state.range(0) >= 1)
        choice.tenses.set();
    choice.onlyMistakes = state.range(0) == 2;
    qsizetype boards = 0;
    for (auto _ : state) {
        const SessionPlan plan = planSession({p.verbs, choice, p.states, p.mistakes, 3, 10, Now});
        boards = plan.boards.size();
        benchmark::DoNotOptimize(plan);
    }
    state.counters["cards"] = double(p.states.size());
    state.counters["reviews"] = p.reviews;
    state.counters["mistakes"] = double(p.mistakes.size());
    state.counters["boards"] = double(boards);
}
BENCHMARK(BM_PlanSession)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
