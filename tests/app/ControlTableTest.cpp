// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as designed: every control by its name, in its place (drawn
// smaller, in proportion, on a screen too small for it), and every name the
// window's other tables use standing for a control of the class they expect.
#include "app/ControlTable.h"
#include "app/AccessibleNames.h"
#include "app/CommandKeys.h"
#include "app/FrameStylesAndListFlags.h"
#include "app/Unit1.h"
#include "app/WindowScale.h"
#include "appearance/FontGroups.h"
#include "appearance/FontStyle.h"
#include "support/WindowFixture.h"
#include "widgets/OfficePanel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

class ControlTableTest : public QObject {
    Q_OBJECT
private slots:
    void windowScale_data();
    void windowScale();
    void placesAndSizes_data();
    void placesAndSizes();
    void windowAndLists();
    void tabOrderRunsThroughTheGridInNumberOrder();
    void hiddenAtStart();
    void tablesNameControlsOfTheClassTheyExpect();
    void focusedBoxKeepsItsPlainFrame();
};

void ControlTableTest::windowScale_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<double>("scale");
    QTest::newRow("fits") << QSize(1366, 728) << 1.0;
    QTest::newRow("1366 x 768 at 150 %") << QSize(910, 512) << (910.0 - 16) / 1014;
    QTest::newRow("1920 x 1080 at 200 %") << QSize(960, 540) << (960.0 - 16) / 1014;
    QTest::newRow("wide but low") << QSize(1280, 400) << (400.0 - 48) / 471;
    QTest::newRow("screen unknown") << QSize() << 1.0;
}

void ControlTableTest::windowScale()
{
    QFETCH(QSize, available);
    QFETCH(double, scale);
    QCOMPARE(app::windowScale(available, QSize(1014, 471)), scale);
}

void ControlTableTest::placesAndSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    // Corners and edges of the grid, from the designed layout.
    QTest::newRow("E1") << "E1"
                        << "Form1" << QRect(133, 252, 65, 27);
    QTest::newRow("E4") << "E4"
                        << "Form1" << QRect(133, 372, 65, 27);
    QTest::newRow("E6") << "E6"
                        << "Form1" << QRect(207, 292, 86, 27);
    QTest::newRow("E11") << "E11"
                         << "Form1" << QRect(302, 332, 121, 27);
    QTest::newRow("E16") << "E16"
                         << "Form1" << QRect(432, 372, 63, 27);
    QTest::newRow("E17") << "E17"
                         << "Form1" << QRect(600, 252, 65, 27);
    QTest::newRow("E26") << "E26"
                         << "Form1" << QRect(770, 292, 121, 27);
    QTest::newRow("E32") << "E32"
                         << "Form1" << QRect(900, 372, 63, 27);
    QTest::newRow("E33") << "E33"
                         << "Form1" << QRect(236, 415, 115, 27);
    QTest::newRow("E35") << "E35"
                         << "Form1" << QRect(596, 415, 94, 27);
    QTest::newRow("E36") << "E36"
                         << "Form1" << QRect(740, 415, 90, 27);
    QTest::newRow("AlphaEdit") << "AlphaEdit"
                               << "Form1" << QRect(20, 48, 100, 27);
    QTest::newRow("btnAlpha") << "btnAlpha"
                              << "Form1" << QRect(120, 48, 8, 30);
    QTest::newRow("ComboBox2") << "ComboBox2"
                               << "Form1" << QRect(336, 48, 256, 27);
    QTest::newRow("EdS4") << "EdS4"
                          << "Panel1" << QRect(272, 20, 121, 27);
    QTest::newRow("btnShowAll") << "btnShowAll"
                                << "Panel2" << QRect(266, 20, 129, 25);
    QTest::newRow("btnHelp") << "btnHelp"
                             << "Form1" << QRect(997, 0, 16, 16);
    QTest::newRow("btnSzetR") << "btnSzetR"
                              << "Form1" << QRect(941, 224, 22, 25);
    QTest::newRow("HelpMemo") << "HelpMemo"
                              << "helppanel" << QRect(24, 19, 897, 345);
    QTest::newRow("SecretCheckBox") << "SecretCheckBox"
                                    << "helppanel" << QRect(816, 380, 97, 17);
}

void ControlTableTest::placesAndSizes()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    testwindow::WindowFixture window(testwindow::WindowFixture::NoFile{});
    QWidget *control = window.findWidget(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->parentWidget()->objectName(), parent);
    // The window as designed on a screen it fits, in proportion on one too small for it
    // (CMakeLists.txt runs both), its frame on the screen.
    const double scale = window.form().designScale();
    const QRect screen = window.form().screen()->availableGeometry();
    QCOMPARE(scale == 1.0, screen.width() >= 1030 && screen.height() >= 519);
    QVERIFY(scale <= 1.0 && screen.contains(window.form().frameGeometry()));
    QCOMPARE(QFontInfo(window.findWidget("btnHelp")->font()).pixelSize(),
             app::scaledPixels(11, scale)); // design fonts are in pixels, the lettering in points
    QCOMPARE(window.findWidget("Label10")->font().pointSizeF(), 14 * scale);
    const QRect drawn = app::scaled(geometry, scale);
    QCOMPARE(control->pos(), drawn.topLeft());
    QCOMPARE(control->width(), drawn.width());
    if (!qobject_cast<QLineEdit *>(control)) // entry boxes size their height to their font
        QCOMPARE(control->height(), drawn.height());
}

