// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandKeys.h"

#include "app/ControlTable.h"
#include "data/RecordLayout.h"

namespace app {

namespace {

CommandKey command(QStringList controls, QKeySequence keys, const char *purpose)
{
    return {std::move(controls), std::move(keys), QString::fromUtf8(purpose)};
}

CommandKey typedInBox(QStringList controls, Qt::Key key, const char *purpose)
{
    CommandKey typed = command(std::move(controls), QKeySequence(key), purpose);
    typed.windowShortcut = false;
    return typed;
}

// A blind learner's way to the board and to the look-up without counting Tabs.
CommandKey goingTo(QStringList controls, QKeySequence keys, const char *purpose,
                   QStringList toolTipOn)
{
    CommandKey going = command(std::move(controls), std::move(keys), purpose);
    going.movesFocus = true;
    going.toolTipOn = std::move(toolTipOn);
    return going;
}

QStringList entryBoxesInOrder()
{
    QStringList boxes;
    for (int box = 1; box <= data::BoxCount; ++box)
        boxes.append(entryBoxName(box));
    return boxes;
}

std::vector<CommandKey> buildTable()
{
    const auto alt = [](Qt::Key key) { return QKeySequence(Qt::ALT | key); };
    const auto altShift = [](Qt::Key key) { return QKeySequence(Qt::ALT | Qt::SHIFT | key); };
    const auto ctrlShift = [](Qt::Key key) { return QKeySequence(Qt::CTRL | Qt::SHIFT | key); };
    return {
        command({"btnTestAnswers"}, alt(Qt::Key_T), "Mark every wrong answer"),
        command({"btnTestAnswersRestore"}, altShift(Qt::Key_T), "Remove the marks"),
        command({"btnShowAll"}, alt(Qt::Key_A), "Show every answer"),
        command({"btnShowAllRestore"}, altShift(Qt::Key_A),
                "Put back what you typed before Show All"),
        command({"btnShowCorrect"}, alt(Qt::Key_C), "Show the answer of the active box"),
        command({"btnShowCorrectRestore"}, altShift(Qt::Key_C),
                "Put back what you typed before Show Correct"),
        command({"btnShowRand"}, alt(Qt::Key_R), "Reveal one more letter of the active box"),
        command({"leftCopy", "rightCopy"}, ctrlShift(Qt::Key_C), "Copy the active box"),
        command({"leftPaste", "rightPaste"}, ctrlShift(Qt::Key_V),
                "Paste where the caret stood in the active box"),
        command({"panTy"}, alt(Qt::Key_Y), "Show or hide the verb type"),
        command({"btnHelp"}, QKeySequence(Qt::Key_F1), "Open the help"),
        command({"btnHelpClose"}, QKeySequence(Qt::Key_Escape), "Close the help"),
        command({"btnFont"}, alt(Qt::Key_F), "Show or hide the font lists"),
        goingTo(entryBoxesInOrder(), alt(Qt::Key_B), "Go to the active box of the board", {"EdS4"}),
        goingTo({"AlphaEdit"}, alt(Qt::Key_L), "Go to the Alpha box", {"AlphaEdit"}),
        typedInBox({"btnUmlauta", "btnUmlautaR"}, Qt::Key_F5, "Type ä"),
        typedInBox({"btnUmlauto", "btnUmlautoR"}, Qt::Key_F6, "Type ö"),
        typedInBox({"btnUmlautu", "btnUmlautuR"}, Qt::Key_F7, "Type ü"),
        typedInBox({"btnSzet", "btnSzetR"}, Qt::Key_F8, "Type ß"),
        typedInBox({"btnAlpha"}, Qt::Key_Return, "Look up the verb typed in the Alpha box"),
    };
}

} // namespace

const std::vector<CommandKey> &commandKeys()
{
    static const std::vector<CommandKey> table = buildTable();
    return table;
}

const QStringList &toolTipControls(const CommandKey &command)
{
    return command.toolTipOn.isEmpty() ? command.controls : command.toolTipOn;
}

QString toolTipWithKey(const CommandKey &command)
{
    return QStringLiteral("%1 (%2)").arg(command.purpose,
                                         command.keys.toString(QKeySequence::NativeText));
}

} // namespace app
