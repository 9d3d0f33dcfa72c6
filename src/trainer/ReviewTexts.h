// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "review/Card.h"

#include <QList>
#include <QString>

namespace trainer {

// What the window shows and says during a review.

// "Präteritum" for "Indikativ Präteritum": the indicative is the tense named plainly; the
// subjunctives and the imperative keep their whole caption.
QString shortTenseName(const QString &tenseCaption);

// "Review: board 3 of 10, laufen, Präteritum" (position from 0); "Review, not saved: ..." when
// the grades are not kept.
QString reviewStatus(int position, int count, const review::CardKey &card, bool saved);
// "Board 3 of 10: laufen, Präteritum"
QString boardAnnouncement(int position, int count, const review::CardKey &card);

// "Good. Board 4 of 10: ..." is said as one: the grade, then the next board.
QString gradeAnnouncement(review::Grade grade);

// "10 boards: 7 Good, 2 Hard, 1 Again"; grades no board earned are left out.
QString sessionSummary(const QList<review::Grade> &grades);

// The learner chose another verb or tense during a review.
QString reviewLeftByListChange();
QString reviewLeft();
// Every grade was forgotten while a review ran.
QString reviewEndedByForgetting();
// The learner did not agree to keep progress.
QString reviewNeedsConsent();
// The consent dialog's question, naming the folder.
QString consentQuestion(const QString &folder);

} // namespace trainer