void ControlTableTest::windowAndLists()
{
    testwindow::WindowFixture window(testwindow::WindowFixture::NoFile{});
    QCOMPARE(window.form().objectName(), QStringLiteral("Form1"));
    QCOMPARE(window.form().windowTitle(), QStringLiteral("German Verb Zandrel"));
    QVERIFY(window.form().findChild<QObject *>(QStringLiteral("MessageDialog1")));

    auto *tenses = window.find<QComboBox>(QStringLiteral("ComboBox2"));
    QCOMPARE(tenses->count(), 15);
    QCOMPARE(tenses->itemText(0), QStringLiteral(" present"));
    QCOMPARE(tenses->itemText(8), QStringLiteral(" past subjunctive I "));
    QCOMPARE(tenses->itemText(14), QStringLiteral(" (imperative mood)"));
    auto *styles = window.find<QComboBox>(QStringLiteral("ComboBox5"));
    QCOMPARE(styles->itemText(3), QStringLiteral(" B-I"));
    auto *sizes = window.find<QComboBox>(QStringLiteral("ComboBox6"));
    QCOMPARE(sizes->count(), 5);
    QCOMPARE(sizes->currentIndex(), -1);
    QCOMPARE(window.find<QLabel>(QStringLiteral("Label4"))->text(), QStringLiteral("er/sie/es"));
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("SpChar"))->text(), QStringLiteral("SpChar"));
}

void ControlTableTest::tabOrderRunsThroughTheGridInNumberOrder()
{
    // Boxes only take the focus while visible: show them all with a record
    // whose every line of the reflexive layout carries a form.
    testdata::VerbRecordBuilder record('r', 'w', '1');
    record.verb(QStringLiteral("sich testen")).fillEveryForm();
    testwindow::WindowFixture window({record});
    window.chooseInList(QStringLiteral("ComboBox2"), 5); // columns 1 to 4 in both blocks
    window.click(window.box(1));
    for (int box = 2; box <= 32; ++box) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window.box(box)));
    }
}

void ControlTableTest::hiddenAtStart()
{
    testwindow::WindowFixture window(testwindow::WindowFixture::NoFile{});
    for (const char *name : {"ComboBox4", "ComboBox5", "ComboBox6", "SpChar", "helppanel"})
        QVERIFY2(window.findWidget(QString::fromLatin1(name))->isHidden(), name);
    for (int box = 1; box <= 36; ++box)
        QVERIFY(window.box(box)->isHidden());
}

void ControlTableTest::tablesNameControlsOfTheClassTheyExpect()
{
    testwindow::WindowFixture window(testwindow::WindowFixture::NoFile{});
    QStringList designed;
    for (const app::ControlSpec &control : app::controlTable())
        designed.append(control.name);
    QStringList faults;
    const auto expect = [&](const QString &name, const QMetaObject &expected, const char *table) {
        if (!designed.contains(name) || !expected.cast(window.findWidget(name)))
            faults.append(
                QStringLiteral("%1 (%2) is no %3").arg(name, table, expected.className()));
    };
    for (const auto &group : appearance::fontGroups())
        for (const QString &name : group.controls)
            expect(name, QWidget::staticMetaObject, "font groups");
    for (const QString &name : appearance::styleGroup())
        expect(name, QWidget::staticMetaObject, "style group");
    for (const app::CommandKey &command : app::commandKeys()) {
        for (const QString &name : command.controls)
            expect(name,
                   command.movesFocus ? widgets::OfficeEdit::staticMetaObject
                   : name == u"panTy" ? widgets::OfficePanel::staticMetaObject
                                      : QAbstractButton::staticMetaObject,
                   "command keys");
        for (const QString &name : app::toolTipControls(command))
            expect(name, QWidget::staticMetaObject, "command keys' tooltips");
    }
    for (const app::AccessibleName &named : app::accessibleNames())
        expect(named.control, QWidget::staticMetaObject, "accessible names");
    for (const app::LabelFor &pair : app::labelsFor()) {
        expect(pair.label, QLabel::staticMetaObject, "label pairs");
        expect(pair.control, QWidget::staticMetaObject, "label pairs");
    }
    for (const app::ControlSpec &control : app::controlTable())
        if (control.look != app::Look::Own)
            expect(control.name, app::lookClass(control.look), "looks");
    QCOMPARE(faults, QStringList());
    QCOMPARE(appearance::styleGroup().size(), 80);
}

void ControlTableTest::focusedBoxKeepsItsPlainFrame()
{
    testdata::VerbRecordBuilder record;
    record.verb(QStringLiteral("gehen")).fillEveryForm();
    testwindow::WindowFixture window({record});
    QWidget *box = window.box(5);
    const QColor face = window.form().palette().color(QPalette::Button);
    for (bool focused : {false, true}) {
        if (focused)
            window.click(box);
        QCOMPARE(box->hasFocus(), focused);
        const QImage image = box->grab().toImage();
        for (int ring = 0; ring < 2; ++ring) {
            QCOMPARE(image.pixelColor(20, ring), face);
            QCOMPARE(image.pixelColor(ring, 10), face);
            QCOMPARE(image.pixelColor(image.width() - 1 - ring, 10), face);
        }
    }
}

ZANDREL_WINDOW_TEST_MAIN(ControlTableTest)
#include "ControlTableTest.moc"
