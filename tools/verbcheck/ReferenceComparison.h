// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MeaningsReport.h"

#include "data/VerbFile.h"

#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

namespace verbcheck {

// Where the verb file and a reference disagree: for an author to mend, or to
// list with the reason the file is right.
struct Disagreement {
    qsizetype record = 0;
    QString verb; // as listed
    QString kind; // "separable" or "auxiliary"
    QString detail;
};

struct References {
    // Whether the verb-form dictionary conjugates an infinitive as separable
    // ("gestalte um"); none when it lacks the verb.
    std::function<std::optional<bool>(const QString &)> splitsOffPrefix;
    const DingDictionary *ding = nullptr; // may be absent
};

// The comparisons, record by record:
// - separable: a verb on um-, über-, unter-, durch- or wieder- the file
//   conjugates as separable and the dictionary not, or the other way round
//   (the dictionary splits many that are not, so the file is often right);
// - auxiliary: the Perfekt takes haben where Ding spells it with sein for one
//   of the file's meanings and that participle, or the other way round; or a
//   verb built on a base verb of the file that takes sein takes haben
//   (angehen beside gehen: "wir sind das Problem angegangen").
QList<Disagreement> compareWithReferences(const data::VerbFile &file, const References &references);

// How tools/verbs/reference-exceptions.txt lists a reviewed disagreement:
// "kind<TAB>verb" (read with parseReviewedList).
QString reviewKey(const Disagreement &disagreement);

} // namespace verbcheck
