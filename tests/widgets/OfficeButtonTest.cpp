// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The push button's painting on a real window: the focused button's
// window-frame ring and dotted focus rectangle, the held-down frame, the
// pointer with Flat on, and what setting Flat does.

#include "ControlTestSupport.h"

#include "widgets/OfficeButton.h"

#include <QVBoxLayout>
#include <QtTest>

using controltest::pixel;
using widgets::OfficeBorderStyle;
using widgets::OfficeButton;

class OfficeButtonTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void atRestDrawsItsNormalStyle();
    void focusedShowsRingInsideStyleAndDots_data();
    void focusedShowsRingInsideStyleAndDots();
    void heldDownShowsDownStyleWithoutRing();
    void pointerChangesAFlatButtonOnly();
    void settingFlatAlwaysReplacesTheStyles();
    void captionIsCentredAndGreyedWhenDisabled();

private:
    std::unique_ptr<QWidget> m_window;
    OfficeButton *m_button = nullptr;
    OfficeButton *m_other = nullptr;
    widgets::SystemColors m_colors = controltest::distinctColors();
};

void OfficeButtonTest::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->setPalette(controltest::distinctPalette());
    auto *layout = new QVBoxLayout(m_window.get());
    m_button = new OfficeButton;
    m_button->setText("Show All");
    m_button->setFixedSize(129, 25);
    m_other = new OfficeButton;
    m_other->setText("Restore");
    layout->addWidget(m_button);
    layout->addWidget(m_other);
    // The looks of the window's command buttons.
    m_button->setBorderStyle(OfficeBorderStyle::Etched);
    m_button->setBorderStyleFlat(OfficeBorderStyle::None);
    m_button->setBorderStyleFocused(OfficeBorderStyle::OuterRaised);
    m_button->setBorderStyleDown(OfficeBorderStyle::Sunken);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_other->setFocus();
}

void OfficeButtonTest::cleanup()
{
    m_window.reset();
}

void OfficeButtonTest::atRestDrawsItsNormalStyle()
{
    const QImage image = controltest::grabbed(m_button);
    QCOMPARE(pixel(image, 10, 0), m_colors.shadow); // etched: shadow, then the lit edge
    QCOMPARE(pixel(image, 10, 1), m_colors.litEdge);
    QCOMPARE(pixel(image, 10, 24), m_colors.litEdge);
    QCOMPARE(pixel(image, 10, 23), m_colors.shadow);
    QCOMPARE(pixel(image, 4, 4), m_colors.buttonFace); // no focus rectangle
}

void OfficeButtonTest::focusedShowsRingInsideStyleAndDots_data()
{
    QTest::addColumn<OfficeBorderStyle>("focusedStyle");
    QTest::addColumn<QColor>("ring1TopLeft");
    QTest::addColumn<QColor>("ring1BottomRight");
    QTest::addColumn<QColor>("ring2");
    const widgets::SystemColors c = controltest::distinctColors();
    QTest::newRow("command button: OuterRaised inside")
        << OfficeBorderStyle::OuterRaised << c.litEdge << c.shadow << c.buttonFace;
    QTest::newRow("small button: nothing inside")
        << OfficeBorderStyle::None << c.buttonFace << c.buttonFace << c.buttonFace;
    QTest::newRow("Etched inside")
        << OfficeBorderStyle::Etched << c.shadow << c.litEdge << c.litEdge;
}

void OfficeButtonTest::focusedShowsRingInsideStyleAndDots()
{
    QFETCH(OfficeBorderStyle, focusedStyle);
    QFETCH(QColor, ring1TopLeft);
    QFETCH(QColor, ring1BottomRight);
    QFETCH(QColor, ring2);
    m_button->setBorderStyleFocused(focusedStyle);
    QTest::keyClick(m_other, Qt::Key_Backtab);
    QVERIFY(m_button->hasFocus());

    const QImage image = controltest::grabbed(m_button);
    const int r = image.width() - 1, b = image.height() - 1;
    for (QPoint p : {QPoint(0, 0), QPoint(30, 0), QPoint(0, 12), QPoint(30, b), QPoint(r, 12)})
        QCOMPARE(pixel(image, p.x(), p.y()), m_colors.windowFrame);
    QCOMPARE(pixel(image, 30, 1), ring1TopLeft);
    QCOMPARE(pixel(image, 1, 12), ring1TopLeft);
    QCOMPARE(pixel(image, 30, b - 1), ring1BottomRight);
    QCOMPARE(pixel(image, r - 1, 12), ring1BottomRight);
    QCOMPARE(pixel(image, 1, 12 + 0), ring1TopLeft);
    QCOMPARE(pixel(image, 2, 12), ring2);

    // The dotted focus rectangle, four pixels inside the edge: every other pixel.
    QCOMPARE(pixel(image, 4, 4), m_colors.windowText);
    QCOMPARE(pixel(image, 5, 4), m_colors.buttonFace);
    QCOMPARE(pixel(image, 6, 4), m_colors.windowText);
    QCOMPARE(pixel(image, 4, 6), m_colors.windowText);
    QCOMPARE(pixel(image, r - 4, b - 4), m_colors.windowText); // 124 + 20: even
    QCOMPARE(pixel(image, 3, 4), m_colors.buttonFace);         // nothing outside it
}

