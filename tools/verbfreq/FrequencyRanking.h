// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FormDictionary.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

namespace verbfreq {

// Word counts of one body of text: a language model's unigram counts or the
// words of plain text, counted exactly as written (so the noun "Essen" is not
// the verb "essen"), and the counts of two words in a row ("Rad fahren").
struct Corpus {
    QString name;
    QHash<QString, qint64> counts;
    QHash<QString, qint64> pairs; // "Rad fahren"
    qint64 tokens = 0;

    // An ARPA-style language model: the "\1-grams:" section's "count word" lines
    // and the "\2-grams:" section's "count word word" lines.
    static Corpus fromLanguageModel(const QString &name, const QString &text);
    // Running text: every maximal run of letters (with hyphen inside) is a word.
    void addText(const QString &text);
    // How often a word, or the last two words of a phrase, stand in the text.
    qint64 countOf(const QString &phrase) const;
};

struct Candidate {
    QString infinitive;
    QString participle;    // the dictionary's first, empty when it gives none
    QList<qint64> counts;  // infinitive plus participle, per corpus
    double perMillion = 0; // summed over the corpora, each per million of its words
    bool inTable = false;
};

// Every dictionary verb found at least once in the corpora, by its
// infinitive and its participle (once when the two are spelled alike), most
// frequent first. Each corpus weighs the same, so small everyday corpora
// count beside the large model.
QList<Candidate> rankCandidates(const verbgen::FormDictionary &dictionary,
                                const QList<Corpus> &corpora, const QSet<QString> &tableVerbs);

} // namespace verbfreq
