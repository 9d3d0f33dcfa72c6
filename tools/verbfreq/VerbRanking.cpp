// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VerbRanking.h"

#include "FormRules.h"
#include "VerbFileChecker.h"

#include <algorithm>

namespace verbfreq {

namespace {

const QStringList LevelOrder = {"A1", "A2", "B1", "-"};

} // namespace

QStringList countedPhrases(const data::VerbFile &file, qsizetype record)
{
    const auto category = verbcheck::recordCategory(file, record);
    if (!category)
        return {};
    const verbcheck::KeyForms forms = verbcheck::keyFormsOf(file, record, *category);
    QString infinitive = forms.listed;
    for (const QString &placeholder : {QStringLiteral("sich "), QStringLiteral("etwas ")}) {
        if (infinitive.startsWith(placeholder))
            infinitive = infinitive.mid(placeholder.size());
    }
    const QString participle = *category == data::Category::TwoWord
                                   ? forms.perfectWord + ' ' + forms.participle
                                   : forms.participle;
    QStringList phrases{infinitive};
    if (!forms.participle.isEmpty() && participle != infinitive)
        phrases << participle;
    return phrases;
}

QList<RankedVerb> rankVerbFile(const data::VerbFile &file, const QList<Corpus> &corpora,
                               const QMap<QString, QString> &levels)
{
    QList<RankedVerb> ranked;
    for (qsizetype record = 0; record < file.recordCount(); ++record) {
        RankedVerb verb;
        verb.listed = data::answerTextOfPayload(file.header(record).name);
        verb.level = levels.value(verb.listed, QStringLiteral("-"));
        for (const Corpus &corpus : corpora) {
            qint64 count = 0;
            for (const QString &phrase : countedPhrases(file, record))
                count += corpus.countOf(phrase);
            if (corpus.tokens > 0)
                verb.perMillion += 1e6 * static_cast<double>(count) / corpus.tokens;
        }
        ranked << verb;
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const RankedVerb &a, const RankedVerb &b) {
        if (a.perMillion != b.perMillion)
            return a.perMillion > b.perMillion;
        return LevelOrder.indexOf(a.level) < LevelOrder.indexOf(b.level);
    });
    return ranked;
}

QByteArray ranksFileText(const QList<RankedVerb> &verbs)
{
    // The file's own licence header, not this source's.
    // REUSE-IgnoreStart
    QByteArray text = R"(# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: CC-BY-SA-4.0
)";
    // REUSE-IgnoreEnd
    text += R"(
# The verbs of Verb12Data.txt, most frequent first, one a line: the level of the A1, A2 and B1
# word lists at which a learner first meets the verb, or "-", a tab, and the verb as the verb
# list shows it. Made by zandrel-verbfreq --ranks (tools/README.md) from the word lists in
# tools/verbs/a1-b1-verbs.txt and from how often German text uses the verb's infinitive and
# participle; do not edit it by hand.
)";
    for (const RankedVerb &verb : verbs)
        text += verb.level.toUtf8() + '\t' + verb.listed.toUtf8() + '\n';
    return text;
}

} // namespace verbfreq
