// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The flat combo box on a real window: which selections raise `changed`, the
// one-pixel frame and the Activate rule, and the self-drawn drop-down button.

#include "widgets/ControlTestSupport.h"

#include "lists/FlatComboBox.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtTest>

using controltest::pixel;
using lists::FlatComboBox;

class FlatComboBoxTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void programSelectionRaisesNoChange();
    void arrowKeysRaiseOneChangePerStep();
    void wheelRaisesOneChangePerStep();
    void mouseSelectionInTheListRaisesAChange();
    void listDropsWithItsRowHeightAndRowCount();

    void flatFrameInBorderColourAndBackground();
    void pointerShowsStandardBorderOnlyWithActivate();
    void dropDownButtonEdgeFollowsState();
    void disabledArrowIsGreyOverWhite();
    void versionCannotBeWritten();

private:
    void sendWheel(QWidget *widget, int steps);
    QPoint arrowTopLeft() const;

    std::unique_ptr<QWidget> m_window;
    FlatComboBox *m_combo = nullptr;
    QLineEdit *m_elsewhere = nullptr;
    widgets::SystemColors m_colors = controltest::distinctColors();
};

void FlatComboBoxTest::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->setPalette(controltest::distinctPalette());
    auto *layout = new QVBoxLayout(m_window.get());
    m_combo = new FlatComboBox;
    m_combo->addItems({" present", " past", " future", " present perfect", " past perfect"});
    m_combo->setCurrentIndex(0);
    m_combo->setFixedSize(256, 27);
    m_elsewhere = new QLineEdit;
    layout->addWidget(m_combo);
    layout->addWidget(m_elsewhere);
    layout->addStretch();
    m_window->resize(300, 400);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::mouseMove(m_elsewhere);
}

void FlatComboBoxTest::cleanup()
{
    m_window.reset();
}

void FlatComboBoxTest::sendWheel(QWidget *widget, int steps)
{
    const QPointF at = widget->rect().center();
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120 * steps), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

void FlatComboBoxTest::programSelectionRaisesNoChange()
{
    QSignalSpy changed(m_combo, &FlatComboBox::changed);
    m_combo->setCurrentIndex(3);
    m_combo->setItemIndex(1);
    m_combo->setCurrentText(" future");
    QCOMPARE(m_combo->itemIndex(), 2);
    QCOMPARE(changed.count(), 0);
}

void FlatComboBoxTest::arrowKeysRaiseOneChangePerStep()
{
    m_combo->setFocus();
    QSignalSpy changed(m_combo, &FlatComboBox::changed);
    QTest::keyClick(m_combo, Qt::Key_Down);
    QTest::keyClick(m_combo, Qt::Key_Down);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(m_combo->currentIndex(), 2);
    QTest::keyClick(m_combo, Qt::Key_Up);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(m_combo->currentIndex(), 1);
    QTest::keyClick(m_combo, Qt::Key_Up);
    QTest::keyClick(m_combo, Qt::Key_Up); // already at the top: nothing moves
    QCOMPARE(changed.count(), 4);
    QVERIFY(!m_combo->isDropped());
}

void FlatComboBoxTest::wheelRaisesOneChangePerStep()
{
    m_combo->setFocus();
    QSignalSpy changed(m_combo, &FlatComboBox::changed);
    sendWheel(m_combo, 1);
    sendWheel(m_combo, 1);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(m_combo->currentIndex(), 2);
    sendWheel(m_combo, -1);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(m_combo->currentIndex(), 1);
}

void FlatComboBoxTest::mouseSelectionInTheListRaisesAChange()
{
    QSignalSpy changed(m_combo, &FlatComboBox::changed);
    QTest::mouseClick(m_combo, Qt::LeftButton, {}, m_combo->rect().center());
    QTRY_VERIFY(m_combo->isDropped());
    QAbstractItemView *list = m_combo->view();
    const QRect row = list->visualRect(m_combo->model()->index(3, 0));
    QTest::mouseMove(list->viewport(), row.center());
    // The list ignores a release this soon after the press that opened it.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTRY_VERIFY(!m_combo->isDropped());
    QCOMPARE(m_combo->currentIndex(), 3);
    QCOMPARE(changed.count(), 1);
}

void FlatComboBoxTest::listDropsWithItsRowHeightAndRowCount()
{
    m_combo->setItemHeight(19);
    m_combo->setMaxVisibleItems(3);
    QFont small = m_combo->font();
    small.setPixelSize(11);
    m_combo->setFont(small);
    m_combo->showPopup();
    QTRY_VERIFY(m_combo->isDropped());
    QAbstractItemView *list = m_combo->view();
    QCOMPARE(list->visualRect(m_combo->model()->index(0, 0)).height(), 19);
    // A list, below the control, showing at most three rows at a time.
    QVERIFY(list->mapToGlobal(QPoint()).y() >= m_combo->mapToGlobal(QPoint()).y());
    QVERIFY(list->viewport()->height() <= 3 * 19 + 2);
    m_combo->hidePopup();

    // Rows grow with a font that needs more.
    QFont large = small;
    large.setPixelSize(30);
    m_combo->setFont(large);
    QVERIFY(m_combo->rowHeight() >= QFontMetrics(large).height());
}

