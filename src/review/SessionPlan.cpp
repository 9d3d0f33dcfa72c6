// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "review/SessionPlan.h"
#include "board/Board.h"

#include <QSet>
#include <QTimeZone>

#include <algorithm>
#include <tuple>

namespace review {

namespace {

bool inChosenGroups(const OfferedVerb &verb, const ReviewChoice &choice)
{
    const bool typeChosen = verb.type ? choice.includes(*verb.type) : choice.types.all();
    return verb.kind && choice.includes(*verb.kind) && typeChosen && choice.includes(verb.level);
}

QDateTime startOfNextDay(const QDateTime &now)
{
    const QDate tomorrow = now.date().addDays(1);
    if (now.timeSpec() == Qt::TimeZone)
        return tomorrow.startOfDay(now.timeZone());
    return tomorrow.startOfDay(now.timeSpec(), now.offsetFromUtc());
}

// A reviewed card the session may show, with what orders it among the others.
struct Candidate {
    PlannedBoard board;
    double recall;
    qint64 dueMs;
    int rank;
};

// Builds the plan's lists from card keys: which verb (in the chosen groups) and which chosen
// tense each names.
class ChosenCards {
public:
    explicit ChosenCards(const SessionRequest &request) : m_request(request)
    {
        const auto &captions = board::tenseCaptions();
        for (int tense = 0; tense < data::TenseCount; ++tense)
            if (request.choice.tenses.test(tense))
                m_tenses.insert(captions[tense], tense);
        for (int v = 0; v < request.verbs.size(); ++v) {
            const OfferedVerb &verb = request.verbs[v];
            if (inChosenGroups(verb, request.choice) && !m_verbs.contains(verb.name))
                m_verbs.insert(verb.name, v);
        }
    }

    bool anyVerb() const { return !m_verbs.isEmpty(); }

    std::optional<Candidate> candidate(const CardKey &key, const CardState &state,
                                       const Fsrs &fsrs) const
    {
        const auto verb = m_verbs.constFind(key.verb);
        const auto tense = m_tenses.constFind(key.tense);
        if (verb == m_verbs.cend() || tense == m_tenses.cend())
            return std::nullopt;
        return Candidate{{key, *verb, *tense, false},
                         fsrs.retrievability(state, m_request.now),
                         state.due.isValid() ? state.due.toMSecsSinceEpoch() : 0,
                         m_request.verbs[*verb].frequencyRank};
    }

