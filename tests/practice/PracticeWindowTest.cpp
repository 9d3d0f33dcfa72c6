// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice commands on the real window, used as a learner uses them.
#include "app/Unit1.h"
#include "practice/RandomSource.h"
#include "support/WindowFixture.h"
#include "widgets/OfficeEdit.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>
#include <QSignalSpy>

#include <algorithm>

using testdata::VerbRecordBuilder;
using testwindow::WindowFixture;

namespace {

// gehen in the present: E5..E8 and E21..E24.
const char *const Present[] = {"gehe", "gehst", "gehen", "geht", "gehen", "geht", "gehen", "gehen"};
constexpr int PresentBoxes[] = {5, 6, 7, 8, 21, 22, 23, 24};

QList<VerbRecordBuilder> verbs()
{
    VerbRecordBuilder gehen('n', 's', '1');
    gehen.verb(QStringLiteral("gehen"));
    for (int i = 0; i < 8; ++i)
        gehen.form(0, PresentBoxes[i], QString::fromLatin1(Present[i]));
    gehen.form(1, 5, QStringLiteral("ging")).form(1, 6, QStringLiteral("gingst"));
    VerbRecordBuilder sagen('n', 'w', '1');
    sagen.verb(QStringLiteral("sagen")).fillEveryForm();
    VerbRecordBuilder freuen('r', 'w', '1');
    freuen.verb(QStringLiteral("sich freuen")).fillEveryForm();
    return {gehen, sagen, freuen};
}

QColor background(const widgets::OfficeEdit *box)
{
    return box->palette().color(QPalette::Base);
}

QString sorted(QString text)
{
    std::sort(text.begin(), text.end());
    return text;
}

} // namespace

class PracticeWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_window = std::make_unique<WindowFixture>(verbs()); }
    void cleanup() { m_window.reset(); }

    void startUpMakesE13ActiveThroughTheRevealDisplay();
    void buttonsNeverChangeTheActiveBox();
    void enteringByTabAndClick();
    void testAnswersMarksWrongBoxesOnly();
    void correctedBoxLosesItsMarkAtTheNextTest();
    void testAnswersAfterShowAllMarksNothing();
    void showAllTwiceThenRestore();
    void showCorrectTwiceThenRestore();
    void showCorrectThenRestoreGivesTheTypedTextBack();
    void restoreWithoutShowAllKeepsWhatWasTyped();
    void showCorrectRestoreOnAnotherBoxKeepsItsText();
    void allCorrectShowAllRestoreKeepsTheForms();
    void paradeModeFillsEveryBoxAtEachStep();
    void wheelTurnsOnlyAFocusedList_data();
    void wheelTurnsOnlyAFocusedList();
    void showRandomRevealsAPermutation();
    void reenteringTheBoxRestartsShowRandom();
    void refreshClearsTheActiveBox();

private:
    WindowFixture &window() { return *m_window; }
    widgets::OfficeEdit *box(int number) { return m_window->box(number); }
    // What a screen reader was last told.
    QString announced()
    {
        return QAccessible::queryAccessibleInterface(m_window->findWidget("Announcer"))
            ->text(QAccessible::Name);
    }
    void typeInto(int number, const QString &text) { m_window->retype(number, text); }
    void typeEveryFormCorrectly()
    {
        for (int i = 0; i < 8; ++i)
            typeInto(PresentBoxes[i], QString::fromLatin1(Present[i]));
    }
    void switchParadeOn()
    {
        m_window->click(QStringLiteral("btnHelp"));
        m_window->click(QStringLiteral("SecretCheckBox"), QPoint(6, 8));
        m_window->click(QStringLiteral("btnHelpClose"));
        QVERIFY(m_window->find<QCheckBox>(QStringLiteral("SecretCheckBox"))->isChecked());
    }

    std::unique_ptr<WindowFixture> m_window;
};

void PracticeWindowTest::startUpMakesE13ActiveThroughTheRevealDisplay()
{
    const auto &state = window().form().practiceState();
    QCOMPARE(state.activeBox(), 13);
    QCOMPARE(state.currentAnswer(), window().form().answerSlot(13)); // hidden for gehen: empty
    QVERIFY(box(13)->isHidden());
    // Switching to another window of the desktop and back is no entry.
    window().click(box(5));
    QCOMPARE(state.activeBox(), 5);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window().form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window().form()));
    QCOMPARE(state.activeBox(), 5);
}

