// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VerbTable.h"

namespace verbgen {

namespace {

const QString ReflexivePrefix = QStringLiteral("sich ");
const QString ObjectPlaceholder = QStringLiteral("etwas ");
const QStringList OverrideKeys = {"PRES", "PAST", "SUBJ1", "SUBJ2", "PART", "IMP"};
constexpr int ColumnCount = 9;

QString dashIsEmpty(const QString &field)
{
    return field == QLatin1String("-") ? QString() : field;
}

// "PAST=sandte; PART=gesandt gesendet" into its keys and words; "IMP=-" marks
// an impersonal verb, "IMP=es" one said only with "es", "IMP=none" one
// without imperative.
FormOverrides parseOverrides(const QString &field, VerbEntry &entry, QStringList &faults)
{
    FormOverrides overrides;
    for (const QString &item : field.split(';', Qt::SkipEmptyParts)) {
        const qsizetype equals = item.indexOf('=');
        const QString key = item.left(equals).trimmed();
        if (equals < 0 || !OverrideKeys.contains(key)) {
            faults << QStringLiteral("unknown override \"%1\" (keys: %2)")
                          .arg(item.trimmed(), OverrideKeys.join(", "));
            continue;
        }
        const QStringList words = item.mid(equals + 1).split(' ', Qt::SkipEmptyParts);
        if (overrides.contains(key))
            faults << QStringLiteral("override %1 given twice").arg(key);
        overrides.insert(key, words);
    }
    for (const char *key : {"PRES", "PAST", "SUBJ1", "SUBJ2"}) {
        if (overrides.contains(key) && !expandPersonWords(overrides.value(key)))
            faults
                << QStringLiteral("override %1 needs six forms, or one form ending in e").arg(key);
    }
    if (overrides.contains("PART") &&
        (overrides.value("PART").isEmpty() || overrides.value("PART").size() > 4))
        faults << QStringLiteral("override PART needs one to four participles");
    if (overrides.value("IMP") == QStringList{"-"}) {
        entry.impersonal = true;
        overrides.remove("IMP");
    } else if (overrides.value("IMP") == QStringList{"es"}) {
        entry.impersonal = entry.esOnly = true;
        overrides.remove("IMP");
    } else if (overrides.value("IMP") == QStringList{"none"}) {
        entry.withoutImperative = true;
        overrides.remove("IMP");
    } else if (overrides.contains("IMP") && overrides.value("IMP").size() != 2) {
        faults << QStringLiteral("override IMP needs the du and the ihr form, -, es or none");
    }
    return overrides;
}

void checkNameAgainstColumns(const VerbEntry &entry, QStringList &faults)
{
    const bool reflexiveName = entry.listed.startsWith(ReflexivePrefix);
    if (reflexiveName != (entry.category == 'r'))
        faults << QStringLiteral("only category r verbs are listed with \"sich \"");
    if (entry.listed.startsWith(ReflexivePrefix + ObjectPlaceholder) &&
        entry.reflexive != ReflexiveCase::Dative)
        faults << QStringLiteral("\"sich etwas\" takes the dative reflexive");
    if ((entry.reflexive != ReflexiveCase::None) != (entry.category == 'r'))
        faults << QStringLiteral("a reflexive case belongs to category r, and only there");
    const QString infinitive = entry.infinitive();
    switch (entry.category) {
    case 'n':
        if (!entry.particle.isEmpty())
            faults << QStringLiteral("category n verbs have no particle");
        break;
    case 's':
        if (entry.particle.isEmpty() || !infinitive.startsWith(entry.particle) ||
            infinitive.size() <= entry.particle.size())
            faults << QStringLiteral("a separable verb starts with its prefix");
        break;
    case 'r':
        if (!entry.particle.isEmpty() && !infinitive.startsWith(entry.particle))
            faults << QStringLiteral("a separable reflexive verb starts with its prefix");
        break;
    case 'd':
        if (entry.particle.isEmpty() || !infinitive.startsWith(entry.particle + ' '))
            faults << QStringLiteral("a two-word verb starts with its first word and a blank");
        break;
    }
    const bool wordsApart = entry.category == 'd' || entry.particleIsWords();
    if (infinitive.contains("  ") || infinitive.trimmed() != infinitive ||
        (!wordsApart && infinitive.contains(' ')) || entry.baseInfinitive().contains(' '))
        faults << QStringLiteral("stray blanks in the verb");
}

std::optional<VerbEntry> parseLine(const QStringList &fields, QStringList &faults)
{
    if (fields.size() != ColumnCount) {
        faults << QStringLiteral("%1 columns, expected %2").arg(fields.size()).arg(ColumnCount);
        return std::nullopt;
    }
    VerbEntry entry;
    entry.listed = fields[0];
    const QString category = fields[1];
    if (category.size() != 1 || !QStringLiteral("nsrd").contains(category))
        faults << QStringLiteral("category \"%1\" is none of n, s, r, d").arg(category);
    else
        entry.category = category[0].toLatin1();
    if (fields[2] != "haben" && fields[2] != "sein")
        faults << QStringLiteral("auxiliary \"%1\" is neither haben nor sein").arg(fields[2]);
    entry.auxiliarySein = fields[2] == "sein";
    if (fields[3] == "acc")
        entry.reflexive = ReflexiveCase::Accusative;
    else if (fields[3] == "dat")
        entry.reflexive = ReflexiveCase::Dative;
    else if (fields[3] != "-")
        faults << QStringLiteral("reflexive case \"%1\" is none of -, acc, dat").arg(fields[3]);
    entry.particle = dashIsEmpty(fields[4]);
    const QString type = fields[5];
    if (type.size() != 1 || !QStringLiteral("wsmid").contains(type))
        faults << QStringLiteral("type \"%1\" is none of w, s, m, i, d").arg(type);
    else
        entry.type = type[0].toLatin1();
    entry.english = fields[6];
    if (!entry.english.startsWith("to "))
        faults << QStringLiteral("the English meaning starts with \"to \"");
    entry.overrides = parseOverrides(dashIsEmpty(fields[7]), entry, faults);
    entry.reason = dashIsEmpty(fields[8]);
    const bool marked = entry.impersonal || entry.withoutImperative;
    if ((entry.overrides.isEmpty() && !marked) != entry.reason.isEmpty())
        faults << QStringLiteral("overrides and their reason go together");
    checkNameAgainstColumns(entry, faults);
    return entry;
}

} // namespace

QString VerbEntry::infinitive() const
{
    if (!listed.startsWith(ReflexivePrefix))
        return listed;
    const QString verb = listed.mid(ReflexivePrefix.size());
    return verb.startsWith(ObjectPlaceholder) ? verb.mid(ObjectPlaceholder.size()) : verb;
}

bool VerbEntry::particleIsWords() const
{
    return category == 'r' && !particle.isEmpty() && infinitive().startsWith(particle + ' ');
}

QString VerbEntry::baseInfinitive() const
{
    const QString full = infinitive();
    if (category == 'd' || particleIsWords())
        return full.mid(particle.size() + 1);
    return full.mid(particle.size());
}

std::optional<std::array<QString, 6>> expandPersonWords(const QStringList &words)
{
    std::array<QString, 6> forms;
    if (words.size() == 6) {
        std::copy(words.begin(), words.end(), forms.begin());
        return forms;
    }
    if (words.size() == 1 && words[0].endsWith('e')) {
        const QString &stem = words[0];
        forms = {stem, stem + "st", stem, stem + "n", stem + "t", stem + "n"};
        return forms;
    }
    return std::nullopt;
}

std::vector<VerbEntry> parseVerbTable(const QString &text, const QString &fileName)
{
    std::vector<VerbEntry> entries;
    QStringList faults;
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].endsWith('\r') ? lines[i].chopped(1) : lines[i];
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        QStringList lineFaults;
        std::optional<VerbEntry> entry = parseLine(line.split('\t'), lineFaults);
        for (const QString &fault : lineFaults)
            faults << QStringLiteral("%1:%2: %3").arg(fileName).arg(i + 1).arg(fault);
        if (entry && lineFaults.isEmpty()) {
            entry->tableLine = i + 1;
            entries.push_back(*entry);
        }
    }
    if (!faults.isEmpty())
        throw TableError(faults.join('\n').toStdString());
    return entries;
}

} // namespace verbgen
