// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowExercise.h"

#include "BoardInvariants.h"
#include "RealInput.h"

#include "app/Unit1.h"
#include "widgets/OfficeEdit.h"

#include <QComboBox>
#include <QTest>

// Fails the test, naming the step, when an invariant of the window is broken.
#define CHECK_INVARIANTS_AFTER(step)                                                               \
    do {                                                                                           \
        const QString broken = checkBoardInvariants(form);                                         \
        if (!broken.isEmpty())                                                                     \
            QFAIL(qPrintable(QStringLiteral("after %1: %2").arg(QLatin1String(step), broken)));    \
    } while (false)

namespace stress {

int listCount(const app::TForm1 &form, const char *name)
{
    return form.findChild<QComboBox *>(QString::fromLatin1(name))->count();
}

bool showedWarning(const QList<StartUpMessage> &messages)
{
    return std::any_of(messages.begin(), messages.end(), [](const StartUpMessage &message) {
        return message.text.startsWith(QStringLiteral("The total number of"));
    });
}

void exerciseWindow(app::TForm1 &form)
{
    namespace in = stress::input;
    auto *verbs = form.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    auto *tenses = form.findChild<QComboBox *>(QStringLiteral("ComboBox2"));
    const auto named = [&form](const char *name) {
        return form.findChild<QWidget *>(QString::fromLatin1(name));
    };
    CHECK_INVARIANTS_AFTER("start-up");

    in::chooseWithKey(&form, verbs, Qt::Key_End);
    CHECK_INVARIANTS_AFTER("choosing the last verb");
    in::chooseWithKey(&form, tenses, Qt::Key_End);
    CHECK_INVARIANTS_AFTER("choosing the imperative");
    in::click(&form, verbs); // opens the list; Escape leaves the focus on it, closed
    in::closePopups();
    for (int key : {Qt::Key_Home, Qt::Key_Down, Qt::Key_Down, Qt::Key_End, Qt::Key_Up}) {
        in::key(&form, key);
        CHECK_INVARIANTS_AFTER("an arrow key on the verb list");
    }
    in::wheel(&form, tenses, -1);
    CHECK_INVARIANTS_AFTER("the wheel on the tense list");

    in::click(&form, named("btnShowAll"));
    CHECK_INVARIANTS_AFTER("Show All");
    for (int box = 1; box <= data::BoxCount; ++box)
        QCOMPARE(form.entryBox(box)->text(), form.answerSlot(box));
    in::click(&form, named("btnTestAnswers"));
    CHECK_INVARIANTS_AFTER("Test Answers after Show All");
    for (int box = 1; box <= data::BoxCount; ++box)
        QCOMPARE(form.entryBox(box)->palette().color(QPalette::Base), form.normalBoxColor());

    for (int box = 1; box <= data::BoxCount; ++box) {
        if (form.entryBox(box)->isHidden())
            continue;
        in::click(&form, form.entryBox(box));
        in::type(&form, QStringLiteral("xy"));
        in::key(&form, Qt::Key_F5);
        // Typed and pasted where the click put the caret.
        QVERIFY(form.entryBox(box)->text().contains(QStringLiteral("xyä")));
        in::click(&form, named("btnTestAnswers"));
        CHECK_INVARIANTS_AFTER("Test Answers on a typed box");
        QCOMPARE(form.entryBox(box)->palette().color(QPalette::Base),
                 app::TForm1::wrongAnswerColor());
        break;
    }

    in::click(&form, named("AlphaEdit"));
    in::type(&form, QStringLiteral("ab"));
    in::key(&form, Qt::Key_Return);
    CHECK_INVARIANTS_AFTER("a look-up");
    QCOMPARE(verbs->currentIndex() >= 0, verbs->count() > 0);
    in::click(&form, named("btnAlpha"));
    CHECK_INVARIANTS_AFTER("a look-up by the narrow button");
}

} // namespace stress
