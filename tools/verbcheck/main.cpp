// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks a verb file for the faults a data author can make, e.g.
//   zandrel-verbcheck data/Verb12Data.txt
// Prints one line per fault and exits 1 when there is any, 0 when the file is
// sound, 2 when it cannot be read. --words prints the distinct words of every
// form (UTF-8, one a line); --summary the counts per category and type.
// --meanings /usr/share/trans/de-en [--meaning-exceptions FILE] reports the
// verbs whose English meaning matches no translation of the German-English
// dictionary Ding and that the exceptions list does not hold (exit 1 then,
// or when an exception is no longer needed).
// --reference verbs.json [--ding de-en] [--reference-exceptions FILE] compares
// separability with the verb-form dictionary and the auxiliaries with Ding's
// and the base verbs'; the same way, it lists what no exception explains.
// --wanted LIST lists the verbs of a word list the file lacks (exit 1 then).
// --usage [--both-auxiliaries FILE] [--usage-exceptions FILE] reports the
// verbs whose meaning says a use their forms contradict (an imperative for a
// state, every person for a meaning said only of things, a meaning that hides
// which sense its auxiliary belongs to) and that no exception explains.
// --captions lists the captions wider than their label, which the window draws
// smaller; a caption too wide even at the smallest size is a fault.
// The alternatives file beside the verb file (or --alternatives FILE) is
// checked with it; --dictionary verbs.json [--spelling FILE]
// [--reviewed-alternatives FILE] also hold each alternative to the forms they
// give.
#include "AlternativesCheck.h"
#include "CaptionWidth.h"
#include "FormDictionary.h"
#include "KnownForms.h"
#include "MeaningsReport.h"
#include "ReferenceComparison.h"
#include "UsageRules.h"
#include "VerbFileChecker.h"
#include "common/TextFile.h"

#include "data/Alternatives.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>

