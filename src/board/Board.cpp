// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/Board.h"

#include "data/TenseCaptions.h"

namespace board {

BoardContent readBoard(const data::VerbFile &file, qsizetype record, int tense)
{
    BoardContent content;
    const data::RecordHeader &header = file.header(record);
    const std::optional<data::Category> category = header.category;
    if (!category)
        return content;
    content.category = category;
    if (header.type)
        content.typeName = typeName(*header.type);
    content.variantsDigit = QString::number(header.variants);

    if (tense < 0 || tense >= data::TenseCount)
        return content;
    const data::TenseBlock block = data::tenseBlock(*category, tense);
    const std::vector<QByteArrayView> payloads =
        file.recordPayloads(record, block.firstLine, 2 + block.answerCount);
    content.caption1 = data::decodeWindows1252(payloads[0]);
    content.caption2 = data::decodeWindows1252(payloads[1]);
    for (int j = 0; j < block.answerCount; ++j)
        content.answers[block.boxes[j] - 1] = data::answerTextOfPayload(payloads[2 + j]);
    return content;
}

QStringList verbListEntries(const data::VerbFile &file)
{
    QStringList entries;
    entries.reserve(file.recordCount());
    for (qsizetype record = 0; record < file.recordCount(); ++record)
        entries.append(QLatin1Char(' ') + data::decodeWindows1252(file.header(record).name));
    return entries;
}

QString typeName(data::VerbType type)
{
    switch (type) {
    case data::VerbType::Weak:
        return QStringLiteral("Weak");
    case data::VerbType::Strong:
        return QStringLiteral("Strong");
    case data::VerbType::Mixed:
        return QStringLiteral("Mixed");
    case data::VerbType::Irregular:
        return QStringLiteral("Irreg");
    case data::VerbType::Modal:
        return QStringLiteral("Modal");
    }
    return {};
}

const std::array<QString, data::TenseCount> &tenseListItems()
{
    // The ninth item's trailing blank belongs to the list as learners have always seen it.
    static const std::array<QString, data::TenseCount> items = {
        QStringLiteral(" present"),
        QStringLiteral(" past"),
        QStringLiteral(" future"),
        QStringLiteral(" present perfect"),
        QStringLiteral(" past perfect"),
        QStringLiteral(" future perfect"),
        QStringLiteral(" present subjunctive I"),
        QStringLiteral(" present subjunctive II"),
        QStringLiteral(" past subjunctive I "),
        QStringLiteral(" past subjunctive II"),
        QStringLiteral(" future subjunctive I"),
        QStringLiteral(" future subjunctive II"),
        QStringLiteral(" future perfect subjunctive I"),
        QStringLiteral(" future perfect subjunctive II"),
        QStringLiteral(" (imperative mood)"),
    };
    return items;
}

const std::array<QString, data::TenseCount> &tenseCaptions()
{
    return data::tenseCaptions();
}

} // namespace board
