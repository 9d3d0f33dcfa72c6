// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window from the keyboard alone and through the accessibility interface
// a screen reader reads, on the real window with real key presses.
#include "app/CommandKeys.h"
#include "app/Unit1.h"
#include "support/WindowFixture.h"
#include "widgets/OfficeButton.h"
#include "widgets/OfficeEdit.h"
#include "widgets/OfficePanel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSignalSpy>

using testdata::VerbRecordBuilder;
using testwindow::pressSpy;
using testwindow::WindowFixture;

namespace {

// abholen, separable, every form filled: present E5..E8 and E13..E16 (left).
QList<VerbRecordBuilder> verbs()
{
    VerbRecordBuilder abholen('s', 'w', '1');
    abholen.verb(QStringLiteral("abholen")).fillEveryForm();
    return {abholen};
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// What a screen reader says the control is.
QString spokenName(QWidget *control)
{
    return accessible(control)->text(QAccessible::Name);
}

QString announced(WindowFixture &window)
{
    return accessible(window.findWidget("Announcer"))->text(QAccessible::Name);
}

// The README's table of keys, "| Alt+T | Test Answers: mark every wrong answer |" (a key may
// carry a note in brackets): each key, with the command of the program whose purpose the
// README's words hold (-1: none).
QList<std::pair<QKeySequence, int>> readmeKeys()
{
    QFile readme(QStringLiteral(ZANDREL_README));
    if (!readme.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", ZANDREL_README);
    const QString text = QString::fromUtf8(readme.readAll());
    QList<std::pair<QKeySequence, int>> keys;
    for (const QString &row : text.mid(text.indexOf(u"| key | command |")).split(u'\n').mid(2)) {
        const QStringList cells = row.split(u'|');
        if (cells.size() < 4)
            break;
        const auto &commands = app::commandKeys();
        const auto named = std::find_if(commands.begin(), commands.end(), [&](const auto &command) {
            return cells[2].contains(command.purpose, Qt::CaseInsensitive);
        });
        keys.append({QKeySequence::fromString(cells[1].section(u'(', 0, 0).trimmed()),
                     named == commands.end() ? -1 : int(named - commands.begin())});
    }
    return keys;
}

} // namespace

class AccessWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The change events themselves are seen by the AT-SPI test: offscreen,
    // Qt sends none.
    void init() { m_window = std::make_unique<WindowFixture>(verbs()); }
    void cleanup() { m_window.reset(); }

    void commandKeysLeaveTypingAlone();
    void commandKeyPressesWithoutMovingTheFocus_data(); // rows from the README
    void commandKeyPressesWithoutMovingTheFocus();
    void focusKeysGoWhereTheySay_data();
    void focusKeysGoWhereTheySay();
    void returnPressesTheFocusedButton_data();
    void returnPressesTheFocusedButton();
    void controlsHaveTheirNamesAndRoles_data();
    void controlsHaveTheirNamesAndRoles();
    void everyShowingControlIsNamedOnce();
    void boxesAreNamedForTheBoardShown();
    void entryBoxIsReadAsOneText();
    void listsSayTheirEntry();
    void textNavigationAnswersEveryOffset_data();
    void textNavigationAnswersEveryOffset();
    void testAnswersSaysWhichAndHowManyAreWrong();
    void startUpOnTheLettersDisplay();

private:
    WindowFixture &window() { return *m_window; }
    void tabTo(QWidget *target);
    std::unique_ptr<WindowFixture> m_window;
};

void AccessWindowTest::tabTo(QWidget *target)
{
    for (int presses = 0; presses < 120 && QApplication::focusWidget() != target; ++presses)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), target);
}

