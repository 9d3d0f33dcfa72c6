// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/AccessibleNames.h"

namespace app {

namespace {

std::vector<AccessibleName> buildAccessibleNames()
{
    const auto named = [](const char *control, const char *name, const char *description = "") {
        return AccessibleName{QString::fromLatin1(control), QString::fromUtf8(name),
                              QString::fromUtf8(description)};
    };
    return {
        named("Panel1", "Show Correct and Show Random"),
        named("Panel2", "Test Answers and Show All"),
        // The control the window starts on: short, and the way to the board.
        named("EdS4", "Show Random letters", "Letters from Show Random (Alt+R). Alt+B: the board"),
        named("btnTestAnswersRestore", "Restore tested answers"),
        named("btnShowAllRestore", "Restore after Show All"),
        named("btnShowCorrectRestore", "Restore after Show Correct"),
        named("AlphaEdit", "Alpha look-up",
              "Type the start of a verb and press Return to go to it in the verb list"),
        // Named with its digit at every refresh (variantsName).
        named("btnVar", "Participle variants",
              "How many variants the participle has; the board shows one"),
        named("btnAlpha", "Look up", "Go to the verb typed in Alpha"),
        // Lists without a label; the entry is read as the list's value.
        named("ComboBox4", "Font"),
        named("ComboBox5", "Font style"),
        named("ComboBox6", "Entry font size"),
        named("btnFont", "Fonts"),
        named("btnHelp", "Help"),
        named("leftCopy", "Copy, left"),
        named("rightCopy", "Copy, right"),
        named("leftPaste", "Paste, left"),
        named("rightPaste", "Paste, right"),
        named("btnUmlauta", "ä, left"),
        named("btnUmlauto", "ö, left"),
        named("btnUmlautu", "ü, left"),
        named("btnSzet", "ß, left"),
        named("btnUmlautaR", "ä, right"),
        named("btnUmlautoR", "ö, right"),
        named("btnUmlautuR", "ü, right"),
        named("btnSzetR", "ß, right"),
        // A panel is read with its role: "Help panel".
        named("helppanel", "Help", "Esc closes the help"),
        named("HelpMemo", "Help text"),
        named("btnHelpClose", "Close help"),
    };
}

} // namespace

const std::vector<AccessibleName> &accessibleNames()
{
    static const std::vector<AccessibleName> names = buildAccessibleNames();
    return names;
}

const std::vector<LabelFor> &labelsFor()
{
    static const std::vector<LabelFor> labels = {
        {QStringLiteral("Label14"), QStringLiteral("AlphaEdit")},
        {QStringLiteral("Label10"), QStringLiteral("ComboBox1")},
        {QStringLiteral("Label11"), QStringLiteral("ComboBox2")},
    };
    return labels;
}

const std::vector<SpokenEntries> &spokenEntries()
{
    static const std::vector<SpokenEntries> spoken = {
        {QStringLiteral("ComboBox5"),
         {QStringLiteral("Regular"), QStringLiteral("Bold"), QStringLiteral("Italic"),
          QStringLiteral("Bold Italic")}},
        {QStringLiteral("ComboBox6"),
         {QStringLiteral("size 8"), QStringLiteral("size 9"), QStringLiteral("size 10"),
          QStringLiteral("size 11"), QStringLiteral("size 12")}},
    };
    return spoken;
}

const std::vector<ShownToolTip> &shownToolTips()
{
    static const std::vector<ShownToolTip> shown = {
        {QStringLiteral("EdS4"), QStringLiteral("The letters Show Random has revealed (Alt+R)")},
    };
    return shown;
}

QString variantsName(const QString &digit)
{
    return QStringLiteral("Participle variants: %1").arg(digit);
}

} // namespace app