namespace {

// Prints the meanings report; true when every verb matches Ding or is a
// reviewed exception, and every exception is still needed.
bool reportMeanings(const data::VerbFile &file, const QString &dingPath,
                    const QString &exceptionsPath)
{
    const auto ding = verbcheck::DingDictionary::parse(tools::readText(dingPath));
    const QSet<QString> exceptions =
        exceptionsPath.isEmpty() ? QSet<QString>()
                                 : verbcheck::parseReviewedList(tools::readText(exceptionsPath));
    int matched = 0, reviewed = 0, unreviewed = 0;
    QSet<QString> needed;
    for (const verbcheck::MeaningRow &row : verbcheck::meaningsReport(file, ding)) {
        if (row.outcome == verbcheck::MeaningRow::Matched) {
            ++matched;
            continue;
        }
        if (exceptions.contains(row.verb)) {
            ++reviewed;
            needed.insert(row.verb);
            continue;
        }
        ++unreviewed;
        QStringList known = ding.translations(row.verb).values();
        if (row.verb.startsWith("sich "))
            known << ding.translations(row.verb.mid(5)).values();
        known.sort();
        std::printf("%s\t%s\t%s\n", qPrintable(row.verb), qPrintable(row.english),
                    row.outcome == verbcheck::MeaningRow::NotInDing
                        ? "not in Ding"
                        : qPrintable("Ding: " + known.join("; ")));
    }
    QStringList stale = (exceptions - needed).values();
    stale.sort();
    for (const QString &verb : stale)
        std::printf("%s\tan exception no longer needed (or no such verb)\n", qPrintable(verb));
    std::printf("meanings: %lld verbs, %d match a Ding translation, %d reviewed exceptions, "
                "%d to review, %lld stale exceptions\n",
                static_cast<long long>(file.recordCount()), matched, reviewed, unreviewed,
                static_cast<long long>(stale.size()));
    return unreviewed == 0 && stale.isEmpty();
}

// Prints the disagreements with the references that no reviewed exception
// explains; true when there are none and every exception is still needed.
bool reportReferences(const data::VerbFile &file, const QString &dictionaryPath,
                      const QString &dingPath, const QString &exceptionsPath)
{
    const auto dictionary = verbgen::FormDictionary::load(dictionaryPath);
    std::optional<verbcheck::DingDictionary> ding;
    if (!dingPath.isEmpty())
        ding = verbcheck::DingDictionary::parse(tools::readText(dingPath));
    const QSet<QString> reviewed =
        exceptionsPath.isEmpty() ? QSet<QString>()
                                 : verbcheck::parseReviewedList(tools::readText(exceptionsPath));
    verbcheck::References references;
    references.splitsOffPrefix = [&](const QString &verb) {
        return dictionary.splitsOffPrefix(verb);
    };
    references.ding = ding ? &*ding : nullptr;
    QSet<QString> needed;
    int unreviewed = 0;
    const auto disagreements = verbcheck::compareWithReferences(file, references);
    for (const verbcheck::Disagreement &found : disagreements) {
        if (reviewed.contains(verbcheck::reviewKey(found))) {
            needed.insert(verbcheck::reviewKey(found));
            continue;
        }
        ++unreviewed;
        std::printf("%s\t%s\t%s\n", qPrintable(found.kind), qPrintable(found.verb),
                    qPrintable(found.detail));
    }
    QStringList stale = (reviewed - needed).values();
    stale.sort();
    for (const QString &key : stale)
        std::printf("%s\tan exception no longer needed (or no such verb)\n", qPrintable(key));
    std::printf("reference: %lld verbs, %lld disagreements, %lld reviewed, %d to review, "
                "%lld stale exceptions\n",
                static_cast<long long>(file.recordCount()),
                static_cast<long long>(disagreements.size()),
                static_cast<long long>(disagreements.size() - unreviewed), unreviewed,
                static_cast<long long>(stale.size()));
    return unreviewed == 0 && stale.isEmpty();
}

// Prints the usage findings that no reviewed exception explains; true when
// there are none and every exception is still needed.
bool reportUsage(const data::VerbFile &file, const QString &bothAuxiliariesPath,
                 const QString &exceptionsPath)
{
    const QSet<QString> bothAuxiliaries =
        bothAuxiliariesPath.isEmpty()
            ? QSet<QString>()
            : verbcheck::parseListedVerbs(tools::readText(bothAuxiliariesPath));
    const QSet<QString> reviewed =
        exceptionsPath.isEmpty() ? QSet<QString>()
                                 : verbcheck::parseReviewedList(tools::readText(exceptionsPath));
    QSet<QString> needed;
    int unreviewed = 0;
    const auto findings = verbcheck::usageFindings(file, bothAuxiliaries);
    for (const verbcheck::Disagreement &found : findings) {
        if (reviewed.contains(verbcheck::reviewKey(found))) {
            needed.insert(verbcheck::reviewKey(found));
            continue;
        }
        ++unreviewed;
        std::printf("%s\t%s\t%s\n", qPrintable(found.kind), qPrintable(found.verb),
                    qPrintable(found.detail));
    }
    QStringList stale = (reviewed - needed).values();
    stale.sort();
    for (const QString &key : stale)
        std::printf("%s\tan exception no longer needed (or no such verb)\n", qPrintable(key));
    std::printf("usage: %lld verbs, %lld findings, %d to review, %lld stale exceptions\n",
                static_cast<long long>(file.recordCount()), static_cast<long long>(findings.size()),
                unreviewed, static_cast<long long>(stale.size()));
    return unreviewed == 0 && stale.isEmpty();
}

// Prints the verbs of the word list the file lacks, and those it holds that
// the list leaves out on purpose; true when there are none.
bool reportWanted(const data::VerbFile &file, const QString &listPath)
{
    const QStringList faults =
        verbcheck::wantedVerbFaults(file, verbcheck::parseWantedVerbs(tools::readText(listPath)));
    for (const QString &fault : faults)
        std::printf("%s\n", qPrintable(fault));
    std::printf("%s: %lld of the list's verbs missing or held against it\n", qPrintable(listPath),
                static_cast<long long>(faults.size()));
    return faults.isEmpty();
}

// The alternatives file a check reads: the one named, else the one beside the
// verb file, if there is one.
QString alternativesPath(const QCommandLineParser &parser, const QCommandLineOption &option,
                         const QString &verbFilePath)
{
    if (parser.isSet(option))
        return parser.value(option);
    const QString beside = data::Alternatives::pathBeside(verbFilePath);
    return QFileInfo(beside).isFile() ? beside : QString();
}

// Prints the faults of the alternatives file and adds the verb file's to
// `faults`; true when the file has none of its own.
bool checkAlternativesFile(const data::VerbFile &file, const QString &path,
                           const QCommandLineParser &parser,
                           const std::array<QCommandLineOption, 3> &sources,
                           QList<verbcheck::Fault> &faults)
{
    const auto &[dictionary, spelling, reviewed] = sources;
    verbcheck::KnownForms known;
    std::optional<verbgen::FormDictionary> forms;
    verbgen::SpellingReplacements replacements;
    verbgen::ReviewedAlternatives reviewedList;
    if (parser.isSet(dictionary)) {
        forms = verbgen::FormDictionary::load(parser.value(dictionary));
        if (parser.isSet(spelling))
            replacements = verbgen::SpellingReplacements::parse(
                tools::readText(parser.value(spelling)), parser.value(spelling));
        if (parser.isSet(reviewed))
            reviewedList = verbgen::ReviewedAlternatives::parse(
                tools::readText(parser.value(reviewed)), parser.value(reviewed));
        known = verbcheck::knownForms(*forms, replacements, reviewedList);
    }
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly))
        throw std::runtime_error(
            QStringLiteral("cannot read %1: %2").arg(path, input.errorString()).toStdString());
    const auto report = verbcheck::checkAlternatives(file, input.readAll(), known);
    for (const data::AlternativesFault &fault : report.lines)
        std::printf("%s: %s\n", qPrintable(path), qPrintable(fault.text()));
    faults << report.verbFile;
    return report.lines.isEmpty();
}