    // Unseen cards, the most frequent verb first, each verb's tenses in the list's order.
    QList<PlannedBoard> newCards(int count) const
    {
        std::vector<int> verbs(m_verbs.cbegin(), m_verbs.cend());
        std::sort(verbs.begin(), verbs.end(), [&](int a, int b) {
            return std::tie(m_request.verbs[a].frequencyRank, a) <
                   std::tie(m_request.verbs[b].frequencyRank, b);
        });
        QList<PlannedBoard> boards;
        const auto &captions = board::tenseCaptions();
        for (int v : verbs)
            for (int tense = 0; tense < data::TenseCount; ++tense) {
                if (boards.size() >= count)
                    return boards;
                if (!m_request.choice.tenses.test(tense))
                    continue;
                const CardKey key{m_request.verbs[v].name, captions[tense]};
                const auto known = m_request.states.constFind(key);
                if (known == m_request.states.cend() || known->phase == CardPhase::New)
                    boards.append({key, v, tense, true});
            }
        return boards;
    }

private:
    const SessionRequest &m_request;
    QHash<QString, int> m_verbs;  // name -> index of its first record in the chosen groups
    QHash<QString, int> m_tenses; // caption -> tense number, chosen tenses only
};

// The `count` least retrievable candidates, in order.
QList<PlannedBoard> leastRetrievable(std::vector<Candidate> &candidates, int count)
{
    const auto first = [](const Candidate &a, const Candidate &b) {
        return std::tie(a.recall, a.dueMs, a.rank, a.board.tense) <
               std::tie(b.recall, b.dueMs, b.rank, b.board.tense);
    };
    const auto end = candidates.begin() + std::min<qsizetype>(count, qsizetype(candidates.size()));
    std::partial_sort(candidates.begin(), end, candidates.end(), first);
    QList<PlannedBoard> boards;
    for (auto it = candidates.begin(); it != end; ++it)
        boards.append(it->board);
    return boards;
}

SessionPlan planMistakes(const SessionRequest &request, const ChosenCards &chosen, int length,
                         const Fsrs &fsrs)
{
    const qint64 sinceMs = request.now.addDays(-ReviewChoice::MistakeDays).toMSecsSinceEpoch();
    std::vector<Candidate> candidates;
    QSet<CardKey> seen;
    seen.reserve(request.recentMistakes.size());
    for (const ReviewEntry &entry : request.recentMistakes) {
        if (entry.grade != Grade::Again || entry.reviewedAt.toMSecsSinceEpoch() <= sinceMs)
            continue;
        const qsizetype before = seen.size();
        seen.insert(entry.card);
        if (seen.size() == before)
            continue; // graded Again more than once
        if (auto candidate = chosen.candidate(entry.card, request.states.value(entry.card), fsrs))
            candidates.push_back(*candidate);
    }
    SessionPlan plan{leastRetrievable(candidates, length)};
    if (plan.boards.isEmpty())
        plan.emptyReason = EmptyPlanReason::NoRecentMistake;
    return plan;
}

SessionPlan planDueAndNew(const SessionRequest &request, const ChosenCards &chosen, int length,
                          const Fsrs &fsrs)
{
    const qint64 dayEndMs = startOfNextDay(request.now).toMSecsSinceEpoch();
    std::vector<Candidate> candidates;
    candidates.reserve(size_t(request.states.size()));
    for (auto it = request.states.cbegin(); it != request.states.cend(); ++it) {
        const CardState &state = it.value();
        if (state.phase == CardPhase::New ||
            (state.due.isValid() && state.due.toMSecsSinceEpoch() >= dayEndMs))
            continue;
        if (auto candidate = chosen.candidate(it.key(), state, fsrs))
            candidates.push_back(*candidate);
    }
    SessionPlan plan{leastRetrievable(candidates, length)};
    const int allowance = std::max(0, request.newPerDay - request.newIntroducedToday);
    plan.boards.append(chosen.newCards(std::min(allowance, length - int(plan.boards.size()))));
    if (plan.boards.isEmpty())
        plan.emptyReason = allowance == 0 ? EmptyPlanReason::NothingDueNewLimitReached
                                          : EmptyPlanReason::NothingDueAllIntroduced;
    return plan;
}

} // namespace

SessionPlan planSession(const SessionRequest &request, const Fsrs &fsrs)
{
    const ReviewChoice &choice = request.choice;
    if (choice.tenses.none())
        return {{}, EmptyPlanReason::NoTense};
    if (choice.types.none() || choice.kinds.none() || choice.levels.none())
        return {{}, EmptyPlanReason::NoGroup};
    const ChosenCards chosen(request);
    if (!chosen.anyVerb())
        return {{}, EmptyPlanReason::NoMatchingVerb};
    const int length = std::clamp(choice.sessionLength, ReviewChoice::MinimumSessionLength,
                                  ReviewChoice::MaximumSessionLength);
    return choice.onlyMistakes ? planMistakes(request, chosen, length, fsrs)
                               : planDueAndNew(request, chosen, length, fsrs);
}

QString emptyPlanText(EmptyPlanReason reason)
{
    switch (reason) {
    case EmptyPlanReason::None:
        break;
    case EmptyPlanReason::NoTense:
        return QStringLiteral("Choose at least one tense to review.");
    case EmptyPlanReason::NoGroup:
        return QStringLiteral("Choose at least one verb type, one kind and one level to review.");
    case EmptyPlanReason::NoMatchingVerb:
        return QStringLiteral("No verb in the verb file belongs to all the chosen groups.");
    case EmptyPlanReason::NoRecentMistake:
        return QStringLiteral("No board of the chosen tenses and groups was graded Again in the "
                              "last 30 days.");
    case EmptyPlanReason::NothingDueNewLimitReached:
        return QStringLiteral("Nothing is due today, and today's new boards have all been "
                              "introduced. Come back tomorrow.");
    case EmptyPlanReason::NothingDueAllIntroduced:
        return QStringLiteral("Nothing is due today, and every board of the chosen tenses and "
                              "groups has been introduced.");
    }
    return {};
}

} // namespace review
