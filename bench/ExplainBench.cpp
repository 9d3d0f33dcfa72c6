// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The mistake classifier on the bundled verb file: reading one verb's fifteen
// tenses, and explaining a whole board whose every box is wrong.

#include "data/VerbFile.h"
#include "explain/MistakeClassifier.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace {

const data::VerbFile &bundledFile()
{
    static const data::VerbFile file =
        data::VerbFile::read(ZANDREL_BUNDLED_VERB_FILE, data::VerbFile::Keep::Payloads);
    return file;
}

// The first verb with the largest layout (a reflexive verb fills every column).
qsizetype reflexiveRecord()
{
    for (qsizetype record = 0; record < bundledFile().recordCount(); ++record) {
        if (bundledFile().header(record).category == data::Category::Reflexive)
            return record;
    }
    return 0;
}

void ReadVerbForms(benchmark::State &state)
{
    const qsizetype record = reflexiveRecord();
    for (auto _ : state)
        benchmark::DoNotOptimize(explain::VerbForms::read(bundledFile(), record));
}
BENCHMARK(ReadVerbForms);

// Every box of the future perfect (34 boxes) typed with a text no check explains,
// so every check runs: the most a Test Answers can ask of the classifier.
void ExplainWrongBoard(benchmark::State &state)
{
    const std::optional<explain::VerbForms> verb =
        explain::VerbForms::read(bundledFile(), reflexiveRecord());
    constexpr int FuturePerfect = 5;
    const QString typed = QStringLiteral("xyz");
    for (auto _ : state) {
        for (int box = 1; box <= data::BoxCount; ++box) {
            const QString &right = verb->form(FuturePerfect, box);
            if (!right.isEmpty())
                benchmark::DoNotOptimize(
                    explain::explainAnswer(typed, right, *verb, FuturePerfect, box));
        }
    }
}
BENCHMARK(ExplainWrongBoard)->Unit(benchmark::kMicrosecond);

} // namespace
