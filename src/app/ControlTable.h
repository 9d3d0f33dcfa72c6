// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <vector>

namespace app {

enum class ControlKind {
    Label,
    // a label that shrinks a caption too long for the room to the window's edge
    FittingLabel,
    EntryBox,   // OfficeEdit
    Button,     // OfficeButton
    Panel,      // plain coloured panel holding buttons
    CaptionBox, // OfficePanel
    TextBox,    // OfficeMemo
    List,       // FlatComboBox
    FontList,   // FlatFontComboBox
    CheckBox,   // FlatCheckBox
};

// One control of the main window as designed: its name (also its objectName),
// kind, the control it sits in (empty: the window), place, caption and font.
struct ControlSpec {
    QString name;
    ControlKind kind;
    QString parent{};
    QRect geometry{}; // a zero size: the control sizes itself to its caption
    QString caption{};
    QString fontFamily{}; // empty: inherits the window font
    int fontPixels = 0;
    bool visible = true;
    QColor background{};      // invalid: the kind's own colour
    bool raisedBevel = false; // panels: a raised edge, or a blank one
};

// Every control of the window, parents before children, in tab order where
// the controls take the focus.
const std::vector<ControlSpec> &controlTable();

// The entry box grid: box n (1 to 36) as designed.
QRect entryBoxGeometry(int box);

inline QString entryBoxName(int box)
{
    return QStringLiteral("E%1").arg(box);
}

} // namespace app