void PracticeWindowTest::buttonsNeverChangeTheActiveBox()
{
    window().click(box(6));
    for (const char *button :
         {"btnShowCorrect", "btnShowCorrectRestore", "btnShowAll", "btnShowAllRestore",
          "btnTestAnswers", "btnTestAnswersRestore", "btnShowRand"}) {
        window().click(QString::fromLatin1(button));
        QCOMPARE(window().form().practiceState().activeBox(), 6);
    }
}

void PracticeWindowTest::enteringByTabAndClick()
{
    const auto &state = window().form().practiceState();
    window().click(box(5));
    QTest::keyClick(box(5), Qt::Key_Tab);
    QCOMPARE(state.activeBox(), 6);
    QCOMPARE(state.currentAnswer(), QStringLiteral("gehst"));
    QTest::keyClick(box(6), Qt::Key_Backtab);
    QCOMPARE(state.activeBox(), 5);
    window().click(QStringLiteral("AlphaEdit"));
    QVERIFY(state.lookUpActive());
    QCOMPARE(state.activeBox(), 0);
    window().click(QStringLiteral("EdS4"));
    QCOMPARE(state.activeBox(), 13);
    QVERIFY(!state.lookUpActive());
}

void PracticeWindowTest::testAnswersMarksWrongBoxesOnly()
{
    typeInto(5, QStringLiteral("gehe"));
    typeInto(6, QStringLiteral("gehst ")); // trailing blank
    typeInto(7, QStringLiteral("Gehen"));  // capital letter
    window().click(QStringLiteral("btnTestAnswers"));
    QCOMPARE(background(box(5)), window().form().normalBoxColor());
    QCOMPARE(background(box(6)), QColor(249, 185, 157));
    QCOMPARE(background(box(7)), QColor(249, 185, 157));
    QCOMPARE(background(box(8)), QColor(249, 185, 157));            // left empty
    QCOMPARE(background(box(1)), window().form().normalBoxColor()); // hidden
    window().click(QStringLiteral("btnTestAnswersRestore"));
    for (int number = 1; number <= 36; ++number)
        QCOMPARE(background(box(number)), window().form().normalBoxColor());
    QCOMPARE(box(6)->text(), QStringLiteral("gehst "));
}

void PracticeWindowTest::correctedBoxLosesItsMarkAtTheNextTest()
{
    typeInto(5, QStringLiteral("geh"));
    window().click(QStringLiteral("btnTestAnswers"));
    QCOMPARE(background(box(5)), QColor(249, 185, 157));
    typeInto(5, QStringLiteral("gehe"));
    QCOMPARE(background(box(5)), QColor(249, 185, 157)); // typing does not clear the mark
    window().click(QStringLiteral("btnTestAnswers"));
    QCOMPARE(background(box(5)), window().form().normalBoxColor());
}

void PracticeWindowTest::testAnswersAfterShowAllMarksNothing()
{
    window().click(QStringLiteral("btnShowAll"));
    window().click(QStringLiteral("btnTestAnswers"));
    for (int number = 1; number <= 36; ++number)
        QCOMPARE(background(box(number)), window().form().normalBoxColor());
}

void PracticeWindowTest::showAllTwiceThenRestore()
{
    typeInto(5, QStringLiteral("geh"));
    typeInto(22, QStringLiteral("gehet"));
    window().click(QStringLiteral("btnShowAll"));
    QCOMPARE(box(5)->text(), QStringLiteral("gehe"));
    QCOMPARE(box(24)->text(), QStringLiteral("gehen"));
    window().click(QStringLiteral("btnShowAll"));
    window().click(QStringLiteral("btnShowAllRestore"));
    QCOMPARE(box(5)->text(), QStringLiteral("geh"));
    QCOMPARE(box(22)->text(), QStringLiteral("gehet"));
    QCOMPARE(box(24)->text(), QString());
}

void PracticeWindowTest::showCorrectTwiceThenRestore()
{
    typeInto(6, QStringLiteral("gest"));
    window().click(QStringLiteral("btnShowCorrect"));
    QCOMPARE(box(6)->text(), QStringLiteral("gehst"));
    window().click(QStringLiteral("btnShowCorrect"));
    window().click(QStringLiteral("btnShowCorrectRestore"));
    QCOMPARE(box(6)->text(), QStringLiteral("gehst")); // the second press saved the answer
}

