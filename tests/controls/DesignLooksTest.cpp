// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's design looks, applied to controls found by name: what each
// group gets, and how an entry box looks focused.

#include "ControlTestSupport.h"

#include "controls/DesignLooks.h"
#include "controls/FlatFontComboBox.h"
#include "controls/OfficeButton.h"
#include "controls/OfficeEdit.h"
#include "controls/OfficeMemo.h"
#include "controls/OfficePanel.h"

#include <QtTest>

using namespace controls;
using S = OfficeBorderStyle;

namespace {

template <typename T> T *add(QWidget *window, const QString &name)
{
    auto *control = new T(window);
    control->setObjectName(name);
    return control;
}

} // namespace

class DesignLooksTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyNamedControlIsFound();
    void entryBoxesAreSolidInEveryState();
    void buttonsGetTheirGroupsLooks();
    void panelsMemoAndListsGetTheirLooks();
    void missingControlsAreReported();

private:
    std::unique_ptr<QWidget> m_window;
    QStringList m_missing;
};

void DesignLooksTest::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->setPalette(controltest::distinctPalette());
    for (int box = 1; box <= 36; ++box)
        add<OfficeEdit>(m_window.get(), QString("E%1").arg(box))->setGeometry(10, 30 * box, 60, 27);
    for (const char *name : {"AlphaEdit", "EdS4", "SpChar"})
        add<OfficeEdit>(m_window.get(), name);
    for (const char *name : {"btnVar",
                             "btnAlpha",
                             "leftCopy",
                             "leftPaste",
                             "rightCopy",
                             "rightPaste",
                             "btnHelp",
                             "btnFont",
                             "btnUmlauta",
                             "btnUmlauto",
                             "btnUmlautu",
                             "btnSzet",
                             "btnUmlautaR",
                             "btnUmlautoR",
                             "btnUmlautuR",
                             "btnSzetR",
                             "btnShowRand",
                             "btnShowCorrect",
                             "btnTestAnswers",
                             "btnTestAnswersRestore",
                             "btnShowAll",
                             "btnShowAllRestore",
                             "btnShowCorrectRestore",
                             "btnHelpClose"})
        add<OfficeButton>(m_window.get(), name);
    add<OfficePanel>(m_window.get(), "panTy");
    add<OfficePanel>(m_window.get(), "helppanel");
    add<OfficeMemo>(m_window.get(), "HelpMemo");
    for (const char *name : {"ComboBox1", "ComboBox2", "ComboBox5", "ComboBox6"})
        add<FlatComboBox>(m_window.get(), name);
    add<FlatFontComboBox>(m_window.get(), "ComboBox4");
    m_window->resize(200, 1200);
    m_missing = applyDesignLooks(m_window.get());
}

void DesignLooksTest::cleanup()
{
    m_window.reset();
}

void DesignLooksTest::everyNamedControlIsFound()
{
    QCOMPARE(m_missing, QStringList());
}

void DesignLooksTest::entryBoxesAreSolidInEveryState()
{
    for (const QString &name :
         {QString("E1"), QString("E36"), QString("AlphaEdit"), QString("EdS4")}) {
        auto *box = m_window->findChild<OfficeEdit *>(name);
        QVERIFY(box->isFlat());
        QCOMPARE(box->borderStyle(), S::Solid);
        QCOMPARE(box->borderStyleFlat(), S::Solid);
        QCOMPARE(box->borderStyleFocused(), S::Solid);
    }
    auto *scratch = m_window->findChild<OfficeEdit *>("SpChar");
    QVERIFY(!scratch->isFlat());
    QCOMPARE(scratch->currentFrameStyle(), S::Sunken);
    QCOMPARE(scratch->borderStyleFocused(), S::Sunken);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    auto *box = m_window->findChild<OfficeEdit *>("E5");
    box->setFocus();
    QVERIFY(box->hasFocus());
    QCOMPARE(box->currentFrameStyle(), S::Solid);
    const QImage image = controltest::grabbed(box);
    const QColor face = controltest::distinctColors().buttonFace;
    for (int ring = 0; ring < 2; ++ring) {
        QCOMPARE(controltest::pixel(image, 20, ring), face);
        QCOMPARE(controltest::pixel(image, ring, 10), face);
        QCOMPARE(controltest::pixel(image, 20, image.height() - 1 - ring), face);
        QCOMPARE(controltest::pixel(image, image.width() - 1 - ring, 10), face);
    }
}

void DesignLooksTest::buttonsGetTheirGroupsLooks()
{
    struct Expected {
        const char *name;
        S normal, flat, focused, down;
    };
    const Expected buttons[] = {
        {"btnVar", S::Etched, S::Flat, S::None, S::Etched},
        {"btnSzetR", S::Etched, S::Flat, S::None, S::Etched},
        {"btnShowRand", S::Etched, S::None, S::None, S::None},
        {"btnTestAnswers", S::Etched, S::None, S::OuterRaised, S::None},
        {"btnShowCorrectRestore", S::Etched, S::None, S::OuterRaised, S::None},
        {"btnHelpClose", S::Up, S::None, S::OuterRaised, S::Sunken},
    };
    for (const Expected &e : buttons) {
        auto *button = m_window->findChild<OfficeButton *>(e.name);
        QVERIFY2(!button->isFlat(), e.name);
        QCOMPARE(button->borderStyle(), e.normal);
        QCOMPARE(button->borderStyleFlat(), e.flat);
        QCOMPARE(button->borderStyleFocused(), e.focused);
        QCOMPARE(button->borderStyleDown(), e.down);
    }
}

void DesignLooksTest::panelsMemoAndListsGetTheirLooks()
{
    for (const char *name : {"panTy", "helppanel"}) {
        auto *panel = m_window->findChild<OfficePanel *>(name);
        QCOMPARE(panel->borderStyle(), S::Etched);
        QCOMPARE(panel->borderStyleFocused(), S::Etched);
    }
    auto *memo = m_window->findChild<OfficeMemo *>("HelpMemo");
    QCOMPARE(memo->currentFrameStyle(), S::Etched);

    const QColor face = controltest::distinctColors().buttonFace;
    for (const char *name : {"ComboBox1", "ComboBox2", "ComboBox5", "ComboBox6"}) {
        auto *list = m_window->findChild<FlatComboBox *>(name);
        QVERIFY(!list->activate());
        QVERIFY(list->isFlat() && list->showBorder() && !list->isEditable());
        QCOMPARE(list->borderColor(), controltest::distinctColors().shadow);
        QCOMPARE(list->palette().color(list->backgroundRole()), face);
    }
    auto *chooser = m_window->findChild<FlatFontComboBox *>("ComboBox4");
    QVERIFY(chooser->activate());
    QCOMPARE(chooser->options(), allFontOptions() & ~FontOptions(foScalable));
}

void DesignLooksTest::missingControlsAreReported()
{
    QWidget empty;
    auto *onlyOne = new OfficeEdit(&empty);
    onlyOne->setObjectName("E1");
    const QStringList missing = applyDesignLooks(&empty);
    QVERIFY(!missing.contains("E1"));
    QVERIFY(missing.contains("E2"));
    QVERIFY(missing.contains("ComboBox4"));
    QVERIFY(missing.contains("btnHelpClose"));
}

QTEST_MAIN(DesignLooksTest)
#include "DesignLooksTest.moc"
