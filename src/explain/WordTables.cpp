// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explain/WordTables.h"

#include <array>

namespace explain {

namespace {

// Tables are written as words separated by blanks.
QStringList wordList(const char *words)
{
    return QString::fromUtf8(words).split(u' ');
}

struct AuxiliaryForms {
    Auxiliary auxiliary;
    const char *name;
    QStringList forms; // every finite form of the compound tenses, the infinitive, the participle
};

const std::array<AuxiliaryForms, 3> &auxiliaryTable()
{
    static const std::array<AuxiliaryForms, 3> table = {{
        {Auxiliary::Haben, "haben",
         wordList("haben habe hast hat habt habest habet hatte hattest hatten hattet hätte "
                  "hättest hätten hättet gehabt")},
        {Auxiliary::Sein, "sein",
         wordList("sein bin bist ist sind seid sei seist seiest seien seiet war warst waren wart "
                  "wäre wärst wärest wären wärt wäret gewesen")},
        {Auxiliary::Werden, "werden",
         wordList("werden werde wirst wird werdet werdest wurde wurdest wurden wurdet würde "
                  "würdest würden würdet geworden")},
    }};
    return table;
}

struct PronounRow {
    const char16_t *accusative;
    const char16_t *dative;
};

// ich, du, wir, ihr: two cases; sich serves er/sie/es, sie and Sie in both.
constexpr std::array<PronounRow, 5> Pronouns = {{
    {u"mich", u"mir"},
    {u"dich", u"dir"},
    {u"uns", u"uns"},
    {u"euch", u"euch"},
    {u"sich", u"sich"},
}};

} // namespace

std::optional<Auxiliary> auxiliaryOf(QStringView word)
{
    for (const AuxiliaryForms &row : auxiliaryTable()) {
        if (row.forms.contains(word))
            return row.auxiliary;
    }
    return std::nullopt;
}

QString auxiliaryName(Auxiliary auxiliary)
{
    for (const AuxiliaryForms &row : auxiliaryTable()) {
        if (row.auxiliary == auxiliary)
            return QString::fromUtf8(row.name);
    }
    return {};
}

std::optional<ReflexivePronoun> reflexivePronoun(QStringView word)
{
    for (int person = 0; person < int(Pronouns.size()); ++person) {
        const PronounRow &row = Pronouns[person];
        const bool accusative = word == QStringView(row.accusative);
        const bool dative = word == QStringView(row.dative);
        if (accusative && dative)
            return ReflexivePronoun{person, PronounCase::Both};
        if (accusative || dative)
            return ReflexivePronoun{person,
                                    accusative ? PronounCase::Accusative : PronounCase::Dative};
    }
    return std::nullopt;
}

const QStringList &verbEndings()
{
    static const QStringList endings =
        wordList("etest eten etet test ten tet est ete st et en te e t n") << QString();
    return endings;
}

const QStringList &weakPastEndings()
{
    static const QStringList endings = wordList("test ten tet te");
    return endings;
}

QString inseparablePrefix(QStringView stem)
{
    static const QStringList prefixes = wordList("miss emp ent ver zer be er ge");
    for (const QString &prefix : prefixes) {
        if (stem.startsWith(prefix) && stem.size() > prefix.size() + 2)
            return prefix;
    }
    return {};
}

QChar umlautOf(QChar letter)
{
    static constexpr std::array<std::pair<char16_t, char16_t>, 6> pairs = {{
        {u'a', u'ä'},
        {u'o', u'ö'},
        {u'u', u'ü'},
        {u'A', u'Ä'},
        {u'O', u'Ö'},
        {u'U', u'Ü'},
    }};
    for (const auto &[plain, umlaut] : pairs) {
        if (letter == QChar(plain))
            return QChar(umlaut);
    }
    return {};
}

bool isVowel(QChar letter)
{
    return QStringView(u"aeiouyäöüAEIOUYÄÖÜ").contains(letter);
}

} // namespace explain
