// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Copy and paste, special characters, the look-up and the panels, on the real
// window with real input.
#include "app/CommandKeys.h"
#include "app/Unit1.h"
#include "editing/HelpText.h"
#include "lists/FlatComboBox.h"
#include "support/WindowFixture.h"
#include "widgets/OfficeButton.h"
#include "widgets/OfficeMemo.h"
#include "widgets/OfficePanel.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>

using testdata::VerbRecordBuilder;
using testwindow::WindowFixture;

namespace {

struct Verb {
    const char *name;
    char category;
    char type;
};

// In German order, as the look-up expects.
constexpr Verb Verbs[] = {{"fahren", 'n', 's'}, {"sich freuen", 'r', 'w'}, {"geben", 'n', 's'},
                          {"gehen", 'n', 'i'},  {"gießen", 'n', 's'},      {"haben", 'n', 'i'},
                          {"sagen", 'n', 'w'},  {"zeigen", 'n', 'w'}};

QList<VerbRecordBuilder> verbs()
{
    QList<VerbRecordBuilder> records;
    for (const Verb &verb : Verbs) {
        VerbRecordBuilder record(verb.category, verb.type, '1');
        record.verb(QString::fromUtf8(verb.name)).fillEveryForm();
        records.append(record);
    }
    return records;
}

// Counts the focus-in events a control receives.
struct FocusInCounter : QObject {
    explicit FocusInCounter(QWidget *control) { control->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::FocusIn ? 1 : 0;
        return false;
    }
    int count = 0;
};

} // namespace

class EditingWindowTest : public QObject {
    Q_OBJECT
private slots:
    // No default locale is set: the look-up collates in the locale the test
    // runs under (CTest runs the look-up tests under C.UTF-8 and de_DE.UTF-8).
    void init() { m_window = std::make_unique<WindowFixture>(verbs()); }
    void cleanup() { m_window.reset(); }

    void pasteLandsWhereTheCaretWasClicked();
    void pasteAfterTabReplacesTheWholeBox();
    void bothCopyAndPasteButtonsServeEitherBlock_data();
    void bothCopyAndPasteButtonsServeEitherBlock();
    void copyWithoutAnActiveBoxDoesNothing();
    void functionKeyInsertsAndMovesTheCaretToTheEnd_data();
    void functionKeyInsertsAndMovesTheCaretToTheEnd();
    void buttonReentersTheBoxButFunctionKeyDoesNot();
    void pasteAfterASpecialCharacterPastesIt();
    void specialCharacterReplacesTheSelection();
    void hiddenActiveBoxKeepsTheFocusWhereItIs();
    void lookUpBoxTakesCharactersAndReturnRunsTheLookUp();
    void lookUpExamples_data();
    void lookUpExamples();
    void lookUpPastTheUmlauts_data();
    void lookUpPastTheUmlauts();
    void returnInAnEntryBoxDoesNothing();
    void typingInAListFindsTheEntry_data();
    void typingInAListFindsTheEntry();
    void typePanelAcrossAVerbChange();
    void variantsButtonDoesNothing();
    void helpHoldsTheKeyboard_data();
    void helpHoldsTheKeyboard();
    void helpTextLinesUpAndKeepsLastWordsCompany_data();
    void helpTextLinesUpAndKeepsLastWordsCompany();

private:
    WindowFixture &window() { return *m_window; }
    widgets::OfficeEdit *box(int number) { return m_window->box(number); }
    void typeInto(int number, const QString &text) { m_window->retype(number, text); }
    int selectedVerb()
    {
        return window().find<QComboBox>(QStringLiteral("ComboBox1"))->currentIndex();
    }

    std::unique_ptr<WindowFixture> m_window;
};

