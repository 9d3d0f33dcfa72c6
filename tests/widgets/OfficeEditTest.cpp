// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The entry box on a real window: the selection it keeps for copy and paste,
// how entering it treats the selection, its frame by state, Flat and height.

#include "ControlTestSupport.h"

#include "widgets/OfficeButton.h"
#include "widgets/OfficeEdit.h"

#include <QClipboard>
#include <QMenu>
#include <QVBoxLayout>
#include <QtTest>

using widgets::OfficeBorderStyle;
using widgets::OfficeEdit;

class OfficeEditTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clickingAButtonKeepsTheSelection();
    void pasteReplacesTheKeptSelection();
    void pasteLandsAtTheKeptCaret();
    void enteringWithoutTheMouseSelectsAll_data();
    void enteringWithoutTheMouseSelectsAll();
    void mouseClickPlacesTheCaret();
    void windowReactivationLeavesTheCaret();
    void closingAPopupLeavesTheCaret();

    void frameFollowsFocusAndPointerWhenFlat();
    void frameNeverChangesWhenNotFlat();
    void settingFlatResetsStylesUnlessKeeping();
    void heightFollowsTheFont();

private:
    QPoint pointBefore(QLineEdit *edit, int position) const;
    void clickInto(QWidget *widget, QPoint at);

    std::unique_ptr<QWidget> m_window;
    OfficeEdit *m_first = nullptr;
    OfficeEdit *m_second = nullptr;
    widgets::OfficeButton *m_button = nullptr;
};

