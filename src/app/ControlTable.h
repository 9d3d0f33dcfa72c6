// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

namespace app {

enum class ControlKind {
    Label,
    // a label that shrinks a caption too long for the room to the window's edge
    FittingLabel,
    EntryBox,      // OfficeEdit
    Button,        // OfficeButton
    Panel,         // plain coloured panel holding buttons
    CaptionBox,    // OfficePanel
    TextBox,       // OfficeMemo
    List,          // FlatComboBox
    FontList,      // FlatFontComboBox
    CheckBox,      // FlatCheckBox
    MessageDialog, // dialog::MessageDialog, a message box shown on demand
};

// The frame styles and list flags a control is given (FrameStylesAndListFlags.h).
enum class Look {
    Own,           // the class's own
    SolidBox,      // entry box: a plain solid frame in every state
    SunkenBox,     // entry box: sunken, also when focused
    SmallButton,   // etched; Flat would draw it flat; etched while held down
    RevealButton,  // etched; nothing more when focused or held down
    CommandButton, // etched; an outer raised edge inside the ring when focused
    CloseButton,   // raised; outer raised when focused; sunken while held down
    EtchedPanel,   // caption box: etched, also when focused
    EtchedText,    // text box: etched, also when focused
    FlatList,      // flat on button face with its border, no typing, no pointer look
    EveryFont,     // font list: every installed family
};

// The text colour a control takes from the window.
enum class TextColour {
    Own,
    ActiveCaption, // the active-caption colour, as readable as the window's face allows
};

// One control of the main window as designed: its name (also its objectName),
// kind, the control it sits in (empty: the window), place, caption, font and
// every setting the design gives it.
struct ControlSpec {
    QString name;
    ControlKind kind;
    QString parent{};
    QRect geometry{}; // a zero size: the control sizes itself to its caption
    // What it shows: a caption; a text box's text; a message dialog's message.
    QString caption{};
    QString fontFamily{}; // empty: inherits the window font
    int fontPixels = 0;
    // A tooltip of the design's; a command's comes with its key (CommandKeys.h).
    QString toolTip{};
    bool visible = true;
    QColor background{};      // invalid: the kind's own colour
    bool raisedBevel = false; // panels: a raised edge, or a blank one
    TextColour textColour = TextColour::Own;
    Look look = Look::Own;
    // Lists: the entries (none selected at start), the rows dropped down and
    // their height (0: the list's own).
    QStringList items{};
    int rowsDropped = 0;
    int itemHeight = 0;
    // Entry boxes and text boxes.
    bool readOnly = false;
    // An entry box that holds a form, which may be longer than an entry box's
    // default limit of 32,767 characters; cut, Show All would show it wrong
    // and Test Answers mark it.
    bool unlimitedLength = false;
    // Text boxes: a vertical scroll bar always shown, tab stops every so many
    // blanks (0: the box's own), and paragraphs narrowed so that no row ends
    // with one word alone.
    bool verticalScrollBar = false;
    int tabStopInBlanks = 0;
    bool avoidsLoneLastWords = false;
};

// Every control of the window, parents before children, in tab order where
// the controls take the focus.
const std::vector<ControlSpec> &controlTable();

// The window itself as designed.
struct FormSpec {
    QString name;
    QString title;
    QSize clientSize;
    QString fontFamily;
    int fontPixels;
};
const FormSpec &formSpec();

// Where "H" moves the help panel, over the board.
inline constexpr QPoint HelpPanelOpenPlace{34, 24};

// The entry box grid: box n (1 to data::BoxCount) as designed.
QRect entryBoxGeometry(int box);

inline QString entryBoxName(int box)
{
    return QStringLiteral("E%1").arg(box);
}

} // namespace app