void EditingWindowTest::pasteLandsWhereTheCaretWasClicked()
{
    typeInto(5, QStringLiteral("XY"));
    typeInto(6, QStringLiteral("abcd"));
    window().click(box(5));
    window().click(QStringLiteral("leftCopy"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("XY"));
    window().clickIntoBox(6, 2);
    window().click(QStringLiteral("leftPaste"));
    QCOMPARE(box(6)->text(), QStringLiteral("abXYcd"));
}

void EditingWindowTest::pasteAfterTabReplacesTheWholeBox()
{
    typeInto(5, QStringLiteral("XY"));
    typeInto(6, QStringLiteral("abcd"));
    window().click(box(5));
    window().click(QStringLiteral("rightCopy"));
    window().click(box(5));
    QTest::keyClick(box(5), Qt::Key_Tab);
    window().click(QStringLiteral("rightPaste"));
    QCOMPARE(box(6)->text(), QStringLiteral("XY"));
    // Copy then Paste without entering another box: the same text, unchanged.
    window().click(QStringLiteral("leftCopy"));
    window().click(QStringLiteral("leftPaste"));
    QCOMPARE(box(6)->text(), QStringLiteral("XY"));
}

void EditingWindowTest::bothCopyAndPasteButtonsServeEitherBlock_data()
{
    QTest::addColumn<QString>("copyButton");
    QTest::addColumn<QString>("pasteButton");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("left buttons, right block") << "leftCopy"
                                               << "leftPaste" << 21 << 22;
    QTest::newRow("right buttons, left block") << "rightCopy"
                                               << "rightPaste" << 5 << 6;
    QTest::newRow("left copy, right paste, across") << "leftCopy"
                                                    << "rightPaste" << 5 << 23;
    QTest::newRow("right copy, left paste, across") << "rightCopy"
                                                    << "leftPaste" << 24 << 7;
}

void EditingWindowTest::bothCopyAndPasteButtonsServeEitherBlock()
{
    QFETCH(QString, copyButton);
    QFETCH(QString, pasteButton);
    QFETCH(int, from);
    QFETCH(int, to);
    typeInto(from, QStringLiteral("kopie"));
    typeInto(to, QStringLiteral("old"));
    window().click(box(from));
    window().click(copyButton);
    window().click(box(to));
    QTest::keyClick(box(to), Qt::Key_End);
    window().click(pasteButton);
    QCOMPARE(box(to)->text(), QStringLiteral("oldkopie"));
}

void EditingWindowTest::copyWithoutAnActiveBoxDoesNothing()
{
    QApplication::clipboard()->setText(QStringLiteral("before"));
    typeInto(5, QStringLiteral("gehe"));
    window().chooseInList(QStringLiteral("ComboBox2"), 0); // a refresh: no box is active
    window().click(QStringLiteral("leftCopy"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    window().click(QStringLiteral("leftPaste"));
    for (int number = 1; number <= 36; ++number)
        QVERIFY(box(number)->text().isEmpty());
}

void EditingWindowTest::functionKeyInsertsAndMovesTheCaretToTheEnd_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::newRow("F5") << int(Qt::Key_F5) << int(Qt::NoModifier) << QStringLiteral("häus");
    QTest::newRow("shift F6") << int(Qt::Key_F6) << int(Qt::ShiftModifier)
                              << QStringLiteral("höus");
    QTest::newRow("ctrl F7") << int(Qt::Key_F7) << int(Qt::ControlModifier)
                             << QStringLiteral("hüus");
    QTest::newRow("F8") << int(Qt::Key_F8) << int(Qt::NoModifier) << QStringLiteral("hßus");
}

void EditingWindowTest::functionKeyInsertsAndMovesTheCaretToTheEnd()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    typeInto(5, QStringLiteral("hus"));
    window().clickIntoBox(5, 1);
    QTest::keyClick(box(5), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box(5)->text(), expected);
    QCOMPARE(box(5)->cursorPosition(), 4);
    QVERIFY(!box(5)->hasSelectedText());
    QCOMPARE(QApplication::focusWidget(), box(5));
}

void EditingWindowTest::buttonReentersTheBoxButFunctionKeyDoesNot()
{
    auto *display = window().find<QLineEdit>(QStringLiteral("EdS4"));
    typeInto(5, QStringLiteral("g"));
    window().click(QStringLiteral("btnShowRand"));
    QCOMPARE(display->text().size(), 1);
    window().click(QStringLiteral("btnUmlautuR"));
    QVERIFY(display->text().isEmpty()); // the box was entered again
    QCOMPARE(box(5)->text(), QStringLiteral("gü"));
    QCOMPARE(QApplication::focusWidget(), box(5));
    QCOMPARE(box(5)->cursorPosition(), 2);

    // A function key typed in the box: the focus never leaves it, so no entry.
    FocusInCounter focusIns(box(5));
    QTest::keyClick(box(5), Qt::Key_F5);
    QCOMPARE(box(5)->text(), QStringLiteral("güä"));
    QCOMPARE(focusIns.count, 0);
    QCOMPARE(QApplication::focusWidget(), box(5));
}

void EditingWindowTest::pasteAfterASpecialCharacterPastesIt()
{
    typeInto(5, QStringLiteral("abc"));
    window().click(QStringLiteral("leftCopy"));
    window().click(box(6));
    window().click(QStringLiteral("btnSzet"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("ß"));
    QCOMPARE(window().find<QLineEdit>(QStringLiteral("SpChar"))->text(), QStringLiteral("ß"));
    window().click(QStringLiteral("leftPaste"));
    QCOMPARE(box(6)->text(), QStringLiteral("ßß"));
}

void EditingWindowTest::specialCharacterReplacesTheSelection()
{
    typeInto(7, QStringLiteral("gaben"));
    window().click(box(7));
    QTest::keyClick(box(7), Qt::Key_Home);
    QTest::keyClick(box(7), Qt::Key_Right);
    QTest::keyClick(box(7), Qt::Key_Right, Qt::ShiftModifier);
    window().click(QStringLiteral("btnUmlauta"));
    QCOMPARE(box(7)->text(), QStringLiteral("gäben"));
}

void EditingWindowTest::hiddenActiveBoxKeepsTheFocusWhereItIs()
{
    // At start-up E13 is active through the reveal display; for fahren's
    // present tense it is hidden.
    QVERIFY(box(13)->isHidden());
    QCOMPARE(window().form().practiceState().activeBox(), 13);
    window().click(QStringLiteral("btnUmlauto"));
    QCOMPARE(box(13)->text(), QStringLiteral("ö"));
    QCOMPARE(QApplication::focusWidget(), window().findWidget(QStringLiteral("btnUmlauto")));
}

void EditingWindowTest::lookUpBoxTakesCharactersAndReturnRunsTheLookUp()
{
    auto *lookUp = window().find<QLineEdit>(QStringLiteral("AlphaEdit"));
    window().click(lookUp);
    window().typeInto(lookUp, QStringLiteral("gi"));
    window().click(QStringLiteral("btnSzet"));
    QCOMPARE(lookUp->text(), QStringLiteral("giß"));
    QCOMPARE(QApplication::focusWidget(), lookUp);
    QTest::keyClick(lookUp, Qt::Key_F8);
    QTest::keyClick(lookUp, Qt::Key_Backspace);
    QTest::keyClick(lookUp, Qt::Key_Return);
    QCOMPARE(selectedVerb(), 4); // gießen
    QCOMPARE(window().form().answerSlot(5), VerbRecordBuilder::sampleForm(0, 5));
    // The look-up box stays active: Return again repeats it, Paste goes there.
    QVERIFY(window().form().practiceState().lookUpActive());
    // Its text is selected after the look-up: what comes next starts a new one.
    QApplication::clipboard()->setText(QStringLiteral("sagen"));
    window().click(QStringLiteral("leftPaste"));
    QCOMPARE(lookUp->text(), QStringLiteral("sagen"));
}

void EditingWindowTest::lookUpExamples_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byButton");
    QTest::addColumn<int>("selected");
    QTest::newRow("ge") << "ge" << false << 2;
    QTest::newRow("geh") << "geh" << true << 3;
    QTest::newRow("gei") << "gei" << false << 3;
    QTest::newRow("freu") << "freu" << true << 1;
    QTest::newRow("sich") << "sich" << false << 6;
    QTest::newRow("geben with a blank") << "geben " << false << 1;
    QTest::newRow("Geben") << "Geben" << true << 4;
    QTest::newRow("empty keeps the first") << "" << true << 0;
    QTest::newRow("after every entry: the last") << "zz" << false << 7;
    QTest::newRow("before zeigen: the entry before") << "x" << true << 6;
    QTest::newRow("sorting after every entry: the last") << "ω" << true << 7;
}

void EditingWindowTest::lookUpExamples()
{
    QFETCH(QString, typed);
    QFETCH(bool, byButton);
    QFETCH(int, selected);
    auto *verbList = window().find<QComboBox>(QStringLiteral("ComboBox1"));
    QSignalSpy changes(verbList, &QComboBox::activated);
    window().chooseInList(QStringLiteral("ComboBox1"), 5);
    changes.clear();
    auto *lookUp = window().find<QLineEdit>(QStringLiteral("AlphaEdit"));
    window().click(lookUp);
    // Key clicks carry Latin-1 only: other letters come in through Paste.
    if (typed.toLatin1() == typed.toUtf8()) {
        window().typeInto(lookUp, typed);
    } else {
        QApplication::clipboard()->setText(typed);
        window().click(QStringLiteral("leftPaste"));
    }
    QCOMPARE(lookUp->text(), typed);
    if (byButton)
        window().click(QStringLiteral("btnAlpha"));
    else
        QTest::keyClick(lookUp, Qt::Key_Return);
    QCOMPARE(selectedVerb(), selected);
    QCOMPARE(changes.size(), 0); // the program's selection raises no change event
    QCOMPARE(window().form().answerSlot(5), VerbRecordBuilder::sampleForm(0, 5));
    QCOMPARE(window().form().practiceState().activeBox(), 0);
}

void EditingWindowTest::lookUpPastTheUmlauts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("selected");
    QTest::newRow("an") << "an" << 0;
    QTest::newRow("ändern") << "ändern" << 1;
    QTest::newRow("gehen") << "gehen" << 2;
    QTest::newRow("können") << "können" << 3;
    QTest::newRow("machen") << "machen" << 4;
    QTest::newRow("spre") << "spre" << 5;
}

