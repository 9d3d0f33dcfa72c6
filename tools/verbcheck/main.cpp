// Checks a verb file for the faults a data author can make, e.g.
//   zandrel-verbcheck data/Verb12Data.txt
// Prints one line per fault and exits 1 when there is any, 0 when the file is
// sound, 2 when it cannot be read. --words prints the distinct words of every
// form (UTF-8, one a line); --summary the counts per category and type.
#include "VerbFileChecker.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Checks a German Verb Zandrel verb file.");
    parser.addHelpOption();
    const QCommandLineOption words("words", "Print the distinct words of all forms.");
    const QCommandLineOption summary("summary", "Print the verbs per category and type.");
    parser.addOptions({words, summary});
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
    if (parser.isSet(summary)) {
        const verbcheck::Tally counts = verbcheck::tally(file);
        std::printf("%lld verbs\n", static_cast<long long>(file.recordCount()));
        for (auto it = counts.categories.cbegin(); it != counts.categories.cend(); ++it)
            std::printf("category %s: %d\n", qPrintable(it.key()), it.value());
        for (auto it = counts.types.cbegin(); it != counts.types.cend(); ++it)
            std::printf("type %s: %d\n", qPrintable(it.key()), it.value());
    }
    const QList<verbcheck::Fault> faults = verbcheck::checkVerbFile(bytes);
    for (const verbcheck::Fault &fault : faults)
        std::printf("%s: %s\n", qPrintable(path), qPrintable(verbcheck::describe(fault, file)));
    if (!faults.isEmpty()) {
        std::printf("%lld faults\n", static_cast<long long>(faults.size()));
        return 1;
    }
    std::printf("%s: %lld verbs, no faults\n", qPrintable(path),
                static_cast<long long>(file.recordCount()));
    return 0;
}