void AccessWindowTest::commandKeysLeaveTypingAlone()
{
    // What an entry box does with its keys, and the keys of the special characters.
    QList<QKeySequence> taken;
    for (auto standard : {QKeySequence::Copy,
                          QKeySequence::Paste,
                          QKeySequence::Cut,
                          QKeySequence::Undo,
                          QKeySequence::Redo,
                          QKeySequence::SelectAll,
                          QKeySequence::Deselect,
                          QKeySequence::DeleteEndOfLine,
                          QKeySequence::DeleteCompleteLine,
                          QKeySequence::DeleteStartOfWord,
                          QKeySequence::DeleteEndOfWord,
                          QKeySequence::MoveToNextWord,
                          QKeySequence::MoveToPreviousWord,
                          QKeySequence::MoveToStartOfLine,
                          QKeySequence::MoveToEndOfLine,
                          QKeySequence::SelectNextWord,
                          QKeySequence::SelectPreviousWord,
                          QKeySequence::SelectStartOfLine,
                          QKeySequence::SelectEndOfLine,
                          QKeySequence::Back,
                          QKeySequence::Forward})
        taken += QKeySequence::keyBindings(standard);
    for (Qt::Key key : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_Return,
                        Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space})
        taken += {QKeySequence(key), QKeySequence(Qt::SHIFT | key)};

    QList<QKeySequence> used;
    for (const app::CommandKey &command : app::commandKeys()) {
        if (!command.windowShortcut)
            continue;
        const QKeyCombination combination = command.keys[0];
        QVERIFY2(!taken.contains(command.keys), qPrintable(command.keys.toString()));
        QVERIFY2(!used.contains(command.keys), qPrintable(command.keys.toString()));
        // Letters and digits alone or with Shift are typed text.
        const bool typed = (combination.keyboardModifiers() & ~Qt::ShiftModifier) == 0 &&
                           combination.key() < Qt::Key_Escape;
        QVERIFY2(!typed, qPrintable(command.keys.toString()));
        used.append(command.keys);
    }
    // Every key of the program is in the README's table.
    QList<QKeySequence> documented;
    for (const auto &[keys, command] : readmeKeys())
        documented.append(keys);
    for (const app::CommandKey &command : app::commandKeys())
        QVERIFY2(documented.contains(command.keys), qPrintable(command.keys.toString()));
    // Keys, not mnemonics: every caption stays as designed.
    for (const QAbstractButton *button : window().form().findChildren<QAbstractButton *>()) {
        QVERIFY2(!button->text().contains(u'&'), qPrintable(button->objectName()));
        QVERIFY2(button->shortcut().isEmpty(), qPrintable(button->objectName()));
    }
}

void AccessWindowTest::commandKeyPressesWithoutMovingTheFocus_data()
{
    // The README's keys, so that a key the program gives another command is caught.
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("command");
    for (const auto &[keys, command] : readmeKeys())
        QTest::newRow(qPrintable(keys.toString())) << keys << command;
}

void AccessWindowTest::commandKeyPressesWithoutMovingTheFocus()
{
    QFETCH(QKeySequence, keys);
    QFETCH(int, command);
    QVERIFY2(command >= 0, "the README names no command of the program");
    const app::CommandKey &named = app::commandKeys()[command];
    QCOMPARE(named.keys, keys);
    // The tooltip tells the key.
    QVERIFY(window()
                .findWidget(app::toolTipControls(named).first())
                ->toolTip()
                .endsWith(QStringLiteral("(%1)").arg(keys.toString(QKeySequence::NativeText))));
    if (!named.windowShortcut || named.movesFocus)
        return; // typed in a box, or going somewhere: their own tests
    QWidget *target = window().findWidget(named.controls.first());
    window().retype(6, QStringLiteral("hole"));
    QWidget *help = window().findWidget("HelpMemo");
    if (target->objectName() == u"btnHelpClose") // Escape closes the help only while it is open
        QTest::keySequence(window().box(6), QKeySequence(Qt::Key_F1));
    auto pressed = pressSpy(target);

    QTest::keySequence(QApplication::focusWidget(), keys);

    QCOMPARE(pressed->count(), 1); // at once: keys typed next land after it
    // The help takes the focus; everything else leaves it in the box, Esc gives it back.
    QCOMPARE(QApplication::focusWidget(),
             target->objectName() == u"btnHelp" ? help : window().box(6));
    QCOMPARE(window().form().practiceState().activeBox(), 6);
}

