// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/TenseCaptions.h"

#include <algorithm>

namespace data {

const std::array<QString, TenseCount> &tenseCaptions()
{
    static const std::array<QString, TenseCount> captions = {
        QStringLiteral("Indikativ Präsens"),
        QStringLiteral("Indikativ Präteritum"),
        QStringLiteral("Indikativ Futur I"),
        QStringLiteral("Indikativ Perfekt"),
        QStringLiteral("Indikativ Plusquamperfekt"),
        QStringLiteral("Indikativ Futur II"),
        QStringLiteral("Konjunktiv I Präsens"),
        QStringLiteral("Konjunktiv II Präteritum"),
        QStringLiteral("Konjunktiv I Perfekt"),
        QStringLiteral("Konjunktiv II Plusquamperfekt"),
        QStringLiteral("Konjunktiv I Futur I"),
        QStringLiteral("Konjunktiv II Futur I"),
        QStringLiteral("Konjunktiv I Futur II"),
        QStringLiteral("Konjunktiv II Futur II"),
        QStringLiteral("Imperativ"),
    };
    return captions;
}

int tenseOfCaption(QStringView caption)
{
    const auto &captions = tenseCaptions();
    const auto found = std::find(captions.begin(), captions.end(), caption);
    return found == captions.end() ? -1 : static_cast<int>(found - captions.begin());
}

} // namespace data
