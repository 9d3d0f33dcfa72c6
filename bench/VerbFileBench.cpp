// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SyntheticVerbFile.h"

#include "board/Board.h"
#include "data/Alternatives.h"
#include "data/VerbFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <malloc.h>

namespace {

constexpr int Verbs = 1000;

const QByteArray &verbFileBytes(bench::LineEnd lineEnd)
{
    static const QByteArray crlf = bench::syntheticVerbFile(Verbs, bench::LineEnd::CrLf);
    static const QByteArray lf = bench::syntheticVerbFile(Verbs, bench::LineEnd::Lf);
    static const QByteArray cr = bench::syntheticVerbFile(Verbs, bench::LineEnd::Cr);
    return lineEnd == bench::LineEnd::CrLf ? crlf : lineEnd == bench::LineEnd::Lf ? lf : cr;
}

double secondsOf(auto &&work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void setFileCounters(benchmark::State &state, const QByteArray &bytes)
{
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.counters["file_MB"] = double(bytes.size()) / 1e6;
}

// Argument: 0 CR LF, 1 LF, 2 CR.
bench::LineEnd lineEndOf(const benchmark::State &state)
{
    return static_cast<bench::LineEnd>(state.range(0));
}

// Argument: 0 whole lines (the tools), 1 payloads and codes (the trainer).
data::VerbFile::Keep keepOf(const benchmark::State &state, int argument)
{
    return state.range(argument) == 0 ? data::VerbFile::Keep::WholeLines
                                      : data::VerbFile::Keep::Payloads;
}

void BM_MemchrLineCount(benchmark::State &state)
{
    const QByteArray &bytes = verbFileBytes(lineEndOf(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::memchrLineCount(bytes));
    setFileCounters(state, bytes);
}
BENCHMARK(BM_MemchrLineCount)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The load against the memchr count, timed in turn over the same bytes;
// "ratio" is load time over memchr time. Arguments: line end, what is kept.
void BM_VerbFileLoad(benchmark::State &state)
{
    const QByteArray &bytes = verbFileBytes(lineEndOf(state));
    const bool wholeLines = keepOf(state, 1) == data::VerbFile::Keep::WholeLines;
    double loadSeconds = 0;
    double memchrSeconds = 0;
    qsizetype lines = 0;
    for (auto _ : state) {
        const double load = secondsOf([&] {
            const data::VerbFile file =
                wholeLines ? data::VerbFile(bytes) : data::VerbFile::payloadsOf(bytes);
            lines = file.lineCount();
            benchmark::DoNotOptimize(lines);
        });
        memchrSeconds +=
            secondsOf([&] { benchmark::DoNotOptimize(bench::memchrLineCount(bytes)); });
        loadSeconds += load;
        state.SetIterationTime(load);
    }
    setFileCounters(state, bytes);
    state.counters["lines"] = double(lines);
    state.counters["ratio_to_memchr"] = loadSeconds / memchrSeconds;
}
BENCHMARK(BM_VerbFileLoad)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({0, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Reading from disk; "heap_per_file_byte" is what the loaded file keeps on the
// heap for each byte of the file (1.0 means the bytes alone). Argument: what is kept.
void BM_VerbFileRead(benchmark::State &state)
{
    const QByteArray &bytes = verbFileBytes(bench::LineEnd::CrLf);
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(data::VerbFile::FileName));
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
            state.SkipWithError("cannot write the temporary verb file");
            return;
        }
    }
    double heapPerByte = 0;
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks + mallinfo2().hblkhd;
        const data::VerbFile file = data::VerbFile::read(path, keepOf(state, 0));
        const size_t after = mallinfo2().uordblks + mallinfo2().hblkhd;
        heapPerByte = double(after - before) / double(bytes.size());
        benchmark::DoNotOptimize(file.lineCount());
    }
    setFileCounters(state, bytes);
    state.counters["heap_per_file_byte"] = heapPerByte;
}
BENCHMARK(BM_VerbFileRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One board read: the header and a tense block near the end of a record, from
// what the trainer keeps.
void BM_ReadBoard(benchmark::State &state)
{
    const data::VerbFile file = data::VerbFile::payloadsOf(verbFileBytes(bench::LineEnd::CrLf));
    const int tense = int(state.range(0));
    qsizetype record = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(board::readBoard(file, record, tense));
        record = (record + 37) % file.recordCount();
    }
}
BENCHMARK(BM_ReadBoard)->Arg(0)->Arg(13)->Arg(14)->Unit(benchmark::kMicrosecond);

// What start-up adds by reading the alternatives beside the verb file: the
// bundled pair from disk (page cache warm). Argument: 0 the verb file as the
// trainer keeps it, 1 the alternatives file.
void BM_BundledFileRead(benchmark::State &state)
{
    const QString folder = QStringLiteral(ZANDREL_DATA_DIR "/");
    const bool alternatives = state.range(0) == 1;
    for (auto _ : state) {
        if (alternatives) {
            const auto reading = data::Alternatives::read(
                folder + QString::fromLatin1(data::Alternatives::FileName));
            if (reading.fault || reading.alternatives.isEmpty()) {
                state.SkipWithError("the bundled alternatives file is missing or damaged");
                return;
            }
            benchmark::DoNotOptimize(reading.alternatives.verbCount());
        } else {
            benchmark::DoNotOptimize(
                data::VerbFile::read(folder + QString::fromLatin1(data::VerbFile::FileName),
                                     data::VerbFile::Keep::Payloads)
                    .lineCount());
        }
    }
}
BENCHMARK(BM_BundledFileRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
