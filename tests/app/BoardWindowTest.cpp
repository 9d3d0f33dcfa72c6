// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading the verb file and refreshing the board, on the real window.
#include "app/Unit1.h"
#include "data/RecordLayout.h"
#include "support/WindowFixture.h"
#include "widgets/OfficeButton.h"
#include "widgets/OfficeEdit.h"

#include <QComboBox>
#include <QLabel>

using testdata::VerbRecordBuilder;
using testwindow::VerbFileRead;
using testwindow::WindowFixture;

namespace {

// The box shows the text's CR LF line breaks as line breaks.
const QString Warning =
    QStringLiteral("The total number of \nlines in the data\nfile is not correct.");

QList<int> visibleBoxes(const WindowFixture &window)
{
    QList<int> visible;
    for (int box = 1; box <= 36; ++box) {
        if (!window.box(box)->isHidden())
            visible.append(box);
    }
    return visible;
}

QList<int> range(int first, int last)
{
    QList<int> boxes;
    for (int box = first; box <= last; ++box)
        boxes.append(box);
    return boxes;
}

VerbRecordBuilder fullRecord(char category, const char *verb, char type = 'w', char variants = '1')
{
    VerbRecordBuilder record(category, type, variants);
    record.verb(QString::fromUtf8(verb));
    if (data::categoryFromCode(category))
        record.fillEveryForm();
    return record;
}

} // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startUpSelectsTheFirstVerbAndPresent();
    void boxesFollowTheCategoryAndTense_data();
    void boxesFollowTheCategoryAndTense();
    void leavingTheImperativeHidesE36();
    void answersAreTrimmedAndCaptionsAreNot();
    void unknownCategoryShowsNothingButTheTenseCaption();
    void unknownTypeLetterKeepsThePreviousType();
    void lineCountWarning_data();
    void lineCountWarning();
    void missingFileLeavesAWorkingWindow_data();
    void missingFileLeavesAWorkingWindow();
    void emptyFileGivesAnEmptyList();
};

