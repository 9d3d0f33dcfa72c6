// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's lettering under the learner's own input: the default set at
// every activation, the font chooser, the style and size lists, "F" and the
// help panel.
#include "app/Unit1.h"
#include "appearance/FontSubstitutes.h"
#include "support/WindowFixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTest>
#include <QWheelEvent>

using testwindow::WindowFixture;

namespace {

const QString Franklin = QStringLiteral("Franklin Gothic Medium");
const QString ChosenTypeface = QStringLiteral("DejaVu Serif"); // installed with the build tools

QStringList numbered(const QString &prefix, int first, int last)
{
    QStringList names;
    for (int number = first; number <= last; ++number)
        names.append(prefix + QString::number(number));
    return names;
}

// The font groups as the learner sees them, written out here on their own.
struct Group {
    QString name;
    QStringList controls;
    int defaultSize;
    bool answerBoxes = false;
    bool recordCaptions = false;
};

const QList<Group> &groups()
{
    static const QList<Group> all{
        {"headings", {"Label10", "Label11", "Label14"}, 14},
        {"person labels", numbered("Label", 1, 8) + QStringList{"Label19", "Label20", "Label21"},
         12},
        {"lists", {"ComboBox1", "ComboBox2", "AlphaEdit", "ComboBox5", "ComboBox6"}, 12},
        {"commands",
         {"btnTestAnswers", "btnTestAnswersRestore",
          "btnShowAll",     "btnShowAllRestore",
          "btnShowCorrect", "btnShowCorrectRestore",
          "btnShowRand",    "leftCopy",
          "leftPaste",      "btnVar",
          "rightCopy",      "rightPaste",
          "panTy",          "btnUmlauta",
          "btnUmlauto",     "btnUmlautu",
          "btnSzet",        "btnUmlautaR",
          "btnUmlautoR",    "btnUmlautuR",
          "btnSzetR"},
         12},
        {"answer boxes", numbered("E", 1, 36) + QStringList{"EdS4"}, 10, true},
        {"record captions", {"Label9", "Label15"}, 16, false, true},
    };
    return all;
}

QStringList styleGroup()
{
    QStringList names{"Label12"};
    for (const Group &group : groups())
        names += group.controls;
    return names;
}

// Controls that keep their design typeface and size whatever is chosen.
struct DesignFont {
    QString control;
    QString family;
    int pixels;
};

const QList<DesignFont> &outsideControls()
{
    static const QList<DesignFont> all{
        {"ComboBox4", "Cooper Black", 16}, {"btnFont", "Consolas", 11},
        {"btnHelp", "Consolas", 11},       {"btnAlpha", "Consolas", 13},
        {"Label12", "Consolas", 11},       {"HelpMemo", Franklin, 11},
        {"btnHelpClose", Franklin, 13},    {"SecretCheckBox", "Arial Narrow", 11},
        {"SpChar", "Consolas", 13},
    };
    return all;
}

QList<testdata::VerbRecordBuilder> oneVerb()
{
    testdata::VerbRecordBuilder gehen;
    gehen.verb(QStringLiteral("gehen")).fillEveryForm();
    return {gehen};
}

// Every way the window's lettering differs from the expected one: `typeface`
// on every group but the record captions, `answerSize` on the answer boxes.
QStringList letteringMismatches(const WindowFixture &window, const QString &typeface,
                                int answerSize)
{
    QStringList mismatches;
    for (const Group &group : groups()) {
        const QString family = group.recordCaptions ? Franklin : typeface;
        const int size = group.answerBoxes ? answerSize : group.defaultSize;
        for (const QString &name : group.controls) {
            const QWidget *control = window.findWidget(name);
            if (!control) {
                mismatches.append(name + " missing");
                continue;
            }
            const QFont font = control->font();
            if (font.family() != appearance::installedTypeface(family) || font.pointSize() != size)
                mismatches.append(QStringLiteral("%1 (%2): %3 %4, expected %5 %6")
                                      .arg(name, group.name, font.family())
                                      .arg(font.pointSize())
                                      .arg(family)
                                      .arg(size));
        }
    }
    for (const DesignFont &design : outsideControls()) {
        const QFont font = window.findWidget(design.control)->font();
        if (font.family() != appearance::installedTypeface(design.family) ||
            font.pixelSize() != design.pixels)
            mismatches.append(QStringLiteral("%1 changed to %2 %3 px")
                                  .arg(design.control, font.family())
                                  .arg(font.pixelSize()));
    }
    return mismatches;
}

QStringList styleMismatches(const WindowFixture &window, bool bold, bool italic)
{
    QStringList mismatches;
    for (const QString &name : styleGroup()) {
        const QFont font = window.findWidget(name)->font();
        if (font.bold() != bold || font.italic() != italic || font.underline() || font.strikeOut())
            mismatches.append(QStringLiteral("%1 bold %2 italic %3")
                                  .arg(name)
                                  .arg(font.bold())
                                  .arg(font.italic()));
    }
    for (const DesignFont &design : outsideControls()) {
        if (design.control == u"Label12")
            continue;
        const QFont font = window.findWidget(design.control)->font();
        if (font.bold() || font.italic())
            mismatches.append(design.control + " styled");
    }
    return mismatches;
}

#define VERIFY_NONE(list)                                                                          \
    do {                                                                                           \
        const QStringList found = (list);                                                          \
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));                   \
    } while (false)

