// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explain/Answer.h"

#include "board/Board.h"

#include <algorithm>

namespace explain {

namespace {

constexpr int ImperativeTense = 14;

QString tenseName(int tense)
{
    if (tense == ImperativeTense)
        return QStringLiteral("the imperative");
    return QStringLiteral("the ") + board::tenseListItems()[tense].trimmed();
}

// "wir", "wir and sie", "wir, sie and Sie": in the order of the conjugation tables.
QString joinPersons(QStringList persons)
{
    static const QStringList order = {QStringLiteral("ich"),       QStringLiteral("du"),
                                      QStringLiteral("er/sie/es"), QStringLiteral("wir"),
                                      QStringLiteral("ihr"),       QStringLiteral("sie"),
                                      QStringLiteral("Sie")};
    std::sort(persons.begin(), persons.end(), [](const QString &a, const QString &b) {
        return order.indexOf(a) < order.indexOf(b);
    });
    if (persons.size() < 2)
        return persons.value(0);
    return persons.sliced(0, persons.size() - 1).join(QStringLiteral(", ")) +
           QStringLiteral(" and ") + persons.back();
}

} // namespace

Answer::Answer(const VerbForms &verb, int tense, int box, const QString &typed,
               const QString &right)
    : verb(verb), tense(tense), box(box), role(boxRole(verb.category(), tense, box)),
      rawTyped(typed), typed(typed.normalized(QString::NormalizationForm_C)), right(right)
{
}

QString Answer::rowPhrase() const
{
    const auto formAt = [this](int column) {
        const int inRow = rowBoxes(box)[column - 1];
        return inRow == box ? right : verb.form(tense, inRow);
    };
    switch (role) {
    case BoxRole::ImperativeDu:
    case BoxRole::ImperativeIhr:
        return QStringLiteral("(%1) %2").arg(boxPerson(box), right);
    case BoxRole::ImperativeSieVerb:
    case BoxRole::ImperativeSieRest: {
        const QString rest = formAt(4);
        return formAt(3) + QStringLiteral(" Sie") + (rest.isEmpty() ? QString() : u' ' + rest);
    }
    default:
        break;
    }
    QStringList words = {boxPerson(box)};
    for (int column = 1; column <= 4; ++column) {
        if (!formAt(column).isEmpty())
            words.append(formAt(column));
    }
    return words.join(u' ');
}

QString Answer::otherPersonOf(const QString &text) const
{
    QStringList persons;
    for (int other = 1; other <= data::BoxCount; ++other) {
        const BoxRole otherRole = boxRole(verb.category(), tense, other);
        const bool sameKind =
            otherRole == role || (isPersonalImperative(role) && isPersonalImperative(otherRole));
        if (other == box || !sameKind || verb.form(tense, other) != text)
            continue;
        if (!persons.contains(boxPerson(other)))
            persons.append(boxPerson(other));
    }
    if (persons.isEmpty())
        return {};
    return QStringLiteral("the %1 %2")
        .arg(joinPersons(persons), isPersonalImperative(role) ? u"imperative" : u"form");
}

QString Answer::otherTenseOf(const QString &text) const
{
    if (text.isEmpty())
        return {};
    // The same person first: "that is the present" tells more than another person's past.
    // A participle or an infinitive has no person: any person's form is just "the past",
    // and the other non-finite form is the likelier mix-up.
    const bool personal = role != BoxRole::Participle && role != BoxRole::Infinitive;
    for (const bool samePerson : {true, false}) {
        QString finite;
        for (int other = 0; other < data::TenseCount; ++other) {
            for (int otherBox = 1; other != tense && otherBox <= data::BoxCount; ++otherBox) {
                const bool personMatches = !personal || boxPerson(otherBox) == boxPerson(box);
                if (personMatches != samePerson || comparableForm(other, otherBox) != text)
                    continue;
                const BoxRole otherRole = boxRole(verb.category(), other, otherBox);
                if (otherRole == BoxRole::Participle)
                    return QStringLiteral("the participle");
                if (otherRole == BoxRole::Infinitive)
                    return QStringLiteral("the infinitive");
                // An auxiliary typed where the verb belongs: "haben" in the present of handhaben.
                const QString what = otherRole == BoxRole::Auxiliary && role != BoxRole::Auxiliary
                                         ? QStringLiteral("auxiliary")
                                         : QStringLiteral("form");
                if (finite.isEmpty() && samePerson)
                    finite = what == u"form"
                                 ? tenseName(other)
                                 : QStringLiteral("the auxiliary of ") + tenseName(other);
                else if (finite.isEmpty())
                    finite = QStringLiteral("the %1 %2 of %3")
                                 .arg(boxPerson(otherBox), what, tenseName(other));
            }
        }
        if (!finite.isEmpty())
            return finite;
    }
    return {};
}

QString Answer::asideOnTyped() const
{
    QString elsewhere = otherPersonOf(typed);
    if (elsewhere.isEmpty())
        elsewhere = otherTenseOf(typed);
    return elsewhere.isEmpty() ? QString() : QStringLiteral(" (that is %1)").arg(elsewhere);
}

// What box `otherBox` of tense `otherTense` holds that a learner could type for
// this box, or nothing when the two boxes hold different kinds of words.
QString Answer::comparableForm(int otherTense, int otherBox) const
{
    const BoxRole otherRole = boxRole(verb.category(), otherTense, otherBox);
    const QString &form = verb.form(otherTense, otherBox);
    switch (role) {
    case BoxRole::Verb:
    case BoxRole::Auxiliary:
        if (isFinite(otherRole))
            return form;
        // The imperative's first word is its verb: "sprich", "steh" of "steh auf".
        return isPersonalImperative(otherRole) ? form.section(u' ', 0, 0) : QString();
    case BoxRole::ImperativeDu:
    case BoxRole::ImperativeIhr:
        return otherRole == BoxRole::Verb ? rowWithoutPerson(otherTense, otherBox) : QString();
    case BoxRole::ImperativeSieVerb:
        return otherRole == BoxRole::Verb ? form : QString();
    case BoxRole::Participle:
        return otherRole == BoxRole::Infinitive || otherRole == BoxRole::Verb ? form : QString();
    case BoxRole::Infinitive:
        return otherRole == BoxRole::Participle || otherRole == BoxRole::Verb ? form : QString();
    default:
        return {};
    }
}

// A simple tense's row from the verb on: "stehst auf", "stellst dich vor".
QString Answer::rowWithoutPerson(int otherTense, int otherBox) const
{
    QStringList words;
    for (int inRow : rowBoxes(otherBox)) {
        if (!verb.form(otherTense, inRow).isEmpty())
            words.append(verb.form(otherTense, inRow));
    }
    return words.join(u' ');
}

} // namespace explain