void FlatComboBoxTest::flatFrameInBorderColourAndBackground()
{
    const QColor background = m_combo->palette().color(m_combo->backgroundRole());
    QImage image = controltest::grabbed(m_combo);
    QCOMPARE(pixel(image, 100, 0), m_colors.shadow); // default: button shadow
    QCOMPARE(pixel(image, 0, 13), m_colors.shadow);
    QCOMPARE(pixel(image, 100, 26), m_colors.shadow);
    QCOMPARE(pixel(image, 100, 1), background); // covers the standard sunken edge
    QCOMPARE(pixel(image, 1, 13), background);

    m_combo->setBorderColor(QColor(200, 0, 0));
    QCOMPARE(pixel(controltest::grabbed(m_combo), 100, 0), QColor(200, 0, 0));
    m_combo->setShowBorder(false);
    QCOMPARE(pixel(controltest::grabbed(m_combo), 100, 0), background);

    m_combo->setFlat(false); // the standard sunken border stays
    image = controltest::grabbed(m_combo);
    QCOMPARE(pixel(image, 100, 0), m_colors.shadow);
    QCOMPARE(pixel(image, 100, 1), m_colors.darkShadow);
}

void FlatComboBoxTest::pointerShowsStandardBorderOnlyWithActivate()
{
    QTest::mouseMove(m_combo, m_combo->rect().center());
    QTRY_VERIFY(m_combo->isPointerInside());
    QCOMPARE(pixel(controltest::grabbed(m_combo), 100, 1), m_colors.darkShadow);

    m_combo->setActivate(false);
    QCOMPARE(pixel(controltest::grabbed(m_combo), 100, 1),
             m_combo->palette().color(m_combo->backgroundRole()));

    m_combo->setActivate(true);
    QTest::mouseMove(m_elsewhere);
    QTRY_VERIFY(!m_combo->isPointerInside());
    QCOMPARE(pixel(controltest::grabbed(m_combo), 100, 1),
             m_combo->palette().color(m_combo->backgroundRole()));
}

void FlatComboBoxTest::dropDownButtonEdgeFollowsState()
{
    const QRect button = m_combo->dropDownButtonRect();
    QCOMPARE(button.right(), m_combo->width() - 3);
    QCOMPARE(button.top(), 2);
    QCOMPARE(button.bottom(), m_combo->height() - 3);
    QCOMPARE(button.width(), m_combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    auto topLeftOfButton = [&] {
        const QImage image = controltest::grabbed(m_combo);
        return std::pair{pixel(image, button.left() + 3, button.top()),
                         pixel(image, button.left() + 3, button.top() + 1)};
    };
    // At rest: thin raised edge with a button-face ring inside.
    QCOMPARE(topLeftOfButton(), std::pair(m_colors.litEdge, m_colors.buttonFace));
    // Under the pointer: the full raised edge.
    QTest::mouseMove(m_combo, m_combo->rect().center());
    QTRY_VERIFY(m_combo->isPointerInside());
    QCOMPARE(topLeftOfButton(), std::pair(m_colors.light, m_colors.litEdge));
    // List open: outlined in the window-frame colour.
    m_combo->showPopup();
    QTRY_VERIFY(m_combo->isDropped());
    QCOMPARE(topLeftOfButton(), std::pair(m_colors.windowFrame, m_colors.buttonFace));
    m_combo->hidePopup();
    QTRY_VERIFY(!m_combo->isDropped());
    // Not flat: the outline, and the thin raised edge while closed.
    m_combo->setFlat(false);
    QCOMPARE(topLeftOfButton(), std::pair(m_colors.windowFrame, m_colors.litEdge));
}

QPoint FlatComboBoxTest::arrowTopLeft() const
{
    const QRect button = m_combo->dropDownButtonRect();
    return {button.left() + (button.width() - 5) / 2, button.top() + (button.height() - 3) / 2};
}

void FlatComboBoxTest::disabledArrowIsGreyOverWhite()
{
    const QPoint arrow = arrowTopLeft();
    QImage image = controltest::grabbed(m_combo);
    QCOMPARE(pixel(image, arrow.x(), arrow.y()), m_colors.buttonText);
    QCOMPARE(pixel(image, arrow.x() + 4, arrow.y()), m_colors.buttonText);
    QCOMPARE(pixel(image, arrow.x() + 2, arrow.y() + 2), m_colors.buttonText);
    QCOMPARE(pixel(image, arrow.x() + 5, arrow.y()), m_colors.buttonFace);

    m_combo->setEnabled(false);
    image = controltest::grabbed(m_combo);
    QCOMPARE(pixel(image, arrow.x(), arrow.y()), QColor(128, 128, 128));
    QCOMPARE(pixel(image, arrow.x() + 2, arrow.y() + 2), QColor(128, 128, 128));
    QCOMPARE(pixel(image, arrow.x() + 5, arrow.y() + 1), QColor(255, 255, 255));
    QCOMPARE(pixel(image, arrow.x() + 3, arrow.y() + 3), QColor(255, 255, 255));
}

void FlatComboBoxTest::versionCannotBeWritten()
{
    m_combo->setVersion("2.0");
    QCOMPARE(m_combo->version(), QString("1.29"));
}

QTEST_MAIN(FlatComboBoxTest)
#include "FlatComboBoxTest.moc"
