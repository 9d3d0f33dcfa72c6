// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MonkeyAction.h"

#include <QKeySequence>

namespace stress::monkey {

namespace {

const QString Letters = QStringLiteral(u"abcdefghijklmnopqrstuvwxyzäöüßAEGSÄÖÜ");

int between(std::mt19937 &random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool chance(std::mt19937 &random, double p)
{
    return std::bernoulli_distribution(p)(random);
}

QStringList entryBoxNames()
{
    QStringList names;
    for (int box = 1; box <= 36; ++box)
        names.append(QStringLiteral("E%1").arg(box));
    return names;
}

const QStringList &commandButtons()
{
    static const QStringList buttons = {
        QStringLiteral("btnTestAnswers"), QStringLiteral("btnTestAnswersRestore"),
        QStringLiteral("btnShowAll"),     QStringLiteral("btnShowAllRestore"),
        QStringLiteral("btnShowCorrect"), QStringLiteral("btnShowCorrectRestore"),
        QStringLiteral("btnShowRand"),    QStringLiteral("leftCopy"),
        QStringLiteral("rightCopy"),      QStringLiteral("leftPaste"),
        QStringLiteral("rightPaste"),     QStringLiteral("btnUmlauta"),
        QStringLiteral("btnUmlauto"),     QStringLiteral("btnUmlautu"),
        QStringLiteral("btnSzet"),        QStringLiteral("btnUmlautaR"),
        QStringLiteral("btnUmlautoR"),    QStringLiteral("btnUmlautuR"),
        QStringLiteral("btnSzetR"),       QStringLiteral("btnAlpha"),
        QStringLiteral("btnVar"),
    };
    return buttons;
}

const QStringList &otherControls()
{
    static const QStringList controls = {
        QStringLiteral("AlphaEdit"),    QStringLiteral("EdS4"),
        QStringLiteral("panTy"),        QStringLiteral("btnHelp"),
        QStringLiteral("btnHelpClose"), QStringLiteral("SecretCheckBox"),
        QStringLiteral("HelpMemo"),     QStringLiteral("btnFont"),
        QStringLiteral("ComboBox1"),    QStringLiteral("ComboBox2"),
        QStringLiteral("ComboBox4"),    QStringLiteral("ComboBox5"),
        QStringLiteral("ComboBox6"),    QStringLiteral("Label9"),
        QStringLiteral("Label12"),      QStringLiteral("Panel1"),
        QStringLiteral("Panel2"),       QStringLiteral("helppanel"),
    };
    return controls;
}

const QStringList &lists()
{
    static const QStringList names = {QStringLiteral("ComboBox1"), QStringLiteral("ComboBox2"),
                                      QStringLiteral("ComboBox4"), QStringLiteral("ComboBox5"),
                                      QStringLiteral("ComboBox6")};
    return names;
}

// A visible name from `names`, or any of them when none is visible.
QString visibleOne(std::mt19937 &random, const QStringList &names,
                   const std::function<bool(const QString &)> &visible)
{
    QStringList shown;
    for (const QString &name : names) {
        if (visible(name))
            shown.append(name);
    }
    const QStringList &from = shown.isEmpty() ? names : shown;
    return from[between(random, 0, int(from.size()) - 1)];
}

Action click(std::mt19937 &random, const std::function<bool(const QString &)> &visible)
{
    static const QStringList boxes = entryBoxNames();
    Action action;
    action.at = {std::uniform_real_distribution<double>(0.05, 0.95)(random),
                 std::uniform_real_distribution<double>(0.2, 0.8)(random)};
    // The open help panel covers the board; the learner soon closes it again
    // or plays with its check box.
    if (visible(QStringLiteral("btnHelpClose")) && chance(random, 0.3)) {
        action.target =
            chance(random, 0.6) ? QStringLiteral("btnHelpClose") : QStringLiteral("SecretCheckBox");
        return action;
    }
    const int group = between(random, 0, 9);
    const QStringList &names = group < 4 ? boxes : group < 8 ? commandButtons() : otherControls();
    action.target = visibleOne(random, names, visible);
    return action;
}

Action type(std::mt19937 &random, const QStringList &verbNames)
{
    Action action;
    action.kind = Action::Kind::Type;
    if (!verbNames.isEmpty() && chance(random, 0.3)) {
        // The beginning of a verb, as for a look-up.
        const QString verb = verbNames[between(random, 0, int(verbNames.size()) - 1)];
        action.text = verb.left(between(random, 1, 6));
        action.text.remove(QLatin1Char(' '));
    }
    if (action.text.isEmpty()) {
        for (int i = between(random, 1, 5); i > 0; --i)
            action.text += Letters[between(random, 0, int(Letters.size()) - 1)];
    }
    return action;
}

Action key(std::mt19937 &random)
{
    struct Choice {
        int weight;
        int key;
        Qt::KeyboardModifiers modifiers;
    };
    static const std::vector<Choice> choices = {
        {4, Qt::Key_F5, Qt::NoModifier},       {3, Qt::Key_F6, Qt::NoModifier},
        {3, Qt::Key_F7, Qt::NoModifier},       {3, Qt::Key_F8, Qt::NoModifier},
        {1, Qt::Key_F5, Qt::ShiftModifier},    {5, Qt::Key_Return, Qt::NoModifier},
        {7, Qt::Key_Tab, Qt::NoModifier},      {5, Qt::Key_Tab, Qt::ShiftModifier},
        {5, Qt::Key_Down, Qt::NoModifier},     {5, Qt::Key_Up, Qt::NoModifier},
        {2, Qt::Key_Left, Qt::NoModifier},     {2, Qt::Key_Right, Qt::NoModifier},
        {1, Qt::Key_Home, Qt::NoModifier},     {1, Qt::Key_End, Qt::NoModifier},
        {1, Qt::Key_PageDown, Qt::NoModifier}, {4, Qt::Key_Backspace, Qt::NoModifier},
        {1, Qt::Key_Delete, Qt::NoModifier},   {3, Qt::Key_Space, Qt::NoModifier},
        {1, Qt::Key_A, Qt::ControlModifier},   {1, Qt::Key_C, Qt::ControlModifier},
        {1, Qt::Key_V, Qt::ControlModifier},   {1, Qt::Key_X, Qt::ControlModifier},
        {1, Qt::Key_Z, Qt::ControlModifier},   {1, Qt::Key_Escape, Qt::NoModifier},
    };
    int total = 0;
    for (const Choice &choice : choices)
        total += choice.weight;
    int roll = between(random, 0, total - 1);
    Action action;
    action.kind = Action::Kind::Key;
    for (const Choice &choice : choices) {
        if ((roll -= choice.weight) < 0) {
            action.key = choice.key;
            action.modifiers = choice.modifiers;
            break;
        }
    }
    return action;
}

Action wheel(std::mt19937 &random, const std::function<bool(const QString &)> &visible)
{
    Action action;
    action.kind = Action::Kind::Wheel;
    action.target =
        chance(random, 0.8)
            ? visibleOne(random, lists(), visible)
            : visibleOne(random, {QStringLiteral("HelpMemo"), QStringLiteral("E5")}, visible);
    action.steps = chance(random, 0.5) ? -1 : 1;
    if (chance(random, 0.1))
        action.steps *= 3;
    return action;
}

Action choose(std::mt19937 &random, const std::function<bool(const QString &)> &visible)
{
    Action action;
    action.kind = Action::Kind::Choose;
    if (chance(random, 0.8))
        action.target =
            chance(random, 0.5) ? QStringLiteral("ComboBox1") : QStringLiteral("ComboBox2");
    else
        action.target = visibleOne(random, lists(), visible);
    if (chance(random, 0.15))
        action.key = chance(random, 0.5) ? Qt::Key_Home : Qt::Key_End;
    else
        action.steps = between(random, -4, 4);
    return action;
}

QString keyName(int key, Qt::KeyboardModifiers modifiers)
{
    return QKeySequence(QKeyCombination(modifiers, Qt::Key(key))).toString();
}

} // namespace

const QStringList &clickTargets()
{
    static const QStringList targets = entryBoxNames() + commandButtons() + otherControls();
    return targets;
}

Action nextAction(std::mt19937 &random, const std::function<bool(const QString &)> &visible,
                  const QStringList &verbNames)
{
    const int roll = between(random, 0, 99);
    if (roll < 36)
        return click(random, visible);
    if (roll < 54)
        return type(random, verbNames);
    if (roll < 82)
        return key(random);
    if (roll < 90)
        return wheel(random, visible);
    return choose(random, visible);
}

QString Action::describe() const
{
    switch (kind) {
    case Kind::Click:
        return QStringLiteral("click %1 at (%2, %3)")
            .arg(target)
            .arg(at.x(), 0, 'f', 2)
            .arg(at.y(), 0, 'f', 2);
    case Kind::Type:
        return QStringLiteral("type \"%1\"").arg(text);
    case Kind::Key:
        return QStringLiteral("key %1").arg(keyName(key, modifiers));
    case Kind::Wheel:
        return QStringLiteral("wheel %1 notch(es) over %2").arg(steps).arg(target);
    case Kind::Choose:
        return key ? QStringLiteral("open %1, %2, Return").arg(target, keyName(key, Qt::NoModifier))
                   : QStringLiteral("open %1, %2 step(s), Return").arg(target).arg(steps);
    }
    return {};
}

} // namespace stress::monkey
