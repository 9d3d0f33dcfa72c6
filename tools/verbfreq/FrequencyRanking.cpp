// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FrequencyRanking.h"

#include <algorithm>

namespace verbfreq {

Corpus Corpus::fromLanguageModel(const QString &name, const QString &text)
{
    Corpus corpus;
    corpus.name = name;
    int order = 0; // of the n-grams section being read
    for (const QStringView line : QStringView(text).split(u'\n')) {
        if (line.startsWith(u'\\')) {
            order = line.trimmed() == u"\\1-grams:" ? 1 : line.trimmed() == u"\\2-grams:" ? 2 : 0;
            continue;
        }
        const QList<QStringView> fields = line.split(u' ', Qt::SkipEmptyParts);
        bool isNumber = false;
        const qint64 count =
            order > 0 && fields.size() == order + 1 ? fields[0].toLongLong(&isNumber) : 0;
        if (!isNumber || fields[1].startsWith(u'<') || fields.back().startsWith(u'<'))
            continue;
        if (order == 2) {
            corpus.pairs[fields[1].toString() + u' ' + fields[2].toString()] += count;
            continue;
        }
        corpus.counts[fields[1].toString()] += count;
        corpus.tokens += count;
    }
    return corpus;
}

void Corpus::addText(const QString &text)
{
    qsizetype start = -1;
    QString previous;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool letter =
            i < text.size() && (text[i].isLetter() || (text[i] == u'-' && start >= 0));
        if (letter && start < 0) {
            start = i;
        } else if (!letter && start >= 0) {
            const QString word = text.mid(start, i - start);
            counts[word]++;
            if (!previous.isEmpty())
                pairs[previous + u' ' + word]++;
            previous = word;
            ++tokens;
            start = -1;
        }
    }
}

qint64 Corpus::countOf(const QString &phrase) const
{
    const QStringList words = phrase.split(u' ', Qt::SkipEmptyParts);
    if (words.size() < 2)
        return counts.value(phrase);
    return pairs.value(words[words.size() - 2] + u' ' + words.back());
}

QList<Candidate> rankCandidates(const verbgen::FormDictionary &dictionary,
                                const QList<Corpus> &corpora, const QSet<QString> &tableVerbs)
{
    QList<Candidate> ranked;
    for (const QString &infinitive : dictionary.infinitives()) {
        Candidate candidate;
        candidate.infinitive = infinitive;
        candidate.participle = dictionary.forms(infinitive)->participles.value(0);
        candidate.inTable = tableVerbs.contains(infinitive);
        for (const Corpus &corpus : corpora) {
            qint64 count = corpus.counts.value(infinitive);
            if (!candidate.participle.isEmpty() && candidate.participle != infinitive)
                count += corpus.counts.value(candidate.participle);
            candidate.counts << count;
            if (corpus.tokens > 0)
                candidate.perMillion += 1e6 * static_cast<double>(count) / corpus.tokens;
        }
        if (candidate.perMillion > 0)
            ranked << candidate;
    }
    std::sort(ranked.begin(), ranked.end(), [](const Candidate &a, const Candidate &b) {
        return a.perMillion != b.perMillion ? a.perMillion > b.perMillion
                                            : a.infinitive < b.infinitive;
    });
    return ranked;
}

} // namespace verbfreq