void AccessWindowTest::focusKeysGoWhereTheySay_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("clicked"); // holding "hole", its caret at the end
    QTest::addColumn<bool>("helpOpen");
    QTest::addColumn<QString>("target");
    const QKeySequence altB(Qt::ALT | Qt::Key_B);
    const QKeySequence altL(Qt::ALT | Qt::Key_L);
    QTest::newRow("Alt+B: the active box") << altB << "E7" << false << "E7";
    QTest::newRow("Alt+B: out of the help") << altB << "E7" << true << "E7";
    QTest::newRow("Alt+B, no box active: the first") << altB << "AlphaEdit" << false << "E5";
    QTest::newRow("Alt+L: the Alpha box") << altL << "E7" << false << "AlphaEdit";
    QTest::newRow("Alt+L in the Alpha box") << altL << "AlphaEdit" << false << "AlphaEdit";
}

void AccessWindowTest::focusKeysGoWhereTheySay()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, clicked);
    QFETCH(bool, helpOpen);
    QFETCH(QString, target);
    window().retype(5, QStringLiteral("hole"));
    window().click(window().findWidget(clicked));
    window().typeInto(window().findWidget(clicked), QStringLiteral("hole"));
    if (helpOpen)
        window().click("btnHelp");

    QTest::keySequence(QApplication::focusWidget(), keys);

    auto *entered = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QCOMPARE(entered, window().findWidget(target));
    QVERIFY(!window().findWidget("helppanel")->isVisible());
    // Selected as by Tab, so that the next letters replace it.
    QCOMPARE(entered->selectedText(), entered->text());
    if (target.startsWith(u'E'))
        QCOMPARE(window().form().practiceState().activeBox(), target.mid(1).toInt());
    else
        QVERIFY(window().form().practiceState().lookUpActive());
}

void AccessWindowTest::returnPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("helpOpen");
    QTest::newRow("Return on Test Answers") << "btnTestAnswers" << int(Qt::Key_Return) << false;
    QTest::newRow("Enter on a Restore") << "btnShowAllRestore" << int(Qt::Key_Enter) << false;
    QTest::newRow("Return on a special character") << "btnUmlautoR" << int(Qt::Key_Return) << false;
    QTest::newRow("Return on the type panel") << "panTy" << int(Qt::Key_Return) << false;
    QTest::newRow("Space on the type panel") << "panTy" << int(Qt::Key_Space) << false;
    QTest::newRow("Return on the check box") << "SecretCheckBox" << int(Qt::Key_Return) << true;
}

void AccessWindowTest::returnPressesTheFocusedButton()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(bool, helpOpen);
    if (helpOpen)
        window().click("btnHelp");
    window().click(window().box(5));
    QWidget *target = window().findWidget(control);
    const QImage unfocusedLook = target->grab().toImage();
    tabTo(target);
    // A keyboard user sees where the focus went.
    QVERIFY(target->grab().toImage() != unfocusedLook);
    auto pressed = pressSpy(target);

    QTest::keyClick(target, Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);

    QCOMPARE(pressed->count(), 1); // at once: keys typed next land after it
    if (auto *box = qobject_cast<QCheckBox *>(target))
        QVERIFY(box->isChecked());
}

void AccessWindowTest::controlsHaveTheirNamesAndRoles_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::newRow("the window") << "Form1" << QAccessible::Window << "German Verb Zandrel";
    QTest::newRow("green panel") << "Panel2" << QAccessible::Grouping
                                 << "Test Answers and Show All";
    QTest::newRow("type panel") << "panTy" << QAccessible::Button << "Type";
    QTest::newRow("help panel") << "helppanel" << QAccessible::Grouping << "Help";
    QTest::newRow("verb list: its label") << "ComboBox1" << QAccessible::ComboBox << "Verb List";
    QTest::newRow("font list") << "ComboBox4" << QAccessible::ComboBox << "Font";
    QTest::newRow("variants") << "btnVar" << QAccessible::Button << "Participle variants: 1";
    QTest::newRow("reveal display") << "EdS4" << QAccessible::EditableText << "Show Random letters";
}

void AccessWindowTest::controlsHaveTheirNamesAndRoles()
{
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QWidget *widget = control == u"Form1" ? &window().form() : window().findWidget(control);
    QCOMPARE(accessible(widget)->role(), role);
    QCOMPARE(spokenName(widget), name);
}

