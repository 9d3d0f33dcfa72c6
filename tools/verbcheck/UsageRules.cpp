// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UsageRules.h"

#include "FormRules.h"
#include "VerbFileChecker.h"

#include "data/RecordLayout.h"

#include <QHash>
#include <QRegularExpression>

namespace verbcheck {

namespace {

constexpr int ImperativeTense = 14;

// English openings of a meaning that is a state, or something that befalls
// the subject, which nobody is bidden to do: "to be hungry", "to turn out".
const QStringList StateOpenings = {"to be",      "to seem",      "to turn out",  "to emerge",
                                   "to die",     "to pass away", "to resemble",  "to belong",
                                   "to exist",   "to depend",    "to consist",   "to cost",
                                   "to mean",    "to suffer",    "to originate", "to come from",
                                   "to descend", "to feel like", "to fancy"};

bool isState(const QString &part)
{
    for (const QString &opening : StateOpenings) {
        if (part == opening || part.startsWith(opening + ' '))
            return true;
    }
    return false;
}

// Whether a meaning names its object: "to cool sth. down", "to heal sb.".
bool namesObject(const QString &english)
{
    static const QRegularExpression object(QStringLiteral("\\b(sth|sb)\\."));
    return english.contains(object);
}

// What the rules read of one record.
struct Usage {
    QString verb;
    QString english;
    bool sein = false;
    bool everyPerson = false; // a du form: not said only of things
    bool imperative = false;
};

Usage usageOf(const data::VerbFile &file, qsizetype record, data::Category category)
{
    const KeyForms forms = keyFormsOf(file, record, category);
    const data::TenseBlock imperative = data::tenseBlock(category, ImperativeTense);
    return {forms.listed, forms.english, forms.auxiliary == QLatin1String("ist"),
            !forms.presentDu.isEmpty(),
            !data::answerText(file.recordLine(record, imperative.answerLine(0))).isEmpty()};
}

} // namespace

QStringList meaningParts(const QString &english)
{
    static const QRegularExpression annotation(QStringLiteral("\\s*\\([^)]*\\)"));
    QStringList parts;
    for (const QString &part : english.split(QStringLiteral(", ")))
        parts << QString(part).remove(annotation).trimmed().toLower();
    return parts;
}

QList<Disagreement> usageFindings(const data::VerbFile &file, const QSet<QString> &bothAuxiliaries)
{
    QList<std::pair<qsizetype, Usage>> usages;
    QHash<QString, QStringList> thingsOnly; // meaning part -> verbs said only of things
    for (qsizetype record = 0; record < file.recordCount(); ++record) {
        const auto category = recordCategory(file, record);
        if (!category)
            continue;
        const Usage usage = usageOf(file, record, *category);
        usages.append({record, usage});
        if (!usage.everyPerson) {
            for (const QString &part : meaningParts(usage.english))
                thingsOnly[part] << usage.verb;
        }
    }
    QList<Disagreement> findings;
    for (const auto &[record, usage] : usages) {
        const QStringList parts = meaningParts(usage.english);
        if (usage.imperative && std::all_of(parts.begin(), parts.end(), isState))
            findings.append({record, usage.verb, "imperative",
                             QStringLiteral("\"%1\" is a state nobody is bidden to, yet the "
                                            "verb has an imperative")
                                 .arg(usage.english)});
        if (usage.sein && usage.everyPerson) {
            for (const QString &part : parts) {
                if (thingsOnly.contains(part))
                    findings.append({record, usage.verb, "persons",
                                     QStringLiteral("\"%1\" is said only of things in %2, but "
                                                    "the verb has every person")
                                         .arg(part, thingsOnly.value(part).join(", "))});
            }
        }
        if (bothAuxiliaries.contains(usage.verb)) {
            const QStringList meanings = usage.english.split(QStringLiteral(", "));
            const bool allNamed = std::all_of(meanings.begin(), meanings.end(), namesObject);
            const bool noneNamed = std::none_of(meanings.begin(), meanings.end(), namesObject);
            if (usage.sein ? !noneNamed : !allNamed)
                findings.append({record, usage.verb, "auxiliary",
                                 usage.sein
                                     ? QStringLiteral("\"%1\": with sein no meaning has an object")
                                           .arg(usage.english)
                                     : QStringLiteral("\"%1\": with haben every meaning names its "
                                                      "object (sth., sb.)")
                                           .arg(usage.english)});
        }
    }
    return findings;
}

QSet<QString> parseListedVerbs(const QString &text)
{
    QSet<QString> verbs;
    for (const QString &line : text.split('\n')) {
        const QString verb = line.section(QStringLiteral(" | "), 0, 0).trimmed();
        if (!verb.isEmpty() && !verb.startsWith('#'))
            verbs.insert(verb);
    }
    return verbs;
}

} // namespace verbcheck