void EditingWindowTest::lookUpPastTheUmlauts()
{
    QFETCH(QString, typed);
    QFETCH(int, selected);
    QList<VerbRecordBuilder> records;
    for (const char *name : {"anbieten", "ändern", "gehen", "können", "machen", "sprechen"}) {
        VerbRecordBuilder record('n', 'w', '1');
        record.verb(QString::fromUtf8(name)).fillEveryForm();
        records.append(record);
    }
    m_window = std::make_unique<WindowFixture>(records);
    window().chooseInList(QStringLiteral("ComboBox1"), 5);
    auto *lookUp = window().find<QLineEdit>(QStringLiteral("AlphaEdit"));
    window().click(lookUp);
    // The learner types ä and ö with F5 and F6.
    const QHash<QChar, Qt::Key> umlautKeys = {{QChar(0xE4), Qt::Key_F5}, {QChar(0xF6), Qt::Key_F6}};
    for (QChar character : typed) {
        if (umlautKeys.contains(character))
            QTest::keyClick(lookUp, umlautKeys.value(character));
        else
            window().typeInto(lookUp, character);
    }
    QCOMPARE(lookUp->text(), typed);
    QTest::keyClick(lookUp, Qt::Key_Return);
    QCOMPARE(selectedVerb(), selected);
}

