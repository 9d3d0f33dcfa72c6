// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance/FontGroups.h"

#include "data/RecordLayout.h"

namespace appearance {

namespace {

QStringList numbered(const char *prefix, int first, int last)
{
    QStringList names;
    for (int number = first; number <= last; ++number)
        names.append(QString::fromLatin1(prefix) + QString::number(number));
    return names;
}

std::vector<FontGroupEntry> buildGroups()
{
    using G = FontGroup;
    QStringList personLabels = numbered("Label", 1, 8) + numbered("Label", 19, 21);
    QStringList answerBoxes = numbered("E", 1, data::BoxCount);
    answerBoxes.append(QStringLiteral("EdS4"));
    return {
        {G::Headings, {"Label10", "Label11", "Label14"}, 14, true, false},
        {G::PersonLabels, personLabels, 12, true, false},
        {G::ListsAndLookUp,
         {"ComboBox1", "ComboBox2", "AlphaEdit", "ComboBox5", "ComboBox6"},
         12,
         true,
         false},
        {G::CommandButtons,
         {"btnTestAnswers", "btnTestAnswersRestore",
          "btnShowAll",     "btnShowAllRestore",
          "btnShowCorrect", "btnShowCorrectRestore",
          "btnShowRand",    "leftCopy",
          "leftPaste",      "btnVar",
          "rightCopy",      "rightPaste",
          "panTy",          "btnUmlauta",
          "btnUmlauto",     "btnUmlautu",
          "btnSzet",        "btnUmlautaR",
          "btnUmlautoR",    "btnUmlautuR",
          "btnSzetR"},
         12,
         true,
         false},
        {G::AnswerBoxes, answerBoxes, InitialEntryFontSize, true, true},
        {G::RecordCaptions, {"Label9", "Label15"}, 16, false, false},
    };
}

} // namespace

QString designTypeface()
{
    return QStringLiteral("Franklin Gothic Medium");
}

const std::vector<FontGroupEntry> &fontGroups()
{
    static const std::vector<FontGroupEntry> groups = buildGroups();
    return groups;
}

std::vector<ControlLettering> defaultFontSet()
{
    std::vector<ControlLettering> steps;
    for (const FontGroupEntry &group : fontGroups()) {
        for (const QString &control : group.controls)
            steps.push_back({control, designTypeface(), group.defaultPointSize});
    }
    return steps;
}

std::vector<ControlLettering> fontChange(const QString &chosenTypeface, int entryFontSize)
{
    std::vector<ControlLettering> steps;
    for (const FontGroupEntry &group : fontGroups()) {
        const QString typeface = group.takesChosenTypeface ? chosenTypeface : designTypeface();
        const int size = group.takesEntryFontSize ? entryFontSize : group.defaultPointSize;
        for (const QString &control : group.controls)
            steps.push_back({control, typeface, size});
    }
    return steps;
}

} // namespace appearance