void AccessWindowTest::everyShowingControlIsNamedOnce()
{
    window().click("btnHelp");
    window().click("btnFont");
    QStringList names; // as spoken: with the role ("Help push button", "Help panel")
    for (QWidget *control : window().form().findChildren<QWidget *>()) {
        if (!control->isVisible() || control->objectName().isEmpty() ||
            control->objectName().startsWith(u"qt_"))
            continue;
        const QString name = spokenName(control);
        QVERIFY2(name.size() > 1, qPrintable(control->objectName()));
        // Pointing at a button says what it does, however little its caption says.
        if (qobject_cast<widgets::OfficeButton *>(control))
            QVERIFY2(!control->toolTip().isEmpty(), qPrintable(control->objectName()));
        const QString spoken = name + QString::number(accessible(control)->role());
        if (!qobject_cast<QLabel *>(control)) {
            QVERIFY2(!names.contains(spoken), qPrintable(name));
            names.append(spoken);
        }
    }
    QVERIFY(names.size() > 40);
}

void AccessWindowTest::boxesAreNamedForTheBoardShown()
{
    QCOMPARE(spokenName(window().box(6)), u"du, verb");
    QCOMPARE(spokenName(window().box(14)), u"du, separable prefix");

    window().chooseInList("ComboBox2", 4); // past perfect: auxiliary and participle
    QCOMPARE(announced(window()),
             u"abholen, past perfect. caption 1 of tense 4. caption 2 of tense 4");
    QCOMPARE(spokenName(window().box(2)), u"du, auxiliary");
    QCOMPARE(spokenName(window().box(10)), u"du, participle");
}

void AccessWindowTest::testAnswersSaysWhichAndHowManyAreWrong()
{
    window().retype(6, VerbRecordBuilder::sampleForm(0, 6)); // right
    window().retype(7, QStringLiteral("holen"));             // wrong
    window().click("btnTestAnswers");

    QCOMPARE(accessible(window().box(7))->text(QAccessible::Description), u"wrong answer");
    QCOMPARE(accessible(window().box(6))->text(QAccessible::Description), QString());
    // Every other shown box is empty, so wrong too: 15 of the 16.
    QWidget *result = window().findWidget("Announcer");
    QCOMPARE(accessible(result)->role(), QAccessible::Notification);
    // Which, by name, in reading order: box 6 ("du, verb") is right.
    QVERIFY(accessible(result)
                ->text(QAccessible::Name)
                .startsWith(u"15 of 16 wrong: ich, verb; ich, separable prefix; du, separable "
                            u"prefix; Sie (singular), "));
    QVERIFY(!accessible(result)->state().invisible);

    window().click("btnTestAnswersRestore");
    QCOMPARE(accessible(window().box(7))->text(QAccessible::Description), QString());
    QVERIFY(accessible(result)->state().invisible);
}

