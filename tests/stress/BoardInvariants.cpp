// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardInvariants.h"

#include "app/Unit1.h"
#include "board/Board.h"
#include "widgets/OfficeEdit.h"

#include <QComboBox>

namespace stress {

namespace {

int selectedIndex(const app::TForm1 &form, const char *list)
{
    const auto *combo = form.findChild<QComboBox *>(QString::fromLatin1(list));
    return combo ? combo->currentIndex() : -1;
}

} // namespace

QString expectedSlotsMismatch(const app::TForm1 &form)
{
    const data::VerbFile &file = form.verbList();
    const int record = selectedIndex(form, "ComboBox1");
    const int tense = selectedIndex(form, "ComboBox2");
    board::BoardContent expected;
    if (record >= 0 && record < file.recordCount())
        expected = board::readBoard(file, record, tense);
    for (int box = 1; box <= data::BoxCount; ++box) {
        const QString slot = expected.categoryKnown() ? expected.answers[box - 1] : QString();
        if (form.answerSlot(box) != slot)
            return QStringLiteral("AnswerSlot %1 is \"%2\" but record %3, tense %4 gives \"%5\"")
                .arg(box)
                .arg(form.answerSlot(box).left(60))
                .arg(record)
                .arg(tense)
                .arg(slot.left(60));
    }
    return {};
}

QString checkBoardInvariants(const app::TForm1 &form)
{
    const practice::PracticeState &state = form.practiceState();
    if (state.activeBox() < 0 || state.activeBox() > data::BoxCount)
        return QStringLiteral("active box %1 is no box").arg(state.activeBox());
    if (state.activeBox() != practice::PracticeState::NoBox && state.lookUpActive())
        return QStringLiteral("two active-box markers: E%1 and the look-up box")
            .arg(state.activeBox());

    const QColor normal = form.normalBoxColor();
    const QColor wrong = app::TForm1::wrongAnswerColor();
    for (int box = 1; box <= data::BoxCount; ++box) {
        const widgets::OfficeEdit *edit = form.entryBox(box);
        const bool shown = !edit->isHidden();
        if (shown == form.answerSlot(box).isEmpty())
            return QStringLiteral("E%1 is %2 but its AnswerSlot is \"%3\"")
                .arg(box)
                .arg(shown ? QStringLiteral("shown") : QStringLiteral("hidden"))
                .arg(form.answerSlot(box).left(60));
        const QColor background = edit->palette().color(QPalette::Base);
        if (background != normal && background != wrong)
            return QStringLiteral("E%1 has the background %2").arg(box).arg(background.name());
    }
    return expectedSlotsMismatch(form);
}

} // namespace stress
