// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MeaningsReport.h"

#include "VerbFileChecker.h"

#include "data/RecordLayout.h"

#include <QRegularExpression>

namespace verbcheck {

namespace {

const QString ReflexivePrefix = QStringLiteral("sich ");
const QString ObjectPlaceholder = QStringLiteral("etwas ");

QString withoutAnnotations(QString text)
{
    static const QRegularExpression annotations(
        QStringLiteral(R"(\{[^}]*\}|\[[^\]]*\]|\([^)]*\))"));
    // Nested parentheses ("(etw. (zu) tun)") go from the inside out.
    for (QString before; before != text;) {
        before = text;
        text.remove(annotations);
    }
    return text;
}

QString singleBlanks(const QStringList &words)
{
    return words.join(' ').simplified();
}

// Ding gives many translations with the preposition they govern ("to depend
// on", "to contribute to/towards"); the meaning line leaves it out.
QString withoutTrailingPreposition(const QString &translation)
{
    static const QRegularExpression preposition(QStringLiteral(
        R"( (about|at|for|from|in|into|of|on|onto|to|towards|with)(/(to|towards|on|at|in))*$)"));
    QString shorter = translation;
    shorter.remove(preposition);
    return shorter;
}

// The Perfekt forms among an entry's German forms: "er/sie ist/war gefahren".
QList<DingDictionary::Perfect> spelledPerfects(const QList<QStringView> &germanParts,
                                               const QSet<QString> &translations)
{
    static const QRegularExpression perfect(QStringLiteral(R"(\b(ist/war|hat/hatte) )"));
    QList<DingDictionary::Perfect> perfects;
    for (qsizetype i = 1; i < germanParts.size(); ++i) {
        for (const QString &item : withoutAnnotations(germanParts[i].toString()).split(u';')) {
            const QRegularExpressionMatch found = perfect.match(item);
            const QStringList words = item.split(' ', Qt::SkipEmptyParts);
            if (found.hasMatch() && !words.isEmpty())
                perfects.append({words.last(), found.captured(1) == "ist/war", translations});
        }
    }
    return perfects;
}

} // namespace

QString normalisedEnglish(const QString &english)
{
    static const QRegularExpression britishIse(QStringLiteral(R"((\w)is(e|ed|es|ing|ation)\b)"));
    static const QRegularExpression placeholder(QStringLiteral(R"(^((sb|sth)\.?/?)+$|^<>$)"));
    QStringList words;
    QString text = withoutAnnotations(english);
    text.replace(QChar(0x2019), QLatin1Char('\''));
    for (const QString &word : text.split(' ', Qt::SkipEmptyParts)) {
        const QString lower = word.toLower();
        if (!placeholder.match(lower).hasMatch())
            words << lower;
    }
    return singleBlanks(words).replace(britishIse, QStringLiteral("\\1iz\\2"));
}

QString normalisedHeadword(const QString &german)
{
    // "jdm.", "etw.", "jdn./etw." and a preposition governing one ("über etw.").
    static const QRegularExpression placeholder(
        QStringLiteral(R"(^((jd[mns]|jds|etw|jemand[emns]?|etwas)\.?/?)+,?$|^…$)"));
    static const QStringList prepositions = {"an",    "auf", "aus", "bei",  "durch", "für",
                                             "gegen", "in",  "mit", "nach", "über",  "um",
                                             "unter", "von", "vor", "zu",   "zum",   "zur"};
    const QStringList all = withoutAnnotations(german).split(' ', Qt::SkipEmptyParts);
    const auto isPlaceholder = [&](qsizetype i) {
        return i < all.size() && placeholder.match(all[i]).hasMatch();
    };
    QStringList words;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (isPlaceholder(i) || (prepositions.contains(all[i]) && isPlaceholder(i + 1)))
            continue;
        words << all[i];
    }
    return singleBlanks(words);
}

DingDictionary DingDictionary::parse(const QString &text)
{
    DingDictionary ding;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        if (line.startsWith(u'#'))
            continue;
        const qsizetype sides = line.indexOf(u" :: ");
        if (sides < 0)
            continue;
        const QList<QStringView> germanParts = line.left(sides).split(u" | ");
        const QStringView german = germanParts.first();
        const QStringView english = line.mid(sides + 4).split(u" | ").first();
        // Only verb entries: their headword carries {vt}, {vi}, {vr} or similar.
        if (!german.contains(u"{v"))
            continue;
        // Annotations go first: they hold "; " of their own ("{broke; broken}").
        QSet<QString> translations;
        for (const QString &translation : withoutAnnotations(english.toString()).split(u';')) {
            const QString normalised = normalisedEnglish(translation);
            translations << normalised << withoutTrailingPreposition(normalised);
        }
        const QList<Perfect> perfects = spelledPerfects(germanParts, translations);
        for (const QString &headword : withoutAnnotations(german.toString()).split(u';')) {
            const QString key = normalisedHeadword(headword);
            if (key.isEmpty())
                continue;
            ding.m_translations[key].unite(translations);
            if (!perfects.isEmpty())
                ding.m_perfects[key].append(perfects);
        }
    }
    return ding;
}

QSet<QString> DingDictionary::translations(const QString &verb) const
{
    return m_translations.value(verb);
}

QList<MeaningRow> meaningsReport(const data::VerbFile &file, const DingDictionary &ding)
{
    QList<MeaningRow> rows;
    for (qsizetype record = 0; record < file.recordCount(); ++record) {
        const auto category = recordCategory(file, record);
        if (!category)
            continue;
        MeaningRow row;
        row.record = record;
        row.verb = data::answerTextOfPayload(file.header(record).name);
        row.english = data::answerTextOfPayload(file.header(record).meaning);
        QSet<QString> known = ding.translations(row.verb);
        if (row.verb.startsWith(ReflexivePrefix)) {
            QString verb = row.verb.mid(ReflexivePrefix.size());
            known.unite(ding.translations(verb));
            // "sich etwas vorstellen" is Ding's "sich vorstellen".
            if (verb.startsWith(ObjectPlaceholder))
                known.unite(
                    ding.translations(ReflexivePrefix + verb.mid(ObjectPlaceholder.size())));
        }
        if (known.isEmpty()) {
            row.outcome = MeaningRow::NotInDing;
        } else {
            row.outcome = MeaningRow::NoMatch;
            for (const QString &part : row.english.split(QStringLiteral(", "))) {
                if (known.contains(normalisedEnglish(part)))
                    row.outcome = MeaningRow::Matched;
            }
        }
        rows << row;
    }
    return rows;
}

} // namespace verbcheck