QComboBox *list(const WindowFixture &window, const char *name)
{
    return window.find<QComboBox>(QString::fromLatin1(name));
}

void showFontControls(WindowFixture &window)
{
    if (list(window, "ComboBox4")->isHidden())
        window.click(QStringLiteral("btnFont"));
}

void chooseTypeface(WindowFixture &window, const QString &family)
{
    showFontControls(window);
    const int index = list(window, "ComboBox4")->findText(family);
    QVERIFY2(index >= 0, qPrintable(family + " is not in the font chooser"));
    window.chooseInList(QStringLiteral("ComboBox4"), index);
    QCOMPARE(list(window, "ComboBox4")->currentText(), family);
}

QString firstTypeface(const WindowFixture &window)
{
    return list(window, "ComboBox4")->itemText(0);
}

// Focus moves to a message box the window owns, and back when the learner
// clicks its button.
void showAndCloseAMessageBox(WindowFixture &window)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("German Verb Zandrel"),
                    QStringLiteral("A message."), QMessageBox::Ok, &window.form());
    box.open();
    // The window system reports focus moves later than widgets see them.
    QTRY_VERIFY(box.windowHandle() && QGuiApplication::focusWindow() == box.windowHandle());
    QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    QVERIFY(box.isHidden());
    // A desktop's window manager now hands the focus back to the window; the
    // offscreen platform has none, so the test does what it would.
    window.form().activateWindow();
    QTRY_COMPARE(QGuiApplication::focusWindow(), window.form().windowHandle());
    QApplication::processEvents();
}

} // namespace

class LetteringWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        appearance::registerFontSubstitutes(); // as the program does at start-up
    }

    void startUpShowsTheDefaultSet_data()
    {
        QTest::addColumn<bool>("wholeRecords");
        QTest::newRow("whole records") << true;
        // The line-count warning appears before the first activation.
        QTest::newRow("one line too many") << false;
    }

    void startUpShowsTheDefaultSet()
    {
        QFETCH(bool, wholeRecords);
        QByteArray bytes = testdata::verbFileBytes(oneVerb());
        if (!wholeRecords)
            bytes += "one line too many\r\n";
        WindowFixture window(bytes);
        QCOMPARE(window.messages().size(), wholeRecords ? 0 : 1);
        VERIFY_NONE(letteringMismatches(window, Franklin, 10));
        VERIFY_NONE(styleMismatches(window, false, false));
        QCOMPARE(window.form().entryFontSize(), 10);
        for (const char *name : {"ComboBox4", "ComboBox5", "ComboBox6"})
            QVERIFY2(list(window, name)->isHidden(), name);
        QCOMPARE(list(window, "ComboBox4")->currentIndex(), 0);
        QCOMPARE(list(window, "ComboBox5")->currentIndex(), -1);
        QCOMPARE(list(window, "ComboBox6")->currentIndex(), -1);
    }

    void typefaceChoiceReachesEveryGroupButTheRecordCaptions()
    {
        WindowFixture window(oneVerb());
        chooseTypeface(window, ChosenTypeface);
        // No size was chosen: the answer boxes get 10 points.
        VERIFY_NONE(letteringMismatches(window, ChosenTypeface, 10));
        VERIFY_NONE(styleMismatches(window, false, false));
    }

    void sizeChoiceSetsTheAnswerBoxesInTheChoosersTypeface_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("points");
        for (int index = 0; index <= 4; ++index)
            QTest::addRow("index %d", index) << index << 8 + index;
    }

    void sizeChoiceSetsTheAnswerBoxesInTheChoosersTypeface()
    {
        QFETCH(int, index);
        QFETCH(int, points);
        WindowFixture window(oneVerb());
        showFontControls(window);
        window.chooseInList(QStringLiteral("ComboBox6"), index);
        QCOMPARE(window.form().entryFontSize(), points);
        // The chooser is still on its first entry, which now reaches the groups.
        VERIFY_NONE(letteringMismatches(window, firstTypeface(window), points));
    }

    void sizeChoiceByArrowKeys()
    {
        WindowFixture window(oneVerb());
        showFontControls(window);
        QComboBox *sizes = list(window, "ComboBox6");
        window.click(sizes); // opens the list and focuses it
        QTest::keyClick(sizes->view(), Qt::Key_Escape);
        QTRY_VERIFY(!sizes->view()->isVisible());
        QCOMPARE(QApplication::focusWidget(), sizes);
        QTest::keyClick(sizes, Qt::Key_Down); // no selection: the first entry, " 8"
        QCOMPARE(window.form().entryFontSize(), 8);
        QTest::keyClick(sizes, Qt::Key_Down);
        QTest::keyClick(sizes, Qt::Key_Down);
        QCOMPARE(window.form().entryFontSize(), 10);
        QTest::keyClick(sizes, Qt::Key_End);
        QCOMPARE(window.form().entryFontSize(), 12);
        VERIFY_NONE(letteringMismatches(window, firstTypeface(window), 12));
    }

    void stepsThroughTheChooserApplyEachTypefacePassed_data()
    {
        QTest::addColumn<bool>("byWheel");
        QTest::newRow("arrow keys") << false;
        QTest::newRow("wheel") << true;
    }

    void stepsThroughTheChooserApplyEachTypefacePassed()
    {
        QFETCH(bool, byWheel);
        WindowFixture window(oneVerb());
        showFontControls(window);
        QComboBox *chooser = list(window, "ComboBox4");
        QVERIFY(chooser->count() >= 3);
        window.click(chooser);
        QTest::keyClick(chooser->view(), Qt::Key_Escape);
        QTRY_VERIFY(!chooser->view()->isVisible());
        QCOMPARE(QApplication::focusWidget(), chooser);
        auto step = [&](bool down) {
            if (!byWheel) {
                QTest::keyClick(chooser, down ? Qt::Key_Down : Qt::Key_Up);
                return;
            }
            const QPoint centre = chooser->rect().center();
            QWheelEvent wheel(centre, chooser->mapToGlobal(centre), QPoint(),
                              QPoint(0, down ? -120 : 120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(chooser, &wheel);
        };
        const std::pair<bool, int> steps[] = {{true, 1}, {true, 2}, {false, 1}};
        for (const auto &[down, expected] : steps) {
            step(down);
            QCOMPARE(chooser->currentIndex(), expected);
            VERIFY_NONE(letteringMismatches(window, chooser->itemText(expected), 10));
        }
    }

    void styleChoiceReplacesBoldAndItalicOnEightyControls_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow(" Reg") << 0 << false << false;
        QTest::newRow(" Bold") << 1 << true << false;
        QTest::newRow(" Ital") << 2 << false << true;
        QTest::newRow(" B-I") << 3 << true << true;
    }

    void styleChoiceReplacesBoldAndItalicOnEightyControls()
    {
        QFETCH(int, index);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        WindowFixture window(oneVerb());
        showFontControls(window);
        // Start from the opposite style, so every row replaces something.
        window.chooseInList(QStringLiteral("ComboBox5"), 3 - index);
        window.chooseInList(QStringLiteral("ComboBox5"), index);
        VERIFY_NONE(styleMismatches(window, bold, italic));
        // The style choice also re-applies the chooser's typeface and size 10.
        VERIFY_NONE(letteringMismatches(window, firstTypeface(window), 10));
        QCOMPARE(window.form().entryFontSize(), 10);
    }

    void returnFromAMessageBoxRestoresTheDefaultsAndKeepsTheStyle()
    {
        WindowFixture window(oneVerb());
        chooseTypeface(window, ChosenTypeface);
        window.chooseInList(QStringLiteral("ComboBox6"), 4);
        window.chooseInList(QStringLiteral("ComboBox5"), 1);
        VERIFY_NONE(letteringMismatches(window, ChosenTypeface, 12));

        showAndCloseAMessageBox(window);
        if (QTest::currentTestFailed())
            return;
        VERIFY_NONE(letteringMismatches(window, Franklin, 10));
        VERIFY_NONE(styleMismatches(window, true, false));
        // The lists and EntryFontSize keep the choices ...
        QCOMPARE(list(window, "ComboBox4")->currentText(), ChosenTypeface);
        QCOMPARE(list(window, "ComboBox6")->currentIndex(), 4);
        QCOMPARE(window.form().entryFontSize(), 12);
        // ... and the next choice shows them again.
        window.chooseInList(QStringLiteral("ComboBox5"), 2);
        VERIFY_NONE(letteringMismatches(window, ChosenTypeface, 12));
        VERIFY_NONE(styleMismatches(window, false, true));
    }

    void openingAndClosingTheHelpPanelChangesNothing()
    {
        WindowFixture window(oneVerb());
        chooseTypeface(window, ChosenTypeface);
        window.chooseInList(QStringLiteral("ComboBox6"), 0);
        window.chooseInList(QStringLiteral("ComboBox5"), 3);
        window.click(QStringLiteral("btnHelp"));
        QVERIFY(window.findWidget(QStringLiteral("helppanel"))->isVisible());
        window.click(QStringLiteral("btnHelpClose"));
        QVERIFY(window.findWidget(QStringLiteral("helppanel"))->isHidden());
        VERIFY_NONE(letteringMismatches(window, ChosenTypeface, 8));
        VERIFY_NONE(styleMismatches(window, true, true));
        QCOMPARE(window.form().entryFontSize(), 8);
    }

    void fontButtonShowsAndHidesTheThreeListsWhichKeepTheirChoices()
    {
        WindowFixture window(oneVerb());
        const QList<QComboBox *> lists{list(window, "ComboBox4"), list(window, "ComboBox5"),
                                       list(window, "ComboBox6")};
        window.click(QStringLiteral("btnFont"));
        for (QComboBox *fontList : lists)
            QVERIFY2(fontList->isVisible(), qPrintable(fontList->objectName()));
        window.chooseInList(QStringLiteral("ComboBox6"), 3);
        window.chooseInList(QStringLiteral("ComboBox5"), 2);
        window.click(QStringLiteral("btnFont"));
        for (QComboBox *fontList : lists)
            QVERIFY2(fontList->isHidden(), qPrintable(fontList->objectName()));
        window.click(QStringLiteral("btnFont"));
        QCOMPARE(lists[0]->currentIndex(), 0);
        QCOMPARE(lists[1]->currentIndex(), 2);
        QCOMPARE(lists[2]->currentIndex(), 3);
        // Showing and hiding applies nothing.
        VERIFY_NONE(letteringMismatches(window, firstTypeface(window), 11));
        VERIFY_NONE(styleMismatches(window, false, true));
    }

    void labelsGrowWithTheirLettering()
    {
        WindowFixture window(oneVerb());
        showFontControls(window);
        window.chooseInList(QStringLiteral("ComboBox5"), 1);
        for (const QString &name : {QStringLiteral("Label4"), QStringLiteral("Label10"),
                                    QStringLiteral("Label12"), QStringLiteral("Label9")}) {
            const QWidget *label = window.findWidget(name);
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(name));
        }
    }
};

QTEST_MAIN(LetteringWindowTest)
#include "LetteringWindowTest.moc"