void OfficeButtonTest::heldDownShowsDownStyleWithoutRing()
{
    QTest::mousePress(m_button, Qt::LeftButton, {}, m_button->rect().center());
    QVERIFY(m_button->isDown());
    QVERIFY(m_button->hasFocus());
    const QImage image = controltest::grabbed(m_button);
    QCOMPARE(pixel(image, 30, 0), m_colors.shadow); // Sunken ring 0, no window-frame ring
    QCOMPARE(pixel(image, 30, 1), m_colors.darkShadow);
    QCOMPARE(pixel(image, 30, 24), m_colors.litEdge);
    QCOMPARE(m_button->currentFrame(), (widgets::ButtonFrame{false, OfficeBorderStyle::Sunken, 0}));
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, m_button->rect().center());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(pixel(controltest::grabbed(m_button), 30, 0), m_colors.windowFrame);
}

void OfficeButtonTest::pointerChangesAFlatButtonOnly()
{
    QTest::mouseMove(m_button, m_button->rect().center());
    QTRY_VERIFY(m_button->isPointerInside());
    QCOMPARE(m_button->currentFrame().style, OfficeBorderStyle::Etched);

    m_button->setFlat(true); // OuterRaised at rest, Raised under the pointer
    QCOMPARE(m_button->currentFrame().style, OfficeBorderStyle::Raised);
    QCOMPARE(pixel(controltest::grabbed(m_button), 30, 0), m_colors.light);
    QTest::mouseMove(m_other, m_other->rect().center());
    QTRY_VERIFY(!m_button->isPointerInside());
    QCOMPARE(m_button->currentFrame().style, OfficeBorderStyle::OuterRaised);
    QCOMPARE(pixel(controltest::grabbed(m_button), 30, 0), m_colors.litEdge);
}

void OfficeButtonTest::settingFlatAlwaysReplacesTheStyles()
{
    m_button->setFlat(false); // even to the value it already had
    QCOMPARE(m_button->borderStyle(), OfficeBorderStyle::Up);
    QCOMPARE(m_button->borderStyleFlat(), OfficeBorderStyle::None);
    QCOMPARE(m_button->borderStyleFocused(), OfficeBorderStyle::Raised);
    QCOMPARE(m_button->borderStyleDown(), OfficeBorderStyle::Down);
    m_button->setFlat(true);
    QVERIFY(m_button->isFlat());
    QCOMPARE(m_button->borderStyle(), OfficeBorderStyle::OuterRaised);
    QCOMPARE(m_button->borderStyleFlat(), OfficeBorderStyle::OuterRaised);
}

namespace {

// Bounding box of the pixels inside `within` that are (or, with `unlike`,
// are not) in `color`.
QRect areaOf(const QImage &image, const QRect &within, const QColor &color, bool unlike = false)
{
    QRect area;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if ((image.pixelColor(x, y) == color) != unlike)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

} // namespace

void OfficeButtonTest::captionIsCentredAndGreyedWhenDisabled()
{
    const QRect inside = m_button->rect().adjusted(3, 3, -3, -3);
    const QColor text = m_button->palette().color(QPalette::ButtonText);
    const QImage enabled = controltest::grabbed(m_button);
    QVERIFY(!areaOf(enabled, inside, text).isEmpty());
    const QRect caption = areaOf(enabled, inside, m_colors.buttonFace, true);
    const QPoint offCentre = caption.center() - m_button->rect().center();
    QVERIFY2(std::abs(offCentre.x()) <= 2 && std::abs(offCentre.y()) <= 2,
             qPrintable(QString("caption centred at %1,%2").arg(offCentre.x()).arg(offCentre.y())));

    m_button->setEnabled(false);
    const QImage disabled = controltest::grabbed(m_button);
    QVERIFY(areaOf(disabled, inside, text).isEmpty());
    QVERIFY(!areaOf(disabled, inside, m_colors.shadow).isEmpty());
}

QTEST_MAIN(OfficeButtonTest)
#include "OfficeButtonTest.moc"
