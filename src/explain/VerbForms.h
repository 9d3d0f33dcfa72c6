// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/RecordLayout.h"
#include "data/VerbFile.h"

#include <QString>

#include <array>
#include <optional>

namespace explain {

using TenseForms = std::array<QString, data::BoxCount>; // box k at [k - 1], as the board reads them

// One verb as the board shows it in all fifteen tenses: what the classifier
// compares a typed form with.
class VerbForms {
public:
    VerbForms(QString verb, data::Category category, QString typeName,
              std::array<TenseForms, data::TenseCount> forms);

    // Record `record` read tense by tense as the board refresh reads it; nothing
    // when its category letter is unknown (the board shows no box then).
    static std::optional<VerbForms> read(const data::VerbFile &file, qsizetype record);

    const QString &verb() const { return m_verb; } // "sich vorstellen", "spazieren gehen"
    data::Category category() const { return m_category; }
    const QString &typeName() const { return m_typeName; } // "Weak", "Strong"...; empty if unknown
    const QString &form(int tense, int box) const;         // empty outside the tense's block

    // The separable prefix that begins the infinitive ("auf" of aufstehen);
    // empty for verbs without one.
    const QString &separablePrefix() const { return m_prefix; }
    // What stands apart from the finite verb in the simple tenses: the separable
    // prefix, or a two-word verb's first word ("spazieren", "Auto").
    const QString &detachedPart() const { return m_detached; }
    // The infinitive without prefix and ending: "steh" of aufstehen, "geh" of spazieren gehen.
    const QString &infinitiveStem() const { return m_stem; }

private:
    QString firstDetachedForm() const;

    QString m_verb;
    data::Category m_category;
    QString m_typeName;
    std::array<TenseForms, data::TenseCount> m_forms;
    QString m_prefix;
    QString m_detached;
    QString m_stem;
};

} // namespace explain