void EditingWindowTest::returnInAnEntryBoxDoesNothing()
{
    typeInto(5, QStringLiteral("zeigen"));
    QTest::keyClick(box(5), Qt::Key_Return);
    QCOMPARE(selectedVerb(), 0);
    QCOMPARE(box(5)->text(), QStringLiteral("zeigen"));
}

void EditingWindowTest::typingInAListFindsTheEntry_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("selected");
    QTest::newRow("first letter") << "ComboBox1" << false << "g" << 2;
    QTest::newRow("the same letter again: the next") << "ComboBox1" << false << "gg" << 3;
    QTest::newRow("a reflexive by its name") << "ComboBox1" << false << "F" << 1;
    QTest::newRow("letters in quick succession") << "ComboBox1" << false << "gi" << 4;
    QTest::newRow("open list") << "ComboBox1" << true << "hab" << 5;
    QTest::newRow("tense past the bracket") << "ComboBox2" << false << "i" << 14;
    QTest::newRow("open tense list, with a blank") << "ComboBox2" << true << "past p" << 4;
    QTest::newRow("closed tense list, with a blank") << "ComboBox2" << false << "past s" << 8;
    QTest::newRow("two blanks") << "ComboBox2" << false << "future perfect s" << 12;
    QTest::newRow("tense by its bracket") << "ComboBox2" << false << "(" << 14;
}

