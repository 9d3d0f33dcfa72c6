// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VerbFileChecks.h"

#include "ReaderChecks.h"
#include "board/Board.h"
#include "data/RecordLayout.h"
#include "data/VerbFile.h"
#include "editing/LookUp.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

namespace fuzzcheck {

namespace {

// What the type panel shows for each type, spelt out apart from the board's
// own table; in the order of data::VerbType.
const std::array<QString, 5> &expectedTypeNames()
{
    static const std::array<QString, 5> names = {QStringLiteral("Weak"), QStringLiteral("Strong"),
                                                 QStringLiteral("Mixed"), QStringLiteral("Irreg"),
                                                 QStringLiteral("Modal")};
    return names;
}

QByteArrayView trimmedOfControls(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.front()) <= 32)
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.back()) <= 32)
        bytes.chop(1);
    return bytes;
}

void checkDecoding(QByteArrayView bytes, Findings &findings)
{
    const QString decoded = data::decodeWindows1252(bytes);
    if (decoded.size() != bytes.size()) {
        findings.add(QStringLiteral("decoding changed the length"));
        return;
    }
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool latin1Range = byte < 0x80 || byte >= 0xA0;
        if (latin1Range && decoded[i].unicode() != byte)
            findings.add(QStringLiteral("byte %1 decoded as U+%2")
                             .arg(byte)
                             .arg(decoded[i].unicode(), 4, 16));
    }
    bool ok = false;
    if (data::encodeWindows1252(decoded, &ok) != bytes || !ok)
        findings.add(QStringLiteral("decoding and encoding again changed the bytes"));
}

void checkBoard(const data::VerbFile &file, const std::vector<QByteArrayView> &lines,
                qsizetype record, int tense, Findings &findings)
{
    const board::BoardContent content = board::readBoard(file, record, tense);
    const auto where = [&](const QString &what) {
        findings.add(QStringLiteral("record %1, tense %2: %3").arg(record).arg(tense).arg(what));
    };
    const data::RecordHeader expected = referenceHeader(lines, record);
    const int row = categoryRow(expected.categoryCode);
    if (content.categoryKnown() != (row >= 0))
        where(QStringLiteral("category known %1").arg(content.categoryKnown()));

    std::array<QString, data::BoxCount> answers;
    QString caption1;
    QString caption2;
    if (row >= 0) {
        const QString type = expected.type ? expectedTypeNames()[int(*expected.type)] : QString();
        if (content.typeName.value_or(QString()) != type)
            where(QStringLiteral("type %1, expected %2")
                      .arg(content.typeName.value_or(QStringLiteral("none")), type));
        const QString digit = QString::number(expected.variants);
        if (content.variantsDigit != digit)
            where(QStringLiteral("variants %1, expected %2").arg(content.variantsDigit, digit));
    }
    if (row >= 0 && tense >= 0 && tense < data::TenseCount) {
        const int first = BlockStarts[row][tense];
        const int answerCount = BlockStarts[row][tense + 1] - first - 2;
        const data::TenseBlock block = data::tenseBlock(*expected.category, tense);
        if (block.firstLine != first || block.answerCount != answerCount)
            where(QStringLiteral("block at %1 with %2 answers, expected %3 with %4")
                      .arg(block.firstLine)
                      .arg(block.answerCount)
                      .arg(first)
                      .arg(answerCount));
        caption1 = data::decodeWindows1252(payloadOf(recordLine(lines, record, first)));
        caption2 = data::decodeWindows1252(payloadOf(recordLine(lines, record, first + 1)));
        std::set<int> boxes;
        for (int j = 0; j < std::min(block.answerCount, answerCount); ++j) {
            const int box = block.boxes[j];
            const bool imperative = tense == data::TenseCount - 1;
            if (box < (imperative ? 33 : 1) || box > (imperative ? 36 : 32) ||
                !boxes.insert(box).second) {
                where(QStringLiteral("answer %1 goes to box %2").arg(j).arg(box));
                continue;
            }
            answers[box - 1] = data::decodeWindows1252(
                trimmedOfControls(payloadOf(recordLine(lines, record, first + 2 + j))));
        }
    }
    if (content.caption1 != caption1 || content.caption2 != caption2)
        where(QStringLiteral("captions differ"));
    for (int box = 1; box <= data::BoxCount; ++box) {
        if (content.answers[box - 1] != answers[box - 1])
            where(QStringLiteral("box %1 holds \"%2\", expected \"%3\"")
                      .arg(box)
                      .arg(content.answers[box - 1].left(40), answers[box - 1].left(40)));
    }
}

void checkLookUp(const data::VerbFile &file, const std::vector<QByteArrayView> &lines,
                 QByteArrayView bytes, Findings &findings)
{
    QStringList entries;
    for (qsizetype record = 0; record < qsizetype(lines.size()) / LinesPerRecord; ++record)
        entries.append(QLatin1Char(' ') +
                       data::decodeWindows1252(payloadOf(lines[record * LinesPerRecord])));
    if (board::verbListEntries(file) != entries)
        findings.add(QStringLiteral("the verb list's entries differ"));
    // A few typed texts: the input's last bytes, a verb's own beginning, nothing.
    QStringList typed = {data::decodeWindows1252(bytes.last(std::min<qsizetype>(bytes.size(), 12))),
                         QString(), QStringLiteral(" ")};
    if (!entries.isEmpty())
        typed.append(entries.back().mid(1, 4));
    const auto byCodePoint = [](const QString &a, const QString &b) { return a.compare(b) <= 0; };
    for (const QString &text : typed) {
        const int entry = editing::lookUpEntry(entries, text, byCodePoint);
        const bool inRange = entries.isEmpty() ? entry == -1 : entry >= 0 && entry < entries.size();
        if (!inRange)
            findings.add(
                QStringLiteral("look-up gave entry %1 of %2").arg(entry).arg(entries.size()));
    }
}

} // namespace

QString checkVerbFileBytes(QByteArrayView bytes)
{
    Findings findings;
    const data::VerbFile file{QByteArray(bytes.data(), bytes.size())};
    const data::VerbFile payloads = keptPayloads(bytes);
    const std::vector<QByteArrayView> lines = referenceLines(bytes);
    checkDecoding(bytes, findings);
    checkReader(bytes, lines, file, payloads, findings);
    // Single lines at the edges, and out of range.
    const qsizetype count = qsizetype(lines.size());
    for (qsizetype index : {qsizetype(-1), qsizetype(0), count / 2, count - 1, count, count + 1}) {
        const QByteArrayView expected =
            index >= 0 && index < count ? lines[index] : QByteArrayView();
        if (file.line(index) != expected)
            findings.add(QStringLiteral("line(%1) disagrees").arg(index));
    }
    // The board of every record in every tense, and the look-up, from both.
    for (const data::VerbFile *read : {&file, &payloads}) {
        for (qsizetype record = 0; record < read->recordCount(); ++record) {
            for (int tense = -1; tense <= data::TenseCount; ++tense)
                checkBoard(*read, lines, record, tense, findings);
        }
        checkLookUp(*read, lines, bytes, findings);
    }
    return findings.text();
}

} // namespace fuzzcheck
