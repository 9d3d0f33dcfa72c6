// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MonkeyRun.h"

#include "BoardInvariants.h"
#include "RealInput.h"

#include "app/Unit1.h"
#include "lists/FlatComboBox.h"
#include "practice/RandomSource.h"
#include "widgets/OfficeEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>

namespace stress::monkey {

namespace {

constexpr int LookUpBox = 0;

// Box number of a control name: 1..36 for E1..E36, 0 for the look-up box.
int boxIndexOf(const QString &name)
{
    if (name == QLatin1String("AlphaEdit"))
        return LookUpBox;
    if (name.size() >= 2 && name.front() == QLatin1Char('E')) {
        bool ok = false;
        const int box = name.mid(1).toInt(&ok);
        if (ok && box >= 1 && box <= 36)
            return box;
    }
    return -1;
}

bool isTheList(const QString &name)
{
    return name == QLatin1String("ComboBox1") || name == QLatin1String("ComboBox2");
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text.left(60) + QLatin1Char('"');
}

} // namespace

MonkeyRun::MonkeyRun(const QByteArray &verbFile)
{
    QGuiApplication::clipboard()->clear();
    m_window = std::make_unique<testwindow::WindowFixture>(verbFile);
    // Show Random's draws, fixed so that a replay is the same run.
    m_window->form().setRandomSource(std::make_unique<practice::SeededRandomSource>(7));
    m_verbs = m_window->find<QComboBox>(QStringLiteral("ComboBox1"));
    m_tenses = m_window->find<QComboBox>(QStringLiteral("ComboBox2"));
    for (QComboBox *list : {m_verbs, m_tenses}) {
        QObject::connect(qobject_cast<lists::FlatComboBox *>(list), &lists::FlatComboBox::changed,
                         [this] { ++m_listChanges; });
    }
}

MonkeyRun::~MonkeyRun() = default;

bool MonkeyRun::isVisible(const QString &name) const
{
    const QWidget *control = m_window->findWidget(name);
    return control && control->isVisible();
}

void MonkeyRun::count(Effect effect, bool certain, bool refreshed, const QString &hit)
{
    const app::TForm1 &form = m_window->form();
    if (!hit.isEmpty())
        m_controlsHit.insert(hit);
    if (refreshed) {
        ++m_counts[QStringLiteral("refreshes")];
        if (m_window->find<QCheckBox>(QStringLiteral("SecretCheckBox"))->isChecked())
            ++m_counts[QStringLiteral("in parade mode")];
        if (form.practiceState().lookUpActive())
            ++m_counts[QStringLiteral("with the look-up box active")];
    }
    if (effect == Effect::TestAnswers && certain) {
        for (int box = 1; box <= 36; ++box) {
            if (form.entryBox(box)->palette().color(QPalette::Base) ==
                app::TForm1::wrongAnswerColor()) {
                ++m_counts[QStringLiteral("Test Answers marking boxes")];
                break;
            }
        }
    }
    if (effect == Effect::ShowAll)
        ++m_counts[QStringLiteral("Show All")];
    if (effect == Effect::ActiveEditor && form.practiceState().lookUpActive())
        ++m_counts[QStringLiteral("pastes into the look-up box")];
}

QString MonkeyRun::summary() const
{
    QStringList counts;
    for (auto it = m_counts.begin(); it != m_counts.end(); ++it)
        counts.append(QStringLiteral("%1 %2").arg(it->second).arg(it->first));
    QStringList hit(m_controlsHit.begin(), m_controlsHit.end());
    hit.sort();
    return QStringLiteral("%1; %2 controls reached by mouse: %3")
        .arg(counts.join(QLatin1String(", ")))
        .arg(hit.size())
        .arg(hit.join(QLatin1String(", ")));
}

QStringList MonkeyRun::verbNames() const
{
    QStringList names;
    for (int i = 0; i < m_verbs->count(); ++i) {
        QString name = m_verbs->itemText(i).trimmed();
        if (name.startsWith(QStringLiteral("sich ")))
            name = name.mid(5);
        names.append(name);
    }
    return names;
}

QString MonkeyRun::text(int index) const
{
    app::TForm1 &form = m_window->form();
    return index == LookUpBox ? m_window->find<QLineEdit>(QStringLiteral("AlphaEdit"))->text()
                              : form.entryBox(index)->text();
}

QString MonkeyRun::controlName(const QWidget *widget) const
{
    for (; widget && widget != &m_window->form(); widget = widget->parentWidget()) {
        if (clickTargets().contains(widget->objectName()))
            return widget->objectName();
    }
    return {};
}

MonkeyRun::Before MonkeyRun::capture() const
{
    const app::TForm1 &form = m_window->form();
    const practice::PracticeState &state = form.practiceState();
    Before before;
    for (int index = 0; index <= 36; ++index)
        before.texts[index] = text(index);
    for (int box = 1; box <= 36; ++box) {
        before.colours[box - 1] = form.entryBox(box)->palette().color(QPalette::Base);
        before.saved[box - 1] = state.savedText(box);
        before.hasSaved[box - 1] = state.hasSavedText(box);
    }
    before.focus = QApplication::focusWidget();
    before.activeBox = state.activeBox();
    before.lookUpActive = state.lookUpActive();
    before.verb = m_verbs->currentIndex();
    before.tense = m_tenses->currentIndex();
    return before;
}

QWidget *MonkeyRun::perform(const Action &action)
{
    QWidget *form = &m_window->form();
    QWidget *target = action.target.isEmpty() ? nullptr : m_window->findWidget(action.target);
    const bool reachable = target && target->isVisible();
    QWidget *hit = nullptr;
    switch (action.kind) {
    case Action::Kind::Click:
        if (reachable)
            hit = input::click(form, target, action.at);
        break;
    case Action::Kind::Type:
        input::type(form, action.text);
        break;
    case Action::Kind::Key:
        input::key(form, action.key, action.modifiers);
        break;
    case Action::Kind::Wheel:
        if (reachable)
            hit = input::wheel(form, target, action.steps);
        break;
    case Action::Kind::Choose:
        if (auto *list = qobject_cast<QComboBox *>(target); list && reachable) {
            hit = input::widgetAt(form, list->mapTo(form, list->rect().center()));
            if (action.key)
                input::chooseWithKey(form, list, action.key);
            else
                input::choose(form, list, action.steps);
        }
        break;
    }
    input::closePopups();
    return hit;
}

MonkeyRun::Effect MonkeyRun::effectOf(const Action &action, const Before &before,
                                      const QString &hit, bool &certain) const
{
    static const QHash<QString, Effect> commands = {
        {QStringLiteral("btnTestAnswers"), Effect::TestAnswers},
        {QStringLiteral("btnTestAnswersRestore"), Effect::ColourRestore},
        {QStringLiteral("btnShowAll"), Effect::ShowAll},
        {QStringLiteral("btnShowAllRestore"), Effect::ShowAllRestore},
        {QStringLiteral("btnShowCorrect"), Effect::ShowCorrect},
        {QStringLiteral("btnShowCorrectRestore"), Effect::ShowCorrectRestore},
        {QStringLiteral("leftPaste"), Effect::ActiveEditor},
        {QStringLiteral("rightPaste"), Effect::ActiveEditor},
        {QStringLiteral("btnUmlauta"), Effect::ActiveEditor},
        {QStringLiteral("btnUmlauto"), Effect::ActiveEditor},
        {QStringLiteral("btnUmlautu"), Effect::ActiveEditor},
        {QStringLiteral("btnSzet"), Effect::ActiveEditor},
        {QStringLiteral("btnUmlautaR"), Effect::ActiveEditor},
        {QStringLiteral("btnUmlautoR"), Effect::ActiveEditor},
        {QStringLiteral("btnUmlautuR"), Effect::ActiveEditor},
        {QStringLiteral("btnSzetR"), Effect::ActiveEditor},
        {QStringLiteral("btnAlpha"), Effect::LookUp},
    };
    certain = true;
    const QString focus = controlName(before.focus);
    const bool focusIsBox = boxIndexOf(focus) >= 0;
    switch (action.kind) {
    case Action::Kind::Click:
    case Action::Kind::Choose:
        return commands.value(hit, Effect::None);
    case Action::Kind::Wheel:
        return Effect::None;
    case Action::Kind::Type:
        return focusIsBox ? Effect::Focused : Effect::None;
    case Action::Kind::Key:
        break;
    }
    switch (action.key) {
    case Qt::Key_F5:
    case Qt::Key_F6:
    case Qt::Key_F7:
    case Qt::Key_F8:
        return focusIsBox ? Effect::ActiveEditor : Effect::None;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focusIsBox)
            return before.lookUpActive ? Effect::LookUp : Effect::None;
        certain = false; // a focused button may take Return as a click
        return commands.value(focus, Effect::None);
    case Qt::Key_Space:
        return focusIsBox ? Effect::Focused : commands.value(focus, Effect::None);
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return focusIsBox ? Effect::Focused : Effect::None;
    case Qt::Key_V:
    case Qt::Key_X:
    case Qt::Key_Z:
        return focusIsBox && action.modifiers == Qt::ControlModifier ? Effect::Focused
                                                                     : Effect::None;
    default:
        return Effect::None;
    }
}