void EditingWindowTest::typingInAListFindsTheEntry()
{
    QFETCH(QString, list);
    QFETCH(bool, open);
    QFETCH(QString, typed);
    QFETCH(int, selected);
    window().click(box(5));
    auto *combo = window().find<lists::FlatComboBox>(list);
    window().click(combo); // opens its list
    QTRY_VERIFY(combo->view()->isVisible());
    QSignalSpy changes(combo, &lists::FlatComboBox::changed);
    if (open) {
        QTest::keyClicks(combo->view(), typed);
        QCOMPARE(changes.size(), 0); // the open list moves its highlight only
        QTest::keyClick(combo->view(), Qt::Key_Return);
    } else {
        QTest::keyClick(combo->view(), Qt::Key_Escape);
        QTRY_VERIFY(!combo->view()->isVisible() && combo->hasFocus());
        QTest::keyClicks(combo, typed);
    }
    QCOMPARE(combo->currentIndex(), selected);
    QVERIFY(!changes.isEmpty());
    QCOMPARE(window().form().practiceState().activeBox(), 0); // the board was refreshed
}

void EditingWindowTest::typePanelAcrossAVerbChange()
{
    // Under a desktop palette whose window colour is the button face, switched to meanwhile.
    const auto restore =
        qScopeGuard([palette = QApplication::palette()] { QApplication::setPalette(palette); });
    QPalette plain = QApplication::palette();
    plain.setColor(QPalette::Base, plain.color(QPalette::Button));
    QApplication::setPalette(plain);
    auto *typePanel = window().find<widgets::OfficePanel>(QStringLiteral("panTy"));
    QCOMPARE(typePanel->caption(), QStringLiteral("Type"));
    window().chooseInList(QStringLiteral("ComboBox1"), 3); // gehen, irregular
    QCOMPARE(typePanel->caption(), QStringLiteral("Type"));
    window().click(typePanel);
    QCOMPARE(typePanel->caption(), QStringLiteral("Irreg"));
    QCOMPARE(typePanel->palette().color(typePanel->foregroundRole()), QColor(191, 14, 4));
    window().chooseInList(QStringLiteral("ComboBox1"), 6); // sagen, weak: shown without a click
    QCOMPARE(typePanel->caption(), QStringLiteral("Weak"));
    window().click(typePanel);
    QCOMPARE(typePanel->caption(), QStringLiteral("Type"));
    window().chooseInList(QStringLiteral("ComboBox1"), 0);
    QCOMPARE(typePanel->caption(), QStringLiteral("Type"));
    window().click(typePanel);
    QCOMPARE(typePanel->caption(), QStringLiteral("Strong"));
}