void OfficeEditTest::init()
{
    m_window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(m_window.get());
    m_first = new OfficeEdit;
    m_second = new OfficeEdit;
    m_button = new widgets::OfficeButton;
    m_button->setText("Paste");
    for (QWidget *w : {static_cast<QWidget *>(m_first), static_cast<QWidget *>(m_second),
                       static_cast<QWidget *>(m_button)})
        layout->addWidget(w);
    m_first->setText("abcdef");
    m_second->setText("uvwxyz");
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void OfficeEditTest::cleanup()
{
    m_window.reset();
}

QPoint OfficeEditTest::pointBefore(QLineEdit *edit, int position) const
{
    const int y = edit->height() / 2;
    for (int x = 0; x < edit->width(); ++x) {
        if (edit->cursorPositionAt(QPoint(x, y)) == position)
            return {x, y};
    }
    return {};
}

void OfficeEditTest::clickInto(QWidget *widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void OfficeEditTest::clickingAButtonKeepsTheSelection()
{
    clickInto(m_first, pointBefore(m_first, 1));
    m_first->setSelection(4, -3); // "bcd", caret at its start
    clickInto(m_button, m_button->rect().center());
    QVERIFY(m_button->hasFocus());
    QCOMPARE(m_first->selectedText(), QString("bcd"));
    QCOMPARE(m_first->cursorPosition(), 1);
}

void OfficeEditTest::pasteReplacesTheKeptSelection()
{
    clickInto(m_first, pointBefore(m_first, 1));
    m_first->setSelection(1, 3);
    clickInto(m_second, pointBefore(m_second, 2));
    QGuiApplication::clipboard()->setText("XY");
    m_first->paste();
    QCOMPARE(m_first->text(), QString("aXYef"));
}

void OfficeEditTest::pasteLandsAtTheKeptCaret()
{
    clickInto(m_first, pointBefore(m_first, 2));
    QCOMPARE(m_first->cursorPosition(), 2);
    clickInto(m_button, m_button->rect().center());
    QGuiApplication::clipboard()->setText("XY");
    m_first->paste();
    QCOMPARE(m_first->text(), QString("abXYcdef"));
}

void OfficeEditTest::enteringWithoutTheMouseSelectsAll_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Tab") << "tab";
    QTest::newRow("Backtab") << "backtab";
    QTest::newRow("setFocus") << "setFocus";
}

void OfficeEditTest::enteringWithoutTheMouseSelectsAll()
{
    QFETCH(QString, how);
    // The box kept a selection of its own; entering selects all the same.
    clickInto(m_second, pointBefore(m_second, 3));
    m_second->setSelection(1, 2);
    clickInto(m_button, m_button->rect().center());
    if (how == "tab") {
        clickInto(m_first, pointBefore(m_first, 1));
        QTest::keyClick(m_first, Qt::Key_Tab);
    } else if (how == "backtab") {
        QTest::keyClick(m_button, Qt::Key_Backtab);
    } else {
        m_second->setFocus();
    }
    QVERIFY(m_second->hasFocus());
    QCOMPARE(m_second->selectedText(), QString("uvwxyz"));
}

void OfficeEditTest::mouseClickPlacesTheCaret()
{
    clickInto(m_button, m_button->rect().center());
    m_first->setFocus(); // an entry: selects all
    clickInto(m_button, m_button->rect().center());
    QVERIFY(m_first->hasSelectedText());
    clickInto(m_first, pointBefore(m_first, 4));
    QVERIFY(!m_first->hasSelectedText());
    QCOMPARE(m_first->cursorPosition(), 4);
}

void OfficeEditTest::windowReactivationLeavesTheCaret()
{
    clickInto(m_first, pointBefore(m_first, 2));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTRY_VERIFY(m_first->hasFocus());
    QVERIFY(!m_first->hasSelectedText());
    QCOMPARE(m_first->cursorPosition(), 2);
}

void OfficeEditTest::closingAPopupLeavesTheCaret()
{
    clickInto(m_first, pointBefore(m_first, 3));
    QMenu menu;
    menu.addAction("entry");
    menu.popup(m_first->mapToGlobal(QPoint(0, m_first->height())));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QTest::keyClick(&menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu.isVisible());
    QTRY_VERIFY(m_first->hasFocus());
    QVERIFY(!m_first->hasSelectedText());
    QCOMPARE(m_first->cursorPosition(), 3);
}

void OfficeEditTest::frameFollowsFocusAndPointerWhenFlat()
{
    m_first->setFlat(true);
    m_first->setBorderStyleFlat(OfficeBorderStyle::Single);
    m_first->setBorderStyleFocused(OfficeBorderStyle::Raised);
    m_first->setPalette(controltest::distinctPalette());
    const widgets::SystemColors colors = controltest::distinctColors();

    clickInto(m_button, m_button->rect().center());
    QTest::mouseMove(m_button);
    QCOMPARE(m_first->currentFrameStyle(), OfficeBorderStyle::Single);
    QCOMPARE(controltest::pixel(controltest::grabbed(m_first), 0, 5), colors.windowFrame);

    QTest::mouseMove(m_first, m_first->rect().center());
    QTRY_VERIFY(m_first->isPointerInside());
    QCOMPARE(m_first->currentFrameStyle(), OfficeBorderStyle::Raised);
    QCOMPARE(controltest::pixel(controltest::grabbed(m_first), 0, 5), colors.light);

    QTest::mouseMove(m_button);
    QTRY_VERIFY(!m_first->isPointerInside());
    QCOMPARE(m_first->currentFrameStyle(), OfficeBorderStyle::Single);

    QTest::keyClick(m_button, Qt::Key_Backtab);
    QTest::keyClick(m_second, Qt::Key_Backtab);
    QVERIFY(m_first->hasFocus());
    QCOMPARE(m_first->currentFrameStyle(), OfficeBorderStyle::Raised);
    QCOMPARE(controltest::pixel(controltest::grabbed(m_first), 0, 5), colors.light);
}

void OfficeEditTest::frameNeverChangesWhenNotFlat()
{
    m_first->setBorderStyle(OfficeBorderStyle::Bump);
    m_first->setBorderStyleFocused(OfficeBorderStyle::Raised);
    QCOMPARE(m_first->currentFrameStyle(), OfficeBorderStyle::Bump);
    QTest::mouseMove(m_first, m_first->rect().center());
    QTRY_VERIFY(m_first->isPointerInside());
    m_first->setFocus();
    QCOMPARE(m_first->currentFrameStyle(), OfficeBorderStyle::Bump);
}

void OfficeEditTest::settingFlatResetsStylesUnlessKeeping()
{
    m_first->setBorderStyle(OfficeBorderStyle::Solid);
    m_first->setBorderStyleFlat(OfficeBorderStyle::Solid);
    m_first->setBorderStyleFocused(OfficeBorderStyle::Solid);
    m_first->setFlat(true, OfficeEdit::FlatStyles::Keep); // loading the design
    QVERIFY(m_first->isFlat());
    QCOMPARE(m_first->borderStyle(), OfficeBorderStyle::Solid);
    QCOMPARE(m_first->borderStyleFocused(), OfficeBorderStyle::Solid);

    m_first->setFlat(false); // at run time
    QVERIFY(!m_first->isFlat());
    QCOMPARE(m_first->borderStyle(), OfficeBorderStyle::Sunken);
    QCOMPARE(m_first->borderStyleFlat(), OfficeBorderStyle::Solid);
    QCOMPARE(m_first->borderStyleFocused(), OfficeBorderStyle::OuterSunken);
}

void OfficeEditTest::heightFollowsTheFont()
{
    QWidget window;
    auto *box = new OfficeEdit(&window);
    box->setGeometry(10, 10, 100, 27);
    window.show();
    for (int pixels : {11, 16, 23}) {
        QFont font = box->font();
        font.setPixelSize(pixels);
        box->setFont(font);
        QCOMPARE(box->height(), QFontMetrics(font).height() + 8);
        QCOMPARE(box->width(), 100);
    }
    // A font the box inherits from its window counts as well.
    auto *inheriting = new OfficeEdit(&window);
    QFont windowFont = window.font();
    windowFont.setPixelSize(30);
    window.setFont(windowFont);
    QCOMPARE(inheriting->height(), QFontMetrics(windowFont).height() + 8);
}

QTEST_MAIN(OfficeEditTest)
#include "OfficeEditTest.moc"
