// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The flat check box on a real window: clicks anywhere toggle it, its flat
// box and tick, the box's side, and the push-button style.

#include "widgets/ControlTestSupport.h"

#include "lists/FlatCheckBox.h"

#include <QtTest>

using controltest::pixel;
using lists::FlatCheckBox;

class FlatCheckBoxTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clickOnTheCaptionToggles();
    void flatBoxWithTickWhenChecked();
    void rightAlignedButtonPutsTheBoxRight();
    void buttonStyleStaysDownWhileChecked();
    void versionCannotBeWritten();

private:
    std::unique_ptr<QWidget> m_window;
    FlatCheckBox *m_box = nullptr;
    widgets::SystemColors m_colors = controltest::distinctColors();
};

void FlatCheckBoxTest::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->setPalette(controltest::distinctPalette());
    m_box = new FlatCheckBox(m_window.get());
    m_box->setText("Secret Check Box");
    m_box->setGeometry(10, 10, 120, 17);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void FlatCheckBoxTest::cleanup()
{
    m_window.reset();
}

void FlatCheckBoxTest::clickOnTheCaptionToggles()
{
    QSignalSpy toggled(m_box, &QAbstractButton::toggled);
    QTest::mouseClick(m_box, Qt::LeftButton, {}, QPoint(100, 8));
    QVERIFY(m_box->isChecked());
    QTest::mouseClick(m_box, Qt::LeftButton, {}, QPoint(5, 8));
    QVERIFY(!m_box->isChecked());
    QCOMPARE(toggled.count(), 2);
    m_box->setFocus();
    QTest::keyClick(m_box, Qt::Key_Space);
    QVERIFY(m_box->isChecked());
}

void FlatCheckBoxTest::flatBoxWithTickWhenChecked()
{
    QVERIFY(m_box->isFlat());
    const QRect box = m_box->boxRect();
    QCOMPARE(box.left(), 0);
    QImage image = controltest::grabbed(m_box);
    QCOMPARE(pixel(image, box.left(), box.top()), m_colors.shadow); // one flat ring
    QCOMPARE(pixel(image, box.right(), box.bottom()), m_colors.shadow);
    QCOMPARE(pixel(image, box.left() + 1, box.top() + 1), m_colors.window);
    QCOMPARE(pixel(image, box.center().x(), box.center().y()), m_colors.window);

    m_box->setChecked(true);
    image = controltest::grabbed(m_box);
    const QColor tick = m_box->palette().color(QPalette::Text);
    QCOMPARE(pixel(image, box.left() + 3, box.top() + 5), tick); // the tick's left end
    QCOMPARE(pixel(image, box.left() + 5, box.top() + 7), tick); // its bottom
    QCOMPARE(pixel(image, box.left() + 9, box.top() + 3), tick); // its right end

    m_box->setFlat(false);
    image = controltest::grabbed(m_box);
    QCOMPARE(pixel(image, box.left() + 1, box.top() + 1), m_colors.darkShadow); // sunken
}

void FlatCheckBoxTest::rightAlignedButtonPutsTheBoxRight()
{
    m_box->setButtonAlignment(FlatCheckBox::taRightJustify);
    const QRect box = m_box->boxRect();
    QCOMPARE(box.right(), m_box->width() - 1);
    QVERIFY(m_box->captionRect().right() < box.left());
    const QImage image = controltest::grabbed(m_box);
    QCOMPARE(pixel(image, box.left(), box.top()), m_colors.shadow);
    QVERIFY(pixel(image, 0, box.top()) != m_colors.shadow);

    m_box->setButtonAlignment(FlatCheckBox::taCenter); // not a place for the box
    QCOMPARE(m_box->buttonAlignment(), FlatCheckBox::taRightJustify);
}

void FlatCheckBoxTest::buttonStyleStaysDownWhileChecked()
{
    m_box->setButtonStyle(true);
    m_box->setFlat(false);
    // A caption that fits inside the bevel, whatever the platform's default font: a taller one
    // draws the focus dots across the frame (Windows' 9 pt font does in a 17-pixel box).
    QFont font = m_box->font();
    font.setPixelSize(10);
    m_box->setFont(font);
    QCOMPARE(pixel(controltest::grabbed(m_box), 30, 0), m_colors.light); // raised
    QTest::mouseClick(m_box, Qt::LeftButton, {}, QPoint(30, 8));
    QVERIFY(m_box->isChecked());
    QCOMPARE(pixel(controltest::grabbed(m_box), 30, 0), m_colors.shadow); // sunken, stays down
}

void FlatCheckBoxTest::versionCannotBeWritten()
{
    m_box->setVersion("9");
    QCOMPARE(m_box->version(), QString("1.29"));
}

QTEST_MAIN(FlatCheckBoxTest)
#include "FlatCheckBoxTest.moc"
