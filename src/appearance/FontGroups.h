// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The window's lettering as names and numbers: which controls the default
// font set and the font change reach, and the point size each one gets.
namespace appearance {

// The typeface the window is designed in. The default font set always asks
// for it, installed or not; the substitutes registered at start-up stand in
// for it where it is missing.
QString designTypeface();

// The answer boxes' point size until the size list is used.
constexpr int InitialEntryFontSize = 10;

enum class FontGroup {
    Headings,
    PersonLabels,
    ListsAndLookUp,
    CommandButtons,
    AnswerBoxes,
    RecordCaptions,
};

struct FontGroupEntry {
    FontGroup group;
    QStringList controls; // object names, in the order the routines visit them
    int defaultPointSize;
    // The font change gives the group the chosen typeface (false: keeps the
    // design typeface) ...
    bool takesChosenTypeface;
    // ... and EntryFontSize instead of the default size.
    bool takesEntryFontSize;
};

// The six groups, 79 controls in all, in the order the routines visit them.
const std::vector<FontGroupEntry> &fontGroups();

// One step of a routine: set the control's typeface (an empty name leaves it
// as it is), then its point size.
struct ControlLettering {
    QString control;
    QString typeface;
    int pointSize = 0;

    friend bool operator==(const ControlLettering &, const ControlLettering &) = default;
};

// Run on every activation of the window: the design typeface at the default
// sizes. EntryFontSize is not consulted; the answer boxes get 10 points.
std::vector<ControlLettering> defaultFontSet();

// Run on every choice in the font chooser, the style list and the size list:
// the chosen typeface (empty when the chooser has no selection) everywhere but
// on the record captions, which keep the design typeface at 16 points.
std::vector<ControlLettering> fontChange(const QString &chosenTypeface, int entryFontSize);

} // namespace appearance
