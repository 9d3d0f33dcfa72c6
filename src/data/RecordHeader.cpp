// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/RecordHeader.h"

#include <string_view>

namespace data {

namespace {

char codeOf(QByteArrayView prefix)
{
    return prefix.isEmpty() ? '\0' : prefix.front();
}

// The label follows the category letter; only its own words count. Searched
// as a string view: on these 29 bytes half the time of Qt's search, which is
// set up for longer texts (the header of every record is read at each start).
bool labelSays(QByteArrayView prefix, std::string_view words)
{
    const std::string_view label(prefix.data(), std::size_t(prefix.size()));
    return label.size() > 1 && label.find(words, 1) != std::string_view::npos;
}

} // namespace

std::optional<VerbType> verbTypeFromCode(char code)
{
    switch (code) {
    case 'w':
        return VerbType::Weak;
    case 's':
        return VerbType::Strong;
    case 'm':
        return VerbType::Mixed;
    case 'i':
        return VerbType::Irregular;
    case 'd':
        return VerbType::Modal;
    default:
        return std::nullopt;
    }
}

RecordHeader readRecordHeader(const std::array<HeaderLine, 3> &lines)
{
    RecordHeader header;
    header.categoryCode = codeOf(lines[0].prefix);
    header.typeCode = codeOf(lines[1].prefix);
    header.variantsCode = codeOf(lines[2].prefix);
    header.category = categoryFromCode(header.categoryCode);
    header.type = verbTypeFromCode(header.typeCode);
    if (header.variantsCode >= '2' && header.variantsCode <= '4')
        header.variants = header.variantsCode - '0';
    header.impersonal = labelSays(lines[0].prefix, "impersonal");
    header.esOnly = labelSays(lines[0].prefix, "es only");
    header.noImperative = labelSays(lines[0].prefix, "no imperative");
    header.name = lines[0].payload;
    header.principalParts = lines[1].payload;
    header.meaning = lines[2].payload;
    return header;
}

} // namespace data