void AccessWindowTest::entryBoxIsReadAsOneText()
{
    widgets::OfficeEdit *box = window().box(7);
    window().retype(7, QStringLiteral("holen"));
    QAccessibleTextInterface *text = accessible(box)->textInterface();
    int start = -1;
    int end = -1;
    for (int offset : {0, 4, 5}) { // a screen reader cuts its line at the run's end
        text->attributes(offset, &start, &end);
        QCOMPARE(QPair(start, end), QPair(0, 5));
    }
    QCOMPARE(text->textAtOffset(0, QAccessible::LineBoundary, &start, &end), u"holen");
    QCOMPARE(text->textAtOffset(0, QAccessible::WordBoundary, &start, &end), u"holen");
    QCOMPARE(text->textAtOffset(4, QAccessible::CharBoundary, &start, &end), u"n");
    // The selection kept for pasting is the focused box's only.
    window().click(window().box(6));
    QTest::keyClick(window().box(6), Qt::Key_Tab);
    QCOMPARE(text->selectionCount(), 1);
    QTest::keyClick(box, Qt::Key_Tab);
    QVERIFY(box->hasSelectedText());
    QCOMPARE(text->selectionCount(), 0);
    // The characters stand where the box draws them (unfocused: no caret, no
    // highlight), a form too long for its box too, drawn whole at a smaller size.
    const auto inkMatchesCharacters = [&] {
        QRect first = text->characterRect(0);
        QRect last = text->characterRect(box->text().size() - 1);
        first.moveTopLeft(box->mapFromGlobal(first.topLeft()));
        last.moveTopLeft(box->mapFromGlobal(last.topLeft()));
        const QImage drawn = box->grab().toImage();
        int inkLeft = drawn.width();
        int inkRight = -1;
        for (int x = 3; x < drawn.width() - 3; ++x)
            for (int y = 3; y < drawn.height() - 3; ++y)
                if (drawn.pixelColor(x, y).lightness() < 128) {
                    inkLeft = std::min(inkLeft, x);
                    inkRight = std::max(inkRight, x);
                }
        QVERIFY2(std::abs(inkLeft - first.left()) <= 2, qPrintable(QString::number(inkLeft)));
        QVERIFY2(std::abs(inkRight - last.right()) <= 2, qPrintable(QString::number(inkRight)));
    };
    inkMatchesCharacters();
    window().retype(7, QStringLiteral("zusammengestellten"));
    window().click(window().box(6));
    inkMatchesCharacters();
    window().retype(7, QStringLiteral("holen"));

    // Edited as typed, but not the read-only display.
    accessible(box)->editableTextInterface()->replaceText(0, 5, QStringLiteral("hole"));
    QCOMPARE(box->text(), u"hole");
    auto *display = window().find<QLineEdit>("EdS4");
    accessible(display)->editableTextInterface()->insertText(0, QStringLiteral("x"));
    QVERIFY(display->text().isEmpty());
}

void AccessWindowTest::listsSayTheirEntry()
{
    QAccessibleInterface *tense = accessible(window().findWidget("ComboBox2"));
    QAccessibleTextInterface *text = tense->textInterface();
    QCOMPARE(text->text(0, text->characterCount()), u"present"); // the entry is " present"
    window().chooseInList("ComboBox2", 1);
    QCOMPARE(tense->text(QAccessible::Value), u"past");
    // Shown and hidden are told; a style or size by its full name, none yet too.
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::ALT | Qt::Key_F));
    QCOMPARE(announced(window()), u"Font lists shown");
    QAccessibleInterface *style = accessible(window().findWidget("ComboBox5"));
    QCOMPARE(style->text(QAccessible::Value), u"none chosen");
    window().chooseInList("ComboBox5", 3);
    QCOMPARE(announced(window()), u"Bold Italic");
    QCOMPARE(style->text(QAccessible::Value), u"Bold Italic");
    window().chooseInList("ComboBox6", 0);
    QCOMPARE(announced(window()), u"size 8");
    QAccessibleInterface *sizes = accessible(window().find<QComboBox>("ComboBox6")->view());
    QCOMPARE(sizes->child(4)->text(QAccessible::Name), u"size 12");
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::ALT | Qt::Key_F));
    QCOMPARE(announced(window()), u"Font lists hidden");
}

// At start-up the focus is on the letters display, box 13 active: the display says what it
// shows and draws its focus; a command acting on box 13, never entered, names it once.
void AccessWindowTest::startUpOnTheLettersDisplay()
{
    auto *letters = window().findWidget("EdS4");
    QVERIFY(letters->toolTip().startsWith(u"The letters Show Random has revealed (Alt+R)\n"));
    QCOMPARE(QApplication::focusWidget(), letters);
    const QImage focused = letters->grab().toImage();
    QTest::keyClick(letters, Qt::Key_Tab);
    QVERIFY(letters->grab().toImage() != focused);
    tabTo(letters);
    QCOMPARE(letters->grab().toImage(), focused);
    QTest::keySequence(letters, QKeySequence(Qt::ALT | Qt::Key_C));
    QVERIFY2(announced(window()).endsWith(u", in ich, separable prefix"),
             qPrintable(announced(window())));
    QTest::keySequence(letters, QKeySequence(Qt::ALT | Qt::Key_R));
    QVERIFY2(!announced(window()).contains(u", in "), qPrintable(announced(window())));
}

