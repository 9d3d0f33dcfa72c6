// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keyboard and screen-reader use: the command keys, the names assistive
// technology reads for each control, Test Answers' result for those who
// cannot see its colours, and the announcements of what the window shows
// only to the eye. What each control is called and which key presses it are
// tables (CommandKeys, AccessibleNames); this file applies them.
#include "app/Unit1.h"

#include "access/Accessibility.h"
#include "access/ListAccessible.h"
#include "access/StatusAnnouncer.h"
#include "app/AccessibleNames.h"
#include "app/CommandKeys.h"
#include "app/ControlTable.h"
#include "app/DesignedControls.h"
#include "board/BoxNames.h"
#include "fonts/FlatFontComboBox.h"
#include "lists/FlatComboBox.h"
#include "practice/Announcements.h"
#include "practice/TestResult.h"
#include "widgets/OfficeButton.h"
#include "widgets/OfficeEdit.h"
#include "widgets/OfficeMemo.h"
#include "widgets/OfficePanel.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QShortcut>

namespace app {

namespace {

// Qt's widgets give a plain QWidget the "client" role wherever it stands
// (only QMainWindow and QDialog are made windows), which AT-SPI reports as a
// filler; the trainer's top-level window is a frame to screen readers.
QAccessibleInterface *windowInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(TForm1::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

void installWindowInterface()
{
    static const bool installed = [] {
        QAccessible::installFactory(windowInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

// Presses a button or the type panel as a click does, at once (keys typed
// next land after the command) and without taking the focus.
void press(QWidget *control)
{
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->click();
    else if (auto *panel = qobject_cast<widgets::OfficePanel *>(control))
        panel->click();
}

// As Tab enters it: an entry box selects its text and becomes the active box.
// Already in it, the text is selected all the same, so that what is typed next
// replaces it.
void focusFirstShown(const QWidget &window, const QStringList &controls)
{
    for (const QString &name : controls) {
        QWidget *control = namedControl(window, name);
        if (control->isVisibleTo(&window) && control->isEnabled()) {
            const bool alreadyIn = control->hasFocus();
            control->setFocus(Qt::TabFocusReason);
            if (auto *edit = qobject_cast<QLineEdit *>(control); edit && alreadyIn)
                edit->selectAll();
            return;
        }
    }
}

void setDescription(QWidget *control, const QString &description)
{
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

} // namespace

void TForm1::installAccessibleInterfaces()
{
    // Before any control exists: an interface, once made, is kept.
    installWindowInterface();
    accessibility::installAccessibleInterfaces();
}

void TForm1::setUpAccess()
{
    for (const AccessibleName &named : accessibleNames()) {
        QWidget *widget = namedControl(*this, named.control);
        widget->setAccessibleName(named.name);
        widget->setAccessibleDescription(named.description);
    }
    for (const LabelFor &labelFor : labelsFor())
        namedControl<QLabel>(*this, labelFor.label)
            ->setBuddy(namedControl(*this, labelFor.control));
    panTy->setPressable(true);
    HelpMemo->verticalScrollBar()->setAccessibleName(QStringLiteral("Help text scroll bar"));

    m_announcer = new accessibility::StatusAnnouncer(this);
    m_announcer->setObjectName(QStringLiteral("Announcer"));
    for (const ShownToolTip &shown : shownToolTips())
        namedControl(*this, shown.control)->setToolTip(shown.toolTip);
    for (const CommandKey &command : commandKeys()) {
        for (const QString &name : toolTipControls(command)) {
            // Below what the control shows, where the table says it.
            QWidget *control = namedControl(*this, name);
            const QString above = control->toolTip();
            control->setToolTip((above.isEmpty() ? QString() : above + u'\n') +
                                toolTipWithKey(command));
        }
        if (!command.windowShortcut)
            continue;
        if (command.movesFocus) {
            auto *shortcut = new QShortcut(command.keys, this);
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this, [this, targets = command.controls] {
                if (helppanel->isVisible()) // it covers the board
                    btnHelpCloseClick();
                // To the board: the box being worked on, where there is one.
                QStringList order = targets;
                const int active = m_practice.activeBox();
                if (active != practice::PracticeState::NoBox &&
                    targets.contains(entryBoxName(active)))
                    order.prepend(entryBoxName(active));
                focusFirstShown(*this, order);
            });
            continue;
        }
        // Owned by the control it presses: a hidden control (the help's Close)
        // cannot be pressed.
        QWidget *target = namedControl(*this, command.controls.first());
        auto *shortcut = new QShortcut(command.keys, target);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, target, [target] { press(target); });
    }
    // The toolkit's lists tell a screen reader nothing when their entry
    // changes; the verb and tense lists are told with their board.
    for (lists::FlatComboBox *list :
         std::initializer_list<lists::FlatComboBox *>{ComboBox4, ComboBox5, ComboBox6})
        connect(list, &lists::FlatComboBox::changed, this,
                [this, list] { announce(accessibility::spokenEntry(*list)); });
    // Entries whose letters say less than they mean ("Reg", "8").
    for (const SpokenEntries &spoken : spokenEntries()) {
        auto *list = namedControl<lists::FlatComboBox>(*this, spoken.list);
        for (int row = 0; row < list->count() && row < spoken.entries.size(); ++row)
            list->setItemData(row, spoken.entries[row], Qt::AccessibleTextRole);
    }
}

void TForm1::announceForActiveBox(const QString &message)
{
    const int box = m_practice.activeBox();
    if (box == practice::PracticeState::NoBox || box == m_boxToldOf) {
        announce(message);
        return;
    }
    m_boxToldOf = box;
    announce(practice::inBoxAnnouncement(message, m_boxes[box - 1]->accessibleName()));
}

void TForm1::announce(const QString &message)
{
    m_announcer->announce(message);
}

void TForm1::nameBoard(std::optional<data::Category> category, int tense)
{
    // A hidden box is named when a board shows it: every name change is an
    // event a screen reader has to take in.
    for (int box = 1; box <= data::BoxCount; ++box) {
        if (m_boxes[box - 1]->isHidden())
            continue;
        const QString name = board::boxAccessibleName(category, tense, box);
        if (m_boxes[box - 1]->accessibleName() != name)
            m_boxes[box - 1]->setAccessibleName(name);
    }
    if (btnVar->accessibleName() != variantsName(m_variantsDigit))
        btnVar->setAccessibleName(variantsName(m_variantsDigit));
}

void TForm1::exposeTestResult(const std::array<bool, data::BoxCount> &wrong)
{
    practice::BoxTexts names;
    for (int i = 0; i < data::BoxCount; ++i) {
        names[i] = m_boxes[i]->accessibleName();
        if (!m_boxes[i]->isHidden())
            setDescription(m_boxes[i], wrong[i] ? practice::wrongAnswerDescription() : QString());
    }
    m_announcer->announce(practice::testResultSummary(wrong, m_answerSlots, names));
}

void TForm1::announceBoard()
{
    // The lists tell a screen reader nothing when their entry changes, a
    // look-up changes the verb unseen, and the captions are in no Tab stop.
    const int record = ComboBox1->currentIndex();
    const int tense = ComboBox2->currentIndex();
    if (record < 0 || tense < 0)
        return;
    announce(board::boardAnnouncement(ComboBox1->itemText(record), ComboBox2->itemText(tense),
                                      {Label9->text(), Label15->text()}));
}

void TForm1::withdrawTestResult()
{
    // A hidden box's mark goes when a board shows it (the refresh ends here).
    for (widgets::OfficeEdit *box : m_boxes) {
        if (!box->isHidden())
            setDescription(box, QString());
    }
    m_announcer->withdraw();
}

} // namespace app
