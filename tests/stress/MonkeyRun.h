// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MonkeyAction.h"
#include "support/WindowFixture.h"

#include <QByteArray>
#include <QColor>
#include <QSet>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <memory>

class QComboBox;

namespace app {
class TForm1;
}

namespace stress::monkey {

// What broke: which invariant (failures of the same kind are the same fault
// when shrinking) and the details.
struct Failure {
    QString invariant;
    QString detail;
    bool isEmpty() const { return invariant.isEmpty(); }
};

// The real window on a verb file, driven one action at a time, with the
// invariants checked after every action:
// - at most one active-box marker; a box is shown exactly when its AnswerSlot
//   is non-empty; every background is the normal or the wrong-answer colour;
//   the AnswerSlots are what the selected record and tense give;
// - no text the learner typed (the 36 boxes and the look-up box) changes
//   except through the command the action ran, and those commands do what
//   they say (Show All shows every answer, a refresh empties the board,
//   Test Answers marks exactly the wrong boxes, nothing else recolours).
class MonkeyRun {
public:
    explicit MonkeyRun(const QByteArray &verbFile);
    ~MonkeyRun();

    Failure step(const Action &action);

    // For the monkey's own test: runs after every action, before the checks,
    // to plant a fault the checks must find.
    using Saboteur = std::function<void(const Action &, app::TForm1 &)>;
    void setSaboteur(Saboteur saboteur) { m_saboteur = std::move(saboteur); }
    bool isVisible(const QString &name) const;
    QStringList verbNames() const;
    // How much of the window the run reached.
    QString summary() const;

private:
    // The state an action starts from.
    struct Before {
        std::array<QString, 37> texts; // [0] the look-up box, [k] box Ek
        std::array<QColor, 36> colours;
        QWidget *focus = nullptr;
        int activeBox = 0;
        bool lookUpActive = false;
        std::array<QString, 36> saved; // the texts the two Restores put back
        std::array<bool, 36> hasSaved{};
        int verb = -1;
        int tense = -1;
    };
    // What the action's command may do to the texts.
    enum class Effect {
        None,
        Focused, // the focused box takes the keys
        ShowCorrect,
        ShowCorrectRestore,
        ActiveEditor, // paste and the special characters
        ShowAll,
        ShowAllRestore,
        TestAnswers,
        ColourRestore,
        LookUp, // a refresh of the board
    };

    Before capture() const;
    QWidget *perform(const Action &action);
    // The command the action ran; `certain` is false where a control may or
    // may not act on the key (Return on a focused button).
    Effect effectOf(const Action &action, const Before &before, const QString &hit,
                    bool &certain) const;
    bool listChangeAllowed(const Action &action, const Before &before, const QString &hit) const;
    Failure checkTexts(Effect effect, bool certain, const Before &before, bool refreshed) const;
    Failure checkColours(Effect effect, bool certain, const Before &before, bool refreshed) const;
    // The named control a widget belongs to ("" for none).
    QString controlName(const QWidget *widget) const;
    QString text(int index) const; // 0 the look-up box, 1..36 the boxes
    void count(Effect effect, bool certain, bool refreshed, const QString &hit);

    std::unique_ptr<testwindow::WindowFixture> m_window;
    QComboBox *m_verbs = nullptr;
    QComboBox *m_tenses = nullptr;
    int m_listChanges = 0;
    QSet<QString> m_controlsHit;
    std::map<QString, int> m_counts; // how often the run met the rarer states
    Saboteur m_saboteur;
};

} // namespace stress::monkey