bool MonkeyRun::listChangeAllowed(const Action &action, const Before &before,
                                  const QString &hit) const
{
    switch (action.kind) {
    case Action::Kind::Choose:
        return isTheList(hit);
    case Action::Kind::Wheel: // only a list that had the focus takes the wheel
        return isTheList(hit) && controlName(before.focus) == hit;
    case Action::Kind::Type:
    case Action::Kind::Key:
        return isTheList(controlName(before.focus));
    case Action::Kind::Click:
        break;
    }
    return false;
}

Failure MonkeyRun::checkTexts(Effect effect, bool certain, const Before &before,
                              bool refreshed) const
{
    const app::TForm1 &form = m_window->form();
    if (text(LookUpBox) != before.texts[LookUpBox] &&
        !(effect == Effect::Focused && boxIndexOf(controlName(before.focus)) == LookUpBox) &&
        !(effect == Effect::ActiveEditor && before.lookUpActive))
        return {QStringLiteral("text changed outside its command"),
                QStringLiteral("the look-up box: %1 became %2")
                    .arg(quoted(before.texts[LookUpBox]), quoted(text(LookUpBox)))};
    if (refreshed) {
        const bool parade =
            m_window->find<QCheckBox>(QStringLiteral("SecretCheckBox"))->isChecked();
        for (int box = 1; box <= 36; ++box) {
            const QString expected = parade ? form.answerSlot(box) : QString();
            if (text(box) != expected)
                return {QStringLiteral("refresh left a wrong text"),
                        QStringLiteral("E%1 holds %2, expected %3")
                            .arg(box)
                            .arg(quoted(text(box)), quoted(expected))};
        }
        return {};
    }

    std::array<bool, 37> mayChange{};
    switch (effect) {
    case Effect::None:
    case Effect::TestAnswers:
    case Effect::ColourRestore:
    case Effect::LookUp:
        break;
    case Effect::Focused:
        if (const int box = boxIndexOf(controlName(before.focus)); box >= 0)
            mayChange[box] = true;
        break;
    case Effect::ShowCorrect:
    case Effect::ShowCorrectRestore:
        mayChange[before.activeBox] = before.activeBox != 0;
        break;
    case Effect::ActiveEditor:
        if (before.activeBox != 0)
            mayChange[before.activeBox] = true;
        else if (before.lookUpActive)
            mayChange[LookUpBox] = true;
        break;
    case Effect::ShowAll:
    case Effect::ShowAllRestore:
        mayChange.fill(true);
        break;
    }
    for (int box = 1; box <= 36; ++box) {
        if (!mayChange[box] && text(box) != before.texts[box])
            return {QStringLiteral("text changed outside its command"),
                    QStringLiteral("E%1: %2 became %3")
                        .arg(box)
                        .arg(quoted(before.texts[box]), quoted(text(box)))};
    }
    if (!certain)
        return {};

    // The commands that set texts set exactly these.
    for (int box = 1; box <= 36; ++box) {
        QString expected = text(box);
        const bool active = box == before.activeBox;
        if (effect == Effect::ShowAll || (effect == Effect::ShowCorrect && active))
            expected = form.answerSlot(box);
        else if (effect == Effect::ShowAllRestore ||
                 (effect == Effect::ShowCorrectRestore && active))
            expected = before.hasSaved[box - 1] ? before.saved[box - 1] : before.texts[box];
        if (text(box) != expected)
            return {QStringLiteral("command set a wrong text"),
                    QStringLiteral("E%1 holds %2, expected %3")
                        .arg(box)
                        .arg(quoted(text(box)), quoted(expected))};
    }
    return {};
}

