// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReviewedAlternatives.h"

#include "VerbTable.h"

namespace verbgen {

namespace {

const QStringList PersonKeys = {"PRES", "PAST", "SUBJ1", "SUBJ2"};
const QStringList Keys = PersonKeys + QStringList{"PART", "IMP", "REFL"};
constexpr int ColumnCount = 3;
const QString NoForm = QStringLiteral("-");

// What is wrong with a key's words, if anything.
QString wordsFault(const QString &key, const QStringList &words)
{
    if (PersonKeys.contains(key) && !personAlternatives(words))
        return key + " needs six forms (\"-\" for none), or one form ending in e";
    if (key == "PART" && (words.isEmpty() || words.contains(NoForm)))
        return QStringLiteral("PART needs one or more participles");
    if (key == "IMP" && (words.size() != 2 || words == QStringList{NoForm, NoForm}))
        return QStringLiteral("IMP needs the du and the ihr form, \"-\" for none");
    if (key == "REFL" && words != QStringList{"dat"} && words != QStringList{"acc"})
        return QStringLiteral("REFL is dat or acc");
    return {};
}

} // namespace

ReviewedAlternatives ReviewedAlternatives::parse(const QString &text, const QString &fileName)
{
    ReviewedAlternatives list;
    QStringList faults;
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].endsWith('\r') ? lines[i].chopped(1) : lines[i];
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        const auto fault = [&](const QString &what) {
            faults << QStringLiteral("%1:%2: %3").arg(fileName).arg(i + 1).arg(what);
        };
        const QStringList fields = line.split('\t');
        if (fields.size() != ColumnCount || fields[0].isEmpty() || fields[2].trimmed().isEmpty()) {
            fault(QStringLiteral("expected \"verb<TAB>KEY=words; ...<TAB>reason\""));
            continue;
        }
        QStringList keys;
        for (const QString &item : fields[1].split(';', Qt::SkipEmptyParts)) {
            const qsizetype equals = item.indexOf('=');
            ReviewedAlternative entry{i + 1, fields[0], item.left(equals).trimmed(),
                                      item.mid(equals + 1).split(' ', Qt::SkipEmptyParts),
                                      fields[2]};
            if (equals < 0 || !Keys.contains(entry.key)) {
                fault(QStringLiteral("unknown key in \"%1\" (keys: %2)")
                          .arg(item.trimmed(), Keys.join(", ")));
            } else if (keys.contains(entry.key)) {
                fault(entry.key + " given twice");
            } else if (const QString wrong = wordsFault(entry.key, entry.words); !wrong.isEmpty()) {
                fault(wrong);
            } else {
                keys << entry.key;
                list.m_entries.push_back(entry);
            }
        }
        if (keys.isEmpty() && fields[1].trimmed().isEmpty())
            fault(QStringLiteral("no forms"));
    }
    if (!faults.isEmpty())
        throw TableError(faults.join('\n').toStdString());
    return list;
}

std::vector<ReviewedAlternative> ReviewedAlternatives::of(const QString &verb) const
{
    std::vector<ReviewedAlternative> found;
    for (const ReviewedAlternative &entry : m_entries) {
        if (entry.verb == verb)
            found.push_back(entry);
    }
    return found;
}

std::optional<PersonForms> personAlternatives(const QStringList &words)
{
    if (words.size() == PersonCount) {
        PersonForms forms;
        for (int person = 0; person < PersonCount; ++person)
            forms[person] = words[person] == NoForm ? QString() : words[person];
        const bool none = std::all_of(forms.begin(), forms.end(),
                                      [](const QString &form) { return form.isEmpty(); });
        return none ? std::nullopt : std::optional(forms);
    }
    return expandPersonWords(words);
}

} // namespace verbgen