void AccessWindowTest::textNavigationAnswersEveryOffset_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("texts"); // typed in turn; a list shows its entries in turn
    // Generated texts of words with umlauts and the signs between the board's persons.
    QRandomGenerator generator(26);
    QStringList generated{QString(), QStringLiteral("ä"), QStringLiteral("hole"),
                          QStringLiteral("Ich hole ab"), QStringLiteral("er/sie/es (über) ß")};
    const QString letters = QStringLiteral("aehsüöäßÜ /(),");
    for (int count = 0; count < 30; ++count) {
        QString text;
        for (int length = generator.bounded(1, 14); text.size() < length;)
            text += letters[generator.bounded(int(letters.size()))];
        generated << text;
    }
    QTest::newRow("entry box") << QStringLiteral("E7") << generated;
    QTest::newRow("Alpha") << QStringLiteral("AlphaEdit") << generated.mid(0, 12);
    QTest::newRow("tense list") << QStringLiteral("ComboBox2") << QStringList(8, QString());
}

// Every call answers (the toolkit's own looped forever for a word at the end)
// with the piece that rules on letters alone expect: one character, a whole
// word or the run between words, the whole line.
void AccessWindowTest::textNavigationAnswersEveryOffset()
{
    QFETCH(QString, control);
    QFETCH(QStringList, texts);
    QWidget *widget = window().findWidget(control);
    for (int index = 0; index < texts.size(); ++index) {
        if (control == u"ComboBox2") {
            window().chooseInList(control, index);
        } else {
            window().click(widget);
            QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(widget, Qt::Key_Delete);
            for (QChar letter : texts[index]) // umlauts too, as a German keyboard types them
                QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(letter.toUpper().unicode()),
                                    QString(letter), Qt::NoModifier);
        }
        QAccessibleTextInterface *face = accessible(widget)->textInterface();
        const QString text = face->text(0, face->characterCount());
        const int length = int(text.size());
        using B = QAccessible::TextBoundaryType;
        for (B boundary : {B::CharBoundary, B::WordBoundary, B::SentenceBoundary, B::LineBoundary,
                           B::ParagraphBoundary}) {
            QList<int> ends; // of the pieces: characters, runs of letters or not, the line
            for (int end = 1; end <= length; ++end)
                if (end == length || boundary == B::CharBoundary ||
                    (boundary == B::WordBoundary &&
                     text[end].isLetter() != text[end - 1].isLetter()))
                    ends << end;
            // Piece k; none before the first (an empty span at 0) or after the last (at the end).
            const auto piece = [&](qsizetype k) {
                return k < 0              ? QPair(0, 0)
                       : k >= ends.size() ? QPair(length, length)
                                          : QPair(k ? ends[k - 1] : 0, ends[k]);
            };
            for (int offset = 0; offset <= length; ++offset) {
                // At the end no character stands, but the last word or line does.
                const qsizetype at =
                    offset == length && boundary != B::CharBoundary
                        ? ends.size() - 1
                        : std::upper_bound(ends.begin(), ends.end(), offset) - ends.begin();
                int start = -2, end = -2;
                const auto check = [&](const QString &said, QPair<int, int> expected) {
                    QVERIFY2(QPair(start, end) == expected && said == text.mid(start, end - start),
                             qPrintable(QStringLiteral("'%1' at %2, boundary %3")
                                            .arg(text)
                                            .arg(offset)
                                            .arg(int(boundary))));
                };
                check(face->textAtOffset(offset, boundary, &start, &end), piece(at));
                check(face->textBeforeOffset(offset, boundary, &start, &end), piece(at - 1));
                check(face->textAfterOffset(offset, boundary, &start, &end), piece(at + 1));
            }
            // The caret (-2) stands at the typed text's end.
            int start = -2, end = -2, caretStart = -2, caretEnd = -2;
            face->textAtOffset(-2, boundary, &caretStart, &caretEnd);
            face->textAtOffset(face->cursorPosition(), boundary, &start, &end);
            QCOMPARE(QPair(caretStart, caretEnd), QPair(start, end));
        }
    }
}

ZANDREL_WINDOW_TEST_MAIN(AccessWindowTest)
#include "AccessWindowTest.moc"