void EditingWindowTest::variantsButtonDoesNothing()
{
    auto *variants = window().find<widgets::OfficeButton>(QStringLiteral("btnVar"));
    QCOMPARE(variants->text(), QStringLiteral("1"));
    typeInto(5, QStringLiteral("x"));
    window().click(variants);
    QCOMPARE(variants->text(), QStringLiteral("1"));
    QCOMPARE(box(5)->text(), QStringLiteral("x"));
    QCOMPARE(window().form().practiceState().activeBox(), 5);
}

void EditingWindowTest::helpHoldsTheKeyboard_data()
{
    QTest::addColumn<QString>("focused"); // where the learner was
    QTest::addColumn<bool>("clickH");     // then clicked "H", which F1 opens again
    QTest::addColumn<int>("closing");     // the key that closes the help, 0: a click on Close
    QTest::newRow("F1 in a box, Esc") << "E5" << false << int(Qt::Key_Escape);
    QTest::newRow("F1 in Alpha, Space on Close") << "AlphaEdit" << false << int(Qt::Key_Space);
    QTest::newRow("a box, H clicked, Close clicked") << "E5" << true << 0;
    QTest::newRow("Alpha, H clicked, Esc") << "AlphaEdit" << true << int(Qt::Key_Escape);
}

void EditingWindowTest::helpHoldsTheKeyboard()
{
    QFETCH(QString, focused);
    QFETCH(bool, clickH);
    QFETCH(int, closing);
    QWidget *before = window().findWidget(focused);
    window().click(before);
    auto *edit = qobject_cast<QLineEdit *>(before);
    QTest::keyClicks(edit, QStringLiteral("gehe"));
    QTest::keyClick(edit, Qt::Key_Left);
    if (clickH)
        window().click(QStringLiteral("btnHelp"));
    // After "H" it opens again: it stays open, and where the focus goes back to stays.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    const int activeBox = window().form().practiceState().activeBox();
    QWidget *panel = window().findWidget(QStringLiteral("helppanel"));
    auto *memo = window().find<widgets::OfficeMemo>(QStringLiteral("HelpMemo"));
    QCOMPARE(QApplication::focusWidget(), memo);
    QCOMPARE(panel->pos(), QPoint(34, 24));
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->toPlainText(), editing::helpParagraphs().join(u'\n'));
    // Nothing the help covers takes a key, or a click on its edge showing beside the help.
    QTest::keyClicks(memo, QStringLiteral("xyz"));
    QTest::keyClick(memo, Qt::Key_F5);
    QTest::keySequence(memo, QKeySequence(Qt::ALT | Qt::Key_T)); // Test Answers
    QTest::mouseClick(window().form().windowHandle(), Qt::LeftButton, {}, QPoint(25, 61));
    QCOMPARE(box(6)->palette().color(QPalette::Base), window().form().normalBoxColor());
    // Tab goes round the help's three controls, Shift+Tab back.
    QWidgetList round;
    for (int step = 0; step < 4; ++step) {
        round.append(QApplication::focusWidget());
        QTest::keyClick(round.last(), step < 3 ? Qt::Key_Tab : Qt::Key_Backtab);
    }
    QCOMPARE(round, (QWidgetList{memo, window().findWidget("btnHelpClose"),
                                 window().findWidget("SecretCheckBox"), memo}));
    QCOMPARE(QApplication::focusWidget(), round[2]);
    QTest::keyClick(round[2], Qt::Key_Space); // parade mode on, kept when the help closes
    QTest::keyClick(round[2], Qt::Key_Tab);
    // The page keys scroll it, the arrows reach every line.
    QTest::keyClick(memo, Qt::Key_PageDown);
    QVERIFY(memo->verticalScrollBar()->value() > 0);
    const int lastBlock = memo->document()->blockCount() - 1;
    for (int press = 0; press < 300 && memo->textCursor().blockNumber() < lastBlock; ++press)
        QTest::keyClick(memo, Qt::Key_Down);
    QCOMPARE(memo->textCursor().blockNumber(), lastBlock);

    if (closing == Qt::Key_Space)
        QTest::keyClick(memo, Qt::Key_Tab); // to Close
    if (closing)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(closing));
    else
        window().click(QStringLiteral("btnHelpClose"));
    QVERIFY(panel->isHidden());
    QCOMPARE(panel->pos(), QPoint(34, 24));
    QVERIFY(qobject_cast<QCheckBox *>(round[2])->isChecked());
    // The focus is back where it was: the same box active, its text and caret as they were.
    QCOMPARE(QApplication::focusWidget(), before);
    QCOMPARE(window().form().practiceState().activeBox(), activeBox);
    QCOMPARE(edit->text(), QStringLiteral("gehe"));
    QCOMPARE(edit->cursorPosition(), 3);
    QVERIFY(!edit->hasSelectedText());
    // Opened again, it starts at its top.
    QTest::keyClick(edit, Qt::Key_F1);
    QCOMPARE(memo->verticalScrollBar()->value(), 0);
    QCOMPARE(memo->textCursor().position(), 0);
}

