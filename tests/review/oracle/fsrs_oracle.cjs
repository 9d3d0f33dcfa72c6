// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Replays review histories through ts-fsrs, the scheduler's reference implementation, set up
// as the trainer schedules: day-based (no learning steps), no fuzz, 90 % retention.
// stdin:  [[[reviewedMs, grade, probeMs], ...], ...]  one list of reviews per card
// stdout: {"version": ..., "replies": [[[stability, difficulty, dueMs, lastReviewMs, reps,
//          lapses, state, retrievability at probeMs], ...], ...]}  one row per review
'use strict';
const { fsrs, createEmptyCard, FSRSVersion } = require('ts-fsrs');

const scheduler = fsrs({
    enable_short_term: false,
    enable_fuzz: false,
    request_retention: 0.9,
    maximum_interval: 36500,
});

let input = '';
process.stdin.setEncoding('utf8');
process.stdin.on('data', (chunk) => { input += chunk; });
process.stdin.on('end', () => {
    const replies = JSON.parse(input).map((reviews) => {
        let card = createEmptyCard(new Date(reviews[0][0]));
        return reviews.map(([reviewedMs, grade, probeMs]) => {
            card = scheduler.next(card, new Date(reviewedMs), grade).card;
            return [card.stability, card.difficulty, card.due.getTime(),
                card.last_review.getTime(), card.reps, card.lapses, card.state,
                scheduler.get_retrievability(card, new Date(probeMs), false)];
        });
    });
    process.stdout.write(JSON.stringify({ version: FSRSVersion, replies }));
});