void BoardWindowTest::startUpSelectsTheFirstVerbAndPresent()
{
    VerbRecordBuilder gehen = fullRecord('n', "gehen", 's', '2');
    gehen.captions(0, QStringLiteral("gehen, ging, ist gegangen"), QStringLiteral("to go"));
    WindowFixture window({gehen, fullRecord('s', "  aufstehen")});

    auto *verbs = window.find<QComboBox>(QStringLiteral("ComboBox1"));
    QCOMPARE(verbs->count(), 2);
    QCOMPARE(verbs->currentIndex(), 0);
    QCOMPARE(verbs->itemText(0), QStringLiteral(" gehen"));
    QCOMPARE(verbs->itemText(1), QStringLiteral("   aufstehen")); // leading blanks are kept
    QCOMPARE(window.find<QComboBox>(QStringLiteral("ComboBox2"))->currentText(),
             QStringLiteral(" present"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label12"))->text(),
             QStringLiteral("Indikativ Präsens"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label9"))->text(),
             QStringLiteral("gehen, ging, ist gegangen"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label15"))->text(), QStringLiteral("to go"));
    QCOMPARE(window.find<widgets::OfficeButton>(QStringLiteral("btnVar"))->text(),
             QStringLiteral("2"));
    QCOMPARE(window.form().typeName(), QStringLiteral("Strong"));
    // The first focus goes to the reveal display, which makes E13 the active box.
    QCOMPARE(QApplication::focusWidget(), window.findWidget(QStringLiteral("EdS4")));
    QCOMPARE(window.form().practiceState().activeBox(), 13);
    QVERIFY(window.messages().isEmpty());
}

void BoardWindowTest::boxesFollowTheCategoryAndTense_data()
{
    QTest::addColumn<char>("category");
    QTest::addColumn<int>("tense");
    QTest::addColumn<QList<int>>("visible");
    QTest::addColumn<QString>("tenseCaption");
    QTest::newRow("n present") << 'n' << 0 << range(5, 8) + range(21, 24) << "Indikativ Präsens";
    QTest::newRow("n perfect") << 'n' << 3
                               << range(1, 4) + range(9, 12) + range(17, 20) + range(25, 28)
                               << "Indikativ Perfekt";
    QTest::newRow("n imperative") << 'n' << 14 << range(33, 35) << "Imperativ";
    QTest::newRow("s past") << 's' << 1
                            << range(5, 8) + range(13, 16) + range(21, 24) + range(29, 32)
                            << "Indikativ Präteritum";
    QTest::newRow("r present") << 'r' << 0 << range(5, 16) + range(21, 32) << "Indikativ Präsens";
    QTest::newRow("r future perfect II") << 'r' << 13 << range(1, 32) << "Konjunktiv II Futur II";
    QTest::newRow("d future") << 'd' << 2 << range(1, 12) + range(17, 28) << "Indikativ Futur I";
    QTest::newRow("d imperative") << 'd' << 14 << range(33, 36) << "Imperativ";
}

void BoardWindowTest::boxesFollowTheCategoryAndTense()
{
    QFETCH(char, category);
    QFETCH(int, tense);
    QFETCH(QList<int>, visible);
    QFETCH(QString, tenseCaption);
    WindowFixture window({fullRecord(category, "verb")});
    window.chooseInList(QStringLiteral("ComboBox2"), tense);

    QCOMPARE(visibleBoxes(window), visible);
    for (int box = 1; box <= 36; ++box) {
        QVERIFY(window.box(box)->text().isEmpty());
        const QString expected =
            visible.contains(box) ? VerbRecordBuilder::sampleForm(tense, box) : QString();
        QCOMPARE(window.form().answerSlot(box), expected);
    }
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label12"))->text(), tenseCaption);
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label9"))->text(),
             VerbRecordBuilder::sampleCaption(tense, 1));
}

void BoardWindowTest::leavingTheImperativeHidesE36()
{
    WindowFixture window({fullRecord('s', "aufstehen")});
    window.chooseInList(QStringLiteral("ComboBox2"), 14);
    QVERIFY(!window.box(36)->isHidden());
    window.chooseInList(QStringLiteral("ComboBox2"), 0);
    QVERIFY(window.box(36)->isHidden());
    QVERIFY(window.form().answerSlot(36).isEmpty());
}

void BoardWindowTest::answersAreTrimmedAndCaptionsAreNot()
{
    VerbRecordBuilder record('n', 'w', '1');
    record.verb(QStringLiteral("sagen"))
        .captions(0, QStringLiteral("  sagen  "), QStringLiteral("\tto say "))
        .form(0, 5, QStringLiteral(" \tsage  "))
        .form(0, 6, QStringLiteral("   ")); // blanks only: no form here
    WindowFixture window({record});
    QCOMPARE(window.form().answerSlot(5), QStringLiteral("sage"));
    QVERIFY(window.form().answerSlot(6).isEmpty());
    QVERIFY(window.box(6)->isHidden());
    QCOMPARE(visibleBoxes(window), QList<int>{5});
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label9"))->text(), QStringLiteral("  sagen  "));
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label15"))->text(), QStringLiteral("\tto say "));
}

void BoardWindowTest::unknownCategoryShowsNothingButTheTenseCaption()
{
    // An upper-case "R" is no category: codes are compared exactly.
    WindowFixture window({fullRecord('n', "gehen", 'w', '3'), fullRecord('R', "Raten", 'w', '2')});
    window.chooseInList(QStringLiteral("ComboBox2"), 4);
    window.chooseInList(QStringLiteral("ComboBox1"), 1);

    QVERIFY(visibleBoxes(window).isEmpty());
    QVERIFY(window.find<QLabel>(QStringLiteral("Label9"))->text().isEmpty());
    QVERIFY(window.find<QLabel>(QStringLiteral("Label15"))->text().isEmpty());
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label12"))->text(),
             QStringLiteral("Indikativ Plusquamperfekt"));
    QCOMPARE(window.find<widgets::OfficeButton>(QStringLiteral("btnVar"))->text(),
             QStringLiteral("3"));
}

void BoardWindowTest::unknownTypeLetterKeepsThePreviousType()
{
    WindowFixture window({fullRecord('n', "essen", 's', '4'), fullRecord('n', "geben", 'x', '1'),
                          fullRecord('n', "haben", '\0', '\0')});
    QCOMPARE(window.form().typeName(), QStringLiteral("Strong"));
    QCOMPARE(window.form().variantsDigit(), QStringLiteral("4"));
    window.chooseInList(QStringLiteral("ComboBox1"), 1);
    QCOMPARE(window.form().typeName(), QStringLiteral("Strong"));
    QCOMPARE(window.form().variantsDigit(), QStringLiteral("1"));
    window.chooseInList(QStringLiteral("ComboBox1"), 2); // empty header lines
    QCOMPARE(window.form().typeName(), QStringLiteral("Strong"));
    QCOMPARE(window.form().variantsDigit(), QStringLiteral("1"));
}

void BoardWindowTest::lineCountWarning_data()
{
    QTest::addColumn<int>("extraLines");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<VerbFileRead>("read");
    QTest::newRow("790 lines") << 0 << false << VerbFileRead::OnSecondThread;
    QTest::newRow("791 lines") << 1 << true << VerbFileRead::OnSecondThread;
    QTest::newRow("1184 lines") << 394 << true << VerbFileRead::OnSecondThread;
    QTest::newRow("791 lines, read when shown") << 1 << true << VerbFileRead::WhenShown;
}

void BoardWindowTest::lineCountWarning()
{
    QFETCH(int, extraLines);
    QFETCH(bool, warned);
    QFETCH(VerbFileRead, read);
    QList<QByteArray> lines =
        fullRecord('n', "gehen").lines() + fullRecord('d', "Rad fahren").lines();
    for (int i = 0; i < extraLines; ++i)
        lines.append("n" + QByteArray(29, ' ') + "part of a record");
    WindowFixture window(testdata::joinLines(lines), read);

    QCOMPARE(window.messages().size(), warned ? 1 : 0);
    if (warned) {
        QCOMPARE(window.messages().front().text, Warning);
        QCOMPARE(window.messages().front().title, QStringLiteral("Information"));
        // On top of the window, not alone before it (on Wayland nothing else keeps it there).
        QVERIFY(window.messages().front().overShownWindow);
    }
    // Loading goes on: the whole records are listed, the part-record is not.
    QCOMPARE(window.find<QComboBox>(QStringLiteral("ComboBox1"))->count(), 2);
    QCOMPARE(visibleBoxes(window), range(5, 8) + range(21, 24));
}

void BoardWindowTest::missingFileLeavesAWorkingWindow_data()
{
    QTest::addColumn<VerbFileRead>("read");
    QTest::newRow("read on a second thread") << VerbFileRead::OnSecondThread;
    QTest::newRow("read when shown") << VerbFileRead::WhenShown;
}

void BoardWindowTest::missingFileLeavesAWorkingWindow()
{
    QFETCH(VerbFileRead, read);
    WindowFixture window(WindowFixture::NoFile{}, read);
    QCOMPARE(window.messages().size(), 1);
    QCOMPARE(window.messages().front().text, QStringLiteral("Cannot open file Verb12Data.txt."));
    QCOMPARE(window.messages().front().title, QStringLiteral("German Verb Zandrel"));
    QVERIFY(window.messages().front().overShownWindow);
    QVERIFY(window.form().isVisible());
    auto *verbs = window.find<QComboBox>(QStringLiteral("ComboBox1"));
    QCOMPARE(verbs->count(), 0);
    QCOMPARE(verbs->currentIndex(), -1);

    // Choosing a tense reads no record.
    window.chooseInList(QStringLiteral("ComboBox2"), 3);
    QVERIFY(visibleBoxes(window).isEmpty());
    window.click(QStringLiteral("btnShowAll"));
    window.click(QStringLiteral("btnTestAnswers"));
    QVERIFY(visibleBoxes(window).isEmpty());
}

void BoardWindowTest::emptyFileGivesAnEmptyList()
{
    WindowFixture window(QByteArray{});
    QVERIFY(window.messages().isEmpty());
    QCOMPARE(window.find<QComboBox>(QStringLiteral("ComboBox1"))->count(), 0);
    QCOMPARE(window.find<QComboBox>(QStringLiteral("ComboBox2"))->currentIndex(), -1);
    window.chooseInList(QStringLiteral("ComboBox2"), 14);
    QVERIFY(visibleBoxes(window).isEmpty());
}

ZANDREL_WINDOW_TEST_MAIN(BoardWindowTest)
#include "BoardWindowTest.moc"
