// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormDictionary.h"

#include <QFile>

#include <nlohmann/json.hpp>

namespace verbgen {

namespace {

using nlohmann::json;

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

// A form is a string, or [verb, prefix] for the verbs the dictionary splits.
QString joinedForm(const json &value, QString &splitPrefix)
{
    if (value.is_string())
        return text(value.get<std::string>());
    if (value.is_array() && value.size() == 2 && value[0].is_string() && value[1].is_string()) {
        splitPrefix = text(value[1].get<std::string>());
        return splitPrefix + text(value[0].get<std::string>());
    }
    return {};
}

PersonForms personForms(const json &entry, const char *tense, QString &splitPrefix)
{
    PersonForms forms;
    const auto found = entry.find(tense);
    if (found == entry.end() || !found->is_object())
        return forms;
    const char *numbers[] = {"S", "P"};
    const char *persons[] = {"1", "2", "3"};
    for (int n = 0; n < 2; ++n) {
        const auto number = found->find(numbers[n]);
        if (number == found->end() || !number->is_object())
            continue;
        for (int p = 0; p < 3; ++p) {
            const auto form = number->find(persons[p]);
            if (form != number->end())
                forms[n * 3 + p] = joinedForm(*form, splitPrefix);
        }
    }
    return forms;
}

QString imperative(const json &entry, const char *number)
{
    const auto found = entry.find("IMP");
    if (found == entry.end() || !found->is_object())
        return {};
    const auto form = found->find(number);
    return form != found->end() && form->is_string() ? text(form->get<std::string>()) : QString();
}

} // namespace

FormDictionary FormDictionary::fromJson(const QByteArray &bytes)
{
    json root;
    try {
        root = json::parse(bytes.constData(), bytes.constData() + bytes.size());
    } catch (const json::exception &error) {
        throw DictionaryError(std::string("the verb dictionary is not valid JSON: ") +
                              error.what());
    }
    if (!root.is_object())
        throw DictionaryError("the verb dictionary is not a JSON object");
    FormDictionary dictionary;
    for (const auto &[key, value] : root.items()) {
        if (!value.is_object())
            continue;
        Entry entry;
        SimpleForms &forms = entry.forms;
        forms.infinitive = text(key);
        forms.present = personForms(value, "PRÄ", entry.splitPrefix);
        forms.past = personForms(value, "PRT", entry.splitPrefix);
        forms.subjunctive1 = personForms(value, "KJ1", entry.splitPrefix);
        forms.subjunctive2 = personForms(value, "KJ2", entry.splitPrefix);
        if (const auto participles = value.find("PA2"); participles != value.end()) {
            for (const json &participle : *participles) {
                if (participle.is_string())
                    forms.participles << text(participle.get<std::string>());
            }
        }
        forms.imperativeSingular = imperative(value, "S");
        forms.imperativePlural = imperative(value, "P");
        dictionary.m_entries.insert(forms.infinitive, entry);
    }
    return dictionary;
}

FormDictionary FormDictionary::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DictionaryError(QStringLiteral("cannot read the verb dictionary %1 (%2); "
                                             "scripts/fetch-npm-deps installs it")
                                  .arg(path, file.errorString())
                                  .toStdString());
    return fromJson(file.readAll());
}

std::optional<SimpleForms> FormDictionary::forms(const QString &infinitive) const
{
    const auto found = m_entries.constFind(infinitive);
    if (found == m_entries.cend())
        return std::nullopt;
    SimpleForms forms = found->forms;
    if (found->splitPrefix.isEmpty())
        return forms;
    const auto base = m_entries.constFind(infinitive.mid(found->splitPrefix.size()));
    // A split entry read as one word drops the separable reading's participle
    // ("übergesetzt" beside "übersetzt").
    if (base != m_entries.cend() && forms.participles.size() > 1) {
        forms.participles.removeIf([&](const QString &participle) {
            return base->forms.participles.contains(participle.mid(found->splitPrefix.size())) &&
                   participle.startsWith(found->splitPrefix);
        });
    }
    // Split entries often lack the imperative: the prefix joined to the base
    // verb's imperative gives it ("über" + "setze").
    if (forms.imperativeSingular.isEmpty() && base != m_entries.cend() &&
        !base->forms.imperativeSingular.isEmpty()) {
        forms.imperativeSingular = found->splitPrefix + base->forms.imperativeSingular;
        forms.imperativePlural = found->splitPrefix + base->forms.imperativePlural;
    }
    return forms;
}

std::optional<bool> FormDictionary::splitsOffPrefix(const QString &infinitive) const
{
    const auto found = m_entries.constFind(infinitive);
    if (found == m_entries.cend())
        return std::nullopt;
    return !found->splitPrefix.isEmpty();
}

} // namespace verbgen