void PracticeWindowTest::showCorrectThenRestoreGivesTheTypedTextBack()
{
    typeInto(7, QStringLiteral("geh"));
    window().click(QStringLiteral("btnShowCorrect"));
    QCOMPARE(box(7)->text(), QStringLiteral("gehen"));
    QCOMPARE(announced(), u"gehen"); // a screen reader says nothing of a text put in by a key
    window().click(QStringLiteral("btnShowCorrectRestore"));
    QCOMPARE(box(7)->text(), QStringLiteral("geh"));
    QCOMPARE(announced(), u"geh");
}

void PracticeWindowTest::restoreWithoutShowAllKeepsWhatWasTyped()
{
    typeInto(5, QStringLiteral("gehe"));
    typeInto(6, QStringLiteral("gehs"));
    window().click(QStringLiteral("btnShowAllRestore"));
    QCOMPARE(box(5)->text(), QStringLiteral("gehe"));
    QCOMPARE(box(6)->text(), QStringLiteral("gehs"));
}

void PracticeWindowTest::showCorrectRestoreOnAnotherBoxKeepsItsText()
{
    typeInto(5, QStringLiteral("ge"));
    window().click(QStringLiteral("btnShowCorrect"));
    typeInto(6, QStringLiteral("gehst"));
    window().click(QStringLiteral("btnShowCorrectRestore"));
    QCOMPARE(box(6)->text(), QStringLiteral("gehst"));
    QCOMPARE(box(5)->text(), QStringLiteral("gehe"));
}

void PracticeWindowTest::allCorrectShowAllRestoreKeepsTheForms()
{
    typeEveryFormCorrectly();
    window().click(QStringLiteral("btnShowAll"));
    window().click(QStringLiteral("btnShowAllRestore"));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(box(PresentBoxes[i])->text(), QString::fromLatin1(Present[i]));
}

void PracticeWindowTest::paradeModeFillsEveryBoxAtEachStep()
{
    switchParadeOn();
    // Checking the box changes nothing until the verb or tense changes.
    QVERIFY(box(5)->text().isEmpty());

    // Focus the verb list with a click, close its drop-down and step with the keys.
    auto *verbList = window().find<QComboBox>(QStringLiteral("ComboBox1"));
    window().click(verbList);
    QTest::keyClick(verbList->view(), Qt::Key_Escape);
    QTRY_VERIFY(!verbList->view()->isVisible());
    QCOMPARE(QApplication::focusWidget(), verbList);
    for (int step = 1; step <= 2; ++step) {
        typeInto(5, QStringLiteral("wrong"));
        window().click(QStringLiteral("btnTestAnswers"));
        window().click(verbList);
        QTest::keyClick(verbList->view(), Qt::Key_Escape);
        QTest::keyClick(verbList, Qt::Key_Down);
        QCOMPARE(verbList->currentIndex(), step);
        int visible = 0;
        for (int number = 1; number <= 36; ++number) {
            QCOMPARE(box(number)->text(), window().form().answerSlot(number));
            QCOMPARE(background(box(number)), window().form().normalBoxColor());
            visible += box(number)->isHidden() ? 0 : 1;
        }
        QVERIFY(visible > 0);
        QCOMPARE(window().form().practiceState().activeBox(), 0);
    }
    // Restore right after a parade refresh empties the boxes.
    window().click(QStringLiteral("btnShowAllRestore"));
    QVERIFY(box(5)->text().isEmpty());
}