// A report's exit code: 0 when it passed, 1 when it found something, 2 when
// it could not read what it compares with.
int exitCodeOf(const std::function<bool()> &report)
{
    try {
        return report() ? 0 : 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // The caption widths need fonts, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QFontMetrics captionMetrics(verbcheck::captionFont());
    const auto captionWidth = [&](const QString &text) {
        return captionMetrics.horizontalAdvance(text);
    };
    const QFontMetrics smallestMetrics(verbcheck::captionFont(verbcheck::SmallestCaptionPixels));
    const auto smallestWidth = [&](const QString &text) {
        return smallestMetrics.horizontalAdvance(text);
    };
    QCommandLineParser parser;
    parser.setApplicationDescription("Checks a German Verb Zandrel verb file.");
    parser.addHelpOption();
    const QCommandLineOption words("words", "Print the distinct words of all forms.");
    const QCommandLineOption summary("summary", "Print the verbs per category and type.");
    const QCommandLineOption meanings("meanings", "Report the meanings against Ding.", "de-en");
    const QCommandLineOption meaningExceptions(
        "meaning-exceptions", "The reviewed meanings Ding does not match.", "file");
    const QCommandLineOption reference(
        "reference", "Compare with the verb-form dictionary (verbs.json) and Ding.", "file");
    const QCommandLineOption ding("ding", "Ding's de-en, for --reference.", "de-en");
    const QCommandLineOption referenceExceptions(
        "reference-exceptions", "The reviewed disagreements with the references.", "file");
    const QCommandLineOption wanted("wanted", "List the verbs of a word list it lacks.", "file");
    const QCommandLineOption captions("captions", "List the captions drawn smaller to fit.");
    const QCommandLineOption usage("usage", "Report meanings the forms contradict.");
    const QCommandLineOption bothAuxiliaries(
        "both-auxiliaries", "The verbs taking haben with an object, sein without.", "file");
    const QCommandLineOption usageExceptions("usage-exceptions", "The reviewed usage findings.",
                                             "file");
    parser.addOptions({words, summary, meanings, meaningExceptions, reference, ding,
                       referenceExceptions, wanted, captions, usage, bothAuxiliaries,
                       usageExceptions});
    const QCommandLineOption alternatives(
        "alternatives", "The alternatives file (default: the one beside the verb file).", "file");
    const std::array<QCommandLineOption, 3> alternativeSources = {
        QCommandLineOption("dictionary", "verbs.json, whose forms vouch for alternatives.", "file"),
        QCommandLineOption("spelling", "Old-to-new spellings for the dictionary's forms.", "file"),
        QCommandLineOption("reviewed-alternatives", "The reviewed alternatives.", "file")};
    parser.addOption(alternatives);
    parser.addOptions({alternativeSources.begin(), alternativeSources.end()});
    parser.addPositionalArgument("file", "The verb file, e.g. data/Verb12Data.txt.");
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    const QString path = parser.positionalArguments().first();
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s: %s\n", qPrintable(path),
                     qPrintable(input.errorString()));
        return 2;
    }
    const QByteArray bytes = input.readAll();
    const data::VerbFile file(bytes);

    if (parser.isSet(words)) {
        for (const QString &word : verbcheck::formWords(file))
            std::printf("%s\n", word.toUtf8().constData());
        return 0;
    }
    if (parser.isSet(meanings))
        return exitCodeOf([&] {
            return reportMeanings(file, parser.value(meanings), parser.value(meaningExceptions));
        });
    if (parser.isSet(reference))
        return exitCodeOf([&] {
            return reportReferences(file, parser.value(reference), parser.value(ding),
                                    parser.value(referenceExceptions));
        });
    if (parser.isSet(usage))
        return exitCodeOf([&] {
            return reportUsage(file, parser.value(bothAuxiliaries), parser.value(usageExceptions));
        });
    if (parser.isSet(wanted))
        return exitCodeOf([&] { return reportWanted(file, parser.value(wanted)); });
    if (parser.isSet(summary)) {
        const verbcheck::Tally counts = verbcheck::tally(file);
        std::printf("%lld verbs\n", static_cast<long long>(file.recordCount()));
        for (auto it = counts.categories.cbegin(); it != counts.categories.cend(); ++it)
            std::printf("category %s: %d\n", qPrintable(it.key()), it.value());
        for (auto it = counts.types.cbegin(); it != counts.types.cend(); ++it)
            std::printf("type %s: %d\n", qPrintable(it.key()), it.value());
        const verbcheck::CaptionFigures captions = verbcheck::captionFigures(file, captionWidth);
        std::printf("captions over %d pixels (drawn smaller): %d; widest %d pixels: \"%s\" (%s)\n",
                    verbcheck::CaptionRoom, captions.over, captions.widest,
                    qPrintable(captions.widestText),
                    qPrintable(QFontInfo(verbcheck::captionFont()).family()));
        if (const QString beside = alternativesPath(parser, alternatives, path);
            !beside.isEmpty()) {
            QFile alternativesFile(beside);
            if (alternativesFile.open(QIODevice::ReadOnly)) {
                const auto counts = verbcheck::countAlternatives(file, alternativesFile.readAll());
                for (auto it = counts.cbegin(); it != counts.cend(); ++it)
                    std::printf("alternatives, %s: %d verbs, %d forms, %d boxes\n",
                                qPrintable(it.key()), it->verbs, it->forms, it->boxes);
            }
        }
    }
    QList<verbcheck::Fault> faults = verbcheck::checkVerbFile(bytes);
    if (parser.isSet(captions)) {
        for (const verbcheck::WideCaption &wide : verbcheck::wideCaptions(file, captionWidth))
            std::printf("%s: %s\n", qPrintable(path),
                        qPrintable(verbcheck::describe(
                            {wide.record * data::VerbFile::LinesPerRecord + wide.recordLine,
                             wide.record, wide.recordLine,
                             QStringLiteral("caption \"%1\" is %2 pixels wide; drawn smaller to "
                                            "fit its label's %3")
                                 .arg(wide.text)
                                 .arg(wide.pixels)
                                 .arg(verbcheck::CaptionRoom)},
                            file)));
    }
    faults << verbcheck::checkCaptionWidths(file, smallestWidth);
    bool alternativesSound = true;
    if (const QString other = alternativesPath(parser, alternatives, path); !other.isEmpty()) {
        try {
            alternativesSound =
                checkAlternativesFile(file, other, parser, alternativeSources, faults);
        } catch (const std::exception &error) {
            std::fprintf(stderr, "%s\n", error.what());
            return 2;
        }
    }
    std::stable_sort(faults.begin(), faults.end(),
                     [](const auto &a, const auto &b) { return a.fileLine < b.fileLine; });
    for (const verbcheck::Fault &fault : faults)
        std::printf("%s: %s\n", qPrintable(path), qPrintable(verbcheck::describe(fault, file)));
    if (!faults.isEmpty() || !alternativesSound) {
        std::printf("%lld faults in the verb file%s\n", static_cast<long long>(faults.size()),
                    alternativesSound ? "" : ", and in the alternatives file");
        return 1;
    }
    std::printf("%s: %lld verbs, no faults\n", qPrintable(path),
                static_cast<long long>(file.recordCount()));
    return 0;
}
