// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace app {

// What assistive technology calls a control whose caption alone does not say
// it: a caption repeated on the window, a letter, or no caption at all.
struct AccessibleName {
    QString control;
    QString name;
    QString description{}; // empty: the tooltip, if any, describes it
};

const std::vector<AccessibleName> &accessibleNames();

// The labels that name the lists and the look-up box beside them.
struct LabelFor {
    QString label;
    QString control;
};
const std::vector<LabelFor> &labelsFor();

// A list's entries as a screen reader says them, row by row, where the
// entries' letters say less ("Reg" is "Regular", "8" is "size 8").
struct SpokenEntries {
    QString list;
    QStringList entries;
};
const std::vector<SpokenEntries> &spokenEntries();

// What a control shows, told by its tooltip above any command key's line.
struct ShownToolTip {
    QString control;
    QString toolTip;
};
const std::vector<ShownToolTip> &shownToolTips();

// The accessible name of the variants button: the digit alone says nothing.
QString variantsName(const QString &digit);

} // namespace app
