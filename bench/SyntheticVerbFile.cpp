// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SyntheticVerbFile.h"

#include <cstring>

#include "data/RecordLayout.h"
#include "data/VerbFile.h"

#include <array>
#include <random>

namespace bench {

namespace {

constexpr std::array<char, 4> Categories = {'r', 's', 'n', 'd'};
constexpr std::array<char, 5> Types = {'w', 's', 'm', 'i', 'd'};

QByteArray word(std::mt19937 &random, int minLength, int maxLength)
{
    static const char letters[] = "abcdefghiklmnoprstuwz\xe4\xf6\xfc\xdf";
    std::uniform_int_distribution<int> length(minLength, maxLength);
    std::uniform_int_distribution<int> letter(0, int(sizeof letters) - 2);
    QByteArray text;
    for (int i = length(random); i > 0; --i)
        text += letters[letter(random)];
    return text;
}

QByteArray prefix(char code, const QByteArray &verb, int lineInRecord)
{
    QByteArray text = QByteArray(1, code) + ' ' + verb.left(14).leftJustified(14) + " L" +
                      QByteArray::number(lineInRecord).rightJustified(3, '0');
    return text.leftJustified(data::VerbFile::PrefixLength, ' ', true);
}

} // namespace

QByteArray syntheticVerbFile(int verbs, LineEnd lineEnd)
{
    const QByteArray end = lineEnd == LineEnd::CrLf ? "\r\n" : lineEnd == LineEnd::Lf ? "\n" : "\r";
    std::mt19937 random(12345);
    QByteArray bytes;
    bytes.reserve(qsizetype(verbs) * data::VerbFile::LinesPerRecord * 40);
    for (int k = 0; k < verbs; ++k) {
        const char categoryCode = Categories[k % Categories.size()];
        const data::Category category = *data::categoryFromCode(categoryCode);
        const QByteArray verb = word(random, 4, 12) + "en";
        std::array<QByteArray, data::VerbFile::LinesPerRecord> payloads;
        payloads[0] = verb;
        for (int tense = 0; tense < data::TenseCount; ++tense) {
            const data::TenseBlock block = data::tenseBlock(category, tense);
            payloads[block.captionLine1()] =
                verb + ", " + word(random, 4, 10) + ", " + word(random, 5, 12);
            payloads[block.captionLine2()] = "to " + word(random, 3, 10);
            for (int j = 0; j < block.answerCount; ++j)
                payloads[block.answerLine(j)] = word(random, 3, 11);
        }
        const std::array<char, 3> codes = {categoryCode, Types[k % Types.size()],
                                           char('1' + k % 4)};
        for (int i = 0; i < data::VerbFile::LinesPerRecord; ++i)
            bytes += prefix(i < 3 ? codes[i] : ' ', verb, i) + payloads[i] + end;
    }
    return bytes;
}

qsizetype memchrLineCount(const QByteArray &bytes)
{
    qsizetype lines = 0;
    const char *pos = bytes.constData();
    const char *end = pos + bytes.size();
    while (const void *hit = std::memchr(pos, '\n', size_t(end - pos))) {
        ++lines;
        pos = static_cast<const char *>(hit) + 1;
    }
    return lines + (pos < end ? 1 : 0);
}

} // namespace bench