void EditingWindowTest::helpTextLinesUpAndKeepsLastWordsCompany_data()
{
    QTest::addColumn<int>("memoWidth");
    QTest::newRow("as designed") << 0;
    QTest::newRow("narrower") << 640;
}

void EditingWindowTest::helpTextLinesUpAndKeepsLastWordsCompany()
{
    QFETCH(int, memoWidth);
    window().click(QStringLiteral("btnHelp"));
    auto *memo = window().find<widgets::OfficeMemo>(QStringLiteral("HelpMemo"));
    if (memoWidth > 0)
        memo->resize(memoWidth, memo->height());
    QTextDocument *text = memo->document();
    text->size(); // lays out every line

    // Where the shortcut lines' first letters are drawn: the three after a
    // tab and the one after sixteen blanks.
    QList<int> letterX;
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next()) {
        if (!block.text().contains(QLatin1String(" = F")))
            continue;
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + int(block.text().indexOf(QLatin1String(" = "))) - 1);
        letterX.append(memo->cursorRect(cursor).x());
    }
    QCOMPARE(letterX.size(), 4);
    QVERIFY(letterX[0] > 20);
    QCOMPARE(letterX, QList<int>(4, letterX[0]));

    for (QTextBlock block = text->begin(); block.isValid(); block = block.next()) {
        const QString where = QStringLiteral("paragraph %1: \"%2\"")
                                  .arg(block.blockNumber() + 1)
                                  .arg(block.text().left(40));
        // A paragraph ends where its sentence does, not at a break of its own.
        QVERIFY2(!block.text().endsWith(u' '), qPrintable(where));
        // Its rows break between words; no row but the last holds its last word alone.
        const QTextLayout *rows = block.layout();
        QVERIFY(rows->lineCount() >= 1);
        for (int row = 0; row + 1 < rows->lineCount(); ++row) {
            const QTextLine line = rows->lineAt(row);
            QVERIFY2(block.text().at(line.textStart() + line.textLength() - 1) == u' ',
                     qPrintable(where));
        }
        const QTextLine last = rows->lineAt(rows->lineCount() - 1);
        const QString lastRow = block.text().mid(last.textStart(), last.textLength()).trimmed();
        if (rows->lineCount() > 1)
            QVERIFY2(lastRow.contains(QLatin1Char(' ')), qPrintable(where));
    }
    QCOMPARE(memo->toPlainText().split(u'\n'), editing::helpParagraphs()); // text untouched
    // Every command's key is named, and what a wrong box says to a screen reader.
    for (const app::CommandKey &command : app::commandKeys())
        QVERIFY2(memo->toPlainText().contains(command.keys.toString(QKeySequence::NativeText)),
                 qPrintable(command.keys.toString()));
    QVERIFY(memo->toPlainText().contains(QLatin1String("\"wrong answer\"")));
}

ZANDREL_WINDOW_TEST_MAIN(EditingWindowTest)
#include "EditingWindowTest.moc"
