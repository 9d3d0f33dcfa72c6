// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ControlTable.h"

#include "board/Board.h"
#include "data/RecordLayout.h"
#include "editing/HelpText.h"

namespace app {

namespace {

const QString Consolas = QStringLiteral("Consolas");
const QString Franklin = QStringLiteral("Franklin Gothic Medium");

// The grid: columns of each block at these x positions and widths, rows at these y.
constexpr int LeftColumnsX[] = {133, 207, 302, 432};
constexpr int RightColumnsX[] = {600, 674, 770, 900};
constexpr int ColumnWidths[] = {65, 86, 121, 63};
constexpr int RowsY[] = {252, 292, 332, 372};
constexpr int EntryBoxHeight = 27;
constexpr QRect ImperativeBoxes[] = {
    {236, 415, 115, EntryBoxHeight}, // E33 (du)
    {420, 415, 115, EntryBoxHeight}, // E34 (ihr)
    {596, 415, 94, EntryBoxHeight},  // E35
    {740, 415, 90, EntryBoxHeight},  // E36
};

ControlSpec label(const char *name, int x, int y, const char *caption, int pixels,
                  const QString &family = Consolas)
{
    return {QString::fromLatin1(name),
            ControlKind::Label,
            {},
            QRect(x, y, 0, 0),
            QString::fromUtf8(caption),
            family,
            pixels};
}

ControlSpec control(ControlKind kind, const QString &name, const char *parent, QRect geometry,
                    const char *caption = "", int pixels = 13, const QString &family = Consolas)
{
    return {name,   kind,  QString::fromLatin1(parent), geometry, QString::fromUtf8(caption),
            family, pixels};
}

ControlSpec button(Look look, const QString &name, const char *parent, QRect geometry,
                   const char *caption, int pixels = 13)
{
    ControlSpec design = control(ControlKind::Button, name, parent, geometry, caption, pixels);
    design.look = look;
    return design;
}

ControlSpec list(const char *name, QRect geometry, QStringList items = {})
{
    ControlSpec design = control(ControlKind::List, name, "", geometry);
    design.look = Look::FlatList;
    design.items = std::move(items);
    return design;
}

// Where one side's Copy, Paste and first character button stand; the
// characters follow at a fixed step.
struct EditingButtonsX {
    int copy;
    int paste;
    int firstCharacter;
};

// Copy, Paste and the buttons of ä, ö, ü and ß of one side of the board, in tab order.
void addEditingButtons(std::vector<ControlSpec> &table, const char *side, EditingButtonsX x,
                       const char *suffix)
{
    constexpr int Row = 224;
    constexpr int CharacterStep = 27;
    const QString prefix = QString::fromLatin1(side);
    table.push_back(button(Look::SmallButton, prefix + "Copy", "", {x.copy, Row, 75, 25}, "Copy"));
    table.push_back(
        button(Look::SmallButton, prefix + "Paste", "", {x.paste, Row, 75, 25}, "Paste"));
    const std::pair<const char *, const char *> characters[] = {
        {"btnUmlauta", "ä"}, {"btnUmlauto", "ö"}, {"btnUmlautu", "ü"}, {"btnSzet", "ß"}};
    int left = x.firstCharacter;
    for (const auto &[name, caption] : characters) {
        table.push_back(button(Look::SmallButton, QString::fromLatin1(name) + suffix, "",
                               {left, Row, 22, 25}, caption));
        left += CharacterStep;
    }
}

QStringList tenseItems()
{
    const auto &tenses = board::tenseListItems();
    return QStringList(tenses.begin(), tenses.end());
}

std::vector<ControlSpec> buildTable()
{
    using K = ControlKind;
    using L = Look;
    std::vector<ControlSpec> table;
    auto add = [&table](ControlSpec design) { table.push_back(std::move(design)); };

    // Panel1 first: the window's first focus goes to the reveal display in it.
    ControlSpec panel1 = control(K::Panel, "Panel1", "", {524, 104, 454, 89});
    panel1.background = QColor(234, 224, 185);
    panel1.raisedBevel = true;
    add(panel1);
    ControlSpec reveal = control(K::EntryBox, "EdS4", "Panel1", {272, 20, 121, 27}, "", 12);
    reveal.background = Qt::white;
    reveal.look = L::SolidBox;
    reveal.readOnly = true;
    reveal.unlimitedLength = true;
    add(reveal);
    add(button(L::RevealButton, "btnShowCorrect", "Panel1", {62, 20, 129, 25}, "Show Correct"));
    add(button(L::CommandButton, "btnShowCorrectRestore", "Panel1", {92, 45, 75, 25}, "Restore"));
    add(button(L::RevealButton, "btnShowRand", "Panel1", {269, 45, 129, 25}, "Show Random"));

    ControlSpec panel2 = control(K::Panel, "Panel2", "", {34, 104, 454, 89});
    panel2.background = QColor(179, 227, 166);
    add(panel2);
    add(button(L::CommandButton, "btnTestAnswers", "Panel2", {52, 20, 129, 25}, "Test Answers"));
    add(button(L::CommandButton, "btnTestAnswersRestore", "Panel2", {79, 45, 75, 25}, "Restore"));
    add(button(L::CommandButton, "btnShowAll", "Panel2", {266, 20, 129, 25}, "Show All"));
    add(button(L::CommandButton, "btnShowAllRestore", "Panel2", {293, 45, 75, 25}, "Restore"));

    for (int box = 1; box <= data::BoxCount; ++box) {
        ControlSpec entry{entryBoxName(box), K::EntryBox, {}, entryBoxGeometry(box)};
        entry.visible = false; // until a refresh finds a form for it
        if (box > 1) {         // E1 keeps the window font
            entry.fontFamily = Consolas;
            entry.fontPixels = 12;
        }
        entry.look = L::SolidBox;
        entry.unlimitedLength = true;
        add(entry);
    }

    add(label("Label14", 44, 24, "Alpha", 19));
    add(label("Label10", 193, 24, "Verb List", 19));
    add(label("Label11", 435, 24, "Tense", 19));
    ControlSpec lookUp{QStringLiteral("AlphaEdit"), K::EntryBox, {}, {20, 48, 100, 27}};
    lookUp.look = L::SolidBox;
    add(lookUp);
    add(button(L::SmallButton, "btnAlpha", "", {120, 48, 8, 30}, ""));
    ControlSpec verbs = list("ComboBox1", {135, 48, 193, 27});
    verbs.rowsDropped = 14;
    verbs.itemHeight = 19;
    add(verbs);
    ControlSpec tenses = list("ComboBox2", {336, 48, 256, 27}, tenseItems());
    tenses.rowsDropped = 15;
    tenses.itemHeight = 19;
    add(tenses);
    ControlSpec activeCaption = label("Label9", 609, 37, "", 21);
    activeCaption.kind = K::FittingLabel; // a caption may be longer than the room to the edge
    activeCaption.textColour = TextColour::ActiveCaption;
    add(activeCaption);
    activeCaption.name = QStringLiteral("Label15");
    activeCaption.geometry.moveTop(61);
    add(activeCaption);
    ControlSpec fonts{QStringLiteral("ComboBox4"), K::FontList, {}, {608, 48, 241, 28}};
    fonts.visible = false;
    fonts.look = L::EveryFont;
    fonts.rowsDropped = 13;
    fonts.itemHeight = 22;
    add(fonts);
    ControlSpec styles = list("ComboBox5", {859, 48, 57, 27}, {" Reg", " Bold", " Ital", " B-I"});
    styles.visible = false;
    add(styles);
    ControlSpec sizes = list("ComboBox6", {926, 48, 57, 27}, {" 8", " 9", " 10", " 11", " 12"});
    sizes.visible = false;
    add(sizes);
    add(label("Label12", 799, 1, "Label12", 11));
    add(button(L::SmallButton, "btnFont", "", {981, 0, 16, 16}, "F", 11));
    add(button(L::SmallButton, "btnHelp", "", {997, 0, 16, 16}, "H", 11));

    ControlSpec type = control(K::CaptionBox, "panTy", "", {133, 224, 65, 25}, "Type", 16);
    type.look = L::EtchedPanel;
    add(type);
    addEditingButtons(table, "left", {226, 306, 394}, "");
    ControlSpec variants = button(L::SmallButton, "btnVar", "", {600, 224, 24, 25}, "");
    variants.toolTip = QStringLiteral("How many forms of the past participle the verb has; "
                                      "the board shows one");
    add(variants);
    addEditingButtons(table, "right", {691, 771, 860}, "R");
    ControlSpec scratch = control(K::EntryBox, "SpChar", "", {24, 224, 49, 27}, "SpChar");
    scratch.visible = false;
    scratch.look = L::SunkenBox;
    add(scratch);

    add(label("Label1", 96, 252, "ich", 16));
    add(label("Label2", 96, 292, "du", 16));
    add(label("Label3", 88, 332, "Sie", 16));
    add(label("Label4", 48, 372, "er/sie/es", 16));
    add(label("Label5", 566, 249, "wir", 16));
    add(label("Label6", 566, 289, "ihr", 16));
    add(label("Label7", 567, 329, "Sie", 16));
    add(label("Label8", 568, 369, "sie", 16));
    add(label("Label19", 194, 416, "(du)", 16));
    add(label("Label20", 369, 416, "(ihr)", 16));
    add(label("Label21", 703, 416, "Sie", 16));

    // The help panel lies off to the right until "H" moves it over the board.
    ControlSpec help =
        control(K::CaptionBox, "helppanel", "", {978, 32, 945, 409}, "helppanel", 15);
    help.visible = false;
    help.background = QColor(187, 201, 255);
    help.look = L::EtchedPanel;
    add(help);
    ControlSpec helpText =
        control(K::TextBox, "HelpMemo", "helppanel", {24, 19, 897, 345}, "", 11, Franklin);
    helpText.caption = editing::helpParagraphs().join(QLatin1Char('\n'));
    helpText.look = L::EtchedText;
    helpText.readOnly = true;
    helpText.verticalScrollBar = true;
    helpText.tabStopInBlanks = editing::HelpTabStopInBlanks;
    helpText.avoidsLoneLastWords = true;
    add(helpText);
    ControlSpec close =
        control(K::Button, "btnHelpClose", "helppanel", {441, 377, 62, 22}, "Close", 13, Franklin);
    close.look = L::CloseButton;
    add(close);
    add(control(K::CheckBox, "SecretCheckBox", "helppanel", {816, 380, 97, 17}, "Secret Check Box",
                11, QStringLiteral("Arial Narrow")));

    // Shown when the verb file's line count is not a whole number of records.
    add({QStringLiteral("MessageDialog1"),
         K::MessageDialog,
         {},
         {},
         QStringLiteral("The total number of \r\nlines in the data\r\nfile is not correct.")});
    return table;
}

} // namespace

QRect entryBoxGeometry(int box)
{
    const data::GridPlace place = data::gridPlace(box);
    if (place.block == data::GridPlace::Imperative)
        return ImperativeBoxes[place.column - 1];
    const int x =
        (place.block == data::GridPlace::Left ? LeftColumnsX : RightColumnsX)[place.column - 1];
    return {x, RowsY[place.row - 1], ColumnWidths[place.column - 1], EntryBoxHeight};
}

const std::vector<ControlSpec> &controlTable()
{
    static const std::vector<ControlSpec> table = buildTable();
    return table;
}

const FormSpec &formSpec()
{
    // The client size for the designed outer size of 1020 x 500 less a thin frame.
    static const FormSpec form{QStringLiteral("Form1"), QStringLiteral("German Verb Zandrel"),
                               QSize(1014, 471), QStringLiteral("Cooper Black"), 16};
    return form;
}

} // namespace app