void PracticeWindowTest::wheelTurnsOnlyAFocusedList_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"ComboBox1", "ComboBox2", "ComboBox4", "ComboBox5", "ComboBox6"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void PracticeWindowTest::wheelTurnsOnlyAFocusedList()
{
    QFETCH(QString, name);
    auto *list = window().find<QComboBox>(name);
    if (list->isHidden())
        window().click(QStringLiteral("btnFont")); // shows the font lists
    switchParadeOn();
    const bool paradeList =
        name == QLatin1String("ComboBox1") || name == QLatin1String("ComboBox2");
    const int first = list->currentIndex();
    const QFont lettering = box(5)->font();
    QSignalSpy changes(list, &QComboBox::activated);

    // The focus in a box with typed work, the pointer over the list: nothing moves.
    typeInto(5, QStringLiteral("geh"));
    testwindow::turnWheel(list, -120);
    testwindow::turnWheel(list, 120);
    QCOMPARE(QApplication::focusWidget(), box(5));
    QCOMPARE(box(5)->text(), QStringLiteral("geh"));
    QCOMPARE(box(5)->font(), lettering);
    QCOMPARE(list->currentIndex(), first);
    QCOMPARE(changes.count(), 0);

    // Focused and closed: one entry and one change event per notch, also
    // when a finer wheel sends the notch in two halves.
    window().click(list);
    QTest::keyClick(list->view(), Qt::Key_Escape);
    QTRY_VERIFY(!list->view()->isVisible());
    QCOMPARE(QApplication::focusWidget(), list);
    testwindow::turnWheel(list, -120);
    QCOMPARE(list->currentIndex(), first + 1);
    testwindow::turnWheel(list, -60);
    QCOMPARE(list->currentIndex(), first + 1);
    testwindow::turnWheel(list, -60);
    QCOMPARE(list->currentIndex(), first + 2);
    QCOMPARE(changes.count(), 2);
    if (paradeList) { // each step showed every form
        for (int number = 1; number <= 36; ++number)
            QCOMPARE(box(number)->text(), window().form().answerSlot(number));
    }

    // Over the open list the wheel scrolls its rows and chooses nothing.
    window().click(list);
    QTRY_VERIFY(list->view()->isVisible());
    QScrollBar *rows = list->view()->verticalScrollBar();
    const int scrolled = rows->value();
    testwindow::turnWheel(list->view()->viewport(), -120);
    if (rows->maximum() > scrolled)
        QVERIFY(rows->value() > scrolled);
    QCOMPARE(list->currentIndex(), first + 2);
    QCOMPARE(changes.count(), 2);
    QTest::keyClick(list->view(), Qt::Key_Escape);
}

void PracticeWindowTest::showRandomRevealsAPermutation()
{
    window().click(box(6));
    window().form().setRandomSource(std::make_unique<practice::SeededRandomSource>(7));
    const QString form = QStringLiteral("gehst");
    for (int press = 0; press < form.size() + 3; ++press)
        window().click(QStringLiteral("btnShowRand"));
    const QString shown = window().find<QLineEdit>(QStringLiteral("EdS4"))->text();
    QCOMPARE(shown.size(), form.size());
    QCOMPARE(sorted(shown), sorted(form));
    QString spelled = QStringLiteral("Letters:");
    for (const QChar letter : shown)
        spelled += u' ' + QString(letter);
    QCOMPARE(announced(), spelled);    // spelled out, not read as one word
    QVERIFY(box(6)->text().isEmpty()); // the learner's box is never changed
}

void PracticeWindowTest::reenteringTheBoxRestartsShowRandom()
{
    window().click(box(7));
    window().click(QStringLiteral("btnShowRand"));
    window().click(QStringLiteral("btnShowRand"));
    auto *display = window().find<QLineEdit>(QStringLiteral("EdS4"));
    QCOMPARE(display->text().size(), 2);
    window().click(box(7));
    QVERIFY(display->text().isEmpty());
    QCOMPARE(window().form().practiceState().currentAnswer(), QStringLiteral("gehen"));
    window().click(QStringLiteral("btnShowRand"));
    QCOMPARE(display->text().size(), 1);
}

void PracticeWindowTest::refreshClearsTheActiveBox()
{
    typeInto(5, QStringLiteral("geh"));
    window().click(QStringLiteral("btnShowCorrect"));
    window().chooseInList(QStringLiteral("ComboBox2"), 1);
    QCOMPARE(window().form().practiceState().activeBox(), 0);
    QVERIFY(box(5)->text().isEmpty());
    window().click(QStringLiteral("btnShowCorrect"));
    window().click(QStringLiteral("btnShowRand"));
    QVERIFY(box(5)->text().isEmpty());
    QVERIFY(window().find<QLineEdit>(QStringLiteral("EdS4"))->text().isEmpty());
}

ZANDREL_WINDOW_TEST_MAIN(PracticeWindowTest)
#include "PracticeWindowTest.moc"
