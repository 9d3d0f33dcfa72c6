// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

#include <functional>
#include <random>

namespace stress::monkey {

// One thing the learner does. Actions name their control and are resolved
// when they run: a control that is not visible then makes the action do
// nothing, so any sub-list of a recorded sequence can be replayed.
struct Action {
    enum class Kind {
        Click,  // a left click on `target` at `at` (landing on whatever is on top there)
        Type,   // letters typed into the focused control
        Key,    // one key with `modifiers` to the focused control
        Wheel,  // `steps` wheel notches over `target`
        Choose, // open list `target`, move `steps` (or press `key`) in the drop-down, Return
    };
    Kind kind = Kind::Click;
    QString target;
    QPointF at{0.5, 0.5};
    QString text;
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    int steps = 0;

    QString describe() const;
};

// The controls a click may aim at: every named control the learner can reach.
const QStringList &clickTargets();

// Draws the next action. `visible` tells which controls the learner can see
// now, so that few actions are wasted; `verbNames` feeds the look-ups.
Action nextAction(std::mt19937 &random, const std::function<bool(const QString &)> &visible,
                  const QStringList &verbNames);

} // namespace stress::monkey
