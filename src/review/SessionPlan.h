// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "review/Card.h"
#include "review/Fsrs.h"
#include "review/ReviewChoice.h"
#include "review/VerbGroups.h"

#include <QHash>
#include <QList>

namespace review {

// Everything a session's boards are chosen from.
struct SessionRequest {
    const QList<OfferedVerb> &verbs; // what the verb file offers now
    const ReviewChoice &choice;
    const QHash<CardKey, CardState> &states; // every card reviewed so far
    const QList<ReviewEntry>
        &recentMistakes;        // log entries graded Again; older ones are passed over
    int newIntroducedToday = 0; // cards shown for the first time today
    int newPerDay = 10;         // the setting
    QDateTime now;              // its time zone is where the learner's day ends
};

struct PlannedBoard {
    CardKey card;
    int verb = 0;  // index into SessionRequest::verbs
    int tense = 0; // tense number
    bool isNew = false;
};

// Why a plan came out empty, for the window to say (emptyPlanText).
enum class EmptyPlanReason {
    None,
    NoTense,
    NoGroup,
    NoMatchingVerb,
    NoRecentMistake,
    NothingDueNewLimitReached,
    NothingDueAllIntroduced,
};

struct SessionPlan {
    QList<PlannedBoard> boards;
    EmptyPlanReason emptyReason = EmptyPlanReason::None;
};

// The boards of one session, at most the choice's session length, from the chosen tenses of
// the verbs in all three chosen groups (a verb of unknown type only when every type is chosen):
// - first the cards due by the end of the learner's day, least retrievable first;
// - then new cards, the most frequent verbs first and each verb's chosen tenses in the tense
//   list's order, as many as today's allowance of new cards leaves;
// - with "my mistakes", only the cards graded Again in the last 30 days, least retrievable
//   first, due or not, and no new ones.
// Cards of verbs the verb file no longer has are passed over (the caller keeps them), as are
// cards of tenses not chosen; a verb named twice is planned once.
SessionPlan planSession(const SessionRequest &request, const Fsrs &fsrs = Fsrs());

// What the window says for an empty plan.
QString emptyPlanText(EmptyPlanReason reason);

} // namespace review