Failure MonkeyRun::checkColours(Effect effect, bool certain, const Before &before,
                                bool refreshed) const
{
    const app::TForm1 &form = m_window->form();
    const QColor normal = form.normalBoxColor();
    for (int box = 1; box <= 36; ++box) {
        const QColor colour = form.entryBox(box)->palette().color(QPalette::Base);
        QColor expected = before.colours[box - 1];
        if (refreshed || (certain && effect == Effect::ColourRestore))
            expected = normal;
        else if (certain && effect == Effect::TestAnswers)
            expected = text(box) != form.answerSlot(box) ? app::TForm1::wrongAnswerColor() : normal;
        else if (!certain)
            continue;
        if (colour != expected)
            return {QStringLiteral("wrong background"), QStringLiteral("E%1 is %2, expected %3")
                                                            .arg(box)
                                                            .arg(colour.name(), expected.name())};
    }
    return {};
}

Failure MonkeyRun::step(const Action &action)
{
    const Before before = capture();
    m_listChanges = 0;
    const QString hit = controlName(perform(action));
    if (m_saboteur)
        m_saboteur(action, m_window->form());

    bool certain = true;
    const Effect effect = effectOf(action, before, hit, certain);
    const bool listAction = listChangeAllowed(action, before, hit);
    if (m_listChanges > 0 && !listAction)
        return {QStringLiteral("change event without a list action"),
                QStringLiteral("%1 list change event(s)").arg(m_listChanges)};
    const bool selectionMoved =
        m_verbs->currentIndex() != before.verb || m_tenses->currentIndex() != before.tense;
    if (selectionMoved && m_listChanges == 0 && effect != Effect::LookUp)
        return {QStringLiteral("selection changed without its change event"),
                QStringLiteral("verb %1 -> %2, tense %3 -> %4")
                    .arg(before.verb)
                    .arg(m_verbs->currentIndex())
                    .arg(before.tense)
                    .arg(m_tenses->currentIndex())};

    bool refreshed = m_listChanges > 0 || (effect == Effect::LookUp && certain);
    if (effect == Effect::LookUp && !certain && !refreshed) {
        // Return on the focused narrow button: the look-up ran if the board
        // shows what a refresh leaves, texts and colours; else nothing may
        // have changed.
        refreshed = checkTexts(effect, true, before, true).isEmpty() &&
                    checkColours(effect, true, before, true).isEmpty();
    }
    count(effect, certain, refreshed, hit);
    if (Failure failure = checkTexts(effect, certain, before, refreshed); !failure.isEmpty())
        return failure;
    if (Failure failure = checkColours(effect, certain, before, refreshed); !failure.isEmpty())
        return failure;
    if (const QString broken = checkBoardInvariants(m_window->form()); !broken.isEmpty())
        return {broken.section(QLatin1Char(' '), 0, 0) == QLatin1String("AnswerSlot")
                    ? QStringLiteral("AnswerSlots differ from the record")
                    : QStringLiteral("board invariant"),
                broken};
    return {};
}

} // namespace stress::monkey
